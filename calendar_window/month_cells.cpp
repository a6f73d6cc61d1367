#include "calendar_window/month_cells.h"

#include <array>
#include <chrono>

#include "lunar/lunar.h"

namespace month_view {
namespace {

using namespace std::chrono;

constexpr std::array<const char*, 7> kWeekdays{"一", "二", "三", "四", "五", "六", "日"};
constexpr int kSaturday = 5;
constexpr int kSunday = 6;
constexpr sys_days kFirstDay = sys_days{year{1922} / January / 1};
constexpr sys_days kLastDay = sys_days{year{2099} / December / 31};

// 0 Monday ... 6 Sunday.
int MondayBased(sys_days day) {
    return static_cast<int>(weekday{day}.iso_encoding()) - 1;
}

// Half as bright, towards the black the window stands on.
ui::Colour Dimmed(ui::Colour colour) {
    return ui::Rgb(ui::RedOf(colour) / 2, ui::GreenOf(colour) / 2, ui::BlueOf(colour) / 2);
}

ui::GridCell DayCell(const year_month_day& date, bool neighbour, const Colours& colours,
                     const lunar::HolidaySchedule& holidays) {
    const int y = static_cast<int>(date.year());
    const int m = platform::MonthOf(date);
    const int d = platform::DayOf(date);
    const lunar::DayParts parts = lunar::DayPartsOn(y, m, d, holidays);
    const int column = MondayBased(sys_days{date});
    const lunar::DayStatus status = parts.Scheduled.Status;
    const bool red = status == lunar::DayStatus::Off ||
                     (status != lunar::DayStatus::Working && column >= kSaturday);

    ui::GridCell cell;
    cell.Text = std::to_string(d);
    cell.Detail = lunar::DayLine(parts);
    cell.TextColour = red ? colours.Sunday : colours.Main;
    cell.TextUse = red ? ui::ColourUse::MarkedText : ui::ColourUse::Text;
    cell.DetailColour = colours.Secondary;
    if (status != lunar::DayStatus::None) {
        const bool off = status == lunar::DayStatus::Off;
        cell.Corner = off ? "休" : "班";
        cell.CornerColour = off ? colours.Sunday : colours.Main;
        cell.CornerUse = off ? ui::ColourUse::MarkedText : ui::ColourUse::Text;
    }
    cell.ToolTip = lunar::DayTip(parts);
    cell.AccessibleName = lunar::FullDayName(static_cast<int>(date.year()), platform::MonthOf(date),
                                             platform::DayOf(date));
    if (neighbour) {
        for (auto [colour, use] : {std::pair{&cell.TextColour, &cell.TextUse},
                                   std::pair{&cell.DetailColour, &cell.DetailUse},
                                   std::pair{&cell.CornerColour, &cell.CornerUse}}) {
            *colour = Dimmed(*colour);
            *use = ui::ColourUse::DimmedText;
        }
    }
    return cell;
}

}  // namespace

platform::Date FirstShownDay(const platform::Date& inMonth, int firstDayOfWeek) {
    const sys_days first{inMonth.year() / inMonth.month() / 1};
    const int before = (MondayBased(first) - firstDayOfWeek + kColumns) % kColumns;
    return year_month_day{first - days{before}};
}

std::vector<ui::GridHeading> Headings(int firstDayOfWeek, const Colours& colours) {
    std::vector<ui::GridHeading> headings;
    for (int column = 0; column < kColumns; ++column) {
        const int weekdayIndex = (firstDayOfWeek + column) % kColumns;
        const bool weekend = weekdayIndex == kSaturday || weekdayIndex == kSunday;
        headings.push_back({ui::Rect{column * kCellWidth, 0, kCellWidth, kHeadingHeight},
                            kWeekdays[static_cast<std::size_t>(weekdayIndex)],
                            weekend ? colours.Sunday : colours.Main,
                            weekend ? ui::ColourUse::MarkedText : ui::ColourUse::Text});
    }
    return headings;
}

std::vector<ui::GridCell> Cells(const platform::Date& selected, const platform::Date& today,
                                int firstDayOfWeek, const Colours& colours,
                                const lunar::HolidaySchedule& holidays) {
    const sys_days first{FirstShownDay(selected, firstDayOfWeek)};
    std::vector<ui::GridCell> cells;
    cells.reserve(kCells);
    for (int i = 0; i < kCells; ++i) {
        const sys_days day = first + days{i};
        const year_month_day date{day};
        ui::GridCell cell;
        if (day >= kFirstDay && day <= kLastDay) {
            const bool neighbour = date.month() != selected.month();
            cell = DayCell(date, neighbour, colours, holidays);
            if (neighbour) {
                cell.AccessibleName += day < sys_days{selected} ? "（上月）" : "（下月）";
            }
            cell.Framed = date == selected;
            cell.FrameColour = colours.Main;
            cell.Marked = date == today;
            cell.MarkColour = colours.Secondary;
        } else {
            cell.Enabled = false;
        }
        cell.Bounds =
            ui::Rect{(i % kColumns) * kCellWidth, kHeadingHeight + (i / kColumns) * kCellHeight,
                     kCellWidth, kCellHeight};
        cells.push_back(std::move(cell));
    }
    return cells;
}

int SelectedCell(const platform::Date& selected, int firstDayOfWeek) {
    return static_cast<int>(
        (sys_days{selected} - sys_days{FirstShownDay(selected, firstDayOfWeek)}).count());
}

}  // namespace month_view
