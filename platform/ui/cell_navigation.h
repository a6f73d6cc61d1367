// Moving among the cells of a surface drawn in cells by their places alone, so that any grid
// answers "the cell above" or "the next cell" the same way whatever its columns.
#pragma once

#include <optional>
#include <vector>

#include "platform/ui/types.h"

namespace ui {

enum class CellDirection { Up, Down, Left, Right };

// Of the cells lying wholly beyond cells[from] in the direction and overlapping it across it,
// the nearest (the one nearest across it of equals); none when no cell lies that way or from
// is no cell. Empty cells (no width or height) are passed over.
std::optional<int> NeighbourCell(const std::vector<Rect>& cells, int from, CellDirection direction);

}  // namespace ui
