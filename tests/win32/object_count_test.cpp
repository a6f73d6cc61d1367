// Long use of the real calendar window: a thousand month changes must not grow the
// process's GDI or USER objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/memory_settings_backing.h"
#include "platform/win32/win32_window_system.h"
#include "settings/settings_store.h"

namespace {

using namespace std::chrono;

void PaintEverything(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    ::EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// Windows are the USER objects this program makes; counted the same on Wine and Windows.
int ThreadWindowCount() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(LongUse, AThousandMonthChangesDoNotGrowGdiOrUserObjects) {
    platform::MemorySettingsBacking backing;
    SettingsStore store(backing);
    platform::FixedClock clock({2021y / May / 9d, hours{9}});
    platform::win32::Win32WindowSystem windows;
    frmcalendar calendar(windows, store, clock);
    calendar.Show();
    const HWND window = ::FindWindowW(nullptr, L"日历-Calendar");
    ASSERT_NE(window, nullptr);
    PaintEverything(window);

    const HANDLE process = ::GetCurrentProcess();
    const DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = ::GetGuiResources(process, GR_USEROBJECTS);
    const int windowsBefore = ThreadWindowCount();
    for (int change = 0; change < 1000; ++change) {
        calendar.cbomonth.SetListIndex(change % 12);
        PaintEverything(window);
    }
    const DWORD gdiAfter = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userAfter = ::GetGuiResources(process, GR_USEROBJECTS);
    const int windowsAfter = ThreadWindowCount();
    EXPECT_EQ(windowsAfter, windowsBefore);
    // Wine reports 0 for both counts; on Windows they must not grow.
    EXPECT_LE(gdiAfter, gdiBefore);
    EXPECT_LE(userAfter, userBefore);
}

}  // namespace
