#include <array>
#include <chrono>
#include <string_view>

#include "lunar/lunar.h"
#include "lunar/lunar_internal.h"

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

constexpr std::array<Festival, 3> GregorianFestivals = {{
    {1, 1, 0, "元旦"},
    {5, 1, 1950, "劳动节"},
    {10, 1, 1949, "国庆节"},
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

void AppendPart(std::string& tip, std::string_view part) {
    if (!part.empty()) {
        tip.append(" ").append(part);
    }
}

}  // namespace

std::string DayTip(int year, int month, int day) {
    RequireDate(year, month, day, kFirstTipYear, kLastTipYear);
    const LunarDate lunar = ToLunarDate(year, month, day);
    std::string tip;
    AppendMonthAndDay(tip, lunar);
    AppendPart(tip, FestivalOn(GregorianFestivals, year, month, day));
    if (lunar.Month > 0) {
        AppendPart(tip, FestivalOn(LunarFestivals, lunar.Year, lunar.Month, lunar.Day));
    }
    if (IsNewYearsEve(year, month, day, lunar)) {
        AppendPart(tip, "除夕");
    }
    AppendPart(tip, SolarTermOn(year, month, day));
    return tip;
}

}  // namespace lunar
