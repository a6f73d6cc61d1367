// Dragging, the notification icon, opacity and closing.
#include "platform/ui/keys.h"
#include "settings_window/form1.h"
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
};

// Either button on the bare surface drags, and the place is written even when the window
// did not move: the store then holds where the window really is.
TEST_F(CalendarChrome, APressOnTheSurfaceDragsAndWritesThePlace) {
    for (const int button : {1, 2}) {
        for (const auto& [left, top] : {std::pair{-345, 120}, {40000, -40000}}) {
            SCOPED_TRACE(std::to_string(button) + ": " + std::to_string(left));
            DragTo(left, top, button);
            EXPECT_EQ(windows.Calls(), (Names{"ReleaseCapture", "MoveLoop frmcalendar"}));
            EXPECT_EQ(Written(),
                      (Names{"formX=" + std::to_string(left), "formY=" + std::to_string(top)}));
            backing.ClearLog();
            windows.ClearCalls();
        }
        cal->RaiseMouseDown(button, 0, 5, 5);  // no move at all
        EXPECT_EQ(Written(), (Names{"formX=40000", "formY=-40000"}));
        backing.ClearLog();
        windows.ClearCalls();
    }
    DragTo(-345, 120);
    cal.reset();
    Start();
    EXPECT_EQ(cal->Left(), -345);
    EXPECT_EQ(cal->Top(), 120);
}

// Keys open it under day 9 (column 1, row 1), a right click (no drag, no left) at the pointer.
TEST_F(CalendarChrome, TheMenuOfTheMarksByKeysOrARightClick) {
    const std::string menu =
        "Menu frmcalendar 回到今天 我的日子… 完整月历 锁定位置 设置 最小化 关闭 at ";
    EXPECT_TRUE(cal->RaiseKeyDown(ui::kKeyApps, 0) &&
                cal->RaiseKeyDown(ui::kKeyF10, ui::kShiftMask));
    cal->RaiseMouseDown(ui::kRightButton, 0, 5, 5);
    DragTo(300, 400, ui::kRightButton);
    cal->RaiseMouseDown(ui::kLeftButton, 0, 5, 5);
    EXPECT_EQ(windows.Calls(),
              (Names{menu + "600,1485", menu + "600,1485", "ReleaseCapture", "MoveLoop frmcalendar",
                     menu + "the pointer", "ReleaseCapture", "MoveLoop frmcalendar",
                     "ReleaseCapture", "MoveLoop frmcalendar"}));
    // Asked for from an element: where the pointer is, or from the keyboard below the day.
    windows.ClearCalls();
    cal->RaiseContextMenu(ui::Point{700, 800});
    cal->RaiseContextMenu(std::nullopt);
    EXPECT_EQ(windows.Calls(), (Names{menu + "700,800", menu + "600,1485"}));
    ui::Form settingsWindow(windows, "Form1", "设置", 1000, 1000, 0);
    cal->SetSettingsWindow(&settingsWindow);
    ui::Form daysWindow(windows, "frmdays", "我的日子", 1000, 1000, 0);
    cal->SetDaysWindow(&daysWindow);
    ClickDay(3);
    windows.SetMenuChoice("");  // closed without a choice: nothing runs
    cal->RaiseKeyDown(ui::kKeyApps, 0);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年5月3日");
    const std::vector<std::pair<std::string, std::function<bool()>>> items{
        {"回到今天", [&] { return cal->lbldate.Caption() == "2021年5月9日"; }},
        {"设置", [&] { return settingsWindow.Visible(); }},
        {"我的日子…", [&] { return daysWindow.Visible(); }},
        {"最小化", [&] { return !cal->Visible() && windows.NotifyIcon(); }},
        {"关闭", [&] { return !windows.Running() && !daysWindow.Loaded(); }}};
    for (const auto& [text, done] : items) {
        windows.SetMenuChoice(text);
        cal->RaiseKeyDown(ui::kKeyApps, 0);
        EXPECT_TRUE(done()) << text;
    }
}

// A contrast theme draws both windows in its system colours, the Sundays in its second text
// colour; the user's own colours stay in the model and the store and show again without it.
TEST_F(CalendarChrome, AContrastThemeDrawsSystemColoursAndKeepsTheUsersOwn) {
    Form1 settings(windows, store, *cal, startAtLogOn);
    settings.Show();
    const ui::Colour sunday = Day(2).TextColour;  // May 2021: the 2nd
    const Names stored = Written();
    for (const bool contrast : {true, false}) {
        windows.SetHighContrast(contrast);
        const auto expect = [&](const ui::Form& form, const ui::Element* element, ui::ColourUse use,
                                ui::Colour own, int system) {
            EXPECT_EQ(form.ShownColour(element, use, own),
                      contrast ? ui::SystemColour(system) : own)
                << system;
        };
        expect(*cal, nullptr, ui::ColourUse::Background, 0, 5);
        expect(*cal, &cal->lblnumber, Day(2).TextUse, sunday, 26);
        expect(*cal, &cal->lblnumber, Day(3).TextUse, Day(3).TextColour, 8);
        expect(*cal, &cal->Shape1, ui::ColourUse::Frame, 0, 13);
        expect(settings, nullptr, ui::ColourUse::Background, 0, 4);
        expect(settings, &settings.Label1, ui::ColourUse::Text, 0, 7);
        expect(settings, &settings.Check1, ui::ColourUse::Text, 0, 7);
        EXPECT_EQ(settings.ShownColour(&settings.Picture1[5], ui::ColourUse::Content, kCyan),
                  kCyan);
    }
    EXPECT_EQ(Written(), stored);
}

TEST_F(CalendarChrome, MinimiseToTheIconAndBackByAnyIconMessage) {
    for (int round = 0; round < 2; ++round) {
        cal->Label7.RaiseClick();
        ASSERT_TRUE(windows.NotifyIcon().has_value());
        const ui::NotifyIconData& icon = *windows.NotifyIcon();
        EXPECT_EQ(icon.Id, 1u);
        EXPECT_EQ(icon.CallbackMessage, 0x0200u);
        EXPECT_EQ(icon.Tip, "日历");
        // The balloon the first time ever only.
        EXPECT_EQ(std::tuple(icon.Flags, icon.Balloon.empty(), Stored("balloon")),
                  std::tuple(round == 0 ? 23u : 7u, round != 0, std::string("1")));
        EXPECT_EQ(icon.Window, cal.get());
        EXPECT_FALSE(cal->Visible() || windows.NativeVisible(*cal));

        // The minute timer keeps running while hidden (the click's minute, then a quiet one).
        ClickDay(3);
        windows.TickTimers();
        windows.TickTimers();
        EXPECT_EQ(cal->lbldate.Caption(), "2021年5月9日");

        windows.SendNotifyIconMessage();
        EXPECT_TRUE(cal->Visible() && windows.NativeVisible(*cal));
        EXPECT_FALSE(windows.NotifyIcon().has_value());
    }
    // Other pointer moves over the window do nothing.
    windows.ClearCalls();
    for (const int buttons : {0, 2, 1 | 2}) {
        cal->RaiseMouseMove(buttons, 0, 10, 10);
    }
    EXPECT_TRUE(windows.Calls().empty());
}

TEST_F(CalendarChrome, NoIconMeansTheWindowStaysShown) {
    windows.SetNotifyIconFails(true);
    cal->Label7.RaiseClick();
    EXPECT_TRUE(cal->Visible() && windows.NativeVisible(*cal));
    EXPECT_EQ(Stored("balloon"), "<absent>") << "not shown yet";
}

TEST_F(CalendarChrome, OpacityIsClampedAndNotStored) {
    for (const auto& [asked, alpha] :
         {std::pair{255, 255}, {51, 51}, {49, 50}, {300, 255}, {-5, 50}}) {
        cal->TM1(static_cast<std::int16_t>(asked));
        EXPECT_EQ(windows.Alpha(*cal), alpha) << asked;
    }
    EXPECT_TRUE(backing.Writes().empty());
}

TEST_F(CalendarChrome, CloseEndsTheProgramAndTakesTheIconAlong) {
    cal->Label6.RaiseClick();
    EXPECT_FALSE(cal->Loaded() || windows.Running());
    EXPECT_EQ(windows.RunningTimerCount(), 0);
    EXPECT_TRUE(backing.Writes().empty());

    Start();
    cal->Label7.RaiseClick();
    cal->RequestClose();
    EXPECT_FALSE(windows.NotifyIcon().has_value());
    EXPECT_FALSE(windows.Running());
}

}  // namespace
}  // namespace calendar_test
