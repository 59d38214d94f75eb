// A stand-in for astro/eclipse/sun_moon.cpp, for the tests only: the same
// Sun, and the Moon moved from ERFA's moon98 to the full ELP2000-82B series
// (libnova's), the lunar theory of the almanac offices, to show what the
// eclipse geometry gives with a Moon good to a fraction of an arcsecond.
#include <erfa.h>
#include <erfam.h>
#include <libnova/lunar.h>

#include <cmath>

#include "astro/eclipse/sun_moon.h"
#include "astro/eclipse/time_scales.h"
#include "astro/precise/precise.h"

namespace skycalc::eclipse {

namespace {

ApparentPlace Place(const double v[3], double jdTt) {
  ApparentPlace place;
  eraP2s(const_cast<double*>(v), &place.rightAscension, &place.declination, &place.distance);
  place.rightAscension = eraAnp(place.rightAscension);
  double dpsi = 0.0, deps = 0.0;
  eraNut00b(ERFA_DJ00, jdTt - ERFA_DJ00, &dpsi, &deps);
  const double eps = eraObl06(ERFA_DJ00, jdTt - ERFA_DJ00) + deps;
  place.longitude = eraAnp(std::atan2(v[1] * std::cos(eps) + v[2] * std::sin(eps), v[0]));
  place.latitude = std::asin((v[2] * std::cos(eps) - v[1] * std::sin(eps)) / place.distance);
  return place;
}

ApparentPlace Precise(Body body, double jdTt, double v[3]) {
  const precise::GeocentricApparent g = precise::BodyGeocentric(body, precise::Instant{UtcFromTt(jdTt), jdTt});
  eraS2p(g.rightAscension, g.declination, g.distance, v);
  return Place(v, jdTt);
}

}  // namespace

ApparentPlace SunApparent(double jdTt) {
  double v[3];
  return Precise(Body::kSun, jdTt, v);
}

ApparentPlace MoonApparent(double jdTt) {
  double v[3];
  Precise(Body::kMoon, jdTt, v);
  // ELP's geometric place (km, mean ecliptic and equinox of J2000.0) less
  // moon98's (AU, GCRS): the difference, a few arcseconds, turned to the true
  // equator of date and added to the apparent place.
  ln_rect_posn elp{};
  ln_get_lunar_geo_posn(jdTt, &elp, 0.0);
  const double e0 = 84381.448 * ERFA_DAS2R;
  const double km = 1.0 / (ERFA_DAU / 1000.0);
  const double elpEquatorial[3] = {elp.X * km, (elp.Y * std::cos(e0) - elp.Z * std::sin(e0)) * km,
                                   (elp.Y * std::sin(e0) + elp.Z * std::cos(e0)) * km};
  double pv[2][3], delta[3], turned[3], rnpb[3][3];
  eraMoon98(jdTt, 0.0, pv);
  eraPmp(const_cast<double*>(elpEquatorial), pv[0], delta);
  eraPnm06a(ERFA_DJ00, jdTt - ERFA_DJ00, rnpb);
  eraRxp(rnpb, delta, turned);
  eraPpp(v, turned, v);
  return Place(v, jdTt);
}

}  // namespace skycalc::eclipse
