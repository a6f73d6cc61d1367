// Text in the code page a Chinese Windows calls ANSI (936, GBK), which Notepad long saved by
// default.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text as UTF-8; nullopt when it is not valid code page 936.
std::optional<std::string> CodePage936ToUtf8(std::string_view bytes);

}  // namespace platform
