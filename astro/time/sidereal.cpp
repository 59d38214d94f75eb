#include "astro/time/sidereal.h"

#include <cmath>

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/time/julian_day.h"

namespace skycalc {

namespace {

// Greenwich mean sidereal time at 0h UT, degrees, in centuries from 1900 January 0.5.
// Reference: Newcomb, 6h 38m 45.836s + 8640184.542s T + 0.0929s T^2 (Explanatory Supplement to
// the Astronomical Ephemeris, 1961), seconds of time / 240 = degrees.
constexpr double kGmst0 = 99.6909833;
constexpr double kGmst1 = 36000.76892;
constexpr double kGmst2 = 0.00038708;
constexpr double kSiderealRate = 1.00273791;  // sidereal days per solar day (1.002737909..., 8 decimals)

}  // namespace

double SiderealTimeAtZeroHour(double jd) {
  const double t = (JDAtZeroHour(jd) - kJD1900) * kInvCentury;
  const double theta = (kGmst2 * t + kGmst1) * t + kGmst0;
  // Folded in degrees, then converted: 360 * kDegToRad is exactly kTwoPi.
  return ReduceDegrees(theta) * kDegToRad;
}

double LocalSiderealTime(double jd, double longitude) {
  const double dayAngle = (jd - JDAtZeroHour(jd)) * kTwoPi;
  return ReduceRadians(SiderealTimeAtZeroHour(jd) + dayAngle * kSiderealRate + longitude);
}

double HourAngle(double rightAscension, double jd, double longitude) {
  return LocalSiderealTime(jd, longitude) - rightAscension;
}

}  // namespace skycalc
