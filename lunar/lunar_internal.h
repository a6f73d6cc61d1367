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

// Appends the lunar month and day as the caption writes them: "三月廿八", "闰冬月初一".
// Fails with OutOfRange where LunarCaption does.
void AppendMonthAndDay(std::string& text, const LunarDate& date);

}  // namespace lunar
