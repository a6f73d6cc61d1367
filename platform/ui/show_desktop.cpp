#include "platform/ui/show_desktop.h"

namespace ui {

bool IsShellDesktop(std::wstring_view windowClass, bool holdsFolderView) {
    return windowClass == L"Progman" || (windowClass == L"WorkerW" && holdsFolderView);
}

DesktopAction ActionFor(const DesktopScene& scene) {
    // A desktop clicked while it lies below the window changes nothing; any other window
    // brought forward covers it as usual.
    if (!scene.Kept || !scene.Shown || !scene.DesktopForeground) {
        return DesktopAction::None;
    }
    if (scene.Cloaked != 0) {
        // Only what the shell hid for its desktop: never a window of another virtual desktop,
        // one hidden with its owner, or one the program hid itself.
        return scene.Cloaked == kCloakedByShell && scene.OnCurrentVirtualDesktop
                   ? DesktopAction::ShowAgainRaise
                   : DesktopAction::None;
    }
    return scene.DesktopAbove ? DesktopAction::Raise : DesktopAction::None;
}

}  // namespace ui
