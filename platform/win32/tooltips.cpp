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
    // Known to the owner by the child's handle, so the tip covers the child wherever it is.
    Apply(Key{owner_, reinterpret_cast<UINT_PTR>(control)}, TTF_IDISHWND, RECT{}, text, font);
}

void Tooltips::SetArea(HWND control, UINT_PTR id, const RECT& area, const std::wstring& text,
                       HFONT font) {
    Apply(Key{control, id}, 0, area, text, font);
}

void Tooltips::Apply(const Key& key, UINT flags, const RECT& area, const std::wstring& text,
                     HFONT font) {
    const auto known = tips_.find(key);
    const bool moved = known != tips_.end() && !::EqualRect(&known->second.area, &area);
    if (known != tips_.end() && known->second.text == text && !moved && font == font_) {
        return;
    }
    if ((known == tips_.end() && text.empty()) || !Ensure()) {
        return;
    }
    if (font != nullptr && font != font_) {
        font_ = font;
        ::SendMessageW(tooltip_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags | TTF_SUBCLASS;
    tool.hwnd = key.first;
    tool.uId = key.second;
    tool.rect = area;
    if (text.empty()) {
        ::SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tips_.erase(known);
        return;
    }
    // The control copies the text.
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (known == tips_.end()) {
        ::SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        if (moved) {
            ::SendMessageW(tooltip_.Get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        ::SendMessageW(tooltip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tips_[key] = Tip{text, area};
}

}  // namespace platform::win32
