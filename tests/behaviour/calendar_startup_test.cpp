// Start-up, the stored place, today and the minute timer.
#include <sstream>

#include "platform/ui/keys.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

using CalendarStartup = CalendarTest;

TEST_F(CalendarStartup, FirstRunWritesTheTenDefaultsAndOpensTopRight) {
    Start();
    EXPECT_EQ(Written(),
              (Names{"formX=25905", "formY=0", "formbackcol=200", "fontR1=0", "fontG1=255",
                     "fontB1=255", "fontR2=0", "fontG2=255", "fontB2=0", "setcol=16711680"}));
    EXPECT_EQ(cal->Left(), 25905);
    EXPECT_EQ(cal->Top(), 0);
    EXPECT_TRUE(windows.IsLayered(*cal));
    EXPECT_EQ(windows.Alpha(*cal), 200);
    EXPECT_TRUE(windows.NativeVisible(*cal));
    EXPECT_EQ(cal->BackColor(), ui::Rgb(0, 0, 0));

    // Red text, magenta secondary text, blue Sundays (May 2021).
    EXPECT_EQ(ElementsColoured(kMagenta), (Names{"Label2", "Label4", "Label5"}));
    EXPECT_EQ(ElementsColoured(kRed).size(), 7u + 26u);
    EXPECT_EQ(DaysColoured(kBlue), (DayList{2, 9, 16, 23, 30}));

    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(cal->lblday.Caption(), "星期日");
    EXPECT_EQ(cal->Label2.Caption(), "农历辛丑年(牛)三月廿八");
    EXPECT_EQ(cal->Label4.Caption(), "5");
    EXPECT_EQ(cal->Label5.Caption(), "2021");
    EXPECT_EQ(FramedDays(), DayList{9});
    EXPECT_EQ(cal->selDay, 9);
    EXPECT_FALSE(cal->Label3.Visible() || cal->cbomonth.Visible() || cal->cboyear.Visible());
    EXPECT_EQ(cal->cbomonth.ListCount(), 12);
    EXPECT_EQ(cal->cbomonth.List(11), "十二月");
    EXPECT_EQ(cal->cboyear.List(0), " 1922");
    EXPECT_EQ(cal->cboyear.List(cal->cboyear.ListCount() - 1), " 2099");
    EXPECT_EQ(cal->Timer1.Interval(), 60000);
    EXPECT_EQ(windows.RunningTimerCount(), 1);
}

// Each case is a store left by an earlier run; a place is restored only when at least
// 32 x 32 pixels of the window land on some monitor's work area.
TEST_F(CalendarStartup, AStoredPlaceIsRestoredOnlyWhereItCanBeSeen) {
    const ui::Rect screen{0, 0, 28800, 16200};
    const ui::Rect rightOfIt{28800, 0, 28800, 16200};
    const struct {
        std::string formX, formY;
        std::vector<ui::Rect> monitors;
        int left, top;
    } cases[] = {
        {"-345", "1200", {screen}, -345, 1200},
        {"0", "3000", {screen}, 25905, 0},   // a left edge of 0 means "the default place"
        {"40000", "0", {screen}, 25905, 0},  // on a monitor now gone
        {"40000", "0", {screen, rightOfIt}, 40000, 0},
        {std::to_string(28800 - 31 * 15), "0", {screen}, 25905, 0},
        {std::to_string(28800 - 32 * 15), "0", {screen}, 28800 - 32 * 15, 0},
        {"-100", std::to_string(-3270 + 31 * 15), {screen}, 25905, 0},
        {"-100", std::to_string(-3270 + 32 * 15), {screen}, -100, -3270 + 32 * 15},
        {"garbage", "100", {screen}, 25905, 0},
        {"1500", "", {screen}, 25905, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formX + "," + c.formY);
        cal.reset();
        StoreFirstRunValuesWith("formX", c.formX);
        Put("formY", c.formY);
        windows.SetWorkAreas(c.monitors);
        backing.ClearLog();
        Start();
        EXPECT_EQ(cal->Left(), c.left);
        EXPECT_EQ(cal->Top(), c.top);
        EXPECT_TRUE(backing.Writes().empty());
    }
}

TEST_F(CalendarStartup, UnreadableStoredValuesReadAsFirstRunValues) {
    for (const char* bad : {"garbage", "", "-1", "16777216"}) {
        SCOPED_TRACE(bad);
        cal.reset();
        StoreFirstRunValuesWith("formY", "0");
        for (const settings::SettingKey* key : settings::kAllKeys) {
            if (key != &settings::kFormX && key != &settings::kFormY) {
                Put(std::string(key->Name), bad);
            }
        }
        backing.ClearLog();
        Start();
        EXPECT_EQ(windows.Alpha(*cal), 200);
        EXPECT_EQ(ElementsColoured(kMagenta), (Names{"Label2", "Label4", "Label5"}));
        EXPECT_EQ(DaysColoured(kBlue), (DayList{2, 9, 16, 23, 30}));
        EXPECT_EQ(cal->lbldate.ForeColor(), kRed);
        EXPECT_TRUE(backing.Writes().empty());
    }
    // The ends of each range are readable.
    cal.reset();
    StoreFirstRunValuesWith("formbackcol", "0");
    Put("fontR1", "255");
    Put("fontG2", "0");
    Put("setcol", "16777215");
    Start();
    EXPECT_EQ(windows.Alpha(*cal), 50);  // read, then applied as faint as can still be found
    EXPECT_EQ(cal->lbldate.ForeColor(), ui::Rgb(0, 0, 0));
    EXPECT_EQ(cal->Label2.ForeColor(), ui::Rgb(255, 255, 255));
    EXPECT_EQ(DaysColoured(ui::Rgb(255, 255, 255)), (DayList{2, 9, 16, 23, 30}));
}

TEST_F(CalendarStartup, StartsOnTheThirtyFirstWithEveryDayShown) {
    StartOn(2021y / January / 31d);
    EXPECT_EQ(FramedDays(), DayList{31});
    EXPECT_EQ(cal->lbldate.Caption(), "2021年1月31日");
    EXPECT_FALSE(cal->Label3.Visible());
    EXPECT_EQ(VisibleDays().size(), 31u);
}

TEST_F(CalendarStartup, TheTimerAndTheMarkReturnToTodayAndFollowMidnight) {
    Start();
    ChooseYear(2024);
    ChooseMonth(2);
    ClickDay(14);
    ASSERT_TRUE(cal->Label3.Visible());
    // The click counts as the user's: its minute keeps the view, a quiet one returns to today.
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2024年2月14日");
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(cal->Label4.Caption(), "5");
    EXPECT_EQ(cal->Label5.Caption(), "2021");
    EXPECT_EQ(FramedDays(), DayList{9});
    EXPECT_FALSE(cal->Label3.Visible());

    clock.Set(At(2021y / May / 10d, seconds{5}));
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月10日");
    EXPECT_EQ(cal->lblday.Caption(), "星期一");
    EXPECT_EQ(FramedDays(), DayList{10});

    ClickDay(20);
    cal->Label3.RaiseClick();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月10日");
    EXPECT_EQ(cal->selDay, 10);
    EXPECT_FALSE(cal->Label3.Visible());

    // A key (or a click) since the last tick keeps the view; a quiet minute returns to today.
    cal->RaiseKeyDown(ui::kKeyLeft, 0);
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月10日");
}

// Start-up is one event and a month choice another: each reads a stored value once, however
// often its handlers ask (the Sunday pass alone asks 93 times).
TEST_F(CalendarStartup, EachEventReadsAStoredValueOnce) {
    StoreFirstRunValuesWith("setcol", "255");
    Start();
    // And the view, the lock and whether to stay above the desktop.
    EXPECT_EQ(backing.ReadCount(), settings::kAllKeys.size() + 3);
    const std::size_t before = backing.ReadCount();
    {
        const platform::EventEpoch::Scope choice(windows.Events());
        Pick(cal->cbomonth, "三月");
    }
    EXPECT_EQ(backing.ReadCount() - before, 4u);  // the main colour and the Sunday colour
}

// "回到今天" (from the menu, Home or the minute) while today is shown: every caption, frame,
// colour, list and visibility is as it was, and so are the window and the stored values.
TEST_F(CalendarStartup, BackToTodayWhileTodayIsShownChangesNothing) {
    const auto state = [this] {
        std::ostringstream all;
        all << cal->Left() << ' ' << cal->Top() << ' ' << cal->selDay << ' ' << Stored("setcol");
        for (const ui::Element* element : cal->Elements()) {
            all << '\n' << element->Name() << element->Index() << ' ' << element->Visible() << ' ';
            if (const auto* label = dynamic_cast<const ui::Label*>(element)) {
                all << label->Caption() << ' ' << label->ForeColor();
            } else if (const auto* box = dynamic_cast<const ui::ComboBox*>(element)) {
                all << box->Text() << ' ' << box->ForeColor() << ' ' << box->ListIndex() << '/'
                    << box->ListCount();
            } else if (const auto* shape = dynamic_cast<const ui::Shape*>(element)) {
                all << shape->BorderColor() << ' ' << shape->FillColor();
            } else if (const auto* grid = dynamic_cast<const ui::CellGrid*>(element)) {
                for (const ui::GridCell& cell : grid->Cells()) {
                    all << cell.Text << cell.TextColour << cell.Framed << cell.Visible
                        << cell.ToolTip << ' ';
                }
            }
        }
        return all.str();
    };
    StoreFirstRunValuesWith("setcol", "33023");
    Start();
    for (const int browsed : {0, 3}) {
        if (browsed != 0) {
            ChooseMonth(browsed);
            ChooseMonth(5);
            ClickDay(9);
        }
        const std::string before = state();
        windows.SetMenuChoice("回到今天");
        cal->RaiseKeyDown(ui::kKeyApps, 0);
        cal->RaiseKeyDown(ui::kKeyHome, 0);
        windows.TickTimers();
        EXPECT_EQ(state(), before);
    }
}

TEST_F(CalendarStartup, TodayOutsideTheOfferedYearsShowsTheNearestYear) {
    const struct {
        year_month_day today;
        const char* shown;
        const char* weekday;
    } cases[] = {
        {2100y / March / 15d, "2099年3月15日", "星期日"},
        {1921y / June / 1d, "1922年6月1日", "星期四"},
        // 29 February of a leap year beyond the table becomes the 28th of 2099.
        {2104y / February / 29d, "2099年2月28日", "星期六"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        StartOn(c.today);
        windows.TickTimers();
        EXPECT_EQ(cal->lbldate.Caption(), c.shown);
        EXPECT_EQ(cal->lblday.Caption(), c.weekday);
        EXPECT_EQ(cal->Label5.Caption(), std::string(c.shown).substr(0, 4));
        EXPECT_EQ(FramedDays(), DayList{cal->selDay});
        EXPECT_TRUE(cal->Label3.Visible());
    }
}

}  // namespace
}  // namespace calendar_test
