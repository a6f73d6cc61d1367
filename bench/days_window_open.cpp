// How long the 我的日子 window takes to open on the real window system: from the menu's command
// to the window shown, painted and answering a WM_NULL, over a days.json of 1,000 days and, as
// the baseline of the same run, of none. Prints the median of each and their ratio.
// Run: scripts/wine-run build/windows/bench/days_window_open.exe (under Xvfb: xvfb-run -a).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "days_window/frmdays.h"
#include "platform/clock.h"
#include "platform/memory_settings_backing.h"
#include "platform/win32/win32_window_system.h"
#include "settings/settings_store.h"
#include "tests/unit/memory_user_files.h"

namespace {

double OpeningMilliseconds(frmdays& days) {
    const auto start = std::chrono::steady_clock::now();
    days.Show();
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(::FindWindowW(nullptr, L"我的日子"), WM_NULL, 0, 0, SMTO_BLOCK, 5000,
                          &answer);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    days.Unload();
    return took.count();
}

double Median(frmdays& days, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(OpeningMilliseconds(days));
        std::printf("%.0f ", times.back());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    platform::MemorySettingsBacking backing;
    SettingsStore store(backing);
    platform::win32::Win32WindowSystem windows;
    const platform::SystemClock clock;
    frmcalendar calendar(windows, store, clock);
    calendar.Show();
    tests::MemoryFiles files;
    frmdays days(windows, calendar, files, "C:\\u", clock, "1.0", nullptr);
    OpeningMilliseconds(days);  // warm-up: fonts, classes, the first paint
    const double none = Median(days, 21);
    files.files["C:\\u/days.json"] = tests::ManyDays(1000);
    const double many = Median(days, 21);
    std::printf("days window opens in %.1f ms with 1000 days, %.1f ms with none (ratio %.2f)\n",
                many, none, many / none);
    return 0;
}
