// The official holiday schedule: the days off (休) and make-up working days (班) that the
// yearly State Council notices name. A day no known notice names is neither.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunar {

enum class DayStatus { None, Off, Working };

struct Holiday {
    DayStatus Status = DayStatus::None;
    std::string_view Name;  // "春节", "国庆节、中秋节"; empty when Status is None
};

// One notice: the days it names, which lie from 1 December of the year before to the end of
// its year.
struct HolidayNotice {
    struct Day {
        std::chrono::year_month_day Date;
        std::string Name;
        bool Off = false;
    };
    int Year = 0;
    std::vector<Day> Days;
};

// The notice years the schedule may hold.
inline constexpr int FirstNoticeYear = 2007;
inline constexpr int LastNoticeYear = 2099;

class HolidaySchedule {
  public:
    // The notices the program was built with (2007-2026).
    static const HolidaySchedule& BuiltIn();

    // The day's status and holiday. A day that two notices name (a late-December day) is the
    // later notice's. Names stay valid while the schedule is not changed.
    Holiday On(int year, int month, int day) const;
    // The notice years known, ascending.
    std::vector<int> NoticeYears() const;
    bool Knows(int noticeYear) const;

    // Puts the notice in place of every day the schedule held from a notice of its year.
    void Replace(const HolidayNotice& notice);

  private:
    struct Entry {
        std::int32_t Day;  // days since 1970-01-01
        std::int16_t NoticeYear;
        bool Off;
        std::string_view Name;
    };
    static bool Before(const Entry& a, const Entry& b);

    std::vector<Entry> entries_;     // sorted by day, then notice year
    std::deque<std::string> names_;  // the names of replaced notices; a deque keeps them in place
};

}  // namespace lunar
