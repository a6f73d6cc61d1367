#include "platform/win32/work_window.h"

#include "platform/win32/window_classes.h"
#include "platform/win32/window_context.h"

namespace platform::win32 {

namespace {

constexpr const wchar_t* kClassName = L"LunadeskWork";
constexpr UINT kWorkEndedMessage = WM_APP + 1;

}  // namespace

WorkWindow::WindowClass::WindowClass(HINSTANCE instance, WNDPROC proc) : Instance(instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

WorkWindow::WindowClass::~WindowClass() {
    ::UnregisterClassW(kClassName, Instance);
}

WorkWindow::WorkWindow(HINSTANCE instance, WindowContext& context)
    : context_(context),
      class_(instance, Proc),
      window_(::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                                this)),
      work_([window = window_.Get()] { ::PostMessageW(window, kWorkEndedMessage, 0, 0); }) {}

LRESULT CALLBACK WorkWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WorkWindow* owner = WindowOwner<WorkWindow>(window, message, lParam);
    if (message == kWorkEndedMessage && owner != nullptr) {
        return Dispatch(owner->context_, [&] {
            owner->work_.RunFinished();
            return LRESULT{0};
        });
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace platform::win32
