#include "lunar/user_days.h"

#include <algorithm>

#include "lunar/lunar_internal.h"
#include "lunar/lunar_tables.h"

namespace lunar {

namespace {

using namespace std::chrono;

std::optional<std::int32_t> YearInfo(int lunarYear) {
    const int index = lunarYear - FirstLunarYear;
    if (index < 0 || index >= static_cast<int>(LunarYearCount)) {
        return std::nullopt;
    }
    return LunarYearInfo[static_cast<std::size_t>(index)];
}

// Position 1-13 of a month within its year (a leap month as the negative of the month it
// follows); 0 when the year has no such month.
int PositionOf(std::int32_t info, int month) {
    const int leapAfter = LeapMonthAfter(info);
    if (month < 0) {
        return HasLeapMonth(info) && -month == leapAfter ? leapAfter + 1 : 0;
    }
    return month + (HasLeapMonth(info) && month > leapAfter ? 1 : 0);
}

}  // namespace

std::string LunarMonthName(int month, bool leap) {
    std::string name;
    AppendMonth(name, LunarDate{0, leap ? -month : month, 1});
    return name;
}

std::string LunarDayName(int day) {
    return std::string(TableAt(LunarDayNames, day));
}

int LeapMonthOfLunarYear(int lunarYear) {
    const auto info = YearInfo(lunarYear);
    if (!info) {
        return -1;
    }
    return HasLeapMonth(*info) ? LeapMonthAfter(*info) : 0;
}

std::optional<year_month_day> FromLunarDate(int lunarYear, int month, int day) {
    const auto info = YearInfo(lunarYear);
    if (!info || month == 0 || month < -12 || month > 12) {
        return std::nullopt;
    }
    const int position = PositionOf(*info, month);
    if (position == 0 || day < 1 || day > MonthLength(*info, position)) {
        return std::nullopt;
    }
    int dayNumber = DaysBeforeLunarYear[static_cast<std::size_t>(lunarYear - FirstLunarYear)];
    for (int p = 1; p < position; ++p) {
        dayNumber += MonthLength(*info, p);
    }
    // Day 1 of the tables is 1921-02-08.
    return year_month_day{sys_days{std::chrono::year{1921} / 2 / 7} + days{dayNumber + day}};
}

std::string UserDayText(const UserDay& day, const UserDayOnDate& on) {
    std::vector<std::string> reasons;
    if (on.Count > 0) {
        switch (day.Kind) {
            case UserDayKind::Birthday:
                reasons.push_back(std::to_string(on.Count) + "周岁");
                break;
            case UserDayKind::Anniversary:
                reasons.push_back(std::to_string(on.Count) + "周年");
                break;
            case UserDayKind::Yearly:
            case UserDayKind::Once:
                break;
        }
    }
    if (on.NoLeapMonth) {
        reasons.push_back("当年无" + LunarMonthName(day.Month, true));
    }
    if (on.NoThirtieth) {
        reasons.push_back("本月无三十");
    }
    if (on.NoFebruary29) {
        reasons.push_back("当年无2月29日");
    }
    std::string text = day.Name;
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        text += (i == 0 ? "（" : "，") + reasons[i];
    }
    return reasons.empty() ? text : text + "）";
}

std::string UserDayDateText(const UserDay& day) {
    const bool withYear = day.Kind == UserDayKind::Once && day.Year;
    const std::string year = withYear ? std::to_string(*day.Year) + "年" : "";
    switch (day.Calendar) {
        case UserCalendar::Lunar: {
            std::string text = "农历" + year;
            AppendMonthAndDay(text, LunarDate{0, day.Leap ? -day.Month : day.Month, day.Day});
            return text;
        }
        case UserCalendar::Gregorian:
            break;
    }
    return year + std::to_string(day.Month) + "月" + std::to_string(day.Day) + "日";
}

std::optional<UserDayOccurrence> UserDayIn(const UserDay& day, int year) {
    if ((day.Year && year < *day.Year) || (day.Kind == UserDayKind::Once && year != day.Year)) {
        return std::nullopt;
    }
    UserDayOccurrence at{};
    switch (day.Kind) {
        case UserDayKind::Birthday:
        case UserDayKind::Anniversary:
            at.On.Count = day.Year ? year - *day.Year : 0;
            break;
        case UserDayKind::Yearly:
        case UserDayKind::Once:
            break;
    }
    std::optional<year_month_day> date;
    switch (day.Calendar) {
        case UserCalendar::Lunar: {
            const int leapMonth = LeapMonthOfLunarYear(year);
            at.On.NoLeapMonth = day.Leap && leapMonth != day.Month;
            const int month = day.Leap && !at.On.NoLeapMonth ? -day.Month : day.Month;
            date = leapMonth < 0 ? std::nullopt : FromLunarDate(year, month, day.Day);
            if (!date && leapMonth >= 0 && day.Day == 30) {
                at.On.NoThirtieth = true;
                date = FromLunarDate(year, month, 29);
            }
            break;
        }
        case UserCalendar::Gregorian: {
            const auto y = std::chrono::year{year};
            const auto m = std::chrono::month{static_cast<unsigned>(day.Month)};
            at.On.NoFebruary29 = day.Month == 2 && day.Day == 29 && !y.is_leap();
            const year_month_day ymd{
                y, m, std::chrono::day{static_cast<unsigned>(at.On.NoFebruary29 ? 28 : day.Day)}};
            date = ymd.ok() ? std::optional{ymd} : std::nullopt;
            break;
        }
    }
    const bool moved = at.On.NoLeapMonth || at.On.NoThirtieth || at.On.NoFebruary29;
    if (!date || (day.Kind == UserDayKind::Once && moved)) {
        return std::nullopt;
    }
    at.Date = *date;
    return at;
}

std::optional<UserDayOccurrence> NextUserDay(const UserDay& day, const year_month_day& from) {
    int year = static_cast<int>(from.year());
    if (day.Calendar == UserCalendar::Lunar) {
        try {
            year = ToLunarDate(year, static_cast<int>(unsigned{from.month()}),
                               static_cast<int>(unsigned{from.day()}))
                       .Year;
        } catch (const OutOfRange&) {
            return std::nullopt;
        }
    }
    // The tables and the file both end in 2099; a lunar year starting in it ends in 2100.
    for (year = std::max(year, day.Year.value_or(year)); year <= 2100; ++year) {
        const auto at = UserDayIn(day, year);
        if (at && at->Date >= from) {
            return at;
        }
    }
    return std::nullopt;
}

UserDayIndex::UserDayIndex(std::vector<UserDay> days) : days_(std::move(days)) {
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const UserDay& day = days_[i];
        if (day.Month < 1 || day.Month > 12 || day.Day < 1 || day.Day > 31) {
            continue;  // the file's checks keep such days out; never index outside a bucket
        }
        const auto at = static_cast<std::uint16_t>(i);
        switch (day.Calendar) {
            case UserCalendar::Lunar:
                if (day.Day <= 30) {
                    lunar_[LunarKey(day.Month, day.Leap, day.Day)].push_back(at);
                }
                break;
            case UserCalendar::Gregorian:
                gregorian_[GregorianKey(day.Month, day.Day)].push_back(at);
                break;
        }
    }
}

void UserDayIndex::AddBucket(const Bucket& bucket, int year, UserDayOnDate moved,
                             std::vector<UserDayOnDate>& out) const {
    const bool isMoved = moved.NoLeapMonth || moved.NoThirtieth || moved.NoFebruary29;
    for (const std::uint16_t at : bucket) {
        const UserDay& day = days_[at];
        if (day.Year && year < *day.Year) {
            continue;  // nothing before the first year
        }
        UserDayOnDate on = moved;
        on.Index = at;
        switch (day.Kind) {
            case UserDayKind::Once:
                if (isMoved || year != day.Year) {
                    continue;
                }
                break;
            case UserDayKind::Birthday:
            case UserDayKind::Anniversary:
                on.Count = day.Year ? year - *day.Year : 0;
                break;
            case UserDayKind::Yearly:
                break;
        }
        out.push_back(on);
    }
}

void UserDayIndex::AddLunar(const LunarDate& lunar, std::vector<UserDayOnDate>& out) const {
    const auto info = YearInfo(lunar.Year);
    if (!info || lunar.Day < 1 || lunar.Month == 0) {
        return;
    }
    const int month = std::abs(lunar.Month);
    const bool leapCell = lunar.Month < 0;
    // A leap-month day falls in the regular month of a year without that leap month.
    const bool takesLeapDays = !leapCell && LeapMonthOfLunarYear(lunar.Year) != month;
    const bool lastOf29 =
        lunar.Day == 29 && MonthLength(*info, PositionOf(*info, lunar.Month)) == 29;
    AddBucket(lunar_[LunarKey(month, leapCell, lunar.Day)], lunar.Year, {}, out);
    if (takesLeapDays) {
        AddBucket(lunar_[LunarKey(month, true, lunar.Day)], lunar.Year, {.NoLeapMonth = true}, out);
    }
    if (lastOf29) {
        AddBucket(lunar_[LunarKey(month, leapCell, 30)], lunar.Year, {.NoThirtieth = true}, out);
        if (takesLeapDays) {
            AddBucket(lunar_[LunarKey(month, true, 30)], lunar.Year,
                      {.NoLeapMonth = true, .NoThirtieth = true}, out);
        }
    }
}

void UserDayIndex::AddGregorian(const year_month_day& date, std::vector<UserDayOnDate>& out) const {
    const int year = static_cast<int>(date.year());
    const auto month = static_cast<unsigned>(date.month());
    const auto day = static_cast<unsigned>(date.day());
    AddBucket(gregorian_[GregorianKey(static_cast<int>(month), static_cast<int>(day))], year, {},
              out);
    if (month == 2 && day == 28 && !date.year().is_leap()) {
        AddBucket(gregorian_[GregorianKey(2, 29)], year, {.NoFebruary29 = true}, out);
    }
}

std::vector<UserDayOnDate> UserDayIndex::On(const year_month_day& date) const {
    std::vector<UserDayOnDate> on;
    if (days_.empty()) {
        return on;
    }
    AddGregorian(date, on);
    try {
        AddLunar(
            ToLunarDate(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                        static_cast<int>(unsigned{date.day()})),
            on);
    } catch (const OutOfRange&) {
        // Past the lunar tables only the Gregorian days can be placed.
    }
    std::sort(on.begin(), on.end(),
              [](const UserDayOnDate& a, const UserDayOnDate& b) { return a.Index < b.Index; });
    return on;
}

std::vector<std::vector<UserDayOnDate>> UserDayIndex::OnDates(const year_month_day& first,
                                                              int count) const {
    std::vector<std::vector<UserDayOnDate>> cells(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        cells[static_cast<std::size_t>(i)] = On(year_month_day{sys_days{first} + days{i}});
    }
    return cells;
}

std::string UserDayIndex::TipSuffix(const year_month_day& date) const {
    std::string suffix;
    for (const UserDayOnDate& on : On(date)) {
        suffix.append(" ").append(UserDayText(days_[on.Index], on));
    }
    return suffix;
}

}  // namespace lunar
