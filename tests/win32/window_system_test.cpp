// What only the real window system shows: the windows and controls it makes from the model,
// what it paints, and the events the user's input becomes. What a handler makes of an event
// and where a window goes are proven on the headless window system. Runs under Wine with a
// display (Xvfb) as well as on Windows.
#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/memory_settings_backing.h"
#include "platform/ui/cell_grid.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/notify_icon.h"
#include "platform/win32/painting.h"
#include "platform/win32/single_instance.h"
#include "settings/settings_store.h"
#include "tests/kinds_form.h"

namespace platform::win32 {
namespace {

// One element of every kind; the surface's presses and moves are recorded.
class TestForm final : public ui::Form {
  public:
    explicit TestForm(ui::WindowSystem& system)
        : ui::Form(system, "TestForm", "测试-Test", 3000, 2250, ui::Rgb(0, 0, 0)),
          label(*this, "label", -1, ui::Rect{120, 120, 900, 255}, "月份&M", ui::Rgb(0, 255, 0),
                ui::Font{"宋体", 9, true}),
          box(*this, "box", ui::Rect{120, 600, 855, 315}, "点击选择", ui::Rgb(0, 255, 0),
              ui::Rgb(64, 64, 64), ui::Font{}),
          bar(*this, "bar", 0, ui::Rect{120, 1200, 2175, 255}, 150),
          frame(*this, "frame", -1, ui::Rect{60, 60, 2800, 1800}, false, 0, ui::Rgb(0, 255, 0)),
          swatch(*this, "swatch", 0, ui::Rect{2400, 600, 255, 255}, ui::Rgb(255, 0, 0)),
          timer(*this, "timer") {
        for (ui::Element* element :
             std::vector<ui::Element*>{&label, &box, &bar, &frame, &swatch}) {
            AddElement(*element);
        }
        AddTimer(timer);
    }

    ui::Label label;
    ui::ComboBox box;
    ui::HScrollBar bar;
    ui::Shape frame;
    ui::PictureBox swatch;
    ui::Timer timer;
    std::vector<std::tuple<int, int, int, int>> presses;  // button, shift, x, y
    std::vector<int> moveButtons;
    int displayChanges = 0;
    std::vector<std::optional<ui::Point>> menus;
    const ui::Element* standIn = nullptr;  // stands for the window's focus (as the framed day)

    // The swatch a button.
    ui::AccessibleInfo Accessible(const ui::Element& element) const override {
        ui::AccessibleInfo info = &element == &swatch ? ui::PushButton(element, "红色")
                                                      : ui::DefaultAccessibleInfo(element);
        info.Focused = info.Focused || &element == standIn;
        return info;
    }

  private:
    void OnContextMenu(std::optional<ui::Point> at) override { menus.push_back(at); }
    // A key moves the focus that the stand-in stands for.
    bool OnKeyDown(int key, int) override {
        standIn = key == ui::kKeyRight ? &swatch : standIn;
        return key == ui::kKeyRight;
    }
    void OnMouseDown(int button, int shift, int x, int y) override {
        presses.emplace_back(button, shift, x, y);
    }
    void OnMouseMove(int button, int, int, int) override { moveButtons.push_back(button); }
    void OnDisplayChange() override { ++displayChanges; }
};

// Dispatches what is queued until done() holds (at least once) or the time is up.
template <typename Done>
bool PumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
    for (const auto end = std::chrono::steady_clock::now() + limit;;) {
        for (MSG message{}; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
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

void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam = MAKELPARAM(2, 2)) {
    ::SendMessageW(window, message, wParam, lParam);
}

class Win32WindowSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.Show();
        Pump();
    }

    HWND Window() const { return static_cast<HWND>(system.NativeHandle(form)); }
    HWND Child(const wchar_t* windowClass) const {
        return ::FindWindowExW(Window(), nullptr, windowClass, nullptr);
    }
    HWND Label() const { return Child(L"LunadeskLabel"); }
    RECT PlaceOf(HWND child) const {
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    COLORREF PixelAt(int x, int y) const {
        ::RedrawWindow(Window(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return ::GetPixel(WindowDc(Window()).Get(), x, y);
    }
    bool Dropped(HWND combo) const { return ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0); }

    const int dpi = SystemDpi();
    Win32WindowSystem system;
    TestForm form{system};
};

TEST_F(Win32WindowSystemTest, AFramelessWindowInAltTabWhoseChildWindowsFollowTheModel) {
    RECT place{};
    RECT client{};
    ::GetWindowRect(Window(), &place);
    ::GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, place.right - place.left) << "no frame";
    EXPECT_EQ(::GetWindowLongPtrW(Window(), GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
              WS_POPUP);
    EXPECT_EQ(TextOf(Window()), L"测试-Test");
    EXPECT_EQ(::GetModuleHandleW(L"comdlg32.dll"), nullptr) << "loaded only for a save dialog";
    // Both in Alt+Tab by its rule (the root owner's last active popup, once used), neither with
    // a taskbar button (owned, no tool or app window style), nor an input method.
    TestForm other(system);
    other.Show();
    const HWND windows[] = {static_cast<HWND>(system.NativeHandle(other)), Window()};
    for (const HWND window : windows) {
        ::SetForegroundWindow(window);
        Pump();
    }
    for (const HWND window : windows) {
        const HWND owner = ::GetAncestor(window, GA_ROOTOWNER);
        EXPECT_EQ(
            std::tuple(
                ::GetLastActivePopup(owner), ::IsWindowVisible(owner), TextOf(owner),
                ::GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
                ::ImmGetContext(window), ::ImmGetContext(::GetWindow(window, GW_CHILD))),
            std::tuple(window, FALSE, std::wstring(), LONG_PTR{0}, HIMC{}, HIMC{}));
    }
    // Controls catch up with the model once the handler that changed it is done.
    EXPECT_EQ(TextOf(Label()), L"月份&M");
    form.label.SetCaption("年份&Y");
    form.label.SetVisible(false);
    Pump();
    EXPECT_EQ(TextOf(Label()), L"年份&Y");
    EXPECT_FALSE(::IsWindowVisible(Label()));
    form.Hide();
    EXPECT_FALSE(::IsWindowVisible(Window()));
}

// The system's moves reach the form, as does the news of a changed screen.
TEST_F(Win32WindowSystemTest, MovesByTheSystemAndScreenChangesReachTheForm) {
    ::SetWindowPos(Window(), nullptr, 200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Send(Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    Send(Window(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);  // a task bar moved
    EXPECT_EQ(std::tuple(form.Left(), form.Top(), form.displayChanges), std::tuple(3000, 4500, 2));
}

// Background work ends on its own thread and its result is taken by the message loop, on this
// thread; once the system is gone, a late end is dropped.
TEST_F(Win32WindowSystemTest, BackgroundWorkEndsOnTheMessageLoopAndNotAfterTheSystem) {
    const DWORD ui = ::GetCurrentThreadId();
    DWORD workedOn = 0, doneOn = 0;
    system.RunInBackground([&] { workedOn = ::GetCurrentThreadId(); },
                           [&] { doneOn = ::GetCurrentThreadId(); });
    EXPECT_TRUE(PumpUntil([&] { return doneOn != 0; }));
    EXPECT_EQ(doneOn, ui);
    EXPECT_NE(workedOn, ui);
    auto other = std::make_unique<Win32WindowSystem>();
    const UniqueHandle<HANDLE, ::CloseHandle> release(
        ::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    bool lateDone = false;
    other->RunInBackground([event = release.Get()] { ::WaitForSingleObject(event, INFINITE); },
                           [&] { lateDone = true; });
    other.reset();
    ::SetEvent(release.Get());
    EXPECT_FALSE(PumpUntil([&] { return lateDone; }, std::chrono::milliseconds(300)));
}

TEST_F(Win32WindowSystemTest, MonitorsAreReportedInPixelsWithTheirWorkAreaAndDpi) {
    RECT work{};
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const std::vector<ui::Monitor> monitors = system.Monitors();
    const auto primary = [](const ui::Monitor& m) { return m.Primary; };
    ASSERT_EQ(std::count_if(monitors.begin(), monitors.end(), primary), 1);
    const ui::Monitor& first = *std::find_if(monitors.begin(), monitors.end(), primary);
    EXPECT_EQ(first.Bounds, (ui::PixelRect{0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                                           ::GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_EQ(first.WorkArea,
              (ui::PixelRect{work.left, work.top, work.right - work.left, work.bottom - work.top}));
    EXPECT_EQ(first.Dpi, ::GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSX));
}

TEST_F(Win32WindowSystemTest, AClickOnAControlIsItsOwnAndPressesOnTheBareSurfaceAreTheForms) {
    int clicks = 0;
    int swatchClicks = 0;
    form.label.Click = [&] { ++clicks; };
    form.swatch.Click = [&] { ++swatchClicks; };
    for (const HWND control : {Label(), Child(L"LunadeskPicture")}) {
        Send(control, WM_LBUTTONDOWN, MK_LBUTTON);
        Send(control, WM_LBUTTONUP, 0);
    }
    // Released outside, or the right button: no click.
    Send(Label(), WM_LBUTTONDOWN, MK_LBUTTON);
    Send(Label(), WM_LBUTTONUP, 0, MAKELPARAM(-4, 2));
    Send(Label(), WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(std::tuple(clicks, swatchClicks), std::tuple(1, 1));
    EXPECT_TRUE(form.presses.empty());

    Send(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 100));
    Send(Window(), WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT | MK_CONTROL, MAKELPARAM(4, 5));
    Send(Window(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(4, 5));
    const int x = PixelsToTwips(4, dpi);
    const int y = PixelsToTwips(5, dpi);
    EXPECT_EQ(form.presses,
              (decltype(form.presses){{1, 0, PixelsToTwips(3, dpi), PixelsToTwips(100, dpi)},
                                      {2, 1 | 2, x, y},
                                      {4, 0, x, y}}));
    Send(Window(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON);
    // The notification icon's message: its identifier 1 reads as the left button.
    Send(Window(), ui::kMouseMoveMessage, 1, WM_LBUTTONUP);
    EXPECT_EQ(form.moveButtons, (std::vector<int>{1 | 2, 1}));
}

TEST_F(Win32WindowSystemTest, SurfaceAndControlsPaintTheModel) {
    const int edge = TwipsToPixelPosition(60, dpi);
    const int middle = edge + TwipsToPixelSize(1800, dpi) / 2;
    EXPECT_EQ(PixelAt(edge, middle), RGB(0, 255, 0)) << "outline of the shape";
    EXPECT_EQ(PixelAt(edge + 3, middle), RGB(0, 0, 0)) << "an unfilled shape's inside";
    form.frame.SetBorderColor(ui::Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(edge, middle), RGB(255, 0, 0));
    // A label is transparent: its empty part shows the window's background...
    const RECT label = PlaceOf(Label());
    EXPECT_EQ(PixelAt(label.right - 2, label.bottom - 2), RGB(0, 0, 0));
    form.SetBackColor(ui::SystemColour(4));  // the menu colour
    EXPECT_EQ(PixelAt(label.right - 2, label.bottom - 2), ::GetSysColor(COLOR_MENU));
    form.SetBackColor(ui::Rgb(0, 0, 128));
    EXPECT_EQ(PixelAt(label.right - 1, label.bottom - 1), RGB(0, 0, 128));
    const RECT swatch = PlaceOf(Child(L"LunadeskPicture"));
    EXPECT_EQ(PixelAt((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2),
              RGB(255, 0, 0));
}

// A window with two layouts: its elements move (a shape's old outline goes) and it resizes.
TEST_F(Win32WindowSystemTest, ElementsMoveAndTheWindowResizes) {
    form.frame.SetBounds(ui::Rect{300, 60, 2500, 1800});
    form.label.SetBounds(ui::Rect{150, 1500, 900, 255});
    form.SetClientSize(4500, 3000);
    Pump();
    RECT client{};
    ::GetClientRect(Window(), &client);
    const int middle = TwipsToPixelPosition(960, dpi);
    EXPECT_EQ(std::tuple(PixelAt(TwipsToPixelPosition(60, dpi), middle),
                         PixelAt(TwipsToPixelPosition(300, dpi), middle), PlaceOf(Label()).top,
                         client.right),
              std::tuple(RGB(0, 0, 0), RGB(0, 255, 0), TwipsToPixelPosition(1500, dpi),
                         TwipsToPixelSize(4500, dpi)));
}

TEST_F(Win32WindowSystemTest, ComboBoxMirrorsTheModelRunsTheUsersChoiceOnceAndDropsForAClick) {
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
    for (const auto& [position, notifications, index, total] :
         {std::tuple{0, std::vector<WORD>{CBN_SELENDOK}, 0, 2},
          {0, {CBN_SELENDOK, CBN_SELCHANGE}, 0, 3},
          {1, {CBN_SELCHANGE}, 1, 4},
          {2, {CBN_SELENDCANCEL}, 1, 4}}) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        for (WORD notification : notifications) {
            Send(Window(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), notification),
                 reinterpret_cast<LPARAM>(combo));
        }
        Pump();
        EXPECT_EQ(std::tuple(form.box.ListIndex(), clicks), std::tuple(index, total)) << position;
    }
    // Shown by code it stays closed; shown by a user's click it drops its list.
    form.box.SetVisible(true);
    Pump();
    EXPECT_FALSE(Dropped(combo));
    form.box.SetVisible(false);
    Pump();
    form.label.Click = [&] { form.box.SetVisible(true); };
    Send(Label(), WM_LBUTTONDOWN, MK_LBUTTON);
    Send(Label(), WM_LBUTTONUP, 0);
    EXPECT_TRUE(PumpUntil([&] { return Dropped(combo); }));
    form.box.SetVisible(false);
    Pump();
    EXPECT_FALSE(Dropped(combo)) << "hidden with the list open";
    form.box.Clear();
    Pump();
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(Win32WindowSystemTest, ScrollBarFollowsTheModelAndTurnsRequestsIntoValues) {
    const HWND bar = Child(L"ScrollBar");
    form.bar.SetMin(50);
    form.bar.SetMax(255);
    form.bar.SetSteps(1, 5);
    form.bar.SetValue(200);
    Pump();
    int changes = 0;
    form.bar.Change = [&] { ++changes; };
    // request, thumb, then the value and the number of changes: nothing runs while the
    // thumb is dragged, and nothing at an end. Each step starts where the native bar is.
    constexpr int kSteps[][4] = {{SB_LINERIGHT, 0, 201, 1},       {SB_PAGELEFT, 0, 196, 2},
                                 {SB_PAGERIGHT, 0, 201, 3},       {SB_THUMBTRACK, 100, 201, 3},
                                 {SB_THUMBPOSITION, 100, 100, 4}, {SB_LEFT, 0, 50, 5},
                                 {SB_LINELEFT, 0, 50, 5},         {SB_RIGHT, 0, 255, 6},
                                 {SB_THUMBPOSITION, 999, 255, 6}, {SB_ENDSCROLL, 0, 255, 6}};
    for (const auto& [request, thumb, value, total] : kSteps) {
        Send(Window(), WM_HSCROLL, MAKEWPARAM(request, thumb), reinterpret_cast<LPARAM>(bar));
        EXPECT_EQ(std::tuple(form.bar.Value(), changes), std::tuple(value, total)) << request;
    }
    Pump();
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 255);
}

std::vector<HWND> focusEvents;  // the child windows EVENT_OBJECT_FOCUS names, in order
void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    if ((::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0) {
        focusEvents.push_back(window);
    }
}

// The message loop's dialog navigation is only for a window with tab stops: the calendar's
// keys, Tab too, reach its own procedure. In a dialog every focus move, in Tab order and not
// in design order, is heard once.
TEST_F(Win32WindowSystemTest, DialogNavigationOnlyWhereThereAreTabStops) {
    TestForm dialog(system);
    dialog.swatch.SetTabIndex(0);
    dialog.bar.SetTabIndex(1);
    dialog.label.SetTabIndex(2);
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocusEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    dialog.Show();
    const std::uint64_t inputs = system.UserInputs();
    for (const HWND target : {Window(), HWND{}, HWND{}, HWND{}}) {
        MSG message{target != nullptr ? target : ::GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
        EXPECT_EQ(system.DialogMessage(message), target == nullptr);
        if (target != nullptr) {
            ::DispatchMessageW(&message);
        }
        Pump();
    }
    ::UnhookWinEvent(hook);
    EXPECT_EQ(system.UserInputs(), inputs + 4);
    // Child identifiers follow the design order: the label's 1000, the bar's 1002, the swatch's.
    const HWND window = static_cast<HWND>(system.NativeHandle(dialog));
    const auto child = [&](int id) { return ::GetDlgItem(window, id); };
    EXPECT_EQ(focusEvents, (std::vector<HWND>{child(1004), child(1002), child(1000), child(1004)}));
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

// That the last window gone ends the program is seen from outside, by the end-to-end stories.
TEST_F(Win32WindowSystemTest, ACloseRequestDestroysTheWindowAndItOpensAgain) {
    const HWND window = Window();
    Send(window, WM_CLOSE, 0);
    EXPECT_FALSE(::IsWindow(window));
    form.Show();
    EXPECT_NE(Label(), nullptr);
}

TEST_F(Win32WindowSystemTest, TheTrayIconSurvivesATrayRestartAndBringsTheWindowBackQuietly) {
    UniqueWindow other(::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                         50, nullptr, nullptr, nullptr, nullptr));
    const ui::NotifyIconData icon{&form, 1, 7, ui::kMouseMoveMessage, "日历", ""};
    ASSERT_TRUE(system.AddNotifyIcon(icon));
    // News of its balloon is nobody pointing at it.
    for (LPARAM balloon = NIN_BALLOONSHOW; balloon <= NIN_BALLOONUSERCLICK; ++balloon) {
        Send(Window(), ui::kMouseMoveMessage, 1, balloon);
    }
    EXPECT_TRUE(form.moveButtons.empty());
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = Window();
    probe.uID = 1;
    const auto exists = [&] { return ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE; };
    // The notification area restarts without the icon; the window adds it again.
    ::Shell_NotifyIconW(NIM_DELETE, &probe);
    ASSERT_FALSE(exists());
    Send(Window(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(exists());
    // Back from the tray it leaves the keyboard where it is...
    ::SetForegroundWindow(other.Get());
    form.Hide();
    form.Show();
    Pump();
    EXPECT_EQ(::GetForegroundWindow(), other.Get());
    system.RemoveNotifyIcon(icon);
    // ... shown otherwise (the settings mark), it is the window the user works with.
    form.Hide();
    form.Show();
    Pump();
    EXPECT_EQ(::GetForegroundWindow(), Window());
    // Clicked or chosen by keys (the right button, version 0), the icon gives the keyboard.
    for (const auto& [message, takesFocus] :
         {std::pair{WM_MOUSEMOVE, false}, {WM_LBUTTONUP, true}, {WM_RBUTTONDOWN, true}}) {
        ::SetForegroundWindow(other.Get());
        Send(Window(), ui::kMouseMoveMessage, 1, message);
        Pump();
        EXPECT_EQ(::GetForegroundWindow() == Window(), takesFocus) << message;
    }
}

bool refuseGuid = false;
std::vector<std::tuple<DWORD, UINT, bool, bool>> shellCalls;  // message, id, our GUID, balloon
BOOL FakeShell(DWORD message, NOTIFYICONDATAW& record) {
    const bool byGuid = (record.uFlags & NIF_GUID) != 0 &&
                        ::IsEqualGUID(record.guidItem, NotifyIconGuid(L"c:\\A\\LUNADESK.exe"));
    shellCalls.emplace_back(message, record.uID, byGuid, (record.uFlags & NIF_INFO) != 0);
    return !(refuseGuid && byGuid && message == NIM_ADD);
}

// Known by the program's path, however cased, else by its id alone; the balloon only as first
// added, not again when the notification area restarts.
TEST(NotifyIconTest, KnownByThePathElseByItsIdWithItsBalloonOnce) {
    EXPECT_FALSE(::IsEqualGUID(NotifyIconGuid(L"C:\\A\\x.exe"), NotifyIconGuid(L"C:\\B\\x.exe")));
    const ui::NotifyIconData data{nullptr, 1, 7 | 16, ui::kMouseMoveMessage, "日历", "hint"};
    using Calls = std::vector<std::tuple<DWORD, UINT, bool, bool>>;
    for (const auto& [refused, expected] : {std::pair{false, Calls{{NIM_ADD, 1, true, true},
                                                                   {NIM_ADD, 1, true, false},
                                                                   {NIM_DELETE, 1, true, false}}},
                                            {true, Calls{{NIM_ADD, 1, true, true},
                                                         {NIM_ADD, 1, false, true},
                                                         {NIM_ADD, 1, false, false},
                                                         {NIM_DELETE, 1, false, false}}}}) {
        refuseGuid = refused;
        shellCalls.clear();
        NotifyIcon icon(1, L"C:\\A\\lunadesk.exe", FakeShell);
        ASSERT_TRUE(icon.Add(::GetDesktopWindow(), data));
        icon.Restore(::GetDesktopWindow());
        icon.Remove(::GetDesktopWindow(), data);
        EXPECT_EQ(shellCalls, expected) << refused;
    }
}

// A balloon from the window's own icon while it is there, else from an icon of the balloon's
// own (by its id: the GUID is the window's icon's), which goes with the balloon or the program.
TEST(NotifyIconTest, ABalloonFromTheWindowsIconElseFromItsOwn) {
    refuseGuid = false;
    shellCalls.clear();
    const HWND window = ::GetDesktopWindow();
    const ui::Balloon balloon{"日历提醒", "今天：体检"};
    const ui::NotifyIconData data{nullptr, 1, 7, ui::kMouseMoveMessage, "日历", ""};
    {
        NotifyIcon icon(1, L"C:\\A\\lunadesk.exe", FakeShell);
        ASSERT_TRUE(icon.ShowBalloon(window, balloon));
        icon.RemoveBalloon(window);
        ASSERT_TRUE(icon.Add(window, data));
        ASSERT_TRUE(icon.ShowBalloon(window, balloon));
        icon.Remove(window, data);
        ASSERT_TRUE(icon.ShowBalloon(window, balloon));
    }
    using Calls = std::vector<std::tuple<DWORD, UINT, bool, bool>>;
    EXPECT_EQ(shellCalls, (Calls{{NIM_ADD, 2, false, true},
                                 {NIM_DELETE, 2, false, false},
                                 {NIM_ADD, 1, true, false},
                                 {NIM_MODIFY, 1, true, true},
                                 {NIM_DELETE, 1, true, false},
                                 {NIM_ADD, 2, false, true},
                                 {NIM_DELETE, 2, false, false}}));
}

// A lock this user may not open, as one run as administrator holds it, means one runs.
TEST(SingleInstanceTest, ALockRefusedMeansAnotherCopyRuns) {
    ACL empty{};
    SECURITY_DESCRIPTOR denied{};
    ::InitializeAcl(&empty, sizeof(empty), ACL_REVISION);
    ::InitializeSecurityDescriptor(&denied, SECURITY_DESCRIPTOR_REVISION);
    ::SetSecurityDescriptorDacl(&denied, TRUE, &empty, FALSE);
    SECURITY_ATTRIBUTES elevated{sizeof(elevated), &denied, FALSE};
    const UniqueHandle<HANDLE, ::CloseHandle> lock(::CreateMutexW(&elevated, FALSE, L"Local\\T"));
    EXPECT_FALSE(SingleInstance(L"Local\\T").First());
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << "not refused here";
}

bool contrastOn = false;

// The system's contrast theme cannot be switched under Wine: the test stands in for it.
TEST_F(Win32WindowSystemTest, AContrastThemeRepaintsInSystemColoursAndMakesTheWindowOpaque) {
    system.SetHighContrastQuery([] { return contrastOn; });
    system.MakeLayered(form);
    system.SetAlpha(form, 50);
    const RECT label = PlaceOf(Label());
    const int edge = TwipsToPixelPosition(60, dpi);  // the shape's outline
    for (const bool on : {true, false}) {
        contrastOn = on;
        Send(Window(), on ? WM_SYSCOLORCHANGE : WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        BYTE alpha = 0;
        ::GetLayeredWindowAttributes(Window(), nullptr, &alpha, nullptr);
        EXPECT_EQ(std::tuple(PixelAt(label.right + 2, label.bottom + 2),
                             PixelAt(edge, label.bottom), alpha),
                  on ? std::tuple(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT), 255)
                     : std::tuple(RGB(0, 0, 0), RGB(0, 255, 0), 50))
            << on;
    }
}

// The access keys are underlined once Alt is pressed. (Wine's DrawText underlines nothing, so
// the window's state is read, not its pixels.)
TEST_F(Win32WindowSystemTest, AltShowsTheAccessKeys) {
    ASSERT_TRUE(::SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, nullptr, 0));
    TestForm other(system);
    other.Show();
    const HWND window = static_cast<HWND>(system.NativeHandle(other));
    EXPECT_EQ(::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL, UISF_HIDEACCEL);
    Send(window, WM_SYSKEYDOWN, VK_MENU, 1);
    EXPECT_EQ(::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL, 0);
    // The user's setting changes while the window is open: it follows at once.
    Send(window, WM_SETTINGCHANGE, SPI_SETKEYBOARDCUES, 0);
    EXPECT_EQ(::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL, UISF_HIDEACCEL);
}

// A right click on an element is seen end to end; the surface's own right press opens the
// menu itself (as the calendar does), so only the keyboard's request is passed on.
TEST_F(Win32WindowSystemTest, TheMenuKeyAsksForTheMenuAndTheSurfaceNotASecondTime) {
    Send(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Label()), -1);
    Send(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(5, 5));
    // x and y -1 in the low 32 bits only, as some senders pack them: the keyboard too.
    Send(Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Label()), LPARAM{0xFFFFFFFF});
    ASSERT_EQ(form.menus.size(), 2u);
    EXPECT_FALSE(form.menus[0] || form.menus[1]);
}

// An object's child by its id; CHILDID_SELF (0) is the object itself.
VARIANT Self(LONG child = CHILDID_SELF) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = child;
    return self;
}

constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

IAccessible* ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    ::AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible,
                                 reinterpret_cast<void**>(&object));
    return object;
}

std::wstring Said(HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*),
                  IAccessible* object, LONG child = CHILDID_SELF) {
    BSTR text = nullptr;
    std::wstring said = SUCCEEDED((object->*ask)(Self(child), &text)) && text ? text : L"<none>";
    ::SysFreeString(text);
    return said;
}

// Heard from the first key, before any object was asked for: the focus follows the stand-in
// on the user's key, not on a change from code. The swatch is pressed after the call returns.
// (Roles and values are read end to end.)
TEST_F(Win32WindowSystemTest, ScreenReadersHearTheFocusFromTheFirstKeyAndPressButtonsLater) {
    focusEvents.clear();
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocusEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    TestForm other(system);
    other.standIn = &other.label;
    other.Show();
    const HWND window = static_cast<HWND>(system.NativeHandle(other));
    Pump();
    Send(window, WM_KEYDOWN, VK_RIGHT, 1);
    other.standIn = &other.label;
    other.label.SetCaption("changed by code");
    Pump();
    ::UnhookWinEvent(hook);
    const HWND label = ::FindWindowExW(window, nullptr, L"LunadeskLabel", nullptr);
    const HWND swatch = ::FindWindowExW(window, nullptr, L"LunadeskPicture", nullptr);
    EXPECT_EQ(focusEvents, (std::vector<HWND>{label, swatch}));

    other.standIn = &other.swatch;
    IAccessible* const button = ObjectOf(swatch);
    IAccessible* const whole = ObjectOf(window);
    ASSERT_TRUE(button && whole);
    VARIANT focus{}, state{};
    EXPECT_EQ(Said(&IAccessible::get_accDefaultAction, button), L"按下");
    int clicks = 0;
    other.swatch.Click = [&] { ++clicks; };
    EXPECT_EQ(std::pair(button->accDoDefaultAction(Self()), clicks), std::pair(S_OK, 0));
    Pump();
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(std::pair(whole->get_accFocus(&focus), focus.vt),
              std::pair(S_OK, VARTYPE{VT_DISPATCH}));
    auto* focused = static_cast<IAccessible*>(static_cast<void*>(focus.pdispVal));
    EXPECT_EQ(Said(&IAccessible::get_accName, focused), L"红色");
    ASSERT_EQ(focused->get_accState(Self(), &state), S_OK);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSED);
    for (IAccessible* object : {button, whole, focused}) {
        object->Release();
    }
}

bool Offers(IUnknown* object, const IID& iid) {
    IUnknown* other = nullptr;
    if (FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&other)))) {
        return false;
    }
    other->Release();
    return true;
}

// IEnumVARIANT, IAccIdentity, IServiceProvider, spelled out as kIidAccessible is.
constexpr IID kPassedThrough[] = {
    {0x00020404, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}},
    {0x7852b78d, 0x1cfd, 0x41c1, {0xa6, 0x15, 0x9c, 0x0c, 0x85, 0x96, 0x0b, 0x5f}},
    {0x6d5140c1, 0x7436, 0x11ce, {0x80, 0x34, 0x00, 0xaa, 0x00, 0x60, 0x09, 0xfa}}};

// The object of a system control offers what the system's own object for it offers, so that
// UI Automation's bridge keeps it.
TEST_F(Win32WindowSystemTest, ASystemControlsObjectOffersWhatTheSystemsOwnOffers) {
    const HWND box = Child(L"ComboBox");
    IAccessible* const ours = ObjectOf(box);
    IAccessible* system = nullptr;
    ::CreateStdAccessibleObject(box, OBJID_CLIENT, kIidAccessible,
                                reinterpret_cast<void**>(&system));
    ASSERT_TRUE(ours && system);
    EXPECT_TRUE(Offers(system, kPassedThrough[0])) << "nothing to pass through";
    for (const IID& iid : kPassedThrough) {
        EXPECT_EQ(Offers(ours, iid), Offers(system, iid)) << iid.Data1;
    }
    ours->Release();
    system->Release();
}

constexpr ui::Colour kRed = 0xFF, kGreen = 0xFF00, kBlue = 0xFF0000, kYellow = 0xFFFF;

// A yellow heading over 3 x 2 cells of 60 x 40 pixels at 96 dpi: a red 8 with a green 休,
// framed in blue; one marked in yellow; one unavailable. A click frames its cell.
class GridForm final : public ui::Form {
  public:
    explicit GridForm(ui::WindowSystem& system)
        : ui::Form(system, "GridForm", "Grid", 3600, 2400, 0),
          grid(*this, "grid", ui::Rect{300, 300, 2700, 1500}, ui::Font{"宋体", 12, true},
               ui::Font{"宋体", 9, false}) {
        AddElement(grid);
        grid.SetTabIndex(0);
        grid.SetHeadings({{ui::Rect{0, 0, 900, 300}, "一", kYellow}});
        Frame(0);
        grid.CellClick = [this](int index) {
            clicks.push_back(index);
            Frame(index);
        };
    }
    void Frame(int framed) {
        std::vector<ui::GridCell> cells(6);
        for (int i = 0; i < 6; ++i) {
            ui::GridCell& cell = cells[static_cast<std::size_t>(i)];
            const std::string n = std::to_string(i);
            cell.Bounds = {900 * (i % 3), 300 + 600 * (i / 3), 900, 600};
            std::tie(cell.Text, cell.Corner, cell.ToolTip, cell.AccessibleName) =
                std::tuple(i == 0 ? "8" : n, i == 0 ? "休" : "", i == 0 || i > 2 ? "tip " + n : "",
                           "day " + n);
            std::tie(cell.TextColour, cell.CornerColour, cell.FrameColour, cell.MarkColour) =
                std::tuple(i == 0 ? kRed : kGreen, kGreen, kBlue, kYellow);
            std::tie(cell.Framed, cell.Marked, cell.Enabled) =
                std::tuple(i == framed, i == 1, i != 2);
        }
        grid.SetCells(cells);
    }

    ui::CellGrid grid;
    std::vector<int> clicks;
};

class CellGridTest : public Win32WindowSystemTest {
  protected:
    void SetUp() override { grids.Show(); }
    HWND Grid() const {
        return ::FindWindowExW(static_cast<HWND>(system.NativeHandle(grids)), nullptr,
                               L"LunadeskGrid", nullptr);
    }
    // A cell's rectangle in the grid's client pixels.
    RECT Cell(int index) const {
        const ui::Rect& b = grids.grid.Cell(index).Bounds;
        return RECT{TwipsToPixelPosition(b.Left, dpi), TwipsToPixelPosition(b.Top, dpi),
                    TwipsToPixelPosition(b.Right(), dpi), TwipsToPixelPosition(b.Bottom(), dpi)};
    }
    // How many pixels of the area show the colour once what the grid repaints is painted.
    int Count(const RECT& area, COLORREF colour) const {
        ::UpdateWindow(Grid());
        const WindowDc dc(Grid());
        const LONG width = area.right - area.left;
        int count = 0;
        for (LONG i = 0; i < width * (area.bottom - area.top); ++i) {
            count += ::GetPixel(dc.Get(), area.left + i % width, area.top + i / width) == colour;
        }
        return count;
    }
    // Pressed in the middle of one cell, released in the middle of another.
    void Click(int press, int release) const {
        for (const auto& [message, cell] :
             {std::pair(WM_LBUTTONDOWN, press), {WM_LBUTTONUP, release}}) {
            const RECT area = Cell(cell);
            Send(Grid(), message, MK_LBUTTON,
                 MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
        }
    }

    GridForm grids{system};
};

// A cell's tool among the grid's tips: its text ("-" for none) and place.
std::wstring CellTip(HWND grid, UINT_PTR cell, RECT& place) {
    HWND tips = nullptr;
    while ((tips = ::FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) != nullptr &&
           ::GetWindow(tips, GW_OWNER) != ::GetParent(grid)) {
    }
    wchar_t text[80]{};
    TTTOOLINFOW tool{sizeof(tool), 0, grid, cell, {}, nullptr, text, 0, nullptr};
    const bool known = ::SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    place = tool.rect;
    return known ? text : L"-";
}

// Painted, repainted when a cell changes, a tip tool per enabled cell with a tip; a press and
// release in one enabled cell is its click.
TEST_F(CellGridTest, PaintsTipsAndClicksTheCells) {
    RECT place{};
    EXPECT_EQ(
        std::tuple(CellTip(Grid(), 0, place), CellTip(Grid(), 2, place), CellTip(Grid(), 5, place)),
        std::tuple(L"tip 0", L"-", L"tip 5"));
    const RECT first = Cell(0);
    const RECT corner{(first.left + first.right) / 2 + 4, 0, first.right, first.bottom / 2};
    EXPECT_GT(Count(RECT{0, 0, first.right, first.top}, kYellow), 4) << "the heading";
    EXPECT_GT(Count(first, kRed), 4) << "the number";
    EXPECT_GT(Count(corner, kGreen), 4) << "休 at the top right";
    EXPECT_EQ(Count(RECT{0, first.top, 1, first.bottom}, kBlue), 40) << "the frame";
    EXPECT_GT(Count(Cell(1), kYellow), 20) << "the outline of the marked cell";
    EXPECT_EQ(Count(Cell(2), 0), 60 * 40) << "an unavailable cell is empty";
    for (const auto& [press, release] : {std::pair(4, 4), {2, 2}, {3, 5}, {1, 1}}) {
        Click(press, release);
    }
    EXPECT_EQ(grids.clicks, (std::vector<int>{4, 1}));
    Pump();
    EXPECT_EQ(std::pair(Count(first, kBlue), Count(Cell(1), kBlue) > 0), std::pair(0, true));
    std::vector<ui::GridCell> cells = grids.grid.Cells();
    std::tie(cells[3].Enabled, cells[5].ToolTip, cells[5].Bounds) =
        std::tuple(false, "新", ui::Rect{});
    grids.grid.SetCells(cells);
    Pump();
    EXPECT_EQ(std::tuple(CellTip(Grid(), 3, place), CellTip(Grid(), 5, place), place.right),
              std::tuple(L"-", L"新", 0L));
    grids.grid.SetVisible(false);
    Pump();
    EXPECT_EQ(CellTip(Grid(), 0, place), L"-");
}

std::vector<std::tuple<DWORD, LONG>> gridEvents;  // the grid's focus and selection events
void CALLBACK OnGridEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG child, DWORD, DWORD) {
    if (::FindWindowExW(::GetParent(window), nullptr, L"LunadeskGrid", nullptr) == window) {
        gridEvents.emplace_back(event, child);
    }
}

// Each cell a child of the grid's object, pressed after the call returns; events name it.
TEST_F(CellGridTest, ScreenReadersHearEachCellAsAChildOfTheGrid) {
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr, OnGridEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ::SetFocus(nullptr);
    ::SetFocus(Grid());
    Click(4, 4);
    Pump();
    ::UnhookWinEvent(hook);
    using Events = std::vector<std::tuple<DWORD, LONG>>;
    EXPECT_EQ(std::count(gridEvents.begin(), gridEvents.end(), std::tuple(EVENT_OBJECT_FOCUS, 1L)),
              1);
    EXPECT_EQ(Events(gridEvents.end() - 2, gridEvents.end()),
              (Events{{EVENT_OBJECT_FOCUS, 5}, {EVENT_OBJECT_SELECTION, 5}}));
    IAccessible* const grid = ObjectOf(Grid());
    ASSERT_NE(grid, nullptr);
    LONG count = 0, place[4]{};
    VARIANT role{}, state{}, focus{};
    grid->get_accChildCount(&count);
    grid->get_accRole(Self(), &role);
    grid->get_accState(Self(5), &state);
    grid->accLocation(&place[0], &place[1], &place[2], &place[3], Self(4));
    grid->get_accFocus(&focus);
    POINT corner{Cell(3).left, Cell(3).top};
    ::ClientToScreen(Grid(), &corner);
    EXPECT_EQ(std::tuple(count, role.lVal, focus.lVal, state.lVal & ~STATE_SYSTEM_FOCUSABLE,
                         place[0], place[1], place[2], place[3]),
              std::tuple(6L, LONG{ROLE_SYSTEM_TABLE}, 5L,
                         STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED,
                         corner.x, corner.y, 60L, 40L));
    EXPECT_EQ(std::tuple(Said(&IAccessible::get_accName, grid, 1),
                         Said(&IAccessible::get_accDescription, grid, 1),
                         Said(&IAccessible::get_accDefaultAction, grid, 4),
                         Said(&IAccessible::get_accDefaultAction, grid, 3)),
              std::tuple(L"day 0", L"tip 0", L"按下", L"<none>"));
    EXPECT_EQ(std::tuple(grid->accDoDefaultAction(Self(2)), grid->accDoDefaultAction(Self(3)),
                         grids.clicks),
              std::tuple(S_OK, DISP_E_MEMBERNOTFOUND, std::vector<int>{4}));
    Pump();
    EXPECT_EQ(grids.clicks, (std::vector<int>{4, 1}));
    grid->Release();
}

// A screen reader moves among the cells by their places and chooses one as a click does; the
// grid's cells are counted, not enumerated, as they are no windows.
TEST_F(CellGridTest, CellsAnswerNavigationAndSelectionAsAClick) {
    IAccessible* const grid = ObjectOf(Grid());
    ASSERT_NE(grid, nullptr);
    const auto to = [&](LONG direction, LONG from) {
        VARIANT end{};
        return grid->accNavigate(direction, Self(from), &end) == S_OK ? end.lVal : 0L;
    };
    // Ids 1 2 3 over 4 5 6.
    EXPECT_EQ((std::vector{to(NAVDIR_UP, 5), to(NAVDIR_DOWN, 2), to(NAVDIR_LEFT, 5),
                           to(NAVDIR_RIGHT, 5), to(NAVDIR_NEXT, 3), to(NAVDIR_PREVIOUS, 1),
                           to(NAVDIR_LASTCHILD, 0), to(NAVDIR_FIRSTCHILD, 2)}),
              (std::vector<LONG>{2, 5, 4, 6, 4, 0, 6, 0}));
    const LONG take = SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION;
    EXPECT_EQ(std::tuple(grid->accSelect(take, Self(6)), grid->accSelect(take, Self(3)),
                         grid->accSelect(SELFLAG_ADDSELECTION, Self(5)), grids.clicks.size()),
              std::tuple(S_OK, DISP_E_MEMBERNOTFOUND, E_INVALIDARG, std::size_t{0}));
    Pump();
    EXPECT_EQ(std::pair(grids.clicks, grids.grid.Cell(5).Framed), std::pair(std::vector{5}, true));
    EXPECT_FALSE(Offers(grid, kPassedThrough[0]));
    grid->Release();
}

// The real calendar on Sunday 9 May 2021 in its first run's colours: red numbers, blue Sundays.
class DayGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        calendar.Show();
        Pump();
    }
    HWND Window() const { return static_cast<HWND>(system.NativeHandle(calendar)); }
    // The shown grid: in the compact view, the numbers.
    HWND Numbers() const {
        HWND grid = nullptr;
        do {
            grid = ::FindWindowExW(Window(), grid, L"LunadeskGrid", nullptr);
        } while (grid != nullptr && !::IsWindowVisible(grid));
        return grid;
    }
    // Pixels of a day's number cell in the colour, in its first `columns` columns.
    int Count(int day, COLORREF colour, int columns = 20) const {
        const RECT area = PixelRect(calendar.lblnumber.Cell(day - 1).Bounds, SystemDpi());
        ::RedrawWindow(Numbers(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const WindowDc dc(Numbers());
        int count = 0;
        for (LONG x = area.left; x < std::min(area.right, area.left + columns); ++x) {
            for (LONG y = area.top; y < area.bottom; ++y) {
                count += ::GetPixel(dc.Get(), x, y) == colour;
            }
        }
        return count;
    }

    platform::MemorySettingsBacking backing;
    SettingsStore store{backing};
    platform::FixedClock clock{{std::chrono::year{2021} / 5 / 9, std::chrono::hours{9}}};
    Win32WindowSystem system;
    // One day of the user's, for the tests that set it.
    const lunar::UserDayIndex days{std::vector{
        lunar::UserDay("a", "体检", lunar::UserDayKind::Yearly, lunar::UserCalendar::Gregorian,
                       std::nullopt, 5, false, 10, {}, {})}};
    frmcalendar calendar{system, store, clock};
};

// The numbers are drawn in their colours, the framed Sunday with its frame, and a screen
// reader reads them as the grid's 31 children: February's missing days invisible.
TEST_F(DayGridTest, PaintsTheNumbersAndTellsThemAsTheGridsChildren) {
    constexpr COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    const int height = TwipsToPixelSize(285, SystemDpi());
    EXPECT_EQ(std::tuple(Count(10, red) > 4, Count(10, blue), Count(10, red, 1)),
              std::tuple(true, 0, 0));
    EXPECT_EQ(std::tuple(Count(9, blue) > height, Count(9, blue, 1), Count(9, red)),
              std::tuple(true, height, 0));
    // A day of the user's gets its dot left of the number, in the main colour.
    calendar.SetUserDays(days);
    EXPECT_EQ(std::pair(Count(10, red, 2) > 0, Count(11, red, 2)), std::pair(true, 0));
    for (int month = 0; month < 3; ++month) {
        Send(Window(), WM_KEYDOWN, VK_PRIOR, 0);
    }
    Pump();
    IAccessible* const grid = ObjectOf(Numbers());
    ASSERT_NE(grid, nullptr);
    LONG count = 0;
    VARIANT nine{}, thirty{};
    grid->get_accChildCount(&count);
    grid->get_accState(Self(9), &nine);
    grid->get_accState(Self(30), &thirty);
    EXPECT_EQ(
        std::tuple(count, Said(&IAccessible::get_accName, grid, 9),
                   Said(&IAccessible::get_accDefaultAction, grid, 9),
                   nine.lVal & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_INVISIBLE),
                   thirty.lVal & STATE_SYSTEM_INVISIBLE),
        std::tuple(31L, std::wstring(L"2021年2月9日 星期二 农历腊月廿八"), std::wstring(L"按下"),
                   LONG{STATE_SYSTEM_SELECTED}, LONG{STATE_SYSTEM_INVISIBLE}));
    grid->Release();
}

std::vector<std::tuple<HWND, DWORD>> calendarEvents;
void CALLBACK OnCalendarEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
    calendarEvents.emplace_back(window, event);
}

// One key in either view: one selection and one focus, and nothing from what is hidden.
TEST_F(DayGridTest, OneKeyIsOneSelectionInEitherView) {
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, OnCalendarEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    for (const bool month : {false, true}) {
        calendar.SetMonthView(month);
        Pump();
        calendarEvents.clear();
        Send(Window(), WM_KEYDOWN, VK_RIGHT, 0);
        Pump();
        int selections = 0, focus = 0;
        for (const auto& [window, event] : calendarEvents) {
            selections += event == EVENT_OBJECT_SELECTION;
            focus += event == EVENT_OBJECT_FOCUS;
            EXPECT_TRUE(::IsWindowVisible(window)) << month;
        }
        EXPECT_EQ(std::pair(selections, focus), std::pair(1, 1)) << month;
    }
    ::UnhookWinEvent(hook);
}

// The text box, list and push button as the system's controls, in the program's message loop.
class KindsControls : public ::testing::Test {
  protected:
    // Numbered from 1000 in the form's element order.
    HWND Control(const ui::Element& e) const {
        const auto& all = form.Elements();
        const auto at = std::find(all.begin(), all.end(), &e) - all.begin();
        return ::GetDlgItem(static_cast<HWND>(system.NativeHandle(form)), 1000 + int(at));
    }
    // Dialog navigation first, after a key posted to a control with Alt held or not.
    void Loop(HWND to = nullptr, UINT key = 0, bool alt = false) {
        BYTE keys[256]{};
        ::GetKeyboardState(keys);
        keys[VK_MENU] = alt ? 0x80 : 0;
        ::SetKeyboardState(keys);
        if (to != nullptr) {
            ::PostMessageW(to, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? 1 | (1 << 29) : 1);
        }
        for (MSG message{}; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            if (!system.DialogMessage(message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    Win32WindowSystem system;
    kinds_test::KindsForm form{system};
    const bool shown = (form.Show(), true);
};

// Roles, names, values; an input method on the text box alone, its text arriving whole; Tab in
// order; keys the box keeps; Enter and an access key press once; the list's selection synced.
TEST_F(KindsControls, ScreenReadersInputMethodsAndKeys) {
    form.name.SetText("妈妈");
    form.days.SetSelectedIndex(1);
    Loop();
    const std::vector<std::tuple<const ui::Element*, LONG, std::wstring, LONG, bool>> table{
        {&form.name, 0, L"名称(N) 妈妈 <none>", ROLE_SYSTEM_TEXT, true},
        {&form.days, 0, L"日子(L) <none> <none>", ROLE_SYSTEM_LIST, false},
        {&form.days, 2, L"体检 <none> <none>", ROLE_SYSTEM_LISTITEM, false},
        {&form.save, 0, L"保存(S) <none> 按下", ROLE_SYSTEM_PUSHBUTTON, false},
    };
    for (const auto& [element, child, said, role, inputMethod] : table) {
        IAccessible* const object = ObjectOf(Control(*element));
        VARIANT answer{};
        object->get_accRole(Self(child), &answer);
        const HIMC context = ::ImmGetContext(Control(*element));
        EXPECT_EQ(std::tuple(Said(&IAccessible::get_accName, object, child) + L" " +
                                 Said(&IAccessible::get_accValue, object, child) + L" " +
                                 Said(&IAccessible::get_accDefaultAction, object, child),
                             answer.lVal, context != nullptr),
                  std::tuple(said, role, inputMethod));
        ::ImmReleaseContext(Control(*element), context);
        object->Release();
    }
    const HWND box = Control(form.name);
    ::SetFocus(box);
    ::SendMessageW(box, WM_IME_CHAR, L'的', 1);
    const HIMC context = ::ImmGetContext(box);
    std::wstring word = L"生日快乐啊呀呀";
    ASSERT_TRUE(::ImmSetCompositionStringW(context, SCS_SETSTR, word.data(),
                                           static_cast<DWORD>(word.size() * 2), nullptr, 0) &&
                ::ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
    ::ImmReleaseContext(box, context);
    Loop();
    EXPECT_EQ(std::tuple(form.name.Text(), TextOf(box), form.log.back()),
              std::tuple("妈妈的生日快乐啊", L"妈妈的生日快乐啊", "change 妈妈的生日快乐啊"));
    for (const ui::Element* next : std::initializer_list<const ui::Element*>{
             &form.days, &form.remind, &form.save, &form.remove, &form.name}) {
        Loop(::GetFocus(), VK_TAB);
        EXPECT_EQ(::GetFocus(), Control(*next));
    }
    const std::vector<std::tuple<const ui::Element*, UINT, bool, kinds_test::Log, int>> keys{
        {&form.name, VK_HOME, false, {}, 1},
        {&form.name, VK_RETURN, false, {"save"}, 1},
        {&form.name, 'S', true, {"form 83", "save"}, 1},
        {&form.days, VK_END, false, {"select 2"}, 2},
        {&form.days, 'S', false, {"form 83", "save"}, 2},
    };
    for (const auto& [at, key, alt, log, selected] : keys) {
        ::SetFocus(Control(*at));
        form.log.clear();
        Loop(Control(*at), key, alt);
        EXPECT_EQ(std::tuple(form.log, form.days.SelectedIndex(),
                             ::SendMessageW(Control(form.days), LB_GETCURSEL, 0, 0)),
                  std::tuple(log, selected, LRESULT{selected}))
            << at->Name() << " " << key;
    }
}

}  // namespace
}  // namespace platform::win32
