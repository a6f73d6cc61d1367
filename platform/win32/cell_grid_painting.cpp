#include "platform/win32/cell_grid_painting.h"

#include <algorithm>
#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// The corner mark is smaller than the line under the large text, so that it keeps clear of
// a two-digit number in a narrow cell.
constexpr double kCornerScale = 0.8;

int TextHeight(HDC dc, HFONT font) {
    const SelectedObject selected(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    const SelectedObject selected(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawLine(HDC dc, const std::wstring& text, HFONT font, COLORREF colour, RECT area,
              UINT format) {
    if (text.empty()) {
        return;
    }
    const SelectedObject selected(dc, font);
    ::SetTextColor(dc, colour);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                format | DT_SINGLELINE | DT_NOPREFIX);
}

bool Crosses(const RECT& a, const RECT& b) {
    RECT crossing{};
    return ::IntersectRect(&crossing, &a, &b) != FALSE;
}

class CellPainter {
  public:
    CellPainter(HDC dc, const ui::CellGrid& grid, FontCache& fonts, int dpi)
        : dc_(dc), grid_(grid), fonts_(fonts), dpi_(dpi), line_(LineWidth(dpi)) {
        const ui::Font& small = grid.SmallFont();
        cornerFont_ = ui::Font{small.Name, small.Points * kCornerScale, small.Bold};
        cornerHeight_ = PointsToPixelHeight(cornerFont_.Points, dpi);
    }

    void Heading(const ui::GridHeading& heading) {
        const std::wstring text = ToWide(heading.Text);
        DrawLine(dc_, text, fonts_.For(grid_.SmallFont(), dpi_, text),
                 Colour(heading.TextUse, heading.TextColour), PixelRect(heading.Bounds, dpi_),
                 DT_CENTER | DT_VCENTER);
    }

    void Cell(const ui::GridCell& cell) {
        switch (grid_.Look()) {
            case ui::CellLook::Label:
                LabelCell(cell);
                return;
            case ui::CellLook::Day:
                DayCell(cell);
                return;
        }
    }

  private:
    COLORREF Colour(ui::ColourUse use, ui::Colour own) const {
        return ShownColorRef(grid_.Owner(), &grid_, use, own);
    }

    // As a framed label draws its caption: the frame, then the text at the top inside it.
    void LabelCell(const ui::GridCell& cell) {
        RECT area = PixelRect(cell.Bounds, dpi_);
        if (cell.Framed) {
            DrawFrame(dc_, area, line_, Colour(ui::ColourUse::Frame, cell.FrameColour));
            ::InflateRect(&area, -line_, -line_);
        }
        const std::wstring text = ToWide(cell.Text);
        DrawLine(dc_, text, fonts_.For(grid_.GetFont(), dpi_, text),
                 Colour(cell.TextUse, cell.TextColour), area, DT_CENTER | DT_TOP);
        // Under the number, which sits at the top.
        Note(cell, area.left + line_, area.bottom - line_ - NoteSize());
    }

    void DayCell(const ui::GridCell& cell) {
        const RECT area = PixelRect(cell.Bounds, dpi_);
        const std::wstring text = ToWide(cell.Text);
        const std::wstring detail = ToWide(cell.Detail);
        const HFONT large = fonts_.For(grid_.GetFont(), dpi_, text);
        const HFONT small = fonts_.For(grid_.SmallFont(), dpi_, detail);
        // The two lines as one block in the middle of the cell, or lower where that keeps a
        // wide number clear of the corner mark; the outline round the large text never
        // touches the frame.
        const int largeHeight = TextHeight(dc_, large);
        const int smallHeight = detail.empty() ? 0 : TextHeight(dc_, small);
        const int room = area.bottom - area.top - largeHeight - smallHeight;
        const int below = std::min(std::max(room / 2, cornerHeight_ * 4 / 5), room - line_);
        const int top = area.top + std::max(3 * line_, below);
        const RECT textArea{area.left, top, area.right, top + largeHeight};
        if (cell.Marked && !text.empty()) {
            Ring(cell, textArea, TextWidth(dc_, large, text), largeHeight);
        }
        DrawLine(dc_, text, large, Colour(cell.TextUse, cell.TextColour), textArea,
                 DT_CENTER | DT_TOP);
        DrawLine(dc_, detail, small, Colour(cell.DetailUse, cell.DetailColour),
                 RECT{area.left, textArea.bottom, area.right, area.bottom}, DT_CENTER | DT_TOP);
        const std::wstring corner = ToWide(cell.Corner);
        DrawLine(dc_, corner, fonts_.For(cornerFont_, dpi_, corner),
                 Colour(cell.CornerUse, cell.CornerColour),
                 RECT{area.left, area.top + line_, area.right - 2 * line_, area.bottom},
                 DT_RIGHT | DT_TOP);
        // Across from the corner mark, above the line.
        Note(cell, area.left + 2 * line_, area.top + 2 * line_);
        if (cell.Framed) {
            DrawFrame(dc_, area, line_, Colour(ui::ColourUse::Frame, cell.FrameColour));
        }
    }

    int NoteSize() const { return 4 * line_; }
    void Note(const ui::GridCell& cell, int left, int top) {
        if (!cell.Noted) {
            return;
        }
        const UniqueBrush brush(::CreateSolidBrush(Colour(ui::ColourUse::Text, cell.NoteColour)));
        const SelectedObject brushSelected(dc_, brush.Get());
        const SelectedObject penSelected(dc_, ::GetStockObject(NULL_PEN));
        // Ellipse leaves out the right and bottom edges when no pen draws them.
        ::Ellipse(dc_, left, top, left + NoteSize() + 1, top + NoteSize() + 1);
    }

    // A rounded outline, twice as thick as the frame, round the large text: at least as wide
    // as it is high, so a one-digit day gets a ring rather than a sliver.
    void Ring(const ui::GridCell& cell, const RECT& textArea, int textWidth, int textHeight) {
        const int thickness = 2 * line_;
        const int width = std::max(textWidth, textHeight) + 2 * thickness + 2 * line_;
        const int middle = (textArea.left + textArea.right) / 2;
        const RECT ring{middle - width / 2, textArea.top - thickness, middle - width / 2 + width,
                        textArea.bottom + thickness};
        const UniquePen pen(::CreatePen(PS_INSIDEFRAME, thickness,
                                        Colour(ui::ColourUse::MarkedText, cell.MarkColour)));
        const SelectedObject penSelected(dc_, pen.Get());
        const SelectedObject brushSelected(dc_, ::GetStockObject(NULL_BRUSH));
        const int round = 6 * line_;
        ::RoundRect(dc_, ring.left, ring.top, ring.right, ring.bottom, round, round);
    }

    HDC dc_;
    const ui::CellGrid& grid_;
    FontCache& fonts_;
    int dpi_;
    int line_;
    ui::Font cornerFont_;
    int cornerHeight_ = 0;
};

}  // namespace

void PaintCellGrid(HDC dc, const ui::CellGrid& grid, FontCache& fonts, int dpi, const RECT& area) {
    ::SetBkMode(dc, TRANSPARENT);
    CellPainter painter(dc, grid, fonts, dpi);
    for (const ui::GridHeading& heading : grid.Headings()) {
        if (Crosses(PixelRect(heading.Bounds, dpi), area)) {
            painter.Heading(heading);
        }
    }
    // An unavailable or hidden cell stays empty.
    for (int i = 0; i < grid.CellCount(); ++i) {
        if (grid.Usable(i) && Crosses(PixelRect(grid.Cell(i).Bounds, dpi), area)) {
            painter.Cell(grid.Cell(i));
        }
    }
}

}  // namespace platform::win32
