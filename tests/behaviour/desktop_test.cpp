// Living on a desktop: another start of the program, a clock or zone that changes under the
// window, a window that cannot be created, the desktop brought forward.
#include "platform/ui/show_desktop.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

// The system clock's view of today changes only once the zone is read again.
class ZoneClock final : public platform::Clock {
  public:
    platform::LocalDateTime Now() const override { return zoneRead_ ? afterReload : before; }
    void ReloadZone() const override { zoneRead_ = true; }
    platform::LocalDateTime before;
    platform::LocalDateTime afterReload;

  private:
    mutable bool zoneRead_ = false;
};

using Desktop = CalendarTest;

TEST_F(Desktop, AnotherStartBringsTheCalendarForwardFromTheNotificationArea) {
    Start();
    cal->Label7.RaiseClick();
    ASSERT_FALSE(cal->Visible());
    backing.ClearLog();
    windows.ClearCalls();

    cal->RequestActivate();
    EXPECT_TRUE(windows.NativeVisible(*cal));
    EXPECT_FALSE(windows.NotifyIcon().has_value());
    EXPECT_EQ(windows.Calls().back(), "Activate frmcalendar");
    EXPECT_TRUE(backing.Writes().empty());

    // Shown already: only forward.
    windows.ClearCalls();
    cal->RequestActivate();
    EXPECT_EQ(windows.Calls(), (std::vector<std::string>{"Activate frmcalendar"}));
}

TEST_F(Desktop, ANewTimeZoneShowsTheNewTodayAtOnce) {
    ZoneClock zone;
    zone.before = At(2021y / May / 9d, hours{23});
    zone.afterReload = At(2021y / May / 10d, hours{1});
    cal = std::make_unique<frmcalendar>(windows, store, zone);
    cal->Show();
    ChooseMonth(2);

    cal->RaiseTimeChange();
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月10日");
    EXPECT_EQ(FramedDays(), (std::vector<int>{10}));
    EXPECT_FALSE(cal->Label3.Visible());
}

TEST_F(Desktop, AWindowThatCannotBeCreatedStaysUnloaded) {
    windows.SetCreateFails(true);
    Start();
    EXPECT_FALSE(cal->Loaded());
    EXPECT_FALSE(windows.Running());
    EXPECT_TRUE(backing.Writes().empty());  // the load handler did not run
}

// Kept above the desktop brought forward unless the stored value says "0".
TEST_F(Desktop, TheCalendarStaysAboveTheDesktopUnlessTurnedOff) {
    for (const char* stored : {"", "0", "1", "x"}) {
        cal.reset();
        if (*stored != '\0') {  // absent first
            Put("keepOnDesktop", stored);
        }
        Start();
        EXPECT_EQ(windows.KeptAboveDesktop(*cal), *stored != '0') << "keepOnDesktop " << stored;
    }
}

// Raised only over the shell's desktop that came over it; shown again only where the shell
// hid it for the desktop on this virtual desktop.
TEST(ShowDesktop, RaisedOrShownAgainOnlyOverTheShellsDesktop) {
    using enum ui::DesktopAction;
    constexpr unsigned kShell = ui::kCloakedByShell;
    // Kept, shown, desktop in front, above the window, cloaked, on this virtual desktop.
    const std::pair<ui::DesktopScene, ui::DesktopAction> cases[] = {
        {{true, true, true, true, 0, true}, Raise},
        {{true, true, true, false, 0, true}, None},  // a click on the desktop below it
        {{false, true, true, true, 0, true}, None},  // turned off
        {{true, false, true, true, 0, true}, None},  // in the notification area
        {{true, true, false, true, 0, true}, None},  // another window came forward
        {{true, true, true, false, kShell, true}, ShowAgainRaise},
        {{true, true, true, true, kShell, false}, None},  // another virtual desktop's
        {{true, true, true, true, kShell | ui::kCloakedInherited, true}, None},
        {{true, true, true, true, ui::kCloakedByApp, true}, None},
    };
    for (const auto& [scene, action] : cases) {
        EXPECT_EQ(ui::ActionFor(scene), action) << &scene - &cases[0].first;
    }
    EXPECT_EQ(
        std::tuple(ui::IsShellDesktop(L"Progman", false), ui::IsShellDesktop(L"WorkerW", true),
                   ui::IsShellDesktop(L"WorkerW", false),
                   ui::IsShellDesktop(L"Shell_TrayWnd", true)),
        std::tuple(true, true, false, false));
}

}  // namespace
}  // namespace calendar_test
