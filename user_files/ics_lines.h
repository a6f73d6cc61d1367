// Content lines of an iCalendar file: values escaped, long lines folded, CRLF line ends.
#pragma once

#include <string>
#include <string_view>

namespace user_files {

// A text value with backslash, semicolon and comma escaped and each line break (CRLF, LF or
// CR) written as "\n"; other control characters, which the format forbids, are left out.
std::string IcsEscaped(std::string_view text);

// Appends "name:value" as one content line: CRLF-ended, folded so that no line exceeds 75
// octets (a fold is CRLF and a space, the space counting in the next line), never inside a
// UTF-8 character.
void AppendIcsLine(std::string& out, std::string_view name, std::string_view value);

}  // namespace user_files
