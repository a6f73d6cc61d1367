// Owns an open registry key and closes it when it goes out of scope.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

inline void CloseRegistryKey(HKEY key) noexcept {
    ::RegCloseKey(key);
}

using RegistryKey = UniqueHandle<HKEY, CloseRegistryKey>;

}  // namespace platform::win32
