#include "platform/win32/popup_menu.h"

#include "platform/win32/gdi_handles.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

int TrackMenu(HWND owner, const std::vector<ui::MenuItem>& items, POINT at) {
    const UniqueMenu menu(::CreatePopupMenu());
    if (!menu) {
        return -1;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        // Command 0 means "nothing chosen", so the items count from 1.
        ::AppendMenuW(menu.Get(), MF_STRING | (items[i].Checked ? MF_CHECKED : MF_UNCHECKED), i + 1,
                      ToWide(items[i].Text).c_str());
    }
    // Only a menu of the foreground window closes on Esc or on a click elsewhere.
    ::SetForegroundWindow(owner);
    const int command = static_cast<int>(::TrackPopupMenu(
        menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    // Lets the system finish switching the foreground before the next menu opens.
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return command - 1;
}

}  // namespace platform::win32
