#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/form_window.h"
#include "platform/win32/input_mapping.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"

namespace platform::win32 {
ScrollControl::ScrollControl(FormWindow& owner, ui::HScrollBar& bar, int id)
    : NativeControl(owner, bar), bar_(bar) {
    CreateSystemControl(0, L"SCROLLBAR", nullptr, SBS_HORZ, id);
    SubclassSystemControl();
}

// The keys reach the model, which moves the value by the bar's steps and runs the same
// handler as the mouse; the bar's own keyboard handling never sees them.
LRESULT ScrollControl::Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT || !ShowsFocus()) {
        return NativeControl::Subclassed(window, message, wParam, lParam);
    }
    // Over what the bar paints, and only there: the mark's dots invert what lies beneath,
    // so a second pass over pixels left alone would wipe them.
    const UniqueRegion painted(::CreateRectRgn(0, 0, 0, 0));
    ::GetUpdateRgn(window, painted.Get(), FALSE);
    const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    const WindowDc dc(window);
    ::SelectClipRgn(dc.Get(), painted.Get());
    PaintFocusMark(dc.Get());
    return result;
}

int ScrollControl::Low() const {
    return std::min(min_, max_);
}
int ScrollControl::High() const {
    return std::max(min_, max_);
}

int ScrollControl::ToNative(int value) const {
    return min_ <= max_ ? value : Low() + High() - value;
}

int ScrollControl::FromNative(int position) const {
    return min_ <= max_ ? position : Low() + High() - position;
}

void ScrollControl::SetNativeState() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = Low();
    info.nMax = High();
    info.nPage = 0;  // a plain slider: the thumb does not stand for a page
    info.nPos = ToNative(value_);
    // No immediate redraw: called while the bar tracks the mouse, that would fight with
    // the bar's own drawing of the pressed parts.
    ::SetScrollInfo(handle_, SB_CTL, &info, FALSE);
    ::InvalidateRect(handle_, nullptr, FALSE);
}

void ScrollControl::Sync() {
    if (!synced_ || bar_.Min() != min_ || bar_.Max() != max_ || bar_.Value() != value_) {
        synced_ = true;
        min_ = bar_.Min();
        max_ = bar_.Max();
        value_ = bar_.Value();
        SetNativeState();
    }
    SyncToolTip();
    SyncVisibility();
}

void ScrollControl::OnScroll(int request, int thumb) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS | SIF_TRACKPOS;
    ::GetScrollInfo(handle_, SB_CTL, &info);
    // The message's thumb position has 16 bits; the 32-bit one is only known while the
    // thumb is still tracked, so it serves for ranges beyond 16 bits.
    const int released = High() > 0xFFFF || Low() < 0 ? info.nTrackPos : thumb;
    // While the thumb is dragged the bar moves it by itself and the model runs nothing:
    // ScrollTarget gives no value for SB_THUMBTRACK, only for the release.
    const auto target = ScrollTarget(request, info.nPos, Low(), High(), bar_.SmallChange(),
                                     bar_.LargeChange(), released);
    if (!target) {
        return;
    }
    // The bar shows where it went even when the value stays (a click at an end).
    value_ = FromNative(*target);
    SetNativeState();
    bar_.SetValue(value_);  // runs the Change handler; nothing of this object is used after
}

}  // namespace platform::win32
