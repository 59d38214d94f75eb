#include "astro/sky/calculator_sky.h"

#include <cmath>

#include "astro/base/body.h"
#include "astro/events/day_events.h"
#include "astro/frames/place.h"
#include "astro/planets/geocentric.h"
#include "astro/planets/moon.h"
#include "astro/planets/orbit.h"
#include "astro/time/sidereal.h"
#include "astro/horizon/precession.h"

namespace skycalc::sky {

namespace {

double Semidiameter(double radiusKm, double distanceAu) {
  return std::asin(radiusKm / (distanceAu * kAstronomicalUnitKm));
}

// Apparent radius of the Sun or the Moon from the distance the model gives
// for jd; the planets count as points.
double BodySemidiameter(int body, double jd) {
  if (body == kSunBody) {
    double earth[3];
    HeliocentricPosition(kEarthBody, jd, earth);
    return Semidiameter(kSunRadiusKm, std::sqrt(earth[0] * earth[0] + earth[1] * earth[1] + earth[2] * earth[2]));
  }
  if (body == kMoonBody) {
    double lambda = 0.0, beta = 0.0, distance = 0.0;
    MoonPosition(jd, lambda, beta, distance);
    return Semidiameter(kMoonRadiusKm, distance);
  }
  return 0.0;
}

// With azimuth origin 0 the calculator's azimuth counts from the south
// through west, as events::SkyState wants.
events::SkyState FromPlace(const Place& place, double lst, double semidiameter) {
  events::SkyState s;
  s.altitude = place.horizontal[1];
  s.azimuth = place.horizontal[0];
  s.hourAngle = events::WrapHourAngle(lst - place.equatorial[0]);
  s.semidiameter = semidiameter;
  return s;
}

}  // namespace

CalculatorBodySky::CalculatorBodySky(int body, const GeoSite& site) : body_(body), site_(site) {}

events::Status CalculatorBodySky::Cover(double, double) const {
  return IsBodyNumber(body_) ? events::Status::kOk : events::Status::kInvalidBody;
}

events::SkyState CalculatorBodySky::At(double jd) const {
  const double lst = LocalSiderealTime(jd, site_.longitude);
  Place place;
  GeocentricPlace(body_, jd, lst, site_.latitude, 0.0, place);
  return FromPlace(place, lst, BodySemidiameter(body_, jd));
}

bool CalculatorBodySky::IsSun() const { return body_ == kSunBody; }

CalculatorCatalogSky::CalculatorCatalogSky(double ra2000, double dec2000, const GeoSite& site)
    : ra2000_(ra2000), dec2000_(dec2000), site_(site) {}

events::Status CalculatorCatalogSky::Cover(double, double) const { return events::Status::kOk; }

events::SkyState CalculatorCatalogSky::At(double jd) const {
  Place place;
  CatalogPlace(jd, site_.longitude, site_.latitude, 0.0, ra2000_, dec2000_, place);
  return FromPlace(place, LocalSiderealTime(jd, site_.longitude), 0.0);
}

}  // namespace skycalc::sky
