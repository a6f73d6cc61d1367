#include "lunar/user_reminders.h"

#include <algorithm>

namespace lunar {

namespace {

using namespace std::chrono;

std::size_t Utf16Length(const std::string& utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        // A lead byte starts one unit; a four-byte sequence needs a surrogate pair.
        units += (byte & 0xC0) != 0x80 ? (byte >= 0xF0 ? 2 : 1) : 0;
    }
    return units;
}

}  // namespace

std::string WhenFromToday(const year_month_day& date, const year_month_day& today) {
    const int ahead = static_cast<int>((sys_days{date} - sys_days{today}).count());
    // A year or more ahead, the month and day alone would read as this coming one.
    const std::string shown = (ahead >= 365 ? std::to_string(int{date.year()}) + "年" : "") +
                              std::to_string(unsigned{date.month()}) + "月" +
                              std::to_string(unsigned{date.day()}) + "日";
    if (ahead < 0) {
        return shown + "（已过）";
    }
    if (ahead == 0) {
        return "今天";
    }
    if (ahead == 1) {
        return "明天";
    }
    return std::to_string(ahead) + "天后（" + shown + "）";
}

std::vector<DueReminder> DueReminders(const UserDayIndex& index, const year_month_day& today,
                                      std::optional<year_month_day> remindedThrough) {
    const sys_days now{today};
    if (!remindedThrough || sys_days{*remindedThrough} > now) {
        remindedThrough = year_month_day{now - days{1}};
    }
    const sys_days from =
        std::max(sys_days{*remindedThrough} + days{1}, now - days{kRemindDaysBack});
    std::vector<DueReminder> due;
    if (from > now) {
        return due;
    }
    int farthest = 0;
    for (const UserDay& day : index.Days()) {
        for (const int before : day.Remind) {
            farthest = std::max(farthest, before);
        }
    }
    // A day at `date` is due on date - before for each of its reminders.
    for (sys_days date = from; date <= now + days{farthest}; date += days{1}) {
        for (const UserDayOnDate& on : index.On(year_month_day{date})) {
            const std::vector<int>& remind = index.Days()[on.Index].Remind;
            const bool isDue = std::any_of(remind.begin(), remind.end(), [&](int before) {
                const sys_days dueOn = date - days{before};
                return dueOn >= from && dueOn <= now;
            });
            if (isDue) {
                due.push_back({year_month_day{date}, on});
            }
        }
    }
    return due;
}

ReminderBalloon ReminderBalloonFor(const UserDayIndex& index, const std::vector<DueReminder>& due,
                                   const year_month_day& today) {
    ReminderBalloon balloon{"日历提醒", ""};
    std::vector<std::string> lines;
    for (const DueReminder& reminder : due) {
        lines.push_back(WhenFromToday(reminder.Date, today) + "：" +
                        UserDayText(index.Days()[reminder.On.Index], reminder.On));
    }
    auto join = [&](std::size_t shown) {
        std::string text;
        for (std::size_t i = 0; i < shown; ++i) {
            text += (i == 0 ? "" : "\n") + lines[i];
        }
        if (shown < lines.size()) {
            text.append(shown == 0 ? "" : "\n").append("……另有");
            text.append(std::to_string(lines.size() - shown)).append("项");
        }
        return text;
    };
    std::size_t shown = lines.size();
    while (shown > 0 && Utf16Length(join(shown)) > kBalloonTextLimit) {
        --shown;
    }
    balloon.Text = join(shown);
    return balloon;
}

}  // namespace lunar
