#include "astro/eclipse/sun_moon.h"

#include <limits>

#include "astro/almanac/accurate.h"
#include "astro/precise/precise.h"
#include "astro/time/time_scales.h"

// The almanac's accurate Sun (the whole VSOP87 Earth) and Moon (ELP/MPP02).
namespace skycalc::eclipse {

namespace {

bool InsideYears(double jdTt) {
  const double jdUtc = timescale::InstantOfTt(jdTt).jdUtc;
  return jdUtc >= precise::kFirstJdUtc && jdUtc < precise::kEndJdUtc;
}

ApparentPlace From(const accurate::ApparentPlace& a) {
  return ApparentPlace{a.longitude, a.latitude, a.rightAscension, a.declination, a.distance};
}

ApparentPlace Nowhere() {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  return ApparentPlace{nan, nan, nan, nan, nan};
}

}  // namespace

ApparentPlace SunApparent(double jdTt) { return InsideYears(jdTt) ? From(accurate::SunApparent(jdTt)) : Nowhere(); }
ApparentPlace MoonApparent(double jdTt) { return InsideYears(jdTt) ? From(accurate::MoonApparent(jdTt)) : Nowhere(); }
void SunMoonApparent(double jdTt, ApparentPlace& sun, ApparentPlace& moon) {
  if (!InsideYears(jdTt)) {
    sun = moon = Nowhere();
    return;
  }
  accurate::ApparentPlace s, m;
  accurate::SunMoonApparent(jdTt, s, m);
  sun = From(s);
  moon = From(m);
}
ApparentPlace MoonApparentCoarse(double jdTt) {
  return InsideYears(jdTt) ? From(accurate::MoonApparentCoarse(jdTt)) : Nowhere();
}

}  // namespace skycalc::eclipse
