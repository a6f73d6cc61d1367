#include "user_files/days_calendar.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "sample_days.h"
#include "user_files/ics_lines.h"

namespace {

using namespace std::chrono;

TEST(IcsLinesTest, EscapedAndFoldedAt75Octets) {
    EXPECT_EQ(user_files::IcsEscaped("a,b;c\\d\r\ne\nf\rg\th\x01\x7F"),
              "a\\,b\\;c\\\\d\\ne\\nf\\ng\th");
    const std::string a73(73, 'a'), a74(74, 'a');
    const std::pair<std::size_t, std::string> lines[] = {
        {73, "X:" + a73 + "\r\n"},
        {100, "X:" + a73 + "\r\n " + std::string(27, 'a') + "\r\n"},
        {73 + 74 + 1, "X:" + a73 + "\r\n " + a74 + "\r\n a\r\n"},
    };
    for (const auto& [length, folded] : lines) {
        std::string out;
        user_files::AppendIcsLine(out, "X", std::string(length, 'a'));
        EXPECT_EQ(out, folded) << length;
    }
}

// The physical lines, each ending in CRLF, none over 75 octets, a fold never inside a
// character; then the content lines with the folds undone.
std::vector<std::string> ContentLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
        end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        EXPECT_TRUE(end != std::string::npos && line.size() <= 75 &&
                    line.find_first_of("\r\n") == std::string::npos)
            << line;
        if (line.starts_with(' ')) {
            EXPECT_NE(line[1] & 0xC0, 0x80) << "a fold inside a character: " << line;
            lines.back() += line.substr(1);
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> EventOf(const std::vector<std::string>& lines, const std::string& uid) {
    const auto at = std::find(lines.begin(), lines.end(), "UID:" + uid + "@lunadesk");
    return at == lines.end()
               ? std::vector<std::string>{}
               : std::vector<std::string>(at + 1, std::find(at, lines.end(), "END:VEVENT"));
}

TEST(DaysCalendarTest, EveryTimeEachDayFallsInTheComingYearsAsOneEventInDateOrder) {
    const sys_seconds stamp = sys_days{2026y / 12 / 7} + 8h + 30min + 5s;
    const auto calendar =
        user_files::DaysCalendarText(sample::kExportDays, 2026y / 12 / 7, "1.2.3", stamp);
    const auto lines = ContentLines(calendar.Text);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"BEGIN:VCALENDAR", "VERSION:2.0",
                                        "PRODID:-//Lunadesk//Lunadesk 1.2.3//ZH",
                                        "CALSCALE:GREGORIAN", "X-WR-CALNAME:我的日子"}));
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    std::vector<std::string> mum = {
        "DTSTAMP:20261207T083005Z",   "DTSTART;VALUE=DATE:20270520",
        "DTEND;VALUE=DATE:20270521",  "SUMMARY:妈妈生日（64周岁，当年无闰四月）",
        "DESCRIPTION:农历闰四月十五", "TRANSP:TRANSPARENT"};
    for (const char* trigger : {"PT9H", "-PT15H", "-P6DT15H"}) {
        mum.insert(mum.end(), {"BEGIN:VALARM", "ACTION:DISPLAY",
                               "DESCRIPTION:妈妈生日（64周岁，当年无闰四月）",
                               std::string("TRIGGER:") + trigger, "END:VALARM"});
    }
    EXPECT_EQ(EventOf(lines, "mum-2027"), mum);
    const auto ab = EventOf(lines, "ab-1-2027");
    ASSERT_EQ(ab.size(), 11u);
    EXPECT_EQ(std::vector(ab.begin() + 3, ab.begin() + 5),
              (std::vector<std::string>{"SUMMARY:A\\,B\\;C\\\\D（7周年）",
                                        "DESCRIPTION:1月15日\\n行一\\n行二"}));
    EXPECT_EQ(ab[9], "TRIGGER:-P2DT15H");

    // uid -> start and summary; none: not in the file.
    const std::string name = sample::kExportDays[5].Name;
    const std::tuple<std::string, std::string, std::string> events[] = {
        {"eve-2025", "20260216", "除夕（本月无三十）"},  // 腊月 of last lunar year
        {"eve-2029", "20300202", "除夕"},
        {"eve-2036", "", ""},  // lunar 2036 ends in 2037
        {"mum-2025", "", ""},
        {"kobayashi-2027", "20270228", "小林生日（28周岁，当年无2月29日）"},
        {"kobayashi-2028", "20280229", "小林生日（29周岁）"},
        {"check-2027", "20270115", "体检"},
        {"long-2036", "20361231", name},
        {"long-2037", "", ""},
    };
    using Seen = std::pair<std::string, std::string>;
    for (const auto& [uid, start, summary] : events) {
        const auto event = EventOf(lines, uid);
        EXPECT_EQ(
            event.empty() ? Seen() : Seen(event.at(1), event.at(3)),
            start.empty() ? Seen() : Seen("DTSTART;VALUE=DATE:" + start, "SUMMARY:" + summary))
            << uid;
    }
    EXPECT_EQ(EventOf(lines, "check-2027").at(4), "DESCRIPTION:2027年1月15日\\n空腹");
    // The long name folds after 22 characters.
    const auto folded = calendar.Text.find("SUMMARY:" + name.substr(0, 66) + "\r\n ");
    EXPECT_NE(folded, std::string::npos);

    std::set<std::string> uids;
    std::vector<std::string> order;
    std::string last;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with("UID:")) {
            EXPECT_TRUE(uids.insert(lines[i]).second) << lines[i];
            EXPECT_GE(lines[i + 2], last);
            last = lines[i + 2];
            order.push_back(lines[i]);
        }
    }
    EXPECT_EQ(uids.size(), calendar.Events);
    EXPECT_EQ(calendar.Events, 11u * 5 + 1);
    EXPECT_EQ(order[5], "UID:ab-1-2027@lunadesk") << "file order on one date";
    EXPECT_EQ(order[6], "UID:check-2027@lunadesk");
    EXPECT_EQ(calendar.Text.find("RRULE"), std::string::npos);

    // Another export that day differs in the time stamps alone.
    auto again =
        user_files::DaysCalendarText(sample::kExportDays, 2026y / 12 / 7, "1.2.3", stamp + 9h).Text;
    for (std::size_t at; (at = again.find("T173005Z")) != std::string::npos;) {
        again.replace(at, 8, "T083005Z");
    }
    EXPECT_EQ(again, calendar.Text);
    // Nothing past 2099.
    EXPECT_EQ(
        user_files::DaysCalendarText({sample::kExportDays[5]}, 2095y / 3 / 1, "1", stamp).Events,
        5u);
}

}  // namespace
