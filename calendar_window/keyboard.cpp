// The calendar without a mouse. Every key runs the handlers a click runs (the boxes' choice,
// the day click, the marks), so a key shows and stores exactly what the mouse would.
#include <algorithm>
#include <chrono>

#include "calendar_window/frmcalendar.h"
#include "platform/ui/keys.h"

namespace {

using namespace std::chrono;

constexpr int kDaysAWeek = 7;
constexpr int kMonthsAYear = 12;

}  // namespace

bool frmcalendar::OnKeyDown(int key, int shift) {
    if ((shift & ui::kAltMask) != 0) {
        // The captions "月份&M" and "年份&Y" promise these two.
        if (shift == ui::kAltMask && key == ui::kKeyM) {
            Label4_Click();
            return true;
        }
        if (shift == ui::kAltMask && key == ui::kKeyY) {
            Label5_Click();
            return true;
        }
        return false;
    }
    if (key == ui::kKeyApps || (key == ui::kKeyF10 && shift == ui::kShiftMask)) {
        OnContextMenu(std::nullopt);
        return true;
    }
    return OnNavigationKey(key, shift);
}

bool frmcalendar::OnNavigationKey(int key, int shift) {
    const bool ctrl = (shift & ui::kCtrlMask) != 0;
    switch (key) {
        case ui::kKeyLeft:
            MoveDays(-1);
            return true;
        case ui::kKeyRight:
            MoveDays(1);
            return true;
        case ui::kKeyUp:
            MoveDays(-kDaysAWeek);
            return true;
        case ui::kKeyDown:
            MoveDays(kDaysAWeek);
            return true;
        case ui::kKeyPageUp:
            MoveMonths(ctrl ? -kMonthsAYear : -1);
            return true;
        case ui::kKeyPageDown:
            MoveMonths(ctrl ? kMonthsAYear : 1);
            return true;
        case ui::kKeyHome:
            Label3_Click();
            return true;
        default:
            return false;
    }
}

void frmcalendar::MoveDays(int days) {
    ShowDate(year_month_day{sys_days{selected_} + std::chrono::days{days}});
}

// The same day number in the other month, or that month's last day when it is shorter.
void frmcalendar::MoveMonths(int months) {
    const year_month target =
        year_month{selected_.year(), selected_.month()} + std::chrono::months{months};
    const day last = year_month_day_last{target.year(), month_day_last{target.month()}}.day();
    ShowDate(year_month_day{target.year(), target.month(), std::min(selected_.day(), last)});
}

// Another month or year is chosen in its box as the user would choose it, then the day is
// clicked. Nothing moves outside the years the box offers.
void frmcalendar::ShowDate(const platform::Date& date) {
    const int year = static_cast<int>(date.year());
    if (year < kFirstYear || year > kLastYear) {
        return;
    }
    const int yearPosition = year - kFirstYear;
    const int monthPosition = platform::MonthOf(date) - 1;
    if (cboyear.ListIndex() != yearPosition) {
        cboyear.SetListIndex(yearPosition);
    }
    if (cbomonth.ListIndex() != monthPosition) {
        cbomonth.SetListIndex(monthPosition);
    }
    lblnumber_Click(static_cast<std::int16_t>(platform::DayOf(date) - 1));
}
