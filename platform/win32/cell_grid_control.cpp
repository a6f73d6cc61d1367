#include <algorithm>

#include "platform/win32/cell_grid_painting.h"
#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

namespace platform::win32 {

CellGridControl::CellGridControl(FormWindow& owner, ui::CellGrid& grid, int id)
    : ClickableControl(owner, grid), grid_(grid), cells_(grid.Cells()), headings_(grid.Headings()) {
    Create(kGridClassName, L"", id);
}

RECT CellGridControl::PartArea(int part) const {
    return PixelRect(grid_.Cell(part).Bounds, owner_.Dpi());
}

void CellGridControl::Sync() {
    InvalidateChanges();
    SyncToolTip();
    // Showing paints it all anyway.
    SyncVisibility();
    SyncCellTips();
}

void CellGridControl::InvalidateChanges() {
    const std::vector<ui::GridCell>& cells = grid_.Cells();
    const bool whole = grid_.Headings() != headings_ || cells.size() != cells_.size();
    if (shown_ && whole) {
        ::InvalidateRect(handle_, nullptr, FALSE);
    }
    for (std::size_t i = 0; shown_ && !whole && i < cells.size(); ++i) {
        if (cells[i] != cells_[i]) {
            const int dpi = owner_.Dpi();
            for (const RECT& area :
                 {PixelRect(cells_[i].Bounds, dpi), PixelRect(cells[i].Bounds, dpi)}) {
                ::InvalidateRect(handle_, &area, FALSE);
            }
        }
    }
    if (whole || cells != cells_) {
        headings_ = grid_.Headings();
        cells_ = cells;
    }
}

void CellGridControl::SyncCellTips() {
    const std::vector<ui::GridCell>& cells = grid_.Cells();
    FontCache& fonts = owner_.Context().fonts;
    HFONT font = nullptr;
    for (std::size_t i = 0; i < std::max(cells.size(), tippedCells_); ++i) {
        const bool tipped = shown_ && i < cells.size() && grid_.Usable(static_cast<int>(i));
        const std::wstring tip = tipped ? ToWide(cells[i].ToolTip) : std::wstring();
        if (font == nullptr && !tip.empty()) {
            font = fonts.For(fonts.TipFont(), owner_.Dpi(), tip);
        }
        const RECT area = i < cells.size() ? PartArea(static_cast<int>(i)) : RECT{};
        owner_.Tips().SetArea(handle_, i, area, tip, font);
    }
    tippedCells_ = shown_ ? cells.size() : 0;
}

void CellGridControl::Layout() {
    NativeControl::Layout();
    // The cells' pixels and the tips' font follow the DPI.
    SyncCellTips();
}

void CellGridControl::Paint(HDC dc, const RECT& area) {
    const int dpi = owner_.Dpi();
    PaintSurfaceBeneath(dc, grid_, dpi, area);
    PaintCellGrid(dc, grid_, owner_.Context().fonts, dpi, area);
}

int CellGridControl::PartAt(POINT client) const {
    const int cell = CellAt(client);
    return grid_.Usable(cell) ? cell : -1;
}

int CellGridControl::CellAt(POINT client) const {
    const std::vector<ui::GridCell>& cells = grid_.Cells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const RECT area = PixelRect(cells[i].Bounds, owner_.Dpi());
        if (::PtInRect(&area, client)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Between the day numbers and over a day the month lacks, the pointer is on the window's
// surface, as it would be with no grid: a press there drags the window.
bool CellGridControl::Transparent(POINT client) const {
    const int cell = CellAt(client);
    if (cell >= 0) {
        return !grid_.Cell(cell).Visible;
    }
    const auto& headings = grid_.Headings();
    return std::none_of(headings.begin(), headings.end(), [&](const ui::GridHeading& heading) {
        const RECT area = PixelRect(heading.Bounds, owner_.Dpi());
        return ::PtInRect(&area, client) != FALSE;
    });
}

void CellGridControl::ClickPart(int part) {
    owner_.UserCellClick(grid_, part);
}

void CellGridControl::ClickedThrough(POINT client) {
    if (const int part = PartAt(client); part >= 0) {
        owner_.UserCellClick(grid_, part);
    }
}

// The framed cell is where the keyboard is.
void CellGridControl::FocusTaken() {
    owner_.Accessibility().AnnouncePartFocus(grid_);
}

// Child 0 is the grid itself, which has no action of its own.
void CellGridControl::DefaultAction(WPARAM child) {
    if (grid_.Visible() && child > 0) {
        owner_.UserCellClick(grid_, static_cast<int>(child) - 1);
    }
}

}  // namespace platform::win32
