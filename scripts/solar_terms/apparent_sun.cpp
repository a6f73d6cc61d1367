#include "scripts/solar_terms/apparent_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>

namespace solar_terms {

double ApparentSolarLongitude(double tt1, double tt2) {
    // TDB differs from TT by under 2 ms, far below what a day boundary can notice.
    double heliocentric[2][3];
    double barycentric[2][3];
    // Its warning for dates after 2100 is moot: its accuracy fades over centuries, not months.
    eraEpv00(tt1, tt2, heliocentric, barycentric);

    // The Sun seen from the Earth is the Earth seen from the Sun, reversed; the Sun's own
    // motion during the light time is a few km, so no light-time correction is needed.
    double sun[3];
    double distance = 0;
    double natural[3];
    eraSxp(-1.0, heliocentric[0], sun);
    eraPn(sun, &distance, natural);

    // Annual aberration from the Earth's barycentric velocity, in units of c.
    double velocity[3];
    eraSxp(1.0 / ERFA_DC, barycentric[1], velocity);
    const double bm1 = std::sqrt(1.0 - eraPdp(velocity, velocity));
    double apparent[3];
    eraAb(natural, velocity, distance, bm1, apparent);

    // GCRS to the true equator and equinox of date.
    double npb[3][3];
    eraPnm06a(tt1, tt2, npb);
    double equatorial[3];
    eraRxp(npb, apparent, equatorial);

    // Then to the ecliptic of date by the true obliquity.
    double dpsi = 0;
    double deps = 0;
    eraNut06a(tt1, tt2, &dpsi, &deps);
    const double obliquity = eraObl06(tt1, tt2) + deps;
    const double y = equatorial[1] * std::cos(obliquity) + equatorial[2] * std::sin(obliquity);
    return eraAnp(std::atan2(y, equatorial[0])) * ERFA_DR2D;
}

double DeltaT(double y) {
    if (y < 1920 || y >= 2150) {
        throw std::out_of_range("no Delta T polynomial for this year");
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

}  // namespace solar_terms
