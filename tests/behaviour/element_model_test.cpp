// The element model under both windows: every change a window shows must reach the window
// system, which repaints it; a list choice must name an entry or none, a cell a cell.
#include <algorithm>

#include "platform/errors.h"
#include "settings_window/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

// Records which window, element or timer each change notice names.
class RecordingSystem final : public ui::WindowSystem {
  public:
    Names notices;

    std::vector<ui::Monitor> Monitors() const override {
        return {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}, 96, true}};
    }
    bool CreateNativeWindow(ui::Form&) override { return true; }
    void DestroyNativeWindow(ui::Form&) override {}
    void ShowNativeWindow(ui::Form&, bool) override {}
    void Activate(ui::Form&) override {}
    void WindowChanged(ui::Form& form) override { notices.push_back(form.Name()); }
    void ElementChanged(ui::Form&, ui::Element& element) override {
        notices.push_back(element.Name());
    }
    void TimerChanged(ui::Form&, ui::Timer& timer) override { notices.push_back(timer.Name()); }
    void MakeLayered(ui::Form&) override {}
    void SetAlpha(ui::Form&, std::uint8_t) override {}
    bool HighContrast() const override { return false; }
    void KeepAboveDesktop(ui::Form&, bool) override {}
    void ReleaseCapture() override {}
    void RunMoveLoop(ui::Form&) override {}
    bool AddNotifyIcon(const ui::NotifyIconData&) override { return true; }
    void RemoveNotifyIcon(const ui::NotifyIconData&) override {}
    bool ShowBalloon(ui::Form&, const ui::Balloon&) override { return true; }
    void RemoveBalloon(ui::Form&) override {}
    int ShowMenu(ui::Form&, const std::vector<ui::MenuItem>&, std::optional<ui::Point>) override {
        return -1;
    }
    ui::SaveFileAnswer ChooseSaveFile(ui::Form&, const ui::SaveFileRequest&) override { return {}; }
    bool OpenInNotepad(const std::string&) override { return false; }
    int FirstDayOfWeek() const override { return 0; }
    void RunInBackground(std::function<void()>, std::function<void()>) override {}
};

TEST_F(CalendarTest, EveryShownChangeReachesTheWindowSystemOnce) {
    RecordingSystem system;
    frmcalendar calendar(system, store, clock);
    Form1 settings(system, store, calendar, startAtLogOn);
    calendar.Label2.SetCaption("before loading");  // nothing to repaint yet
    calendar.SetLeft(100);
    EXPECT_TRUE(system.notices.empty());

    calendar.Show();
    // Its timer starts once, at load: one that had no interval is not started at all.
    EXPECT_EQ(std::count(system.notices.begin(), system.notices.end(), "Timer1"), 1);
    settings.Show();
    system.notices.clear();
    calendar.Label2.SetCaption("x");
    calendar.Label2.SetCaption("x");
    calendar.cbomonth.Clear();
    calendar.cbomonth.AddItem("一月");
    calendar.SetLeft(200);
    calendar.SetTop(300);
    calendar.SetBackColor(1);
    calendar.SetClientSize(calendar.ClientWidth() + 15, calendar.ClientHeight());
    calendar.SetClientSize(calendar.ClientWidth(), calendar.ClientHeight() + 15);
    calendar.Timer1.SetInterval(1000);
    settings.HScroll1.SetSteps(2, 6);
    settings.HScroll1.SetMin(60);
    settings.HScroll1.SetMax(100);  // pulls the value along, which runs the handler
    EXPECT_EQ(system.notices,
              (Names{"Label2", "cbomonth", "cbomonth", "frmcalendar", "frmcalendar", "frmcalendar",
                     "frmcalendar", "frmcalendar", "Timer1", "HScroll1", "HScroll1", "HScroll1",
                     "HScroll1", "Label4", "Shape4"}));
}

// A cell outside a grid is refused as an element array refuses an index.
TEST_F(CalendarTest, AGridCellOutsideTheGridIsRefused) {
    Start();
    ui::CellGrid grid(*cal, "grid", ui::Rect{}, {}, {});
    grid.SetCells(std::vector<ui::GridCell>(3));
    EXPECT_NO_THROW(grid.SetCell(0, grid.Cell(2)));
    EXPECT_THROW(grid.Cell(-1), platform::Error);
    EXPECT_THROW(grid.Cell(3), platform::Error);
    EXPECT_THROW(grid.SetCell(3, {}), platform::Error);
}

TEST_F(CalendarTest, AListChoiceMustNameAnEntryOrNone) {
    Start();
    ui::ComboBox box(*cal, "box", ui::Rect{}, "none", 0, 0, {});
    int clicks = 0;
    box.Click = [&clicks] { ++clicks; };
    box.AddItem("one");
    box.SetListIndex(0);
    EXPECT_EQ(box.Text(), "one");
    box.SetListIndex(-1);
    EXPECT_EQ(box.Text(), "none");
    EXPECT_THROW(box.SetListIndex(1), platform::Error);
    EXPECT_THROW(box.SetListIndex(-2), platform::Error);
    EXPECT_THROW(box.List(1), platform::Error);
    EXPECT_EQ(clicks, 2);
    box.SetListIndex(0);
    box.Clear();
    EXPECT_EQ(box.ListIndex(), -1);  // emptied: nothing chosen
}

}  // namespace
}  // namespace calendar_test
