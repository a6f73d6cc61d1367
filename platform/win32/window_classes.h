// The program's own window classes, registered for as long as the window system lives:
// the frameless top-level window (with the program's icon), its invisible owner and the
// label, colour-box and grid child windows.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

inline constexpr const wchar_t* kLabelClassName = L"LunadeskLabel";
// The invisible owner of each top-level window, by which Alt+Tab lists it.
inline constexpr const wchar_t* kOwnerClassName = L"LunadeskOwner";
inline constexpr const wchar_t* kPictureClassName = L"LunadeskPicture";
inline constexpr const wchar_t* kGridClassName = L"LunadeskGrid";

// The object a window of ours was created for (its creation parameter), kept in the
// window's user data from WM_NCCREATE until WM_NCDESTROY, which still returns it.
template <typename Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return owner;
}

class WindowClasses {
  public:
    WindowClasses(HINSTANCE instance, int iconResourceId);
    WindowClasses(const WindowClasses&) = delete;
    WindowClasses& operator=(const WindowClasses&) = delete;
    ~WindowClasses();

  private:
    HINSTANCE instance_;
    UniqueIcon largeIcon_;
    UniqueIcon smallIcon_;
};

}  // namespace platform::win32
