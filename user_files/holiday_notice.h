// A holiday notice as users share it: {"year": 2027, "papers": [...], "days": [{"name": "元旦",
// "date": "2027-01-01", "isOffDay": true}, ...]}.
#pragma once

#include <string_view>
#include <variant>

#include "lunar/holidays.h"
#include "user_files/file_fault.h"

namespace user_files {

// The notice, or its first fault (File left empty for the caller; Item the 1-based entry of
// "days", 0 for the whole file): not JSON, a field missing or of the wrong type, a year
// outside 2007-2099, no days, a date that does not exist, lies outside the notice's span or
// comes twice, a name that is empty, longer than 64 bytes or holds a control character.
std::variant<lunar::HolidayNotice, FileFault> ParseHolidayNotice(std::string_view text);

}  // namespace user_files
