// The 我的日子 window's logic: the rows' order and texts, the form's choices and checks, and the
// editing session over a file in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "days_window/day_id.h"
#include "days_window/days_session.h"
#include "lunar/user_reminders.h"
#include "tests/unit/memory_user_files.h"

namespace {

using namespace std::chrono;
using namespace days_window;
using lunar::UserCalendar;
using lunar::UserDay;
using lunar::UserDayKind;
constexpr year_month_day kToday = 2026y / 12 / 7;  // lunar 十月廿九
constexpr auto L = UserCalendar::Lunar;
constexpr auto G = UserCalendar::Gregorian;

UserDay Day(std::string name, UserDayKind kind, UserCalendar calendar, std::optional<int> year,
            int month, int day, bool leap = false) {
    return {name + "-id", name, kind, calendar, year, month, leap, day, {}, {}};
}

TEST(DaysWindow, RowsSoonestFirstTiesInFileOrderPastOnceLast) {
    const std::vector<UserDay> days = {
        Day("旧事", UserDayKind::Once, G, 2026, 11, 1),
        Day("妈妈生日", UserDayKind::Birthday, L, 1963, 4, 15, true),  // 2027 has no 闰四月
        Day("腊八", UserDayKind::Yearly, L, {}, 12, 8),                // lunar 2026, in 2027
        Day("乙", UserDayKind::Yearly, G, {}, 12, 10),
        Day("甲", UserDayKind::Anniversary, L, 2020, 11, 2),  // also 2026-12-10
        Day("体检", UserDayKind::Once, G, 2026, 12, 7),
        Day("远", UserDayKind::Once, G, 2028, 1, 11),
        Day("明", UserDayKind::Yearly, G, {}, 12, 8),
    };
    const std::vector<DayRow> expected = {
        {5, "体检 · 2026年12月7日 · 今天"},
        {7, "明 · 12月8日 · 明天"},
        {3, "乙 · 12月10日 · 3天后（12月10日）"},
        {4, "甲 · 农历冬月初二 · 3天后（12月10日）"},
        {2, "腊八 · 农历腊月初八 · 39天后（1月15日）"},
        {1, "妈妈生日 · 农历闰四月十五 · 164天后（5月20日）"},
        {6, "远 · 2028年1月11日 · 400天后（2028年1月11日）"},
        {0, "旧事 · 2026年11月1日 · 已过"},
    };
    EXPECT_EQ(DayRows(days, kToday), expected);
    // A year or more away the date says its year, before or after.
    const std::pair<year_month_day, std::string> when[] = {
        {2027y / 12 / 6, "364天后（12月6日）"}, {2027y / 12 / 7, "365天后（2027年12月7日）"},
        {2026y / 12 / 6, "12月6日（已过）"},    {2025y / 12 / 7, "2025年12月7日（已过）"},
        {2025y / 12 / 8, "12月8日（已过）"},
    };
    for (const auto& [date, text] : when) {
        EXPECT_EQ(lunar::WhenFromToday(date, kToday), text);
    }
}

TEST(DaysWindow, ANewDayStartsOnTheSelectedLunarDate) {
    const auto leapDay = *lunar::FromLunarDate(2020, -4, 15);
    const struct {
        year_month_day Selected;
        int Month, Day;
        bool Leap;
    } cases[] = {{kToday, 10, 29, false}, {leapDay, 4, 15, true}, {2100y / 3 / 1, 1, 1, false}};
    for (const auto& c : cases) {
        const DayForm form = NewDayForm(c.Selected, "x");
        const DayForm expected{"x", "", UserDayKind::Birthday, L, {}, c.Month, c.Leap, c.Day, {0},
                               {},  {}};
        EXPECT_EQ(form, expected) << c.Month;
    }
}

TEST(DaysWindow, LeapMonthOfferedOnlyWhereTheYearHasIt) {
    DayForm form = NewDayForm(kToday, "x");
    SetMonth(form, 4);
    EXPECT_TRUE(LeapAvailable(form));  // no year: any month
    SetLeap(form, true);
    SetDay(form, 15);
    SetYear(form, 1963);
    EXPECT_TRUE(form.Leap);
    EXPECT_EQ(DayChoices(form).size(), 29u);  // 1963's 闰四月
    EXPECT_EQ(OtherCalendarDate(form), "即公历1963年6月6日");
    EXPECT_EQ(YearLabel(form), "农历年");
    SetYear(form, 2023);  // 闰二月 only
    EXPECT_FALSE(form.Leap || LeapAvailable(form));
    SetLeap(form, true);
    EXPECT_FALSE(form.Leap);
    SetYear(form, 1963);
    SetLeap(form, true);
    SetMonth(form, 5);
    EXPECT_FALSE(form.Leap);
    SetMonth(form, 4);
    SetLeap(form, true);
    // To 公历 and back: the same day in the other calendar.
    SetCalendar(form, G);
    EXPECT_EQ(std::tie(*form.Year, form.Month, form.Day, form.Leap),
              std::make_tuple(1963, 6, 6, false));
    EXPECT_EQ(OtherCalendarDate(form), "即农历1963年闰四月十五");
    EXPECT_EQ(YearLabel(form), "年");
    SetCalendar(form, L);
    EXPECT_EQ(std::tie(*form.Year, form.Month, form.Day, form.Leap),
              std::make_tuple(1963, 4, 15, true));
    SetMonth(form, 12);
    SetDay(form, 6);
    SetLeap(form, true);
    EXPECT_EQ(OtherCalendarDate(form), "即公历1964年1月20日");
    // Without a year the numbers stay, as far as the month has them.
    SetYear(form, std::nullopt);
    SetMonth(form, 2);
    SetDay(form, 30);
    SetCalendar(form, G);
    EXPECT_EQ(std::tie(form.Month, form.Day), std::make_tuple(2, 29));
    EXPECT_EQ(OtherCalendarDate(form), "");
    SetMonth(form, 1);
    SetDay(form, 31);
    SetCalendar(form, L);
    EXPECT_EQ(std::tie(form.Month, form.Day), std::make_tuple(1, 30));
}

TEST(DaysWindow, ListsFollowTheCalendarAndTheMonthsRealLength) {
    const struct {
        UserCalendar Calendar;
        std::optional<int> Year;
        int Month;
        std::size_t Days;
        std::string Last, FirstMonth, LastMonth;
    } cases[] = {
        {L, 2026, 12, 29, "廿九", "正月", "腊月"}, {L, 2026, 11, 30, "三十", "正月", "腊月"},
        {L, {}, 12, 30, "三十", "正月", "腊月"},   {G, 2027, 2, 28, "28", "1月", "12月"},
        {G, 2028, 2, 29, "29", "1月", "12月"},     {G, {}, 2, 29, "29", "1月", "12月"},
        {G, 2027, 4, 30, "30", "1月", "12月"},
    };
    for (const auto& c : cases) {
        DayForm form{"x", "n", UserDayKind::Yearly, c.Calendar, {}, c.Month, false, 1, {}, {}, {}};
        SetDay(form, 31);
        SetYear(form, c.Year);
        const auto days = DayChoices(form), months = MonthChoices(form);
        EXPECT_EQ(std::make_tuple(days.size(), days.back(), months.front(), months.back(),
                                  static_cast<std::size_t>(form.Day)),
                  std::make_tuple(c.Days, c.Last, c.FirstMonth, c.LastMonth, c.Days))
            << c.Month;
    }
    EXPECT_EQ(YearChoices().size(), 201u);
    EXPECT_EQ(YearChoices()[YearChoice(FormOf(Day("a", UserDayKind::Yearly, G, 1963, 1, 1)))],
              "1963");
    EXPECT_EQ(
        std::make_tuple(YearOfChoice(0), YearOfChoice(1), YearOfChoice(200), YearOfChoice(201)),
        std::make_tuple(std::nullopt, 1900, 2099, std::nullopt));
}

TEST(DaysWindow, CheckGivesTheDayOrItsFirstFault) {
    const std::string name40 = [] {
        std::string s;
        for (int i = 0; i < 40; ++i)
            s += "字";
        return s;
    }();
    const struct {
        std::function<void(DayForm&)> Change;
        std::string Fault;
    } cases[] = {
        {[](DayForm&) {}, ""},
        {[&](DayForm& f) { f.Name = " \xE3\x80\x80" + name40 + " "; }, ""},
        {[](DayForm& f) { f.Name = " \xE3\x80\x80 "; }, "名称不能为空"},
        {[&](DayForm& f) { f.Name = name40 + "x"; }, "名称不能超过40个字"},
        {[](DayForm& f) { f.Name = "a\tb"; }, "名称不能含有控制字符"},
        {[](DayForm& f) { f.Kind = UserDayKind::Once; }, "仅一次的日子须填年份"},
        {[](DayForm& f) { f.Kind = UserDayKind::Once, f.Year = 2026, f.Day = 30; },
         "日期不存在（农历2026年腊月无三十）"},
        {[](DayForm& f) { f.Year = 2023, f.Leap = true; }, "日期不存在（农历2023年无闰腊月）"},
        {[](DayForm& f) { f.Calendar = G, f.Year = 2027, f.Month = 2, f.Day = 29; },
         "日期不存在（2027-02-29）"},
        {[](DayForm& f) {
             for (int b : {1, 3, 7, 14})
                 SetRemind(f, b, true);
         },
         ""},
        {[](DayForm& f) {
             for (int b : {0, 1, 3, 7, 14})
                 SetRemind(f, b, true);
         },
         "提醒至多选4项"},
        {[](DayForm& f) { SetNote(f, std::string(201, 'x')); }, "备注不能超过200个字"},
    };
    for (const auto& c : cases) {
        DayForm form = FormOf(Day("名", UserDayKind::Birthday, L, {}, 12, 8));
        form.OtherRemind = {14};
        c.Change(form);
        const FormCheck check = CheckForm(form);
        EXPECT_EQ(check.Fault, c.Fault);
        EXPECT_EQ(check.Day.has_value(), c.Fault.empty()) << c.Fault;
    }
}

TEST(DaysWindow, ADayFromTheFileComesBackUnchangedWithEveryReminder) {
    UserDay day = Day("妈妈生日", UserDayKind::Birthday, L, 1963, 4, 30, true);  // 29 days
    day.Remind = {3, 14, 0};
    day.Note = "";
    DayForm form = FormOf(day);
    EXPECT_EQ(CheckForm(form).Day, day);
    EXPECT_EQ(DayChoices(form).back(), "三十");
    const std::vector<RemindChoice> choices = {{0, "当天", true},
                                               {1, "提前1天", false},
                                               {3, "提前3天", true},
                                               {7, "提前7天", false},
                                               {14, "提前14天", true}};
    EXPECT_EQ(RemindChoices(form), choices);
    SetRemind(form, 14, false);
    SetRemind(form, 21, true);  // not offered
    SetNote(form, "");
    day.Remind = {3, 0};
    day.Note.reset();
    EXPECT_EQ(CheckForm(form).Day, day);
    const std::string a = NewDayId(), b = NewDayId();
    std::string shape = a;
    std::replace_if(shape.begin(), shape.end(), ::isxdigit, 'x');
    EXPECT_EQ(shape + a[14], "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx4");
    EXPECT_NE(a, b);
}

class DaysSessionTest : public ::testing::Test {
  protected:
    static constexpr const char* kPath = "/u/days.json";
    DaysSession Open() {
        return DaysSession(files, "/u", kToday, 2026y / 12 / 10,
                           [this](const std::vector<UserDay>& days) { written.push_back(days); });
    }
    std::vector<std::string> FileNames() {
        std::vector<std::string> names;
        for (const auto& day : user_files::ParseDaysFile(files.files[kPath]).File.Days) {
            names.push_back(day.Day.Name);
        }
        return names;
    }
    void Add(DaysSession& session, const std::string& name) {
        ASSERT_TRUE(session.New());
        session.Form().Name = name;
        ASSERT_TRUE(session.Save()) << session.Status();
    }
    tests::MemoryFiles files;
    std::vector<std::vector<UserDay>> written;
};

TEST_F(DaysSessionTest, AddChangeRemoveAndBringBack) {
    DaysSession session = Open();
    EXPECT_EQ(std::tie(session.Form().Month, session.Form().Day), std::make_tuple(11, 2));
    DayForm& form = session.Form();
    form.Name = "妈妈生日";
    SetYear(form, 1963), SetMonth(form, 4), SetLeap(form, true), SetDay(form, 15);
    EXPECT_TRUE(session.Changed());
    ASSERT_TRUE(session.Save()) << session.Status();
    EXPECT_EQ(session.Status(), "已保存“妈妈生日”");
    EXPECT_EQ(session.Rows(),
              std::vector<DayRow>({{0, "妈妈生日 · 农历闰四月十五 · 164天后（5月20日）"}}));
    EXPECT_EQ(std::make_tuple(session.SelectedRow(), session.Changed(), written.size()),
              std::make_tuple(std::optional<std::size_t>(0), false, 1u));
    const std::string id = session.Form().Id;
    SetCalendar(session.Form(), G);
    ASSERT_TRUE(session.Save());
    EXPECT_EQ(user_files::ParseDaysFile(files.files[kPath]).File.Days[0].Day,
              (UserDay{id, "妈妈生日", UserDayKind::Birthday, G, 1963, 6, false, 6, {0}, {}}));
    Add(session, "乙");
    Add(session, "丙");
    ASSERT_TRUE(session.SelectRow(0));  // 乙, in the middle of the file
    EXPECT_EQ(session.Form().Name, "乙");
    ASSERT_TRUE(session.Remove());
    EXPECT_EQ(
        std::make_tuple(session.Status(), FileNames(), session.Form().Name, session.CanUndo()),
        std::make_tuple("已删除“乙”", std::vector<std::string>{"妈妈生日", "丙"}, "丙", true));
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(
        std::make_tuple(session.Status(), FileNames(), session.Form().Name, session.CanUndo()),
        std::make_tuple("已恢复“乙”", std::vector<std::string>{"妈妈生日", "乙", "丙"}, "乙",
                        false));
    EXPECT_EQ(written.size(), 6u);
    EXPECT_EQ(written.back().size(), 3u);
}

TEST_F(DaysSessionTest, LeavingAChangedInvalidFormStaysAndSaysWhy) {
    DaysSession session = Open();
    Add(session, "甲");
    ASSERT_TRUE(session.New());
    SetMonth(session.Form(), 3);
    const std::string before = files.files[kPath];
    for (auto leave : {&DaysSession::New, &DaysSession::Close}) {
        EXPECT_FALSE((session.*leave)());
        EXPECT_EQ(session.Status(), "名称不能为空");
    }
    EXPECT_FALSE(session.SelectRow(0));
    session.Form().Kind = UserDayKind::Once;
    session.Form().Name = "乙";
    EXPECT_FALSE(session.SelectRow(0));
    EXPECT_EQ(session.Status(), "仅一次的日子须填年份");
    EXPECT_EQ(files.files[kPath], before);
    session.Form().Kind = UserDayKind::Yearly;
    EXPECT_TRUE(session.SelectRow(0));  // saved on the way
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"甲", "乙"}));
    EXPECT_EQ(session.Form().Name, "甲");
}

TEST_F(DaysSessionTest, TheThousandAndFirstDayIsRefused) {
    std::string days;
    for (int i = 0; i < 1000; ++i) {
        days += (i ? ", " : "") + std::string(R"({"id": "d)") + std::to_string(i) +
                R"(", "name": "n", "kind": "yearly", "calendar": "lunar", "month": 1, "day": 1})";
    }
    files.files[kPath] = "{\"days\": [" + days + "]}";
    DaysSession session = Open();
    session.Form().Name = "多";
    EXPECT_FALSE(session.Save());
    EXPECT_EQ(session.Status(), "最多可记1000个日子");
    session.Form().Name = "";
    ASSERT_TRUE(session.SelectRow(0) && session.Remove());
    ASSERT_TRUE(session.New());
    session.Form().Name = "多";
    ASSERT_TRUE(session.Save());
    EXPECT_FALSE(session.Undo());  // the removed one no longer fits
    EXPECT_EQ(session.Status(), "最多可记1000个日子");
}

TEST_F(DaysSessionTest, AFaultyFileIsMovedAsideOnlyWhenAskedAndNeverWrittenOver) {
    const std::string broken = R"({"days": [{"id": "a"}]})";
    files.files[kPath] = broken;
    files.files["/u/days.broken-20261207-091305.json"] = "older";
    DaysSession session = Open();
    const std::string fault = "days.json：第1项：“name”应为1到40个字符";
    EXPECT_EQ(session.Status(), fault);
    session.Form().Name = "甲";
    EXPECT_FALSE(session.Save() || session.Remove());
    EXPECT_TRUE(session.Close());
    EXPECT_EQ(std::make_tuple(session.Status(), files.files.size(), written.size()),
              std::make_tuple(fault, 2u, 0u));
    // The name taken already: nothing moves, nothing is lost.
    EXPECT_FALSE(session.MoveFaultyFileAside({kToday, hours{9} + minutes{13} + seconds{5}}));
    EXPECT_EQ(files.files[kPath], broken);
    ASSERT_TRUE(session.MoveFaultyFileAside({kToday, hours{19} + minutes{3} + seconds{5}}));
    EXPECT_EQ(session.Status(),
              "有误的文件已改名为days.broken-20261207-190305.json，现从空列表开始");
    EXPECT_EQ(std::make_tuple(files.files.count(kPath),
                              files.files["/u/days.broken-20261207-190305.json"],
                              session.Fault().has_value(), written.size()),
              std::make_tuple(0u, broken, false, 1u));
    Add(session, "甲");
    EXPECT_EQ(FileNames(), std::vector<std::string>{"甲"});
}

}  // namespace
