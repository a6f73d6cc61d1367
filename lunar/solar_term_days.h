// The day of every solar term from 1921 to 2100, in China Standard Time (UTC+8), packed.
// lunar/solar_term_days.cpp is written by scripts/solar_terms from the apparent Sun; a test
// regenerates it and compares, so edit the generator, never the data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lunar {

inline constexpr int FirstSolarTermYear = 1921;
inline constexpr std::size_t SolarTermYearCount = 180;  // 1921-2100
inline constexpr int SolarTermsPerYear = 24;
inline constexpr int SolarTermOffsetBits = 2;

// Term k of a year (0 = 小寒 at 285°, then every 15° up to 23 = 冬至 at 270°) falls in
// Gregorian month k / 2 + 1, on day SolarTermEarliestDay[k] plus the k-th two-bit field
// (bits 2k and 2k + 1) of SolarTermDayOffsets[year - FirstSolarTermYear].
extern const std::array<std::uint8_t, SolarTermsPerYear> SolarTermEarliestDay;
extern const std::array<std::uint64_t, SolarTermYearCount> SolarTermDayOffsets;

}  // namespace lunar
