#include "lunar/holidays.h"

#include <algorithm>

#include "lunar/holiday_table.h"

namespace lunar {

namespace {

using std::chrono::sys_days;

constexpr std::int32_t kTableEpoch = 10957;  // 2000-01-01 in days since 1970-01-01

std::int32_t DayCount(std::chrono::year_month_day date) {
    return sys_days{date}.time_since_epoch().count();
}

}  // namespace

bool HolidaySchedule::Before(const Entry& a, const Entry& b) {
    return a.Day != b.Day ? a.Day < b.Day : a.NoticeYear < b.NoticeYear;
}

const HolidaySchedule& HolidaySchedule::BuiltIn() {
    static const HolidaySchedule schedule = [] {
        HolidaySchedule builtIn;
        builtIn.entries_.reserve(BuiltInHolidayDays.size());
        for (const std::uint32_t packed : BuiltInHolidayDays) {
            builtIn.entries_.push_back({static_cast<std::int32_t>(packed & 0xFFFF) + kTableEpoch,
                                        static_cast<std::int16_t>(2000 + (packed >> 22 & 0xFF)),
                                        (packed >> 16 & 1) != 0,
                                        BuiltInHolidayNames[packed >> 17 & 0x1F]});
        }
        return builtIn;
    }();
    return schedule;
}

Holiday HolidaySchedule::On(int year, int month, int day) const {
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) {
        return {};
    }
    // Most days of the calendar lie outside every notice's span.
    const std::int32_t wanted = DayCount(date);
    if (entries_.empty() || wanted < entries_.front().Day || wanted > entries_.back().Day) {
        return {};
    }
    // The last entry of the day is the latest notice's.
    const auto after =
        std::upper_bound(entries_.begin(), entries_.end(), wanted,
                         [](std::int32_t value, const Entry& entry) { return value < entry.Day; });
    if (after == entries_.begin() || std::prev(after)->Day != wanted) {
        return {};
    }
    const Entry& entry = *std::prev(after);
    return {entry.Off ? DayStatus::Off : DayStatus::Working, entry.Name};
}

std::vector<int> HolidaySchedule::NoticeYears() const {
    std::vector<int> years;
    for (const Entry& entry : entries_) {
        years.push_back(entry.NoticeYear);
    }
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    return years;
}

bool HolidaySchedule::Knows(int noticeYear) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [noticeYear](const Entry& entry) { return entry.NoticeYear == noticeYear; });
}

void HolidaySchedule::Replace(const HolidayNotice& notice) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.NoticeYear == notice.Year; });
    for (const HolidayNotice::Day& day : notice.Days) {
        entries_.push_back({DayCount(day.Date), static_cast<std::int16_t>(notice.Year), day.Off,
                            names_.emplace_back(day.Name)});
    }
    std::sort(entries_.begin(), entries_.end(), Before);
}

}  // namespace lunar
