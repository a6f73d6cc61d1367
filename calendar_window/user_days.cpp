// The user's own days in the calendar: at the end of each day's tip in both views, and the
// way to a day a reminder named.
#include <chrono>

#include "calendar_window/frmcalendar.h"
#include "calendar_window/month_cells.h"

const lunar::UserDayIndex& frmcalendar::NoUserDays() {
    static const lunar::UserDayIndex none;
    return none;
}

void frmcalendar::SetUserDays(const lunar::UserDayIndex& days) {
    userDays_ = &days;
    reminders_.SetDays(days);
    ShowDayTips();
    ShowMonthView();
}

std::string frmcalendar::UserDaysTip(const platform::Date& date) const {
    return userDays_->TipSuffix(date);
}

// Each day of the user's gets a dot in the main colour, and its texts end the tip.
std::vector<ui::GridCell> frmcalendar::WithUserDays(std::vector<ui::GridCell> cells,
                                                    ui::Colour main) const {
    if (userDays_->Empty()) {
        return cells;
    }
    using namespace std::chrono;
    const sys_days first{month_view::FirstShownDay(selected_, firstDayOfWeek_)};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        // Days outside the years shown have no tip to add to.
        if (!cells[i].ToolTip.empty()) {
            const std::string own = UserDaysTip(year_month_day{first + days{i}});
            cells[i].ToolTip += own;
            cells[i].Noted = !own.empty();
            cells[i].NoteColour = main;
        }
    }
    return cells;
}

void frmcalendar::ShowReminded(const platform::Date& date) {
    if (!Visible()) {
        RestoreFromTray();
    }
    System().Activate(*this);
    ShowDate(date);
}
