// The object a screen reader gets for one of the program's windows: the system's own object
// for it, told what the element model knows better (see AccessibleBinding). And the system
// libraries it needs, loaded on first use.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <memory>

#include "platform/win32/accessibility.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {

// Spelled out: linked statically with mingw, the IID_IAccessible of the import library
// comes out wrong and every query for it fails.
inline constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
// COM and the accessibility library are loaded the first time a screen reader asks, not at
// start-up, where loading them would add to the time until the window shows.
struct OleLibraries {
    Library ole32 = LoadSystemLibrary(L"ole32.dll");
    Library oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    Library oleacc = LoadSystemLibrary(L"oleacc.dll");
    decltype(&::CoInitializeEx) coInitializeEx =
        LibraryFunction<decltype(&::CoInitializeEx)>(ole32, "CoInitializeEx");
    decltype(&::CoUninitialize) coUninitialize =
        LibraryFunction<decltype(&::CoUninitialize)>(ole32, "CoUninitialize");
    decltype(&::SysAllocString) sysAllocString =
        LibraryFunction<decltype(&::SysAllocString)>(oleaut32, "SysAllocString");
    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject =
        LibraryFunction<decltype(&::CreateStdAccessibleObject)>(oleacc,
                                                                "CreateStdAccessibleObject");
    decltype(&::LresultFromObject) lresultFromObject =
        LibraryFunction<decltype(&::LresultFromObject)>(oleacc, "LresultFromObject");

    bool Ready() const {
        return coInitializeEx != nullptr && coUninitialize != nullptr &&
               sysAllocString != nullptr && createStdAccessibleObject != nullptr &&
               lresultFromObject != nullptr;
    }
};

const OleLibraries& Ole();

// A new object for the binding's window, with the one reference the caller owns; null when
// the system's object cannot be had.
IAccessible* NewAccessibleObject(std::shared_ptr<const AccessibleBinding> binding);

}  // namespace platform::win32
