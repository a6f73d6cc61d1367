// What a screen reader hears of the calendar window: the marks by what they do, each day by
// its full date, the number labels with what they count, and the boxes by what they choose.
#include <chrono>
#include <string>
#include <string_view>

#include "calendar_window/frmcalendar.h"
#include "lunar/lunar.h"
#include "platform/dates.h"

namespace {

// Words of a name, one space apart.
std::string Spaced(std::string first, std::string_view second) {
    return first.append(" ").append(second);
}

// "2026年12月6日 星期日 农历十月廿八" in the month on view, or just the day's number until a day
// is selected (and for a number the month lacks).
std::string DayName(const ui::GridCell& day, int index, const platform::Date& selected) {
    const std::chrono::year_month_day date{selected.year(), selected.month(),
                                           std::chrono::day(static_cast<unsigned>(index + 1))};
    return selected.ok() && date.ok()
               ? lunar::FullDayName(static_cast<int>(date.year()), platform::MonthOf(date),
                                    platform::DayOf(date))
               : day.Text;
}

}  // namespace

ui::AccessibleInfo frmcalendar::Accessible(const ui::Element& element) const {
    if (&element == &Label7) {
        return ui::PushButton(element, "最小化");
    }
    if (&element == &Label6) {
        return ui::PushButton(element, "关闭");
    }
    if (&element == &Label8) {
        return ui::PushButton(element, "设置");
    }
    if (&element == &Label3) {
        return ui::PushButton(element, Label3.Caption());
    }
    if (&element == &Label4) {
        return ui::PushButton(element, Spaced("月份", Label4.Caption()));
    }
    if (&element == &Label5) {
        return ui::PushButton(element, Spaced("年份", Label5.Caption()));
    }
    ui::AccessibleInfo info = ui::DefaultAccessibleInfo(element);
    if (&element == &grdmonth || &element == &lblnumber) {
        info.Name = selected_.ok() ? platform::FormatDate(selected_, "yyyy年m月") : "";
        // The day numbers hold no focus of their own: the window's keys work on the framed one.
        info.Focused = info.Focused || (&element == &lblnumber && Focused() == nullptr);
    } else if (&element == &lblnotice) {
        // The line shows what fits; a screen reader gets all of it.
        info.Description = lblnotice.ToolTip();
    } else if (&element == &cbomonth || &element == &cboyear) {
        info.Name = &element == &cbomonth ? "月份" : "年份";
    }
    return info;
}

// The month view names its own cells; a day number is named when a screen reader asks.
ui::AccessibleInfo frmcalendar::AccessibleChild(const ui::Element& element, int child) const {
    ui::AccessibleInfo info = ui::Form::AccessibleChild(element, child);
    if (&element == &lblnumber) {
        info.Name = DayName(lblnumber.Cell(child), child, selected_);
    }
    return info;
}
