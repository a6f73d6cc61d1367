// UTF-8 (the program's text) <-> UTF-16 (the wide Windows API) at the API boundary.
// Malformed input is not an error: each bad sequence becomes U+FFFD, so text the user
// typed or another tool stored is still shown rather than lost.
#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

}  // namespace platform::win32
