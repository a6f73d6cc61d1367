// The constant tables of the lunar calendar, read-only, and the checked way to read them.
// Texts are UTF-8. Name tables indexed by a number that starts at 1 keep a placeholder in
// slot 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lunar/lunar.h"

namespace lunar {

inline constexpr int FirstLunarYear = 1921;  // entry 0; its 正月初一 is 1921-02-08, day 1
inline constexpr std::size_t LunarYearCount = 179;

// Packed description of lunar year FirstLunarYear + index (up to 20 bits):
//  - 4095 or more: 13 months (one of them a leap month), else 12;
//  - bits 16 and up (L): the leap month follows month L (0 when there is none);
//  - bits 12/11 down to 0: month lengths in order, set = 30 days, clear = 29.
extern const std::array<std::int32_t, LunarYearCount> LunarYearInfo;

// Days of a common year before month index + 1; February 29 is added by the conversion.
extern const std::array<int, 12> DaysBeforeMonth;

// Days from the epoch to the last day before lunar year index; the final entry is the
// table's last day (2100-02-08). Derived from LunarYearInfo when the program is built.
extern const std::array<int, LunarYearCount + 1> DaysBeforeLunarYear;

extern const std::array<std::string_view, 10> HeavenlyStems;
extern const std::array<std::string_view, 12> EarthlyBranches;
extern const std::array<std::string_view, 12> ZodiacAnimals;    // same index as the branch
extern const std::array<std::string_view, 13> LunarMonthNames;  // 1 = 正 ... 12 = 腊
extern const std::array<std::string_view, 31> LunarDayNames;    // 1 = 初一 ... 30 = 三十
extern const std::array<std::string_view, 8> WeekdayNames;      // 1 = 星期日 ... 7 = 星期六
// In the order of the Gregorian year: 0 = 小寒 (285°) ... 5 = 春分 (0°) ... 23 = 冬至 (270°).
extern const std::array<std::string_view, 24> SolarTermNames;

// Every read of a table goes through here: an index outside the table fails, it is never
// read.
[[noreturn]] void ThrowIndexOutOfRange(std::int64_t index, std::size_t size);

template <typename T, std::size_t N>
const T& TableAt(const std::array<T, N>& table, std::int64_t index) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= N) {
        ThrowIndexOutOfRange(index, N);
    }
    return table[static_cast<std::size_t>(index)];
}

constexpr bool HasLeapMonth(std::int32_t info) {
    return info >= 4095;
}
constexpr int MonthCount(std::int32_t info) {
    return HasLeapMonth(info) ? 13 : 12;
}
// The month the leap month follows, 0 when there is none.
constexpr int LeapMonthAfter(std::int32_t info) {
    return info >> 16;
}
// Position 1 is the first month of the year, position MonthCount the last.
constexpr int MonthLength(std::int32_t info, int position) {
    return 29 + ((info >> (MonthCount(info) - position)) & 1);
}
constexpr int YearLength(std::int32_t info) {
    int days = 0;
    for (int position = 1; position <= MonthCount(info); ++position) {
        days += MonthLength(info, position);
    }
    return days;
}

}  // namespace lunar
