// The user's own days (birthdays, anniversaries, yearly and one-off days): typed values, where
// each falls in a lunar or Gregorian year, and the text a day shows. Pure functions over the
// lunar tables; reading and writing the file is user_files' business.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lunar/lunar.h"

namespace lunar {

enum class UserDayKind { Birthday, Anniversary, Yearly, Once };
enum class UserCalendar { Lunar, Gregorian };

struct UserDay {
    std::string Id;
    std::string Name;
    UserDayKind Kind = UserDayKind::Yearly;
    UserCalendar Calendar = UserCalendar::Gregorian;
    // Of birth or of the first day (a lunar year for a lunar day); required for Once.
    std::optional<int> Year;
    int Month = 1;            // 1-12
    bool Leap = false;        // lunar only: the leap month after Month
    int Day = 1;              // 1-30 lunar, a day of the month Gregorian
    std::vector<int> Remind;  // days before the day, 0 = on the day
    std::optional<std::string> Note;
    bool operator==(const UserDay&) const = default;
};

// One of the user's days falling on a date, and why it is there rather than on its own date.
struct UserDayOnDate {
    std::size_t Index = 0;     // in the list the index was made from
    int Count = 0;             // the Nth birthday or anniversary; 0: no count
    bool NoLeapMonth = false;  // a leap-month day in a year without that leap month
    bool NoThirtieth = false;  // day 30 in a month of 29 days
    bool NoFebruary29 = false;
    bool operator==(const UserDayOnDate&) const = default;
};

// "妈妈生日（63周岁，当年无闰四月）", "外婆生日（本月无三十）", "祭祖".
std::string UserDayText(const UserDay& day, const UserDayOnDate& on);
// The date as the user gave it: "农历闰四月十五", "5月20日"; a one-off day with its year,
// "2027年1月15日", "农历2027年三月三十".
std::string UserDayDateText(const UserDay& day);

// A day of the user's in one year of its own calendar (a lunar year for a lunar day).
struct UserDayOccurrence {
    std::chrono::year_month_day Date;
    UserDayOnDate On;  // Index left 0: the caller knows which day it asked about
    bool operator==(const UserDayOccurrence&) const = default;
};
// Where the day falls in that year by the same rules as UserDayIndex; nullopt when it does not
// (before its year, another year of a one-off day, a year outside the lunar tables).
std::optional<UserDayOccurrence> UserDayIn(const UserDay& day, int year);
// The first time the day falls on or after `from`; nullopt when it never does again.
std::optional<UserDayOccurrence> NextUserDay(const UserDay& day,
                                             const std::chrono::year_month_day& from);

// "四月", "闰四月".
std::string LunarMonthName(int month, bool leap);
// "初一" ... "三十".
std::string LunarDayName(int day);
// The leap month of a lunar year (the month it follows), 0 for none; -1 outside the tables.
int LeapMonthOfLunarYear(int lunarYear);
// The Gregorian date of a lunar date (a leap month as a negative month); nullopt when the tables
// do not hold it or it does not exist.
std::optional<std::chrono::year_month_day> FromLunarDate(int lunarYear, int month, int day);

// The days of a list looked up by date: built once when the list is read, so that asking for a
// month's 42 cells costs a few table reads per cell, whatever the number of days.
class UserDayIndex {
  public:
    UserDayIndex() = default;
    explicit UserDayIndex(std::vector<UserDay> days);

    const std::vector<UserDay>& Days() const { return days_; }
    bool Empty() const { return days_.empty(); }

    // The days falling on the date, in list order. Dates outside the lunar tables only get the
    // Gregorian days.
    std::vector<UserDayOnDate> On(const std::chrono::year_month_day& date) const;
    // The same for `count` dates from `first` (a month's cells).
    std::vector<std::vector<UserDayOnDate>> OnDates(const std::chrono::year_month_day& first,
                                                    int count) const;
    // The texts of the days on the date, each after a space: what a day's tip ends with.
    std::string TipSuffix(const std::chrono::year_month_day& date) const;

  private:
    using Bucket = std::vector<std::uint16_t>;
    static std::size_t LunarKey(int month, bool leap, int day) {
        return (static_cast<std::size_t>(month - 1) * 2 + leap) * 31 + day;
    }
    static std::size_t GregorianKey(int month, int day) {
        return static_cast<std::size_t>(month - 1) * 32 + day;
    }
    void AddLunar(const LunarDate& lunar, std::vector<UserDayOnDate>& out) const;
    void AddGregorian(const std::chrono::year_month_day& date,
                      std::vector<UserDayOnDate>& out) const;
    void AddBucket(const Bucket& bucket, int year, UserDayOnDate moved,
                   std::vector<UserDayOnDate>& out) const;

    std::vector<UserDay> days_;
    std::array<Bucket, 12 * 2 * 31> lunar_{};
    std::array<Bucket, 12 * 32> gregorian_{};
};

}  // namespace lunar
