// Drawing a grid of cells (ui::CellGrid) over whatever lies beneath it: the headings, then
// in each enabled cell its large text, the line under it, the corner mark, the selection
// frame and the outline that sets one cell apart.
#pragma once

#include <windows.h>

#include "platform/ui/cell_grid.h"
#include "platform/win32/fonts.h"

namespace platform::win32 {

// Draws what crosses the area (the grid's client pixels, as its cells are) into dc.
void PaintCellGrid(HDC dc, const ui::CellGrid& grid, FontCache& fonts, int dpi, const RECT& area);

}  // namespace platform::win32
