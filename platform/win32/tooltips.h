// The pointer tips of one window's child controls, in one tooltip control that the window
// owns; Destroy it before its owner window.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

class Tooltips {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    // Sets, changes or (with an empty text) removes the tip of a child window; the font
    // is the one the tips are shown in.
    void Set(HWND control, const std::wstring& text, HFONT font);
    void Destroy();

  private:
    bool Ensure();

    HWND owner_ = nullptr;
    UniqueWindow tooltip_;
    HFONT font_ = nullptr;
    std::map<HWND, std::wstring> tips_;
};

}  // namespace platform::win32
