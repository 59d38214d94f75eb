#pragma once

#include "astro/frames/place.h"

// Reduction of a J2000.0 catalogue place to the date and the site.
namespace skycalc {

// Mean place of J2000.0 (radians) -> mean place of the date jd (days, UT used as is) by the IAU 1976
// precession angles: ra [0, kTwoPi] (-kHalfPi as AngleOfXY; not reduced), dec [-kHalfPi, kHalfPi].
// A NaN argument gives NaN.
void PrecessFromJ2000(double jd, double ra0, double dec0, double& ra, double& dec);
// Full reduction of one row: (ra0, dec0) of J2000.0 precessed to jd (days, UT), then seen from the
// site (longitude east positive, latitude) with the azimuth origin; all angles in radians. Gives
// equatorial {ra [0, kTwoPi], dec} and horizontal {azimuth from south minus azimuthOrigin [0, kTwoPi],
// altitude}. Precession only: no proper motion, nutation, aberration or refraction.
void CatalogPlace(double jd, double longitude, double latitude, double azimuthOrigin, double ra0, double dec0,
                  Place& place);

}  // namespace skycalc
