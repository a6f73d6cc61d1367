// The settings window working on the real calendar window.
#include <memory>

#include "settings_window/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

class SettingsStory : public CalendarTest {
  protected:
    std::unique_ptr<Form1> settings;

    void SetUp() override {
        Start();
        settings = std::make_unique<Form1>(windows, store, *cal, startAtLogOn);
        cal->SetSettingsWindow(settings.get());
    }
    void TearDown() override {
        cal.reset();
        settings.reset();
    }
    void Open() { cal->Label8.RaiseClick(); }
};

TEST_F(SettingsStory, OpeningBelowTheCalendarKeepsItsSelection) {
    ClickDay(20);
    Put("formX", "0");  // where the calendar is counts, not what is stored
    Put("formY", "600");
    Open();
    ASSERT_TRUE(settings->Loaded());
    EXPECT_TRUE(windows.NativeVisible(*settings));
    // Below the calendar, moved left to keep its "×" on the 1920-pixel screen.
    EXPECT_EQ(settings->Left(), (1920 - 201) * 15);
    EXPECT_EQ(settings->Top(), 217 * 15);
    EXPECT_EQ(settings->Label4.Caption(), "78%");
    EXPECT_EQ(windows.Alpha(*cal), 200);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月20日");

    // A second click on the mark keeps the one window and brings it to the front.
    windows.ClearCalls();
    Open();
    EXPECT_EQ(windows.Calls(), (std::vector<std::string>{"Activate Form1"}));
}

// Each change reaches the calendar at once and the next start; closing marks the
// Sundays again, in the stored colours, and returns to today.
TEST_F(SettingsStory, ChangesShowAtOnceAndLastUntilTheNextStart) {
    Open();
    settings->HScroll2[0].SetValue(255);
    settings->HScroll1.SetValue(60);
    EXPECT_EQ(DaysColoured(kCyan).size(), 31u);  // Sundays too, until the next colour pass
    EXPECT_EQ(windows.Alpha(*cal), 60);

    settings->Picture1[7].RaiseClick();
    EXPECT_EQ(DaysColoured(kOrange), (DayList{2, 9, 16, 23, 30}));
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月31日");

    settings->Label8.RaiseClick();
    EXPECT_FALSE(settings->Loaded());
    EXPECT_EQ(DaysColoured(kOrange), (DayList{2, 9, 16, 23, 30}));
    EXPECT_EQ(DaysColoured(kCyan).size(), 26u);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_FALSE(cal->Label3.Visible());
    Open();  // closed, it shows again
    EXPECT_TRUE(windows.NativeVisible(*settings));
    settings->Label8.RaiseClick();

    cal.reset();
    Start();
    EXPECT_EQ(ElementsColoured(kCyan).size(), 7u + 26u);
    EXPECT_EQ(DaysColoured(kOrange), (DayList{2, 9, 16, 23, 30}));
    EXPECT_EQ(windows.Alpha(*cal), 60);
}

TEST_F(SettingsStory, ClosingTheCalendarClosesTheSettingsWindowFirst) {
    Open();
    windows.ClearCalls();
    cal->Label6.RaiseClick();
    EXPECT_FALSE(settings->Loaded() || cal->Loaded() || windows.Running());
    EXPECT_EQ(windows.Calls(), (Names{"DestroyWindow Form1", "DestroyWindow frmcalendar"}));
}

}  // namespace
}  // namespace calendar_test
