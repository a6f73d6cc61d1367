#include <windows.h>

#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

DWORD ButtonStyle(bool isDefault) {
    return isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

}  // namespace

ButtonControl::ButtonControl(FormWindow& owner, ui::Button& button, int id)
    : NativeControl(owner, button),
      button_(button),
      text_(ToWide(button.Caption())),
      default_(button.Default()) {
    CreateSystemControl(0, L"BUTTON", text_.c_str(), ButtonStyle(default_), id);
    SetFont();
    // Space and Enter reach the model, which presses it; the dialog manager takes it for no
    // button of its own, so its access key is pressed once, by the model.
    SubclassSystemControl();
}

void ButtonControl::SetFont() {
    if (handle_ != nullptr) {
        const HFONT font = owner_.Context().fonts.For(button_.GetFont(), owner_.Dpi(), text_);
        ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void ButtonControl::Layout() {
    NativeControl::Layout();
    SetFont();
}

void ButtonControl::Sync() {
    if (handle_ == nullptr) {
        return;
    }
    if (std::wstring text = ToWide(button_.Caption()); text != text_) {
        text_ = std::move(text);
        ::SetWindowTextW(handle_, text_.c_str());
        SetFont();
    }
    if (button_.Default() != default_) {
        default_ = button_.Default();
        ::SendMessageW(handle_, BM_SETSTYLE, ButtonStyle(default_), TRUE);
    }
    SyncToolTip();
    SyncVisibility();
}

void ButtonControl::OnCommand(int code) {
    if (code == BN_CLICKED) {
        owner_.UserClick(button_);
    }
}

}  // namespace platform::win32
