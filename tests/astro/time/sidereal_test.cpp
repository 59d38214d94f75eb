#include "astro/time/sidereal.h"

#include <gtest/gtest.h>

#include "astro/base/constants.h"

namespace skycalc {
namespace {

// Radians to hours as the sidereal-time readout converts them.
double ToHours(double radians) { return radians * kRadToDeg * kInv360 * 24.0; }

struct ZeroHourCase {
  double jd, degrees;
};

// Greenwich sidereal time at 0h of the day of jd, read back in degrees.
const ZeroHourCase kZeroHourCases[] = {
    {2446895.5, 197.69291286054795},      // 1987 April 10, 0h UT
    {2446896.30625, 197.69291286054795},  // same day at 19:21: still that day's 0h value
};

TEST(SiderealTimeAtZeroHour, Table) {
  for (const ZeroHourCase& c : kZeroHourCases)
    EXPECT_EQ(SiderealTimeAtZeroHour(c.jd), c.degrees * kDegToRad) << c.jd;
}

struct LocalCase {
  double jd, longitude, radians, hours;  // radians < 0: only the hours are printed
};

const LocalCase kLocalCases[] = {
    {2446896.30625, 0.0, -1.0, 8.582506080295236},                     // 1987 April 10, 19:21 UT
    {2451545.0, 0.0, 4.8949554902159775, 18.69735270011884},           // J2000.0
    {2451910.125, 140 * kDegToRad, 1.8386132885363509, 7.022985439520863},  // 2001 Jan 1 00:00 +9 h, 140 E
};

TEST(LocalSiderealTime, Table) {
  for (const LocalCase& c : kLocalCases) {
    const double s = LocalSiderealTime(c.jd, c.longitude);
    if (c.radians >= 0.0) {
      EXPECT_EQ(s, c.radians) << c.jd;
    }
    EXPECT_EQ(ToHours(s), c.hours) << c.jd;
  }
}

TEST(LocalSiderealTime, AtZeroHourIsZeroHourValuePlusLongitudeReduced) {
  const double jd = 2446895.5;
  const double longitude = 3.0;
  const double expected = SiderealTimeAtZeroHour(jd) + longitude - kTwoPi;  // 3.45 + 3 passes a turn
  EXPECT_EQ(LocalSiderealTime(jd, longitude), expected);
}

TEST(HourAngle, NegativeWhenRightAscensionExceedsSiderealTime) {
  // Local sidereal time at J2000.0, longitude 0, is 4.895 rad.
  EXPECT_NEAR(HourAngle(6.0, 2451545.0, 0.0), 4.8949554902159775 - 6.0, 1e-15);  // not folded into a turn
  EXPECT_NEAR(HourAngle(1.0, 2451545.0, 0.0), 3.8949554902159775, 1e-15);
}

}  // namespace
}  // namespace skycalc
