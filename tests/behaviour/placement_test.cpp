// Places on screens of several monitors with their own scaling: a dragged place comes back to
// the pixel, the default place sits on the primary work area, the settings window is reachable.
#include <memory>

#include "platform/ui/placement.h"
#include "settings_window/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

using ui::Monitor;
using ui::PixelRect;

Monitor Screen(PixelRect bounds, int dpi, bool primary, PixelRect work = {}) {
    return {bounds, work == PixelRect{} ? bounds : work, dpi, primary};
}

// A 150 % laptop with a task bar and a 100 % monitor right of it; the reverse; a 125 % monitor
// left of and above the primary.
const std::vector<std::vector<Monitor>> kLayouts{
    {Screen({0, 0, 1920, 1080}, 144, true, {0, 0, 1920, 1040}),
     Screen({1920, 0, 2560, 1440}, 96, false)},
    {Screen({0, 0, 2560, 1440}, 96, true), Screen({2560, 0, 1920, 1080}, 144, false)},
    {Screen({0, 0, 1920, 1080}, 96, true), Screen({-1280, -1024, 1280, 1024}, 120, false)},
};

class Placement : public CalendarTest {
  protected:
    void Restart() {
        cal.reset();
        Start();
    }
    PixelRect CalendarPixels() const { return windows.PixelBounds(*cal); }
};

TEST_F(Placement, ADraggedPlaceComesBackToThePixelOnEveryMonitor) {
    for (const auto& layout : kLayouts) {
        windows.SetMonitors(layout);
        for (const Monitor& monitor : layout) {
            const int width = ui::TwipsToPixelSize(2895, monitor.Dpi);
            const int height = ui::TwipsToPixelSize(3270, monitor.Dpi);
            // Tucked into the bottom right corner, where a size of another scale would not fit.
            const PixelRect expected{monitor.WorkArea.Right() - width - 3,
                                     monitor.WorkArea.Bottom() - height - 2, width, height};
            Restart();
            DragTo(expected.Left * 15, expected.Top * 15);
            EXPECT_EQ(Stored("formX"), std::to_string(expected.Left * 15));
            Restart();
            EXPECT_EQ(CalendarPixels(), expected) << "monitor at dpi " << monitor.Dpi;
        }
    }
}

TEST_F(Placement, DefaultPlaceIsTheTopRightOfThePrimaryWorkAreaAtEveryScale) {
    const PixelRect screen{0, 0, 1920, 1080};
    const struct {
        int dpi;
        PixelRect work;
        int width;
        int height;
    } cases[] = {
        {96, {0, 0, 1920, 1040}, 193, 218},   {120, {0, 0, 1920, 1040}, 241, 273},
        {144, {0, 0, 1920, 1040}, 290, 327},  {192, {0, 0, 1920, 1040}, 386, 436},
        {144, {0, 40, 1920, 1040}, 290, 327},  // task bar on top
        {120, {0, 0, 1860, 1080}, 241, 273},   // task bar on the right
    };
    for (const auto& c : cases) {
        // A secondary monitor listed first must not take the window.
        windows.SetMonitors(
            {Screen({-1920, 0, 1920, 1080}, 96, false), Screen(screen, c.dpi, true, c.work)});
        backing.Erase(SettingsStore::kApplication, SettingsStore::kSection, "formX");
        Restart();
        const PixelRect expected{c.work.Right() - c.width, c.work.Top, c.width, c.height};
        EXPECT_EQ(CalendarPixels(), expected) << c.dpi;
        EXPECT_EQ(Stored("formX"), std::to_string(expected.Left * 15));
        EXPECT_EQ(Stored("formY"), std::to_string(expected.Top * 15));
        // The month view's first start: the same corner.
        Put("view", "1");
        backing.Erase(SettingsStore::kApplication, SettingsStore::kSection, "formX");
        Restart();
        EXPECT_EQ(CalendarPixels().Right(), c.work.Right()) << c.dpi;
        EXPECT_EQ(CalendarPixels().Top, c.work.Top) << c.dpi;
        Put("view", "0");
    }
}

// A switch keeps the top-right corner on every monitor at every scale and writes nothing but the
// view; the larger view then moves just inside the work area. A drag of the month view stores
// the compact view's place with that corner.
TEST_F(Placement, SwitchingViewsKeepsTheTopRightCornerInsideTheWorkArea) {
    for (const auto& layout : kLayouts) {
        windows.SetMonitors(layout);
        for (const Monitor& monitor : layout) {
            const PixelRect& work = monitor.WorkArea;
            SCOPED_TRACE(testing::Message() << monitor.Dpi << " dpi at " << work.Left);
            Restart();
            DragTo(ui::PixelsToPosition(work.Left + work.Width / 2),
                   ui::PixelsToPosition(work.Top + 40));
            const PixelRect compact = CalendarPixels();
            backing.ClearLog();
            cal->SetMonthView(true);
            const PixelRect month = CalendarPixels();
            EXPECT_EQ(month.Right(), compact.Right());
            EXPECT_EQ(month.Top, compact.Top);
            EXPECT_GT(month.Height, compact.Height);
            cal->SetMonthView(false);
            EXPECT_EQ(CalendarPixels(), compact);
            EXPECT_EQ(Written(), (Names{"view=1", "view=0"}));

            DragTo(ui::PixelsToPosition(work.Left), ui::PixelsToPosition(work.Bottom() - 60));
            cal->SetMonthView(true);
            EXPECT_EQ(CalendarPixels().Left, work.Left);
            EXPECT_EQ(CalendarPixels().Bottom(), work.Bottom());
            DragTo(ui::PixelsToPosition(work.Left + 600), ui::PixelsToPosition(work.Top + 100));
            const PixelRect dragged = CalendarPixels();
            cal->SetMonthView(false);
            EXPECT_EQ(CalendarPixels().Right(), dragged.Right());
            EXPECT_EQ(Stored("formX"), std::to_string(cal->Left()));
        }
    }
}

TEST_F(Placement, SettingsWindowOpensBelowTheCalendarInsideItsMonitorsWorkArea) {
    const struct {
        std::size_t layout;
        int left;  // the calendar's place, pixels
        int top;
        PixelRect expected;
    } cases[] = {
        {0, 1630, 0, {1618, 325, 302, 398}},      // default place at 150 %: moved left
        {0, 2000, 1300, {2000, 1175, 201, 265}},  // low on the 100 % monitor: moved up
        {0, 100, 50, {100, 375, 302, 398}},       // room enough: just below
        {2, -251, -283, {-251, -331, 251, 331}},  // above the primary, at 125 %
    };
    for (const auto& c : cases) {
        windows.SetMonitors(kLayouts[c.layout]);
        StoreFirstRunValuesWith("formX", std::to_string(c.left * 15));
        Put("formY", std::to_string(c.top * 15));
        Restart();
        Form1 settings(windows, store, *cal, startAtLogOn);
        cal->SetSettingsWindow(&settings);
        cal->Label8.RaiseClick();
        EXPECT_EQ(windows.PixelBounds(settings), c.expected) << c.left << "," << c.top;
        cal->SetSettingsWindow(nullptr);
    }
}

// The 100 % monitor unplugged, with news or while hidden: a calendar on it goes to the default
// place, one on the laptop stays, and the stored place stays the user's.
TEST_F(Placement, AMonitorGoneBringsTheCalendarOnItToTheDefaultPlace) {
    for (const int left : {2000, 100}) {
        for (const bool hidden : {false, true}) {
            windows.SetMonitors(kLayouts[0]);
            StoreFirstRunValuesWith("formX", std::to_string(left * 15));
            Restart();
            if (hidden) {
                cal->Label7.RaiseClick();
            }
            windows.SetMonitors({kLayouts[0][0]});
            hidden ? windows.SendNotifyIconMessage() : cal->RaiseDisplayChange();
            EXPECT_EQ(std::pair(CalendarPixels().Left, Stored("formX")),
                      std::pair(left == 2000 ? 1630 : 100, std::to_string(left * 15)));
        }
    }
}

// The settings window on the monitor unplugged comes back below the calendar; where it can
// still be reached it stays.
TEST_F(Placement, AMonitorGoneBringsTheSettingsWindowBackBelowTheCalendar) {
    windows.SetMonitors(kLayouts[0]);
    StoreFirstRunValuesWith("formX", std::to_string(2000 * 15));
    Restart();
    Form1 settings(windows, store, *cal, startAtLogOn);
    cal->SetSettingsWindow(&settings);
    cal->Label8.RaiseClick();
    windows.SetMonitors({kLayouts[0][0]});
    for (ui::Form* form : {static_cast<ui::Form*>(&settings), static_cast<ui::Form*>(cal.get())}) {
        form->RaiseDisplayChange();
    }
    EXPECT_EQ(windows.PixelBounds(settings), (PixelRect{1618, 325, 302, 398}));
    settings.SetLeft(100 * 15);
    settings.RaiseDisplayChange();
    EXPECT_EQ(windows.PixelBounds(settings).Left, 100);
    cal->SetSettingsWindow(nullptr);
}

// A window belongs to the monitor it covers most, by a single pixel's column too; off every
// monitor, to the nearest.
TEST(MonitorOf, TheMostCoveredElseTheNearest) {
    EXPECT_EQ(ui::MonitorOf(kLayouts[1], {2559, 1079, 10, 10}).Dpi, 96);
    EXPECT_EQ(ui::MonitorOf(kLayouts[0], {100, 1200, 10, 10}).Dpi, 144);
    // Just below the second monitor, a pixel right of the first and as low: the second.
    const std::vector<Monitor> pair{Screen({0, 0, 100, 100}, 96, true),
                                    Screen({100, 0, 100, 100}, 144, false)};
    EXPECT_EQ(ui::MonitorOf(pair, {101, 103, 10, 10}).Dpi, 144);
}

}  // namespace
}  // namespace calendar_test
