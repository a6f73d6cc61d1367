#include "user_files/days_file.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "user_files/strict_json.h"

namespace user_files {

namespace {

using lunar::UserCalendar;
using lunar::UserDayKind;
using nlohmann::ordered_json;

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;

struct Names {
    std::string_view Text;
    int Value;
};
constexpr Names kKinds[] = {{"birthday", static_cast<int>(UserDayKind::Birthday)},
                            {"anniversary", static_cast<int>(UserDayKind::Anniversary)},
                            {"yearly", static_cast<int>(UserDayKind::Yearly)},
                            {"once", static_cast<int>(UserDayKind::Once)}};
constexpr Names kCalendars[] = {{"lunar", static_cast<int>(UserCalendar::Lunar)},
                                {"gregorian", static_cast<int>(UserCalendar::Gregorian)}};

template <std::size_t N>
std::optional<int> Named(const ordered_json* value, const Names (&names)[N]) {
    if (value != nullptr && value->is_string()) {
        for (const Names& name : names) {
            if (value->get_ref<const std::string&>() == name.Text) {
                return name.Value;
            }
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::string_view NameOf(int value, const Names (&names)[N]) {
    for (const Names& name : names) {
        if (name.Value == value) {
            return name.Text;
        }
    }
    return {};
}

const ordered_json* Field(const ordered_json& day, const char* key) {
    const auto found = day.find(key);
    return found == day.end() ? nullptr : &*found;
}

std::optional<int> Whole(const ordered_json* value, int low, int high) {
    if (value == nullptr || !value->is_number_integer()) {
        return std::nullopt;
    }
    const auto number = value->get<std::int64_t>();
    return number >= low && number <= high ? std::optional<int>(static_cast<int>(number))
                                           : std::nullopt;
}

bool IsId(const ordered_json* value) {
    if (value == nullptr || !value->is_string()) {
        return false;
    }
    const auto& id = value->get_ref<const std::string&>();
    return !id.empty() && id.size() <= 64 && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The dates a one-off day may have: those the calendar shows.
bool InShownYears(const std::chrono::year_month_day& date) {
    using namespace std::chrono;
    return date >= 1922y / 1 / 1 && date <= 2099y / 12 / 31;
}

// The day's fields, or why not.
std::string ReadDay(const ordered_json& source, lunar::UserDay& day) {
    if (!source.is_object()) {
        return "应为一个对象";
    }
    const ordered_json* id = Field(source, "id");
    if (!IsId(id)) {
        return "“id”应为1到64个字母、数字或“-”";
    }
    day.Id = id->get<std::string>();
    const ordered_json* name = Field(source, "name");
    if (name == nullptr || !name->is_string() || name->get_ref<const std::string&>().empty() ||
        CharacterCount(name->get_ref<const std::string&>()) > 40) {
        return "“name”应为1到40个字符";
    }
    day.Name = name->get<std::string>();
    if (HasControlCharacter(day.Name)) {
        return "“name”含有控制字符";
    }
    const auto kind = Named(Field(source, "kind"), kKinds);
    if (!kind) {
        return "“kind”应为birthday、anniversary、yearly或once";
    }
    day.Kind = static_cast<UserDayKind>(*kind);
    const auto calendar = Named(Field(source, "calendar"), kCalendars);
    if (!calendar) {
        return "“calendar”应为lunar或gregorian";
    }
    day.Calendar = static_cast<UserCalendar>(*calendar);
    const bool lunarDay = day.Calendar == UserCalendar::Lunar;
    if (const ordered_json* year = Field(source, "year")) {
        day.Year = Whole(year, kFirstYear, kLastYear);
        if (!day.Year) {
            return "“year”应为1900到2099的整数";
        }
    } else if (day.Kind == UserDayKind::Once) {
        return "once的日子缺少“year”";
    }
    const auto month = Whole(Field(source, "month"), 1, 12);
    if (!month) {
        return "“month”应为1到12的整数";
    }
    day.Month = *month;
    if (const ordered_json* leap = Field(source, "leap")) {
        if (!leap->is_boolean()) {
            return "“leap”应为true或false";
        }
        day.Leap = leap->get<bool>();
        if (day.Leap && !lunarDay) {
            return "公历日期没有闰月（“leap”）";
        }
    }
    const auto dayOfMonth = Whole(Field(source, "day"), 1, lunarDay ? 30 : 31);
    if (!dayOfMonth) {
        return lunarDay ? "“day”应为1到30的整数" : "“day”应为1到31的整数";
    }
    day.Day = *dayOfMonth;
    if (const ordered_json* remind = Field(source, "remind")) {
        std::set<int> distinct;
        bool good = remind->is_array() && remind->size() <= 4;
        for (std::size_t i = 0; good && i < remind->size(); ++i) {
            const auto before = Whole(&(*remind)[i], 0, 30);
            good = before && distinct.insert(*before).second;
            if (good) {
                day.Remind.push_back(*before);
            }
        }
        if (!good) {
            return "“remind”应为至多4个不同的0到30的整数";
        }
    }
    if (const ordered_json* note = Field(source, "note")) {
        if (!note->is_string() || CharacterCount(note->get_ref<const std::string&>()) > 200) {
            return "“note”应为至多200个字符的文字";
        }
        day.Note = note->get<std::string>();
    }
    return DateFault(day);
}

}  // namespace

std::string DateFault(const lunar::UserDay& day) {
    using namespace std::chrono;
    const bool once = day.Kind == UserDayKind::Once;
    switch (day.Calendar) {
        case UserCalendar::Gregorian: {
            // Without a year 29 February is allowed: it falls on the 28th in common years.
            const int year = day.Year.value_or(2000);
            const year_month_day date{std::chrono::year{year}, month(unsigned(day.Month)),
                                      std::chrono::day(unsigned(day.Day))};
            if (!date.ok()) {
                return "日期不存在（" + (day.Year ? std::to_string(year) + "-" : std::string()) +
                       TwoDigits(day.Month) + "-" + TwoDigits(day.Day) + "）";
            }
            return once && !InShownYears(date) ? "日期超出1922-01-01至2099-12-31" : "";
        }
        case UserCalendar::Lunar: {
            const int leapMonth = day.Year ? lunar::LeapMonthOfLunarYear(*day.Year) : -1;
            if (leapMonth < 0) {
                return once ? "日期超出1922-01-01至2099-12-31" : "";  // before the tables
            }
            if (day.Leap && leapMonth != day.Month) {
                return "日期不存在（农历" + std::to_string(*day.Year) + "年无" +
                       lunar::LunarMonthName(day.Month, true) + "）";
            }
            if (!once) {
                return "";
            }
            const auto date =
                lunar::FromLunarDate(*day.Year, day.Leap ? -day.Month : day.Month, day.Day);
            if (!date) {
                return "日期不存在（农历" + std::to_string(*day.Year) + "年" +
                       lunar::LunarMonthName(day.Month, day.Leap) + "无三十）";
            }
            return InShownYears(*date) ? "" : "日期超出1922-01-01至2099-12-31";
        }
    }
    return "";
}

std::vector<lunar::UserDay> DaysFile::UserDays() const {
    std::vector<lunar::UserDay> days;
    days.reserve(Days.size());
    for (const StoredDay& stored : Days) {
        days.push_back(stored.Day);
    }
    return days;
}

DaysRead ParseDaysFile(std::string_view bytes) {
    DaysRead read;
    auto fault = [&](int item, std::string text) {
        read.File = {};
        read.Fault = FileFault{kDaysFileName, item, std::move(text)};
        return read;
    };
    if (bytes.size() > kLargestDaysFile) {
        return fault(0, "文件大于1 MiB");
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    JsonRead json = ParseStrictJson(bytes);
    if (!json.Value) {
        return fault(0, json.Fault);
    }
    ordered_json& root = *json.Value;
    if (!root.is_object() || !root.contains("days") || !root["days"].is_array()) {
        return fault(0, "缺少“days”列表");
    }
    const ordered_json& days = root["days"];
    if (days.size() > kMostDays) {
        return fault(0, "多于1000个日子");
    }
    std::set<std::string_view> ids;
    read.File.Days.resize(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        StoredDay& stored = read.File.Days[i];
        const int item = static_cast<int>(i) + 1;
        std::string why = ReadDay(days[i], stored.Day);
        if (!why.empty()) {
            return fault(item, std::move(why));
        }
        if (!ids.insert(days[i]["id"].get_ref<const std::string&>()).second) {
            return fault(item, "“id”与前面的一项相同");
        }
        stored.Source = days[i];
    }
    root.erase("days");
    read.File.Root = std::move(root);
    return read;
}

std::string DaysFileText(const DaysFile& file) {
    // The known fields in place of the source's, new ones at the end, absent ones removed.
    auto dayText = [](const StoredDay& stored) {
        const lunar::UserDay& day = stored.Day;
        ordered_json json = stored.Source.is_object() ? stored.Source : ordered_json::object();
        auto set = [&json](const char* key, const std::optional<ordered_json>& value) {
            if (value) {
                json[key] = *value;
            } else {
                json.erase(key);
            }
        };
        set("id", day.Id);
        set("name", day.Name);
        set("kind", NameOf(static_cast<int>(day.Kind), kKinds));
        set("calendar", NameOf(static_cast<int>(day.Calendar), kCalendars));
        set("year", day.Year ? std::optional<ordered_json>(*day.Year) : std::nullopt);
        set("month", day.Month);
        set("leap", day.Leap || json.contains("leap") ? std::optional<ordered_json>(day.Leap)
                                                      : std::nullopt);
        set("day", day.Day);
        set("remind", !day.Remind.empty() || json.contains("remind")
                          ? std::optional<ordered_json>(day.Remind)
                          : std::nullopt);
        set("note", day.Note ? std::optional<ordered_json>(*day.Note) : std::nullopt);
        return json.dump();
    };
    std::string text = "{\"days\": [";
    for (std::size_t i = 0; i < file.Days.size(); ++i) {
        text += (i == 0 ? "\n  " : ",\n  ") + dayText(file.Days[i]);
    }
    text += file.Days.empty() ? "]" : "\n]";
    for (const auto& [key, value] : file.Root.items()) {
        text += ",\n" + ordered_json(key).dump() + ": " + value.dump();
    }
    return text + "}\n";
}

}  // namespace user_files
