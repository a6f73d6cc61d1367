#include "platform/win32/painting.h"

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

COLORREF ToColorRef(ui::Colour colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    if ((bits & 0x80000000u) != 0) {
        return ::GetSysColor(static_cast<int>(bits & 0xFFu));
    }
    return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

COLORREF ShownColorRef(const ui::Form& form, const ui::Element* element, ui::ColourUse use,
                       ui::Colour own) {
    return ToColorRef(form.ShownColour(element, use, own));
}

RECT PixelRect(const ui::Rect& twips, int dpi) {
    const int left = TwipsToPixelPosition(twips.Left, dpi);
    const int top = TwipsToPixelPosition(twips.Top, dpi);
    return RECT{left, top, left + TwipsToPixelSize(twips.Width, dpi),
                top + TwipsToPixelSize(twips.Height, dpi)};
}

RECT ElementRect(const ui::Element& element, int dpi) {
    return PixelRect(element.Bounds(), dpi);
}

int LineWidth(int dpi) {
    return std::max(1, dpi / kDefaultDpi);
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    ::SetBkColor(dc, colour);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void DrawFrame(HDC dc, const RECT& area, int thickness, COLORREF colour) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const int t = std::min({thickness, (width + 1) / 2, (height + 1) / 2});
    FillSolid(dc, RECT{area.left, area.top, area.right, area.top + t}, colour);
    FillSolid(dc, RECT{area.left, area.bottom - t, area.right, area.bottom}, colour);
    FillSolid(dc, RECT{area.left, area.top + t, area.left + t, area.bottom - t}, colour);
    FillSolid(dc, RECT{area.right - t, area.top + t, area.right, area.bottom - t}, colour);
}

namespace {

// A filled shape shows a colour for itself (a preview); an outline frames something.
void PaintShape(HDC dc, const ui::Shape& shape, int dpi, const RECT& area) {
    const ui::Form& form = shape.Owner();
    const RECT bounds = ElementRect(shape, dpi);
    RECT crossing{};
    if (!shape.Visible() || !::IntersectRect(&crossing, &bounds, &area)) {
        return;
    }
    if (shape.Filled()) {
        FillSolid(dc, bounds,
                  ShownColorRef(form, &shape, ui::ColourUse::Content, shape.FillColor()));
    } else {
        DrawFrame(dc, bounds, LineWidth(dpi),
                  ShownColorRef(form, &shape, ui::ColourUse::Frame, shape.BorderColor()));
    }
}

}  // namespace

void PaintSurface(HDC dc, const ui::Form& form, int dpi, const RECT& area) {
    FillSolid(dc, area, ShownColorRef(form, nullptr, ui::ColourUse::Background, form.BackColor()));
    for (const ui::Element* element : form.Elements()) {
        switch (element->Kind()) {
            case ui::ElementKind::Shape:
                PaintShape(dc, static_cast<const ui::Shape&>(*element), dpi, area);
                break;
            // Child windows that paint themselves.
            case ui::ElementKind::Label:
            case ui::ElementKind::ComboBox:
            case ui::ElementKind::HScrollBar:
            case ui::ElementKind::PictureBox:
            case ui::ElementKind::CheckBox:
            case ui::ElementKind::CellGrid:
            case ui::ElementKind::TextBox:
            case ui::ElementKind::ListBox:
            case ui::ElementKind::Button:
                break;
        }
    }
}

void PaintSurfaceBeneath(HDC dc, const ui::Element& element, int dpi, const RECT& area) {
    const RECT place = ElementRect(element, dpi);
    // Drawn in the form's coordinates.
    POINT previous{};
    ::OffsetViewportOrgEx(dc, -place.left, -place.top, &previous);
    RECT surface = area;
    ::OffsetRect(&surface, place.left, place.top);
    PaintSurface(dc, element.Owner(), dpi, surface);
    ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void PaintLabelText(HDC dc, const ui::Label& label, std::wstring_view text, HFONT font,
                    const RECT& area, bool showAccessKeys) {
    if (text.empty()) {
        return;
    }
    const SelectedObject selected(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc,
                   ShownColorRef(label.Owner(), &label, ui::ColourUse::Text, label.ForeColor()));
    // One line, top-aligned like the designed layout. "&" marks an access key, underlined
    // while the window shows its keyboard cues.
    UINT format = DT_SINGLELINE | DT_TOP | (showAccessKeys ? 0 : DT_HIDEPREFIX);
    format |= label.Alignment() == ui::TextAlignment::Centre ? DT_CENTER : DT_LEFT;
    RECT inside = area;
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &inside, format);
}

}  // namespace platform::win32
