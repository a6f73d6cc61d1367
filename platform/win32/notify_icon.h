// The notification-area icon: added and removed for a window with the record the model
// hands over, shown with the program's small icon, and added again when the notification
// area restarts (Explorer crashed or was restarted) while the icon should be there.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>

#include "platform/ui/window_system.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

class NotifyIcon {
  public:
    // The picture is the icon resource with this identifier, at the small-icon size of the
    // system's DPI.
    explicit NotifyIcon(int iconResourceId);
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;
    // Takes the icon away if it is still there.
    ~NotifyIcon();

    // False when the notification area refused the icon.
    bool Add(HWND window, const ui::NotifyIconData& icon);
    void Remove(HWND window, const ui::NotifyIconData& icon);
    // The notification area was recreated: if this window's icon was there, add it again.
    void Restore(HWND window);
    // The window is going away: its icon goes with it.
    void WindowDestroyed(HWND window);

    // True while the window's icon is in the notification area.
    bool ShownFor(HWND window) const { return current_ && current_->window == window; }

  private:
    NOTIFYICONDATAW Record(HWND window, const ui::NotifyIconData& icon) const;
    // The program's icon at the size the notification area asks for now, loaded when needed.
    HICON Picture();

    int iconResourceId_;
    int iconSize_ = 0;
    UniqueIcon ownedIcon_;
    HICON icon_ = nullptr;
    struct Current {
        HWND window;
        ui::NotifyIconData data;
    };
    std::optional<Current> current_;
};

}  // namespace platform::win32
