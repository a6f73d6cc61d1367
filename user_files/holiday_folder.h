// Newer holiday notices without a new release: the user's notice files over the built-in ones.
#pragma once

#include <cstddef>
#include <string>

#include "lunar/holidays.h"

// A notice file larger than this is passed over.
inline constexpr std::size_t kLargestNoticeFile = 256 * 1024;

// The built-in schedule with every valid *.json notice of the folder in its year's place (of
// two for one year, the one whose name sorts last). A file with any fault is ignored whole; a
// missing or empty folder changes nothing.
lunar::HolidaySchedule LoadHolidaySchedule(const std::string& folder);
