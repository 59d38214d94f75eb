#pragma once

#include <cstdint>

#include "astro/frames/place.h"
#include "astro/precise/precise.h"

// The readouts' side of the precise model: the stored fields (degrees, the
// UT Julian Day of the stored local time) turned into a place, shown with the
// calculator's own texts and azimuth origin.
namespace skycalc {

inline constexpr char kPreciseYearsMessage[] = "高精度計算は1000年～2999年にだけ使えます。";
inline constexpr char kPrecisePlutoYearsMessage[] = "冥王星の高精度計算は1885年～2099年にだけ使えます。";

// Degrees to radians for the precise model, which works in true radians.
inline constexpr double kExactDegToRad = 3.14159265358979323846 / 180.0;

// The precise model's body of a calculator body number (1-11 except 4); any
// other number is the Sun, as in the calculator's readouts.
precise::Body PreciseBodyOf(int body);

// The precise model's message for a local year it has no place in (1000-2999;
// for Pluto 1885-2099), or nullptr within them.
const char* PreciseYearsRefusal(std::int32_t year, bool pluto);

// Body 1-11 except 4 (calculator numbering; any other number is the Sun) at
// the UT Julian Day jd, site longitude and latitude (degrees): the topocentric
// apparent place; horizontal = {ReduceRadians(south-based azimuth - origin),
// altitude}, origin = azimuthOrigin degrees times kDegToRad, as the
// calculator applies it. NaN outside the model's instants.
Place PreciseBodyPlace(int body, double jd, double longitude, double latitude, double azimuthOrigin);
// A catalogue row of J2000.0 (degrees) likewise.
Place PreciseCatalogPlace(double ra2000, double dec2000, double jd, double longitude, double latitude,
                          double azimuthOrigin);
// Local apparent sidereal time (radians, [0, 2pi)) at jd for a longitude in
// degrees; NaN outside the model's instants.
double PreciseSiderealTime(double jd, double longitude);

}  // namespace skycalc
