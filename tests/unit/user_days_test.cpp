// Where the user's days fall, their counts and texts, and the reminders due on a day.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "lunar/user_days.h"
#include "lunar/user_reminders.h"

namespace {

using namespace std::chrono;
using lunar::UserCalendar;
using lunar::UserDay;
using lunar::UserDayKind;

UserDay Lunar(std::string name, UserDayKind kind, std::optional<int> year, int month, bool leap,
              int day, std::vector<int> remind = {}) {
    return {name, name, kind, UserCalendar::Lunar, year, month, leap, day, remind, {}};
}
UserDay Gregorian(std::string name, UserDayKind kind, std::optional<int> year, int month, int day,
                  std::vector<int> remind = {}) {
    return {name, name, kind, UserCalendar::Gregorian, year, month, false, day, remind, {}};
}

// Every text the index gives on a date, joined by " | ". Each day found there also falls there
// when asked of the day alone, in the year of its own calendar.
std::string TextsOn(const lunar::UserDayIndex& index, year_month_day date) {
    std::string texts;
    for (auto on : index.On(date)) {
        const UserDay& day = index.Days()[on.Index];
        texts += (texts.empty() ? "" : " | ") + lunar::UserDayText(day, on);
        const int year = day.Calendar == UserCalendar::Gregorian
                             ? int(date.year())
                             : lunar::ToLunarDate(int(date.year()), int(unsigned(date.month())),
                                                  int(unsigned(date.day())))
                                   .Year;
        on.Index = 0;
        EXPECT_EQ(lunar::UserDayIn(day, year), (lunar::UserDayOccurrence{date, on})) << day.Name;
    }
    return texts;
}

TEST(UserDays, FallOnTheirDatesWithCountsAndReasons) {
    const lunar::UserDayIndex index({
        Lunar("妈妈生日", UserDayKind::Birthday, 1963, 4, true, 15),
        Lunar("四月", UserDayKind::Yearly, std::nullopt, 4, false, 15),
        Lunar("外婆生日", UserDayKind::Birthday, std::nullopt, 2, false, 30),
        Lunar("除夕生日", UserDayKind::Birthday, 2000, 12, false, 30),
        Lunar("腊月生日", UserDayKind::Birthday, 1990, 12, false, 10),
        Lunar("闰四三十", UserDayKind::Anniversary, std::nullopt, 4, true, 30),
        Gregorian("小林生日", UserDayKind::Birthday, 2000, 2, 29),
        Gregorian("结婚纪念日", UserDayKind::Anniversary, 2015, 5, 20),
        Gregorian("体检", UserDayKind::Once, 2027, 1, 15),
        Lunar("农历一次", UserDayKind::Once, 2026, 3, false, 30),
        Gregorian("首年", UserDayKind::Anniversary, 2027, 5, 20),
    });
    const struct {
        year_month_day Date;
        std::string Texts;
    } cases[] = {
        // 2020 has 闰四月: the leap-month day falls there, the regular day once, in 四月.
        {2020y / 6 / 6, "妈妈生日（57周岁）"},
        {2020y / 5 / 7, "四月"},
        // 2026 has none: the leap day comes to 四月, beside the regular one, in file order.
        {2026y / 5 / 31, "妈妈生日（63周岁，当年无闰四月） | 四月"},
        // Day 30 of a 29-day month on its 廿九 (2026's 四月 too), both reasons in order.
        {2026y / 6 / 14, "闰四三十（当年无闰四月，本月无三十）"},
        {2026y / 4 / 16, "外婆生日（本月无三十）"},
        {2026y / 5 / 16, "农历一次"},
        // 除夕 on 腊月廿九 of lunar 2024, in January 2025; on 三十 in lunar 2023's February.
        {2025y / 1 / 28, "除夕生日（24周岁，本月无三十）"},
        {2024y / 2 / 9, "除夕生日（23周岁）"},
        // A 腊月 birthday in January counts the lunar year (lunar 2026), not the Gregorian one.
        {2027y / 1 / 17, "腊月生日（36周岁）"},
        {2026y / 1 / 28, "腊月生日（35周岁）"},
        // 29 February on the 28th of a common year, on its own day in a leap year.
        {2027y / 2 / 28, "小林生日（27周岁，当年无2月29日）"},
        {2028y / 2 / 28, ""},
        {2028y / 2 / 29, "小林生日（28周岁）"},
        {2026y / 5 / 20, "结婚纪念日（11周年）"},
        // The first year has no count; nothing before it; a one-off day only in its year.
        {2027y / 5 / 20, "妈妈生日（64周岁，当年无闰四月） | 四月 | 结婚纪念日（12周年） | 首年"},
        {2027y / 1 / 15, "体检"},
        {2028y / 1 / 15, ""},
        {2014y / 5 / 20, ""},
        {1999y / 2 / 15, ""},  // 除夕 of lunar 1998, before the birthday's year
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextsOn(index, c.Date), c.Texts)
            << int(c.Date.year()) << '-' << unsigned(c.Date.month()) << '-'
            << unsigned(c.Date.day());
    }
    EXPECT_EQ(index.TipSuffix(2026y / 5 / 31), " 妈妈生日（63周岁，当年无闰四月） 四月");
    // The next time each day falls is the first date from which the index lists it.
    for (const year_month_day from : {2026y / 12 / 7, 2025y / 1 / 28, 2027y / 2 / 28}) {
        for (std::size_t i = 0; i < index.Days().size(); ++i) {
            std::optional<year_month_day> first;
            for (sys_days d = from; !first && d < sys_days{from} + days{1000}; d += days{1}) {
                for (const auto& on : index.On(d)) {
                    first = on.Index == i ? std::optional{year_month_day{d}} : first;
                }
            }
            const auto next = lunar::NextUserDay(index.Days()[i], from);
            EXPECT_EQ(next ? std::optional{next->Date} : std::nullopt, first) << i;
        }
    }
    EXPECT_EQ(lunar::UserDayDateText(index.Days()[0]), "农历闰四月十五");
    EXPECT_EQ(lunar::UserDayDateText(index.Days()[7]), "5月20日");
    EXPECT_EQ(lunar::UserDayDateText(index.Days()[8]), "2027年1月15日");
    EXPECT_EQ(lunar::UserDayDateText(index.Days()[9]), "农历2026年三月三十");
}

// Every day of the tables converts back from its lunar date; every yearly lunar day falls exactly
// once in each lunar year, on the date the rules give: never lost or doubled at the new year.
TEST(UserDays, LunarDatesConvertBackAndYearlyDaysFallOncePerLunarYear) {
    const lunar::UserDayIndex index({
        Lunar("a", UserDayKind::Yearly, std::nullopt, 12, false, 30),
        Lunar("b", UserDayKind::Yearly, std::nullopt, 4, true, 30),
        Lunar("c", UserDayKind::Yearly, std::nullopt, 1, false, 1),
        Lunar("d", UserDayKind::Yearly, std::nullopt, 6, false, 15),
    });
    std::map<std::pair<std::size_t, int>, int> seen;
    for (sys_days day = 1921y / 2 / 8; day <= sys_days{2100y / 2 / 8}; day += days{1}) {
        const year_month_day date{day};
        const lunar::LunarDate at = lunar::ToLunarDate(
            int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
        ASSERT_EQ(lunar::FromLunarDate(at.Year, at.Month, at.Day), date);
        for (const auto& on : index.On(date)) {
            const UserDay& user = index.Days()[on.Index];
            ++seen[{on.Index, at.Year}];
            const int leap = lunar::LeapMonthOfLunarYear(at.Year);
            const int month = user.Leap && leap == user.Month ? -user.Month : user.Month;
            const bool has30 = lunar::FromLunarDate(at.Year, month, 30).has_value();
            EXPECT_EQ(at.Month, month) << user.Name << at.Year;
            EXPECT_EQ(at.Day, user.Day == 30 && !has30 ? 29 : user.Day) << user.Name << at.Year;
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        for (int y = 1921; y <= 2099; ++y) {
            EXPECT_EQ((seen[{i, y}]), 1) << i << ' ' << y;
        }
    }
    EXPECT_FALSE(lunar::FromLunarDate(2026, -4, 1));  // no 闰四月
    EXPECT_FALSE(lunar::FromLunarDate(2026, 4, 30));
    EXPECT_FALSE(lunar::FromLunarDate(2100, 1, 1));
    EXPECT_EQ(lunar::LeapMonthOfLunarYear(2100), -1);
}

TEST(UserReminders, DueDaysAndTheirBalloon) {
    const lunar::UserDayIndex index({
        Gregorian("结婚纪念日", UserDayKind::Anniversary, 2014, 12, 7, {0, 3}),
        Gregorian("明日", UserDayKind::Yearly, std::nullopt, 12, 8, {1}),
        Gregorian("三天", UserDayKind::Yearly, std::nullopt, 12, 10, {3}),
        Gregorian("错过", UserDayKind::Yearly, std::nullopt, 12, 5, {0}),
        Gregorian("太早", UserDayKind::Yearly, std::nullopt, 11, 29, {0}),
        Gregorian("七天前", UserDayKind::Yearly, std::nullopt, 11, 30, {0}),
        Gregorian("远", UserDayKind::Yearly, std::nullopt, 12, 20, {10}),
        Gregorian("未提醒", UserDayKind::Yearly, std::nullopt, 12, 9, {}),
    });
    const year_month_day today = 2026y / 12 / 7;
    auto text = [&](std::optional<year_month_day> through) {
        return lunar::ReminderBalloonFor(index, lunar::DueReminders(index, today, through), today)
            .Text;
    };
    // Started normally: only today's reminders.
    EXPECT_EQ(text(2026y / 12 / 6),
              "今天：结婚纪念日（12周年）\n明天：明日\n3天后（12月10日）：三天");
    EXPECT_EQ(text(std::nullopt), text(2026y / 12 / 6));
    EXPECT_EQ(text(2027y / 1 / 1), text(2026y / 12 / 6));  // a clock set back
    EXPECT_EQ(text(today), "");
    // Missed for two days: 12-5 (due then) is past; 12-7's 3-day reminder was due on 12-4.
    EXPECT_EQ(
        text(2026y / 12 / 3),
        "12月5日（已过）：错过\n今天：结婚纪念日（12周年）\n明天：明日\n3天后（12月10日）：三天");
    // A month away: only the last seven days count.
    EXPECT_EQ(text(2026y / 11 / 1), "11月30日（已过）：七天前\n" + text(2026y / 12 / 3));
    EXPECT_EQ(lunar::ReminderBalloonFor(index, {}, today).Title, "日历提醒");
}

TEST(UserReminders, BalloonKeepsWholeLinesWithin255Units) {
    // Lines of 43 characters: five and the count of the rest fit in 255, six would not.
    const std::string name = std::string(33, 'x') + "名字很长的一天";
    const lunar::UserDayIndex index(
        std::vector<UserDay>(12, Gregorian(name, UserDayKind::Yearly, std::nullopt, 12, 7, {0})));
    const year_month_day today = 2026y / 12 / 7;
    const std::string line = "今天：" + name + "\n";
    EXPECT_EQ(
        lunar::ReminderBalloonFor(index, lunar::DueReminders(index, today, std::nullopt), today)
            .Text,
        line + line + line + line + line + "……另有7项");
}

}  // namespace
