// The searches' sine, cosine and arc tangent against the library's 64-bit
// long double functions (11 more bits than a double), in units in the last
// place of the double result, over the ranges the searches give them.
#include "astro/base/fast_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace skycalc::fasttrig {
namespace {

double Ulps(double value, long double exact) {
  const double rounded = static_cast<double>(exact);
  const double ulp = std::nextafter(std::fabs(rounded), HUGE_VAL) - std::fabs(rounded);
  return static_cast<double>(std::fabs(static_cast<long double>(value) - exact)) / ulp;
}

struct RangeCase {
  double low, high;  // radians
  const char* what;
};
const RangeCase kSinCosRanges[] = {
    {-0.8, 0.8, "the kernel alone"},
    {-1.6, 1.6, "declinations and their neighbours"},
    {-7.0, 13.0, "hour angles: a sidereal time less a right ascension, both in [0, 2pi)"},
    {1e3, 1e5, "long reductions"},
};

TEST(FastTrig, SinCosWithinAnUlp) {
  std::mt19937_64 random(20261208);
  for (const RangeCase& range : kSinCosRanges) {
    std::uniform_real_distribution<double> draw(range.low, range.high);
    double worstSin = 0.0, worstCos = 0.0;
    for (int i = 0; i < 200000; ++i) {
      const double x = draw(random);
      double s = 0.0, c = 0.0;
      SinCos(x, s, c);
      worstSin = std::max(worstSin, Ulps(s, std::sin(static_cast<long double>(x))));
      worstCos = std::max(worstCos, Ulps(c, std::cos(static_cast<long double>(x))));
    }
    EXPECT_LT(worstSin, 1.0) << range.what;
    EXPECT_LT(worstCos, 1.0) << range.what;
  }
}

TEST(FastTrig, Atan2WithinTwoUlpsInEveryQuadrant) {
  std::mt19937_64 random(8);
  std::uniform_real_distribution<double> draw(-3.0, 3.0);
  for (const double yScale : {1.0, 1e-3, 1e-9}) {  // altitudes near the horizon, hour angles near transit
    double worst = 0.0;
    for (int i = 0; i < 200000; ++i) {
      const double y = draw(random) * yScale, x = draw(random);
      worst = std::max(worst, Ulps(Atan2(y, x), std::atan2(static_cast<long double>(y), static_cast<long double>(x))));
      worst = std::max(worst, Ulps(Atan2(x, y), std::atan2(static_cast<long double>(x), static_cast<long double>(y))));
    }
    EXPECT_LT(worst, 2.0) << yScale;
  }
}

// Where the reduction or the table changes hands, and what goes to the
// library: the library's own results there.
TEST(FastTrig, EdgesAsTheLibrary) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double pairs[][2] = {{0.0, 1.0},  {-0.0, 1.0}, {0.0, -1.0}, {-0.0, -1.0}, {1.0, 0.0}, {-1.0, -0.0},
                             {inf, 1.0},  {1.0, -inf}, {inf, inf},  {1.0, 1.0},   {-1.0, 1.0}, {1.0, -1.0},
                             {1.0, 16.0}, {3.0, 16.0}, {1e-300, -1.0}};
  for (const auto& p : pairs) {
    const double mine = Atan2(p[0], p[1]), library = std::atan2(p[0], p[1]);
    EXPECT_TRUE(mine == library && std::signbit(mine) == std::signbit(library)) << p[0] << ", " << p[1];
  }
  EXPECT_TRUE(std::isnan(Atan2(std::nan(""), 1.0)));
  for (const double x : {0.0, -0.0, 1.5707963267948966, 1e6, -1e300}) {  // the last two: the library's
    double s = 0.0, c = 0.0;
    SinCos(x, s, c);
    EXPECT_NEAR(s, std::sin(x), 1e-16) << x;
    EXPECT_NEAR(c, std::cos(x), 1e-16) << x;
  }
  double s = 0.0, c = 0.0;
  SinCos(inf, s, c);
  EXPECT_TRUE(std::isnan(s) && std::isnan(c));
}

}  // namespace
}  // namespace skycalc::fasttrig
