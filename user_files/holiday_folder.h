// Newer holiday notices without a new release: the user's notice files over the built-in ones.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lunar/holidays.h"
#include "user_files/file_fault.h"
#include "user_files/file_reader.h"

namespace user_files {

// The notices' folder in the program's folder of the user's.
inline constexpr const char* kHolidayFolder = "holidays";
// A notice file larger than this is passed over.
inline constexpr std::size_t kLargestNoticeFile = 256 * 1024;

// The notice files for the reader: every *.json of the folder, within its limits.
ReadRequest HolidayRequest(std::string root);

// The built-in schedule with every valid notice read in its year's place (of two for one year,
// the one whose name sorts last), and why each other notice is not used. A file with any fault
// is ignored whole.
struct HolidayFiles {
    lunar::HolidaySchedule Schedule = lunar::HolidaySchedule::BuiltIn();
    std::vector<FileFault> Faults;
};
HolidayFiles ApplyNotices(const FilesRead& read);

}  // namespace user_files
