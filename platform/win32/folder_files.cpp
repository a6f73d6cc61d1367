#include "platform/folder_files.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

using win32::ToUtf8;
using win32::ToWide;

// CreateFileW and FindFirstFileW say "no handle" with INVALID_HANDLE_VALUE, not null.
HANDLE OrNull(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// The same path without the 260-character limit: "\\?\C:\..." or "\\?\UNC\server\share\...".
// Only a full path with backslashes can take the prefix, which %APPDATA% is.
std::wstring LongPath(const std::string& path) {
    std::wstring wide = ToWide(path);
    if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') {
        return L"\\\\?\\" + wide;
    }
    if (wide.size() > 2 && wide[0] == L'\\' && wide[1] == L'\\' && wide[2] != L'?') {
        return L"\\\\?\\UNC\\" + wide.substr(2);
    }
    return wide;
}

// Placeholders of cloud storage can carry these without being reparse points on older systems.
constexpr DWORD kNotHereAttributes = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_OFFLINE |
                                     0x00040000 /* RECALL_ON_OPEN */ |
                                     0x00400000 /* RECALL_ON_DATA_ACCESS */;

}  // namespace

std::string UserDataFolder(std::string_view name) {
    const DWORD needed = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (needed == 0) {
        return {};
    }
    std::wstring appData(needed, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", appData.data(), needed);
    if (length == 0 || length >= needed) {
        return {};
    }
    appData.resize(length);
    std::string folder = ToUtf8(appData) + "\\Lunadesk";
    return name.empty() ? folder : folder + "\\" + std::string(name);
}

std::vector<FolderEntry> SystemFileAccess::Entries(const std::string& folder) const {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const win32::UniqueHandle<HANDLE, ::FindClose> search(
        OrNull(::FindFirstFileExW((LongPath(folder) + L"\\*").c_str(), FindExInfoBasic, &found,
                                  FindExSearchNameMatch, nullptr, 0)));
    for (bool more = static_cast<bool>(search); more;
         more = ::FindNextFileW(search.Get(), &found) != 0) {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            entries.push_back(
                {ToUtf8(found.cFileName),
                 (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
                 (found.dwFileAttributes & kNotHereAttributes) != 0});
        }
    }
    return entries;
}

FileBytes SystemFileAccess::Read(const std::string& folder, const std::string& name,
                                 std::size_t maxBytes) const {
    FileBytes read;
    const win32::UniqueHandle<HANDLE, ::CloseHandle> file(
        OrNull(::CreateFileW(LongPath(folder + "\\" + name).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) {
        const DWORD error = ::GetLastError();
        read.Result = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                          ? FileBytes::Outcome::Missing
                          : FileBytes::Outcome::Unreadable;
        return read;
    }
    LARGE_INTEGER size{};
    // Only a file on a disk: a pipe or device could keep the reader waiting.
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.Get(), &size) ||
        size.QuadPart < 0) {
        read.Result = FileBytes::Outcome::Unreadable;
        return read;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        read.Result = FileBytes::Outcome::TooLarge;
        return read;
    }
    read.Content.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!read.Content.empty() &&
        (!::ReadFile(file.Get(), read.Content.data(), static_cast<DWORD>(read.Content.size()), &got,
                     nullptr) ||
         got != read.Content.size())) {
        read.Content.clear();
        read.Result = FileBytes::Outcome::Unreadable;
        return read;
    }
    read.Result = FileBytes::Outcome::Read;
    return read;
}

std::optional<FileStamp> SystemFileAccess::Stamp(const std::string& folder,
                                                 const std::string& name) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(LongPath(folder + "\\" + name).c_str(), GetFileExInfoStandard,
                                &data)) {
        return std::nullopt;
    }
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    return FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow),
                     static_cast<std::int64_t>(join(data.ftLastWriteTime.dwHighDateTime,
                                                    data.ftLastWriteTime.dwLowDateTime))};
}

}  // namespace platform
