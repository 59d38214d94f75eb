#include "astro/frames/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/frames/constants.h"

namespace skycalc {
namespace {

struct AngleCase {
  double x, y, angle;
};

const AngleCase kAngleOfXYCases[] = {
    {1, 0, 0.0},
    {0, 1, 1.57079632675},
    {-1, 0, 3.1415926535},
    {0, -1, -1.57079632675},  // the one result outside [0, 2pi]
    {0, 0, 0.0},
    {-1, -1, 3.9269908168974483},
    {1, -1, 5.497787143602552},
    {1, -1e-300, 6.283185307},  // the top of the range is reachable
};

TEST(AngleOfXY, Table) {
  for (const AngleCase& c : kAngleOfXYCases) EXPECT_EQ(AngleOfXY(c.x, c.y), c.angle) << c.x << ", " << c.y;
}

struct ArcSinCase {
  double x, angle, ulps;
};

const ArcSinCase kArcSinCases[] = {
    {1.0, 1.57079632675, 0},
    {1.00000000005, 1.57079632675, 0},  // rounding past 1 is tolerated
    {1.0000000002, 0.0, 0},             // beyond the tolerance: 0, not an error
    {-1.00000000005, -1.57079632675, 0},
    {-1.0000000002, 0.0, 0},
    {0.0, 0.0, 0},
    // The arc tangent form rounds to 0.5235987755982989, one ulp above the
    // nearest double to pi/6; the form is what the readouts follow.
    {0.5, 0.5235987755982988, 1},
};

TEST(ArcSin, Table) {
  for (const ArcSinCase& c : kArcSinCases) {
    const double got = ArcSin(c.x);
    if (c.ulps == 0) {
      EXPECT_EQ(got, c.angle) << c.x;
    } else {
      EXPECT_NEAR(got, c.angle, c.ulps * std::numeric_limits<double>::epsilon() * 0.5) << c.x;
    }
  }
  EXPECT_EQ(ArcSin(0.5), 0.5235987755982989);
  EXPECT_EQ(ArcSin(0.5) / kDegToRad, 30.000000000857465);
}

struct ReduceCase {
  double x, reduced;
};

const ReduceCase kReduceRadiansCases[] = {
    {6.283185307, 0.0},
    {12.566370614, 0.0},
    {-3.0, 3.283185307},
    {-1e-20, 6.283185307},                           // top of the range reachable
    {6.283185307179586, 1.7958612374968652e-10},  // the true 2pi is not a whole turn here
};

TEST(ReduceRadians, Table) {
  for (const ReduceCase& c : kReduceRadiansCases) EXPECT_EQ(ReduceRadians(c.x), c.reduced) << c.x;
}

const ReduceCase kReduceDegreesCases[] = {
    {360, 0}, {720, 0}, {-30, 330}, {-1e-20, 360}, {45, 45},
};

TEST(ReduceDegrees, Table) {
  for (const ReduceCase& c : kReduceDegreesCases) EXPECT_EQ(ReduceDegrees(c.x), c.reduced) << c.x;
}

struct RotateCase {
  double x, y, z, theta, xOut, yOut, zOut;
};

// Right-handed turns of the vector itself: +y goes to +z about x, +x to +y about z.
const RotateCase kRotateAboutXCases[] = {
    {0, 1, 0, kHalfPi, 0, std::cos(kHalfPi), 1},
    {0, 0, 1, kHalfPi, 0, -1, std::cos(kHalfPi)},
    {5, 1, 2, 0.0, 5, 1, 2},
};

TEST(RotateAboutX, Table) {
  for (const RotateCase& c : kRotateAboutXCases) {
    double x, y, z;
    RotateAboutX(c.x, c.y, c.z, c.theta, x, y, z);
    EXPECT_EQ(x, c.xOut);
    EXPECT_EQ(y, c.yOut);
    EXPECT_EQ(z, c.zOut);
  }
}

const RotateCase kRotateAboutZCases[] = {
    {1, 0, 0, kHalfPi, std::cos(kHalfPi), 1, 0},
    {0, 1, 0, kHalfPi, -1, std::cos(kHalfPi), 0},
    {1, 2, 5, 0.0, 1, 2, 5},
};

TEST(RotateAboutZ, Table) {
  for (const RotateCase& c : kRotateAboutZCases) {
    double x, y, z;
    RotateAboutZ(c.x, c.y, c.z, c.theta, x, y, z);
    EXPECT_EQ(x, c.xOut);
    EXPECT_EQ(y, c.yOut);
    EXPECT_EQ(z, c.zOut);
  }
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

}  // namespace
}  // namespace skycalc
