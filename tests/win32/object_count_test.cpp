// Long use of the real calendar window, which starts with few child windows: a thousand month
// changes, in either view, must not grow the process's windows or its GDI and USER objects, and
// each reads a stored value once.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/memory_settings_backing.h"
#include "platform/win32/win32_window_system.h"
#include "settings/settings_store.h"
#include "tests/kinds_form.h"

namespace {

using namespace std::chrono;

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// Wine reports no GDI or USER objects, but windows (the USER objects this program makes,
// tool tips included) are counted the same on Wine and Windows.
std::tuple<int, DWORD, DWORD> Objects(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
    int windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return {windows, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
            ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)};
}

void ThousandMonthChanges(bool monthView) {
    platform::MemorySettingsBacking backing;
    backing.Put(SettingsStore::kApplication, SettingsStore::kSection, "view", monthView ? "1" : "");
    SettingsStore store(backing);
    platform::FixedClock clock({2021y / May / 9d, hours{9}});
    platform::win32::Win32WindowSystem windows;
    store.KeepReadsWithin(windows.Events());
    frmcalendar calendar(windows, store, clock);
    calendar.Show();
    // The start is one event (whatever messages creating the windows sent), each key another.
    // "formX" before the first run's writes, then all ten, the view, the lock and whether to
    // stay above the desktop.
    EXPECT_EQ(backing.ReadCount(), 14u);
    backing.ClearLog();
    const HWND window = static_cast<HWND>(windows.NativeHandle(calendar));
    // A window for each label, box and grid; the days are drawn.
    int children = 0;
    ::EnumChildWindows(
        window,
        [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count) > 0 ? TRUE : FALSE; },
        reinterpret_cast<LPARAM>(&children));
    EXPECT_LE(children, 16);
    const auto before = Objects(window);
    // A year of Page Down, a year of Page Up, and so on: 41 rounds and 16 more months.
    for (int change = 0; change < 1000; ++change) {
        ::SendMessageW(window, WM_KEYDOWN, change / 12 % 2 == 0 ? VK_NEXT : VK_PRIOR, 0);
        Objects(window);
    }
    EXPECT_EQ(calendar.lbldate.Caption(), "2022年1月9日");
    EXPECT_EQ(backing.ReadCount(), 4000u);  // the main colour and the Sunday colour
    const auto [windowsAfter, gdiAfter, userAfter] = Objects(window);
    EXPECT_EQ(windowsAfter, std::get<0>(before));
    EXPECT_LE(gdiAfter, std::get<1>(before));
    EXPECT_LE(userAfter, std::get<2>(before));
}

TEST(LongUse, AThousandMonthChangesByKeyDoNotGrowWindowsGdiOrUserObjects) {
    for (const bool monthView : {false, true}) {
        SCOPED_TRACE(monthView ? "month view" : "compact view");
        ThousandMonthChanges(monthView);
    }
}

// A window with a text box, a list and buttons, opened, typed into and closed again and again.
TEST(LongUse, OpeningAndClosingTextBoxesListsAndButtonsLeavesNoObjects) {
    platform::win32::Win32WindowSystem windows;
    kinds_test::KindsForm form(windows);
    form.Show();
    const auto before = Objects(static_cast<HWND>(windows.NativeHandle(form)));
    for (int round = 0; round < 10; ++round) {
        form.Unload();
        form.Show();
        form.name.Edit(std::to_string(round));
        EXPECT_EQ(Objects(static_cast<HWND>(windows.NativeHandle(form))), before);
    }
}

}  // namespace
