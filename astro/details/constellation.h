#pragma once

// The IAU constellation a direction stands in, by the official boundaries
// (Delporte 1930), which run along hour circles and parallels of the
// equator and equinox of B1875.0.
// Reference: Roman, N. G. (1987), "Identification of a constellation from a
//   position", PASP 99, 695; CDS catalogue VI/42 (the boundary table).
namespace skycalc::details {

inline constexpr int kConstellationCount = 88;

// TT Julian Day of the epoch B1875.0 (Besselian year 1875.0).
inline constexpr double kB1875Jd = 2405889.258550475;

// The constellation (index into the IAU abbreviations, alphabetical, 0-87)
// of a direction given on the mean equator and equinox of B1875.0: right
// ascension [0, 2pi), declination [-pi/2, pi/2], radians. -1 for a NaN.
int ConstellationOfB1875(double ra1875, double dec1875);

// The same for a direction in the ICRS (GCRS axes), brought to B1875.0 by
// the IAU 2006 bias-precession matrix (ERFA pmat06).
int ConstellationOfIcrs(double ra, double dec);

// The same for a direction on the equator and equinox of the TT Julian Day
// jdTt: mean (IAU 2006 precession) when apparent is false, true (IAU 2000B
// precession-nutation, as the precise model) when it is true. The turn to B1875.0 is made once for the
// dates within a day of each other (per thread), which moves a direction by
// under 0.5".
int ConstellationOfDate(double ra, double dec, double jdTt, bool apparent);

// The IAU abbreviation ("Gem") and the row of the constellation in the
// calculator's constellation list (catalog/names.h ConstellationNames) of
// index 0-87; nullptr and -1 for any other index.
const char* ConstellationAbbreviation(int index);
int ConstellationListRow(int index);

}  // namespace skycalc::details
