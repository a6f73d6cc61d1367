#include "platform/dates.h"

#include <array>
#include <cstdio>
#include <optional>

#include "platform/conversions.h"
#include "platform/errors.h"

namespace platform {
namespace {

using namespace std::chrono;

// The years the date services accept; wider than any date the calendar shows.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

[[noreturn]] void NotADate() {
    Fail(ErrorCode::TypeMismatch, "not a date");
}

std::optional<Date> TryMakeDate(long year, long month, long day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const Date date{std::chrono::year{static_cast<int>(year)},
                    std::chrono::month{static_cast<unsigned>(month)},
                    std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
}

// Reads blanks and then up to five digits (leading zeros allowed) from the front of text.
std::optional<long> TakeNumber(std::string_view& text) {
    SkipBlanks(text);
    long value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) {
        if (digits == 5) {
            return std::nullopt;
        }
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return value;
}

bool TakeLiteral(std::string_view& text, std::string_view literal) {
    SkipBlanks(text);
    if (text.substr(0, literal.size()) != literal) {
        return false;
    }
    text.remove_prefix(literal.size());
    return true;
}

// Reads number, separator, number, separator, number[, closing literal] and nothing else.
std::optional<std::array<long, 3>> ReadThreeNumbers(std::string_view text,
                                                    const std::array<std::string_view, 3>& after) {
    std::array<long, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto number = TakeNumber(text);
        if (!number || !TakeLiteral(text, after[i])) {
            return std::nullopt;
        }
        numbers[i] = *number;
    }
    SkipBlanks(text);
    if (!text.empty()) {
        return std::nullopt;
    }
    return numbers;
}

std::optional<Date> TryParseDateText(std::string_view text) {
    const auto numbers = ReadThreeNumbers(text, {"/", "/", ""});
    if (!numbers) {
        return std::nullopt;
    }
    const auto& [month, day, year] = *numbers;
    return TryMakeDate(year, month, day);
}

void AppendPadded(std::string& out, unsigned value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*u", width, value);
    out += buffer;
}

}  // namespace

Date MakeDate(int year, int month, int day) {
    const auto date = TryMakeDate(year, month, day);
    if (!date) {
        NotADate();
    }
    return *date;
}

std::string FormatDate(const Date& date, std::string_view pattern) {
    const auto year = static_cast<unsigned>(static_cast<int>(date.year()));
    const auto month = static_cast<unsigned>(date.month());
    const auto day = static_cast<unsigned>(date.day());
    std::string out;
    out.reserve(pattern.size() + 8);
    while (!pattern.empty()) {
        if (pattern.starts_with("yyyy")) {
            AppendPadded(out, year, 4);
            pattern.remove_prefix(4);
        } else if (pattern.starts_with("mm") || pattern.starts_with("dd")) {
            AppendPadded(out, pattern.front() == 'm' ? month : day, 2);
            pattern.remove_prefix(2);
        } else if (pattern.front() == 'm' || pattern.front() == 'd') {
            AppendPadded(out, pattern.front() == 'm' ? month : day, 1);
            pattern.remove_prefix(1);
        } else {
            out += pattern.front();
            pattern.remove_prefix(1);
        }
    }
    return out;
}

std::string LongDate(const Date& date) {
    return FormatDate(date, kLongDatePattern);
}

int Weekday(const Date& date) {
    return static_cast<int>(weekday{sys_days{date}}.c_encoding()) + 1;
}

std::string DateText(int month, int day, int year) {
    return NumberText(month) + "/" + NumberText(day) + "/" + NumberText(year);
}

Date ParseDateText(std::string_view text) {
    const auto date = TryParseDateText(text);
    if (!date) {
        NotADate();
    }
    return *date;
}

bool IsDate(std::string_view text) {
    return TryParseDateText(text).has_value();
}

Date ParseLongDate(std::string_view text) {
    const auto numbers = ReadThreeNumbers(text, {"年", "月", "日"});
    if (!numbers) {
        NotADate();
    }
    const auto& [year, month, day] = *numbers;
    return MakeDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
}

std::optional<Date> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    unsigned parts[3] = {};
    const std::size_t starts[] = {0, 5, 8}, lengths[] = {4, 2, 2};
    for (std::size_t part = 0; part < 3; ++part) {
        for (std::size_t i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            parts[part] = parts[part] * 10 + static_cast<unsigned>(text[i] - '0');
        }
    }
    return Date{std::chrono::year{static_cast<int>(parts[0])}, std::chrono::month{parts[1]},
                std::chrono::day{parts[2]}};
}

}  // namespace platform
