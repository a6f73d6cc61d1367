#include "platform/win32/system_library.h"

#include <string>

namespace platform::win32 {

void ReleaseLibrary(HMODULE module) noexcept {
    ::FreeLibrary(module);
}

bool RestrictDllSearchToSystem() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    return setDirectories != nullptr && setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

std::wstring SystemPath(const wchar_t* fileName) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size()) {
        return {};
    }
    path.resize(length);
    path += L'\\';
    return path + fileName;
}

Library LoadSystemLibrary(const wchar_t* fileName) {
    const std::wstring path = SystemPath(fileName);
    if (path.empty()) {
        return Library();
    }
    // The altered search order looks for what the DLL imports in its own folder first, not
    // in the program's, also where the search could not be restricted.
    return Library(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace platform::win32
