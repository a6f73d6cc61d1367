#include "user_files/days_calendar.h"

#include <algorithm>
#include <cstdio>

#include "platform/dates.h"
#include "user_files/ics_lines.h"

namespace user_files {

namespace {

using namespace std::chrono;

// The last year the calendar shows.
constexpr int kLastYear = 2099;

struct Event {
    year_month_day Date;
    std::size_t Index = 0;  // of the day in the list
    int Year = 0;           // the occurrence's own, in the day's calendar
    lunar::UserDayOnDate On;
};

std::vector<Event> Events(const std::vector<lunar::UserDay>& days, const year_month_day& today) {
    const int first = static_cast<int>(today.year());
    const int last = std::min(first + kCalendarYearsAhead, kLastYear);
    const year_month_day from{year{first} / 1 / 1}, through{year{last} / 12 / 31};
    std::vector<Event> events;
    const auto add = [&](std::size_t index, int ownYear, bool anyDate) {
        const auto at = lunar::UserDayIn(days[index], ownYear);
        if (at && (anyDate || (at->Date >= from && at->Date <= through))) {
            events.push_back({at->Date, index, ownYear, at->On});
        }
    };
    for (std::size_t i = 0; i < days.size(); ++i) {
        const lunar::UserDay& day = days[i];
        switch (day.Kind) {
            case lunar::UserDayKind::Once:
                if (day.Year) {
                    add(i, *day.Year, true);
                }
                break;
            case lunar::UserDayKind::Birthday:
            case lunar::UserDayKind::Anniversary:
            case lunar::UserDayKind::Yearly:
                // A lunar year starts in January or February: the year before ends in the
                // first weeks of ours, the last one's first weeks lie in this range.
                for (int y = first - 1; y <= last; ++y) {
                    add(i, y, false);
                }
                break;
        }
    }
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.Date != b.Date ? a.Date < b.Date : a.Index < b.Index;
    });
    return events;
}

std::string DateValue(const year_month_day& date) {
    return platform::FormatDate(date, "yyyymmdd");
}

std::string StampValue(sys_seconds stamp) {
    const sys_days day = floor<days>(stamp);
    const hh_mm_ss time{stamp - day};
    char text[16];
    std::snprintf(text, sizeof text, "T%02d%02d%02dZ", static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return DateValue(year_month_day{day}) + text;
}

// At 09:00 of the day, or of the day `before` days earlier, from the event's start at 00:00.
std::string Trigger(int before) {
    if (before <= 0) {
        return "PT9H";
    }
    return before == 1 ? "-PT15H" : "-P" + std::to_string(before - 1) + "DT15H";
}

void AppendEvent(std::string& out, const lunar::UserDay& day, const Event& event,
                 const std::string& stamp) {
    const std::string summary = IcsEscaped(lunar::UserDayText(day, event.On));
    std::string description = lunar::UserDayDateText(day);
    if (day.Note && !day.Note->empty()) {
        description += "\n" + *day.Note;
    }
    AppendIcsLine(out, "BEGIN", "VEVENT");
    AppendIcsLine(out, "UID", IcsEscaped(day.Id + "-" + std::to_string(event.Year) + "@lunadesk"));
    AppendIcsLine(out, "DTSTAMP", stamp);
    AppendIcsLine(out, "DTSTART;VALUE=DATE", DateValue(event.Date));
    AppendIcsLine(out, "DTEND;VALUE=DATE", DateValue(sys_days{event.Date} + days{1}));
    AppendIcsLine(out, "SUMMARY", summary);
    AppendIcsLine(out, "DESCRIPTION", IcsEscaped(description));
    AppendIcsLine(out, "TRANSP", "TRANSPARENT");
    for (const int before : day.Remind) {
        AppendIcsLine(out, "BEGIN", "VALARM");
        AppendIcsLine(out, "ACTION", "DISPLAY");
        AppendIcsLine(out, "DESCRIPTION", summary);
        AppendIcsLine(out, "TRIGGER", Trigger(before));
        AppendIcsLine(out, "END", "VALARM");
    }
    AppendIcsLine(out, "END", "VEVENT");
}

}  // namespace

DaysCalendar DaysCalendarText(const std::vector<lunar::UserDay>& days, const year_month_day& today,
                              const std::string& version, sys_seconds stamp) {
    DaysCalendar calendar;
    std::string& out = calendar.Text;
    AppendIcsLine(out, "BEGIN", "VCALENDAR");
    AppendIcsLine(out, "VERSION", "2.0");
    AppendIcsLine(out, "PRODID", IcsEscaped("-//Lunadesk//Lunadesk " + version + "//ZH"));
    AppendIcsLine(out, "CALSCALE", "GREGORIAN");
    AppendIcsLine(out, "X-WR-CALNAME", "我的日子");
    const std::string stampValue = StampValue(stamp);
    const std::vector<Event> events = Events(days, today);
    for (const Event& event : events) {
        AppendEvent(out, days[event.Index], event, stampValue);
    }
    AppendIcsLine(out, "END", "VCALENDAR");
    calendar.Events = events.size();
    return calendar;
}

}  // namespace user_files
