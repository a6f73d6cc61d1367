// Selecting a day: the frame, the date lines and the lunar caption.
#include "calendar_window/frmcalendar.h"
#include "lunar/lunar.h"
#include "platform/dates.h"
#include "platform/errors.h"

void frmcalendar::lblnumber_Click(std::int16_t index) {
    cbomonth.SetVisible(false);
    cboyear.SetVisible(false);
    try {
        for (int i = 0; i < lblnumber.CellCount(); ++i) {
            if (lblnumber.Cell(i).Framed != (i == index)) {
                lblnumber.EditCell(
                    i, [framed = i == index](ui::GridCell& day) { day.Framed = framed; });
            }
        }
        // A number outside the 31 fails as "out of range", every frame cleared.
        lblnumber.Cell(index);
        selDay = static_cast<std::int16_t>(index + 1);
        const int month = cbomonth.ListIndex() + 1;
        const int year = cboyear.ListIndex() + 1922;
        // A day the month lacks fails here as "not a date" and leaves the captions alone.
        const platform::Date date =
            platform::ParseDateText(platform::DateText(month, selDay, year));
        selected_ = date;
        lblday.SetCaption(lunar::WeekdayName(platform::Weekday(date)));
        lbldate.SetCaption(platform::LongDate(date));
        ShowWayBackToToday();
        ShowMonthView();
        Label2.SetCaption(ShowLunar());
    } catch (const platform::Error& error) {
        if (error.Code() == platform::ErrorCode::TypeMismatch) {
            selDay = static_cast<std::int16_t>(selDay - 1);
        }
    } catch (const lunar::OutOfRange&) {
        // Outside the lunar tables: nothing more to show.
    }
}

// "回到今天" shows exactly while the captions show another day than today.
void frmcalendar::ShowWayBackToToday() {
    Label3.SetVisible(Today() != selected_);
}

std::string frmcalendar::ShowLunar() const {
    return lunar::LunarCaption(lunar::ToLunarDate(static_cast<int>(selected_.year()),
                                                  platform::MonthOf(selected_),
                                                  platform::DayOf(selected_)));
}
