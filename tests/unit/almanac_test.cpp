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

// Every day the notices of 2007-2026 could name, against the reference table (each day in it
// once, under the notice that names it): its status and name, and nothing on the other days.
TEST(HolidaySchedule, BuiltInAgreesWithTheReferenceOnEveryDayOf2007To2026) {
    std::ifstream file(LUNADESK_HOLIDAYS);
    std::map<sys_days, std::string> reference;
    std::string line, name, status;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        int y = 0, m = 0, d = 0;
        char dash = 0;
        if (line[0] != '#' && fields >> y >> dash >> m >> dash >> d >> name >> status) {
            reference[year{y} / m / d] = status + name;
        }
    }
    ASSERT_GT(reference.size(), 650u);
    const lunar::HolidaySchedule& schedule = lunar::HolidaySchedule::BuiltIn();
    int wrong = 0;
    for (sys_days day = 2006y / 12 / 1; day <= sys_days{2027y / 1 / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const lunar::Holiday got =
            schedule.On(static_cast<int>(ymd.year()), static_cast<int>(unsigned{ymd.month()}),
                        static_cast<int>(unsigned{ymd.day()}));
        const std::string said = (got.Status == lunar::DayStatus::None  ? ""
                                  : got.Status == lunar::DayStatus::Off ? "休"
                                                                        : "班") +
                                 std::string(got.Name);
        if (said != (reference.contains(day) ? reference[day] : "") && ++wrong <= 5) {
            ADD_FAILURE() << static_cast<int>(ymd.year()) << '-' << unsigned{ymd.month()} << '-'
                          << unsigned{ymd.day()} << ": " << said;
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
    EXPECT_EQ(schedule.On(2026, 2, 30).Status, lunar::DayStatus::None);
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
        {{2024, 3, 12}, ""},     {{2024, 3, 21}, ""},      {{2024, 3, 3}, "九九"},  // 81, 90 days
    };
    for (const auto& [date, mark] : marks) {
        EXPECT_EQ(lunar::SeasonalMarkOn(date.y, date.m, date.d), mark)
            << date.y << '-' << date.m << '-' << date.d;
    }
    EXPECT_THROW(lunar::SeasonalMarkOn(2100, 1, 1), lunar::OutOfRange);
}

// The order of the parts, and the holiday's name in brackets only where no part says it. Also:
// every lunar festival, most on a term day; the day before a leap month (no eve); 除夕 on a 廿九
// and a 廿九 that is not the eve; leap months (no festival); the grid's first and last days; 冬至
// a second after midnight.
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
        {{1950, 3, 8}, "正月二十 妇女节"},
        {{1978, 3, 12}, "二月初四"},
        {{1979, 3, 12}, "二月十四 植树节"},
        {{1984, 9, 10}, "八月十五 中秋节"},
        {{1985, 9, 10}, "七月廿六 教师节"},
        {{2024, 2, 9}, "腊月三十 除夕"},
        {{2023, 6, 22}, "五月初五 端午节 休"},
        {{2033, 12, 21}, "冬月三十 冬至 一九"},
        {{2033, 12, 22}, "闰冬月初一"},
        {{1949, 10, 1}, "八月初十 国庆节"},
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
        {{2099, 12, 31}, "冬月二十"},
        {{1951, 12, 22}, "冬月廿四"},
        {{1951, 12, 23}, "冬月廿五 冬至 一九"},
    };
    for (const auto& [date, tip] : tips) {
        EXPECT_EQ(lunar::DayTip(date.y, date.m, date.d), tip)
            << date.y << '-' << date.m << '-' << date.d;
    }
}

// A cell's one line: the lunar festival, 除夕, the Gregorian festival, the term, the month on its
// first day, else the lunar day; never the seasonal mark or the schedule.
TEST(DayLine, TakesTheFirstPartInItsOrder) {
    const std::pair<Ymd, const char*> lines[] = {
        {{2026, 2, 17}, "春节"},   {{2020, 10, 1}, "中秋节"},  {{2025, 1, 28}, "除夕"},
        {{2026, 6, 21}, "父亲节"}, {{2000, 2, 19}, "元宵节"},  {{2025, 12, 21}, "冬至"},
        {{2025, 12, 20}, "冬月"},  {{2033, 12, 22}, "闰冬月"}, {{2026, 1, 8}, "二十"},
        {{2026, 5, 3}, "十七"},    {{2024, 2, 9}, "除夕"},
    };
    for (const auto& [date, line] : lines) {
        EXPECT_EQ(lunar::DayLine(
                      lunar::DayPartsOn(date.y, date.m, date.d, lunar::HolidaySchedule::BuiltIn())),
                  line)
            << date.y << '-' << date.m << '-' << date.d;
    }
}

}  // namespace
