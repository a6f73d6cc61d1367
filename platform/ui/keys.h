// Keys as the windows' key handlers receive them: the codes are the Windows virtual-key
// codes, so the Win32 side passes them through unchanged.
#pragma once

namespace ui {

enum Key : int {
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeySpace = 0x20,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyDelete = 0x2E,
    kKeyM = 'M',
    kKeyY = 'Y',
    kKeyApps = 0x5D,  // the Menu key
    kKeyF10 = 0x79,
};

// The shift state that comes with a key or a mouse press.
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

}  // namespace ui
