// The window's small menu: what its marks do, for the keyboard and the right button.
#include <array>
#include <string>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "calendar_window/month_cells.h"

namespace {

struct MenuItem {
    const char* Text;
    void (frmcalendar::*Action)();
    // Ticked while this holds.
    bool (frmcalendar::*Checked)() const;
};

}  // namespace

void frmcalendar::ShowContextMenu(std::optional<ui::Point> at) {
    static constexpr std::array<MenuItem, 7> kItems{{
        {"回到今天", &frmcalendar::Label3_Click, nullptr},
        {"我的日子…", &frmcalendar::OpenDaysWindow, nullptr},
        {"完整月历", &frmcalendar::ToggleMonthView, &frmcalendar::MonthView},
        {"锁定位置", &frmcalendar::ToggleLocked, &frmcalendar::Locked},
        {"设置", &frmcalendar::Label8_Click, nullptr},
        {"最小化", &frmcalendar::Label7_Click, nullptr},
        {"关闭", &frmcalendar::Label6_Click, nullptr},
    }};
    std::vector<ui::MenuItem> texts;
    for (const MenuItem& item : kItems) {
        texts.push_back({item.Text, item.Checked != nullptr && (this->*item.Checked)()});
    }
    const int chosen = System().ShowMenu(*this, texts, at);
    if (chosen >= 0 && chosen < static_cast<int>(kItems.size())) {
        (this->*kItems[static_cast<std::size_t>(chosen)].Action)();
    }
}

void frmcalendar::OpenDaysWindow() {
    // Also when it is open already: it may lie under other windows.
    if (daysWindow_ != nullptr) {
        daysWindow_->RequestActivate();
    }
}

void frmcalendar::ToggleMonthView() {
    SetMonthView(!monthView_);
}

void frmcalendar::ToggleLocked() {
    SetLocked(!locked_);
}

void frmcalendar::OnContextMenu(std::optional<ui::Point> at) {
    if (!at) {
        const ui::CellGrid& grid = monthView_ ? grdmonth : lblnumber;
        const int cell = monthView_ ? month_view::SelectedCell(selected_, firstDayOfWeek_)
                                    : platform::DayOf(selected_) - 1;
        const ui::Rect day = grid.Cell(cell).Bounds;
        at = ui::Point{grid.Bounds().Left + day.Left, grid.Bounds().Top + day.Bottom()};
    }
    ShowContextMenu(at);
}
