// What a screen reader hears of the calendar window: the marks by what they do, each day by
// its full date, the number labels with what they count, and the boxes by what they choose.
#include <chrono>
#include <string>
#include <string_view>

#include "calendar_window/frmcalendar.h"
#include "calendar_window/weekday_names.h"
#include "lunar/lunar.h"
#include "platform/dates.h"

namespace {

// Words of a name, one space apart.
std::string Spaced(std::string first, std::string_view second) {
    return first.append(" ").append(second);
}

// "2026年12月6日 星期日 农历十月廿八", or just the label's number until a month and year are
// chosen.
std::string DayName(const ui::Label& day, int month, int year) {
    const std::chrono::year_month_day date{
        std::chrono::year{year}, std::chrono::month(static_cast<unsigned>(month)),
        std::chrono::day(static_cast<unsigned>(day.Index() + 1))};
    if (month < 1 || year < 1 || !date.ok()) {
        return day.Caption();
    }
    std::string name = Spaced(platform::LongDate(date), WeekdayName(platform::Weekday(date)));
    try {
        name =
            Spaced(name, lunar::LunarDayCaption(lunar::ToLunarDate(year, month, day.Index() + 1)));
    } catch (const lunar::OutOfRange&) {
        // Outside the lunar tables the date alone is all there is to say.
    }
    return name;
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
    if (&element == &cbomonth || &element == &cboyear) {
        info.Name = &element == &cbomonth ? "月份" : "年份";
    } else if (element.Name() == "lblnumber") {
        const ui::Label& day = lblnumber[element.Index()];
        info = ui::PushButton(day, DayName(day, GetMonth(), GetYear()));
        info.Description = day.ToolTip();
        info.Selectable = true;
        info.Selected = day.BorderStyle() == 1;
        // The framed day is where the keyboard works, as the focused item of a list.
        info.Focused = info.Selected;
    }
    return info;
}
