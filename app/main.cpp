// The program: the calendar window and its settings window on real Windows windows, run
// by one message loop until the last window is closed.
#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "app/resource.h"
#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window_system.h"
#include "settings/form1.h"
#include "settings/settings_store.h"

namespace {

// Per user session: "Local\\" is the session's namespace.
constexpr const wchar_t* kInstanceName = L"Local\\Lunadesk.Calendar";

int Run() {
    // Before anything reads or writes the settings: a second start only hands over.
    const platform::win32::SingleInstance instance(kInstanceName);
    if (!instance.First()) {
        platform::win32::ActivateRunningWindow(platform::win32::ToWide(frmcalendar::kTitle));
        return 0;
    }
    const platform::SystemClock clock;
    SettingsStore store = MakeUserSettingsStore();
    platform::win32::Win32WindowSystem windows(IDI_LUNADESK);
    frmcalendar calendar(windows, store, clock);
    Form1 settings(windows, store, calendar);
    calendar.SetSettingsWindow(&settings);
    calendar.Show();
    // Its window could not be created: nothing would ever show.
    if (!calendar.Loaded()) {
        return 1;
    }
    // Ends with WM_QUIT, which the window system posts when the last window is gone.
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (windows.DialogMessage(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);
    try {
        return Run();
    } catch (const std::exception& failure) {
        // Start-up failed (nothing is shown to the user); say why to a debugger.
        ::OutputDebugStringA(failure.what());
        return 1;
    }
}
