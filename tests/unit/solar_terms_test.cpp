#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "lunar/lunar.h"

namespace {

using namespace std::chrono;

struct Ymd {
    int y, m, d;
};

Ymd Split(year_month_day date) {
    return {static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
            static_cast<int>(unsigned{date.day()})};
}

// The independent reference: "yyyy-mm-dd <tab> name <tab> moment" for every term 1921-2100.
std::map<sys_days, std::string> ReadReference() {
    std::ifstream file(LUNADESK_TESTDATA "/solar_terms.tsv");
    std::map<sys_days, std::string> terms;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int y = 0, m = 0, d = 0;
        char dash1 = 0, dash2 = 0;
        std::string name;
        fields >> y >> dash1 >> m >> dash2 >> d >> name;
        EXPECT_TRUE(fields && dash1 == '-' && dash2 == '-') << line;
        terms[year{y} / m / d] = name;
    }
    return terms;
}

TEST(SolarTerms, EveryDayOf1921To2100AgreesWithTheReference) {
    const std::map<sys_days, std::string> reference = ReadReference();
    ASSERT_EQ(reference.size(), 4320u);
    int wrongDays = 0;
    for (sys_days day = 1921y / 1 / 1; day <= sys_days{2100y / 12 / 31}; day += days{1}) {
        const auto [y, m, d] = Split(year_month_day{day});
        const auto found = reference.find(day);
        const std::string expected = found == reference.end() ? "" : found->second;
        if (lunar::SolarTermOn(y, m, d) != expected && ++wrongDays <= 5) {
            ADD_FAILURE() << y << '-' << m << '-' << d << ": " << lunar::SolarTermOn(y, m, d)
                          << " instead of " << expected;
        }
    }
    EXPECT_EQ(wrongDays, 0);
}

// Rows: ordinary days; every lunar festival, most on a term day; the day before a leap month (no
// eve); 除夕 on a 廿九 and a 廿九 that is not the eve; the Gregorian festivals' first years; leap
// months (no festival); the grid's first and last days; 冬至 a second after midnight.
TEST(DayTip, LunarDateThenFestivalsEveTermMarkAndSchedule) {
    const std::pair<Ymd, const char*> tips[] = {
        {{2021, 5, 9}, "三月廿八 母亲节"},
        {{2020, 10, 1}, "八月十五 国庆节 中秋节 休（国庆节、中秋节）"},
        {{2024, 2, 9}, "腊月三十 除夕"},
        {{2024, 2, 10}, "正月初一 春节 休"},
        {{2023, 6, 22}, "五月初五 端午节 休"},
        {{2026, 12, 7}, "十月廿九 大雪"},
        {{2033, 12, 21}, "冬月三十 冬至 一九"},
        {{2033, 12, 22}, "闰冬月初一"},
        {{1949, 10, 1}, "八月初十 国庆节"},
        {{1948, 10, 1}, "八月廿九"},
        {{1949, 5, 1}, "四月初四"},
        {{1950, 5, 1}, "三月十五 劳动节"},
        {{2025, 1, 28}, "腊月廿九 除夕 休（春节）"},
        {{2024, 2, 8}, "腊月廿九"},
        {{1932, 2, 5}, "腊月廿九 除夕 立春"},
        {{2055, 1, 20}, "腊月廿三 小年 大寒"},
        {{2050, 1, 1}, "腊月初八 元旦 腊八节"},
        {{2033, 10, 1}, "九月初九 国庆节 重阳节"},
        {{2000, 2, 19}, "正月十五 元宵节 雨水"},
        {{2026, 3, 20}, "二月初二 龙抬头 春分"},
        {{2008, 8, 7}, "七月初七 七夕 立秋"},
        {{2040, 8, 22}, "七月十五 中元节 处暑"},
        {{2023, 3, 23}, "闰二月初二"},
        {{2009, 6, 27}, "闰五月初五"},
        {{2006, 8, 30}, "闰七月初七"},
        {{1995, 10, 9}, "闰八月十五 寒露"},
        {{1922, 1, 1}, "腊月初四 元旦"},
        {{2099, 12, 31}, "冬月二十"},
        {{1951, 12, 22}, "冬月廿四"},
        {{1951, 12, 23}, "冬月廿五 冬至 一九"}};
    for (const auto& [date, tip] : tips) {
        EXPECT_EQ(lunar::DayTip(date.y, date.m, date.d), tip)
            << date.y << '-' << date.m << '-' << date.d;
    }
}

TEST(SolarTermsAndDayTip, FailOutOfRangeOutsideTheirYearsAndForDaysThatDoNotExist) {
    using Call = std::function<void(int, int, int)>;
    const Call term = [](int y, int m, int d) { lunar::SolarTermOn(y, m, d); };
    const Call tip = [](int y, int m, int d) { lunar::DayTip(y, m, d); };
    const std::pair<Call, Ymd> failing[] = {
        {term, {1920, 12, 31}}, {term, {2101, 1, 1}},  {term, {2100, 2, 29}}, {term, {2023, 2, 29}},
        {term, {2021, 4, 31}},  {term, {2021, 0, 10}}, {term, {2021, 13, 1}}, {term, {2021, 1, 0}},
        {tip, {1921, 12, 31}},  {tip, {2100, 1, 1}},   {tip, {2023, 2, 29}},  {tip, {2021, 13, 1}},
    };
    for (const auto& [call, date] : failing) {
        EXPECT_THROW(call(date.y, date.m, date.d), lunar::OutOfRange)
            << date.y << '-' << date.m << '-' << date.d;
    }
    EXPECT_EQ(lunar::SolarTermOn(1921, 1, 1), "");
    EXPECT_EQ(lunar::SolarTermOn(2100, 12, 31), "");
    EXPECT_EQ(lunar::DayTip(2000, 2, 29), "正月廿五");
}

}  // namespace
