// Living on a desktop: another start of the program, a clock or zone that changes under the
// window, a window that cannot be created.
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

}  // namespace
}  // namespace calendar_test
