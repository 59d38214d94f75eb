#include "astro/planets/orbit.h"

#include <cmath>
#include <limits>

#include "astro/planets/elements.h"

namespace skycalc {

namespace {

constexpr int kSun = 1;
constexpr int kMinimumSteps = 21;
constexpr double kSmallCorrection = 1e-6;

}  // namespace

// Body 1-10 at jd (days, UT) -> heliocentric ecliptic-of-date x, y, z in AU; the Sun
// is the origin and leaves the element state alone. A number with no orbit record
// gives NaN rather than reading past the table.
void HeliocentricPosition(int body, double jd, double position[3]) {
  if (body == kSun) {
    position[0] = position[1] = position[2] = 0.0;
    return;
  }
  if (body < 2 || body > kOrbitBodies) {
    position[0] = position[1] = position[2] = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  ComputeBodyElements(body, jd);
  const OrbitRecord& r = orbitTable[body - 1];
  const double a = r.semiMajorAxis;
  const double e = r.eccentricity;
  double E = 0.0;
  SolveKeplerElliptic(e, r.meanAnomaly, E);
  const double x = a * (std::cos(E) - e);
  const double y = a * std::sqrt(1.0 - e * e) * std::sin(E);
  for (int k = 0; k < 3; ++k) position[k] = y * r.orientQ[k] + x * r.orientP[k];
}

// Newton's method on E - e sin E = M (radians). At least 21 steps, then it stops
// after the first correction not above 1e-6 (a negative or NaN one counts as small).
// With |e| < 1 the divisor 1 - e cos E stays above 1 - |e| > 0 and the corrections
// cannot stay positive for ever, so the loop ends. An |e| of 1 or more has no
// elliptic solution: E is NaN at once, which carries through like any invalid value.
void SolveKeplerElliptic(double e, double M, double& E) {
  if (!(e < 1.0 && e > -1.0)) {
    E = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  E = M + e * std::sin(M);
  double delta = 0.0;
  int steps = 0;
  do {
    delta = (e * std::sin(E) + (M - E)) / (1.0 - e * std::cos(E));
    E = E + delta;
    ++steps;
  } while (delta > kSmallCorrection || steps < kMinimumSteps);
}

}  // namespace skycalc
