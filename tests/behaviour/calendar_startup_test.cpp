// Start-up, today and the minute timer.
#include <algorithm>

#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);
constexpr ui::Colour kMagenta = ui::Rgb(255, 0, 255);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);

using CalendarStartup = CalendarTest;

TEST_F(CalendarStartup, FirstRunWritesTheTenDefaultsAndOpensTopRight) {
    Start();

    std::vector<std::string> written;
    for (const auto& write : backing.Writes()) {
        written.push_back(write.Key + "=" + write.Value);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"formX=25905", "formY=0", "formbackcol=200",
                                                 "fontR1=0", "fontG1=255", "fontB1=255", "fontR2=0",
                                                 "fontG2=255", "fontB2=0", "setcol=16711680"}));
    EXPECT_EQ(cal->Left(), 25905);
    EXPECT_EQ(cal->Top(), 0);
    EXPECT_TRUE(windows.IsLayered(*cal));
    EXPECT_EQ(windows.Alpha(*cal), 200);
    EXPECT_TRUE(windows.NativeVisible(*cal));
    EXPECT_EQ(cal->BackColor(), ui::Rgb(0, 0, 0));

    // Red day numbers and date lines, magenta secondary text, blue Sundays (May 2021).
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{2, 9, 16, 23, 30}));
    EXPECT_EQ(DaysColoured(kRed).size(), 26u);
    EXPECT_EQ(cal->lbldate.ForeColor(), kRed);
    EXPECT_EQ(cal->Shape1.BorderColor(), kRed);
    EXPECT_EQ(cal->cbomonth.ForeColor(), kRed);
    EXPECT_EQ(cal->Label2.ForeColor(), kMagenta);
    EXPECT_EQ(cal->Label4.ForeColor(), kMagenta);

    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(cal->lblday.Caption(), "星期日");
    EXPECT_EQ(cal->Label2.Caption(), "农历辛丑年(牛)三月廿八");
    EXPECT_EQ(cal->Label4.Caption(), "5");
    EXPECT_EQ(cal->Label5.Caption(), "2021");
    EXPECT_EQ(FramedDays(), (std::vector<int>{9}));
    EXPECT_EQ(cal->selDay, 9);
    EXPECT_FALSE(cal->Label3.Visible());
    EXPECT_FALSE(cal->cbomonth.Visible());
    EXPECT_FALSE(cal->cboyear.Visible());
    EXPECT_EQ(cal->cbomonth.ListCount(), 12);
    EXPECT_EQ(cal->cboyear.ListCount(), 178);
    EXPECT_EQ(cal->cboyear.List(0), " 1922");
    EXPECT_EQ(cal->cboyear.List(177), " 2099");
    EXPECT_EQ(cal->Timer1.Interval(), 60000);
    EXPECT_EQ(windows.RunningTimerCount(), 1);
    EXPECT_TRUE(cal->yearArmed);
}

TEST_F(CalendarStartup, LaterRunsWriteNothingAndRestoreTheStoredPlace) {
    StoreFirstRunValuesWith("formX", "-345");
    Put("formY", "1200");
    Start();
    EXPECT_TRUE(backing.Writes().empty());
    EXPECT_EQ(cal->Left(), -345);
    EXPECT_EQ(cal->Top(), 1200);
}

TEST_F(CalendarStartup, StoredLeftOfZeroMeansTheDefaultPlace) {
    StoreFirstRunValuesWith("formX", "0");
    Put("formY", "3000");
    Start();
    EXPECT_EQ(cal->Left(), 25905);
    EXPECT_EQ(cal->Top(), 0);
    EXPECT_EQ(Stored("formX"), "0");
}

TEST_F(CalendarStartup, StartOnTheThirtyFirst) {
    StartOn(2021y / January / 31d);
    EXPECT_EQ(FramedDays(), (std::vector<int>{31}));
    EXPECT_EQ(cal->selDay, 31);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年1月31日");
    EXPECT_EQ(cal->lblday.Caption(), "星期日");
    EXPECT_FALSE(cal->Label3.Visible());
    EXPECT_EQ(VisibleDays().size(), 31u);
}

TEST_F(CalendarStartup, TimerTickReturnsToTodayAndFollowsMidnight) {
    Start();
    ChooseYear(2024);
    ChooseMonth(2);
    ClickDay(14);
    ASSERT_TRUE(cal->Label3.Visible());

    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(cal->Label4.Caption(), "5");
    EXPECT_EQ(cal->Label5.Caption(), "2021");
    EXPECT_EQ(FramedDays(), (std::vector<int>{9}));
    EXPECT_FALSE(cal->Label3.Visible());

    // A tick while today is shown changes nothing visible.
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(FramedDays(), (std::vector<int>{9}));

    clock.Set(At(2021y / May / 10d, seconds{5}));
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月10日");
    EXPECT_EQ(cal->lblday.Caption(), "星期一");
    EXPECT_EQ(FramedDays(), (std::vector<int>{10}));
    EXPECT_FALSE(cal->Label3.Visible());
}

TEST_F(CalendarStartup, BackToTodayMark) {
    Start();
    ClickDay(20);
    ASSERT_TRUE(cal->Label3.Visible());
    cal->Label3.RaiseClick();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(cal->selDay, 9);
    EXPECT_FALSE(cal->Label3.Visible());
}

// Screens 2185 or more pixels wide overflowed a 16-bit position.
TEST_F(CalendarStartup, WideScreenFirstRunStoresTheExactPosition) {
    windows.SetScreen(2560, 1440);
    Start();
    EXPECT_EQ(Stored("formX"), "35505");
    EXPECT_EQ(cal->Left(), 35505);

    // The next run restores it like any other place.
    cal.reset();
    backing.ClearLog();
    Start();
    EXPECT_EQ(cal->Left(), 35505);
    EXPECT_TRUE(backing.Writes().empty());
}

TEST_F(CalendarStartup, UnreadableStoredValuesReadAsFirstRunValues) {
    for (const char* key : {"formY", "formbackcol", "fontR1", "fontG1", "fontB1", "fontR2",
                            "fontG2", "fontB2", "setcol"}) {
        Put(key, "garbage");
    }
    Put("formX", "also garbage");
    Start();
    EXPECT_TRUE(backing.Writes().empty());
    EXPECT_EQ(cal->Left(), 25905);  // no stored position
    EXPECT_EQ(windows.Alpha(*cal), 200);
    EXPECT_EQ(cal->lbldate.ForeColor(), kRed);
    EXPECT_EQ(cal->Label2.ForeColor(), kMagenta);
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{2, 9, 16, 23, 30}));
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
}

TEST_F(CalendarStartup, OutOfRangeStoredValuesReadAsFirstRunValues) {
    StoreFirstRunValuesWith("formbackcol", "300");
    Put("fontR1", "-1");
    Put("fontG2", "256");
    Put("setcol", "16777216");
    Put("formY", "");
    Put("formX", "1500");
    Start();
    EXPECT_EQ(windows.Alpha(*cal), 200);
    EXPECT_EQ(cal->lbldate.ForeColor(), kRed);
    EXPECT_EQ(cal->Label2.ForeColor(), kMagenta);
    EXPECT_EQ(DaysColoured(kBlue).size(), 5u);
    EXPECT_EQ(cal->Left(), 25905);  // formY unreadable: no stored position
    EXPECT_TRUE(backing.Writes().empty());
}

TEST_F(CalendarStartup, PositionOffEveryMonitorFallsBackToTheDefault) {
    StoreFirstRunValuesWith("formX", "40000");  // a monitor right of this one, now gone
    Start();
    EXPECT_EQ(cal->Left(), 25905);
    EXPECT_EQ(cal->Top(), 0);
    EXPECT_EQ(Stored("formX"), "40000");

    // With the second monitor back, the place is restored.
    cal.reset();
    windows.SetWorkAreas({ui::Rect{0, 0, 28800, 16200}, ui::Rect{28800, 0, 28800, 16200}});
    Start();
    EXPECT_EQ(cal->Left(), 40000);
}

TEST_F(CalendarStartup, APlaceShowingLessThan32PixelsIsNotRestored) {
    // 28800 twips wide screen: a left edge at 28800 - 31 px leaves 31 pixels visible.
    StoreFirstRunValuesWith("formX", std::to_string(28800 - 31 * 15));
    Start();
    EXPECT_EQ(cal->Left(), 25905);
    cal.reset();
    Put("formX", std::to_string(28800 - 32 * 15));
    Start();
    EXPECT_EQ(cal->Left(), 28800 - 32 * 15);
    cal.reset();
    Put("formX", "-100");
    Put("formY", std::to_string(-3270 + 31 * 15));  // only 31 pixels below the top edge
    Start();
    EXPECT_EQ(cal->Left(), 25905);
}

TEST_F(CalendarStartup, TodayOutsideTheOfferedYearsShowsTheNearestYear) {
    StartOn(2100y / March / 15d);
    EXPECT_EQ(cal->Label5.Caption(), "2099");
    EXPECT_EQ(cal->Label4.Caption(), "3");
    EXPECT_EQ(cal->lbldate.Caption(), "2099年3月15日");
    EXPECT_EQ(FramedDays(), (std::vector<int>{15}));
    EXPECT_TRUE(cal->Label3.Visible());

    cal.reset();
    StartOn(1921y / June / 1d);
    EXPECT_EQ(cal->lbldate.Caption(), "1922年6月1日");
    EXPECT_TRUE(cal->Label3.Visible());

    // 29 February of a leap year beyond the table becomes the 28th of 2099.
    cal.reset();
    StartOn(2104y / February / 29d);
    EXPECT_EQ(cal->lbldate.Caption(), "2099年2月28日");
    EXPECT_EQ(cal->lblday.Caption(), "星期六");
    EXPECT_EQ(cal->selDay, 28);
    EXPECT_TRUE(cal->Label3.Visible());
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2099年2月28日");
}

}  // namespace
}  // namespace calendar_test
