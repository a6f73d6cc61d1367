#include "platform/dates.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace {

using namespace std::chrono;
using platform::Date;

bool FailsAsNotADate(auto&& f) {
    try {
        f();
    } catch (const platform::Error& e) {
        return e.Code() == platform::ErrorCode::TypeMismatch;
    }
    return false;
}

TEST(DateFormatting, PatternsAndTheLongDate) {
    const Date may9 = 2021y / May / 9d;
    EXPECT_EQ(platform::FormatDate(may9, "yyyy"), "2021");
    EXPECT_EQ(platform::FormatDate(may9, "mm"), "05");
    EXPECT_EQ(platform::FormatDate(may9, "dd"), "09");
    EXPECT_EQ(platform::FormatDate(may9, "yyyy年m月d日"), "2021年5月9日");
    EXPECT_EQ(platform::LongDate(may9), "2021年5月9日");
    EXPECT_EQ(platform::LongDate(2024y / December / 31d), "2024年12月31日");
    EXPECT_EQ(platform::FormatDate(year{987} / January / 2d, "yyyy-mm-dd"), "0987-01-02");
}

TEST(Weekdays, CountFromSunday) {
    EXPECT_EQ(platform::Weekday(2026y / March / 1d), 1);   // Sunday
    EXPECT_EQ(platform::Weekday(2024y / March / 15d), 6);  // Friday
    EXPECT_EQ(platform::Weekday(2026y / February / 28d), 7);
    EXPECT_EQ(platform::Weekday(1900y / March / 1d), 5);  // century years are not leap years
    EXPECT_EQ(platform::Weekday(2000y / February / 29d), 3);
}

TEST(DateText, BuiltWithBlanksAndReadBack) {
    EXPECT_EQ(platform::DateText(5, 9, 2021), " 5/ 9/ 2021");
    EXPECT_EQ(platform::ParseDateText(" 5/ 9/ 2021"), 2021y / May / 9d);
    EXPECT_EQ(platform::ParseDateText("12/31/2099"), 2099y / December / 31d);
    EXPECT_EQ(platform::ParseDateText("05/09/2021"), 2021y / May / 9d);  // leading zeros
    EXPECT_TRUE(platform::IsDate(platform::DateText(2, 29, 2024)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(2, 29, 2023)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(2, 29, 1900)));
    EXPECT_TRUE(platform::IsDate(platform::DateText(2, 29, 2000)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(4, 31, 2024)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(13, 1, 2024)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(0, 1, 2024)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(1, 0, 2024)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(1, 32, 2024)));
    EXPECT_FALSE(platform::IsDate(platform::DateText(-1, 1, 2024)));
    for (const char* bad : {"", "   ", "garbage", "5/9", "5/9/2021/1", "5//2021", "a/9/2021",
                            "5/9/2021x", "5-9-2021", "99999999/1/2021", "1/1/0"}) {
        EXPECT_FALSE(platform::IsDate(bad)) << bad;
        EXPECT_TRUE(FailsAsNotADate([&] { platform::ParseDateText(bad); })) << bad;
    }
}

TEST(LongDateReading, AcceptsOnlyExistingDates) {
    EXPECT_EQ(platform::ParseLongDate("2021年5月9日"), 2021y / May / 9d);
    EXPECT_EQ(platform::ParseLongDate("2021年05月09日"), 2021y / May / 9d);
    EXPECT_EQ(platform::ParseLongDate("2024年2月29日"), 2024y / February / 29d);
    for (const char* bad :
         {"", "2023年2月29日", "2021年13月1日", "2021年4月31日", "2021年5月0日", "2021年5月9",
          "2021-05-09", "农历辛丑年(牛)三月廿八", "2021年5月9日x", "年月日", "-2021年5月9日"}) {
        EXPECT_TRUE(FailsAsNotADate([&] { platform::ParseLongDate(bad); })) << bad;
    }
}

TEST(LongDateReading, RoundTripsEveryDayTheCalendarCanShow) {
    for (sys_days d = sys_days{1921y / February / 7d}; d <= sys_days{2100y / February / 8d};
         d += days{1}) {
        const Date date{d};
        ASSERT_EQ(platform::ParseLongDate(platform::LongDate(date)), date);
        const auto text = platform::DateText(static_cast<int>(static_cast<unsigned>(date.month())),
                                             static_cast<int>(static_cast<unsigned>(date.day())),
                                             static_cast<int>(date.year()));
        ASSERT_EQ(platform::ParseDateText(text), date);
    }
}

TEST(MakeDate, RefusesDaysAMonthLacks) {
    EXPECT_EQ(platform::MakeDate(2024, 2, 29), 2024y / February / 29d);
    EXPECT_TRUE(FailsAsNotADate([] { platform::MakeDate(2023, 2, 29); }));
    EXPECT_TRUE(FailsAsNotADate([] { platform::MakeDate(2023, 0, 1); }));
    EXPECT_TRUE(FailsAsNotADate([] { platform::MakeDate(2023, 1, 300); }));
}

}  // namespace
