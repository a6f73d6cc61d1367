// The real window system driven through its seam and through the messages Windows sends:
// the windows and controls it makes, what it paints, and the events the user's input
// becomes. Runs under Wine with a display (Xvfb) as well as on Windows.
#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <shellapi.h>

#include <chrono>
#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"
#include "tests/win32/test_form.h"

namespace platform::win32 {
namespace {

using lunadesk_test::TestForm;

bool quitPosted = false;

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitPosted = true;
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

template <typename Done>
bool PumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        Pump();
        if (done()) {
            return true;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
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
    // The pixel-rectangle of an element relative to the window.
    RECT PlaceOf(HWND child) const {
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    void Click(HWND child, int x = 2, int y = 2) const {
        ::SendMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
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
    int Size(int twips) const { return TwipsToPixelSize(twips, dpi); }

    const int dpi = SystemDpi();
    Win32WindowSystem system;
    TestForm form{system};
};

TEST_F(Win32WindowSystemTest, FormIsAFramelessToolWindowAtItsPlaceWithItsTitle) {
    form.SetLeft(1500);
    form.SetTop(750);
    RECT place{};
    ::GetWindowRect(Window(), &place);
    EXPECT_EQ(place.left, Px(1500));
    EXPECT_EQ(place.top, Px(750));
    EXPECT_EQ(place.right - place.left, Size(3000));
    EXPECT_EQ(place.bottom - place.top, Size(2250));
    RECT client{};
    ::GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, place.right - place.left) << "no frame";
    const LONG_PTR style = ::GetWindowLongPtrW(Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(::GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(TextOf(Window()), L"测试-Test");
    EXPECT_TRUE(::IsWindowVisible(Window()));
    form.Hide();
    EXPECT_FALSE(::IsWindowVisible(Window()));
}

TEST_F(Win32WindowSystemTest, LabelsAreChildWindowsWhoseTextIsTheCaption) {
    const HWND label = Child(L"LunadeskLabel", L"月份&M");
    ASSERT_NE(label, nullptr);
    const RECT place = PlaceOf(label);
    EXPECT_EQ(place.left, Px(120));
    EXPECT_EQ(place.right - place.left, Size(900));
    // Controls catch up with the model once the handler that changed it is done.
    form.label.SetCaption("年份&Y");
    Pump();
    EXPECT_EQ(TextOf(label), L"年份&Y");
    form.label.SetVisible(false);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(label));
    form.label.SetVisible(true);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(label));
}

TEST_F(Win32WindowSystemTest, AClickOnALabelIsItsOwnAndNeverAPressOnTheSurface) {
    int clicks = 0;
    form.mark.Click = [&] { ++clicks; };
    const HWND mark = Child(L"LunadeskLabel", L"×");
    ASSERT_NE(mark, nullptr);
    Click(mark);
    EXPECT_EQ(clicks, 1);
    // Released outside: no click.
    ::SendMessageW(mark, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(mark, WM_LBUTTONUP, 0, MAKELPARAM(-4, 2));
    EXPECT_EQ(clicks, 1);
    ::SendMessageW(mark, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(form.presses.empty());
    int swatchClicks = 0;
    form.swatch.Click = [&] { ++swatchClicks; };
    Click(Child(L"LunadeskPicture"));
    EXPECT_EQ(swatchClicks, 1);
}

TEST_F(Win32WindowSystemTest, PressesAndMovesOnTheSurfaceReachTheFormInTwips) {
    ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 100));
    ::SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(4, 5));
    ::SendMessageW(Window(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(4, 5));
    ASSERT_EQ(form.presses.size(), 3u);
    EXPECT_EQ(form.presses[0],
              std::make_tuple(1, 0, PixelsToTwips(3, dpi), PixelsToTwips(100, dpi)));
    EXPECT_EQ(std::get<0>(form.presses[1]), 2);
    EXPECT_EQ(std::get<1>(form.presses[1]), 1);
    EXPECT_EQ(std::get<0>(form.presses[2]), 4);
    ::SendMessageW(Window(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(10, 10));
    ASSERT_FALSE(form.moves.empty());
    EXPECT_EQ(std::get<0>(form.moves.back()), 3);
    // The notification icon's message: its identifier 1 reads as the left button.
    ::SendMessageW(Window(), ui::kMouseMoveMessage, 1, WM_LBUTTONUP);
    EXPECT_EQ(std::get<0>(form.moves.back()), 1);
}

TEST_F(Win32WindowSystemTest, SurfaceAndLabelsPaintTheModel) {
    const int frameLeft = Px(60);
    const int middle = Px(60) + Size(1800) / 2;
    EXPECT_EQ(PixelAt(frameLeft, middle), RGB(0, 255, 0)) << "outline of the shape";
    EXPECT_EQ(PixelAt(frameLeft + 3, middle), RGB(0, 0, 0)) << "an unfilled shape's inside";
    form.frame.SetBorderColor(ui::Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(frameLeft, middle), RGB(255, 0, 0));
    // A label is transparent: its empty part shows the window's background...
    const RECT label = PlaceOf(Child(L"LunadeskLabel", L"月份&M"));
    EXPECT_EQ(PixelAt(label.right - 2, label.bottom - 2), RGB(0, 0, 0));
    form.SetBackColor(ui::Rgb(0, 0, 128));
    EXPECT_EQ(PixelAt(label.right - 2, label.bottom - 2), RGB(0, 0, 128));
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
    ASSERT_NE(combo, nullptr);
    int clicks = 0;
    form.box.Click = [&] { ++clicks; };
    for (const char* month : {"一月", "二月", "三月"}) {
        form.box.AddItem(month);
    }
    Pump();
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    wchar_t text[32]{};
    ::SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"二月");

    form.box.SetListIndex(2);
    Pump();
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(clicks, 1) << "a choice from code runs the handler once, not again natively";

    // The user's choice: the box notifies "selection ended OK" (mouse or Enter in the open
    // list), "selection changed" (keys on the closed box), or both, for one choice.
    const WPARAM id = static_cast<WPARAM>(::GetDlgCtrlID(combo));
    const auto choose = [&](int position, std::initializer_list<WORD> notifications) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        for (WORD notification : notifications) {
            ::SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, notification),
                           reinterpret_cast<LPARAM>(combo));
        }
        Pump();
    };
    choose(0, {CBN_SELENDOK});
    EXPECT_EQ(form.box.ListIndex(), 0);
    EXPECT_EQ(clicks, 2);
    choose(0, {CBN_SELENDOK, CBN_SELCHANGE});
    EXPECT_EQ(clicks, 3) << "choosing the selected entry again runs the handler, once";
    choose(1, {CBN_SELCHANGE});
    EXPECT_EQ(form.box.ListIndex(), 1);
    EXPECT_EQ(clicks, 4);
    choose(2, {CBN_SELENDCANCEL});
    EXPECT_EQ(form.box.ListIndex(), 1) << "a cancelled list chooses nothing";
    EXPECT_EQ(clicks, 4);

    form.box.Clear();
    Pump();
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
    form.box.AddItem(" 2021");
    Pump();
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
}

TEST_F(Win32WindowSystemTest, ABoxOpenedByAUsersClickDropsItsList) {
    const HWND combo = Child(L"ComboBox");
    form.box.AddItem("一月");
    form.box.SetVisible(false);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(combo));
    form.box.SetVisible(true);
    Pump();
    EXPECT_FALSE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) << "shown by code: stays closed";
    form.box.SetVisible(false);
    Pump();
    form.label.Click = [&] { form.box.SetVisible(true); };
    Click(Child(L"LunadeskLabel", L"月份&M"));
    EXPECT_TRUE(PumpUntil([&] { return ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    form.box.SetVisible(false);
    Pump();
    EXPECT_FALSE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(Win32WindowSystemTest, ScrollBarFollowsTheModelAndTurnsRequestsIntoValues) {
    const HWND bar = Child(L"ScrollBar");
    ASSERT_NE(bar, nullptr);
    form.bar.SetMin(50);
    form.bar.SetMax(255);
    form.bar.SetSteps(1, 5);
    form.bar.SetValue(200);
    Pump();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(bar, SB_CTL, &info);
    EXPECT_EQ(info.nMin, 50);
    EXPECT_EQ(info.nMax, 255);
    EXPECT_EQ(info.nPos, 200);

    int changes = 0;
    form.bar.Change = [&] { ++changes; };
    const auto scroll = [&](int request, int thumb = 0) {
        ::SendMessageW(Window(), WM_HSCROLL, MAKEWPARAM(request, thumb),
                       reinterpret_cast<LPARAM>(bar));
    };
    scroll(SB_LINERIGHT);
    EXPECT_EQ(form.bar.Value(), 201);
    scroll(SB_PAGELEFT);
    EXPECT_EQ(form.bar.Value(), 196);
    scroll(SB_THUMBTRACK, 100);
    EXPECT_EQ(form.bar.Value(), 196) << "nothing runs while the thumb is dragged";
    EXPECT_EQ(changes, 2);
    scroll(SB_THUMBPOSITION, 100);
    EXPECT_EQ(form.bar.Value(), 100);
    scroll(SB_LEFT);
    scroll(SB_LINELEFT);
    EXPECT_EQ(form.bar.Value(), 50);
    EXPECT_EQ(changes, 4) << "no change at the end";
    scroll(SB_RIGHT);
    Pump();
    EXPECT_EQ(form.bar.Value(), 255);
    EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 255);
}

TEST_F(Win32WindowSystemTest, ScrollBarWithABackwardsRangeMovesTheOtherWay) {
    const HWND bar = Child(L"ScrollBar");
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

TEST_F(Win32WindowSystemTest, LayeredWindowTakesTheAlpha) {
    system.MakeLayered(form);
    EXPECT_TRUE(::GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_LAYERED);
    system.SetAlpha(form, 50);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(Window(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 50);
    EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST_F(Win32WindowSystemTest, CloseRequestUnloadsAndTheLastWindowEndsTheLoop) {
    const HWND window = Window();
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(system.NativeHandle(form), nullptr);
    EXPECT_TRUE(PumpUntil([] { return quitPosted; }));
}

TEST_F(Win32WindowSystemTest, AClickMayCloseItsOwnWindowAndItOpensAgain) {
    const HWND window = Window();
    form.mark.Click = [&] { form.Unload(); };
    Click(Child(L"LunadeskLabel", L"×"));
    Pump();
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(::IsWindow(window));
    form.Show();
    ASSERT_NE(Window(), nullptr);
    EXPECT_NE(Child(L"LunadeskLabel", L"×"), nullptr);
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
    ASSERT_TRUE(other);
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

TEST_F(Win32WindowSystemTest, LongUseDoesNotGrowGdiOrUserObjects) {
    const HANDLE process = ::GetCurrentProcess();
    const auto repaintAll = [&](int round) {
        const ui::Colour colour = round % 2 ? ui::Rgb(255, 0, 0) : ui::Rgb(0, 255, 0);
        form.label.SetForeColor(colour);
        form.label.SetBorderStyle(round % 2);
        form.frame.SetBorderColor(colour);
        form.box.SetForeColor(colour);
        form.swatch.SetBackColor(colour);
        form.label.SetCaption(round % 2 ? "一月" : "┛ 12");
        ::RedrawWindow(Window(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    repaintAll(0);
    repaintAll(1);
    const DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    if (gdi == 0) {
        GTEST_SKIP() << "this system does not count GDI objects (Wine)";
    }
    for (int round = 0; round < 300; ++round) {
        repaintAll(round);
    }
    EXPECT_LE(::GetGuiResources(process, GR_GDIOBJECTS), gdi + 2);
    EXPECT_LE(::GetGuiResources(process, GR_USEROBJECTS), user + 2);
}

}  // namespace
}  // namespace platform::win32
