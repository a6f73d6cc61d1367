// The name tables. The year table is checked month by month against the published
// calendar, and the tables' bounds by the refused captions, in lunar_test.cpp.
#include "lunar/lunar_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Joined(const auto& table, std::size_t from, std::size_t characters) {
    std::string text;
    for (std::size_t i = from; i < table.size(); ++i) {
        EXPECT_EQ(table[i].size(), 3 * characters) << table[i];  // no misplaced split
        text += table[i];
    }
    return text;
}

TEST(NameTables, HoldExactlyTheNamesAfterAPlaceholder) {
    EXPECT_EQ(Joined(lunar::HeavenlyStems, 0, 1), "甲乙丙丁戊己庚辛壬癸");
    EXPECT_EQ(Joined(lunar::EarthlyBranches, 0, 1), "子丑寅卯辰巳午未申酉戌亥");
    EXPECT_EQ(Joined(lunar::ZodiacAnimals, 0, 1), "鼠牛虎兔龙蛇马羊猴鸡狗猪");
    EXPECT_EQ(Joined(lunar::LunarMonthNames, 1, 1), "正二三四五六七八九十冬腊");
    EXPECT_EQ(Joined(lunar::WeekdayNames, 1, 3), "星期日星期一星期二星期三星期四星期五星期六");
    EXPECT_EQ(Joined(lunar::LunarDayNames, 1, 2),
              "初一初二初三初四初五初六初七初八初九初十十一十二十三十四十五十六十七十八十九二十"
              "廿一廿二廿三廿四廿五廿六廿七廿八廿九三十");
    EXPECT_EQ(lunar::LunarMonthNames[0], "*");
    EXPECT_EQ(lunar::LunarDayNames[0], "*");
    EXPECT_EQ(lunar::WeekdayNames[0], " * ");
}

}  // namespace
