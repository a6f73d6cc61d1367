#include <algorithm>
#include <array>
#include <chrono>
#include <iterator>
#include <string_view>

#include "lunar/lunar.h"
#include "lunar/lunar_internal.h"
#include "lunar/lunar_tables.h"

namespace lunar {

namespace {

// The years the month grid offers.
constexpr int kFirstTipYear = 1922;
constexpr int kLastTipYear = 2099;

struct Festival {
    int month;
    int day;
    int firstYear;  // the first year it was kept; 0 for always
    std::string_view name;
};

// In the order a tip lists them; no two share a day.
constexpr std::array<Festival, 13> GregorianFestivals = {{
    {1, 1, 0, "元旦"},
    {2, 14, 0, "情人节"},
    {3, 8, 1950, "妇女节"},
    {3, 12, 1979, "植树节"},
    {5, 1, 1950, "劳动节"},
    {5, 4, 1950, "青年节"},
    {6, 1, 1950, "儿童节"},
    {7, 1, 1941, "建党节"},
    {8, 1, 1933, "建军节"},
    {9, 10, 1985, "教师节"},
    {10, 1, 1949, "国庆节"},
    {12, 24, 0, "平安夜"},
    {12, 25, 0, "圣诞节"},
}};

// Months are ordinary (not leap) lunar months.
constexpr std::array<Festival, 10> LunarFestivals = {{
    {1, 1, 0, "春节"},
    {1, 15, 0, "元宵节"},
    {2, 2, 0, "龙抬头"},
    {5, 5, 0, "端午节"},
    {7, 7, 0, "七夕"},
    {7, 15, 0, "中元节"},
    {8, 15, 0, "中秋节"},
    {9, 9, 0, "重阳节"},
    {12, 8, 0, "腊八节"},
    {12, 23, 0, "小年"},
}};

template <std::size_t N>
std::string_view FestivalOn(const std::array<Festival, N>& festivals, int year, int month,
                            int day) {
    for (const Festival& festival : festivals) {
        if (festival.month == month && festival.day == day && year >= festival.firstYear) {
            return festival.name;
        }
    }
    return {};
}

// The day before 正月初一, whether the last month of the year has 29 or 30 days.
bool IsNewYearsEve(int year, int month, int day, const LunarDate& lunar) {
    if (lunar.Day < 29) {
        return false;
    }
    using namespace std::chrono;
    const year_month_day next{sys_days{std::chrono::year{year} / month / day} + days{1}};
    const LunarDate after =
        ToLunarDate(static_cast<int>(next.year()), static_cast<int>(unsigned{next.month()}),
                    static_cast<int>(unsigned{next.day()}));
    return after.Month == 1 && after.Day == 1;
}

// 母亲节 on the second Sunday of May, 父亲节 on the third Sunday of June.
std::string_view SundayFestivalOn(int year, int month, int day) {
    using namespace std::chrono;
    const auto sunday = [&](unsigned nth) {
        return year_month_day{std::chrono::year{year} / month / Sunday[nth]}.day() ==
               std::chrono::day(static_cast<unsigned>(day));
    };
    if (month == 5 && sunday(2)) {
        return "母亲节";
    }
    if (month == 6 && sunday(3)) {
        return "父亲节";
    }
    return {};
}

void AppendPart(std::string& tip, std::string_view part) {
    if (!part.empty()) {
        tip.append(" ").append(part);
    }
}

}  // namespace

DayParts DayPartsOn(int year, int month, int day, const HolidaySchedule& schedule) {
    RequireDate(year, month, day, kFirstTipYear, kLastTipYear);
    DayParts parts;
    parts.Lunar = ToLunarDate(year, month, day);
    parts.GregorianFestival = FestivalOn(GregorianFestivals, year, month, day);
    if (parts.GregorianFestival.empty()) {
        parts.GregorianFestival = SundayFestivalOn(year, month, day);
    }
    if (parts.Lunar.Month > 0) {
        parts.LunarFestival =
            FestivalOn(LunarFestivals, parts.Lunar.Year, parts.Lunar.Month, parts.Lunar.Day);
    }
    parts.NewYearsEve = IsNewYearsEve(year, month, day, parts.Lunar);
    parts.SolarTerm = SolarTermOn(year, month, day);
    parts.SeasonalMark = SeasonalMarkOn(year, month, day);
    parts.Scheduled = schedule.On(year, month, day);
    return parts;
}

std::string DayTip(const DayParts& parts) {
    std::string tip;
    AppendMonthAndDay(tip, parts.Lunar);
    const std::string_view named[] = {parts.GregorianFestival, parts.LunarFestival,
                                      parts.NewYearsEve ? "除夕" : "", parts.SolarTerm,
                                      parts.SeasonalMark};
    for (const std::string_view part : named) {
        AppendPart(tip, part);
    }
    if (parts.Scheduled.Status == DayStatus::None) {
        return tip;
    }
    AppendPart(tip, parts.Scheduled.Status == DayStatus::Off ? "休" : "班");
    if (std::find(std::begin(named), std::end(named), parts.Scheduled.Name) == std::end(named)) {
        tip.append("（").append(parts.Scheduled.Name).append("）");
    }
    return tip;
}

std::string DayLine(const DayParts& parts) {
    for (const std::string_view named :
         {parts.LunarFestival, std::string_view(parts.NewYearsEve ? "除夕" : ""),
          parts.GregorianFestival, parts.SolarTerm}) {
        if (!named.empty()) {
            return std::string(named);
        }
    }
    std::string line;
    if (parts.Lunar.Day == 1) {
        AppendMonth(line, parts.Lunar);
    } else {
        line = TableAt(LunarDayNames, parts.Lunar.Day);
    }
    return line;
}

std::string DayTip(int year, int month, int day, const HolidaySchedule& schedule) {
    return DayTip(DayPartsOn(year, month, day, schedule));
}

std::string DayTip(int year, int month, int day) {
    return DayTip(year, month, day, HolidaySchedule::BuiltIn());
}

}  // namespace lunar
