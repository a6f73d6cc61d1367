#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <utility>

#include "platform/win32/desktop_keeper.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "platform/win32/notify_icon.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/registry_run_entry.h"
#include "platform/win32/save_file_dialog.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"
#include "platform/win32/window_context.h"
#include "platform/win32/work_window.h"

namespace platform::win32 {

Win32WindowSystem::Win32WindowSystem(int iconResourceId)
    : classes_(std::make_unique<WindowClasses>(::GetModuleHandleW(nullptr), iconResourceId)),
      notifyIcon_(std::make_unique<NotifyIcon>(iconResourceId, ToWide(ThisProgramPath()))),
      context_(
          std::make_unique<WindowContext>(::GetModuleHandleW(nullptr), *notifyIcon_, Events())),
      desktopKeeper_(std::make_unique<DesktopKeeper>()),
      work_(std::make_unique<WorkWindow>(::GetModuleHandleW(nullptr), *context_)) {}

// Background work and windows first, then the icon, then the classes they were made of.
Win32WindowSystem::~Win32WindowSystem() {
    work_.reset();
    windows_.clear();
    desktopKeeper_.reset();
    context_.reset();
    notifyIcon_.reset();
    classes_.reset();
}

namespace {

// Each monitor's own DPI where the system has it (shcore, Windows 8.1 on), else the system's.
int MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const Library shcore = LoadSystemLibrary(L"shcore.dll");
    static const auto getDpi = LibraryFunction<GetDpiForMonitorFn>(shcore, "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    constexpr int kEffectiveDpi = 0;
    if (getDpi != nullptr && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) && x != 0) {
        return static_cast<int>(x);
    }
    return SystemDpi();
}

ui::PixelRect ToPixelRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<ui::Monitor>*>(monitors)->push_back(
            ui::Monitor{ToPixelRect(info.rcMonitor), ToPixelRect(info.rcWork), MonitorDpi(monitor),
                        (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

}  // namespace

std::vector<ui::Monitor> Win32WindowSystem::Monitors() const {
    std::vector<ui::Monitor> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        const ui::PixelRect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                                   ::GetSystemMetrics(SM_CYSCREEN)};
        monitors.push_back(ui::Monitor{screen, screen, SystemDpi(), true});
    }
    return monitors;
}

void Win32WindowSystem::RunInBackground(std::function<void()> work, std::function<void()> done) {
    work_->Work().Start(std::move(work), std::move(done));
}

FormWindow* Win32WindowSystem::WindowOf(const ui::Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

void* Win32WindowSystem::NativeHandle(const ui::Form& form) const {
    const FormWindow* window = WindowOf(form);
    return window != nullptr ? window->Handle() : nullptr;
}

bool Win32WindowSystem::CreateNativeWindow(ui::Form& form) {
    auto created = std::make_unique<FormWindow>(*context_, form);
    if (created->Handle() == nullptr) {
        return false;
    }
    std::unique_ptr<FormWindow>& slot = windows_[&form];
    if (slot) {
        // Never happens with the Form's lifecycle; a stale window must not linger.
        slot->Destroy();
        context_->Retire(std::move(slot));
    }
    slot = std::move(created);
    return true;
}

void Win32WindowSystem::DestroyNativeWindow(ui::Form& form) {
    const auto found = windows_.find(&form);
    if (found == windows_.end()) {
        return;
    }
    std::unique_ptr<FormWindow> window = std::move(found->second);
    windows_.erase(found);
    notifyIcon_->WindowDestroyed(window->Handle());
    desktopKeeper_->Keep(window->Handle(), false);
    window->Destroy();
    context_->Retire(std::move(window));
    // The program ends when its last window is gone.
    if (windows_.empty()) {
        ::PostQuitMessage(0);
    }
}

bool Win32WindowSystem::DialogMessage(MSG& msg) {
    const HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    for (const auto& [form, window] : windows_) {
        // The calendar window has no tab stops: its keys go to its own procedure.
        if (window->Handle() == root && window->IsDialog()) {
            // Tab only moves the focus, in the system's code where no handler sees the key.
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
                NoteUserInput();
            }
            return ::IsDialogMessageW(root, &msg) != FALSE;
        }
    }
    return false;
}

void Win32WindowSystem::ShowNativeWindow(ui::Form& form, bool visible) {
    if (FormWindow* window = WindowOf(form)) {
        // Back from the notification area, where merely pointing at the icon brings it:
        // it must not take the keyboard from the program the user is typing in.
        const bool fromIcon = notifyIcon_->ShownFor(window->Handle());
        window->Show(visible, fromIcon || (visible && std::exchange(nextWithoutFocus_, false)));
    }
}

void Win32WindowSystem::Activate(ui::Form& form) {
    if (FormWindow* window = WindowOf(form)) {
        window->Activate();
    }
}

void Win32WindowSystem::WindowChanged(ui::Form& form) {
    if (FormWindow* window = WindowOf(form)) {
        window->SyncWindow();
    }
}

void Win32WindowSystem::ElementChanged(ui::Form& form, ui::Element& element) {
    if (FormWindow* window = WindowOf(form)) {
        window->SyncElement(element);
    }
}

void Win32WindowSystem::TimerChanged(ui::Form& form, ui::Timer& timer) {
    if (FormWindow* window = WindowOf(form)) {
        window->SyncTimer(timer);
    }
}

void Win32WindowSystem::MakeLayered(ui::Form& form) {
    if (FormWindow* window = WindowOf(form)) {
        const HWND handle = window->Handle();
        const LONG_PTR style = ::GetWindowLongPtrW(handle, GWL_EXSTYLE);
        ::SetWindowLongPtrW(handle, GWL_EXSTYLE, style | WS_EX_LAYERED);
    }
}

void Win32WindowSystem::KeepAboveDesktop(ui::Form& form, bool keep) {
    if (const FormWindow* window = WindowOf(form)) {
        desktopKeeper_->Keep(window->Handle(), keep);
    }
}

void Win32WindowSystem::SetAlpha(ui::Form& form, std::uint8_t alpha) {
    if (FormWindow* window = WindowOf(form)) {
        window->SetAlpha(alpha);
    }
}

// The user's own choice in the regional settings, else the locale's.
int Win32WindowSystem::FirstDayOfWeek() const {
    DWORD day = 0;
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER,
                          reinterpret_cast<LPWSTR>(&day), sizeof day / sizeof(wchar_t)) == 0 ||
        day > 6) {
        return 0;
    }
    return static_cast<int>(day);
}

bool Win32WindowSystem::HighContrast() const {
    return context_->highContrast;
}

void Win32WindowSystem::SetHighContrastQuery(bool (*query)()) {
    context_->contrastQuery = query;
    context_->RefreshContrast();
}

void Win32WindowSystem::ReleaseCapture() {
    ::ReleaseCapture();
}

void Win32WindowSystem::RunMoveLoop(ui::Form& form) {
    FormWindow* window = WindowOf(form);
    if (window == nullptr) {
        return;
    }
    // As if the title bar had been grabbed: the system moves the window with the pointer
    // and returns when the button is released. Only with the left button held: after a
    // press of another button the system would glue the window to the pointer until the
    // next click, which no user expects from a right click.
    if ((::GetKeyState(VK_LBUTTON) & 0x8000) != 0) {
        const EventEpoch::ModalLoop loop(Events());
        ::SendMessageW(window->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
    if ((window = WindowOf(form)) != nullptr) {
        window->ReportPosition();
    }
}

bool Win32WindowSystem::AddNotifyIcon(const ui::NotifyIconData& icon) {
    const FormWindow* window = icon.Window != nullptr ? WindowOf(*icon.Window) : nullptr;
    return window != nullptr && notifyIcon_->Add(window->Handle(), icon);
}

void Win32WindowSystem::RemoveNotifyIcon(const ui::NotifyIconData& icon) {
    if (const FormWindow* window = icon.Window != nullptr ? WindowOf(*icon.Window) : nullptr) {
        notifyIcon_->Remove(window->Handle(), icon);
    }
}

bool Win32WindowSystem::ShowBalloon(ui::Form& form, const ui::Balloon& balloon) {
    const FormWindow* window = WindowOf(form);
    return window != nullptr && notifyIcon_->ShowBalloon(window->Handle(), balloon);
}

void Win32WindowSystem::RemoveBalloon(ui::Form& form) {
    if (const FormWindow* window = WindowOf(form)) {
        notifyIcon_->RemoveBalloon(window->Handle());
    }
}

int Win32WindowSystem::ShowMenu(ui::Form& form, const std::vector<ui::MenuItem>& items,
                                std::optional<ui::Point> at) {
    FormWindow* window = WindowOf(form);
    if (window == nullptr) {
        return -1;
    }
    POINT place{};
    if (at) {
        place = {TwipsToPixelPosition(at->X, window->Dpi()),
                 TwipsToPixelPosition(at->Y, window->Dpi())};
        ::ClientToScreen(window->Handle(), &place);
    } else {
        ::GetCursorPos(&place);
    }
    const EventEpoch::ModalLoop loop(Events());
    return TrackMenu(window->Handle(), items, place);
}

ui::SaveFileAnswer Win32WindowSystem::ChooseSaveFile(ui::Form& form,
                                                     const ui::SaveFileRequest& request) {
    const FormWindow* window = WindowOf(form);
    const EventEpoch::ModalLoop loop(Events());
    return ShowSaveFileDialog(window != nullptr ? window->Handle() : nullptr, request);
}

bool Win32WindowSystem::OpenInNotepad(const std::string& path) {
    // By its full path: a notepad.exe in the current folder or on the path is not the system's.
    const std::wstring notepad = SystemPath(L"notepad.exe");
    if (notepad.empty()) {
        return false;
    }
    std::wstring commandLine = L"\"" + notepad + L"\" \"" + ToWide(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(notepad.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &started)) {
        return false;
    }
    // Not waited for: the user edits at leisure, and the next look at the file finds the change.
    const UniqueHandle<HANDLE, ::CloseHandle> process(started.hProcess), thread(started.hThread);
    return true;
}

}  // namespace platform::win32
