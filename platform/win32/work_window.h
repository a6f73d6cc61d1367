// The UI thread's end of background work: a message-only window to which a worker that has
// ended posts, so its result is taken by the message loop (and by the modal loops of menus
// and moves, which a thread message would miss).
#pragma once

#include <windows.h>

#include "platform/ui/background_work.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

struct WindowContext;

class WorkWindow {
  public:
    WorkWindow(HINSTANCE instance, WindowContext& context);
    WorkWindow(const WorkWindow&) = delete;
    WorkWindow& operator=(const WorkWindow&) = delete;
    ~WorkWindow() = default;

    ui::BackgroundWork& Work() { return work_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The window class, registered for as long as the window lives.
    struct WindowClass {
        WindowClass(HINSTANCE instance, WNDPROC proc);
        WindowClass(const WindowClass&) = delete;
        WindowClass& operator=(const WindowClass&) = delete;
        ~WindowClass();
        HINSTANCE Instance;
    };

    WindowContext& context_;
    WindowClass class_;
    UniqueWindow window_;
    // Closed before the window goes, so no worker posts to a window that is no more.
    ui::BackgroundWork work_;
};

}  // namespace platform::win32
