// DLLs come from the system's own folder only: a portable copy run from a folder of
// downloads must never load a DLL that someone left beside it.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

void ReleaseLibrary(HMODULE module) noexcept;
using Library = UniqueHandle<HMODULE, ReleaseLibrary>;

// First thing at start-up: from then on every DLL the process loads, and every DLL those
// import, comes from System32. False where the system lacks the call (Windows 7 without
// its update), where LoadSystemLibrary alone keeps the program's own loads safe.
bool RestrictDllSearchToSystem();

// The full path of a file in System32 ("notepad.exe"); empty when the folder cannot be found.
std::wstring SystemPath(const wchar_t* fileName);

// The system's copy of a DLL loaded on demand ("oleacc.dll"), by its full System32 path;
// null when it cannot be loaded.
Library LoadSystemLibrary(const wchar_t* fileName);

// A function of a loaded library, or null.
template <typename Function>
Function LibraryFunction(const Library& library, const char* name) {
    return library ? reinterpret_cast<Function>(
                         reinterpret_cast<void*>(::GetProcAddress(library.Get(), name)))
                   : nullptr;
}

}  // namespace platform::win32
