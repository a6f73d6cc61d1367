// What every native window of the program shares: the module, the font cache, the
// notification icon and the safe retirement of windows destroyed from their own handlers.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <vector>

#include "platform/event_epoch.h"
#include "platform/win32/fonts.h"

namespace platform::win32 {

class FormWindow;
class NotifyIcon;

struct WindowContext {
    WindowContext(HINSTANCE instance, NotifyIcon& icon, EventEpoch& events);
    ~WindowContext();
    WindowContext(const WindowContext&) = delete;
    WindowContext& operator=(const WindowContext&) = delete;

    // A destroyed form window goes away once no window procedure is running: a click
    // handler may close the very window whose message is being handled.
    void Retire(std::unique_ptr<FormWindow> window);

    // Asks the system again whether a contrast theme is on (when the system's colours change).
    void RefreshContrast() { highContrast = contrastQuery(); }

    HINSTANCE instance;
    NotifyIcon& notifyIcon;
    // What the system says of contrast themes; tests stand in for the user's choice with it.
    bool (*contrastQuery)() = nullptr;
    bool highContrast = false;
    FontCache fonts;
    // Sent to every top-level window when the notification area has been (re)started.
    UINT taskbarCreatedMessage;
    // Sent by a later start of the program to the calendar window of the first.
    UINT activateMessage;
    // Each message handled while no other is, is an event of its own.
    EventEpoch& events;
    int dispatchDepth = 0;
    std::vector<std::unique_ptr<FormWindow>> retired;
};

// Wraps the handling of one window message: marks a dispatch (and an event) as running and,
// when the outermost one ends, frees the windows retired meanwhile.
class DispatchScope {
  public:
    explicit DispatchScope(WindowContext& context) noexcept
        : context_(context), event_(context.events) {
        ++context_.dispatchDepth;
    }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
    ~DispatchScope();

  private:
    WindowContext& context_;
    EventEpoch::Scope event_;
};

// Runs the handling of one window message. A failure of a handler must not unwind through
// the system's code that called the window procedure; as nothing is reported to the user,
// the event is dropped (and the failure written to the debugger's output).
template <typename Handler>
LRESULT Dispatch(WindowContext& context, Handler&& handle) {
    const DispatchScope scope(context);
    try {
        return handle();
    } catch (const std::exception& failure) {
        ::OutputDebugStringA(failure.what());
        return 0;
    }
}

}  // namespace platform::win32
