// The user's days as an iCalendar file for other calendars: each time a yearly day falls in
// the coming years as an all-day event of its own, since a lunar date cannot be a repeat
// rule that other calendars understand.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "lunar/user_days.h"

namespace user_files {

// The events run from 1 January of today's year through 31 December this many years on.
inline constexpr int kCalendarYearsAhead = 10;

struct DaysCalendar {
    std::string Text;  // the file's bytes
    std::size_t Events = 0;
};

// The events in date order, days of one date in list order: two exports on one day differ
// only in their time stamp.
DaysCalendar DaysCalendarText(const std::vector<lunar::UserDay>& days,
                              const std::chrono::year_month_day& today, const std::string& version,
                              std::chrono::sys_seconds stamp);

}  // namespace user_files
