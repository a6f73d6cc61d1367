#include "platform/win32/window_classes.h"

#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"

namespace platform::win32 {
namespace {

HICON LoadIconOfSize(HINSTANCE instance, int id, int widthMetric, int heightMetric) {
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                           ::GetSystemMetrics(widthMetric),
                                           ::GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HICON large, HICON small) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = large;
    windowClass.hIconSm = small;
    windowClass.lpszClassName = name;
    ::RegisterClassExW(&windowClass);
}

}  // namespace

WindowClasses::WindowClasses(HINSTANCE instance, int iconResourceId)
    : instance_(instance),
      largeIcon_(LoadIconOfSize(instance, iconResourceId, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadIconOfSize(instance, iconResourceId, SM_CXSMICON, SM_CYSMICON)) {
    Register(instance, FormWindow::kClassName, FormWindow::Proc, largeIcon_.Get(),
             smallIcon_.Get());
    Register(instance, kOwnerClassName, ::DefWindowProcW, nullptr, nullptr);
    Register(instance, kLabelClassName, ClickableControl::Proc, nullptr, nullptr);
    Register(instance, kPictureClassName, ClickableControl::Proc, nullptr, nullptr);
    Register(instance, kGridClassName, ClickableControl::Proc, nullptr, nullptr);
}

WindowClasses::~WindowClasses() {
    ::UnregisterClassW(kGridClassName, instance_);
    ::UnregisterClassW(kPictureClassName, instance_);
    ::UnregisterClassW(kLabelClassName, instance_);
    ::UnregisterClassW(kOwnerClassName, instance_);
    ::UnregisterClassW(FormWindow::kClassName, instance_);
}

}  // namespace platform::win32
