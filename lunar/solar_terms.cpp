#include <cstdint>

#include "lunar/lunar.h"
#include "lunar/lunar_internal.h"
#include "lunar/lunar_tables.h"
#include "lunar/solar_term_days.h"

namespace lunar {

int SolarTermDay(int year, int term) {
    // Every Gregorian month holds exactly two terms in these years; the generator checks it.
    const std::uint64_t offsets = TableAt(SolarTermDayOffsets, year - FirstSolarTermYear);
    constexpr std::uint64_t kOffsetMask = (1u << SolarTermOffsetBits) - 1;
    const auto offset = static_cast<int>(offsets >> (SolarTermOffsetBits * term) & kOffsetMask);
    return TableAt(SolarTermEarliestDay, term) + offset;
}

std::string_view SolarTermOn(int year, int month, int day) {
    RequireDate(year, month, day, FirstSolarTermYear,
                FirstSolarTermYear + static_cast<int>(SolarTermYearCount) - 1);
    for (int term = 2 * (month - 1); term < 2 * month; ++term) {
        if (day == SolarTermDay(year, term)) {
            return TableAt(SolarTermNames, term);
        }
    }
    return {};
}

}  // namespace lunar
