// What the engine's own files share; callers use lunar/lunar.h.
#pragma once

#include <chrono>
#include <string>

#include "lunar/lunar.h"

namespace lunar {

// Fails with OutOfRange unless year-month-day is a real date of the years firstYear to
// lastYear.
inline void RequireDate(int year, int month, int day, int firstYear, int lastYear) {
    using namespace std::chrono;
    const bool inRange =
        year >= firstYear && year <= lastYear && month >= 1 && month <= 12 && day >= 1 && day <= 31;
    if (!inRange ||
        !year_month_day{std::chrono::year{year}, std::chrono::month(month), std::chrono::day(day)}
             .ok()) {
        throw OutOfRange("no such day in " + std::to_string(firstYear) + "-" +
                         std::to_string(lastYear));
    }
}

// The day of the month (of month term / 2 + 1) on which solar term `term` (0 = 小寒 ...
// 23 = 冬至) of the year falls, 1921-2100. Fails with OutOfRange outside those years.
int SolarTermDay(int year, int term);

// Appends the lunar month as the caption writes it: "三月", "闰冬月". Fails with OutOfRange for
// month 0.
void AppendMonth(std::string& text, const LunarDate& date);
// Appends the lunar month and day as the caption writes them: "三月廿八", "闰冬月初一".
// Fails with OutOfRange where LunarCaption does.
void AppendMonthAndDay(std::string& text, const LunarDate& date);

}  // namespace lunar
