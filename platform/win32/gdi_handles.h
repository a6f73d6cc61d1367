// Owners for the GDI and USER handles the window system creates, so that no handle
// outlives its scope and long use never grows the process's object counts.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

inline void DeleteGdiObject(HGDIOBJ object) noexcept {
    ::DeleteObject(object);
}
inline void DestroyIconHandle(HICON icon) noexcept {
    ::DestroyIcon(icon);
}
inline void DestroyWindowHandle(HWND window) noexcept {
    ::DestroyWindow(window);
}
inline void DeleteDcHandle(HDC dc) noexcept {
    ::DeleteDC(dc);
}
inline void DestroyMenuHandle(HMENU menu) noexcept {
    ::DestroyMenu(menu);
}

using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDcHandle>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;

// Selects an object into a DC for one scope and puts the previous one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { ::SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's client DC for one scope (GetDC / ReleaseDC).
class WindowDc {
  public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }
    HDC Get() const noexcept { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintScope {
  public:
    explicit PaintScope(HWND window) noexcept : window_(window) { ::BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    HDC Dc() const noexcept { return paint_.hdc; }
    const RECT& Area() const noexcept { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Draws into memory and copies the result to the target in one go when it goes out of
// scope, so a window never shows a half-painted state. Drawing uses the target's
// coordinates: the memory DC's origin is moved to the area's top-left corner.
class BufferedPaint {
  public:
    BufferedPaint(HDC target, const RECT& area) noexcept;
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    ~BufferedPaint();
    // Falls back to the target itself when no memory could be had.
    HDC Dc() const noexcept { return memory_ ? memory_.Get() : target_; }

  private:
    HDC target_;
    RECT area_;
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

inline BufferedPaint::BufferedPaint(HDC target, const RECT& area) noexcept
    : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    UniqueMemoryDc memory(::CreateCompatibleDC(target));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(target, width, height));
    if (!memory || !bitmap) {
        return;
    }
    previousBitmap_ = ::SelectObject(memory.Get(), bitmap.Get());
    ::SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
    memory_ = std::move(memory);
    bitmap_ = std::move(bitmap);
}

inline BufferedPaint::~BufferedPaint() {
    if (!memory_) {
        return;
    }
    ::SetViewportOrgEx(memory_.Get(), 0, 0, nullptr);
    ::BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
             memory_.Get(), 0, 0, SRCCOPY);
    ::SelectObject(memory_.Get(), previousBitmap_);
}

}  // namespace platform::win32
