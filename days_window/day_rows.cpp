#include "days_window/day_rows.h"

#include <algorithm>
#include <optional>

#include "lunar/user_reminders.h"

namespace days_window {

std::vector<DayRow> DayRows(const std::vector<lunar::UserDay>& days,
                            const std::chrono::year_month_day& today) {
    struct Next {
        std::optional<std::chrono::sys_days> On;
        DayRow Row;
    };
    std::vector<Next> rows;
    rows.reserve(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const lunar::UserDay& day = days[i];
        const auto next = lunar::NextUserDay(day, today);
        const std::string when = next ? lunar::WhenFromToday(next->Date, today) : "已过";
        rows.push_back({next ? std::optional(std::chrono::sys_days{next->Date}) : std::nullopt,
                        {i, day.Name + " · " + lunar::UserDayDateText(day) + " · " + when}});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Next& a, const Next& b) { return a.On && (!b.On || *a.On < *b.On); });
    std::vector<DayRow> sorted;
    sorted.reserve(rows.size());
    for (Next& row : rows) {
        sorted.push_back(std::move(row.Row));
    }
    return sorted;
}

}  // namespace days_window
