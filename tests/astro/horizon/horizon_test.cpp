#include "astro/horizon/horizon.h"

#include <gtest/gtest.h>

#include "astro/base/constants.h"
#include "astro/time/sidereal.h"

namespace skycalc {
namespace {

constexpr double kLatitude = 0.6108652381805556;  // 35 degrees north

TEST(EquatorialToHorizontal, BodyAtTheLocalSiderealTimeIsOnTheMeridian) {
  const double jd = 2451910.125;
  const double longitude = 140 * kDegToRad;
  double azimuth, altitude;
  EquatorialToHorizontal(LocalSiderealTime(jd, longitude), 0, longitude, kLatitude, jd, azimuth, altitude);
  EXPECT_EQ(azimuth, 0.0);
  EXPECT_EQ(altitude, 0.9599310886143411);
}

}  // namespace
}  // namespace skycalc
