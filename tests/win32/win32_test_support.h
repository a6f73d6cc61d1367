// What the tests of the real window system share: running the message loop for a while,
// sending a window a message, and asking a window's accessible object.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <chrono>
#include <string>

namespace platform::win32 {

// Dispatches what is queued until done() holds (at least once) or the time is up.
template <typename Done>
inline bool PumpUntil(Done done,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
    for (const auto end = std::chrono::steady_clock::now() + limit;;) {
        for (MSG message{}; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            ::DispatchMessageW(&message);
        }
        if (done() || std::chrono::steady_clock::now() >= end) {
            return done();
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline void Pump() {
    PumpUntil([] { return true; });
}

inline void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam = MAKELPARAM(2, 2)) {
    ::SendMessageW(window, message, wParam, lParam);
}

// An object's child by its id; CHILDID_SELF (0) is the object itself.
inline VARIANT Self(LONG child = CHILDID_SELF) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = child;
    return self;
}

inline IAccessible* ObjectOf(HWND window) {
    constexpr IID kIidAccessible = {
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible* object = nullptr;
    ::AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible,
                                 reinterpret_cast<void**>(&object));
    return object;
}

inline std::wstring Said(HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*),
                         IAccessible* object, LONG child = CHILDID_SELF) {
    BSTR text = nullptr;
    std::wstring said = SUCCEEDED((object->*ask)(Self(child), &text)) && text ? text : L"<none>";
    ::SysFreeString(text);
    return said;
}

}  // namespace platform::win32
