#include "astro/time/sidereal.h"

#include <cmath>

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/time/julian_day.h"

namespace skycalc {

namespace {

// Greenwich mean sidereal time at 0h UT, degrees, in centuries from 1900 January 0.5.
constexpr double kGmst0 = 99.6909833;
constexpr double kGmst1 = 36000.76892;
constexpr double kGmst2 = 0.00038708;
constexpr double kSiderealRate = 1.00273791;  // sidereal days per solar day

}  // namespace

// Greenwich mean sidereal time at the 0h UT that begins jd's day, radians [0, kTwoPi).
double SiderealTimeAtZeroHour(double jd) {
  const double t = (JDAtZeroHour(jd) - kJD1900) * kInvCentury;
  const double theta = (kGmst2 * t + kGmst1) * t + kGmst0;
  return ReduceDegrees(theta) * kDegToRad;
}

// Local mean sidereal time at jd for longitude (radians, east positive), radians [0, kTwoPi].
double LocalSiderealTime(double jd, double longitude) {
  const double dayAngle = (jd - JDAtZeroHour(jd)) * kTwoPi;
  return ReduceRadians(SiderealTimeAtZeroHour(jd) + dayAngle * kSiderealRate + longitude);
}

// Local sidereal time minus right ascension, radians, positive west, not reduced.
double HourAngle(double rightAscension, double jd, double longitude) {
  return LocalSiderealTime(jd, longitude) - rightAscension;
}

}  // namespace skycalc
