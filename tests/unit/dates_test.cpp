#include "platform/dates.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/clock.h"
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
    EXPECT_EQ(platform::FormatDate(may9, "yyyy mm dd m/d"), "2021 05 09 5/9");
    EXPECT_EQ(platform::LongDate(2024y / December / 31d), "2024年12月31日");
    EXPECT_EQ(platform::FormatDate(year{987} / January / 2d, "yyyy-mm-dd"), "0987-01-02");
}

TEST(DateText, BuiltWithBlanksAndReadOnlyWhenTheDateExists) {
    EXPECT_EQ(platform::DateText(5, 9, 2021), " 5/ 9/ 2021");
    EXPECT_EQ(platform::ParseDateText("05/09/2021"), 2021y / May / 9d);  // leading zeros
    const struct {
        int month, day, year;
        bool exists;
    } cases[] = {{2, 29, 2024, true},  {2, 29, 2023, false},  {2, 29, 1900, false},
                 {2, 29, 2000, true},  {4, 31, 2024, false},  {13, 1, 2024, false},
                 {0, 1, 2024, false},  {1, 0, 2024, false},   {1, 32, 2024, false},
                 {12, 31, 2024, true}, {-1, 1, 2024, false},  {1, 1, 1, true},
                 {1, 1, 0, false},     {1, 271, 2024, false}, {257, 1, 2024, false},
                 {12, 31, 9999, true}, {1, 1, 10000, false}};
    for (const auto& c : cases) {
        const std::string text = platform::DateText(c.month, c.day, c.year);
        EXPECT_EQ(platform::IsDate(text), c.exists) << text;
        if (c.exists) {
            EXPECT_EQ(platform::MakeDate(c.year, c.month, c.day), year{c.year} / c.month / c.day);
        } else {
            EXPECT_TRUE(FailsAsNotADate([&] { platform::MakeDate(c.year, c.month, c.day); }));
        }
    }
    for (const char* bad : {"", "   ", "garbage", "5/9", "5/9/2021/1", "5//2021", "a/9/2021",
                            "0:/9/2021", "5/9/2021x", "5-9-2021", "1/1/002021"}) {
        EXPECT_FALSE(platform::IsDate(bad)) << bad;
        EXPECT_TRUE(FailsAsNotADate([&] { platform::ParseDateText(bad); })) << bad;
    }
}

TEST(LongDateReading, AcceptsOnlyExistingDates) {
    EXPECT_EQ(platform::ParseLongDate("2021年05月09日"), 2021y / May / 9d);
    for (const char* bad :
         {"", "2023年2月29日", "2021年13月1日", "2021年5月0日", "2021年5月9", "2021-05-09",
          "农历辛丑年(牛)三月廿八", "2021年5月9日x", "年月日", "-2021年5月9日"}) {
        EXPECT_TRUE(FailsAsNotADate([&] { platform::ParseLongDate(bad); })) << bad;
    }
    EXPECT_EQ(platform::ParseIsoDate("2027-01-04"), 2027y / January / 4d);
    EXPECT_FALSE(platform::ParseIsoDate("2027-02-30")->ok());  // the form, but no day
    for (const char* bad : {"+027-01-04", "2027-1-04 ", "2027/01/04", "2027-01-4", "2027-0a-04",
                            "2027-01-045", "-2027-01-0"}) {
        EXPECT_FALSE(platform::ParseIsoDate(bad)) << bad;
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

// Local time is within a day of UTC in every zone.
TEST(SystemClock, GivesTodaysLocalDateAndTimeOfDay) {
    const platform::LocalDateTime now = platform::SystemClock().Now();
    ASSERT_TRUE(now.Date.ok());
    const auto offset = sys_days{now.Date} - floor<days>(system_clock::now());
    EXPECT_LE(std::abs(offset.count()), 1);
    EXPECT_TRUE(now.TimeOfDay >= seconds{0} && now.TimeOfDay < days{1});
}

#ifndef _WIN32
// A new time zone counts once the clock is told to read it again (the C library keeps the
// zone it read first).
TEST(SystemClock, ReadsTheZoneAgainWhenTold) {
    const platform::SystemClock clock;
    const auto at = [&clock](const char* zone) {
        ::setenv("TZ", zone, 1);
        clock.ReloadZone();
        const platform::LocalDateTime now = clock.Now();
        return sys_days{now.Date} + now.TimeOfDay;
    };
    const auto utc = at("UTC0");
    const auto ahead = at("AHEAD-14");
    ::unsetenv("TZ");
    clock.ReloadZone();
    EXPECT_NEAR(duration<double>(ahead - utc - hours{14}).count(), 0, 5);
}
#endif

}  // namespace
