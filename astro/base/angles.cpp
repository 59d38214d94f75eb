#include "astro/base/angles.h"

#include <cmath>

#include "astro/base/constants.h"

namespace skycalc {

double AngleOfXY(double x, double y) {
  // x == 0 is settled before the division: y / 0 would hand atan an infinity (and get
  // the true pi/2 back, not kHalfPi) or, for y == 0, a NaN.
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

// The arc tangent form rather than std::asin: the readouts follow its rounding, which can
// differ in the last bit (at 0.5 it is one ulp above the double nearest pi/6).
double ArcSin(double x) {
  if (std::fabs(x) < 1.0) return std::atan(x / std::sqrt(1.0 - x * x));
  if (x >= 1.0 && x <= kArcSinBound) return kHalfPi;
  if (x <= -1.0 && x >= -kArcSinBound) return -kHalfPi;
  if (std::fabs(x) > kArcSinBound) return 0.0;
  return x;  // not a number: passed on rather than read as a zero angle
}

// Both folds multiply by the rounded reciprocal instead of dividing: the readouts follow
// that rounding.
double ReduceDegrees(double x) { return x - std::floor(x * kInv360) * 360.0; }

double ReduceRadians(double x) { return x - std::floor(x * kInvTwoPi) * kTwoPi; }

void RotatePair(double a, double b, double theta, double& aOut, double& bOut) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  aOut = a * c - b * s;
  bOut = a * s + b * c;
}

void RotateAboutX(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut) {
  xOut = x;
  RotatePair(y, z, theta, yOut, zOut);
}

void RotateAboutZ(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut) {
  RotatePair(x, y, theta, xOut, yOut);
  zOut = z;
}

void DirectionVector(double lambda, double beta, double& x, double& y, double& z) {
  const double cb = std::cos(beta);
  x = cb * std::cos(lambda);
  y = cb * std::sin(lambda);
  z = std::sin(beta);
}

}  // namespace skycalc
