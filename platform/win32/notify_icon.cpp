#include "platform/win32/notify_icon.h"

#include <algorithm>
#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// shell32 is loaded the first time the icon is needed, not at start-up, where loading it
// is a noticeable part of the time until the window shows (under Wine especially).
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW& record) {
    using ShellNotifyIconFn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
    static const Library shell32 = LoadSystemLibrary(L"shell32.dll");
    static const auto notify = LibraryFunction<ShellNotifyIconFn>(shell32, "Shell_NotifyIconW");
    return notify != nullptr && notify(message, &record);
}

}  // namespace

// The small-icon size at the system's DPI (16 at 100 %, 20 at 125 %, 24 at 150 %, 32 at
// 200 %): an image drawn for that size stays crisp where a scaled 16 x 16 one would blur.
int SmallIconSize() {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = reinterpret_cast<GetSystemMetricsForDpiFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const int size = forDpi != nullptr ? forDpi(SM_CXSMICON, static_cast<UINT>(SystemDpi())) : 0;
    return size > 0 ? size : ::GetSystemMetrics(SM_CXSMICON);
}

NotifyIcon::NotifyIcon(int iconResourceId) : iconResourceId_(iconResourceId) {}

HICON NotifyIcon::Picture() {
    const int size = SmallIconSize();
    if (icon_ == nullptr || size != iconSize_) {
        iconSize_ = size;
        ownedIcon_.Reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                         MAKEINTRESOURCEW(iconResourceId_),
                                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        // A program built without its icon still gets a visible one (shared, not destroyed).
        icon_ = ownedIcon_ ? ownedIcon_.Get() : ::LoadIconW(nullptr, IDI_APPLICATION);
    }
    return icon_;
}

NotifyIcon::~NotifyIcon() {
    if (current_) {
        NOTIFYICONDATAW record = Record(current_->window, current_->data);
        ShellNotifyIcon(NIM_DELETE, record);
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
    Picture();
    NOTIFYICONDATAW record = Record(window, icon);
    if (!ShellNotifyIcon(NIM_ADD, record)) {
        return false;
    }
    current_ = Current{window, icon};
    return true;
}

void NotifyIcon::Remove(HWND window, const ui::NotifyIconData& icon) {
    // Only an icon this program added can be there to remove.
    if (current_ && current_->window == window && current_->data.Id == icon.Id) {
        NOTIFYICONDATAW record = Record(window, icon);
        ShellNotifyIcon(NIM_DELETE, record);
        current_.reset();
    }
}

void NotifyIcon::Restore(HWND window) {
    if (current_ && current_->window == window) {
        NOTIFYICONDATAW record = Record(window, current_->data);
        ShellNotifyIcon(NIM_ADD, record);
    }
}

void NotifyIcon::WindowDestroyed(HWND window) {
    if (current_ && current_->window == window) {
        Remove(window, current_->data);
    }
}

}  // namespace platform::win32
