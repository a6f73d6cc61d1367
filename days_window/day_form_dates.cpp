// The date fields of the form: what each list offers and how one choice moves the others.
#include <algorithm>
#include <cstdlib>

#include "days_window/day_form.h"

namespace days_window {

namespace {

using namespace std::chrono;
using lunar::UserCalendar;

// The Gregorian days the lunar tables describe.
bool InLunarTables(const year_month_day& date) {
    return date.ok() && date >= 1921y / 2 / 8 && date <= 2100y / 2 / 8;
}

bool InYearChoices(int year) {
    return year >= kFirstYear && year <= kLastYear;
}

year_month_day GregorianDate(int year, int month, int day) {
    return year_month_day{std::chrono::year{year}, std::chrono::month(unsigned(month)),
                          std::chrono::day(unsigned(day))};
}

std::optional<year_month_day> LunarToGregorian(const DayForm& form) {
    return form.Year
               ? lunar::FromLunarDate(*form.Year, form.Leap ? -form.Month : form.Month, form.Day)
               : std::nullopt;
}

std::optional<lunar::LunarDate> GregorianToLunar(const DayForm& form) {
    if (!form.Year) {
        return std::nullopt;
    }
    const year_month_day date = GregorianDate(*form.Year, form.Month, form.Day);
    return InLunarTables(date) ? std::optional(lunar::ToLunarDate(*form.Year, form.Month, form.Day))
                               : std::nullopt;
}

// The days of the month shown: its real length where the year is known, else the most it has
// in any year (29 February falls on the 28th in common years).
int MonthLength(const DayForm& form) {
    switch (form.Calendar) {
        case UserCalendar::Lunar:
            if (!form.Year || lunar::LeapMonthOfLunarYear(*form.Year) < 0) {
                return 30;
            }
            return lunar::FromLunarDate(*form.Year, form.Leap ? -form.Month : form.Month, 30) ? 30
                                                                                              : 29;
        case UserCalendar::Gregorian:
            break;
    }
    const year_month_day_last last{std::chrono::year{form.Year.value_or(2000)},
                                   month_day_last{std::chrono::month(unsigned(form.Month))}};
    return static_cast<int>(unsigned{last.day()});
}

// After a change of year, month or leap month: no leap month the year lacks, no day the month
// lacks.
void Settle(DayForm& form) {
    form.Leap = form.Leap && LeapAvailable(form);
    form.Day = std::clamp(form.Day, 1, MonthLength(form));
}

}  // namespace

std::vector<std::string> KindChoices() {
    return {"生日", "纪念日", "每年", "仅一次"};
}

std::vector<std::string> CalendarChoices() {
    return {"农历", "公历"};
}

std::vector<std::string> YearChoices() {
    std::vector<std::string> years{"不记年份"};
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        years.push_back(std::to_string(year));
    }
    return years;
}

std::size_t YearChoice(const DayForm& form) {
    return form.Year ? static_cast<std::size_t>(*form.Year - kFirstYear + 1) : 0;
}

std::optional<int> YearOfChoice(std::size_t choice) {
    const int year = kFirstYear - 1 + static_cast<int>(choice);
    return choice > 0 && InYearChoices(year) ? std::optional(year) : std::nullopt;
}

std::string YearLabel(const DayForm& form) {
    return form.Calendar == UserCalendar::Lunar ? "农历年" : "年";
}

std::vector<std::string> MonthChoices(const DayForm& form) {
    std::vector<std::string> months;
    for (int month = 1; month <= 12; ++month) {
        months.push_back(form.Calendar == UserCalendar::Lunar ? lunar::LunarMonthName(month, false)
                                                              : std::to_string(month) + "月");
    }
    return months;
}

std::vector<std::string> DayChoices(const DayForm& form) {
    std::vector<std::string> days;
    const int count = std::max(MonthLength(form), form.Day);
    for (int day = 1; day <= count; ++day) {
        days.push_back(form.Calendar == UserCalendar::Lunar ? lunar::LunarDayName(day)
                                                            : std::to_string(day));
    }
    return days;
}

bool LeapAvailable(const DayForm& form) {
    if (form.Calendar != UserCalendar::Lunar) {
        return false;
    }
    // Years before the tables cannot be checked, and the file takes any leap month for them.
    const int leapMonth = form.Year ? lunar::LeapMonthOfLunarYear(*form.Year) : -1;
    return leapMonth < 0 || leapMonth == form.Month;
}

std::string OtherCalendarDate(const DayForm& form) {
    switch (form.Calendar) {
        case UserCalendar::Lunar: {
            const auto date = LunarToGregorian(form);
            return date ? "即公历" + std::to_string(int{date->year()}) + "年" +
                              std::to_string(unsigned{date->month()}) + "月" +
                              std::to_string(unsigned{date->day()}) + "日"
                        : "";
        }
        case UserCalendar::Gregorian: {
            const auto date = GregorianToLunar(form);
            return date ? "即农历" + std::to_string(date->Year) + "年" +
                              lunar::LunarMonthName(std::abs(date->Month), date->Month < 0) +
                              lunar::LunarDayName(date->Day)
                        : "";
        }
    }
    return "";
}

void SetYear(DayForm& form, std::optional<int> year) {
    form.Year = year && InYearChoices(*year) ? year : std::nullopt;
    Settle(form);
}

void SetMonth(DayForm& form, int month) {
    form.Month = std::clamp(month, 1, 12);
    Settle(form);
}

void SetLeap(DayForm& form, bool leap) {
    form.Leap = leap;
    Settle(form);
}

void SetDay(DayForm& form, int day) {
    form.Day = std::clamp(day, 1, std::max(MonthLength(form), form.Day));
}

void SetCalendar(DayForm& form, UserCalendar calendar) {
    if (form.Calendar == calendar) {
        return;
    }
    switch (calendar) {
        case UserCalendar::Gregorian:
            if (const auto date = LunarToGregorian(form);
                date && InYearChoices(int{date->year()})) {
                form.Year = int{date->year()};
                form.Month = static_cast<int>(unsigned{date->month()});
                form.Day = static_cast<int>(unsigned{date->day()});
            }
            break;
        case UserCalendar::Lunar:
            if (const auto date = GregorianToLunar(form); date && InYearChoices(date->Year)) {
                form.Year = date->Year;
                form.Month = std::abs(date->Month);
                form.Leap = date->Month < 0;
                form.Day = date->Day;
            }
            break;
    }
    // Without a year (or beyond the tables) the numbers stay, as far as the month has them.
    form.Calendar = calendar;
    Settle(form);
}

}  // namespace days_window
