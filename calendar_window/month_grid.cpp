// The month grid and the two choosers over it.
#include <string>

#include "calendar_window/frmcalendar.h"
#include "calendar_window/month_cells.h"
#include "lunar/lunar.h"
#include "platform/conversions.h"
#include "platform/dates.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

void frmcalendar::Label4_Click() {
    cbomonth.SetVisible(true);
}

void frmcalendar::Label5_Click() {
    cboyear.SetVisible(true);
}

void frmcalendar::cbomonth_Click() {
    setcol(store_.ReadSetting(std::string(settings::kSetCol.Name)));
    ShowMonth();
    lblnumber_Click(static_cast<std::int16_t>(selDay - 1));
    Label4.SetCaption(platform::PlainText(cbomonth.ListIndex() + 1));
    cbomonth.SetVisible(false);
}

void frmcalendar::cboyear_Click() {
    // The first notification comes from start-up while the month box is still empty.
    if (!yearArmed) {
        yearArmed = true;
        return;
    }
    cbomonth_Click();
    Label5.SetCaption(platform::PlainText(GetYear()));
    cboyear.SetVisible(false);
}

void frmcalendar::ShowMonth() {
    FindMonthLength(GetMonth(), GetYear());
}

std::int16_t frmcalendar::GetMonth() const {
    return static_cast<std::int16_t>(cbomonth.ListIndex() + 1);
}

std::int16_t frmcalendar::GetYear() const {
    if (cboyear.ListIndex() == -1) {
        return 0;
    }
    return platform::TextToInt16(cboyear.Text());
}

void frmcalendar::FindMonthLength(std::int16_t month, std::int16_t year) {
    std::int16_t last = 0;
    for (std::int16_t day = 28; day <= 32; ++day) {
        if (!platform::IsDate(platform::DateText(month, day, year))) {
            ShowDayLabels(last);
            return;
        }
        last = day;
    }
}

// Days 29 to 31 show as far as the month has them.
void frmcalendar::ShowDayLabels(std::int16_t n) {
    for (int i = 28; i <= 30; ++i) {
        lblnumber.EditCell(i, [shown = i <= n - 1](ui::GridCell& day) { day.Visible = shown; });
    }
    ShowDayTips();
}

// Each shown day's pointer tip: its lunar date, festivals, solar term, seasonal mark and 休/班
// in the month on view. None while the month view shows instead.
void frmcalendar::ShowDayTips() {
    const int month = GetMonth();
    const int year = GetYear();
    for (int i = 0; i < lblnumber.CellCount(); ++i) {
        std::string tip;
        std::string own;
        if (lblnumber.Visible() && lblnumber.Cell(i).Visible) {
            try {
                tip = lunar::DayTip(year, month, i + 1, *holidays_);
                // Only a date the almanac could name gets this far.
                own = UserDaysTip(platform::MakeDate(year, month, i + 1));
            } catch (const lunar::OutOfRange&) {
                // A month the grid cannot show (before the year box has a year): no tip.
            }
        }
        tip += own;
        const ui::GridCell& shown = lblnumber.Cell(i);
        const ui::Colour main = lbldate.ForeColor();
        if (tip != shown.ToolTip || shown.Noted != !own.empty() || shown.NoteColour != main) {
            lblnumber.EditCell(i, [&](ui::GridCell& day) {
                day.ToolTip = std::move(tip);
                day.Noted = !own.empty();
                day.NoteColour = main;
            });
        }
    }
}

// Filled anew when the month, today, the first weekday, a colour or the schedule changed;
// otherwise only the frame moves to the selected day.
void frmcalendar::ShowMonthView() {
    if (!monthView_ || !selected_.ok()) {
        return;
    }
    using namespace std::chrono;
    const GridSource source{selected_.year() / selected_.month() / 1,
                            Today(),
                            firstDayOfWeek_,
                            lbldate.ForeColor(),
                            Label2.ForeColor(),
                            sundayColour_,
                            holidays_,
                            userDays_};
    // Also when only the view was switched back: the compact view hid the line.
    ShowNotice();
    if (gridSource_ != source) {
        gridSource_ = source;
        const month_view::Colours colours{source.Main, source.Secondary, source.Sunday};
        grdmonth.SetHeadings(month_view::Headings(firstDayOfWeek_, colours));
        grdmonth.SetCells(WithUserDays(
            month_view::Cells(selected_, source.Today, firstDayOfWeek_, colours, *holidays_),
            source.Main));
        return;
    }
    const int framed = month_view::SelectedCell(selected_, firstDayOfWeek_);
    for (int i = 0; i < grdmonth.CellCount(); ++i) {
        if (grdmonth.Cell(i).Framed != (i == framed)) {
            ui::GridCell cell = grdmonth.Cell(i);
            cell.Framed = i == framed;
            grdmonth.SetCell(i, std::move(cell));
        }
    }
}

// A day of the month around it is selected in its own month, as the keys would reach it.
void frmcalendar::grdmonth_CellClick(int index) {
    const platform::Date first = month_view::FirstShownDay(selected_, firstDayOfWeek_);
    ShowDate(std::chrono::year_month_day{std::chrono::sys_days{first} + std::chrono::days{index}});
}

void frmcalendar::SetHolidaySchedule(const lunar::HolidaySchedule& holidays) {
    holidays_ = &holidays;
    ShowDayTips();
    ShowMonthView();
}
