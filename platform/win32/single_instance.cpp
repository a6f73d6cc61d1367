#include "platform/win32/single_instance.h"

#include "platform/win32/form_window.h"

namespace platform::win32 {
namespace {

// The first start creates its mutex before its window: give it that long to show.
constexpr int kWaitForWindowMs = 5000;
constexpr int kLookEveryMs = 50;
constexpr UINT kReplyTimeoutMs = 5000;

}  // namespace

SingleInstance::SingleInstance(const wchar_t* name) : mutex_(::CreateMutexW(nullptr, FALSE, name)) {
    const DWORD error = ::GetLastError();
    // A first copy running elevated holds a lock this one may not open: it runs all the same.
    first_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

bool ActivateRunningWindow(const std::wstring& title) {
    HWND window = nullptr;
    for (int waited = 0; waited <= kWaitForWindowMs; waited += kLookEveryMs) {
        window = ::FindWindowW(FormWindow::kClassName, title.c_str());
        if (window != nullptr) {
            break;
        }
        ::Sleep(kLookEveryMs);
    }
    if (window == nullptr) {
        return false;
    }
    // This process was started by the user, so it may hand the foreground on.
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    ::AllowSetForegroundWindow(process);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, ::RegisterWindowMessageW(kActivateMessageName), 0, 0,
                          SMTO_ABORTIFHUNG, kReplyTimeoutMs, &ignored);
    return true;
}

}  // namespace platform::win32
