#pragma once

#include "astro/frames/place.h"

// Geocentric place of the Sun, planets and Moon.
namespace skycalc {

// Place of body 1-11 (not 4; 11 is the Moon) at jd (days, UT, used as is) for local sidereal time lst,
// site latitude and azimuth origin (radians): right ascension [0, kTwoPi], declination, azimuth from
// south minus the origin [0, kTwoPi], altitude. The Sun and planets are geometric geocentric places,
// the ecliptic of date turned by the Earth's pole row (the 2000 obliquity); the Moon is turned by the
// obliquity of date and has the site's parallax removed. Body 4 gives the place of a zero vector
// (direction 0, 0); numbers outside 1-11 give NaN.
void GeocentricPlace(int body, double jd, double lst, double latitude, double origin, Place& place);
// The same, and the vectors the place was made from (AU, ecliptic and equinox of date): the Earth's
// heliocentric position (earth) and the body's heliocentric (helio) and geocentric (geo) ones. The Moon's
// geo is its place from the lunar series (before the parallax) and its helio earth + geo; the Earth is then
// computed for the vectors alone, by EarthPositionBySeries (orbit.h).
void GeocentricPlace(int body, double jd, double lst, double latitude, double origin, Place& place, double earth[3],
                     double helio[3], double geo[3]);
// Direction from observer to target (heliocentric ecliptic vectors, AU) in frameBody's equator (see
// EclipticToBodyEquator) and the site's horizon: alpha [0, kTwoPi] (-kHalfPi as AngleOfXY; not reduced
// further), delta [-kHalfPi, kHalfPi], north-based azimuth minus origin [0, kTwoPi], altitude. lst,
// origin and latitude in radians; equal vectors count as the direction (0, 0).
void RelativePlace(int frameBody, double lst, const double target[3], const double observer[3], double origin,
                   double latitude, double& alpha, double& delta, double& azimuth, double& altitude);
// Ecliptic (lambda, beta) -> (alpha, delta) in the equator frame of body 1-10's rotation pole, longitudes
// counted from the ascending node of the ecliptic on that equator (the vernal equinox for the Earth):
// alpha [0, kTwoPi] (-kHalfPi as AngleOfXY), delta [-kHalfPi, kHalfPi]. Any other body number returns
// (lambda, beta) unchanged.
void EclipticToBodyEquator(int body, double lambda, double beta, double& alpha, double& delta);

}  // namespace skycalc
