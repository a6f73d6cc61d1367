#include "platform/ui/cell_navigation.h"

#include <cstdlib>
#include <limits>
#include <utility>

namespace ui {
namespace {

// The span of a rectangle along the direction of travel and across it.
struct Spans {
    int Near;  // the edge facing the direction
    int Far;   // the edge turned away from it
    int AcrossStart;
    int AcrossEnd;
};

// Mirrored so that every direction moves towards larger values.
Spans SpansOf(const Rect& r, CellDirection direction) {
    switch (direction) {
        case CellDirection::Up:
            return {-r.Top, -r.Bottom(), r.Left, r.Right()};
        case CellDirection::Down:
            return {r.Bottom(), r.Top, r.Left, r.Right()};
        case CellDirection::Left:
            return {-r.Left, -r.Right(), r.Top, r.Bottom()};
        case CellDirection::Right:
            break;
    }
    return {r.Right(), r.Left, r.Top, r.Bottom()};
}

}  // namespace

std::optional<int> NeighbourCell(const std::vector<Rect>& cells, int from,
                                 CellDirection direction) {
    if (from < 0 || from >= static_cast<int>(cells.size())) {
        return std::nullopt;
    }
    const Spans start = SpansOf(cells[static_cast<std::size_t>(from)], direction);
    const int middle = start.AcrossStart + start.AcrossEnd;  // doubled, as is `across` below
    std::optional<int> best;
    std::pair<int, int> bestDistance{std::numeric_limits<int>::max(), 0};
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const Rect& cell = cells[static_cast<std::size_t>(i)];
        const Spans s = SpansOf(cell, direction);
        if (i == from || cell.Width <= 0 || cell.Height <= 0 || s.Far < start.Near ||
            s.AcrossEnd <= start.AcrossStart || s.AcrossStart >= start.AcrossEnd) {
            continue;
        }
        const std::pair distance{s.Far - start.Near,
                                 std::abs(s.AcrossStart + s.AcrossEnd - middle)};
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace ui
