#include "astro/eclipse/sun_moon.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/eclipse/time_scales.h"
#include "astro/precise/precise.h"

// For now the precise model's Sun (cut VSOP87) and Moon (ERFA's moon98).
namespace skycalc::eclipse {

namespace {

ApparentPlace FromPrecise(Body body, double jdTt) {
  const precise::Instant t{UtcFromTt(jdTt), jdTt};
  const precise::GeocentricApparent g = precise::BodyGeocentric(body, t);
  ApparentPlace place;
  place.rightAscension = g.rightAscension;
  place.declination = g.declination;
  place.distance = g.distance;
  // True obliquity of date: IAU 2006 mean obliquity plus the nutation in obliquity.
  double dpsi = 0.0, deps = 0.0;
  eraNut00b(ERFA_DJ00, jdTt - ERFA_DJ00, &dpsi, &deps);
  const double eps = eraObl06(ERFA_DJ00, jdTt - ERFA_DJ00) + deps;
  const double sa = std::sin(g.rightAscension), ca = std::cos(g.rightAscension);
  const double sd = std::sin(g.declination), cd = std::cos(g.declination);
  const double se = std::sin(eps), ce = std::cos(eps);
  place.longitude = eraAnp(std::atan2(sa * cd * ce + sd * se, ca * cd));
  place.latitude = std::asin(sd * ce - cd * se * sa);
  return place;
}

}  // namespace

ApparentPlace SunApparent(double jdTt) { return FromPrecise(Body::kSun, jdTt); }
ApparentPlace MoonApparent(double jdTt) { return FromPrecise(Body::kMoon, jdTt); }

}  // namespace skycalc::eclipse
