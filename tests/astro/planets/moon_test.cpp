#include "astro/planets/moon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/base/constants.h"

namespace skycalc {
namespace {

// jd -> longitude and latitude in degrees as returned (a negative latitude is
// folded to 360 plus its value), distance in AU.
struct MoonCase {
  double jd, longitude, latitude, distance;
};

const MoonCase kMoon[] = {
    {2451545.0, 223.33757444416722, 5.17769022642667, 0.0026906652698344144},
    {2444214.5, 113.69724430140471, 360.0 - 3.1457098193046193, 0.002625254057283753},
    {2451910.125, 344.13599405716195, 360.0 - 4.525932872134387, 0.0026877882970211733},
};

TEST(MoonPosition, Table) {
  for (const MoonCase& c : kMoon) {
    double lambda = 0.0, beta = 0.0, distance = 0.0;
    MoonPosition(c.jd, lambda, beta, distance);
    EXPECT_NEAR(lambda * kRadToDeg, c.longitude, 1e-11) << c.jd;
    EXPECT_NEAR(beta * kRadToDeg, c.latitude, 1e-11) << c.jd;
    EXPECT_EQ(distance, c.distance) << c.jd;
  }
  double lambda = 0.0, beta = 0.0, distance = 0.0;
  MoonPosition(2451545.0, lambda, beta, distance);
  EXPECT_EQ(lambda, 3.8979760173572506);
  EXPECT_EQ(beta, 0.09036774209689322);
}

}  // namespace
}  // namespace skycalc
