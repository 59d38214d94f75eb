#include "astro/planets/orbit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "astro/base/body.h"
#include "astro/base/constants.h"
#include "astro/planets/elements.h"
#include "astro/time/julian_day.h"
#include "tests/support/test_random.h"

namespace skycalc {
namespace {

constexpr double kNineDecimals = 5e-10;  // half the last printed digit of an AU

struct PositionCase {
  int body;
  double jd, x, y, z;
};

const PositionCase kPositions[] = {
    {1, kJD2000, 0.0, 0.0, 0.0},
    {4, kJD2000, -0.177204606, 0.967209406, 0.0},
    {2, kJD2000, -0.128787392, -0.447655713, -0.024747848},
    {3, kJD2000, -0.718324819, -0.032384831, 0.041020357},
    {5, kJD2000, 1.390599383, -0.014159238, -0.034475589},
    {6, kJD2000, 3.998777784, 2.944712920, -0.101627842},
    {7, kJD2000, 6.428835206, 6.544635226, -0.370125284},
    {8, kJD2000, 14.629632532, -13.526107147, -0.240091057},
    {9, kJD2000, 16.590423746, -25.207093161, 0.136746913},
    {10, kJD2000, -10.945321788, -27.482477968, 6.110543207},
    {4, 2451910.5, -0.181628300, 0.966385910, 0.0},
};

TEST(HeliocentricPosition, Table) {
  for (const PositionCase& c : kPositions) {
    double p[3];
    HeliocentricPosition(c.body, c.jd, p);
    EXPECT_NEAR(p[0], c.x, kNineDecimals) << c.body;
    EXPECT_NEAR(p[1], c.y, kNineDecimals) << c.body;
    EXPECT_NEAR(p[2], c.z, kNineDecimals) << c.body;
  }
}

TEST(HeliocentricPosition, SunLeavesTheElementStateAlone) {
  double p[3];
  HeliocentricPosition(5, 2460000.5, p);
  const double t = T;
  HeliocentricPosition(1, kJD2000, p);
  EXPECT_EQ(T, t);
  for (int body : {0, 11}) {  // no orbit record: NaN, nothing read past the table
    HeliocentricPosition(body, kJD2000, p);
    EXPECT_TRUE(std::isnan(p[0]) && std::isnan(p[1]) && std::isnan(p[2])) << body;
  }
}

TEST(HeliocentricPosition, EarthStaysInTheEcliptic) {
  for (int year : {-99999, -4712, 0, 1582, 2100, 99999}) {
    double p[3];
    HeliocentricPosition(4, CalendarToJD(year, 6, 1), p);
    EXPECT_EQ(p[2], 0.0) << year;
  }
}

// The series Earth against its Kepler place from the same elements, every 97 days over 1000-3000:
// within 0.1" in direction and 1e-7 AU in distance (the e^4 terms and the Kepler place's folding of
// its angles by the truncated circle), and
// the element state untouched.
TEST(EarthPositionBySeries, FollowsTheKeplerPlace) {
  double worstAngle = 0.0, worstDistance = 0.0;
  for (double jd = CalendarToJD(1000, 1, 1); jd < CalendarToJD(3000, 1, 1); jd += 97.0) {
    double kepler[3], series[3];
    HeliocentricPosition(kEarthBody, jd, kepler);
    const double t = T;
    EarthPositionBySeries(jd, series);
    ASSERT_EQ(T, t);
    const double cross = kepler[0] * series[1] - kepler[1] * series[0];
    const double dot = kepler[0] * series[0] + kepler[1] * series[1];
    worstAngle = std::fmax(worstAngle, std::fabs(std::atan2(cross, dot)));
    worstDistance = std::fmax(worstDistance, std::fabs(std::hypot(series[0], series[1]) - std::hypot(kepler[0], kepler[1])));
    EXPECT_EQ(series[2], 0.0);
  }
  EXPECT_LT(worstAngle / kExactDegToRad * 3600.0, 0.1);
  EXPECT_LT(worstDistance, 1e-7);
  EXPECT_GT(worstAngle, 0.0);  // a different computation, not the same one
}

struct KeplerCase {
  double e, M, E, tolerance;  // tolerance 0: the exact double
};

const KeplerCase kKepler[] = {
    {0.5, 1.0, 1.498701133518, 5e-13},
    {0.1, 0.5, 0.552479986907, 5e-13},
    {0.0, 2.5, 2.5, 0},
    {0.3, 0.0, 0.0, 0},
    {0.3, 3.141592653589793, 3.141592653589793, 0},  // the double nearest pi is a fixed point
};

TEST(SolveKeplerElliptic, Table) {
  for (const KeplerCase& c : kKepler) {
    double E = -1.0;
    SolveKeplerElliptic(c.e, c.M, E);
    if (c.tolerance == 0) {
      EXPECT_EQ(E, c.E) << c.e << ", " << c.M;
    } else {
      EXPECT_NEAR(E, c.E, c.tolerance) << c.e << ", " << c.M;
    }
  }
}

TEST(SolveKeplerElliptic, TruncatedPiIsNotAFixedPoint) {
  // M falls short of pi by about 9e-11; near pi the equation moves E by e/(1+e) of that.
  for (double e : {0.2, 0.5}) {
    double E = 0.0;
    SolveKeplerElliptic(e, kPi, E);
    const double shortfall = 3.141592653589793 - kPi;
    EXPECT_NEAR(E - kPi, shortfall * e / (1 + e), 1e-15) << e;
    EXPECT_GT(E - kPi, 1e-11) << e;
  }
}

TEST(SolveKeplerElliptic, SolvesTheEquation) {
  for (double e : {-0.91, -0.5, 0.05, 0.25, 0.9}) {
    for (double M : {0.0, 0.3, 1.7, 3.0, 4.5, 6.28}) {
      double E = 0.0;
      SolveKeplerElliptic(e, M, E);
      EXPECT_NEAR(E - e * std::sin(E), M, 1e-12) << e << ", " << M;
    }
  }
}

TEST(SolveKeplerElliptic, NoEllipseGivesNaNWithoutLooping) {
  for (double e : {1.0, 1.5, -1.0, -3.0, std::nan("")}) {
    double E = 0.0;
    SolveKeplerElliptic(e, 0.0, E);  // 1 - e cos E would be 0 at once for e = 1
    EXPECT_TRUE(std::isnan(E)) << e;
  }
  double E = 0.0;
  SolveKeplerElliptic(0.2, std::nan(""), E);  // a NaN correction ends the loop
  EXPECT_TRUE(std::isnan(E));
}

// The solver stops once a step leaves E unchanged; the result must be the
// one the full loop (at least 21 steps, then until a correction <= 1e-6) gives,
// bit for bit, over the eccentricities and anomalies the orbits meet and beyond.
TEST(SolveKeplerElliptic, StoppingAtTheFixedPointGivesTheFullLoopsResult) {
  const auto fullLoop = [](double e, double M) {
    double E = M + e * std::sin(M);
    double delta = 0.0;
    int steps = 0;
    do {
      delta = (e * std::sin(E) + (M - E)) / (1.0 - e * std::cos(E));
      E = E + delta;
      ++steps;
    } while (delta > 1e-6 || steps < 21);
    return E;
  };
  TestRandom random(2026);
  const auto uniform = [&random] { return random.Unit(); };
  for (int i = 0; i < 200000; ++i) {
    const double e = i % 4 == 0 ? uniform() * 0.99 : uniform() * 0.26;
    const double M = (uniform() * 4.0 - 1.0) * kTwoPi;
    double E = 0.0;
    SolveKeplerElliptic(e, M, E);
    ASSERT_EQ(E, fullLoop(e, M)) << "e " << e << ", M " << M;
  }
}

// A mean anomaly so large that no correction can move E used to loop for
// ever: the correction stayed above 1e-6 while E + correction == E.
TEST(SolveKeplerElliptic, HugeMeanAnomalyEnds) {
  double E = 0.0;
  const double M = 1.000000000000001e20;  // sin M > 0: a positive correction too small to move E
  SolveKeplerElliptic(0.2, M, E);
  EXPECT_EQ(E, M);
}

TEST(SolveKeplerElliptic, MercuryAtJ2000) {
  ComputeBodyElements(2, kJD2000);
  double E = 0.0;
  SolveKeplerElliptic(orbitTable[1].eccentricity, orbitTable[1].meanAnomaly, E);
  EXPECT_NEAR(E * kRadToDeg, 175.662492, 5e-7);
}

// A place is a getter: the model's Locate (const) used to leave the record
// of its body in orbitTable and its centuries in T, a hidden write that two
// readers of one model could race on.
TEST(HeliocentricPosition, LeavesTheOrbitTableAlone) {
  ComputeBodyElements(5, kJD2000);
  const OrbitRecord mars = orbitTable[4], earth = orbitTable[3];
  double p[3];
  HeliocentricPosition(5, kJD2000 + 4000.0, p);
  HeliocentricPosition(kEarthBody, kJD2000 + 4000.0, p);
  EXPECT_EQ(T, 0.0);
  EXPECT_EQ(orbitTable[4].meanAnomaly, mars.meanAnomaly);
  EXPECT_EQ(orbitTable[3].meanAnomaly, earth.meanAnomaly);
}

}  // namespace
}  // namespace skycalc
