#include <cstdint>

#include "lunar/lunar.h"
#include "lunar/lunar_internal.h"
#include "lunar/lunar_tables.h"
#include "lunar/solar_term_days.h"

namespace lunar {

std::string_view SolarTermOn(int year, int month, int day) {
    RequireDate(year, month, day, FirstSolarTermYear,
                FirstSolarTermYear + static_cast<int>(SolarTermYearCount) - 1);
    // Every Gregorian month holds exactly two terms in these years; the generator checks it.
    const std::uint64_t offsets = TableAt(SolarTermDayOffsets, year - FirstSolarTermYear);
    constexpr std::uint64_t kOffsetMask = (1u << SolarTermOffsetBits) - 1;
    for (int term = 2 * (month - 1); term < 2 * month; ++term) {
        const auto offset = static_cast<int>(offsets >> (SolarTermOffsetBits * term) & kOffsetMask);
        if (day == TableAt(SolarTermEarliestDay, term) + offset) {
            return TableAt(SolarTermNames, term);
        }
    }
    return {};
}

}  // namespace lunar
