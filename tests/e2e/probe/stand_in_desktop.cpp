// For the end-to-end tests: a stand-in for the shell's desktop brought forward by "show
// desktop", which Wine has none of. `stand_in_desktop` shows a full-screen window of class
// WorkerW with a SHELLDLL_DefView child, both magenta, makes it the foreground window and
// stays until it is closed (or for two minutes at most).
#include <windows.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr UINT kLifetimeMs = 120000;

LRESULT CALLBACK DesktopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
        case WM_CLOSE:
            ::DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RegisterClassNamed(const wchar_t* name, WNDPROC proc, HBRUSH brush) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush;
    windowClass.lpszClassName = name;
    return ::RegisterClassW(&windowClass) != 0;
}

}  // namespace

int wmain() {
    ::SetProcessDPIAware();
    const HBRUSH magenta = ::CreateSolidBrush(kMagenta);
    if (!RegisterClassNamed(L"WorkerW", DesktopProc, magenta) ||
        !RegisterClassNamed(L"SHELLDLL_DefView", ::DefWindowProcW, magenta)) {
        return 1;
    }
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const HWND desktop =
        ::CreateWindowExW(0, L"WorkerW", L"Stand-in desktop", WS_POPUP, 0, 0, width, height,
                          nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (desktop == nullptr ||
        ::CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE, 0, 0, width, height,
                          desktop, nullptr, ::GetModuleHandleW(nullptr), nullptr) == nullptr) {
        return 1;
    }
    ::SetTimer(desktop, 1, kLifetimeMs, nullptr);
    ::ShowWindow(desktop, SW_SHOW);
    ::SetWindowPos(desktop, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(desktop);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    ::DeleteObject(magenta);
    return 0;
}
