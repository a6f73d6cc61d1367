// Gregorian date services: formatting with patterns, weekdays, the month/day/year
// date text and reading dates back from text. Exact Gregorian rules throughout.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

using Date = std::chrono::year_month_day;

// Builds a date; fails with TypeMismatch when it does not exist (2023-02-29).
Date MakeDate(int year, int month, int day);

// Formats with a pattern: "yyyy" four-digit year, "mm"/"dd" two digits,
// "m"/"d" without leading zero; every other character is copied as it stands.
std::string FormatDate(const Date& date, std::string_view pattern);

// The long date form, "yyyy年m月d日" on every locale so that reading it back never
// depends on the machine's regional settings.
inline constexpr std::string_view kLongDatePattern = "yyyy年m月d日";
std::string LongDate(const Date& date);

// The month (1 January ... 12 December) and the day of a date as plain numbers.
inline int MonthOf(const Date& date) {
    return static_cast<int>(static_cast<unsigned>(date.month()));
}
inline int DayOf(const Date& date) {
    return static_cast<int>(static_cast<unsigned>(date.day()));
}

// 1 = Sunday ... 7 = Saturday.
int Weekday(const Date& date);

// " 5/ 9/ 2021": month, day and year, each in the leading-blank number form.
std::string DateText(int month, int day, int year);

// Reads a month/day/year date text; TypeMismatch when it is no existing date.
Date ParseDateText(std::string_view text);

// True exactly for a month/day/year text that reads as an existing date.
bool IsDate(std::string_view text);

// Reads "2027-01-04" exactly: four digits, a dash, two, a dash, two; nullopt for any other
// text (a sign, a space, one digit too few). A text of that form that names no day gives a
// date that is not ok(), so that callers can say which of the two is wrong.
std::optional<Date> ParseIsoDate(std::string_view text);

// Reads "yyyy年m月d日" back; TypeMismatch for anything that is not an existing date.
Date ParseLongDate(std::string_view text);

}  // namespace platform
