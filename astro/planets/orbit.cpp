#include "astro/planets/orbit.h"

#include <cmath>
#include <limits>

#include "astro/base/body.h"
#include "astro/planets/elements.h"

namespace skycalc {

namespace {

constexpr int kMinimumSteps = 21;
constexpr double kSmallCorrection = 1e-6;

}  // namespace

void HeliocentricPosition(int body, double jd, double position[3]) {
  if (body == kSunBody) {
    position[0] = position[1] = position[2] = 0.0;
    return;
  }
  if (body < 2 || body > kOrbitBodies) {
    position[0] = position[1] = position[2] = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  const OrbitRecord r = BodyElements(body, jd);
  const double a = r.semiMajorAxis;
  const double e = r.eccentricity;
  double E = 0.0;
  SolveKeplerElliptic(e, r.meanAnomaly, E);
  const double x = a * (std::cos(E) - e);
  const double y = a * std::sqrt(1.0 - e * e) * std::sin(E);
  for (int k = 0; k < 3; ++k) position[k] = y * r.orientQ[k] + x * r.orientP[k];
}

void EarthPositionBySeries(double jd, double position[3]) {
  const EarthElements el = EarthElementsAt(jd);
  const double e = el.eccentricity, e2 = e * e, e3 = e2 * e;
  const double s = std::sin(el.meanAnomaly), c = std::cos(el.meanAnomaly);
  const double sin2 = 2.0 * s * c, sin3 = s * (3.0 - 4.0 * s * s);
  const double cos2 = 2.0 * c * c - 1.0, cos3 = c * (4.0 * c * c - 3.0);
  const double centre = (2.0 * e - e3 / 4.0) * s + 1.25 * e2 * sin2 + 13.0 / 12.0 * e3 * sin3;
  const double r = el.semiMajorAxis * (1.0 + e2 / 2.0 - (e - 3.0 / 8.0 * e3) * c - e2 / 2.0 * cos2 - 3.0 / 8.0 * e3 * cos3);
  const double longitude = el.perihelionLongitude + el.meanAnomaly + centre;
  position[0] = r * std::cos(longitude);
  position[1] = r * std::sin(longitude);
  position[2] = 0.0;
}

// With |e| < 1 the divisor 1 - e cos E stays above 1 - |e| > 0 and the corrections
// cannot keep moving E upward for ever, so the loop ends; one too small to move E
// ends it at once (see below). An |e| of 1 or more has no elliptic solution (and
// for e = 1 the first divisor can be 0): it is turned away before the loop.
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
    const double next = E + delta;
    ++steps;
    // A step is a function of E alone (e and M are fixed). Once it leaves E
    // exactly as it was, every remaining step would repeat it bit for bit, so
    // the loop's end result is already here: stopping saves most of the sines
    // without changing a bit. (Only for a huge M can that unmoving correction
    // exceed 1e-6; the loop without this stop never ended there.)
    if (next == E) break;
    E = next;
  } while (delta > kSmallCorrection || steps < kMinimumSteps);
}

}  // namespace skycalc
