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

}  // namespace

std::string UserDataFolder(std::string_view name) {
    wchar_t appData[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return ToUtf8(appData) + "\\Lunadesk\\" + std::string(name);
}

std::vector<std::string> FolderEntryNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const win32::UniqueHandle<HANDLE, ::FindClose> search(
        OrNull(::FindFirstFileExW((ToWide(folder) + L"\\*").c_str(), FindExInfoBasic, &found,
                                  FindExSearchNameMatch, nullptr, 0)));
    for (bool more = static_cast<bool>(search); more;
         more = ::FindNextFileW(search.Get(), &found) != 0) {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(ToUtf8(found.cFileName));
        }
    }
    return names;
}

std::optional<std::string> ReadRegularFileIn(const std::string& folder, const std::string& name,
                                             std::size_t maxBytes) {
    const win32::UniqueHandle<HANDLE, ::CloseHandle> file(
        OrNull(::CreateFileW(ToWide(folder + "\\" + name).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    LARGE_INTEGER size{};
    // Only a file on a disk: a pipe or device could keep the start waiting.
    if (!file || ::GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!content.empty() && (!::ReadFile(file.Get(), content.data(),
                                         static_cast<DWORD>(content.size()), &got, nullptr) ||
                             got != content.size())) {
        return std::nullopt;
    }
    return content;
}

}  // namespace platform
