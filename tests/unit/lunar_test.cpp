#include "lunar/lunar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace lunar {
void PrintTo(const LunarDate& date, std::ostream* os) {
    *os << '{' << date.Year << ", " << date.Month << ", " << date.Day << '}';
}
}  // namespace lunar

namespace {

using namespace std::chrono;
using lunar::LunarCaption;
using lunar::LunarDate;
using lunar::ToLunarDate;

LunarDate Lunar(year_month_day date) {
    return ToLunarDate(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                       static_cast<int>(unsigned{date.day()}));
}

bool FailsOutOfRange(auto&& f) {
    try {
        f();
    } catch (const lunar::OutOfRange& e) {
        return e.Number() == 9;
    }
    return false;
}

TEST(LunarConversion, WorkedExamplesAndTheirNeighbours) {
    const std::pair<year_month_day, const char*> examples[] = {
        {1921y / 2 / 8, "农历辛酉年(鸡)正月初一"},
        {1922y / 1 / 1, "农历辛酉年(鸡)腊月初四"},
        {2000y / 2 / 29, "农历庚辰年(龙)正月廿五"},
        {2000y / 3 / 1, "农历庚辰年(龙)正月廿六"},
        // 2020 has a leap month after the 4th; the month after it is still the 5th.
        {2020y / 5 / 22, "农历庚子年(鼠)四月三十"},
        {2020y / 5 / 23, "农历庚子年(鼠)闰四月初一"},
        {2020y / 6 / 21, "农历庚子年(鼠)五月初一"},
        {2021y / 2 / 11, "农历庚子年(鼠)腊月三十"},
        {2021y / 2 / 12, "农历辛丑年(牛)正月初一"},
        {2021y / 5 / 9, "农历辛丑年(牛)三月廿八"},
        // The year table entry for 2025 is the corrected one: the 3rd month has 30 days.
        {2025y / 4 / 27, "农历乙巳年(蛇)三月三十"},
        {2025y / 4 / 28, "农历乙巳年(蛇)四月初一"},
        {2033y / 12 / 22, "农历癸丑年(牛)闰冬月初一"},
        {2100y / 2 / 8, "农历己未年(羊)腊月三十"},
    };
    for (const auto& [date, caption] : examples) {
        EXPECT_EQ(LunarCaption(Lunar(date)), caption);
    }
    EXPECT_EQ(Lunar(2020y / 5 / 23), (LunarDate{2020, -4, 1}));
}

struct MonthRow {
    int year, month;
    sys_days firstDay;
    int days;
};

std::vector<MonthRow> ReadMonthTable() {
    std::ifstream file(LUNADESK_TESTDATA "/lunar_months.tsv");
    std::vector<MonthRow> rows;
    for (std::string line; std::getline(file, line);) {
        MonthRow row{};
        int y = 0, m = 0, d = 0;
        if (std::sscanf(line.c_str(), "%d %d %d-%d-%d %d", &row.year, &row.month, &y, &m, &d,
                        &row.days) == 6) {
            row.firstDay = year{y} / m / d;
            rows.push_back(row);
        }
    }
    return rows;
}

TEST(LunarConversion, AgreesWithEveryMonthOfThePublishedCalendar) {
    const std::vector<MonthRow> rows = ReadMonthTable();
    ASSERT_EQ(rows.size(), 2214u);  // 179 years, 66 of them with a leap month
    EXPECT_EQ(rows.front().firstDay, sys_days{1921y / 2 / 8});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MonthRow& row = rows[i];
        const sys_days lastDay = row.firstDay + days{row.days - 1};
        SCOPED_TRACE(testing::Message() << row.year << ' ' << row.month);
        EXPECT_EQ(Lunar(row.firstDay), (LunarDate{row.year, row.month, 1}));
        EXPECT_EQ(Lunar(lastDay), (LunarDate{row.year, row.month, row.days}));
        if (i + 1 < rows.size()) {
            const MonthRow& next = rows[i + 1];
            ASSERT_EQ(next.firstDay, lastDay + days{1});
            EXPECT_EQ(Lunar(next.firstDay), (LunarDate{next.year, next.month, 1}));
        } else {
            EXPECT_EQ(lastDay, sys_days{2100y / 2 / 8});
            EXPECT_TRUE(FailsOutOfRange([&] { Lunar(lastDay + days{1}); }));
        }
    }
}

TEST(LunarConversion, DaysBeforeTheTablesGiveNoDayName) {
    EXPECT_EQ(Lunar(1921y / 2 / 7), (LunarDate{1921, 1, 0}));
    EXPECT_EQ(LunarCaption(Lunar(1921y / 2 / 7)), "农历辛酉年(鸡)正月*");

    EXPECT_EQ(Lunar(1921y / 2 / 6), (LunarDate{1921, 1, -1}));
    EXPECT_EQ(Lunar(1920y / 3 / 1), (LunarDate{1921, 1, -343}));
    EXPECT_EQ(Lunar(1920y / 2 / 8), (LunarDate{1921, 1, -365}));
    EXPECT_EQ(Lunar(1917y / 2 / 8), (LunarDate{1921, 1, -1460}));
    // Century years are leap years only when divisible by 400.
    EXPECT_EQ(Lunar(1901y / 1 / 1), (LunarDate{1921, 1, -7342}));
    EXPECT_EQ(Lunar(1900y / 3 / 1), (LunarDate{1921, 1, -7648}));
    EXPECT_EQ(Lunar(1900y / 2 / 28), (LunarDate{1921, 1, -7649}));
    EXPECT_EQ(Lunar(1600y / 2 / 29), (LunarDate{1921, 1, -117221}));
    EXPECT_EQ(Lunar(1y / 1 / 1), (LunarDate{1921, 1, -701302}));
    EXPECT_TRUE(FailsOutOfRange([] { LunarCaption(Lunar(1921y / 2 / 6)); }));
    EXPECT_TRUE(FailsOutOfRange([] { LunarCaption(Lunar(1900y / 1 / 1)); }));
    EXPECT_TRUE(FailsOutOfRange([] { ToLunarDate(INT_MIN, 1, 1); }));  // beyond an int of days
}

TEST(LunarConversion, FailsAfterTheTablesAndForMonthsThatDoNotExist) {
    EXPECT_TRUE(FailsOutOfRange([] { Lunar(2100y / 3 / 1); }));
    EXPECT_TRUE(FailsOutOfRange([] { Lunar(2200y / 1 / 1); }));
    EXPECT_TRUE(FailsOutOfRange([] { ToLunarDate(INT_MAX, 12, 31); }));
    for (int month : {0, 13, -1, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(FailsOutOfRange([&] { ToLunarDate(2021, month, 1); })) << month;
    }
}

TEST(LunarCaption, RefusesDaysAndMonthsWithoutAName) {
    for (const LunarDate& date :
         {LunarDate{2021, 3, -1}, LunarDate{2021, 3, 31}, LunarDate{2021, 0, 1},
          LunarDate{2021, 13, 1}, LunarDate{2021, -13, 1}, LunarDate{2021, INT_MIN, 1}}) {
        EXPECT_TRUE(FailsOutOfRange([&] { LunarCaption(date); })) << date.Month << ' ' << date.Day;
    }
}

TEST(LunarCaption, YearNamesRepeatEverySixtyYears) {
    EXPECT_EQ(LunarCaption({1984, 1, 1}), "农历甲子年(鼠)正月初一");
    EXPECT_EQ(LunarCaption({2043, 1, 1}), "农历癸亥年(猪)正月初一");
    EXPECT_EQ(LunarCaption({2044, 1, 1}), "农历甲子年(鼠)正月初一");
    // Years outside the tables still get their cyclic name, also below year 4.
    EXPECT_EQ(LunarCaption({3, 1, 1}), "农历癸亥年(猪)正月初一");
    EXPECT_EQ(LunarCaption({-56, 1, 1}), "农历甲子年(鼠)正月初一");
}

}  // namespace
