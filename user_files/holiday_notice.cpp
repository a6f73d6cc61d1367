#include "user_files/holiday_notice.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <string>

#include "platform/dates.h"
#include "user_files/strict_json.h"

namespace user_files {

namespace {

using nlohmann::ordered_json;
using Fault = FileFault;

constexpr std::size_t kLongestName = 64;   // bytes of UTF-8
constexpr std::size_t kLongestQuote = 24;  // characters of the user's text repeated in a fault

// "（2027-02-30）" after a fault, for the user to find the place; nothing for a text too long
// or odd to repeat.
std::string Quoted(const std::string& text) {
    if (HasControlCharacter(text) || CharacterCount(text) > kLongestQuote) {
        return {};
    }
    return "（" + text + "）";
}

std::string DateText(std::chrono::year_month_day date) {
    return platform::FormatDate(date, "yyyy-mm-dd");
}

// "2027-01-01" exactly, a day that exists.
std::variant<std::chrono::year_month_day, std::string> ParseDate(const std::string& text) {
    const std::optional<platform::Date> date = platform::ParseIsoDate(text);
    if (!date) {
        return "日期应写作YYYY-MM-DD" + Quoted(text);
    }
    if (!date->ok()) {
        return "日期不存在" + Quoted(text);
    }
    return *date;
}

std::string NameFault(const std::string& name) {
    if (name.empty()) {
        return "名称为空";
    }
    if (name.size() > kLongestName) {
        return "名称超过64字节";
    }
    return HasControlCharacter(name) ? "名称含有控制字符" : "";
}

std::variant<lunar::HolidayNotice::Day, std::string> ParseDay(const ordered_json& day,
                                                              int noticeYear) {
    if (!day.is_object()) {
        return "应为对象";
    }
    const auto name = day.find("name");
    const auto date = day.find("date");
    const auto off = day.find("isOffDay");
    if (name == day.end() || !name->is_string()) {
        return "“name”应为文本";
    }
    if (date == day.end() || !date->is_string()) {
        return "“date”应为文本";
    }
    if (off == day.end() || !off->is_boolean()) {
        return "“isOffDay”应为true或false";
    }
    if (std::string fault = NameFault(name->get_ref<const std::string&>()); !fault.empty()) {
        return fault;
    }
    auto parsed = ParseDate(date->get_ref<const std::string&>());
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        return std::move(*fault);
    }
    const auto when = std::get<std::chrono::year_month_day>(parsed);
    using std::chrono::December;
    const std::chrono::year year{noticeYear};
    const auto first = (year - std::chrono::years{1}) / December / 1;
    const auto last = year / December / 31;
    if (when < first || when > last) {
        return "日期不在" + DateText(first) + "至" + DateText(last) + "之间（" + DateText(when) +
               "）";
    }
    return lunar::HolidayNotice::Day{when, name->get<std::string>(), off->get<bool>()};
}

// The whole file's fault, before any day is looked at; empty when there is none.
std::string FileFaultOf(const ordered_json& root) {
    if (!root.is_object()) {
        return "应为JSON对象";
    }
    const auto year = root.find("year");
    const auto papers = root.find("papers");
    const auto days = root.find("days");
    if (year == root.end() || !year->is_number_integer()) {
        return "“year”应为整数";
    }
    const auto noticeYear = year->get<std::int64_t>();
    if (noticeYear < lunar::FirstNoticeYear || noticeYear > lunar::LastNoticeYear) {
        return "年份应在" + std::to_string(lunar::FirstNoticeYear) + "至" +
               std::to_string(lunar::LastNoticeYear) + "之间（" + std::to_string(noticeYear) + "）";
    }
    if (papers != root.end() && (!papers->is_array() || !std::all_of(papers->begin(), papers->end(),
                                                                     [](const ordered_json& p) {
                                                                         return p.is_string();
                                                                     }))) {
        return "“papers”应为文本的数组";
    }
    if (days == root.end() || !days->is_array() || days->empty()) {
        return "“days”应为不空的数组";
    }
    return {};
}

}  // namespace

std::variant<lunar::HolidayNotice, FileFault> ParseHolidayNotice(std::string_view text) {
    JsonRead read = ParseStrictJson(text);
    if (!read.Value) {
        return Fault{{}, 0, std::move(read.Fault)};
    }
    const ordered_json& root = *read.Value;
    if (std::string fault = FileFaultOf(root); !fault.empty()) {
        return Fault{{}, 0, std::move(fault)};
    }
    lunar::HolidayNotice notice{static_cast<int>(root["year"].get<std::int64_t>()), {}};
    std::set<std::chrono::sys_days> seen;
    int item = 0;
    for (const ordered_json& entry : root["days"]) {
        ++item;
        auto day = ParseDay(entry, notice.Year);
        if (auto* fault = std::get_if<std::string>(&day)) {
            return Fault{{}, item, std::move(*fault)};
        }
        auto& valid = std::get<lunar::HolidayNotice::Day>(day);
        if (!seen.insert(std::chrono::sys_days{valid.Date}).second) {
            return Fault{{}, item, "日期重复（" + DateText(valid.Date) + "）"};
        }
        notice.Days.push_back(std::move(valid));
    }
    return notice;
}

}  // namespace user_files
