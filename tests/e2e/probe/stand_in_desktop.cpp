// For the end-to-end tests: a stand-in for the shell's desktop brought forward by "show
// desktop", which Wine lacks: a magenta full-screen window of class WorkerW with a
// SHELLDLL_DefView child, made the foreground window, until its Wine server ends. Once it shows,
// it raises the WinEvent of the new foreground window, as Windows does and Wine 8 does not.
#include <windows.h>

#include <initializer_list>

int wmain() {
    ::SetProcessDPIAware();
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const HBRUSH magenta = ::CreateSolidBrush(RGB(255, 0, 255));
    for (const wchar_t* name : {L"WorkerW", L"SHELLDLL_DefView"}) {
        const WNDCLASSW windowClass{0,       ::DefWindowProcW, 0,       0,       instance,
                                    nullptr, nullptr,          magenta, nullptr, name};
        ::RegisterClassW(&windowClass);
    }
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    const HWND desktop = ::CreateWindowExW(0, L"WorkerW", L"Stand-in desktop", WS_POPUP, 0, 0,
                                           width, height, nullptr, nullptr, instance, nullptr);
    ::CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE, 0, 0, width, height,
                      desktop, nullptr, instance, nullptr);
    ::ShowWindow(desktop, SW_SHOW);
    ::SetForegroundWindow(desktop);
    // Shown on the X screen only once its requests go out, while it waits for messages.
    ::SetTimer(desktop, 1, 300, nullptr);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && ::KillTimer(desktop, 1)) {
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, desktop, OBJID_WINDOW, CHILDID_SELF);
        }
        ::DispatchMessageW(&message);
    }
    return 0;
}
