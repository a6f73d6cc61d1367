#include <windows.h>

#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

// The system's check box, which never ticks itself (BS_CHECKBOX): a click only reaches the
// model, and the box shows what the model holds after its handler has run.
CheckBoxControl::CheckBoxControl(FormWindow& owner, ui::CheckBox& box, int id)
    : NativeControl(owner, box), box_(box), text_(ToWide(box.Caption())) {
    CreateSystemControl(0, L"BUTTON", text_.c_str(), BS_CHECKBOX, id);
    SetFont();
    OnContrastChange();
    // Space reaches the model, which ticks the box as a click does; the button's own
    // keyboard handling never sees it.
    SubclassSystemControl();
}

void CheckBoxControl::SetFont() {
    if (handle_ != nullptr) {
        const HFONT font = owner_.Context().fonts.For(box_.GetFont(), owner_.Dpi(), text_);
        ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void CheckBoxControl::Layout() {
    NativeControl::Layout();
    SetFont();
}

void CheckBoxControl::Sync() {
    if (std::wstring text = ToWide(box_.Caption()); handle_ != nullptr && text != text_) {
        text_ = std::move(text);
        ::SetWindowTextW(handle_, text_.c_str());
        SetFont();
    }
    if (handle_ != nullptr && box_.Value() != checked_) {
        checked_ = box_.Value();
        ::SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    SyncToolTip();
    SyncVisibility();
}

void CheckBoxControl::OnCommand(int code) {
    if (code == BN_CLICKED) {
        box_.Toggle();
    }
}

// Drawn on the window's own background, whatever the colour scheme makes of the button face,
// and under a contrast theme in the window's text colour, as its captions.
HBRUSH CheckBoxControl::StaticBrush(HDC dc) {
    const ui::Form& form = owner_.Form();
    const COLORREF back = ShownColorRef(form, nullptr, ui::ColourUse::Background, form.BackColor());
    if (!brush_ || brushColour_ != back) {
        brush_.Reset(::CreateSolidBrush(back));
        brushColour_ = back;
    }
    ::SetBkColor(dc, back);
    ::SetTextColor(
        dc, ShownColorRef(form, &box_, ui::ColourUse::Text, ui::SystemColour(COLOR_BTNTEXT)));
    return brush_.Get();
}

// A themed button draws its text in the visual style's colour and ignores the one above: under
// a contrast theme the box goes without the style. The style's library is there only when the
// program's controls are themed at all, so it is looked up, never loaded.
void CheckBoxControl::OnContrastChange() {
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    const HMODULE uxtheme = ::GetModuleHandleW(L"uxtheme.dll");
    const auto setWindowTheme = reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(
        uxtheme != nullptr ? ::GetProcAddress(uxtheme, "SetWindowTheme") : nullptr));
    const bool plain = owner_.Context().highContrast;
    if (handle_ != nullptr && setWindowTheme != nullptr && plain != unthemed_) {
        unthemed_ = plain;
        setWindowTheme(handle_, plain ? L"" : nullptr, plain ? L"" : nullptr);
    }
}

}  // namespace platform::win32
