#include "platform/win32/notify_icon.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

template <std::size_t N>
void CopyText(const std::string& text, wchar_t (&field)[N]) {
    const std::wstring wide = ToWide(text);
    const std::size_t length = std::min(wide.size(), N - 1);
    wide.copy(field, length);
    field[length] = L'\0';
}

// The system's information icon and sound, as any other program's notification.
void FillBalloon(NOTIFYICONDATAW& record, const ui::Balloon& balloon) {
    record.uFlags |= NIF_INFO;
    CopyText(balloon.Title, record.szInfoTitle);
    CopyText(balloon.Text, record.szInfo);
    record.dwInfoFlags = NIIF_INFO;
}

}  // namespace

// shell32 is loaded the first time the icon is needed, not at start-up, where loading it
// is a noticeable part of the time until the window shows (under Wine especially).
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAW& record) {
    using ShellNotifyIconFn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
    static const Library shell32 = LoadSystemLibrary(L"shell32.dll");
    static const auto notify = LibraryFunction<ShellNotifyIconFn>(shell32, "Shell_NotifyIconW");
    return notify != nullptr && notify(message, &record);
}

// Two 64-bit FNV-1a hashes of the upper-cased path, marked as a custom (version 8) UUID.
GUID NotifyIconGuid(std::wstring_view programPath) {
    std::wstring path(programPath);
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, path.data(),
                    static_cast<int>(path.size()), path.data(), static_cast<int>(path.size()),
                    nullptr, nullptr, 0);
    std::uint64_t halves[2] = {0xcbf29ce484222325ull, 0x84222325cbf29ce4ull};
    for (std::uint64_t& half : halves) {
        for (const wchar_t c : path) {
            half = (half ^ static_cast<std::uint16_t>(c)) * 0x100000001b3ull;
        }
    }
    GUID guid{};
    guid.Data1 = static_cast<unsigned long>(halves[0] >> 32);
    guid.Data2 = static_cast<unsigned short>(halves[0] >> 16);
    guid.Data3 = static_cast<unsigned short>((halves[0] & 0x0FFF) | 0x8000);
    for (int i = 0; i < 8; ++i) {
        guid.Data4[i] = static_cast<unsigned char>(halves[1] >> (56 - 8 * i));
    }
    guid.Data4[0] = static_cast<unsigned char>((guid.Data4[0] & 0x3F) | 0x80);
    return guid;
}

// The small-icon size at the system's DPI (16 at 100 %, 20 at 125 %, 24 at 150 %, 32 at
// 200 %): an image drawn for that size stays crisp where a scaled 16 x 16 one would blur.
int SmallIconSize() {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = reinterpret_cast<GetSystemMetricsForDpiFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const int size = forDpi != nullptr ? forDpi(SM_CXSMICON, static_cast<UINT>(SystemDpi())) : 0;
    return size > 0 ? size : ::GetSystemMetrics(SM_CXSMICON);
}

NotifyIcon::NotifyIcon(int iconResourceId, std::wstring_view programPath, ShellNotify notify)
    : iconResourceId_(iconResourceId), guid_(NotifyIconGuid(programPath)), notify_(notify) {}

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
    if (balloonWindow_ != nullptr) {
        RemoveBalloon(balloonWindow_);
    }
    if (current_) {
        NOTIFYICONDATAW record = Record(current_->window, current_->data, current_->byGuid);
        notify_(NIM_DELETE, record);
    }
}

NOTIFYICONDATAW NotifyIcon::Record(HWND window, const ui::NotifyIconData& icon, bool byGuid) const {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = window;
    record.uID = icon.Id;
    record.uFlags =
        (icon.Flags & (NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO)) | (byGuid ? NIF_GUID : 0);
    record.uCallbackMessage = icon.CallbackMessage;
    record.hIcon = icon_;
    record.guidItem = byGuid ? guid_ : GUID{};
    CopyText(icon.Tip, record.szTip);
    CopyText(icon.Balloon, record.szInfo);
    record.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND;  // a hint, not an alarm
    return record;
}

bool NotifyIcon::Add(HWND window, const ui::NotifyIconData& icon) {
    Picture();
    bool byGuid = true;
    NOTIFYICONDATAW record = Record(window, icon, byGuid);
    if (!notify_(NIM_ADD, record)) {
        byGuid = false;
        record = Record(window, icon, byGuid);
        if (!notify_(NIM_ADD, record)) {
            return false;
        }
    }
    current_ = Current{window, icon, byGuid};
    current_->data.Flags &= ~ui::kNotifyIconBalloonFlag;
    return true;
}

void NotifyIcon::Remove(HWND window, const ui::NotifyIconData& icon) {
    // Only an icon this program added can be there to remove.
    if (current_ && current_->window == window && current_->data.Id == icon.Id) {
        NOTIFYICONDATAW record = Record(window, current_->data, current_->byGuid);
        notify_(NIM_DELETE, record);
        current_.reset();
    }
}

bool NotifyIcon::ShowBalloon(HWND window, const ui::Balloon& balloon) {
    Picture();
    if (ShownFor(window)) {
        NOTIFYICONDATAW record = Record(window, current_->data, current_->byGuid);
        record.uFlags &= NIF_GUID;
        FillBalloon(record, balloon);
        return notify_(NIM_MODIFY, record) != FALSE;
    }
    RemoveBalloon(window);
    // No GUID: that identity is the calendar's own icon's, which may come while this one shows.
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = window;
    record.uID = kBalloonIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kBalloonIconMessage;
    record.hIcon = icon_;
    CopyText(balloon.Title, record.szTip);
    FillBalloon(record, balloon);
    if (!notify_(NIM_ADD, record)) {
        return false;
    }
    balloonWindow_ = window;
    return true;
}

void NotifyIcon::RemoveBalloon(HWND window) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = window;
    if (balloonWindow_ == window) {
        record.uID = kBalloonIconId;
        notify_(NIM_DELETE, record);
        balloonWindow_ = nullptr;
    } else if (ShownFor(window)) {
        // An empty text takes the balloon off the window's own icon.
        record = Record(window, current_->data, current_->byGuid);
        record.uFlags = (record.uFlags & NIF_GUID) | NIF_INFO;
        record.szInfo[0] = L'\0';
        notify_(NIM_MODIFY, record);
    }
}

void NotifyIcon::Restore(HWND window) {
    // A balloon's own icon went with the old notification area; its reminder was delivered.
    if (balloonWindow_ == window) {
        balloonWindow_ = nullptr;
    }
    if (current_ && current_->window == window) {
        NOTIFYICONDATAW record = Record(window, current_->data, current_->byGuid);
        notify_(NIM_ADD, record);
    }
}

void NotifyIcon::WindowDestroyed(HWND window) {
    if (balloonWindow_ == window) {
        RemoveBalloon(window);
    }
    if (current_ && current_->window == window) {
        Remove(window, current_->data);
    }
}

}  // namespace platform::win32
