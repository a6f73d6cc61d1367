// Dragging, the notification icon, opacity and closing.
#include <algorithm>

#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

class CalendarChrome : public CalendarTest {
  protected:
    void SetUp() override {
        Start();
        backing.ClearLog();
        windows.ClearCalls();
    }
    bool Called(const std::string& call) const {
        const auto& calls = windows.Calls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
};

TEST_F(CalendarChrome, DragStoresTheNewPlaceAfterTheMoveLoop) {
    DragTo(-345, 120);
    EXPECT_EQ(windows.Calls(),
              (std::vector<std::string>{"ReleaseCapture", "MoveLoop frmcalendar"}));
    EXPECT_EQ(Stored("formX"), "-345");
    EXPECT_EQ(Stored("formY"), "120");
    EXPECT_EQ(cal->dragLeft, -345);
    EXPECT_EQ(cal->dragTop, 120);
    ASSERT_EQ(backing.Writes().size(), 2u);
    EXPECT_EQ(backing.Writes()[0].Key, "formX");

    // Restored at the next start.
    cal.reset();
    Start();
    EXPECT_EQ(cal->Left(), -345);
    EXPECT_EQ(cal->Top(), 120);
}

TEST_F(CalendarChrome, PositionsBeyondSixteenBitsAreStoredExactly) {
    DragTo(40000, -40000);
    EXPECT_EQ(Stored("formX"), "40000");
    EXPECT_EQ(Stored("formY"), "-40000");
}

TEST_F(CalendarChrome, AClickWithoutMovingStoresTheUnchangedPlace) {
    cal->RaiseMouseDown(ui::kRightButton, 0, 5, 5);
    EXPECT_EQ(Stored("formX"), "25905");
    EXPECT_EQ(Stored("formY"), "0");
}

TEST_F(CalendarChrome, MinimiseToTheIconAndBackByAnyIconMessage) {
    cal->Label7.RaiseClick();
    ASSERT_TRUE(windows.NotifyIcon().has_value());
    const ui::NotifyIconData& icon = *windows.NotifyIcon();
    EXPECT_EQ(icon.Id, 1u);
    EXPECT_EQ(icon.Flags, 7u);
    EXPECT_EQ(icon.CallbackMessage, 0x0200u);
    EXPECT_EQ(icon.Tip, "日历");
    EXPECT_EQ(icon.Window, cal.get());
    EXPECT_FALSE(cal->Visible());
    EXPECT_FALSE(windows.NativeVisible(*cal));
    EXPECT_TRUE(cal->Loaded());

    // The minute timer keeps running while hidden.
    ClickDay(3);
    windows.TickTimers();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");

    windows.SendNotifyIconMessage();
    EXPECT_TRUE(cal->Visible());
    EXPECT_TRUE(windows.NativeVisible(*cal));
    EXPECT_FALSE(windows.NotifyIcon().has_value());

    // Again: the icon can be used any number of times.
    cal->Label7.RaiseClick();
    EXPECT_FALSE(cal->Visible());
    windows.SendNotifyIconMessage();
    EXPECT_TRUE(cal->Visible());
}

TEST_F(CalendarChrome, PointerMovesOverTheShownWindow) {
    cal->RaiseMouseMove(ui::kLeftButton, 0, 10, 10);
    EXPECT_TRUE(cal->Visible());
    EXPECT_TRUE(Called("RemoveNotifyIcon 1") || Called("RemoveNotifyIcon 0"));
    windows.ClearCalls();
    cal->RaiseMouseMove(0, 0, 10, 10);
    cal->RaiseMouseMove(ui::kLeftButton | ui::kRightButton, 0, 10, 10);
    EXPECT_TRUE(windows.Calls().empty());
}

TEST_F(CalendarChrome, NoIconMeansTheWindowStaysShown) {
    windows.SetNotifyIconFails(true);
    cal->Label7.RaiseClick();
    EXPECT_TRUE(cal->Visible());
    EXPECT_TRUE(windows.NativeVisible(*cal));
}

TEST_F(CalendarChrome, OpacityOperation) {
    cal->TM1(255);
    EXPECT_EQ(windows.Alpha(*cal), 255);
    cal->TM1(50);
    EXPECT_EQ(windows.Alpha(*cal), 50);
    EXPECT_TRUE(backing.Writes().empty());
}

TEST_F(CalendarChrome, CloseEndsTheProgram) {
    cal->Label6.RaiseClick();
    EXPECT_FALSE(cal->Loaded());
    EXPECT_FALSE(windows.Running());
    EXPECT_EQ(windows.RunningTimerCount(), 0);
    EXPECT_TRUE(backing.Writes().empty());
}

TEST_F(CalendarChrome, ClosedByTheSystemWhileHiddenTakesTheIconAlong) {
    cal->Label7.RaiseClick();
    cal->RequestClose();
    EXPECT_FALSE(windows.NotifyIcon().has_value());
    EXPECT_FALSE(windows.Running());
}

}  // namespace
}  // namespace calendar_test
