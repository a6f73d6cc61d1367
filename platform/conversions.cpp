#include "platform/conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

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
    // from_chars would also take "inf", "nan" and a second sign: only plain decimals here.
    if (body.empty() || !(IsDigit(body.front()) || body.front() == '.')) {
        Fail(ErrorCode::TypeMismatch, "not a number");
    }
    double value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error != std::errc{} || end != body.data() + body.size()) {
        Fail(
            error == std::errc::result_out_of_range ? ErrorCode::Overflow : ErrorCode::TypeMismatch,
            "not a number");
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
