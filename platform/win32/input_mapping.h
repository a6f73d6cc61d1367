// Native mouse and scroll input in the model's terms. Pure functions of the message
// parameters, so they can be checked without a window.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/ui/types.h"
#include "platform/ui/window_system.h"

namespace platform::win32 {

// The button state of a mouse message's first parameter: left 1, right 2, middle 4.
// The notification icon's messages carry its identifier there (1), which reads as the
// left button; that is how the icon restores the window, so it is not special-cased.
constexpr int ButtonsFromKeyState(WPARAM keys) {
    int buttons = 0;
    if ((keys & MK_LBUTTON) != 0) {
        buttons |= ui::kLeftButton;
    }
    if ((keys & MK_RBUTTON) != 0) {
        buttons |= ui::kRightButton;
    }
    if ((keys & MK_MBUTTON) != 0) {
        buttons |= ui::kMiddleButton;
    }
    return buttons;
}

// A message of the notification icon (its identifier 1 in wParam, the mouse message over it
// in lParam) that chooses it rather than merely points at it: any button, and the keyboard's
// Space or Enter, which icons of version 0 (the calendar's) report as the right button's press
// and release and later versions as NIN_SELECT / NIN_KEYSELECT.
constexpr bool IsNotifyIconChoice(WPARAM wParam, LPARAM lParam) {
    constexpr LPARAM kSelect = WM_USER;         // NIN_SELECT
    constexpr LPARAM kKeySelect = WM_USER | 1;  // NIN_KEYSELECT
    return wParam == MK_LBUTTON && ((lParam >= WM_LBUTTONDOWN && lParam <= WM_MBUTTONDBLCLK) ||
                                    lParam == kSelect || lParam == kKeySelect);
}

// News of the icon's balloon (NIN_BALLOONSHOW, HIDE, TIMEOUT, USERCLICK), which comes the way
// the icon's mouse messages do but is nothing the user did at the icon.
constexpr bool IsNotifyIconBalloon(LPARAM lParam) {
    return lParam >= (WM_USER | 2) && lParam <= (WM_USER | 5);
}

// What the news of a balloon's icon means for the window: a click on the balloon or on the
// icon (with the mouse or the keyboard), or the balloon closed or timed out. Pointing at the
// icon means nothing.
inline std::optional<ui::NotifyEvent> BalloonNews(LPARAM lParam) {
    constexpr LPARAM kSelect = WM_USER, kKeySelect = WM_USER | 1;  // NIN_SELECT, NIN_KEYSELECT
    constexpr LPARAM kHide = WM_USER | 3, kTimeout = WM_USER | 4, kUserClick = WM_USER | 5;
    if (lParam == kUserClick || lParam == WM_LBUTTONUP || lParam == kSelect ||
        lParam == kKeySelect) {
        return ui::NotifyEvent::BalloonClicked;
    }
    if (lParam == kHide || lParam == kTimeout) {
        return ui::NotifyEvent::BalloonDismissed;
    }
    return std::nullopt;
}

// Shift 1, Ctrl 2, Alt 4 (Alt is not in the message; the caller asks the keyboard).
constexpr int ShiftFromKeyState(WPARAM keys, bool altDown) {
    return ((keys & MK_SHIFT) != 0 ? 1 : 0) | ((keys & MK_CONTROL) != 0 ? 2 : 0) |
           (altDown ? 4 : 0);
}

// Whether a window hides its access keys' underlines after a WM_CHANGEUISTATE or
// WM_UPDATEUISTATE of this wParam: UIS_SET hides them, UIS_CLEAR shows them, UIS_INITIALIZE
// shows them only when the user has them always underlined (keyboard cues); a change that
// does not name them leaves them.
constexpr bool HidesAccessKeys(bool hidden, WPARAM change, bool keyboardCues) {
    if ((HIWORD(change) & UISF_HIDEACCEL) == 0) {
        return hidden;
    }
    switch (LOWORD(change)) {
        case UIS_SET:
            return true;
        case UIS_CLEAR:
            return false;
        case UIS_INITIALIZE:
            return !keyboardCues;
        default:
            return hidden;
    }
}

// Where a horizontal scroll request takes a scroll bar whose position runs from low to
// high: lines and pages by the given steps, the ends, the released thumb. Nothing for
// the thumb while it is dragged (the model runs nothing then) and for the end of a scroll.
constexpr std::optional<int> ScrollTarget(int request, int position, int low, int high,
                                          int smallChange, int largeChange, int thumb) {
    int target = position;
    switch (request) {
        case SB_LINELEFT:
            target = position - smallChange;
            break;
        case SB_LINERIGHT:
            target = position + smallChange;
            break;
        case SB_PAGELEFT:
            target = position - largeChange;
            break;
        case SB_PAGERIGHT:
            target = position + largeChange;
            break;
        case SB_THUMBPOSITION:
            target = thumb;
            break;
        case SB_LEFT:
            target = low;
            break;
        case SB_RIGHT:
            target = high;
            break;
        default:
            return std::nullopt;
    }
    return target < low ? low : (target > high ? high : target);
}

}  // namespace platform::win32
