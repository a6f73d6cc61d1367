#include "tests/e2e/probe/window_report.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "tests/e2e/probe/json_line.h"

namespace probe {
namespace {

using platform::win32::ToUtf8;

// Another process may be busy; never hang the test on it.
constexpr UINT kReplyTimeoutMs = 3000;

class ScreenDc {
  public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_ != nullptr) {
            ::ReleaseDC(nullptr, dc_);
        }
    }
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                              &result) == 0) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return ToUtf8(std::wstring_view(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

// The text as the window itself answers WM_GETTEXT.
std::string TextOf(HWND window) {
    const LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return ToUtf8(text);
}

bool OwnVisible(HWND window) {
    return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

JsonLine& AddRect(JsonLine& line, const RECT& rect) {
    return line.Number("x", rect.left)
        .Number("y", rect.top)
        .Number("w", rect.right - rect.left)
        .Number("h", rect.bottom - rect.top);
}

HWND FindTopLevel(std::wstring_view title) {
    return ::FindWindowW(nullptr, std::wstring(title).c_str());
}

std::string NotFound() {
    return JsonLine().Flag("found", false).Str();
}

struct ChildWalk {
    HWND top;
    std::string out;
};

BOOL CALLBACK ReportChild(HWND child, LPARAM context) {
    auto& walk = *reinterpret_cast<ChildWalk*>(context);
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, walk.top, reinterpret_cast<POINT*>(&rect), 2);
    JsonLine line;
    line.Text("class", ClassOf(child))
        .Number("id", ::GetDlgCtrlID(child))
        .Flag("visible", OwnVisible(child));
    AddRect(line, rect).Text("text", TextOf(child));
    walk.out += line.Str();
    return TRUE;
}

struct ListWalk {
    DWORD thread;
    std::string out;
};

std::vector<std::string> ListItems(HWND list, LRESULT count) {
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Ask(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied = length > 0 ? Ask(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                                reinterpret_cast<LPARAM>(text.data()))
                                          : 0;
        text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        items.push_back(ToUtf8(text));
    }
    return items;
}

BOOL CALLBACK ReportList(HWND window, LPARAM context) {
    auto& walk = *reinterpret_cast<ListWalk*>(context);
    if (::GetWindowThreadProcessId(window, nullptr) != walk.thread ||
        ClassOf(window) != "ComboLBox") {
        return TRUE;
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const LRESULT count = Ask(window, LB_GETCOUNT, 0, 0);
    JsonLine line;
    line.Flag("visible", ::IsWindowVisible(window) != FALSE);
    AddRect(line, rect)
        .Number("clientX", origin.x)
        .Number("clientY", origin.y)
        .Number("itemHeight", Ask(window, LB_GETITEMHEIGHT, 0, 0))
        .Number("top", Ask(window, LB_GETTOPINDEX, 0, 0))
        .Number("count", count)
        .Number("selected", Ask(window, LB_GETCURSEL, 0, 0))
        .Texts("items", ListItems(window, count));
    walk.out += line.Str();
    return TRUE;
}

BOOL CALLBACK ReportTrayIcon(HWND icon, LPARAM context) {
    RECT rect{};
    ::GetWindowRect(icon, &rect);
    JsonLine line;
    line.Text("icon", ClassOf(icon)).Flag("visible", ::IsWindowVisible(icon) != FALSE);
    *reinterpret_cast<std::string*>(context) += AddRect(line, rect).Str();
    return TRUE;
}

}  // namespace

void BecomeDpiAware() {
    using SetContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    using SetAwareFn = BOOL(WINAPI*)();
    if (const auto setContext = User32Function<SetContextFn>("SetProcessDpiAwarenessContext")) {
        if (setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) ||
            setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE)) {
            return;
        }
    }
    if (const auto setAware = User32Function<SetAwareFn>("SetProcessDPIAware")) {
        setAware();
    }
}

std::string WindowReport(std::wstring_view title) {
    const HWND window = FindTopLevel(title);
    if (window == nullptr) {
        return NotFound();
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    RECT client{};
    ::GetClientRect(window, &client);
    const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    JsonLine line;
    line.Flag("found", true).Flag("visible", ::IsWindowVisible(window) != FALSE);
    AddRect(line, rect)
        .Number("clientW", client.right)
        .Number("clientH", client.bottom)
        .Number("exStyle", static_cast<std::uint32_t>(exStyle))
        .Flag("layered", (exStyle & WS_EX_LAYERED) != 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    if ((exStyle & WS_EX_LAYERED) != 0 &&
        ::GetLayeredWindowAttributes(window, &key, &alpha, &flags) && (flags & LWA_ALPHA) != 0) {
        line.Number("alpha", alpha);
    } else {
        line.Null("alpha");
    }
    return line.Str();
}

std::string ChildReport(std::wstring_view title) {
    const HWND window = FindTopLevel(title);
    if (window == nullptr) {
        return NotFound();
    }
    ChildWalk walk{window, {}};
    ::EnumChildWindows(window, ReportChild, reinterpret_cast<LPARAM>(&walk));
    return walk.out;
}

std::string ListReport(std::wstring_view title) {
    const HWND window = FindTopLevel(title);
    if (window == nullptr) {
        return NotFound();
    }
    ListWalk walk{::GetWindowThreadProcessId(window, nullptr), {}};
    ::EnumWindows(ReportList, reinterpret_cast<LPARAM>(&walk));
    return walk.out;
}

std::string TrayReport() {
    // Without a tray manager on the X screen, Wine shows the icons in a window of its own.
    HWND tray = ::FindWindowW(nullptr, L"Wine System Tray");
    if (tray == nullptr) {
        tray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    }
    if (tray == nullptr) {
        return NotFound();
    }
    RECT rect{};
    ::GetWindowRect(tray, &rect);
    std::string icons;
    ::EnumChildWindows(tray, ReportTrayIcon, reinterpret_cast<LPARAM>(&icons));
    JsonLine line;
    line.Flag("found", true).Flag("visible", ::IsWindowVisible(tray) != FALSE);
    return AddRect(line, rect).Str() + icons;
}

std::string DpiReport() {
    using GetDpiForSystemFn = UINT(WINAPI*)();
    const auto getDpi = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    const ScreenDc screen;
    return JsonLine()
        .Number("systemDpi", getDpi != nullptr ? getDpi() : 0)
        .Number("logPixels",
                screen.Get() != nullptr ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0)
        .Str();
}

std::string ForegroundReport() {
    const HWND window = ::GetForegroundWindow();
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    const bool focus = window != nullptr &&
                       ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread) &&
                       thread.hwndFocus != nullptr &&
                       (thread.hwndFocus == window || ::IsChild(window, thread.hwndFocus));
    return JsonLine()
        .Text("title", window != nullptr ? TextOf(window) : std::string())
        .Flag("focus", focus)
        .Str();
}

std::string PostClose(std::wstring_view title) {
    const HWND window = FindTopLevel(title);
    return JsonLine()
        .Flag("posted", window != nullptr && ::PostMessageW(window, WM_CLOSE, 0, 0))
        .Str();
}

}  // namespace probe
