// The user's days in the calendar: the ends of the day tips in both views, and the reminders
// with a fixed clock (when they go out, once a day, the balloon's icon, a click on it).
#include "tests/behaviour/calendar_fixture.h"

#include <algorithm>

namespace calendar_test {
namespace {

lunar::UserDay Yearly(std::string name, int month, int day, std::vector<int> remind,
                      lunar::UserDayKind kind = lunar::UserDayKind::Yearly,
                      std::optional<int> year = std::nullopt) {
    return {name, name, kind, lunar::UserCalendar::Gregorian, year, month, false, day, remind, {}};
}

class UserDays : public CalendarTest {
  protected:
    lunar::UserDayIndex days{
        {Yearly("结婚纪念日", 12, 7, {0}, lunar::UserDayKind::Anniversary, 2014),
         Yearly("交房租", 12, 10, {3}), Yearly("体检", 12, 8, {0})}};
    // Starts the calendar with the days on the date at the time, as the program does.
    void StartWithDays(year_month_day today, seconds time = hours{10}) {
        cal.reset();
        clock.Set(At(today, time));
        Start();
        cal->SetUserDays(days);
        cal->StartReminders();
    }
    int Balloons() const {
        return static_cast<int>(
            std::count_if(windows.Calls().begin(), windows.Calls().end(),
                          [](const std::string& call) { return call.starts_with("ShowBalloon"); }));
    }
    void Tick(year_month_day date, seconds time) {
        clock.Set(At(date, time));
        windows.TickTimers();
    }
};

// The days' texts end their tips, and a dot in the main colour marks them, in both views.
TEST_F(UserDays, TipsAndMarksInBothViews) {
    StartWithDays(2026y / 12 / 7);
    const auto marked = [&](const ui::GridCell& cell) {
        return std::pair(cell.Noted, cell.Noted ? cell.NoteColour : cal->lbldate.ForeColor());
    };
    const auto unmarked = std::pair(false, cal->lbldate.ForeColor());
    EXPECT_EQ(Day(7).ToolTip, "十月廿九 大雪 结婚纪念日（12周年）");
    EXPECT_EQ(Day(6).ToolTip, "十月廿八");
    EXPECT_EQ(marked(Day(7)), std::pair(true, cal->lbldate.ForeColor()));
    EXPECT_EQ(marked(Day(6)), unmarked);
    cal->fontRGB1(1, 2, 3);
    EXPECT_EQ(Day(10).NoteColour, ui::Rgb(1, 2, 3));
    cal->SetMonthView(true);
    // December 2026 begins on a Tuesday: its 7th is the 8th cell from a Monday.
    EXPECT_EQ(cal->grdmonth.Cell(7).ToolTip, "十月廿九 大雪 结婚纪念日（12周年）");
    EXPECT_EQ(cal->AccessibleChild(cal->grdmonth, 7).Description, cal->grdmonth.Cell(7).ToolTip);
    EXPECT_EQ(marked(cal->grdmonth.Cell(7)), std::pair(true, ui::Rgb(1, 2, 3)));
    EXPECT_FALSE(cal->grdmonth.Cell(6).Noted);
}

TEST_F(UserDays, OneBalloonADayFromItsOwnIconStoredOnceShown) {
    StartWithDays(2026y / 12 / 7);
    EXPECT_EQ(windows.ShownBalloon()->Title, "日历提醒");
    EXPECT_EQ(windows.ShownBalloon()->Text,
              "今天：结婚纪念日（12周年）\n3天后（12月10日）：交房租");
    EXPECT_TRUE(windows.BalloonIcon());
    EXPECT_EQ(Stored(settings::kRemindedThrough), "2026-12-07");
    // The day ends: the balloon and its icon go; the new day's waits for the morning ...
    Tick(2026y / 12 / 8, minutes{1});
    EXPECT_FALSE(windows.ShownBalloon() || windows.BalloonIcon());
    Tick(2026y / 12 / 8, hours{8} + minutes{59});
    EXPECT_EQ(Balloons(), 1);
    // ... or the first click, whichever is first.
    ClickDay(3);
    EXPECT_EQ(windows.ShownBalloon()->Text, "今天：体检");
    EXPECT_EQ(Stored(settings::kRemindedThrough), "2026-12-08");
    ClickDay(4);
    Tick(2026y / 12 / 8, hours{9});
    EXPECT_EQ(Balloons(), 2);
    // Started again the same day: nothing more.
    windows.ClearCalls();
    StartWithDays(2026y / 12 / 8, hours{15});
    EXPECT_EQ(Balloons(), 0);
}

// A file not used is said once at start in the compact view, unless a reminder is; the month
// view says it on its notice line instead.
TEST_F(UserDays, AFaultyFileIsSaidAtStartWhenNoReminderIs) {
    // Without days of the user's nothing is reminded of, nor stored.
    Start();
    cal->StartReminders();
    EXPECT_EQ(Stored(settings::kRemindedThrough), "<absent>");
    for (const auto& [monthView, today, balloon] :
         {std::tuple(false, 2026y / 12 / 1, "days.json：含有NUL字符"),
          std::tuple(false, 2026y / 12 / 7,
                     "今天：结婚纪念日（12周年）\n3天后（12月10日）：交房租"),
          std::tuple(true, 2026y / 12 / 1, "")}) {
        if (cal) {
            windows.RemoveBalloon(*cal);
        }
        cal.reset();
        Put("view", monthView ? "1" : "0");
        Put(settings::kRemindedThrough, "");
        clock.Set(At(today, hours{10}));
        Start();
        cal->SetUserDays(days);
        cal->AddFileFaults({"days.json：含有NUL字符"});
        cal->StartReminders();
        EXPECT_EQ(windows.ShownBalloon() ? windows.ShownBalloon()->Text : "", balloon);
    }
}

TEST_F(UserDays, TheMorningTickRemindsAndNothingDueStoresTheDay) {
    StartWithDays(2026y / 12 / 1);
    EXPECT_EQ(Balloons(), 0);
    EXPECT_EQ(Stored(settings::kRemindedThrough), "2026-12-01");
    Tick(2026y / 12 / 7, hours{2});
    Tick(2026y / 12 / 7, hours{9});
    // Missed since the 1st: only what was due since, 12-8 being tomorrow's, not due yet.
    EXPECT_EQ(windows.ShownBalloon()->Text,
              "今天：结婚纪念日（12周年）\n3天后（12月10日）：交房租");
}

TEST_F(UserDays, ARefusedBalloonWaitsForTheNotificationArea) {
    windows.SetBalloonFails(true);
    StartWithDays(2026y / 12 / 7);
    EXPECT_FALSE(windows.ShownBalloon());
    EXPECT_EQ(Stored(settings::kRemindedThrough), "<absent>");
    windows.SendNotifyEvent(ui::NotifyEvent::AreaCreated);
    EXPECT_TRUE(windows.ShownBalloon());
    EXPECT_EQ(Stored(settings::kRemindedThrough), "2026-12-07");
    // The next minute tick tries again too.
    Put(settings::kRemindedThrough, "2026-12-06");
    windows.SetBalloonFails(true);
    StartWithDays(2026y / 12 / 7);
    windows.SetBalloonFails(false);
    EXPECT_EQ(Stored(settings::kRemindedThrough), "2026-12-06");
    Tick(2026y / 12 / 7, hours{10} + minutes{1});
    EXPECT_EQ(Stored(settings::kRemindedThrough), "2026-12-07");
}

TEST_F(UserDays, AClickOnTheBalloonShowsTheFirstDayNamed) {
    Put(settings::kRemindedThrough, "2026-12-06");
    StartWithDays(2026y / 12 / 7);
    ClickDay(20);
    windows.SendNotifyEvent(ui::NotifyEvent::BalloonClicked);
    EXPECT_EQ(cal->lbldate.Caption(), "2026年12月7日");
    EXPECT_FALSE(windows.BalloonIcon());
}

TEST_F(UserDays, FromTheCalendarsOwnIconWhileItIsInTheNotificationArea) {
    StartWithDays(2026y / 12 / 6);
    cal->Label7.RaiseClick();  // minimised to the icon
    Tick(2026y / 12 / 7, hours{10});
    EXPECT_TRUE(windows.ShownBalloon());
    EXPECT_FALSE(windows.BalloonIcon());
    windows.SendNotifyEvent(ui::NotifyEvent::BalloonClicked);
    EXPECT_TRUE(cal->Visible());
    EXPECT_FALSE(windows.NotifyIcon());
    // Dismissed: nothing brought forward.
    Put(settings::kRemindedThrough, "2026-12-06");
    StartWithDays(2026y / 12 / 7);
    windows.SendNotifyEvent(ui::NotifyEvent::BalloonDismissed);
    EXPECT_FALSE(windows.ShownBalloon());
    EXPECT_FALSE(windows.BalloonIcon());
}

}  // namespace
}  // namespace calendar_test
