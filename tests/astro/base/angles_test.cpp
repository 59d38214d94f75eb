#include "astro/base/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/base/constants.h"

namespace skycalc {
namespace {

struct PairCase {
  double x, y, result;
};

const PairCase kAngleOfXYCases[] = {
    {1, 0, 0.0},          {0, 1, 1.57079632675},
    {-1, 0, 3.1415926535}, {0, -1, -1.57079632675},  // the one result outside [0, 2pi]
    {0, 0, 0.0},          {-1, -1, 3.9269908168974483},
    {1, -1, 5.497787143602552},
    {1, -1e-300, 6.283185307},  // the top of the range is reachable
};

TEST(AngleOfXY, Table) {
  for (const PairCase& c : kAngleOfXYCases) EXPECT_EQ(AngleOfXY(c.x, c.y), c.result) << c.x << ", " << c.y;
}

struct ValueCase {
  double x, result;
};

const ValueCase kArcSinCases[] = {
    {1.0, 1.57079632675},  {1.00000000005, 1.57079632675},   // rounding past 1 is tolerated
    {1.0000000002, 0.0},   {-1.00000000005, -1.57079632675},  // beyond the tolerance: 0
    {-1.0000000002, 0.0},  {0.0, 0.0},
};

TEST(ArcSin, Table) {
  for (const ValueCase& c : kArcSinCases) EXPECT_EQ(ArcSin(c.x), c.result) << c.x;
  // The arc tangent form rounds one ulp above the double nearest pi/6
  // (0.5235987755982988); the form is what every readout follows.
  EXPECT_NEAR(ArcSin(0.5), 0.5235987755982988, std::numeric_limits<double>::epsilon() / 2);
  EXPECT_EQ(ArcSin(0.5) / kDegToRad, 30.000000000857465);
}

const ValueCase kReduceRadiansCases[] = {
    {6.283185307, 0.0},
    {12.566370614, 0.0},
    {-3.0, 3.283185307},
    {-1e-20, 6.283185307},                        // top of the range reachable
    {6.283185307179586, 1.7958612374968652e-10},  // the true 2pi is not a whole turn here
};

TEST(ReduceRadians, Table) {
  for (const ValueCase& c : kReduceRadiansCases) EXPECT_EQ(ReduceRadians(c.x), c.result) << c.x;
}

const ValueCase kReduceDegreesCases[] = {{360, 0}, {720, 0}, {-30, 330}, {-1e-20, 360}, {45, 45}};

TEST(ReduceDegrees, Table) {
  for (const ValueCase& c : kReduceDegreesCases) EXPECT_EQ(ReduceDegrees(c.x), c.result) << c.x;
}

struct DirectionCase {
  double lambda, beta, x, y, z;
};

const DirectionCase kDirectionCases[] = {
    {0, 0, 1, 0, 0},
    {0, 1.57079632675, 4.489659216976159e-11, 0, 1},  // the truncated pi/2 leaves a residue in x
    {kPi, 0, -1, std::sin(kPi), 0},
};

TEST(DirectionVector, Table) {
  for (const DirectionCase& c : kDirectionCases) {
    double x, y, z;
    DirectionVector(c.lambda, c.beta, x, y, z);
    EXPECT_EQ(x, c.x) << c.lambda << ", " << c.beta;
    EXPECT_EQ(y, c.y) << c.lambda << ", " << c.beta;
    EXPECT_EQ(z, c.z) << c.lambda << ", " << c.beta;
  }
}

// FmodByWhole is std::fmod bit for bit (the sign of a zero too): near the
// multiples, where the quotient rounds up to the next whole, at zero
// remainders, at the largest magnitudes it takes itself and beyond them.
TEST(FmodByWhole, TheLibrarysFmod) {
  const double wholes[] = {360.0, 1296000.0};
  for (double whole : wholes) {
    const double bases[] = {0.0, whole, 2.0 * whole, 1e5 * whole, 1099511627775.5, 1099511627776.0, 1e14, 0.5};
    for (double base : bases) {
      for (double x : {base, std::nextafter(base, 0.0), std::nextafter(base, 1e300), base + 1e-9, base - 1e-9}) {
        for (double signed_x : {x, -x}) {
          const double expected = std::fmod(signed_x, whole), got = FmodByWhole(signed_x, whole);
          EXPECT_EQ(std::signbit(got), std::signbit(expected)) << signed_x << " " << whole;
          EXPECT_EQ(got, expected) << signed_x << " " << whole;
        }
      }
    }
  }
  EXPECT_TRUE(std::isnan(FmodByWhole(std::numeric_limits<double>::quiet_NaN(), 360.0)));
  EXPECT_TRUE(std::isnan(FmodByWhole(std::numeric_limits<double>::infinity(), 360.0)));
}

TEST(AngleHelpers, NotANumberPropagates) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(ArcSin(nan)));
  EXPECT_TRUE(std::isnan(AngleOfXY(0, nan)));
  EXPECT_TRUE(std::isnan(AngleOfXY(nan, 1)));
  EXPECT_TRUE(std::isnan(ReduceRadians(nan)));
}

}  // namespace
}  // namespace skycalc
