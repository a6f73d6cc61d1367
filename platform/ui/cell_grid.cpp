#include "platform/ui/cell_grid.h"

#include "platform/errors.h"
#include "platform/ui/accessible.h"
#include "platform/ui/form.h"
#include "platform/ui/window_system.h"

namespace ui {

CellGrid::CellGrid(Form& owner, std::string name, Rect bounds, Font font, Font smallFont,
                   CellLook look)
    : Element(owner, ElementKind::CellGrid, std::move(name), -1, bounds),
      look_(look),
      font_(std::move(font)),
      smallFont_(std::move(smallFont)) {}

const GridCell& CellGrid::Cell(int index) const {
    if (index < 0 || index >= CellCount()) {
        platform::Fail(platform::ErrorCode::SubscriptOutOfRange, "no such cell");
    }
    return cells_[static_cast<std::size_t>(index)];
}

void CellGrid::SetCell(int index, GridCell cell) {
    Cell(index);
    Assign(cells_[static_cast<std::size_t>(index)], std::move(cell));
}

bool CellGrid::Usable(int index) const {
    if (index < 0 || index >= CellCount()) {
        return false;
    }
    const GridCell& cell = cells_[static_cast<std::size_t>(index)];
    return cell.Enabled && cell.Visible;
}

void CellGrid::RaiseCellClick(int index) {
    if (!Usable(index)) {
        return;
    }
    WindowSystem& system = Owner().System();
    const platform::EventEpoch::Scope event(system.Events());
    system.NoteUserInput();
    if (CellClick) {
        CellClick(index);
    }
}

AccessibleInfo CellAccessibleInfo(const CellGrid& grid, int index) {
    const GridCell& cell = grid.Cell(index);
    AccessibleInfo info =
        PushButton(grid, cell.AccessibleName.empty() ? cell.Text : cell.AccessibleName);
    info.Description = cell.ToolTip;
    info.Focusable = false;
    info.Selectable = cell.Enabled;
    info.Selected = cell.Framed;
    info.Focused = cell.Framed;
    info.Unavailable = !cell.Enabled;
    info.Invisible = info.Invisible || !cell.Visible;
    if (!cell.Enabled) {
        info.DefaultAction.clear();
    }
    return info;
}

}  // namespace ui
