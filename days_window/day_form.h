// The form of one day in the 我的日子 window: its fields as the window shows them, the choices
// each list offers, how a choice changes the others, and the day it makes or why not.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "lunar/user_days.h"

namespace days_window {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2099;

struct DayForm {
    std::string Id;  // kept from the file; a new day's is made for it
    std::string Name;
    lunar::UserDayKind Kind = lunar::UserDayKind::Birthday;
    lunar::UserCalendar Calendar = lunar::UserCalendar::Lunar;
    std::optional<int> Year;  // nullopt: 不记年份
    int Month = 1;
    bool Leap = false;
    int Day = 1;
    std::vector<int> Remind{0};  // ticked, in the day's own order
    // Reminders besides 当天, 提前1天, 3天 and 7天 that the day came with: offered as well, so that
    // opening a day loses none of them.
    std::vector<int> OtherRemind;
    std::optional<std::string> Note;
    bool operator==(const DayForm&) const = default;
};

// A new birthday on the lunar month and day of the calendar's selected date, no year, reminded
// of on the day.
DayForm NewDayForm(const std::chrono::year_month_day& selected, std::string id);
DayForm FormOf(const lunar::UserDay& day);

// The day the form makes, or its first fault in words for the status line.
struct FormCheck {
    std::optional<lunar::UserDay> Day;
    std::string Fault;
};
FormCheck CheckForm(const DayForm& form);

// The lists, in the order of the values they choose: kinds and calendars as the enums, years
// "不记年份" then 1900-2099, months from 1, days from 1.
std::vector<std::string> KindChoices();
std::vector<std::string> CalendarChoices();
std::vector<std::string> YearChoices();
std::size_t YearChoice(const DayForm& form);
std::optional<int> YearOfChoice(std::size_t choice);
std::string YearLabel(const DayForm& form);  // "农历年", "年"
std::vector<std::string> MonthChoices(const DayForm& form);
// As many days as the month has where the year is known; never fewer than the day shown.
std::vector<std::string> DayChoices(const DayForm& form);
// Whether 闰月 can be ticked: the year has that leap month, or no year is given.
bool LeapAvailable(const DayForm& form);
// The date in the other calendar once it is whole: "即公历1964年1月20日", "即农历1963年闰四月十五";
// empty otherwise.
std::string OtherCalendarDate(const DayForm& form);

struct RemindChoice {
    int Before = 0;    // days before the day
    std::string Text;  // "当天", "提前1天"
    bool Ticked = false;
    bool operator==(const RemindChoice&) const = default;
};
std::vector<RemindChoice> RemindChoices(const DayForm& form);

// Choices that affect other fields: a leap month the new year or month lacks is unticked, a day
// the month lacks becomes its last day, and a calendar switch shows the same day in the other
// calendar where the year is known.
void SetYear(DayForm& form, std::optional<int> year);
void SetMonth(DayForm& form, int month);
void SetLeap(DayForm& form, bool leap);
void SetDay(DayForm& form, int day);
void SetCalendar(DayForm& form, lunar::UserCalendar calendar);
void SetRemind(DayForm& form, int before, bool ticked);
void SetNote(DayForm& form, const std::string& note);

}  // namespace days_window
