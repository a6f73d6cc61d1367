// Text values of an open registry key, shared by the settings and the log-on entry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace platform::win32 {

// The REG_SZ text of a value; nullopt when it is missing, of another type or unreadable.
std::optional<std::string> ReadRegistryText(HKEY key, const std::string& name);
// Stores text as REG_SZ; the result of RegSetValueExW (throws std::length_error when the
// text is too long for the registry).
LSTATUS WriteRegistryText(HKEY key, const std::string& name, const std::string& text);

}  // namespace platform::win32
