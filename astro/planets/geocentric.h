#pragma once

#include "astro/frames/place.h"

// Geocentric place of the Sun, planets and Moon.
namespace skycalc {

// Body 1-11 except 4 at jd with local sidereal time lst, latitude and azimuth origin (radians).
void GeocentricPlace(int body, double jd, double lst, double latitude, double origin, Place& place);
// Direction from observer to target (heliocentric ecliptic vectors, AU) in frameBody's equator:
// alpha (not reduced), delta, north-based azimuth minus origin (reduced), altitude.
void RelativePlace(int frameBody, double lst, const double target[3], const double observer[3], double origin,
                   double latitude, double& alpha, double& delta, double& azimuth, double& altitude);
// Ecliptic (lambda, beta) -> equatorial frame of body 1-10's rotation pole.
void EclipticToBodyEquator(int body, double lambda, double beta, double& alpha, double& delta);

}  // namespace skycalc
