// What a window needs from the operating system, behind one seam: the monitors, native
// window lifetime and look, opacity, the interactive move, the notification icon, timers.
// The system reports and applies pixels; every conversion to the model's twips and every
// rule of where a window goes is portable code (platform/ui/screen.h, placement.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_epoch.h"
#include "platform/ui/screen.h"
#include "platform/ui/types.h"

namespace ui {

class Element;
class Form;
class Timer;

// The notification-area icon as the calendar hands it over; the same record removes it.
struct NotifyIconData {
    Form* Window = nullptr;   // receives the icon's messages
    std::uint32_t Id = 0;     // passed back as the first parameter of every message
    std::uint32_t Flags = 0;  // 1 message, 2 icon, 4 tip, 16 balloon fields valid
    std::uint32_t CallbackMessage = 0;
    std::string Tip;      // UTF-8
    std::string Balloon;  // UTF-8, shown from the icon as it is added
};

constexpr std::uint32_t kNotifyIconMessageFlag = 1;
constexpr std::uint32_t kNotifyIconIconFlag = 2;
constexpr std::uint32_t kNotifyIconTipFlag = 4;
constexpr std::uint32_t kNotifyIconBalloonFlag = 16;
// The icon's activity arrives as this message, the pointer-move message.
constexpr std::uint32_t kMouseMoveMessage = 0x0200;

// A notification balloon: the system's own, with its title and the standard information icon
// and sound (so Focus Assist holds it back as it does others).
struct Balloon {
    std::string Title;  // UTF-8
    std::string Text;   // UTF-8, lines separated by "\n"
};

// An item of a window's small menu; a checked one shows a tick.
struct MenuItem {
    std::string Text;
    bool Checked = false;
};

// What the system's save dialog is asked for.
struct SaveFileRequest {
    std::string FileName;   // suggested, UTF-8: "我的日子.ics"
    std::string TypeName;   // "iCalendar (*.ics)"
    std::string Extension;  // without the dot, added when the user types none: "ics"
    bool AskBeforeOverwrite = true;
};

// The user's answer: a path, or none when the dialog was cancelled or could not be shown
// (then Failure says why, in words).
struct SaveFileAnswer {
    std::optional<std::string> Path;  // UTF-8
    std::string Failure;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Every monitor, in physical pixels of the virtual screen, with its DPI; at least one.
    virtual std::vector<Monitor> Monitors() const = 0;

    // Native window lifetime and state; the Form calls these. False when the window could
    // not be created.
    virtual bool CreateNativeWindow(Form& form) = 0;
    virtual void DestroyNativeWindow(Form& form) = 0;
    virtual void ShowNativeWindow(Form& form, bool visible) = 0;
    // To the front with the keyboard focus.
    virtual void Activate(Form& form) = 0;
    virtual void WindowChanged(Form& form) = 0;  // position, caption or background
    virtual void ElementChanged(Form& form, Element& element) = 0;
    virtual void TimerChanged(Form& form, Timer& timer) = 0;

    // Whole-window opacity.
    virtual void MakeLayered(Form& form) = 0;
    // True while the user has a contrast theme on (see platform/ui/contrast.h).
    virtual bool HighContrast() const = 0;
    virtual void SetAlpha(Form& form, std::uint8_t alpha) = 0;

    // While shown, the form stays visible when the shell brings the desktop forward ("show
    // desktop"), without taking the focus or becoming topmost; false ends that.
    virtual void KeepAboveDesktop(Form& form, bool keep) = 0;

    // The interactive move: gives up the capture, then moves the window with the pointer and
    // returns once the button is released, with the form's position updated.
    virtual void ReleaseCapture() = 0;
    virtual void RunMoveLoop(Form& form) = 0;

    // False when the icon could not be added.
    virtual bool AddNotifyIcon(const NotifyIconData& icon) = 0;
    virtual void RemoveNotifyIcon(const NotifyIconData& icon) = 0;

    // Shows the balloon from the form's notification icon while it has one, else from an icon
    // of the balloon's own (pointing at it does nothing; it goes when the balloon is clicked or
    // dismissed). False when the notification area is not there to take it.
    virtual bool ShowBalloon(Form& form, const Balloon& balloon) = 0;
    // Takes the form's balloon away, with its own icon.
    virtual void RemoveBalloon(Form& form) = 0;

    // A small menu of the form, at the pointer (a click) or at a point of the form (a key);
    // returns once it is closed: the position of the item chosen, or -1 for none.
    virtual int ShowMenu(Form& form, const std::vector<MenuItem>& items,
                         std::optional<Point> at) = 0;

    // The system's save dialog, owned by the form; returns once it is closed.
    virtual SaveFileAnswer ChooseSaveFile(Form& form, const SaveFileRequest& request) = 0;
    // Opens a text file of the user's in the system's own Notepad, for the user to mend; false
    // when Notepad could not be started.
    virtual bool OpenInNotepad(const std::string& path) = 0;

    // The user's first day of the week: 0 Monday ... 6 Sunday.
    virtual int FirstDayOfWeek() const = 0;

    // Runs `work` on a thread of its own and then `done` on the UI thread, as an event of the
    // message loop. Nothing waits for `work`: when the system goes first, `done` never runs.
    virtual void RunInBackground(std::function<void()> work, std::function<void()> done) = 0;

    // Clicks and keys of the user in any window of the program, counted, so that a window
    // can tell whether someone is using it (code that runs a click handler does not count).
    void NoteUserInput() {
        ++userInputs_;
        if (inputListener_) {
            inputListener_();
        }
    }
    std::uint64_t UserInputs() const { return userInputs_; }
    // Told of each of them as it comes (one listener; empty to stop).
    void SetUserInputListener(std::function<void()> listener) {
        inputListener_ = std::move(listener);
    }

    // The events the system delivers (each message and what it runs, and showing a window).
    platform::EventEpoch& Events() { return events_; }

  private:
    std::uint64_t userInputs_ = 0;
    std::function<void()> inputListener_;
    platform::EventEpoch events_;
};

}  // namespace ui
