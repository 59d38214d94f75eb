#include "astro/frames/ecliptic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "astro/base/constants.h"

namespace skycalc {
namespace {

struct VectorCase {
  double x, y, z, lambda, beta, r;
};

const VectorCase kRectangularToSphericalCases[] = {
    {0, 0, 0, 0, 0, 0},  // zero vector: all zero
    {0, 0, 1, 0, 1.57079632675, 1},
    {-1, 0, 0, 3.1415926535, 0, 1},
    {0, -1, 0, -1.57079632675, 0, 1},  // negative y axis keeps the negative longitude
    {1, 1, 1, 0.7853981633974483, 0.6154797086703875, 1.7320508075688772},
};

TEST(RectangularToSpherical, Table) {
  for (const VectorCase& c : kRectangularToSphericalCases) {
    double lambda, beta, r;
    RectangularToSpherical(c.x, c.y, c.z, lambda, beta, r);
    EXPECT_EQ(lambda, c.lambda) << c.x << ", " << c.y << ", " << c.z;
    EXPECT_EQ(beta, c.beta) << c.x << ", " << c.y << ", " << c.z;
    EXPECT_EQ(r, c.r) << c.x << ", " << c.y << ", " << c.z;
  }
}

const VectorCase kSphericalToRectangularCases[] = {
    {4.489659216976159e-11, 1, 0, 1.57079632675, 0, 1},  // the system's pi/2 is not a quarter turn
    {-2, 2 * std::sin(kPi), 0, 3.1415926535, 0, 2},      // nor its pi a half turn
};

TEST(SphericalToRectangular, Table) {
  for (const VectorCase& c : kSphericalToRectangularCases) {
    double x, y, z;
    SphericalToRectangular(c.lambda, c.beta, c.r, x, y, z);
    EXPECT_EQ(x, c.x) << c.lambda;
    EXPECT_EQ(y, c.y) << c.lambda;
    EXPECT_EQ(z, c.z) << c.lambda;
  }
}

struct DirectionCase {
  double lambda, beta, theta, lambdaOut, betaOut;
};

const DirectionCase kRotateSphericalAboutZCases[] = {
    {6.0, 0.1, 1.0, 0.7168146928204135, 0.1},  // wraps by the true turn, through the vector's angle
    {0.5, 0.1, -1.0, 5.783185307, 0.1},
};

TEST(RotateSphericalAboutZ, Table) {
  for (const DirectionCase& c : kRotateSphericalAboutZCases) {
    double lambda, beta;
    RotateSphericalAboutZ(c.lambda, c.beta, c.theta, lambda, beta);
    EXPECT_EQ(lambda, c.lambdaOut) << c.lambda << ", " << c.theta;
    EXPECT_EQ(beta, c.betaOut) << c.lambda << ", " << c.theta;
  }
}

struct EpochCase {
  std::uint16_t epoch;
  double radians;
};

const EpochCase kStandardObliquityCases[] = {
    {1900, 0.40931974237255697}, {1950, 0.4092060741398327}, {2000, 0.4090928022713815},
    {1999, 0.0},                 {0, 0.0},
};

TEST(StandardObliquity, Table) {
  for (const EpochCase& c : kStandardObliquityCases) EXPECT_EQ(StandardObliquity(c.epoch), c.radians) << c.epoch;
}

struct FrameCase {
  double lon, lat;
  std::uint16_t epoch;
  double lonOut, latOut, tolerance;  // tolerance 0: bit for bit
};

const FrameCase kEclipticToEquatorialCases[] = {
    {1.57079632675, 0, 2000, 1.5707963267459621, 0.4090928022713815, 0},  // declination = obliquity
    {0.3, 0.2, 2000, 0.19682558897721428, 0.30205577408208384, 0},
    {0.3, 0.2, 1999, 0.3, 0.2, 1e-16},  // unknown epoch: no rotation
};

const FrameCase kEquatorialToEclipticCases[] = {
    {0, 1.57079632675, 2000, 1.570796326682028, 1.1617035245235152, 0},  // celestial pole
    {0.19682558897721428, 0.30205577408208384, 2000, 0.3, 0.2, 1e-16},  // back again
    {0.3, 0.2, 1999, 0.3, 0.2, 1e-16},
};

void ExpectDirection(const FrameCase& c, double lon, double lat) {
  SCOPED_TRACE(testing::Message() << c.lon << ", " << c.lat << " @" << c.epoch);
  if (c.tolerance == 0) {
    EXPECT_EQ(lon, c.lonOut);
    EXPECT_EQ(lat, c.latOut);
  } else {
    EXPECT_NEAR(lon, c.lonOut, c.tolerance);
    EXPECT_NEAR(lat, c.latOut, c.tolerance);
  }
}

TEST(EclipticToEquatorial, Table) {
  for (const FrameCase& c : kEclipticToEquatorialCases) {
    double alpha, delta;
    EclipticToEquatorial(c.lon, c.lat, c.epoch, alpha, delta);
    ExpectDirection(c, alpha, delta);
  }
}

TEST(EquatorialToEcliptic, Table) {
  for (const FrameCase& c : kEquatorialToEclipticCases) {
    double lambda, beta;
    EquatorialToEcliptic(c.lon, c.lat, c.epoch, lambda, beta);
    ExpectDirection(c, lambda, beta);
  }
}

struct ObliquityCase {
  double jd, radians, degrees;  // radians < 0: only the degrees are printed
};

const ObliquityCase kObliquityOfDateCases[] = {
    {2415020.0, 0.4093197474340118, 23.452294},
    {2451545.0, 0.40909261662070895, 23.439280363},  // T = 1
    {2488070.0, -1, 23.426266464},                   // T = 2
    {2378495.0, -1, 23.465304357},                   // T = -1
};

TEST(ObliquityOfDate, Table) {
  for (const ObliquityCase& c : kObliquityOfDateCases) {
    const double eps = ObliquityOfDate(c.jd);
    if (c.radians >= 0) {
      EXPECT_EQ(eps, c.radians) << c.jd;
    }
    EXPECT_NEAR(eps / kDegToRad, c.degrees, 5e-10) << c.jd;
  }
}

TEST(EclipticToEquatorialOfDate, RotatesByTheObliquityOfThatDate) {
  double alpha, delta;
  EclipticToEquatorialOfDate(1.57079632675, 0, 2451545.0, alpha, delta);
  EXPECT_NEAR(delta, 0.40909261662070895, 1e-15);
  EXPECT_NEAR(alpha, kHalfPi, 1e-10);
}

}  // namespace
}  // namespace skycalc
