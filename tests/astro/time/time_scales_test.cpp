#include "astro/time/time_scales.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace skycalc::timescale {
namespace {

// Where DeltaT changes source it must not jump (the polynomial meets the
// table within 0.07 s in 1972; after the table the offset is faded out), and
// inside the table it steps by whole leap seconds on the right day.
TEST(TimeScalesDeltaT, ContinuousAcrossSourcesAndFollowsTheLeapSeconds) {
  for (double jd : {2441317.5, LeapTableEnd(), 2451544.5 + 50.0 * 365.2425}) {
    EXPECT_NEAR(DeltaT(jd), DeltaT(jd - 1e-4), 0.1) << jd;  // 1972, the table's end, 2050.0
  }
  EXPECT_DOUBLE_EQ(DeltaT(2441317.5), 42.184);          // 1972-01-01: TAI - UTC = 10 s
  EXPECT_DOUBLE_EQ(DeltaT(2457754.5 - 1e-5), 68.184);   // 2016-12-31 23:59:59
  EXPECT_DOUBLE_EQ(DeltaT(2457754.5), 69.184);          // 2017-01-01: 37 s
  EXPECT_GE(LeapTableEnd(), 2461406.5) << "ERFA 2.0 vouches for its table through 2026";
  for (double jd : {-DBL_MAX, -1e9, 0.0, 1e9, DBL_MAX}) EXPECT_TRUE(std::isfinite(DeltaT(jd))) << jd;
}

// Between 1600 and 1900 DeltaT is Espenak and Meeus's polynomials (NASA,
// "Polynomial expressions for Delta T"), evaluated here by hand at whole
// decimal years.
TEST(TimeScalesDeltaT, EspenakMeeusPolynomialsFrom1600To1900) {
  const struct {
    double jd, seconds;
  } cases[] = {{2323709.625, 50.194}, {2360233.875, 13.3701}, {2378496.0, 13.72}, {2389453.275, 7.6734},
               {2407715.4, -5.0085}};  // 1650.0, 1750.0, 1800.0, 1830.0, 1880.0
  for (const auto& c : cases) EXPECT_NEAR(DeltaT(c.jd), c.seconds, 0.005) << c.jd;
}

}  // namespace
}  // namespace skycalc::timescale
