// Drawing the model's windowless parts: the window surface (background and shapes), the
// labels' text and frames, and the element rectangles in device pixels.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace platform::win32 {

// The model's colour as a GDI colour; a value with the top bit set names a system
// colour by its index in the low byte (as in 0x80000004, the menu background).
COLORREF ToColorRef(ui::Colour colour);
// What the form draws for one of its colours (contrast themes: platform/ui/contrast.h).
COLORREF ShownColorRef(const ui::Form& form, const ui::Element* element, ui::ColourUse use,
                       ui::Colour own);

// A rectangle in twips as pixels at a DPI, of the same origin.
RECT PixelRect(const ui::Rect& twips, int dpi);
// An element's rectangle in the form's client pixels.
RECT ElementRect(const ui::Element& element, int dpi);
// The width of a one-pixel line at this DPI (thicker at 200 % so it stays visible).
int LineWidth(int dpi);

void FillSolid(HDC dc, const RECT& area, COLORREF colour);
// A frame of the given thickness just inside the rectangle.
void DrawFrame(HDC dc, const RECT& area, int thickness, COLORREF colour);

// The bare surface of the form over the area (form client pixels): background colour and
// the shapes that cross it. Labels paint it under themselves too, which makes them
// transparent over whatever lies beneath.
void PaintSurface(HDC dc, const ui::Form& form, int dpi, const RECT& area);

// The surface of the form beneath an element's child window, over the area of its client
// pixels: the element looks transparent.
void PaintSurfaceBeneath(HDC dc, const ui::Element& element, int dpi, const RECT& area);

// A label's text inside its rectangle, in the font given, with its access key underlined or
// not.
void PaintLabelText(HDC dc, const ui::Label& label, std::wstring_view text, HFONT font,
                    const RECT& area, bool showAccessKeys);

}  // namespace platform::win32
