// The program's own window classes, registered for as long as the window system lives:
// the frameless top-level window (with the program's icon) and the label and colour-box
// child windows.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

inline constexpr const wchar_t* kLabelClassName = L"LunadeskLabel";
inline constexpr const wchar_t* kPictureClassName = L"LunadeskPicture";

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
