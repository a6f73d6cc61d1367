#include "lunar/lunar_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <numeric>
#include <string>

namespace {

using namespace std::chrono;

// Decoded here from the layout alone, independently of the engine's own helpers.
int Months(std::int32_t info) {
    return info < 4095 ? 12 : 13;
}
int Days(std::int32_t info) {
    return 29 * Months(info) + std::popcount(unsigned(info) & 0x1FFFu);
}

TEST(LunarYearInfo, ChecksOnTheTranscription) {
    const auto& table = lunar::LunarYearInfo;
    ASSERT_EQ(table.size(), 179u);
    EXPECT_EQ(std::accumulate(table.begin(), table.end(), 0LL), 22'917'915);
    EXPECT_EQ(std::count_if(table.begin(), table.end(), [](auto v) { return Months(v) == 13; }),
              66);
    long long total = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::int32_t info = table[i];
        const int leapAfter = info >> 16;
        SCOPED_TRACE(testing::Message() << "year " << 1921 + i);
        EXPECT_EQ(info & 0xE000, 0);
        EXPECT_LT(info, 1 << 20);
        if (Months(info) == 12) {
            EXPECT_EQ(leapAfter, 0);
            EXPECT_LE(info, 0xEA5);
            EXPECT_GE(Days(info), 353);
            EXPECT_LE(Days(info), 355);
        } else {
            EXPECT_GE(leapAfter, 1);
            EXPECT_LE(leapAfter, 12);
            EXPECT_GE(info, 0x2092F);
            EXPECT_GE(Days(info), 383);
            EXPECT_LE(Days(info), 385);
        }
        EXPECT_EQ(lunar::YearLength(info), Days(info));
        EXPECT_EQ(lunar::DaysBeforeLunarYear[i], total);
        total += Days(info);
    }
    EXPECT_EQ(Days(table.front()), 354);
    EXPECT_EQ(Days(table.back()), 384);
    EXPECT_EQ(lunar::LeapMonthAfter(table[112]), 11);  // 2033: 闰冬月
    // The last day the tables describe is 2100-02-08.
    EXPECT_EQ(total, 65'380);
    EXPECT_EQ(lunar::DaysBeforeLunarYear.back(), total);
    EXPECT_EQ(sys_days{1921y / 2 / 8} + days{total - 1}, sys_days{2100y / 2 / 8});
}

TEST(DaysBeforeMonth, MatchesACommonYear) {
    for (unsigned m = 1; m <= 12; ++m) {
        EXPECT_EQ(lunar::DaysBeforeMonth[m - 1],
                  (sys_days{2021y / month{m} / 1} - sys_days{2021y / 1 / 1}).count());
    }
}

std::string Joined(const auto& table, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < table.size(); ++i) {
        text += table[i];
    }
    return text;
}

TEST(NameTables, HoldExactlyTheNames) {
    EXPECT_EQ(Joined(lunar::HeavenlyStems), "甲乙丙丁戊己庚辛壬癸");
    EXPECT_EQ(Joined(lunar::EarthlyBranches), "子丑寅卯辰巳午未申酉戌亥");
    EXPECT_EQ(Joined(lunar::ZodiacAnimals), "鼠牛虎兔龙蛇马羊猴鸡狗猪");
    EXPECT_EQ(Joined(lunar::LunarMonthNames, 1), "正二三四五六七八九十冬腊");
    EXPECT_EQ(Joined(lunar::WeekdayNames, 1), "星期日星期一星期二星期三星期四星期五星期六");
    // One character each, so the joined text cannot hide a misplaced split.
    const auto oneCharacterEach = [](const auto& table, std::size_t from) {
        return std::all_of(table.begin() + from, table.end(),
                           [](std::string_view name) { return name.size() == 3; });
    };
    EXPECT_TRUE(oneCharacterEach(lunar::HeavenlyStems, 0));
    EXPECT_TRUE(oneCharacterEach(lunar::EarthlyBranches, 0));
    EXPECT_TRUE(oneCharacterEach(lunar::ZodiacAnimals, 0));
    EXPECT_TRUE(oneCharacterEach(lunar::LunarMonthNames, 1));
}

TEST(NameTables, DayNamesFollowTheCountingRule) {
    const std::string_view digits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    const std::string_view tens[] = {"初", "十", "廿"};
    ASSERT_EQ(lunar::LunarDayNames.size(), 31u);
    for (int day = 1; day <= 30; ++day) {
        std::string expected;
        if (day == 20) {
            expected = "二十";
        } else if (day == 30) {
            expected = "三十";
        } else {
            expected.append(tens[(day - 1) / 10]).append(digits[(day - 1) % 10]);
        }
        EXPECT_EQ(lunar::LunarDayNames[day], expected) << day;
    }
}

TEST(NameTables, SlotZeroIsAPlaceholderOnly) {
    EXPECT_EQ(lunar::LunarMonthNames[0], "*");
    EXPECT_EQ(lunar::LunarDayNames[0], "*");
    EXPECT_EQ(lunar::WeekdayNames[0], " * ");
    EXPECT_EQ(Joined(lunar::LunarMonthNames, 1).find('*'), std::string::npos);
    EXPECT_EQ(Joined(lunar::LunarDayNames, 1).find('*'), std::string::npos);
    EXPECT_EQ(Joined(lunar::WeekdayNames, 1).find_first_of("* "), std::string::npos);
}

TEST(TableAt, ReadsInsideAndRefusesOutside) {
    EXPECT_EQ(lunar::TableAt(lunar::WeekdayNames, 1), "星期日");
    EXPECT_EQ(lunar::TableAt(lunar::LunarYearInfo, 178), 0x21B25);
    for (std::int64_t index : {std::int64_t{-1}, std::int64_t{8}, std::int64_t{INT64_MIN}}) {
        try {
            lunar::TableAt(lunar::WeekdayNames, index);
            ADD_FAILURE() << index;
        } catch (const lunar::OutOfRange& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }
}

}  // namespace
