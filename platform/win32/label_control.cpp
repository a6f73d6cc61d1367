#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

namespace platform::win32 {

LabelControl::LabelControl(FormWindow& owner, ui::Label& label, int id)
    : ClickableControl(owner, label),
      label_(label),
      text_(ToWide(label.Caption())),
      foreColor_(label.ForeColor()) {
    // The caption is the window text too, for screen readers and for tests.
    Create(kLabelClassName, text_, id);
}

void LabelControl::Sync() {
    bool repaint = false;
    std::wstring text = ToWide(label_.Caption());
    if (text != text_) {
        text_ = std::move(text);
        ::SetWindowTextW(handle_, text_.c_str());
        repaint = true;
    }
    if (label_.ForeColor() != foreColor_) {
        foreColor_ = label_.ForeColor();
        repaint = true;
    }
    SyncToolTip();
    // Showing paints it anyway; a hidden label paints when it is shown.
    if (!SyncVisibility() && repaint && shown_) {
        ::InvalidateRect(handle_, nullptr, FALSE);
    }
}

void LabelControl::OnAccessKeysShown() {
    if (handle_ != nullptr) {
        ::InvalidateRect(handle_, nullptr, FALSE);
    }
}

void LabelControl::Paint(HDC dc, const RECT& area) {
    const int dpi = owner_.Dpi();
    // The surface under the label first, which makes it transparent, then its text.
    PaintSurfaceBeneath(dc, label_, dpi, area);
    RECT client{};
    ::GetClientRect(handle_, &client);
    PaintLabelText(dc, label_, text_, owner_.Context().fonts.For(label_.GetFont(), dpi, text_),
                   client, owner_.ShowsAccessKeys());
}

}  // namespace platform::win32
