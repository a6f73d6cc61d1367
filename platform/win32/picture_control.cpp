#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/window_classes.h"

namespace platform::win32 {

PictureControl::PictureControl(FormWindow& owner, ui::PictureBox& picture, int id)
    : ClickableControl(owner, picture), picture_(picture), backColor_(picture.BackColor()) {
    Create(kPictureClassName, L"", id);
}

void PictureControl::Sync() {
    const bool recolour = picture_.BackColor() != backColor_;
    backColor_ = picture_.BackColor();
    SyncToolTip();
    if (!SyncVisibility() && recolour && shown_) {
        ::InvalidateRect(handle_, nullptr, FALSE);
    }
}

void PictureControl::Paint(HDC dc, const RECT& /*area*/) {
    RECT client{};
    ::GetClientRect(handle_, &client);
    FillSolid(dc, client, ToColorRef(backColor_));
    // A thin sunken edge marks it as something to click.
    ::DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    if (ShowsFocus()) {
        PaintFocusMark(dc);
    }
}

}  // namespace platform::win32
