#include "platform/conversions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/errors.h"

namespace platform {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Nearest integer, ties to the even one, independent of the FPU rounding mode.
double RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) {
        return lower + 1;
    }
    if (fraction < 0.5) {
        return lower;
    }
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

template <typename Int>
Int RoundToRange(double value) {
    if (!std::isfinite(value)) {
        Fail(ErrorCode::Overflow, "overflow");
    }
    const double rounded = RoundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        Fail(ErrorCode::Overflow, "overflow");
    }
    return static_cast<Int>(rounded);
}

// Whether a decimal that a double cannot hold is too small for it rather than too large:
// where its first significant digit lies, counted in powers of ten, after the exponent.
bool BelowDoubleRange(std::string_view decimal) {
    const std::size_t e = std::min(decimal.find_first_of("eE"), decimal.size());
    const std::string_view mantissa = decimal.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) {
        return true;
    }
    // 1 for "5", 0 for ".5", -2 for ".005".
    long long magnitude = first < point ? static_cast<long long>(point - first)
                                        : -static_cast<long long>(first - point - 1);
    std::string_view exponent = decimal.substr(std::min(e + 1, decimal.size()));
    const bool negative = exponent.starts_with('-');
    if (negative || exponent.starts_with('+')) {
        exponent.remove_prefix(1);
    }
    long long power = 0;
    for (const char digit : exponent) {
        // Far beyond any double either way: stop before the count could overflow.
        power = std::min(power * 10 + (digit - '0'), 1'000'000'000LL);
    }
    magnitude += negative ? -power : power;
    return magnitude <= 0;
}

}  // namespace

std::string NumberText(long long value) {
    std::string text = value < 0 ? std::string() : std::string(" ");
    text += std::to_string(value);
    return text;
}

std::string PlainText(long long value) {
    return std::to_string(value);
}

double ParseNumber(std::string_view text) {
    std::string_view body = TrimBlanks(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    // strtod would also take "inf", "nan", hexadecimals and a second sign: only plain decimals
    // here. (It, not from_chars, because the JSON reader has it already: 33 KB less program.)
    if (body.empty() || !(IsDigit(body.front()) || body.front() == '.') ||
        body.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        Fail(ErrorCode::TypeMismatch, "not a number");
    }
    const std::string terminated(body);
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(terminated.c_str(), &end);
    // Text after the number makes it no number, however large the number ("1e400x").
    if (end != terminated.c_str() + terminated.size()) {
        Fail(ErrorCode::TypeMismatch, "not a number");
    }
    // Out of range when it went to 0 or infinity; a tiny number that could be kept is kept.
    if (errno == ERANGE && (value == 0 || !std::isfinite(value))) {
        // Too small for a double is as good as 0 ("1e-400"); too large is an overflow.
        if (!BelowDoubleRange(body)) {
            Fail(ErrorCode::Overflow, "overflow");
        }
        value = 0;
    }
    return negative ? -value : value;
}

std::int16_t ToInt16(double value) {
    return RoundToRange<std::int16_t>(value);
}
std::int32_t ToInt32(double value) {
    return RoundToRange<std::int32_t>(value);
}
std::uint8_t ToByte(double value) {
    return RoundToRange<std::uint8_t>(value);
}

std::int16_t TextToInt16(std::string_view text) {
    return ToInt16(ParseNumber(text));
}
std::int32_t TextToInt32(std::string_view text) {
    return ToInt32(ParseNumber(text));
}
std::uint8_t TextToByte(std::string_view text) {
    return ToByte(ParseNumber(text));
}

}  // namespace platform
