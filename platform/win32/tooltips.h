// The pointer tips of one window's child controls, in one tooltip control that the window
// owns; Destroy it before its owner window. A child window has one tip for the whole of it,
// or (a surface drawn in parts) one tip per area of it.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

class Tooltips {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    // Sets, changes or (with an empty text) removes the tip of a child window; the font
    // is the one the tips are shown in.
    void Set(HWND control, const std::wstring& text, HFONT font);
    // The same for the area of a child window known by id (its client pixels).
    void SetArea(HWND control, UINT_PTR id, const RECT& area, const std::wstring& text, HFONT font);
    void Destroy();

  private:
    struct Tip {
        std::wstring text;
        RECT area;
    };
    using Key = std::pair<HWND, UINT_PTR>;
    // Adds, changes or removes one tool.
    void Apply(const Key& key, UINT flags, const RECT& area, const std::wstring& text, HFONT font);
    bool Ensure();

    HWND owner_ = nullptr;
    UniqueWindow tooltip_;
    HFONT font_ = nullptr;
    std::map<Key, Tip> tips_;
};

}  // namespace platform::win32
