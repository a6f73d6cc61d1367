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

// "2026年12月6日 星期日 农历十月廿八" in the month on view, or just the label's number until a day
// is selected (and for a number the month lacks).
std::string DayName(const ui::Label& day, const platform::Date& selected) {
    const std::chrono::year_month_day date{
        selected.year(), selected.month(),
        std::chrono::day(static_cast<unsigned>(day.Index() + 1))};
    return selected.ok() && date.ok()
               ? lunar::FullDayName(static_cast<int>(date.year()), platform::MonthOf(date),
                                    platform::DayOf(date))
               : day.Caption();
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
    if (&element == &grdmonth) {
        info.Name = selected_.ok() ? platform::FormatDate(selected_, "yyyy年m月") : "";
    } else if (&element == &lblnotice) {
        // The line shows what fits; a screen reader gets all of it.
        info.Description = lblnotice.ToolTip();
    } else if (&element == &cbomonth || &element == &cboyear) {
        info.Name = &element == &cbomonth ? "月份" : "年份";
    } else if (element.Name() == "lblnumber") {
        const ui::Label& day = lblnumber[element.Index()];
        info = ui::PushButton(day, DayName(day, selected_));
        info.Description = day.ToolTip();
        info.Selectable = true;
        info.Selected = day.BorderStyle() == 1;
        // The framed day is where the keyboard works, as the focused item of a list.
        info.Focused = info.Selected;
    }
    return info;
}
