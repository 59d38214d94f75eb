#include "astro/events/calculator_sky.h"

#include <cmath>

#include "astro/events/day_events.h"
#include "astro/frames/place.h"
#include "astro/planets/geocentric.h"
#include "astro/planets/moon.h"
#include "astro/planets/orbit.h"
#include "astro/time/sidereal.h"
#include "catalog/precession.h"

namespace skycalc::events {

namespace {

constexpr int kSun = 1;
constexpr int kEarth = 4;
constexpr int kMoon = 11;

double Semidiameter(double radiusKm, double distanceAu) {
  return std::asin(radiusKm / (distanceAu * kAstronomicalUnitKm));
}

// Apparent radius of the Sun or the Moon from the distance the model gives
// for jd; the planets count as points.
double BodySemidiameter(int body, double jd) {
  if (body == kSun) {
    double earth[3];
    HeliocentricPosition(kEarth, jd, earth);
    return Semidiameter(kSunRadiusKm, std::sqrt(earth[0] * earth[0] + earth[1] * earth[1] + earth[2] * earth[2]));
  }
  if (body == kMoon) {
    double lambda = 0.0, beta = 0.0, distance = 0.0;
    MoonPosition(jd, lambda, beta, distance);
    return Semidiameter(kMoonRadiusKm, distance);
  }
  return 0.0;
}

// With azimuth origin 0 the calculator's azimuth counts from the south
// through west, as SkyState wants.
SkyState FromPlace(const Place& place, double lst, double semidiameter) {
  SkyState s;
  s.altitude = place.horizontal[1];
  s.azimuth = place.horizontal[0];
  s.hourAngle = WrapHourAngle(lst - place.equatorial[0]);
  s.semidiameter = semidiameter;
  return s;
}

}  // namespace

CalculatorBodySky::CalculatorBodySky(int body, const Site& site) : body_(body), site_(site) {}

Status CalculatorBodySky::Cover(double, double) const {
  return body_ >= kSun && body_ <= kMoon && body_ != kEarth ? Status::kOk : Status::kInvalidBody;
}

SkyState CalculatorBodySky::At(double jd) const {
  const double lst = LocalSiderealTime(jd, site_.longitude);
  Place place;
  GeocentricPlace(body_, jd, lst, site_.latitude, 0.0, place);
  return FromPlace(place, lst, BodySemidiameter(body_, jd));
}

bool CalculatorBodySky::IsSun() const { return body_ == kSun; }

CalculatorCatalogSky::CalculatorCatalogSky(double ra2000, double dec2000, const Site& site)
    : ra2000_(ra2000), dec2000_(dec2000), site_(site) {}

Status CalculatorCatalogSky::Cover(double, double) const { return Status::kOk; }

SkyState CalculatorCatalogSky::At(double jd) const {
  Place place;
  CatalogPlace(jd, site_.longitude, site_.latitude, 0.0, ra2000_, dec2000_, place);
  return FromPlace(place, LocalSiderealTime(jd, site_.longitude), 0.0);
}

}  // namespace skycalc::events
