// Which of the user's days to remind of, and the one notification that says so.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "lunar/user_days.h"

namespace lunar {

// When a date is, seen from today: "今天", "明天", "3天后（12月10日）", "12月6日（已过）"; a year
// or more away with its year, "400天后（2028年1月11日）".
std::string WhenFromToday(const std::chrono::year_month_day& date,
                          const std::chrono::year_month_day& today);

// A day of the user's that a reminder is due for.
struct DueReminder {
    std::chrono::year_month_day Date;  // where the day falls
    UserDayOnDate On;
};

// Reminders are looked for at most this many days back, however long the program did not run.
inline constexpr int kRemindDaysBack = 7;

// Every day whose reminder (`remind` days before it) is due after `remindedThrough` up to today,
// and no more than kRemindDaysBack days back; absent or later than today means yesterday. One
// entry per day of the user's, by date and then list order.
std::vector<DueReminder> DueReminders(const UserDayIndex& days,
                                      const std::chrono::year_month_day& today,
                                      std::optional<std::chrono::year_month_day> remindedThrough);

// The reminder's balloon: its title and as many whole lines as fit, then how many more.
struct ReminderBalloon {
    std::string Title;
    std::string Text;
};
inline constexpr std::size_t kBalloonTextLimit = 255;  // UTF-16 units, as the system counts

// "今天：结婚纪念日（12周年）", "明天：…", "3天后（12月10日）：…", "12月6日（已过）：…", one a
// line, then "……另有N项" when not all fit.
ReminderBalloon ReminderBalloonFor(const UserDayIndex& days, const std::vector<DueReminder>& due,
                                   const std::chrono::year_month_day& today);

}  // namespace lunar
