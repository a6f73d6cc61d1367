// The program: the calendar window and its settings window on real Windows windows, run
// by one message loop until the last window is closed.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <memory>
#include <utility>

#include "app/resource.h"
#include "calendar_window/calendar_files.h"
#include "calendar_window/frmcalendar.h"
#include "days_window/frmdays.h"
#include "platform/clock.h"
#include "platform/folder_files.h"
#include "platform/start_at_log_on.h"
#include "platform/user_file_store.h"
#include "platform/win32/registry_run_entry.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window_system.h"
#include "settings/settings_store.h"
#include "settings_window/form1.h"

namespace {

// Per user session: "Local\\" is the session's namespace.
constexpr const wchar_t* kInstanceName = L"Local\\Lunadesk.Calendar";

// The one switch: the start at log-on, which must not take the keyboard from whatever the
// user opens first. Any other argument is ignored.
bool StartedAtLogOn() {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> args(
        ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
    for (int i = 1; args && i < count; ++i) {
        if (::lstrcmpiW(args.get()[i], L"/autostart") == 0) {
            return true;
        }
    }
    return false;
}

int Run() {
    const bool atLogOn = StartedAtLogOn();
    // Before anything reads or writes the settings: a second start only hands over (and one at
    // log-on leaves the running calendar where it is).
    const platform::win32::SingleInstance instance(kInstanceName);
    if (!instance.First()) {
        if (!atLogOn) {
            platform::win32::ActivateRunningWindow(platform::win32::ToWide(frmcalendar::kTitle));
        }
        return 0;
    }
    const platform::SystemClock clock;
    SettingsStore store = MakeUserSettingsStore();
    platform::win32::Win32WindowSystem windows(IDI_LUNADESK);
    store.KeepReadsWithin(windows.Events());
    // The user's notices and days, once read; the calendar points into them, so they outlive it.
    CalendarFiles files(windows, std::make_shared<platform::SystemFileAccess>(),
                        platform::UserDataFolder(""));
    frmcalendar calendar(windows, store, clock);
    platform::win32::RegistryRunEntry runEntry("Lunadesk");
    platform::StartAtLogOn startAtLogOn(runEntry, platform::win32::ThisProgramPath());
    Form1 settings(windows, store, calendar, startAtLogOn);
    calendar.SetSettingsWindow(&settings);
    // Made now but created only when the menu asks for it: the calendar starts as fast without.
    frmdays days(windows, calendar, platform::SystemUserFiles(), platform::UserDataFolder(""),
                 clock, LUNADESK_VERSION,
                 [&](const user_files::DaysLoad& now) { files.TakeDays(calendar, now); });
    calendar.SetDaysWindow(&days);
    if (atLogOn) {
        windows.ShowNextWithoutFocus();
    }
    calendar.Show();
    // Its window could not be created: nothing would ever show.
    if (!calendar.Loaded()) {
        ::OutputDebugStringA("the calendar window could not be created");
        return 1;
    }
    // Read after the first paint and off the window's thread: a folder on a share that does not
    // answer must neither delay the calendar nor keep it from closing. A notice added later
    // counts from the next start; days.json is looked at again every minute.
    bool filesAsked = false;
    // Ends with WM_QUIT, which the window system posts when the last window is gone.
    MSG message{};
    for (;;) {
        // An empty queue (WM_PAINT counts as queued): the window has painted.
        if (!filesAsked && !::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            filesAsked = true;
            files.ReadLater(calendar);
        }
        if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
            break;
        }
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
    // Before anything loads a DLL on demand.
    platform::win32::RestrictDllSearchToSystem();
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
