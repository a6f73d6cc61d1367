#include "platform/win32/tooltips.h"

#include <commctrl.h>

namespace platform::win32 {

void Tooltips::Destroy() {
    tooltip_.Reset();
    tips_.clear();
    font_ = nullptr;
}

bool Tooltips::Ensure() {
    if (!tooltip_) {
        tooltip_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                         WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_,
                                         nullptr, ::GetModuleHandleW(nullptr), nullptr));
    }
    return static_cast<bool>(tooltip_);
}

void Tooltips::Set(HWND control, const std::wstring& text, HFONT font) {
    const auto known = tips_.find(control);
    if (known != tips_.end() && known->second == text && font == font_) {
        return;
    }
    if (known == tips_.end() && text.empty()) {
        return;
    }
    if (!Ensure()) {
        return;
    }
    if (font != nullptr && font != font_) {
        font_ = font;
        ::SendMessageW(tooltip_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    if (text.empty()) {
        ::SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tips_.erase(known);
        return;
    }
    // The control copies the text.
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    const UINT message = known == tips_.end() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW;
    ::SendMessageW(tooltip_.Get(), message, 0, reinterpret_cast<LPARAM>(&tool));
    tips_[control] = text;
}

}  // namespace platform::win32
