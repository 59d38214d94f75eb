#include "astro/base/angles.h"

#include <cmath>

#include "astro/base/constants.h"

namespace skycalc {

// Angle of (x, y) in radians, [0, kTwoPi]; x == 0 gives +-kHalfPi or 0, so (0, y<0) is -kHalfPi.
double AngleOfXY(double x, double y) {
  if (x == 0.0) {
    if (y > 0.0) return kHalfPi;
    if (y < 0.0) return -kHalfPi;
    if (y == 0.0) return 0.0;
    return y;  // not a number: passed on rather than read as the origin
  }
  const double a = std::atan(y / x);
  if (x < 0.0) return a + kPi;
  if (y < 0.0) return a + kTwoPi;
  return a;
}

// Arc sine in radians, [-kHalfPi, kHalfPi]; rounding just past +-1 clamps, anything further gives 0.
double ArcSin(double x) {
  if (std::fabs(x) < 1.0) return std::atan(x / std::sqrt(1.0 - x * x));
  if (x >= 1.0 && x <= kArcSinBound) return kHalfPi;
  if (x <= -1.0 && x >= -kArcSinBound) return -kHalfPi;
  if (std::fabs(x) > kArcSinBound) return 0.0;
  return x;  // not a number: passed on rather than read as a zero angle
}

// Degrees folded into [0, 360] (360 itself is reachable from tiny negatives).
double ReduceDegrees(double x) { return x - std::floor(x * kInv360) * 360.0; }

// Radians folded into [0, kTwoPi] (kTwoPi itself is reachable from tiny negatives).
double ReduceRadians(double x) { return x - std::floor(x * kInvTwoPi) * kTwoPi; }

// Plane pair (a, b) turned counter-clockwise by theta radians.
void RotatePair(double a, double b, double theta, double& aOut, double& bOut) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  aOut = a * c - b * s;
  bOut = a * s + b * c;
}

// Vector turned by theta radians about the x axis, right-handed; x is kept.
void RotateAboutX(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut) {
  xOut = x;
  RotatePair(y, z, theta, yOut, zOut);
}

// Vector turned by theta radians about the z axis, right-handed; z is kept.
void RotateAboutZ(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut) {
  RotatePair(x, y, theta, xOut, yOut);
  zOut = z;
}

// Unit vector of longitude lambda and latitude beta (radians).
void DirectionVector(double lambda, double beta, double& x, double& y, double& z) {
  const double cb = std::cos(beta);
  x = cb * std::cos(lambda);
  y = cb * std::sin(lambda);
  z = std::sin(beta);
}

}  // namespace skycalc
