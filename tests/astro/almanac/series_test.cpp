// The almanac's series kernel against the C library's sine and cosine, and
// the evaluators built on it against per-term sums with the C library (the
// precise model's own VSOP87 evaluator for the Earth).

#include <gtest/gtest.h>

#include <cmath>

#include "astro/almanac/accurate.h"
#include "astro/almanac/elpmpp02.h"
#include "astro/almanac/series.h"
#include "astro/almanac/vsop87b_earth.h"
#include "astro/precise/vsop87.h"

namespace skycalc::accurate::detail {
namespace {

// Quadrant edges, both signs, the smallest and the largest arguments the
// series reach (the Moon's 33,500 rad per century over ten centuries).
constexpr double kArguments[] = {0.0,       1e-300,     -1e-12,    0.785398163397448, -0.785398163397449,
                                 1.5707963267948966, 3.141592653589793, -3.141592653589793, 4.71238898038469,
                                 6.283185307179586,  100.0,     -1234.5678, 104719.75511965977, 335000.123,
                                 -335000.789, 1.6e6};

TEST(SeriesKernel, SineAndCosineWithinTwoUnitsOfTheLibrary) {
  for (const double x : kArguments) {
    double s, c;
    SinCos(x, s, c);
    EXPECT_NEAR(s, std::sin(x), 4.5e-16) << x;
    EXPECT_NEAR(c, std::cos(x), 4.5e-16) << x;
  }
  // A dense sweep over the quadrants of one turn and far out.
  for (double x = -20.0; x < 20.0; x += 0.001) {
    double s, c;
    SinCos(x, s, c);
    ASSERT_NEAR(s, std::sin(x), 4.5e-16) << x;
    ASSERT_NEAR(c, std::cos(x), 4.5e-16) << x;
  }
}

// Per-term sum of one ELP series with the C library: the value and, for the
// terms of 1" and more, the rate.
void Direct(const ElpSeries& series, double t, bool coarse, double& value, double& rate) {
  value = rate = 0.0;
  for (std::size_t i = 0; i < series.count; ++i) {
    const ElpTerm& e = series.terms[i];
    const bool large = std::fabs(e.amplitude) >= ElpEvaluator::kRateCut;
    if (coarse && !large) continue;
    const double phase = e.c0 + t * (e.c1 + t * (e.c2 + t * (e.c3 + t * e.c4)));
    value += e.amplitude * std::sin(phase);
    if (large) rate += e.amplitude * std::cos(phase) * (e.c1 + t * (2 * e.c2 + t * (3 * e.c3 + t * 4 * e.c4)));
  }
}

TEST(SeriesKernel, MoonSeriesAsPerTermSumsOver1000To2999) {
  const ElpTheory& theory = ElpMpp02();
  const ElpEvaluator evaluator(theory);
  const ElpSeries* coordinates[3] = {theory.longitude, theory.latitude, theory.distance};
  for (const bool coarse : {false, true}) {
    // Every 731 days.
    for (double t = -10.0; t <= 10.0; t += 0.02001) {
      for (int c = 0; c < 3; ++c) {
        double value = 0, rate = 0, tk = 1, dtk = 0;
        for (std::size_t k = 0; k < kElpPowers; ++k) {
          double v, r;
          Direct(coordinates[c][k], t, coarse, v, r);
          value += tk * v;
          rate += dtk * v + tk * r;
          dtk = dtk * t + tk;
          tk *= t;
        }
        double fastValue, fastRate;
        evaluator.Coordinate(c, t, coarse, fastValue, fastRate);
        // 1e-9" (and 1e-14 of the Moon's distance, 4 um): rounding only.
        ASSERT_NEAR(fastValue, value, 1e-9 + 1e-14 * std::fabs(value)) << "coordinate " << c << " T " << t << " coarse " << coarse;
        ASSERT_NEAR(fastRate, rate, 1e-9 * std::fabs(rate) + 1e-6) << "coordinate " << c << " T " << t;
      }
    }
  }
}

TEST(SeriesKernel, EarthAsThePreciseModelsEvaluatorOver1000To2999) {
  const precise::detail::VsopTheory reference(FullEarth());
  const VsopEvaluator evaluator(FullEarth());
  for (double t = -1.0; t <= 1.0; t += 0.0002001) {
    double value[3], rate[3], fastValue[3], fastRate[3];
    reference.Evaluate(t, value, rate);
    evaluator.Evaluate(t, fastValue, fastRate);
    for (int c = 0; c < 3; ++c) {
      // 1e-14 rad is 2 microarcseconds; 1e-14 AU 1.5 mm.
      ASSERT_NEAR(fastValue[c], value[c], 1e-14 * (1 + std::fabs(value[c]))) << "coordinate " << c << " t " << t;
      ASSERT_NEAR(fastRate[c], rate[c], 1e-12 * (1 + std::fabs(rate[c]))) << "coordinate " << c << " t " << t;
    }
  }
}

TEST(SeriesKernel, BothBodiesAtOnceAsEachAlone) {
  for (const double jd : {2086302.5, 2451545.0, 2460676.5, 2816788.5}) {
    ApparentPlace sun, moon;
    SunMoonApparent(jd, sun, moon);
    const ApparentPlace sunAlone = SunApparent(jd), moonAlone = MoonApparent(jd);
    EXPECT_EQ(sun.longitude, sunAlone.longitude);
    EXPECT_EQ(sun.declination, sunAlone.declination);
    EXPECT_EQ(sun.distance, sunAlone.distance);
    EXPECT_EQ(moon.longitude, moonAlone.longitude);
    EXPECT_EQ(moon.latitude, moonAlone.latitude);
    EXPECT_EQ(moon.rightAscension, moonAlone.rightAscension);
    EXPECT_EQ(moon.distance, moonAlone.distance);
  }
}

}  // namespace
}  // namespace skycalc::accurate::detail
