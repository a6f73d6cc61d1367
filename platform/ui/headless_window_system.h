// A window system without a screen, for tests: it records every call, keeps the state a
// real one would (opacity, icon, visibility, timers) and lets a test play the user and the
// system: a drag to a position, a timer tick, a message from the notification icon.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/background_work.h"
#include "platform/ui/form.h"
#include "platform/ui/window_system.h"

namespace ui {

class HeadlessWindowSystem final : public WindowSystem {
  public:
    // A 1920 x 1080 screen at 96 dpi unless a test says otherwise.
    explicit HeadlessWindowSystem(int screenWidthPixels = 1920, int screenHeightPixels = 1080);

    // --- the seam ---
    std::vector<Monitor> Monitors() const override { return monitors_; }
    bool CreateNativeWindow(Form& form) override;
    void DestroyNativeWindow(Form& form) override;
    void ShowNativeWindow(Form& form, bool visible) override;
    void Activate(Form& form) override;
    void WindowChanged(Form& form) override;
    void ElementChanged(Form& form, Element& element) override;
    void TimerChanged(Form& form, Timer& timer) override;
    void MakeLayered(Form& form) override;
    void SetAlpha(Form& form, std::uint8_t alpha) override;
    bool HighContrast() const override { return highContrast_; }
    void KeepAboveDesktop(Form& form, bool keep) override { WindowOf(form).aboveDesktop = keep; }
    void ReleaseCapture() override;
    void RunMoveLoop(Form& form) override;
    bool AddNotifyIcon(const NotifyIconData& icon) override;
    void RemoveNotifyIcon(const NotifyIconData& icon) override;
    bool ShowBalloon(Form& form, const Balloon& balloon) override;
    void RemoveBalloon(Form& form) override;
    int ShowMenu(Form& form, const std::vector<MenuItem>& items, std::optional<Point> at) override;
    SaveFileAnswer ChooseSaveFile(Form& form, const SaveFileRequest& request) override;
    bool OpenInNotepad(const std::string& path) override {
        Record("Notepad " + path);
        return true;
    }
    int FirstDayOfWeek() const override { return firstDayOfWeek_; }
    void RunInBackground(std::function<void()> work, std::function<void()> done) override;

    // --- the test's side ---
    // One 96-dpi monitor, its work area the whole screen.
    void SetScreen(int widthPixels, int heightPixels);
    // 96-dpi monitors, each its work area (in twips at 15 per pixel); the first is primary.
    void SetWorkAreas(const std::vector<Rect>& areas);
    void SetMonitors(std::vector<Monitor> monitors) { monitors_ = std::move(monitors); }
    // Where the next move loop leaves the window (twips, 15 per pixel); without it the window
    // stays put.
    void SetDropPosition(int left, int top) { dropPosition_ = Rect{left, top, 0, 0}; }
    // Makes the creation of native windows fail.
    void SetCreateFails(bool fails) { createFails_ = fails; }
    // Makes the notification area refuse new icons.
    void SetNotifyIconFails(bool fails) { notifyIconFails_ = fails; }
    // Fires every running timer once.
    void TickTimers();
    // Any mouse activity over the icon: its callback message with the identifier as the
    // first parameter, which the window reads as a pointer move with that button state.
    void SendNotifyIconMessage();
    // Makes the notification area refuse balloons (not there yet).
    void SetBalloonFails(bool fails) { balloonFails_ = fails; }
    // The notification area about the balloon shown (its own icon goes on a click or
    // dismissal), or about itself.
    void SendNotifyEvent(NotifyEvent event);
    // The user turns a contrast theme on or off.
    void SetHighContrast(bool on) { highContrast_ = on; }
    // The user's first day of the week, 0 Monday (the default) ... 6 Sunday.
    void SetFirstDayOfWeek(int day) { firstDayOfWeek_ = day; }
    // A turn of the message loop once background work has ended: waits at most `limit` for a
    // piece to end and runs what has; false when none had.
    bool FinishBackgroundWork(std::chrono::milliseconds limit);
    // Background work whose result has not been taken yet.
    std::size_t BackgroundWaiting() const { return background_.Waiting(); }
    // The item the user takes in the next menu, by its text (one the menu lacks closes it
    // without a choice).
    void SetMenuChoice(std::string text) { menuChoice_ = std::move(text); }
    // What the user answers the next save dialog (without it, the dialog is cancelled).
    void SetSaveFileAnswer(SaveFileAnswer answer) { saveFileAnswer_ = std::move(answer); }

    // --- what happened ---
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    bool IsLayered(const Form& form) const;
    std::optional<int> Alpha(const Form& form) const;
    bool NativeVisible(const Form& form) const;
    // Whether the form stays above the desktop brought forward.
    bool KeptAboveDesktop(const Form& form) const;
    bool Exists(const Form& form) const { return windows_.count(&form) != 0; }
    // The pixels the form's window covers on this screen.
    PixelRect PixelBounds(const Form& form) const;
    // The program ends when no window is loaded.
    bool Running() const { return !windows_.empty(); }
    const std::optional<NotifyIconData>& NotifyIcon() const { return icon_; }
    int RunningTimerCount() const;
    // The balloon shown and whether it came with an icon of its own.
    const std::optional<Balloon>& ShownBalloon() const { return balloon_; }
    bool BalloonIcon() const { return balloonIcon_; }

  private:
    struct Window {
        bool layered = false;
        std::optional<int> alpha;
        bool visible = false;
        bool aboveDesktop = false;
    };
    void Record(std::string call) { calls_.push_back(std::move(call)); }
    Window& WindowOf(const Form& form);

    std::vector<Monitor> monitors_;
    std::optional<Rect> dropPosition_;
    std::string menuChoice_;
    SaveFileAnswer saveFileAnswer_;
    int firstDayOfWeek_ = 0;
    bool notifyIconFails_ = false;
    bool createFails_ = false;
    bool highContrast_ = false;
    bool balloonFails_ = false;
    Form* balloonForm_ = nullptr;
    std::optional<Balloon> balloon_;
    bool balloonIcon_ = false;
    std::map<const Form*, Window> windows_;
    std::map<Timer*, Form*> runningTimers_;
    std::optional<NotifyIconData> icon_;
    std::vector<std::string> calls_;
    BackgroundWork background_{[] {}};
};

}  // namespace ui
