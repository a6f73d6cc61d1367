#include "platform/win32/notify_icon.h"

#include <algorithm>
#include <string>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

NotifyIcon::NotifyIcon(int iconResourceId) {
    ownedIcon_.Reset(static_cast<HICON>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconResourceId), IMAGE_ICON,
        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    // A program built without its icon still gets a visible one (shared, not destroyed).
    icon_ = ownedIcon_ ? ownedIcon_.Get() : ::LoadIconW(nullptr, IDI_APPLICATION);
}

NotifyIcon::~NotifyIcon() {
    if (current_) {
        NOTIFYICONDATAW record = Record(current_->window, current_->data);
        ::Shell_NotifyIconW(NIM_DELETE, &record);
    }
}

NOTIFYICONDATAW NotifyIcon::Record(HWND window, const ui::NotifyIconData& icon) const {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = window;
    record.uID = icon.Id;
    record.uFlags = icon.Flags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.uCallbackMessage = icon.CallbackMessage;
    record.hIcon = icon_;
    const std::wstring tip = ToWide(icon.Tip);
    const std::size_t length = std::min(tip.size(), std::size(record.szTip) - 1);
    tip.copy(record.szTip, length);
    record.szTip[length] = L'\0';
    return record;
}

bool NotifyIcon::Add(HWND window, const ui::NotifyIconData& icon) {
    NOTIFYICONDATAW record = Record(window, icon);
    if (!::Shell_NotifyIconW(NIM_ADD, &record)) {
        return false;
    }
    current_ = Current{window, icon};
    return true;
}

void NotifyIcon::Remove(HWND window, const ui::NotifyIconData& icon) {
    NOTIFYICONDATAW record = Record(window, icon);
    ::Shell_NotifyIconW(NIM_DELETE, &record);
    if (current_ && current_->window == window && current_->data.Id == icon.Id) {
        current_.reset();
    }
}

void NotifyIcon::Restore(HWND window) {
    if (current_ && current_->window == window) {
        NOTIFYICONDATAW record = Record(window, current_->data);
        ::Shell_NotifyIconW(NIM_ADD, &record);
    }
}

void NotifyIcon::WindowDestroyed(HWND window) {
    if (current_ && current_->window == window) {
        Remove(window, current_->data);
    }
}

}  // namespace platform::win32
