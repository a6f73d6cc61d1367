// Staying visible when the shell brings its desktop forward ("show desktop": Win+D, the task
// bar's corner): the rules, apart from how a window system learns the facts they read.
#pragma once

#include <string_view>

namespace ui {

// The shell's desktop: a top-level window of class Progman, or of class WorkerW holding the
// desktop's folder view (a child of class SHELLDLL_DefView).
bool IsShellDesktop(std::wstring_view windowClass, bool holdsFolderView);

// Why the system hides (cloaks) a window, as bits: the program asked, the shell did (for
// "show desktop", or for another virtual desktop), or its owner is hidden.
inline constexpr unsigned kCloakedByApp = 1;
inline constexpr unsigned kCloakedByShell = 2;
inline constexpr unsigned kCloakedInherited = 4;

// A kept window's situation as the foreground changes or the system hides it.
struct DesktopScene {
    bool Kept = false;   // the window asked to stay above the desktop
    bool Shown = false;  // shown, not hidden in the notification area
    bool DesktopForeground = false;
    bool DesktopAbove = false;  // the desktop lies above the window in the z-order
    unsigned Cloaked = 0;
    bool OnCurrentVirtualDesktop = true;
};

enum class DesktopAction {
    None,
    Raise,          // just above the desktop, without activating
    ShowAgainRaise  // shown again without activating, then raised
};

DesktopAction ActionFor(const DesktopScene& scene);

}  // namespace ui
