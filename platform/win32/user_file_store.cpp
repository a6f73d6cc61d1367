#include "platform/user_file_store.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

using File = win32::UniqueHandle<HANDLE, ::CloseHandle>;

HANDLE OrNull(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

std::string Failure(const char* step, DWORD error = ::GetLastError()) {
    return std::string(step) + "失败（错误" + std::to_string(error) + "）";
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Makes the folders of the path that are missing, from the outermost: a user new to the program
// has no %APPDATA%\Lunadesk yet. A failure shows when the file is then created.
void MakeFoldersOf(const std::wstring& path) {
    for (std::size_t end = path.find_first_of(L"\\/", 3); end != std::wstring::npos;
         end = path.find_first_of(L"\\/", end + 1)) {
        ::CreateDirectoryW(path.substr(0, end).c_str(), nullptr);
    }
}

HANDLE CreateTemporary(const std::wstring& path) {
    auto create = [&] {
        return OrNull(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    HANDLE file = create();
    if (file == nullptr && ::GetLastError() == ERROR_PATH_NOT_FOUND) {
        MakeFoldersOf(path);
        file = create();
    }
    return file;
}

class Win32UserFiles final : public UserFileStore {
  public:
    FileRead Read(const std::string& path, std::size_t maxBytes) override {
        FileRead read;
        const File file(
            OrNull(::CreateFileW(win32::ToWide(path).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        if (!file) {
            const DWORD error = ::GetLastError();
            read.Exists = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
            read.Failure = read.Exists ? Failure("打开", error) : "";
            return read;
        }
        read.Exists = true;
        LARGE_INTEGER size{};
        // Only a file on a disk: a pipe or device could keep the program waiting.
        if (::GetFileType(file.Get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.Get(), &size)) {
            read.Failure = "无法读取";
            return read;
        }
        if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
            read.TooLarge = true;
            return read;
        }
        read.Bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        if (!read.Bytes.empty() &&
            (!::ReadFile(file.Get(), read.Bytes.data(), static_cast<DWORD>(read.Bytes.size()), &got,
                         nullptr) ||
             got != read.Bytes.size())) {
            read.Failure = Failure("读取");
            read.Bytes.clear();
        }
        return read;
    }

    std::string Replace(const std::string& path, std::string_view bytes,
                        const std::string& backup) override {
        const std::wstring target = win32::ToWide(path);
        const std::wstring temporary =
            target + L".tmp-" + win32::ToWide(std::to_string(::GetCurrentProcessId()));
        const std::wstring wideBackup = win32::ToWide(backup);
        {
            const File file(CreateTemporary(temporary));
            if (!file) {
                return Failure("创建临时文件");
            }
            if (!WriteAll(file.Get(), bytes) || !::FlushFileBuffers(file.Get())) {
                const std::string why = Failure("写入临时文件");
                ::DeleteFileW(temporary.c_str());
                return why;
            }
        }
        // ReplaceFileW keeps the old file as the backup in the same step; it needs a file to
        // replace, so a first write moves the new one into place instead.
        const bool replaced =
            ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES
                ? ::ReplaceFileW(target.c_str(), temporary.c_str(),
                                 backup.empty() ? nullptr : wideBackup.c_str(),
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                : ::MoveFileExW(temporary.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        if (!replaced) {
            const DWORD error = ::GetLastError();
            const std::string why = Failure("替换文件", error);
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 && !backup.empty()) {
                // The old file already went to the backup name: bring it back.
                ::MoveFileExW(wideBackup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
            }
            ::DeleteFileW(temporary.c_str());
            return why;
        }
        return {};
    }

    std::string Rename(const std::string& from, const std::string& to) override {
        // Without MOVEFILE_REPLACE_EXISTING a file already named `to` makes it fail.
        if (!::MoveFileExW(win32::ToWide(from).c_str(), win32::ToWide(to).c_str(),
                           MOVEFILE_WRITE_THROUGH)) {
            return Failure("重命名");
        }
        return {};
    }
};

}  // namespace

UserFileStore& SystemUserFiles() {
    static Win32UserFiles files;
    return files;
}

}  // namespace platform
