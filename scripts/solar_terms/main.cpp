// Writes lunar/solar_term_days.cpp: the China Standard Time day of each solar term 1921-2100,
// found by solving for the moment the apparent Sun reaches each multiple of 15°.
//   solar_term_generator write FILE   writes the data source
//   solar_term_generator check FILE   fails unless FILE is exactly what write would give
//   solar_term_generator list         every term's moment, for inspection
#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "lunar/solar_term_days.h"
#include "scripts/solar_terms/apparent_sun.h"

namespace {

using namespace lunar;
using namespace solar_terms;

struct TermMoment {
    int year;
    int month;
    int day;
    double dayFraction;  // since midnight, China Standard Time
};

double TargetLongitude(int term) {
    return std::fmod(285.0 + 15.0 * term, 360.0);
}

// Degrees from the target, in (-180, 180].
double LongitudeGap(double mjd, double target) {
    const double gap = std::fmod(ApparentSolarLongitude(ERFA_DJM0, mjd) - target + 540.0, 360.0);
    return gap - 180.0;
}

// Newton's method on the Terrestrial Time of the moment, from a guess a few days off.
double TermMjdTT(int year, int term) {
    double mjd0 = 0;
    double mjd = 0;
    eraCal2jd(year, term / 2 + 1, term % 2 == 0 ? 6 : 21, &mjd0, &mjd);
    const double target = TargetLongitude(term);
    constexpr double kStep = 1e-3;     // days, for the slope
    constexpr double kSettled = 1e-9;  // days: about 0.1 ms
    for (int i = 0; i < 30; ++i) {
        const double gap = LongitudeGap(mjd, target);
        const double slope = (LongitudeGap(mjd + kStep, target) - gap) / kStep;
        const double change = -gap / slope;
        mjd += change;
        if (std::abs(change) < kSettled) {
            return mjd;
        }
    }
    throw std::runtime_error("no convergence for term " + std::to_string(term) + " of " +
                             std::to_string(year));
}

TermMoment FindTerm(int year, int term) {
    const int month = term / 2 + 1;
    const double deltaT = DeltaT(year + (month - 0.5) / 12);
    const double mjdChina = TermMjdTT(year, term) - deltaT / ERFA_DAYSEC + 8.0 / 24.0;
    TermMoment moment{};
    if (eraJd2cal(ERFA_DJM0, mjdChina, &moment.year, &moment.month, &moment.day,
                  &moment.dayFraction) != 0) {
        throw std::runtime_error("moment outside the calendar");
    }
    if (moment.year != year || moment.month != month) {
        throw std::runtime_error("term " + std::to_string(term) + " of " + std::to_string(year) +
                                 " left its month");
    }
    return moment;
}

std::vector<TermMoment> AllTerms() {
    std::vector<TermMoment> terms;
    for (std::size_t i = 0; i < SolarTermYearCount; ++i) {
        for (int term = 0; term < SolarTermsPerYear; ++term) {
            terms.push_back(FindTerm(FirstSolarTermYear + static_cast<int>(i), term));
        }
    }
    return terms;
}

std::string DataSource(const std::vector<TermMoment>& terms) {
    std::array<int, SolarTermsPerYear> earliest;
    earliest.fill(31);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        int& day = earliest[i % SolarTermsPerYear];
        day = std::min(day, terms[i].day);
    }
    std::vector<std::uint64_t> offsets(SolarTermYearCount, 0);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::size_t term = i % SolarTermsPerYear;
        const std::uint64_t offset = static_cast<std::uint64_t>(terms[i].day - earliest[term]);
        if (offset >> SolarTermOffsetBits != 0) {
            throw std::runtime_error("a term's days spread wider than its offset field");
        }
        offsets[i / SolarTermsPerYear] |= offset << (SolarTermOffsetBits * term);
    }

    std::ostringstream out;
    out << "// Written by scripts/solar_terms (solar_term_generator write); do not edit.\n"
           "#include \"lunar/solar_term_days.h\"\n\nnamespace lunar {\n\n// clang-format off\n"
           "constexpr std::array<std::uint8_t, SolarTermsPerYear> SolarTermEarliestDay = {\n   ";
    for (int day : earliest) {
        out << ' ' << day << ',';
    }
    out << "\n};\n\n// Four years a row: 1921-1924, 1925-1928, ... 2097-2100.\n"
           "constexpr std::array<std::uint64_t, SolarTermYearCount> SolarTermDayOffsets = {";
    char hex[24];
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        std::snprintf(hex, sizeof hex, "0x%012llX,", static_cast<unsigned long long>(offsets[i]));
        out << (i % 4 == 0 ? "\n    " : " ") << hex;
    }
    out << "\n};\n// clang-format on\n\n}  // namespace lunar\n";
    return out.str();
}

void ReportTightest(const std::vector<TermMoment>& terms) {
    auto margin = [](const TermMoment& m) { return std::min(m.dayFraction, 1 - m.dayFraction); };
    const TermMoment& tightest = *std::min_element(
        terms.begin(), terms.end(),
        [&](const TermMoment& a, const TermMoment& b) { return margin(a) < margin(b); });
    std::fprintf(stderr, "%zu terms; closest to midnight: %04d-%02d-%02d, %.1f s %s\n",
                 terms.size(), tightest.year, tightest.month, tightest.day,
                 margin(tightest) * ERFA_DAYSEC,
                 tightest.dayFraction < 0.5 ? "after its start" : "before its end");
}

void List(const std::vector<TermMoment>& terms) {
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const TermMoment& m = terms[i];
        const double seconds = std::round(m.dayFraction * ERFA_DAYSEC);
        std::printf("%04d-%02d-%02d\t%3.0f\t%02d:%02d:%02d\n", m.year, m.month, m.day,
                    TargetLongitude(static_cast<int>(i % SolarTermsPerYear)),
                    static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60) % 60,
                    static_cast<int>(seconds) % 60);
    }
}

int Run(const std::string& command, const std::string& path) {
    const std::vector<TermMoment> terms = AllTerms();
    ReportTightest(terms);
    if (command == "list") {
        List(terms);
        return 0;
    }
    const std::string source = DataSource(terms);
    if (command == "write") {
        std::ofstream file(path, std::ios::binary);
        if (!(file << source).flush()) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
        return 0;
    }
    std::ifstream committed(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(committed), {}};
    if (text != source) {
        std::cerr << path << " is not what the generator writes; run it with write\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (!(command == "list" && argc == 2) &&
        !((command == "write" || command == "check") && argc == 3)) {
        std::cerr << "usage: solar_term_generator write FILE | check FILE | list\n";
        return 2;
    }
    try {
        return Run(command, argc == 3 ? argv[2] : "");
    } catch (const std::exception& e) {
        std::cerr << "solar_term_generator: " << e.what() << '\n';
        return 1;
    }
}
