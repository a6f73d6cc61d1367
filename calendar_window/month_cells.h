// The month view's cells: which day each of the 6 x 7 cells shows, what it says and in which
// colours. Pure functions of the month, the selection, today and the colours.
#pragma once

#include <string>
#include <vector>

#include "lunar/holidays.h"
#include "platform/dates.h"
#include "platform/ui/cell_grid.h"

namespace month_view {

inline constexpr int kColumns = 7;
inline constexpr int kRows = 6;
inline constexpr int kCells = kColumns * kRows;
// Twips within the grid: the heading row, then the rows of days.
inline constexpr int kCellWidth = 600;
inline constexpr int kHeadingHeight = 285;
inline constexpr int kCellHeight = 465;
inline constexpr int kGridWidth = kColumns * kCellWidth;
inline constexpr int kGridHeight = kHeadingHeight + kRows * kCellHeight;

struct Colours {
    ui::Colour Main;
    ui::Colour Secondary;
    ui::Colour Sunday;
    bool operator==(const Colours&) const = default;
};

// The day in the first cell of the view of the month a date lies in: the month's first day, or
// one of the last days of the month before it, so that each column is one weekday.
// firstDayOfWeek: 0 Monday ... 6 Sunday.
platform::Date FirstShownDay(const platform::Date& inMonth, int firstDayOfWeek);

// The weekday headings (一 ... 日) from the first day of the week, the weekend's in the Sunday
// colour.
std::vector<ui::GridHeading> Headings(int firstDayOfWeek, const Colours& colours);

// The 42 cells of the month of `selected`, the selected day framed and today marked. Days of
// the months around it are dimmed and say so to a screen reader; days outside the years the
// calendar knows are empty and unavailable.
std::vector<ui::GridCell> Cells(const platform::Date& selected, const platform::Date& today,
                                int firstDayOfWeek, const Colours& colours,
                                const lunar::HolidaySchedule& holidays);

// The cell of the selected day in its month's view.
int SelectedCell(const platform::Date& selected, int firstDayOfWeek);

}  // namespace month_view
