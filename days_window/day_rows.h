// The list of the user's days as the 我的日子 window shows it: soonest first, each with its date
// and how far off it is.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "lunar/user_days.h"

namespace days_window {

struct DayRow {
    std::size_t Index = 0;  // of the day in the file's list
    // "妈妈生日 · 农历闰四月十五 · 3天后（12月10日）", "体检 · 2027年1月15日 · 已过".
    std::string Text;
    bool operator==(const DayRow&) const = default;
};

// One row per day, by the date each next falls on or after today, days falling on the same date
// in list order; days that will not fall again (a one-off day gone by) last.
std::vector<DayRow> DayRows(const std::vector<lunar::UserDay>& days,
                            const std::chrono::year_month_day& today);

}  // namespace days_window
