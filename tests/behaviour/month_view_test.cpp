// The month view: its cells under their weekdays, its colours, its clicks, the switch from the
// menu and what is stored, and the lock.
#include "calendar_window/month_cells.h"
#include "platform/ui/keys.h"
#include "settings_window/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

constexpr ui::Colour kMain = ui::Rgb(0, 255, 255);
constexpr ui::Colour kSecondary = ui::Rgb(0, 255, 0);
constexpr ui::Colour kSunday = ui::Rgb(0, 0, 255);
const month_view::Colours kColours{kMain, kSecondary, kSunday};

std::vector<ui::GridCell> CellsOf(year_month_day selected, int firstDayOfWeek) {
    return month_view::Cells(selected, 2026y / December / 7d, firstDayOfWeek, kColours,
                             lunar::HolidaySchedule::BuiltIn());
}

// Months of 2026 beginning on Monday ... Sunday, in weeks from Monday and from Sunday: day 1
// under its weekday, the month before and after around it, dimmed and named as such.
TEST(MonthCells, EachMonthStandsUnderItsWeekdays) {
    const unsigned months[] = {6, 9, 4, 1, 5, 8, 2};
    for (const int firstDay : {0, 6}) {
        for (int weekday = 0; weekday < 7; ++weekday) {
            const month m{months[weekday]};
            SCOPED_TRACE(testing::Message() << "month " << unsigned{m} << " from " << firstDay);
            const auto cells = CellsOf(2026y / m / 15d, firstDay);
            const int one = (weekday - firstDay + 7) % 7;
            const int end =
                one + static_cast<int>(unsigned{(2026y / m / std::chrono::last).day()}) - 1;
            ASSERT_EQ(cells.size(), 42u);
            EXPECT_EQ(cells[one].Text, "1");
            EXPECT_EQ(cells[end + 1].Text, "1");
            EXPECT_EQ(cells[one].DetailColour, kSecondary);
            EXPECT_TRUE(cells[end + 1].AccessibleName.ends_with("（下月）"));
            EXPECT_EQ(cells[end + 1].DetailUse, ui::ColourUse::DimmedText);
            if (one > 0) {
                EXPECT_TRUE(cells[one - 1].AccessibleName.ends_with("（上月）"));
                EXPECT_EQ(cells[one - 1].DetailColour, ui::Rgb(0, 127, 0));
            }
            const auto headings = month_view::Headings(firstDay, kColours);
            EXPECT_EQ(headings[0].Text, firstDay == 0 ? "一" : "日");
            EXPECT_EQ(headings[firstDay == 0 ? 6 : 0].TextColour, kSunday);
            EXPECT_EQ(headings[firstDay == 0 ? 5 : 6].TextColour, kSunday);
            EXPECT_EQ(headings[firstDay == 0 ? 4 : 5].TextColour, kMain);
        }
    }
    // August 2026 from Monday needs the sixth row.
    EXPECT_EQ(CellsOf(2026y / August / 1d, 0)[35].Text, "31");
}

// Weekends and 休 in the Sunday colour, 班 in the main colour even on a Sunday; the line under
// the number, the corner mark, the framed selection and today; no cell before 1922.
TEST(MonthCells, ScheduleAndWeekendColours) {
    const auto cells = CellsOf(2026y / January / 5d, 0);  // the 1st, a Thursday, in cell 3
    const std::tuple<int, const char*, const char*, ui::Colour> days[] = {
        {1, "元旦", "休", kSunday}, {3, "十五", "休", kSunday}, {4, "十六", "班", kMain},
        {5, "小寒", "", kMain},     {10, "廿二", "", kSunday},
    };
    for (const auto& [day, line, corner, colour] : days) {
        const ui::GridCell& cell = cells[static_cast<std::size_t>(day + 2)];
        EXPECT_EQ(cell.Text, std::to_string(day));
        EXPECT_EQ(cell.Detail, line) << day;
        EXPECT_EQ(cell.Corner, corner) << day;
        EXPECT_EQ(cell.TextColour, colour) << day;
        EXPECT_EQ(cell.Framed, day == 5) << day;
    }
    EXPECT_EQ(cells[3].ToolTip, "冬月十三 元旦 休");
    EXPECT_EQ(cells[3].CornerColour, kSunday);
    EXPECT_EQ(cells[3 + 3].CornerColour, kMain);
    EXPECT_EQ(cells[7].AccessibleName, "2026年1月5日 星期一 农历冬月十七");
    EXPECT_TRUE(CellsOf(2026y / December / 1d, 0)[7].Marked);
    const auto first = CellsOf(1922y / January / 1d, 0);
    EXPECT_FALSE(first[5].Enabled);
    EXPECT_TRUE(first[6].Enabled && first[6].Text == "1");
}

class MonthView : public CalendarTest {
  protected:
    void Choose(const std::string& item) {
        windows.SetMenuChoice(item);
        cal->RaiseKeyDown(ui::kKeyApps, 0);
    }
    std::string LastCall() const { return windows.Calls().back(); }
};

// The menu switches both ways, keeping the date, the marks in their corners, with the labels or
// the grid shown, the settings window's box following; the choice is stored at once and read at
// the next start ("1" only). Colours and months change live in the grid.
TEST_F(MonthView, TheMenuSwitchesAndTheChoiceIsKept) {
    Start();
    Form1 settings(windows, store, *cal, startAtLogOn);
    settings.Show();
    ClickDay(20);
    const auto corners = [this] {
        return std::vector<int>{cal->ClientWidth() - cal->Label6.Bounds().Left,
                                cal->ClientWidth() - cal->Label8.Bounds().Left,
                                cal->ClientHeight() - cal->Label8.Bounds().Top};
    };
    const auto compactCorners = corners();
    Choose("完整月历");
    EXPECT_TRUE(cal->MonthView() && cal->grdmonth.Visible() && VisibleDays().empty());
    EXPECT_TRUE(settings.Check2.Value());
    EXPECT_EQ(corners(), compactCorners);
    EXPECT_EQ(cal->Focused(), &cal->grdmonth);
    EXPECT_EQ(Stored("view"), "1");
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月20日");
    EXPECT_TRUE(cal->grdmonth.Cell(24).Framed);  // May 2021 begins on a Saturday
    cal->RaiseKeyDown(ui::kKeyDown, 0);
    EXPECT_TRUE(cal->grdmonth.Cell(31).Framed);
    cal->fontRGB1(1, 2, 3);
    cal->fontRGB2(4, 5, 6);
    EXPECT_EQ(cal->grdmonth.Cell(31).TextColour, ui::Rgb(1, 2, 3));
    EXPECT_EQ(cal->grdmonth.Cell(31).DetailColour, ui::Rgb(4, 5, 6));
    Choose("");  // closed without a choice
    EXPECT_EQ(LastCall(),
              "Menu frmcalendar 回到今天 我的日子… 完整月历✓ 锁定位置 设置 最小化 关闭 at 1980,3390");
    settings.Unload();
    cal.reset();
    Start();
    EXPECT_TRUE(cal->MonthView());
    EXPECT_EQ(cal->ClientWidth(), frmcalendar::kMonthWidth);
    cal->RaiseKeyDown(ui::kKeyPageUp, 0);  // to April and its 30 days, in the grid only
    EXPECT_TRUE(VisibleDays().empty());
    Choose("完整月历");
    EXPECT_EQ(Stored("view"), "0");
    EXPECT_EQ(VisibleDays().size(), 30u);
    EXPECT_EQ(cal->Focused(), nullptr);
    Put("view", "yes");
    cal.reset();
    Start();
    EXPECT_FALSE(cal->MonthView());
}

// A day of the month before or after is selected in its own month, across the year too; the
// footer says so of a year the schedule lacks. A new first weekday in the regional settings
// counts at once.
TEST_F(MonthView, ANeighbourDayIsSelectedInItsOwnMonth) {
    Put("view", "1");
    StartOn(2026y / December / 7d);
    EXPECT_FALSE(cal->lblnotice.Visible());
    cal->grdmonth.RaiseCellClick(35);  // after the 31st in cell 31
    EXPECT_EQ(cal->lbldate.Caption(), "2027年1月4日");
    EXPECT_EQ(cal->Label5.Caption(), "2027");
    EXPECT_TRUE(cal->lblnotice.Visible());
    EXPECT_EQ(cal->lblnotice.Caption(), "2027年放假安排未收录");
    cal->grdmonth.RaiseCellClick(1);  // January 2027 begins on a Friday
    EXPECT_EQ(cal->lbldate.Caption(), "2026年12月29日");
    EXPECT_FALSE(cal->lblnotice.Visible());
    EXPECT_TRUE(cal->Label3.Visible());
    windows.SetFirstDayOfWeek(6);  // the regional settings now begin weeks on Sunday
    cal->RaiseTimeChange();
    EXPECT_TRUE(cal->grdmonth.Cell(8).Framed);  // back to today, a Monday in the second column
}

// Locked, a drag neither moves the window nor writes; a right press still opens the menu.
TEST_F(MonthView, ALockedWindowStaysWhereItIs) {
    Start();
    Choose("锁定位置");
    EXPECT_EQ(Stored("locked"), "1");
    const int left = cal->Left();
    backing.ClearLog();
    windows.ClearCalls();
    DragTo(300, 400);
    EXPECT_EQ(cal->Left(), left);
    EXPECT_TRUE(Written().empty());
    DragTo(300, 400, ui::kRightButton);
    EXPECT_EQ(
        windows.Calls(),
        Names{"Menu frmcalendar 回到今天 我的日子… 完整月历 锁定位置✓ 设置 最小化 关闭 at the pointer"});
    cal.reset();
    Start();
    EXPECT_TRUE(cal->Locked());
}

}  // namespace
}  // namespace calendar_test
