// The lunar calendar engine: Gregorian date to Chinese lunar date, and its one-line caption.
// Pure functions over constant tables; no state, no I/O, nothing else of the program.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "lunar/holidays.h"

namespace lunar {

// A date or an index the tables do not cover. Carries the classic "subscript out of range"
// number so that callers can tell it from "not a date", which is raised elsewhere.
class OutOfRange : public std::out_of_range {
  public:
    static constexpr int Code = 9;
    using std::out_of_range::out_of_range;
    int Number() const noexcept { return Code; }
};

struct LunarDate {
    int Year;   // 1921-2099, the Gregorian year of its first day
    int Month;  // 1-12; a leap month is the negative of the month it follows
    int Day;    // 1-30; 0 only for 1921-02-07, negative before that

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// Valid Gregorian year, month (1-12) and day in, lunar date out. Fails with OutOfRange for
// a month outside 1-12 and for any day after 2100-02-08, the last day the tables describe.
// Days before 1921-02-08 are not rejected here: they come back as day 0 (1921-02-07) or a
// negative day of 1921's first month, counted by the Gregorian rules (1900 has no 29
// February), which LunarCaption then refuses (or shows as "*").
LunarDate ToLunarDate(int year, int month, int day);

// "农历辛丑年(牛)三月廿八": year as stem and branch, zodiac animal, month (闰 for a leap
// month), day. UTF-8. Fails with OutOfRange for a month of 0 or outside -12..12, and for a
// day outside 0-30 (day 0 shows as "*").
std::string LunarCaption(const LunarDate& date);

// "农历三月廿八": the caption without the year, for naming a day. Fails where LunarCaption does.
std::string LunarDayCaption(const LunarDate& date);

// The solar term ("小寒", "大寒", "立春" ... "冬至") whose moment falls on that day in China
// Standard Time (UTC+8), or "" on the other days. Fails with OutOfRange for a day outside
// 1921-2100 and for a date that does not exist.
std::string_view SolarTermOn(int year, int month, int day);

// The almanac of a day: each part empty (or None) when the day has none.
struct DayParts {
    LunarDate Lunar;
    std::string_view GregorianFestival;  // "元旦" ... "圣诞节", "母亲节", "父亲节"
    std::string_view LunarFestival;      // "春节" ... "小年"; never in a leap month
    bool NewYearsEve = false;            // the last day of the lunar year, "除夕"
    std::string_view SolarTerm;          // as SolarTermOn
    std::string_view SeasonalMark;  // "初伏", "中伏", "末伏", "一九" ... "九九" on its first day
    Holiday Scheduled;              // 休 or 班 from the schedule
};

// The parts of a day of the years the month grid offers (1922-2099), with the schedule's
// status. Fails with OutOfRange for a day outside those years and for a date that does not
// exist. Views into the schedule stay valid while it is not changed.
DayParts DayPartsOn(int year, int month, int day, const HolidaySchedule& schedule);

// A day's pointer tip in UTF-8: the lunar month and day as the caption writes them ("闰四月廿九"),
// then, each after one space, the Gregorian festival, the lunar festival, "除夕", the solar term,
// the 三伏/数九 mark, and "休" or "班" with the holiday's name in full-width brackets unless a
// part before already says it: "腊月廿九 除夕 休（春节）". Fails as DayPartsOn does.
std::string DayTip(const DayParts& parts);
// The one short line a day's cell shows under its number: the lunar festival, else "除夕", else
// the Gregorian festival, else the solar term, else on the first of a lunar month that month
// ("冬月", "闰四月"), else the lunar day ("廿九"). Fails with OutOfRange for a day the lunar
// tables cannot name.
std::string DayLine(const DayParts& parts);
// The tip with the built-in schedule, or with the given one.
std::string DayTip(int year, int month, int day);
std::string DayTip(int year, int month, int day, const HolidaySchedule& schedule);

// The weekday as the date lines write it: 1 "星期日" ... 7 "星期六", anything else "星期六".
std::string WeekdayName(int weekday);
// A day as a screen reader names it: "2026年12月7日 星期一 农历十月廿九" (without the lunar date
// where the tables end). The date must exist.
std::string FullDayName(int year, int month, int day);

// The first day of 初伏, 中伏, 末伏 and of each nine of 数九, or "" on the other days. Fails with
// OutOfRange for a day outside 1922-2099 and for a date that does not exist.
std::string_view SeasonalMarkOn(int year, int month, int day);

}  // namespace lunar
