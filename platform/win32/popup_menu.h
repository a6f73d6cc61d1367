// A small pop-up menu of text items, some ticked, run to its end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui/window_system.h"

namespace platform::win32 {

// Shows the items with their top-left corner at a screen point and returns once the menu
// is closed: the position of the item chosen, or -1 (Esc, a click elsewhere).
int TrackMenu(HWND owner, const std::vector<ui::MenuItem>& items, POINT at);

}  // namespace platform::win32
