// The official holiday schedule the program ships with, written at build time by
// scripts/holiday_table.py from lunar/holidays.tsv.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lunar {

// One named day a word: bits 0-15 the day counted from 2000-01-01, bit 16 set for a day off
// (clear for a make-up working day), bits 17-21 the index of its holiday's name, bits 22-29
// the notice year less 2000. Sorted by day, then notice year.
extern const std::span<const std::uint32_t> BuiltInHolidayDays;
extern const std::span<const std::string_view> BuiltInHolidayNames;

}  // namespace lunar
