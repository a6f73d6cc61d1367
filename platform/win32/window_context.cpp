#include "platform/win32/window_context.h"

#include "platform/win32/form_window.h"
#include "platform/win32/single_instance.h"

namespace platform::win32 {
namespace {

bool SystemHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

WindowContext::WindowContext(HINSTANCE moduleInstance, NotifyIcon& icon, EventEpoch& epoch)
    : instance(moduleInstance),
      notifyIcon(icon),
      contrastQuery(SystemHighContrast),
      highContrast(SystemHighContrast()),
      taskbarCreatedMessage(::RegisterWindowMessageW(L"TaskbarCreated")),
      activateMessage(::RegisterWindowMessageW(kActivateMessageName)),
      events(epoch) {}

WindowContext::~WindowContext() = default;

void WindowContext::Retire(std::unique_ptr<FormWindow> window) {
    if (dispatchDepth == 0) {
        window.reset();
        return;
    }
    retired.push_back(std::move(window));
}

DispatchScope::~DispatchScope() {
    if (--context_.dispatchDepth == 0 && !context_.retired.empty()) {
        // Move out first: freeing a window must not run into the vector being cleared.
        auto done = std::move(context_.retired);
        context_.retired.clear();
    }
}

}  // namespace platform::win32
