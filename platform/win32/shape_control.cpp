#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"

namespace platform::win32 {

ShapeControl::ShapeControl(FormWindow& owner, ui::Shape& shape)
    : NativeControl(owner, shape),
      shape_(shape),
      place_(ElementRect(shape, owner.Dpi())),
      visible_(shape.Visible()),
      fillColor_(shape.FillColor()),
      borderColor_(shape.BorderColor()) {}

void ShapeControl::Sync() {
    if (shape_.Visible() == visible_ && shape_.FillColor() == fillColor_ &&
        shape_.BorderColor() == borderColor_) {
        return;
    }
    visible_ = shape_.Visible();
    fillColor_ = shape_.FillColor();
    borderColor_ = shape_.BorderColor();
    Invalidate(place_);
}

void ShapeControl::Layout() {
    const RECT place = ElementRect(shape_, owner_.Dpi());
    if (::EqualRect(&place, &place_)) {
        return;
    }
    Invalidate(place_);
    place_ = place;
    Invalidate(place_);
}

void ShapeControl::Invalidate(const RECT& area) {
    if (shape_.Filled()) {
        owner_.InvalidateSurface(area);
        return;
    }
    // Only the outline's pixels: recolouring the frame around the day grid must not
    // repaint the 31 labels inside it.
    const int t = LineWidth(owner_.Dpi());
    owner_.InvalidateSurface(RECT{area.left, area.top, area.right, area.top + t});
    owner_.InvalidateSurface(RECT{area.left, area.bottom - t, area.right, area.bottom});
    owner_.InvalidateSurface(RECT{area.left, area.top, area.left + t, area.bottom});
    owner_.InvalidateSurface(RECT{area.right - t, area.top, area.right, area.bottom});
}

}  // namespace platform::win32
