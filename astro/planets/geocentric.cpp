#include "astro/planets/geocentric.h"

#include "astro/base/angles.h"
#include "astro/base/body.h"
#include "astro/base/constants.h"
#include "astro/frames/ecliptic.h"
#include "astro/frames/horizontal.h"
#include "astro/planets/moon.h"
#include "astro/planets/orbit.h"

namespace skycalc {

namespace {


// North pole of each body's rotation axis, equatorial J2000, degrees (bodies 1-10).
// Reference: no single table. Mars, Jupiter and the Earth agree with the constant terms of the
// IAU/IAG Working Group on Cartographic Coordinates and Rotational Elements (2000 report), and
// Mercury's declination too; the other rows differ from it (its Sun is 286.13, 63.87). These are
// the figures the readouts are defined by.
struct Pole {
  double rightAscension;
  double declination;
};
constexpr Pole kPoles[10] = {
    {285.96, 63.96},    // 1 Sun
    {281.02, 61.45},    // 2 Mercury
    {272.78, 67.21},    // 3 Venus
    {0.0, 90.0},        // 4 Earth
    {317.681, 52.886},  // 5 Mars
    {268.05, 64.49},    // 6 Jupiter
    {40.66, 83.52},     // 7 Saturn
    {257.43, -15.10},   // 8 Uranus
    {295.55, 40.65},    // 9 Neptune
    {311.63, 4.18},     // 10 Pluto
};

// The Moon: lunar series, equator of date, then the site's parallax removed
// (site on a sphere of the Earth's radius at its geographic latitude).
// geo, when not null, receives the Moon's ecliptic place of the series as a vector.
void MoonPlace(double jd, double lst, double latitude, double origin, Place& place, double* geo) {
  double lambda = 0.0, beta = 0.0, distance = 0.0;
  MoonPosition(jd, lambda, beta, distance);
  if (geo) SphericalToRectangular(lambda, beta, distance, geo[0], geo[1], geo[2]);
  double alpha = 0.0, delta = 0.0;
  EclipticToEquatorialOfDate(lambda, beta, jd, alpha, delta);
  double moon[3], site[3];
  SphericalToRectangular(alpha, delta, distance, moon[0], moon[1], moon[2]);
  SphericalToRectangular(lst, latitude, kEarthRadiusAU, site[0], site[1], site[2]);
  double topoAlpha = 0.0, topoDelta = 0.0, topoDistance = 0.0;
  RectangularToSpherical(moon[0] - site[0], moon[1] - site[1], moon[2] - site[2], topoAlpha, topoDelta, topoDistance);
  place.equatorial[0] = ReduceRadians(topoAlpha);
  place.equatorial[1] = topoDelta;
  double azimuth = 0.0, altitude = 0.0;
  HorizontalFromNorth(latitude, topoDelta, ReduceRadians(lst - topoAlpha), azimuth, altitude);
  place.horizontal[0] = ReduceRadians(azimuth - origin + kPi);
  place.horizontal[1] = altitude;
}

// The Sun or a planet (not the Moon), from the heliocentric places of the Earth and the body (into
// earth and target).
void PlanetPlace(int body, double jd, double lst, double latitude, double origin, Place& place, double earth[3],
                 double target[3]) {
  HeliocentricPosition(kEarthBody, jd, earth);
  HeliocentricPosition(body, jd, target);
  double alpha = 0.0, delta = 0.0, azimuth = 0.0, altitude = 0.0;
  RelativePlace(kEarthBody, lst, target, earth, origin, latitude, alpha, delta, azimuth, altitude);
  place.equatorial[0] = ReduceRadians(alpha);
  place.equatorial[1] = delta;
  place.horizontal[0] = ReduceRadians(azimuth + kPi);  // north-based from RelativePlace, shown from south
  place.horizontal[1] = altitude;
}

}  // namespace

void GeocentricPlace(int body, double jd, double lst, double latitude, double origin, Place& place) {
  if (body == kMoonBody) {
    MoonPlace(jd, lst, latitude, origin, place, nullptr);
    return;
  }
  double earth[3], target[3];
  PlanetPlace(body, jd, lst, latitude, origin, place, earth, target);
}

void GeocentricPlace(int body, double jd, double lst, double latitude, double origin, Place& place, double earth[3],
                     double helio[3], double geo[3]) {
  if (body == kMoonBody) {
    MoonPlace(jd, lst, latitude, origin, place, geo);
    EarthPositionBySeries(jd, earth);  // the Sun's direction for the Moon's figures
    for (int i = 0; i < 3; ++i) helio[i] = earth[i] + geo[i];
    return;
  }
  PlanetPlace(body, jd, lst, latitude, origin, place, earth, helio);
  for (int i = 0; i < 3; ++i) geo[i] = helio[i] - earth[i];
}

void RelativePlace(int frameBody, double lst, const double target[3], const double observer[3], double origin,
                   double latitude, double& alpha, double& delta, double& azimuth, double& altitude) {
  double lambda = 0.0, beta = 0.0, r = 0.0;
  RectangularToSpherical(target[0] - observer[0], target[1] - observer[1], target[2] - observer[2], lambda, beta, r);
  EclipticToBodyEquator(frameBody, lambda, beta, alpha, delta);
  double northAzimuth = 0.0;
  HorizontalFromNorth(latitude, delta, lst - alpha, northAzimuth, altitude);
  azimuth = ReduceRadians(northAzimuth - origin);
}

void EclipticToBodyEquator(int body, double lambda, double beta, double& alpha, double& delta) {
  if (body < 1 || body > 10) {
    alpha = lambda;
    delta = beta;
    return;
  }
  const Pole& pole = kPoles[body - 1];
  double poleLongitude = 0.0, poleLatitude = 0.0;
  EquatorialToEcliptic(pole.rightAscension * kDegToRad, pole.declination * kDegToRad, 2000, poleLongitude,
                       poleLatitude);
  // The pole's ecliptic place gives the equator's ascending node (pole longitude + 90 deg) and its
  // inclination (90 deg - pole latitude); the closing half turn moves the zero of longitude from
  // that node to the opposite one, where the ecliptic ascends.
  const double node = ReduceRadians(poleLongitude + kHalfPi);
  const double inclination = kHalfPi - poleLatitude;
  double l1 = 0.0, b1 = 0.0, l2 = 0.0, b2 = 0.0;
  RotateSphericalAboutZ(lambda, beta, -node, l1, b1);
  RotateSphericalAboutX(l1, b1, -inclination, l2, b2);
  RotateSphericalAboutZ(l2, b2, -kPi, alpha, delta);
}

}  // namespace skycalc
