// Keeps windows visible when the shell brings its desktop forward ("show desktop"): follows
// the foreground and the windows' cloaking through out-of-context WinEvents (no poll) and
// applies the rules of platform/ui/show_desktop.h.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/accessibility.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

void UnhookWinEventHandle(HWINEVENTHOOK hook) noexcept;
using WinEventHook = UniqueHandle<HWINEVENTHOOK, UnhookWinEventHandle>;

class DesktopKeeper {
  public:
    DesktopKeeper() = default;
    DesktopKeeper(const DesktopKeeper&) = delete;
    DesktopKeeper& operator=(const DesktopKeeper&) = delete;
    ~DesktopKeeper();

    // The hooks are in place while at least one window is kept; a window is let go before it
    // is destroyed.
    void Keep(HWND window, bool keep);

  private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    void Follow(HWND window, HWND foreground);
    bool OnCurrentVirtualDesktop(HWND window);

    std::vector<HWND> kept_;
    // The desktop over which the windows were last shown again: once for each time it comes
    // forward, should the shell hide them again.
    HWND shownAgainOver_ = nullptr;
    ComApartment apartment_;
    WinEventHook foregroundHook_;
    WinEventHook cloakHook_;
};

}  // namespace platform::win32
