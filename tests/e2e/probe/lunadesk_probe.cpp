// For the end-to-end tests: what only Win32 knows of the running program, read from outside.
// `lunadesk_probe TITLE...` prints one JSON array with, for each title, null or the top-level
// window: {"class", "text", "visible", "x", "y", "w", "h", "alpha", "colorKey", "children"},
// each child (grandchildren included) with the first seven. Rectangles are in screen pixels,
// "visible" is the window's own style bit, and "alpha" and "colorKey" the layered attributes
// in use (null when not); a combo box child adds "dropped", whether its list is open. With
// --accessible first, each child also says what a screen reader hears of it: "name",
// "description", "value", "role" and "state", as AccessibleObjectFromWindow's object answers
// (null when there is none), and an object with parts of its own (the month grid) lists them as
// "cells", each with "name", "description", "state" and its screen rectangle "x", "y", "w", "h".
// Other arguments: `tip` gives the text of the pointer tip shown now (null when none), `foreground`
// gives {"title", "focus"} of the foreground window (focus: the keyboard focus is in it), `menu`
// the open popup menu as a window (null when none is open), `dialog` a system dialog box (the
// save dialog) the same way, `close=TITLE` posts a close request
// to that window, as an installer would, and gives {"posted"}, and `ime=TEXT` sends TEXT to the
// keyboard focus as an input method's result arrives, one WM_IME_CHAR a character (Xvfb has no
// input method), and gives {"sent"}.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/win32/wide_text.h"

namespace {

void Quote(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;  // UTF-8 passes through
        }
    }
    out += '"';
}

void Field(std::string& out, const char* name, long value, bool present = true) {
    out += std::string(",\"") + name + "\":" + (present ? std::to_string(value) : "null");
}

// The part every window reports; the object is left open.
void Describe(std::string& out, HWND window) {
    wchar_t text[256] = {};
    out += "{\"class\":";
    Quote(out, platform::win32::ToUtf8(
                   {text, static_cast<std::size_t>(::GetClassNameW(window, text, 256))}));
    out += ",\"text\":";
    // Another process's window answers from its stored text, without a message that could hang.
    Quote(out, platform::win32::ToUtf8(
                   {text, static_cast<std::size_t>(::GetWindowTextW(window, text, 256))}));
    const bool visible = (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    out += std::string(",\"visible\":") + (visible ? "true" : "false");
    RECT place{};
    ::GetWindowRect(window, &place);
    Field(out, "x", place.left);
    Field(out, "y", place.top);
    Field(out, "w", place.right - place.left);
    Field(out, "h", place.bottom - place.top);
    if (std::wstring_view(text, ::GetClassNameW(window, text, 256)) == L"ComboBox") {
        DWORD_PTR dropped = 0;
        ::SendMessageTimeoutW(window, CB_GETDROPPEDSTATE, 0, 0, SMTO_ABORTIFHUNG, 2000, &dropped);
        out += std::string(",\"dropped\":") + (dropped ? "true" : "false");
    }
}

bool accessible = false;

// The texts, role and state of an object itself (CHILDID_SELF) or of one of its parts.
void DescribeChild(std::string& out, IAccessible* object, long child) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = child;
    for (const char* key : {"name", "description", "value"}) {
        BSTR text = nullptr;
        const HRESULT got = *key == 'n'   ? object->get_accName(self, &text)
                            : *key == 'd' ? object->get_accDescription(self, &text)
                                          : object->get_accValue(self, &text);
        out += std::string(",\"") + key + "\":";
        if (SUCCEEDED(got) && text != nullptr) {
            Quote(out, platform::win32::ToUtf8(text));
        } else {
            out += "null";
        }
        ::SysFreeString(text);
    }
    VARIANT role{};
    VARIANT state{};
    Field(out, "role", role.lVal, SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4);
    Field(out, "state", state.lVal,
          SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4);
    if (child != CHILDID_SELF) {
        long x = 0, y = 0, w = 0, h = 0;
        object->accLocation(&x, &y, &w, &h, self);
        Field(out, "x", x);
        Field(out, "y", y);
        Field(out, "w", w);
        Field(out, "h", h);
    }
}

// As a screen reader asks. The IID is spelled out: the import library's is wrong when linked
// statically.
void DescribeAccessible(std::string& out, HWND window) {
    constexpr IID kIidAccessible = {
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible,
                                            reinterpret_cast<void**>(&object)))) {
        out += ",\"name\":null,\"description\":null,\"value\":null,\"role\":null,\"state\":null";
        return;
    }
    DescribeChild(out, object, CHILDID_SELF);
    long count = 0;
    if (SUCCEEDED(object->get_accChildCount(&count)) && count > 0) {
        out += ",\"cells\":[";
        for (long child = 1; child <= count; ++child) {
            out += child > 1 ? ",{\"id\":" : "{\"id\":";
            out += std::to_string(child);
            DescribeChild(out, object, child);
            out += '}';
        }
        out += ']';
    }
    object->Release();
}

BOOL CALLBACK AddChild(HWND child, LPARAM list) {
    std::string& out = *reinterpret_cast<std::string*>(list);
    out += out.back() == '[' ? "" : ",";
    Describe(out, child);
    if (accessible) {
        DescribeAccessible(out, child);
    }
    out += '}';
    return TRUE;
}

void Report(std::string& out, HWND window) {
    Describe(out, window);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(window, &key, &alpha, &flags)) {
        flags = 0;
    }
    Field(out, "alpha", alpha, (flags & LWA_ALPHA) != 0);
    Field(out, "colorKey", static_cast<long>(key), (flags & LWA_COLORKEY) != 0);
    out += ",\"children\":[";
    ::EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&out));
    out += "]}";
}

// The text of the pointer tip shown now, as a JSON string, or null when none shows.
std::string Tip() {
    std::string out = "null";
    HWND tip = nullptr;
    while ((tip = ::FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
        wchar_t text[256] = {};
        if (::IsWindowVisible(tip) &&
            ::SendMessageTimeoutW(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                                  SMTO_ABORTIFHUNG, 2000, nullptr)) {
            out.clear();
            Quote(out, platform::win32::ToUtf8(text));
        }
    }
    return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Real pixels at any DPI, as the program itself sees them.
    ::SetProcessDPIAware();
    int first = 1;
    if (argc > 1 && std::wstring_view(argv[1]) == L"--accessible") {
        accessible = true;
        first = 2;
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    std::string out = "[";
    for (int i = first; i < argc; ++i) {
        out += i > first ? "," : "";
        const std::wstring_view arg = argv[i];
        if (arg == L"foreground") {
            const HWND window = ::GetForegroundWindow();
            GUITHREADINFO thread{};
            thread.cbSize = sizeof(thread);
            const bool focus =
                window &&
                ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread) &&
                (thread.hwndFocus == window || ::IsChild(window, thread.hwndFocus));
            wchar_t title[256] = {};
            out += "{\"title\":";
            Quote(out, platform::win32::ToUtf8({title, static_cast<std::size_t>(
                                                           ::GetWindowTextW(window, title, 256))}));
            out += std::string(",\"focus\":") + (focus ? "true}" : "false}");
        } else if (arg == L"tip") {
            out += Tip();
        } else if (const HWND menu = arg == L"menu" ? ::FindWindowW(L"#32768", nullptr) : nullptr) {
            Report(out, menu);
        } else if (const HWND dialog =
                       arg == L"dialog" ? ::FindWindowW(L"#32770", nullptr) : nullptr) {
            Report(out, dialog);
        } else if (arg.starts_with(L"close=")) {
            const HWND window = ::FindWindowW(nullptr, argv[i] + 6);
            const bool posted = window && ::PostMessageW(window, WM_CLOSE, 0, 0);
            out += std::string("{\"posted\":") + (posted ? "true}" : "false}");
        } else if (arg.starts_with(L"ime=")) {
            GUITHREADINFO thread{};
            thread.cbSize = sizeof(thread);
            const HWND focus = ::GetGUIThreadInfo(0, &thread) ? thread.hwndFocus : nullptr;
            for (const wchar_t c : arg.substr(4)) {
                ::SendMessageW(focus, WM_IME_CHAR, c, 0);
            }
            out += std::string("{\"sent\":") + (focus ? "true}" : "false}");
        } else if (const HWND window = ::FindWindowW(nullptr, argv[i])) {
            Report(out, window);
        } else {
            out += "null";
        }
    }
    out += "]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (accessible) {
        ::CoUninitialize();
    }
    return 0;
}
