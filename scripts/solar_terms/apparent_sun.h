// The Sun as seen from the Earth's centre, through ERFA (the IAU SOFA algorithms). Only the
// native generator of the solar term table uses this; the program itself never links ERFA.
#pragma once

namespace solar_terms {

// Apparent geocentric ecliptic longitude of the Sun, true equinox and ecliptic of date, in
// degrees from 0 up to 360, at the two-part Julian date tt1 + tt2 of Terrestrial Time.
double ApparentSolarLongitude(double tt1, double tt2);

// TT - UT in seconds at the decimal year y, by the Espenak-Meeus polynomials.
double DeltaT(double y);

}  // namespace solar_terms
