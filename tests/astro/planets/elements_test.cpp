#include "astro/planets/elements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/base/constants.h"
#include "astro/time/julian_day.h"

namespace skycalc {
namespace {

constexpr double kNotPrinted = std::numeric_limits<double>::quiet_NaN();
constexpr double kSixDecimals = 5e-7;  // half the last printed digit of a degree

double Degrees(double radians) { return radians * kRadToDeg; }

// Elements at J2000.0 (T = 0) in degrees, to the six printed decimals.
struct ElementsCase {
  int body;
  double argPerihelion, meanAnomaly, node, inclination;
};

const ElementsCase kElementsAtJ2000[] = {
    {2, 29.308108, 174.771414, 48.330893, 7.004986},
    {3, 54.931119, 50.343171, kNotPrinted, kNotPrinted},
    // The Earth's perihelion lies behind its node: the projection only wraps it.
    {4, 288.061015, 357.5291, 174.8763333, 0.0},
    {5, 286.494009, 19.366993, kNotPrinted, kNotPrinted},
    {6, 273.865871, 20.015684, kNotPrinted, kNotPrinted},
    {7, 339.373441, 317.016969, kNotPrinted, kNotPrinted},
    {8, 98.998406, 141.052909, kNotPrinted, kNotPrinted},
    {9, 276.336634, 256.224465, kNotPrinted, kNotPrinted},
    {10, 112.875811, 14.015018, kNotPrinted, kNotPrinted},
};

TEST(ComputeBodyElements, AtJ2000) {
  for (const ElementsCase& c : kElementsAtJ2000) {
    ComputeBodyElements(c.body, kJD2000);
    const OrbitRecord& r = orbitTable[c.body - 1];
    EXPECT_NEAR(Degrees(r.argPerihelion), c.argPerihelion, kSixDecimals) << c.body;
    EXPECT_NEAR(Degrees(r.meanAnomaly), c.meanAnomaly, kSixDecimals) << c.body;
    if (!std::isnan(c.node)) {
      EXPECT_NEAR(Degrees(r.node), c.node, kSixDecimals) << c.body;
    }
    if (!std::isnan(c.inclination)) {
      EXPECT_NEAR(Degrees(r.inclination), c.inclination, kSixDecimals) << c.body;
    }
  }
  EXPECT_EQ(T, 0.0);
  EXPECT_EQ(orbitTable[1].eccentricity, 0.20563175);
  EXPECT_EQ(orbitTable[1].semiMajorAxis, 0.38709831);
  EXPECT_EQ(orbitTable[3].inclination, 0.0);  // stored exactly, never evaluated
}

TEST(ComputeBodyElements, EarthOrientationLiesInTheEcliptic) {
  ComputeBodyElements(4, kJD2000);
  const OrbitRecord& r = orbitTable[3];
  EXPECT_EQ(r.orientP[2], 0.0);
  EXPECT_EQ(r.orientQ[2], 0.0);
  EXPECT_NEAR(Degrees(std::atan2(r.orientP[1], r.orientP[0])), 102.937348, kSixDecimals);
}

TEST(EvaluateElements, TouchesOnlyItsOwnFields) {
  ComputeBodyElements(5, kJD2000);
  const OrbitRecord sun = orbitTable[0];
  const OrbitRecord mars = orbitTable[4];
  for (int body : {1, 0, 11, -3}) EvaluateElements(body);  // nothing to do, nothing written
  EXPECT_EQ(orbitTable[0].semiMajorAxis, sun.semiMajorAxis);
  EXPECT_EQ(orbitTable[0].meanAnomaly, 0.0);
  orbitTable[4].orientP[0] = 42.0;  // the orientation is not an evaluated field
  T = 1.0;
  T2 = 1.0;
  EvaluateElements(5);
  EXPECT_EQ(orbitTable[4].orientP[0], 42.0);
  EXPECT_NE(orbitTable[4].meanAnomaly, mars.meanAnomaly);
}

TEST(ComputeBodyElements, FarDatesStoredAsComputed) {
  const double jd = CalendarToJD(99999, 1, 1);
  ComputeBodyElements(7, jd);
  EXPECT_NEAR(orbitTable[6].eccentricity, -0.905, 0.005);  // negative, not clamped
  ComputeBodyElements(10, jd);
  EXPECT_NEAR(Degrees(orbitTable[9].inclination), 360.0 - 25.12, 0.01);  // about -25 degrees, folded
  for (int year : {-99999, -4712, 0, 1582, 2000, 2100, 99999}) {
    for (int body = 2; body <= 10; ++body) {
      ComputeBodyElements(body, CalendarToJD(year, 1, 1));
      const double m = orbitTable[body - 1].meanAnomaly;
      EXPECT_TRUE(m >= 0.0 && m <= kTwoPi) << year << " body " << body << ": " << m;
    }
  }
}

struct PlaneAngleCase {
  double x, cosI, angle, tolerance;  // tolerance 0: the exact double
};

const PlaneAngleCase kPlaneAngles[] = {
    {0.5, 0.9, 0.5455526892939426, 0},
    {-0.5, 0.9, 5.7376326177060575, 0},  // = 6.283185307 - 0.5455526892939426
    {2.0, 0.9, 1.961512033934673, 0},
    {4.0, 0.9, 4.051629834565216, 0},
    {5.5, 0.9, 5.447405224002491, 0},
    {0.0, 0.9, 0.0, 0},
    {-2.0, 0.9, 6.283185307 - 1.961512033934673, 1e-12},  // a negative x counts as x + 2pi
    {1.57079632675, 0.9, 1.57079632675, 1e-9},  // tan of the truncated pi/2 is large, not infinite
    {2.0, 1.0, 2.0, 0},
    {5.5, 1.0, 5.5, 0},
    {-1.0, 1.0, 5.283185307, 0},
};

TEST(OrbitPlaneAngle, Table) {
  for (const PlaneAngleCase& c : kPlaneAngles) {
    const double got = OrbitPlaneAngle(c.x, c.cosI);
    if (c.tolerance == 0) {
      EXPECT_EQ(got, c.angle) << c.x << ", " << c.cosI;
    } else {
      EXPECT_NEAR(got, c.angle, c.tolerance) << c.x << ", " << c.cosI;
    }
  }
}

}  // namespace
}  // namespace skycalc
