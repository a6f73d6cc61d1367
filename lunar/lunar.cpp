#include "lunar/lunar.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>

#include "lunar/lunar_internal.h"
#include "lunar/lunar_tables.h"

namespace lunar {

namespace {

constexpr std::int64_t kLastDayNumber = 65380;  // 2100-02-08, 腊月三十 of lunar year 2099

constexpr std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
    return n / d - (n % d != 0 && n < 0);
}

constexpr std::int64_t LeapYearsBefore(std::int64_t year) {
    return FloorDiv(year - 1, 4) - FloorDiv(year - 1, 100) + FloorDiv(year - 1, 400);
}

constexpr bool IsLeapYear(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days counted from the table epoch: 1921-02-08 is day 1. By the Gregorian rules throughout,
// so that days before the tables count right too (1900 was no leap year). 64-bit so that no
// int year can overflow it.
std::int64_t DayNumber(int year, int month, int day) {
    constexpr std::int64_t kDayZero = FirstLunarYear * 365 + LeapYearsBefore(FirstLunarYear) + 38;
    const std::int64_t y = year;
    return y * 365 + LeapYearsBefore(y) + TableAt(DaysBeforeMonth, std::int64_t{month} - 1) +
           (month > 2 && IsLeapYear(y) ? 1 : 0) + day - kDayZero;
}

// The lunar year holding dayNumber (1 to kLastDayNumber). Lunar year i begins in Gregorian
// year FirstLunarYear + i, so a date of Gregorian year y lies in lunar year y or y - 1; the
// loops settle that and stay correct for any day the caller passes.
std::int64_t LunarYearIndex(std::int64_t dayNumber, int gregorianYear) {
    std::int64_t index = std::clamp<std::int64_t>(std::int64_t{gregorianYear} - FirstLunarYear, 0,
                                                  LunarYearCount - 1);
    while (dayNumber <= TableAt(DaysBeforeLunarYear, index)) {
        --index;
    }
    while (dayNumber > TableAt(DaysBeforeLunarYear, index + 1)) {
        ++index;
    }
    return index;
}

// Position 1-13 within the year maps to month 1-12, the leap month to minus the month it
// follows.
int MonthAtPosition(std::int32_t info, int position) {
    const int leapAfter = LeapMonthAfter(info);
    if (!HasLeapMonth(info) || position <= leapAfter) {
        return position;
    }
    return position == leapAfter + 1 ? -leapAfter : position - 1;
}

std::int64_t SexagenaryIndex(int year) {
    const std::int64_t s = (std::int64_t{year} - 4) % 60;
    return s < 0 ? s + 60 : s;
}

}  // namespace

LunarDate ToLunarDate(int year, int month, int day) {
    const std::int64_t dayNumber = DayNumber(year, month, day);
    if (dayNumber > kLastDayNumber) {
        throw OutOfRange("date after 2100-02-08, the last day of the lunar tables");
    }
    if (dayNumber <= 0) {
        // Before the first month of the tables: kept as a day 0 or below of that month.
        if (dayNumber < INT_MIN) {
            throw OutOfRange("date long before the lunar tables");
        }
        return {FirstLunarYear, 1, static_cast<int>(dayNumber)};
    }

    const std::int64_t index = LunarYearIndex(dayNumber, year);
    const std::int32_t info = TableAt(LunarYearInfo, index);
    int dayOfYear = static_cast<int>(dayNumber - TableAt(DaysBeforeLunarYear, index));
    int position = 1;
    for (int length = MonthLength(info, position); dayOfYear > length;
         length = MonthLength(info, ++position)) {
        dayOfYear -= length;
    }
    return {FirstLunarYear + static_cast<int>(index), MonthAtPosition(info, position), dayOfYear};
}

std::string LunarCaption(const LunarDate& date) {
    const std::int64_t s = SexagenaryIndex(date.Year);
    const std::string_view stem = TableAt(HeavenlyStems, s % 10);
    const std::string_view branch = TableAt(EarthlyBranches, s % 12);
    const std::string_view animal = TableAt(ZodiacAnimals, s % 12);

    // Longest caption: 农历 + 3 one-character names + 年 ( ) 闰 月 + a two-character day.
    constexpr std::size_t kLongestCaption = 6 + 3 * 3 + 3 + 1 + 1 + 3 + 3 + 3 + 6;
    std::string caption;
    caption.reserve(kLongestCaption);
    caption.append("农历").append(stem).append(branch).append("年(").append(animal).append(")");
    AppendMonthAndDay(caption, date);
    return caption;
}

std::string LunarDayCaption(const LunarDate& date) {
    std::string caption = "农历";
    AppendMonthAndDay(caption, date);
    return caption;
}

void AppendMonth(std::string& text, const LunarDate& date) {
    if (date.Month == 0) {
        throw OutOfRange("lunar month 0 does not exist");
    }
    const bool leap = date.Month < 0;
    const std::string_view month =
        TableAt(LunarMonthNames, leap ? -std::int64_t{date.Month} : date.Month);
    if (leap) {
        text.append("闰");
    }
    text.append(month).append("月");
}

void AppendMonthAndDay(std::string& text, const LunarDate& date) {
    const std::string_view day = TableAt(LunarDayNames, date.Day);
    AppendMonth(text, date);
    text.append(day);
}

}  // namespace lunar
