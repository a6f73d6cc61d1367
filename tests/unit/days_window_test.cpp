// The 我的日子 window's logic: the rows' order and texts, the form's choices and checks, and the
// editing session over a file in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <set>
#include <sstream>

#include "days_window/day_id.h"
#include "days_window/days_session.h"
#include "lunar/user_reminders.h"
#include "tests/unit/memory_user_files.h"

namespace {

using namespace std::chrono;
using namespace days_window;
using lunar::UserCalendar;
using lunar::UserDay;
using K = lunar::UserDayKind;
constexpr year_month_day kToday = 2026y / 12 / 7;  // lunar 十月廿九
constexpr auto L = UserCalendar::Lunar;
constexpr auto G = UserCalendar::Gregorian;

UserDay Day(std::string name, K kind, UserCalendar calendar, std::optional<int> year, int month,
            int day, bool leap = false) {
    return {name + "-id", name, kind, calendar, year, month, leap, day, {}, {}};
}

TEST(DaysWindow, RowsSoonestFirstTiesInFileOrderPastOnceLast) {
    const std::vector<UserDay> days = {
        Day("旧事", K::Once, G, 2026, 11, 1), Day("妈妈生日", K::Birthday, L, 1963, 4, 15, true),
        Day("腊八", K::Yearly, L, {}, 12, 8),  // lunar 2026's, in 2027
        Day("乙", K::Yearly, G, {}, 12, 10),  Day("甲", K::Anniversary, L, 2020, 11, 2),
        Day("体检", K::Once, G, 2026, 12, 7), Day("远", K::Once, G, 2028, 1, 11)};
    const std::vector<DayRow> expected = {
        {5, "体检 · 2026年12月7日 · 今天"},
        {3, "乙 · 12月10日 · 3天后（12月10日）"},
        {4, "甲 · 农历冬月初二 · 3天后（12月10日）"},  // the same date: in file order
        {2, "腊八 · 农历腊月初八 · 39天后（1月15日）"},
        {1, "妈妈生日 · 农历闰四月十五 · 164天后（5月20日）"},  // 2027 has no 闰四月
        {6, "远 · 2028年1月11日 · 400天后（2028年1月11日）"},
        {0, "旧事 · 2026年11月1日 · 已过"}};
    EXPECT_EQ(DayRows(days, kToday), expected);
    EXPECT_EQ(lunar::WhenFromToday(2027y / 12 / 6, kToday), "364天后（12月6日）");
}

// The date fields as the form shows them: year, leap mark, month/day, whether 闰月 can be
// ticked, how many days the list offers, the year's label and the other calendar's date.
std::string Shown(const DayForm& f) {
    return (f.Year ? std::to_string(*f.Year) : "-") + (f.Leap ? " 闰" : " ") +
           std::to_string(f.Month) + "/" + std::to_string(f.Day) +
           (LeapAvailable(f) ? " 可闰 " : " ") + std::to_string(DayChoices(f).size()) + " " +
           YearLabel(f) + OtherCalendarDate(f);
}

TEST(DaysWindow, ADateChosenLeapMonthOnlyWhereItExistsAndTheOtherCalendar) {
    EXPECT_EQ(Shown(NewDayForm(*lunar::FromLunarDate(2020, -4, 15), "x")),
              "- 闰4/15 可闰 30 农历年");
    EXPECT_EQ(Shown(NewDayForm(2100y / 3 / 1, "x")), "- 1/1 可闰 30 农历年");  // beyond the tables
    // Each line after the one before: y year (y0 none), m month, d day, l 闰, c1 公历, c0 农历.
    const std::pair<std::string, std::string> steps[] = {
        {"m4 l d15", "- 闰4/15 可闰 30 农历年"},
        {"y1963", "1963 闰4/15 可闰 29 农历年即公历1963年6月6日"},
        {"y2026", "2026 4/15 29 农历年即公历2026年5月31日"},  // no leap month
        {"l d1", "2026 4/1 29 农历年即公历2026年5月17日"},
        {"y2020 l m5", "2020 5/1 30 农历年即公历2020年6月21日"},
        {"m4 l d30", "2020 闰4/29 可闰 29 农历年即公历2020年6月20日"},
        {"y1963 d15 c1", "1963 6/6 30 年即农历1963年闰四月十五"},
        {"c0", "1963 闰4/15 可闰 29 农历年即公历1963年6月6日"},
        {"m12 d6", "1963 12/6 29 农历年即公历1964年1月20日"},
        {"y1910 l", "1910 闰12/6 可闰 30 农历年"},  // before the tables
        // Without a year the numbers stay, as far as the month has them.
        {"y0 m2 d30 c1", "- 2/29 29 年"},
        {"y2027", "2027 2/28 28 年即农历2027年正月廿三"},
        {"y1910 m1 d31 c0", "1910 1/30 可闰 30 农历年"},  // the numbers, before the tables
        {"y2099 m12 d29 c1", "2099 12/29 31 年即农历2099年冬月十八"}};  // 2100 is no choice
    DayForm form = NewDayForm(kToday, "x");
    for (const auto& [step, shown] : steps) {
        std::istringstream words(step);
        for (std::string w; words >> w;) {
            const int n = std::atoi(w.c_str() + 1);
            w[0] == 'y'   ? SetYear(form, n ? std::optional(n) : std::nullopt)
            : w[0] == 'm' ? SetMonth(form, n)
            : w[0] == 'd' ? SetDay(form, n)
            : w[0] == 'l' ? SetLeap(form, true)
                          : SetCalendar(form, n ? G : L);
        }
        EXPECT_EQ(Shown(form), shown) << step;
    }
    EXPECT_EQ(DayChoices(form).back() + MonthChoices(form).front() + MonthChoices(form).back(),
              "311月12月");  // 公历 2099
    form = FormOf(Day("a", K::Yearly, L, 2026, 12, 1));
    EXPECT_EQ(DayChoices(form).back() + MonthChoices(form).front() + MonthChoices(form).back(),
              "廿九正月腊月");
    EXPECT_EQ(YearChoices()[YearChoice(form)] + YearChoices()[0] + YearChoices().back(),
              "2026不记年份2099");
    EXPECT_TRUE(YearOfChoice(1) == 1900 && !YearOfChoice(0) && !YearOfChoice(201));
}

TEST(DaysWindow, CheckGivesTheDayOrItsFirstFault) {
    const std::string ten = "一二三四五六七八九十", name40 = ten + ten + ten + ten;
    const std::pair<std::function<void(DayForm&)>, std::string> cases[] = {
        {[&](auto& f) { f.Name = " \xE3\x80\x80" + name40 + "\xE3\x80\x80 "; }, ""},
        {[](auto& f) { f.Name = " \xE3\x80\x80 "; }, "名称不能为空"},
        {[&](auto& f) { f.Name = name40 + "x"; }, "名称不能超过40个字"},
        {[](auto& f) { f.Name = "a\tb"; }, "名称不能含有控制字符"},
        {[](auto& f) { f.Kind = K::Once; }, "仅一次的日子须填年份"},
        {[](auto& f) { f.Kind = K::Once, f.Year = 2026, f.Month = 12, f.Day = 30; },
         "日期不存在（农历2026年腊月无三十）"},  // the file's own check
        {[](auto& f) { f.Remind.resize(4); }, ""},
        {[](auto& f) { f.Remind.resize(5); }, "提醒至多选4项"},
        {[](auto& f) { f.Note = std::string(200, 'x'); }, ""},
        {[](auto& f) { f.Note = std::string(201, 'x'); }, "备注不能超过200个字"},
    };
    for (const auto& [change, fault] : cases) {
        DayForm form = NewDayForm(kToday, "x");
        form.Name = name40;
        change(form);
        const FormCheck check = CheckForm(form);
        EXPECT_EQ(check.Day ? "" : check.Fault, fault);
        EXPECT_EQ(check.Day ? check.Day->Name : name40, name40);  // the spaces around go
    }
}

TEST(DaysWindow, ADayFromTheFileComesBackUnchangedWithEveryReminder) {
    UserDay day = Day("妈妈生日", K::Birthday, L, 1963, 4, 30, true);  // 29 days
    day.Remind = {3, 14, 0};
    day.Note = "";
    DayForm form = FormOf(day);
    EXPECT_EQ(CheckForm(form).Day, day);
    EXPECT_EQ(DayChoices(form).back(), "三十");  // the day given, though the month has 29
    std::string choices;
    for (const RemindChoice& c : RemindChoices(form))
        choices += std::to_string(c.Before) + c.Text + (c.Ticked ? "✓ " : " ");
    EXPECT_EQ(choices, "0当天✓ 1提前1天 3提前3天✓ 7提前7天 14提前14天✓ ");
    SetRemind(form, 14, false);
    SetRemind(form, 21, true);  // not offered
    SetRemind(form, 7, true);
    SetNote(form, "");
    day.Remind = {3, 0, 7};
    day.Note.reset();
    EXPECT_EQ(CheckForm(form).Day, day);
    std::string id = NewDayId();
    EXPECT_NE(id, NewDayId());
    std::replace_if(id.begin(), id.end(), ::isxdigit, 'x');
    EXPECT_EQ(id, "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx");
    std::set<char> firsts;  // every digit turns up: the whole of each random byte is used
    for (int i = 0; i < 400; ++i)
        firsts.insert(NewDayId()[0]);
    EXPECT_EQ(firsts.size(), 16u);
}

class DaysSessionTest : public ::testing::Test {
  protected:
    static constexpr const char* kPath = "/u/days.json";
    void Open() {
        s.emplace(files, "/u", kToday, 2026y / 12 / 10, [this](const user_files::DaysLoad& now) {
            EXPECT_FALSE(now.Fault);
            EXPECT_EQ(now.Bytes,
                      files.files.count(kPath) ? std::optional(files.files[kPath]) : std::nullopt);
            written.push_back(now.File.UserDays());
        });
    }
    // What an action did: the status line, marked when the action was refused.
    std::string Did(bool done) { return (done ? "" : "拒：") + s->Status(); }
    std::string Add(const std::string& name) {
        s->New();
        s->Form().Name = name;
        return Did(s->Save());
    }
    // In order, unlike the operands of +.
    static std::string Seq(std::initializer_list<std::string> parts) {
        return std::accumulate(parts.begin(), parts.end(), std::string());
    }
    std::string Names() {
        std::string names;
        for (const auto& day : user_files::LoadDays(files, "/u").File.UserDays())
            names += day.Name + " ";
        return names;
    }
    tests::MemoryFiles files;
    std::optional<DaysSession> s;
    std::vector<std::vector<UserDay>> written;
};

TEST_F(DaysSessionTest, AddChangeRemoveBringBackAndLeave) {
    Open();
    DayForm& form = s->Form();
    form.Name = "妈妈生日";
    SetYear(form, 1963), SetMonth(form, 4), SetLeap(form, true), SetDay(form, 15);
    EXPECT_EQ(Seq({Did(s->Save()), s->Rows().at(s->SelectedRow().value()).Text}),
              "已保存“妈妈生日”妈妈生日 · 农历闰四月十五 · 164天后（5月20日）");
    EXPECT_EQ(std::make_tuple(s->Rows().size(), s->Changed(), written.size()),
              std::make_tuple(1u, false, 1u));
    const std::string id = s->Form().Id;
    SetCalendar(s->Form(), G);
    ASSERT_TRUE(s->Save());
    EXPECT_EQ(user_files::ParseDaysFile(files.files[kPath]).File.Days[0].Day,
              (UserDay{id, "妈妈生日", K::Birthday, G, 1963, 6, false, 6, {0}, {}}));
    EXPECT_EQ(Seq({Add("乙"), Add("丙")}), "已保存“乙”已保存“丙”");
    ASSERT_TRUE(s->SelectRow(0));  // 乙, in the middle of the file
    EXPECT_EQ(Seq({Did(s->Remove()), Names(), s->Form().Name}), "已删除“乙”妈妈生日 丙 丙");
    // Leaving a changed form that is not valid: it stays, and the status line says why.
    s->New();
    SetMonth(s->Form(), 3);
    const std::string before = files.files[kPath], empty = "拒：名称不能为空";
    EXPECT_EQ(Seq({Did(s->New()), Did(s->Close()), Did(s->SelectRow(0)), Did(s->Undo())}),
              empty + empty + empty + empty);
    s->Form().Kind = K::Once;
    s->Form().Name = "丁";
    EXPECT_EQ(Did(s->SelectRow(0)), "拒：仅一次的日子须填年份");
    EXPECT_EQ(files.files[kPath], before);
    s->Form().Kind = K::Yearly;
    EXPECT_EQ(Seq({Did(s->SelectRow(0)), Names(), s->Form().Name}), "已保存“丁”妈妈生日 丙 丁 丙");
    files.failHalfway = true;
    EXPECT_EQ(Seq({Did(s->Undo()), std::to_string(s->CanUndo())}),
              "拒：无法保存days.json：磁盘已满1");
    files.failHalfway = false;
    EXPECT_EQ(Seq({Did(s->Undo()), Names(), s->Form().Name}), "已恢复“乙”妈妈生日 乙 丙 丁 乙");
    EXPECT_EQ(std::make_tuple(s->CanUndo(), written.size(), written.back().size()),
              std::make_tuple(false, 7u, 4u));
}

TEST_F(DaysSessionTest, TheThousandAndFirstDayIsRefused) {
    files.files[kPath] = tests::ManyDays(1000);
    Open();
    s->Form().Name = "多";
    EXPECT_EQ(Did(s->Save()), "拒：最多可记1000个日子");
    s->Form().Name = "";
    EXPECT_FALSE(s->SelectRow(1000) || s->MoveFaultyFileAside({kToday, {}}));  // a good file stays
    ASSERT_TRUE(s->SelectRow(999) && s->Remove());  // the last row: the one before it next
    EXPECT_EQ(Seq({s->Form().Id, Add("多"), Did(s->Undo())}),
              "d998已保存“多”拒：最多可记1000个日子");
}

TEST_F(DaysSessionTest, AFaultyFileIsMovedAsideOnlyWhenAskedAndNeverWrittenOver) {
    const std::string broken = R"({"days": [{"id": "a"}]})";
    files.files[kPath] = broken;
    files.files["/u/days.broken-20261207-091305.json"] = "older";
    Open();
    s->Form().Name = "甲";
    const std::string fault = "days.json：第1项：“name”应为1到40个字符";
    EXPECT_EQ(Seq({Did(s->Save()), Did(s->Remove()), Did(s->Close())}),
              "拒：" + fault + "拒：" + fault + fault);
    // The name taken already: nothing moves, nothing is lost.
    EXPECT_FALSE(s->MoveFaultyFileAside({kToday, hours{9} + minutes{13} + seconds{5}}));
    EXPECT_EQ(std::make_tuple(files.files.size(), files.files[kPath], written.size()),
              std::make_tuple(2u, broken, 0u));
    EXPECT_EQ(Did(s->MoveFaultyFileAside({kToday, hours{19} + minutes{3} + seconds{5}})),
              "有误的文件已改名为days.broken-20261207-190305.json，现从空列表开始");
    EXPECT_EQ(Seq({files.files["/u/days.broken-20261207-190305.json"], Add("甲"), Names(),
                   std::to_string(written.size())}),
              broken + "已保存“甲”甲 2");  // the calendar told of the empty list, then of 甲
    EXPECT_EQ(Seq({Did(s->Remove()), Names(), s->Form().Name}), "已删除“甲”");  // a new day next
    files.files[kPath] = broken;  // by another program, after a save here
    EXPECT_EQ(Seq({Add("乙"), Did(s->Close()), Did(s->Remove())}),
              "拒：" + fault + fault + "拒：" + fault);
}

}  // namespace
