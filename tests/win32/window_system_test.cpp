// The real window system driven through its seam and through the messages Windows sends:
// the windows and controls it makes, what it paints, and the events the user's input
// becomes. Runs under Wine with a display (Xvfb) as well as on Windows.
#include "platform/win32/win32_window_system.h"

#include <windows.h>
#include <algorithm>

#include <gtest/gtest.h>

#include <shellapi.h>

#include <chrono>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {
namespace {

// One element of every kind; the surface's presses and moves are recorded.
class TestForm final : public ui::Form {
  public:
    explicit TestForm(ui::WindowSystem& system)
        : ui::Form(system, "TestForm", "测试-Test", 3000, 2250, ui::Rgb(0, 0, 0)),
          label(*this, "label", -1, ui::Rect{120, 120, 900, 255}, "月份&M", ui::Rgb(0, 255, 0),
                ui::Font{"宋体", 9, true}),
          mark(*this, "mark", -1, ui::Rect{2640, 0, 375, 255}, "×", ui::Rgb(255, 255, 255),
               ui::Font{"宋体", 10.5, true}, ui::TextAlignment::Centre),
          box(*this, "box", ui::Rect{120, 600, 855, 315}, "点击选择", ui::Rgb(0, 255, 0),
              ui::Rgb(64, 64, 64), ui::Font{}),
          bar(*this, "bar", 0, ui::Rect{120, 1200, 2175, 255}, 150),
          frame(*this, "frame", -1, ui::Rect{60, 60, 2800, 1800}, false, 0, ui::Rgb(0, 255, 0)),
          swatch(*this, "swatch", 0, ui::Rect{2400, 600, 255, 255}, ui::Rgb(255, 0, 0)),
          timer(*this, "timer") {
        for (ui::Element* element :
             std::vector<ui::Element*>{&label, &mark, &box, &bar, &frame, &swatch}) {
            AddElement(*element);
        }
        AddTimer(timer);
    }

    ui::Label label;
    ui::Label mark;
    ui::ComboBox box;
    ui::HScrollBar bar;
    ui::Shape frame;
    ui::PictureBox swatch;
    ui::Timer timer;
    std::vector<std::tuple<int, int, int, int>> presses;  // button, shift, x, y
    std::vector<int> moveButtons;

  private:
    void OnMouseDown(int button, int shift, int x, int y) override {
        presses.emplace_back(button, shift, x, y);
    }
    void OnMouseMove(int button, int, int, int) override { moveButtons.push_back(button); }
};

bool quitPosted = false;

// Dispatches what is queued until done() holds (at least once) or the time is up.
template <typename Done>
bool PumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            quitPosted = quitPosted || message.message == WM_QUIT;
            ::DispatchMessageW(&message);
        }
        if (done() || std::chrono::steady_clock::now() >= end) {
            return done();
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Pump() {
    PumpUntil([] { return true; });
}

std::wstring TextOf(HWND window) {
    wchar_t text[256]{};
    ::GetWindowTextW(window, text, 256);
    return text;
}

class Win32WindowSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        quitPosted = false;
        form.Show();
        Pump();
    }

    HWND Window() const { return static_cast<HWND>(system.NativeHandle(form)); }
    HWND Child(const wchar_t* windowClass, const wchar_t* text = nullptr) const {
        return ::FindWindowExW(Window(), nullptr, windowClass, text);
    }
    HWND Label(const wchar_t* text) const { return Child(L"LunadeskLabel", text); }
    // An element's pixel rectangle in the window.
    RECT PlaceOf(HWND child) const {
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    static void Click(HWND window, int x = 2, int y = 2) {
        ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    COLORREF PixelAt(int x, int y) const {
        ::RedrawWindow(Window(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const HDC dc = ::GetDC(Window());
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(Window(), dc);
        return colour;
    }
    int Px(int twips) const { return TwipsToPixelPosition(twips, dpi); }
    bool Dropped(HWND combo) const { return ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0); }

    const int dpi = SystemDpi();
    Win32WindowSystem system;
    TestForm form{system};
};

TEST_F(Win32WindowSystemTest, AFramelessToolWindowWhoseChildWindowsFollowTheModel) {
    RECT place{};
    RECT client{};
    ::GetWindowRect(Window(), &place);
    ::GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, place.right - place.left) << "no frame";
    const LONG_PTR style = ::GetWindowLongPtrW(Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);
    EXPECT_TRUE(::GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(TextOf(Window()), L"测试-Test");
    // Controls catch up with the model once the handler that changed it is done.
    const HWND label = Label(L"月份&M");
    form.label.SetCaption("年份&Y");
    form.label.SetVisible(false);
    Pump();
    EXPECT_EQ(TextOf(label), L"年份&Y");
    EXPECT_FALSE(::IsWindowVisible(label));
    form.Hide();
    EXPECT_FALSE(::IsWindowVisible(Window()));
}

TEST_F(Win32WindowSystemTest, MonitorsAreReportedInPixelsWithTheirWorkAreaAndDpi) {
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const std::vector<ui::Monitor> monitors = system.Monitors();
    ASSERT_EQ(std::count_if(monitors.begin(), monitors.end(),
                            [](const ui::Monitor& m) { return m.Primary; }),
              1);
    const ui::Monitor& primary = *std::find_if(monitors.begin(), monitors.end(),
                                               [](const ui::Monitor& m) { return m.Primary; });
    EXPECT_EQ(primary.Bounds, (ui::PixelRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                                             ::GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_EQ(primary.WorkArea,
              (ui::PixelRect{work.left, work.top, work.right - work.left, work.bottom - work.top}));
    EXPECT_EQ(primary.Dpi, dpi);
}

TEST_F(Win32WindowSystemTest, AClickOnALabelIsItsOwnAndNeverAPressOnTheSurface) {
    int clicks = 0;
    int swatchClicks = 0;
    form.mark.Click = [&] { ++clicks; };
    form.swatch.Click = [&] { ++swatchClicks; };
    const HWND mark = Label(L"×");
    Click(mark);
    EXPECT_EQ(clicks, 1);
    // Released outside: no click.
    ::SendMessageW(mark, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(mark, WM_LBUTTONUP, 0, MAKELPARAM(-4, 2));
    ::SendMessageW(mark, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(form.presses.empty());
    Click(Child(L"LunadeskPicture"));
    EXPECT_EQ(swatchClicks, 1);
}

TEST_F(Win32WindowSystemTest, PressesAndMovesOnTheSurfaceReachTheFormInTwips) {
    ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 100));
    ::SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT | MK_CONTROL, MAKELPARAM(4, 5));
    ::SendMessageW(Window(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(4, 5));
    using Press = std::tuple<int, int, int, int>;
    const int x = PixelsToTwips(4, dpi);
    const int y = PixelsToTwips(5, dpi);
    EXPECT_EQ(form.presses,
              (std::vector<Press>{{1, 0, PixelsToTwips(3, dpi), PixelsToTwips(100, dpi)},
                                  {2, 1 | 2, x, y},
                                  {4, 0, x, y}}));
    ::SendMessageW(Window(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(form.moveButtons.back(), 1 | 2);
    // The notification icon's message: its identifier 1 reads as the left button.
    ::SendMessageW(Window(), ui::kMouseMoveMessage, 1, WM_LBUTTONUP);
    EXPECT_EQ(form.moveButtons.back(), 1);
}

TEST_F(Win32WindowSystemTest, SurfaceAndLabelsPaintTheModel) {
    const int frameLeft = Px(60);
    const int middle = Px(60) + TwipsToPixelSize(1800, dpi) / 2;
    EXPECT_EQ(PixelAt(frameLeft, middle), RGB(0, 255, 0)) << "outline of the shape";
    EXPECT_EQ(PixelAt(frameLeft + 3, middle), RGB(0, 0, 0)) << "an unfilled shape's inside";
    form.frame.SetBorderColor(ui::Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(frameLeft, middle), RGB(255, 0, 0));
    // A label is transparent: its empty part shows the window's background...
    const RECT label = PlaceOf(Label(L"月份&M"));
    EXPECT_EQ(PixelAt(label.right - 2, label.bottom - 2), RGB(0, 0, 0));
    form.SetBackColor(static_cast<ui::Colour>(0x80000004u));  // the system's menu colour
    EXPECT_EQ(PixelAt(label.right - 2, label.bottom - 2), ::GetSysColor(COLOR_MENU));
    form.SetBackColor(ui::Rgb(0, 0, 128));
    // ... and its frame is drawn in the text colour.
    form.label.SetBorderStyle(1);
    EXPECT_EQ(PixelAt(label.right - 1, label.bottom - 1), RGB(0, 255, 0));
    form.label.SetBorderStyle(0);
    EXPECT_EQ(PixelAt(label.right - 1, label.bottom - 1), RGB(0, 0, 128));
    const RECT swatch = PlaceOf(Child(L"LunadeskPicture"));
    EXPECT_EQ(PixelAt((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2),
              RGB(255, 0, 0));
}

TEST_F(Win32WindowSystemTest, ComboBoxMirrorsTheModelAndRunsTheUsersChoiceOnce) {
    const HWND combo = Child(L"ComboBox");
    int clicks = 0;
    form.box.Click = [&] { ++clicks; };
    for (const char* month : {"一月", "二月", "三月"}) {
        form.box.AddItem(month);
    }
    form.box.SetListIndex(2);
    Pump();
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(clicks, 1) << "a choice from code runs the handler once, not again natively";

    // The user's choice: "selection ended OK" (mouse or Enter in the open list), "selection
    // changed" (keys on the closed box), or both, for one choice; a cancelled list, none.
    const WPARAM id = static_cast<WPARAM>(::GetDlgCtrlID(combo));
    for (const auto& [position, notifications, index, total] :
         {std::tuple{0, std::vector<WORD>{CBN_SELENDOK}, 0, 2},
          {0, {CBN_SELENDOK, CBN_SELCHANGE}, 0, 3},
          {1, {CBN_SELCHANGE}, 1, 4},
          {2, {CBN_SELENDCANCEL}, 1, 4}}) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        for (WORD notification : notifications) {
            ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, notification),
                           reinterpret_cast<LPARAM>(combo));
        }
        Pump();
        EXPECT_EQ(std::tuple(form.box.ListIndex(), clicks), std::tuple(index, total)) << position;
    }
    form.box.Clear();
    Pump();
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(Win32WindowSystemTest, ABoxOpenedByAUsersClickDropsItsList) {
    const HWND combo = Child(L"ComboBox");
    form.box.AddItem("一月");
    form.box.SetVisible(false);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(combo));
    form.box.SetVisible(true);
    Pump();
    EXPECT_FALSE(Dropped(combo)) << "shown by code: stays closed";
    form.box.SetVisible(false);
    Pump();
    form.label.Click = [&] { form.box.SetVisible(true); };
    Click(Label(L"月份&M"));
    EXPECT_TRUE(PumpUntil([&] { return Dropped(combo); }));
    form.box.SetVisible(false);
    Pump();
    EXPECT_FALSE(Dropped(combo));
}

TEST_F(Win32WindowSystemTest, ScrollBarFollowsTheModelAndTurnsRequestsIntoValues) {
    const HWND bar = Child(L"ScrollBar");
    form.bar.SetMin(50);
    form.bar.SetMax(255);
    form.bar.SetSteps(1, 5);
    form.bar.SetValue(200);
    Pump();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(bar, SB_CTL, &info);
    EXPECT_EQ(std::tuple(info.nMin, info.nMax, info.nPos), std::tuple(50, 255, 200));

    int changes = 0;
    form.bar.Change = [&] { ++changes; };
    // request, thumb, then the value and the number of changes: nothing runs while the
    // thumb is dragged, and nothing at an end.
    constexpr int kSteps[][4] = {{SB_LINERIGHT, 0, 201, 1},       {SB_PAGELEFT, 0, 196, 2},
                                 {SB_PAGERIGHT, 0, 201, 3},       {SB_THUMBTRACK, 100, 201, 3},
                                 {SB_THUMBPOSITION, 100, 100, 4}, {SB_LEFT, 0, 50, 5},
                                 {SB_LINELEFT, 0, 50, 5},         {SB_RIGHT, 0, 255, 6},
                                 {SB_THUMBPOSITION, 999, 255, 6}, {SB_ENDSCROLL, 0, 255, 6}};
    for (const auto& [request, thumb, value, total] : kSteps) {
        ::SendMessageW(Window(), WM_HSCROLL, MAKEWPARAM(request, thumb),
                       reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ(std::tuple(form.bar.Value(), changes), std::tuple(value, total)) << request;
    }
    Pump();
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 255);
    // A backwards range runs the other way.
    form.bar.SetMin(10);
    form.bar.SetMax(0);
    form.bar.SetValue(8);
    Pump();
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 2);
    ::SendMessageW(Window(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(form.bar.Value(), 7) << "towards Max";
}

TEST_F(Win32WindowSystemTest, TimersFireUntilStopped) {
    int ticks = 0;
    form.timer.Tick = [&] { ++ticks; };
    form.timer.SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    form.timer.SetInterval(0);
    const int stopped = ticks;
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Win32WindowSystemTest, LayeredWindowTakesTheAlphaAndNoColourKey) {
    system.MakeLayered(form);
    EXPECT_TRUE(::GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_LAYERED);
    system.SetAlpha(form, 50);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(Window(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 50);
    // A colour key would make the black surface see-through.
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(Win32WindowSystemTest, CloseRequestUnloadsTheLastWindowEndsTheLoopAndItOpensAgain) {
    const HWND window = Window();
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(system.NativeHandle(form), nullptr);
    EXPECT_TRUE(PumpUntil([] { return quitPosted; }));
    form.Show();
    EXPECT_NE(Label(L"月份&M"), nullptr);
}

TEST_F(Win32WindowSystemTest, NotifyIconComesAndGoesAndSurvivesATrayRestart) {
    const ui::NotifyIconData icon{&form, 1, 7, ui::kMouseMoveMessage, "日历"};
    ASSERT_TRUE(system.AddNotifyIcon(icon));
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = Window();
    probe.uID = 1;
    const auto exists = [&] { return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE; };
    EXPECT_TRUE(exists());
    // The notification area restarts without the icon; the window adds it again.
    ::Shell_NotifyIconW(NIM_DELETE, &probe);
    EXPECT_FALSE(exists());
    ::SendMessageW(Window(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(exists());
    system.RemoveNotifyIcon(icon);
    EXPECT_FALSE(exists());
    // No icon for a window that is not there.
    TestForm unloaded(system);
    EXPECT_FALSE(system.AddNotifyIcon(ui::NotifyIconData{&unloaded, 1, 7, 0x200, "日历"}));
}

TEST_F(Win32WindowSystemTest, BackFromTheTrayItLeavesTheKeyboardWhereItIs) {
    UniqueWindow other(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                         50, nullptr, nullptr, nullptr, nullptr));
    ::SetForegroundWindow(other.Get());
    Pump();
    ASSERT_EQ(::GetForegroundWindow(), other.Get());
    const ui::NotifyIconData icon{&form, 1, 7, ui::kMouseMoveMessage, "日历"};
    ASSERT_TRUE(system.AddNotifyIcon(icon));
    form.Hide();
    form.Show();
    Pump();
    EXPECT_TRUE(::IsWindowVisible(Window()));
    EXPECT_EQ(::GetForegroundWindow(), other.Get());
    system.RemoveNotifyIcon(icon);
    // Shown otherwise (the settings mark), it is the window the user works with.
    form.Hide();
    form.Show();
    Pump();
    EXPECT_EQ(::GetForegroundWindow(), Window());
}

}  // namespace
}  // namespace platform::win32
