// Number <-> text conversions with the rounding and range rules the windows rely on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Decimal text; a non-negative number gets one leading blank (" 2021", "-5").
std::string NumberText(long long value);

// Plain decimal text without blank ("2021", "-345"), as stored in the settings.
std::string PlainText(long long value);

// Reads a decimal number (optional sign, digits, optional fraction and exponent,
// surrounding blanks allowed). Empty or non-numeric text fails with TypeMismatch.
double ParseNumber(std::string_view text);

// Rounds to the nearest integer, ties to even; Overflow outside the target range.
std::int16_t ToInt16(double value);
std::int32_t ToInt32(double value);
std::uint8_t ToByte(double value);

// Text forms of the above: ParseNumber, then the conversion.
std::int16_t TextToInt16(std::string_view text);
std::int32_t TextToInt32(std::string_view text);
std::uint8_t TextToByte(std::string_view text);

}  // namespace platform
