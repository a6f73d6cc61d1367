// The holiday schedule the program ships, 三伏 and 数九, and how a day's tip joins its parts.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "lunar/lunar.h"

namespace {

using namespace std::chrono;

struct Ymd {
    int y, m, d;
};

std::string Said(const lunar::Holiday& holiday) {
    if (holiday.Status == lunar::DayStatus::None) {
        return holiday.Name.empty() ? "" : "名字不该有";
    }
    return std::string(holiday.Status == lunar::DayStatus::Off ? "休" : "班") + " " +
           std::string(holiday.Name);
}

// Every day the notices of 2007-2026 could name, against the reference table: the date's
// status and name from the latest notice that names it, and nothing on the other days.
TEST(HolidaySchedule, BuiltInAgreesWithTheReferenceOnEveryDayOf2007To2026) {
    std::ifstream file(LUNADESK_HOLIDAYS);
    std::map<sys_days, std::pair<int, std::string>> reference;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int y = 0, m = 0, d = 0, notice = 0;
        char dash = 0;
        std::string name, status;
        fields >> y >> dash >> m >> dash >> d >> name >> status >> notice;
        auto& latest = reference[year{y} / m / d];
        if (notice > latest.first) {
            latest = {notice, status + " " + name};
        }
    }
    ASSERT_GT(reference.size(), 650u);
    const lunar::HolidaySchedule& schedule = lunar::HolidaySchedule::BuiltIn();
    int wrong = 0;
    for (sys_days day = 2006y / 12 / 1; day <= sys_days{2027y / 1 / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const int y = static_cast<int>(ymd.year()), m = static_cast<int>(unsigned{ymd.month()}),
                  d = static_cast<int>(unsigned{ymd.day()});
        const auto found = reference.find(day);
        const std::string expected = found == reference.end() ? "" : found->second.second;
        const std::string got = Said(schedule.On(y, m, d));
        if (got != expected && ++wrong <= 5) {
            ADD_FAILURE() << y << '-' << m << '-' << d << ": " << got << " instead of " << expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    std::vector<int> years;
    for (int y = 2007; y <= 2026; ++y) {
        years.push_back(y);
    }
    EXPECT_EQ(schedule.NoticeYears(), years);
    EXPECT_TRUE(schedule.Knows(2007) && schedule.Knows(2026));
    EXPECT_FALSE(schedule.Knows(2006) || schedule.Knows(2027));
    EXPECT_EQ(Said(schedule.On(2026, 2, 30)), "");
}

// 初伏 on the third 庚 day from 夏至 (which counts itself), 中伏 ten days on, 末伏 on the first 庚
// day from 立秋; 一九 on 冬至, each nine nine days on; nothing on the days between.
TEST(SeasonalMarks, FuAndNinesBeginOnTheirFirstDayOnly) {
    const std::pair<Ymd, const char*> marks[] = {
        {{2021, 7, 11}, "初伏"}, {{2023, 7, 11}, "初伏"},  {{2024, 7, 15}, "初伏"},
        {{2025, 7, 20}, "初伏"}, {{2026, 7, 15}, "初伏"},  {{2012, 8, 7}, "末伏"},
        {{2014, 8, 7}, "末伏"},  {{2025, 7, 30}, "中伏"},  {{2025, 8, 9}, "末伏"},   // 10 days
        {{2026, 7, 25}, "中伏"}, {{2026, 8, 4}, ""},       {{2026, 8, 14}, "末伏"},  // 20 days
        {{2026, 7, 16}, ""},     {{2021, 7, 1}, ""},       {{2025, 12, 21}, "一九"},
        {{2025, 12, 20}, ""},    {{2025, 12, 30}, "二九"}, {{2026, 1, 8}, "三九"},
        {{2026, 3, 3}, "九九"},  {{2026, 3, 12}, ""},      {{2026, 1, 9}, ""},
        {{1922, 1, 1}, ""},      {{2099, 12, 21}, "一九"}, {{2026, 6, 21}, ""},
    };
    for (const auto& [date, mark] : marks) {
        EXPECT_EQ(lunar::SeasonalMarkOn(date.y, date.m, date.d), mark)
            << date.y << '-' << date.m << '-' << date.d;
    }
    EXPECT_THROW(lunar::SeasonalMarkOn(2100, 1, 1), lunar::OutOfRange);
}

// The order of the parts, and the holiday's name in brackets only where no part says it.
TEST(DayTip, JoinsLunarDayFestivalsTermMarkAndTheSchedule) {
    const std::pair<Ymd, const char*> tips[] = {
        {{2026, 1, 1}, "冬月十三 元旦 休"},
        {{2026, 1, 4}, "冬月十六 班（元旦）"},
        {{2026, 2, 14}, "腊月廿七 情人节 班（春节）"},
        {{2026, 2, 16}, "腊月廿九 除夕 休（春节）"},
        {{2026, 2, 17}, "正月初一 春节 休"},
        {{2026, 4, 5}, "二月十八 清明 休（清明节）"},
        {{2026, 6, 21}, "五月初七 父亲节 夏至 休（端午节）"},
        {{2020, 10, 1}, "八月十五 国庆节 中秋节 休（国庆节、中秋节）"},
        {{2025, 12, 21}, "冬月初二 冬至 一九"},
        {{2026, 1, 8}, "冬月二十 三九"},
        {{2026, 5, 10}, "三月廿四 母亲节"},
        {{2026, 5, 3}, "三月十七 休（劳动节）"},
        {{2015, 9, 3}, "七月廿一 休（抗日战争暨世界反法西斯战争胜利70周年纪念日）"},
        {{2018, 12, 29}, "冬月廿三 班（元旦）"},
        {{2006, 12, 31}, "冬月十二 二九 班（元旦）"},
        {{2026, 12, 24}, "冬月十六 平安夜"},
        {{2027, 12, 25}, "冬月廿八 圣诞节"},
        {{1922, 2, 14}, "正月十八 情人节 七九"},
        {{1949, 3, 8}, "二月初九"},
        {{1950, 3, 8}, "正月二十 妇女节"},
        {{1978, 3, 12}, "二月初四"},
        {{1979, 3, 12}, "二月十四 植树节"},
        {{1950, 5, 4}, "三月十八 青年节"},
        {{1950, 6, 1}, "四月十六 儿童节"},
        {{1940, 7, 1}, "五月廿六"},
        {{1941, 7, 1}, "六月初七 建党节"},
        {{1933, 8, 1}, "六月初十 建军节"},
        {{1984, 9, 10}, "八月十五 中秋节"},
        {{1985, 9, 10}, "七月廿六 教师节"},
        {{2027, 6, 20}, "五月十六 父亲节"},
    };
    for (const auto& [date, tip] : tips) {
        EXPECT_EQ(lunar::DayTip(date.y, date.m, date.d), tip)
            << date.y << '-' << date.m << '-' << date.d;
    }
}

}  // namespace
