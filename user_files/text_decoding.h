// The encodings a user's file may come in: what Notepad and other editors save.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace user_files {

// The file's text as UTF-8: UTF-8 with or without a byte order mark, UTF-16 LE or BE with
// one, or else, when the bytes are not valid UTF-8, code page 936 (GBK). nullopt when they are
// none of these.
std::optional<std::string> DecodeUserText(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

}  // namespace user_files
