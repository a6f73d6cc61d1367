// A day's names for the date lines and for screen readers, shared by both views.
#include <chrono>
#include <string>

#include "lunar/lunar.h"
#include "lunar/lunar_tables.h"

namespace lunar {

std::string WeekdayName(int weekday) {
    return std::string(WeekdayNames[weekday >= 1 && weekday <= 7 ? weekday : 7]);
}

std::string FullDayName(int year, int month, int day) {
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year),
                              std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    std::string name =
        std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日 ";
    name += WeekdayName(static_cast<int>(weekday{sys_days{date}}.c_encoding()) + 1);
    try {
        const std::string lunarDay = LunarDayCaption(ToLunarDate(year, month, day));
        name.append(" ").append(lunarDay);
    } catch (const OutOfRange&) {
        // Outside the lunar tables the date alone is all there is to say.
    }
    return name;
}

}  // namespace lunar
