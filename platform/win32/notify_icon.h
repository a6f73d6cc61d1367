// The notification-area icon: added and removed for a window with the record the model
// hands over, shown with the program's small icon, and added again when the notification
// area restarts (Explorer crashed or was restarted) while the icon should be there. Its
// identity is a GUID made from the program's path, so Windows keeps the user's choice of
// showing it in the taskbar corner from one run to the next, for each copy of the program.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string_view>

#include "platform/ui/window_system.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

// The identity of the icon of the program at this path: the same for the same file however
// its path is cased, another for another copy.
GUID NotifyIconGuid(std::wstring_view programPath);

// Shell_NotifyIconW, or what a test puts in its place.
using ShellNotify = BOOL (*)(DWORD message, NOTIFYICONDATAW& record);
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW& record);

// A balloon's own icon, shown while the window has none in the notification area: its
// identifier and the message its news comes as.
inline constexpr UINT kBalloonIconId = 2;
inline constexpr UINT kBalloonIconMessage = WM_APP + 0x4C;

class NotifyIcon {
  public:
    // The picture is the icon resource with this identifier, at the small-icon size of the
    // system's DPI.
    NotifyIcon(int iconResourceId, std::wstring_view programPath,
               ShellNotify notify = ShellNotifyIcon);
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

    // A balloon from the window's icon while it is there, else from an icon of its own; false
    // when the notification area refused it.
    bool ShowBalloon(HWND window, const ui::Balloon& balloon);
    // The window's balloon goes, and its own icon with it.
    void RemoveBalloon(HWND window);

    // True while the window's icon is in the notification area.
    bool ShownFor(HWND window) const { return current_ && current_->window == window; }

  private:
    // The record of the icon as the shell knows it; with the balloon only when asked.
    NOTIFYICONDATAW Record(HWND window, const ui::NotifyIconData& icon, bool byGuid) const;
    // The program's icon at the size the notification area asks for now, loaded when needed.
    HICON Picture();

    int iconResourceId_;
    GUID guid_;
    ShellNotify notify_;
    int iconSize_ = 0;
    UniqueIcon ownedIcon_;
    HICON icon_ = nullptr;
    struct Current {
        HWND window;
        ui::NotifyIconData data;  // without its balloon, which is shown once
        bool byGuid;              // false where the shell refused the GUID (another path took it)
    };
    std::optional<Current> current_;
    // The window whose balloon has an icon of its own.
    HWND balloonWindow_ = nullptr;
};

}  // namespace platform::win32
