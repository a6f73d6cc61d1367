// The window system of the real program: each form a frameless top-level window, each
// element a native child control (or, for shapes, pixels of the window), the
// notification icon through the shell. All behaviour stays in the element model; this
// class only renders it and turns the user's input into its events.
#pragma once

#include <map>
#include <memory>

#include "platform/ui/window_system.h"

struct tagMSG;  // MSG, without all of <windows.h>

namespace platform::win32 {

class DesktopKeeper;
class FormWindow;
class NotifyIcon;
class WindowClasses;
struct WindowContext;
class WorkWindow;

class Win32WindowSystem final : public ui::WindowSystem {
  public:
    // The program's icon is the icon resource with this identifier (a stock icon when the
    // module has none).
    explicit Win32WindowSystem(int iconResourceId = 1);
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;
    ~Win32WindowSystem() override;

    std::vector<ui::Monitor> Monitors() const override;

    bool CreateNativeWindow(ui::Form& form) override;
    void DestroyNativeWindow(ui::Form& form) override;
    void ShowNativeWindow(ui::Form& form, bool visible) override;
    void Activate(ui::Form& form) override;
    void WindowChanged(ui::Form& form) override;
    void ElementChanged(ui::Form& form, ui::Element& element) override;
    void TimerChanged(ui::Form& form, ui::Timer& timer) override;

    void MakeLayered(ui::Form& form) override;
    void SetAlpha(ui::Form& form, std::uint8_t alpha) override;
    bool HighContrast() const override;
    void KeepAboveDesktop(ui::Form& form, bool keep) override;
    int FirstDayOfWeek() const override;
    void RunInBackground(std::function<void()> work, std::function<void()> done) override;

    void ReleaseCapture() override;
    void RunMoveLoop(ui::Form& form) override;

    bool AddNotifyIcon(const ui::NotifyIconData& icon) override;
    void RemoveNotifyIcon(const ui::NotifyIconData& icon) override;
    bool ShowBalloon(ui::Form& form, const ui::Balloon& balloon) override;
    void RemoveBalloon(ui::Form& form) override;

    int ShowMenu(ui::Form& form, const std::vector<ui::MenuItem>& items,
                 std::optional<ui::Point> at) override;
    ui::SaveFileAnswer ChooseSaveFile(ui::Form& form, const ui::SaveFileRequest& request) override;
    bool OpenInNotepad(const std::string& path) override;

    // The next window to be shown comes up behind whatever the user is working in, without
    // taking the keyboard focus (a start at log-on).
    void ShowNextWithoutFocus() { nextWithoutFocus_ = true; }

    // Dialog navigation (Tab, Esc, Enter) for a message to a window with tab stops, or to one
    // of its children; true when it took the message, which then goes no further.
    bool DialogMessage(tagMSG& message);

    // For tests, which cannot switch the system's contrast theme: what stands for the system's
    // answer from now on (a WM_SYSCOLORCHANGE makes the windows ask it again).
    void SetHighContrastQuery(bool (*query)());

    // For tests and diagnostics: the native window of a loaded form (an HWND), or null.
    void* NativeHandle(const ui::Form& form) const;

  private:
    FormWindow* WindowOf(const ui::Form& form) const;

    std::unique_ptr<WindowClasses> classes_;
    std::unique_ptr<NotifyIcon> notifyIcon_;
    std::unique_ptr<WindowContext> context_;
    std::unique_ptr<DesktopKeeper> desktopKeeper_;
    std::map<const ui::Form*, std::unique_ptr<FormWindow>> windows_;
    std::unique_ptr<WorkWindow> work_;
    bool nextWithoutFocus_ = false;
};

}  // namespace platform::win32
