// The settings window working on the real calendar window.
#include <memory>

#include "settings/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

class SettingsStory : public CalendarTest {
  protected:
    std::unique_ptr<Form1> settings;

    void SetUp() override {
        Start();
        settings = std::make_unique<Form1>(windows, store, *cal);
        cal->SetSettingsWindow(settings.get());
    }
    void TearDown() override {
        cal.reset();
        settings.reset();
    }
    void Open() { cal->Label8.RaiseClick(); }
};

TEST_F(SettingsStory, OpeningWithTheFirstRunOpacity) {
    ClickDay(20);
    backing.ClearLog();
    Open();
    ASSERT_TRUE(settings->Loaded());
    EXPECT_TRUE(windows.NativeVisible(*settings));
    EXPECT_EQ(settings->Caption(), "设置");
    // Below the calendar, moved left to keep its "×" on the 1920-pixel screen.
    EXPECT_EQ(settings->Left(), (1920 - 201) * 15);
    EXPECT_EQ(settings->Top(), 217 * 15);
    EXPECT_EQ(settings->HScroll1.Value(), 200);
    EXPECT_EQ(settings->Label4.Caption(), "78%");
    EXPECT_EQ(settings->Shape4.FillColor(), ui::Rgb(55, 55, 55));
    EXPECT_EQ(settings->Shape3.FillColor(), ui::Rgb(0, 0, 255));
    EXPECT_EQ(windows.Alpha(*cal), 200);
    EXPECT_EQ(Stored("formbackcol"), "200");
    // The calendar keeps its selection while the window opens.
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月20日");

    // A second click on the mark keeps the one window and brings it to the front.
    windows.ClearCalls();
    Open();
    EXPECT_EQ(windows.Calls(), (std::vector<std::string>{"Activate Form1"}));
}

TEST_F(SettingsStory, OpeningWithTheSlidersDesignValueRunsNothing) {
    Put("formbackcol", "150");
    cal->TM1(150);
    backing.ClearLog();
    Open();
    EXPECT_EQ(settings->Label4.Caption(), "%");
    EXPECT_EQ(settings->Shape4.FillColor(), ui::Rgb(0, 0, 0));
    EXPECT_TRUE(backing.Writes().empty());
}

TEST_F(SettingsStory, RedSliderRecoloursTheCalendarThenStores) {
    Open();
    settings->HScroll2[0].SetValue(255);
    const ui::Colour cyan = ui::Rgb(0, 255, 255);
    EXPECT_EQ(cal->lbldate.ForeColor(), cyan);
    EXPECT_EQ(DaysColoured(cyan).size(), 31u);  // Sundays too, until the next colour pass
    EXPECT_EQ(Stored("fontR1"), "255");
    EXPECT_EQ(Stored("fontG1"), "0");
    EXPECT_EQ(Stored("fontB1"), "0");

    // Closing marks the Sundays again, in the stored colours, and returns to today.
    ClickDay(3);
    settings->Label8.RaiseClick();
    EXPECT_FALSE(settings->Loaded());
    EXPECT_EQ(DaysColoured(ui::Rgb(0, 0, 255)), (std::vector<int>{2, 9, 16, 23, 30}));
    EXPECT_EQ(DaysColoured(cyan).size(), 26u);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_FALSE(cal->Label3.Visible());

    // The next start uses the stored colour.
    cal.reset();
    Start();
    EXPECT_EQ(cal->lbldate.ForeColor(), cyan);
}

TEST_F(SettingsStory, TransparencySliderAtItsLeftEnd) {
    Open();
    settings->HScroll1.SetValue(settings->HScroll1.Min());
    EXPECT_EQ(settings->Label4.Caption(), "19%");
    EXPECT_EQ(windows.Alpha(*cal), 50);
    EXPECT_EQ(Stored("formbackcol"), "50");

    cal.reset();
    Start();
    EXPECT_EQ(windows.Alpha(*cal), 50);
}

TEST_F(SettingsStory, OrangeSwatchMarksTheSundaysAtOnce) {
    Open();
    settings->Picture1[7].RaiseClick();
    const ui::Colour orange = ui::Rgb(255, 128, 0);
    EXPECT_EQ(DaysColoured(orange), (std::vector<int>{2, 9, 16, 23, 30}));
    EXPECT_EQ(settings->Shape3.FillColor(), orange);
    EXPECT_EQ(Stored("setcol"), "33023");
    // The pass leaves the month's last day selected until the window closes.
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月31日");
    EXPECT_TRUE(cal->Label3.Visible());

    settings->RequestClose();
    EXPECT_FALSE(settings->Loaded());
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");
    EXPECT_EQ(DaysColoured(orange).size(), 5u);

    ChooseMonth(3);
    EXPECT_EQ(DaysColoured(orange), (std::vector<int>{7, 14, 21, 28}));
}

TEST_F(SettingsStory, OpensBelowWhereTheCalendarIsNotWhereItWasStored) {
    Put("formX", "0");
    Put("formY", "600");
    Open();
    EXPECT_EQ(settings->Left(), (1920 - 201) * 15);
    EXPECT_EQ(settings->Top(), 217 * 15);
}

TEST_F(SettingsStory, ClosingTheCalendarClosesTheSettingsWindowFirst) {
    Open();
    settings->Picture1[0].RaiseClick();
    windows.ClearCalls();
    cal->Label6.RaiseClick();
    EXPECT_FALSE(settings->Loaded());
    EXPECT_FALSE(cal->Loaded());
    EXPECT_FALSE(windows.Running());
    EXPECT_EQ(windows.Calls(),
              (std::vector<std::string>{"DestroyWindow Form1", "DestroyWindow frmcalendar"}));
    EXPECT_EQ(Stored("setcol"), "255");
}

TEST_F(SettingsStory, ReopeningStartsFromTheDesignState) {
    Open();
    settings->HScroll3[1].SetValue(100);
    EXPECT_EQ(settings->Label6[1].Caption(), "100");
    settings->Label8.RaiseClick();
    Open();
    EXPECT_EQ(settings->HScroll3[1].Value(), 0);
    EXPECT_EQ(settings->Label6[1].Caption(), "G:");
    EXPECT_EQ(settings->Label5[0].Caption(), "R：");
    EXPECT_EQ(Stored("fontG2"), "100");
}

}  // namespace
}  // namespace calendar_test
