// Notice files as users share them: {"year": 2027, "papers": [...], "days": [{"name": "元旦",
// "date": "2027-01-01", "isOffDay": true}, ...]}. Built for size: it runs once at start-up.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>

#include "lunar/holidays.h"

namespace lunar {

namespace {

using nlohmann::json;

constexpr std::size_t kLongestName = 64;  // bytes of UTF-8

// "2027-01-01" exactly, a day that exists.
std::optional<std::chrono::year_month_day> ParseDate(const std::string& text) {
    const auto digits = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return -1;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (year < 0 || month < 1 || day < 1 || !date.ok()) {
        return std::nullopt;
    }
    return date;
}

// Control characters: C0, DEL and C1 (U+0080-U+009F, which UTF-8 writes as C2 80-C2 9F). The
// parser has already refused malformed UTF-8.
bool UsableName(const std::string& name) {
    if (name.empty() || name.size() > kLongestName) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool c1 =
            byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            return false;
        }
    }
    return true;
}

std::optional<HolidayNotice::Day> ParseDay(const json& day, int noticeYear) {
    if (!day.is_object()) {
        return std::nullopt;
    }
    const auto name = day.find("name");
    const auto date = day.find("date");
    const auto off = day.find("isOffDay");
    if (name == day.end() || !name->is_string() || date == day.end() || !date->is_string() ||
        off == day.end() || !off->is_boolean() ||
        !UsableName(name->get_ref<const std::string&>())) {
        return std::nullopt;
    }
    const auto parsed = ParseDate(date->get_ref<const std::string&>());
    using std::chrono::December;
    const std::chrono::year year{noticeYear};
    if (!parsed || *parsed < (year - std::chrono::years{1}) / December / 1 ||
        *parsed > year / December / 31) {
        return std::nullopt;
    }
    return HolidayNotice::Day{*parsed, name->get<std::string>(), off->get<bool>()};
}

}  // namespace

std::optional<HolidayNotice> ParseHolidayNotice(std::string_view text) {
    const json root = json::parse(text.begin(), text.end(), nullptr, false);
    if (!root.is_object()) {
        return std::nullopt;  // also what a parse error gives
    }
    const auto year = root.find("year");
    const auto papers = root.find("papers");
    const auto days = root.find("days");
    if (year == root.end() || !year->is_number_integer() || days == root.end() ||
        !days->is_array() || days->empty()) {
        return std::nullopt;
    }
    if (papers != root.end() &&
        (!papers->is_array() || !std::all_of(papers->begin(), papers->end(),
                                             [](const json& p) { return p.is_string(); }))) {
        return std::nullopt;
    }
    const auto noticeYear = year->get<std::int64_t>();
    if (noticeYear < FirstNoticeYear || noticeYear > LastNoticeYear) {
        return std::nullopt;
    }
    HolidayNotice notice{static_cast<int>(noticeYear), {}};
    std::set<std::chrono::sys_days> seen;
    for (const json& entry : *days) {
        auto day = ParseDay(entry, notice.Year);
        if (!day || !seen.insert(std::chrono::sys_days{day->Date}).second) {
            return std::nullopt;
        }
        notice.Days.push_back(std::move(*day));
    }
    return notice;
}

}  // namespace lunar
