#pragma once

#include <cmath>

// Angle and vector primitives. Radians unless a name says degrees; results
// through output references in the order listed.
namespace skycalc {

// Angle of the point (x, y), x first: [0, kTwoPi], the top reached from a tiny negative y; (0, y<0)
// gives -kHalfPi, the one result below 0, and (0, 0) gives 0. A NaN in either, or two infinities, gives NaN.
double AngleOfXY(double x, double y);
// Arc sine in the arc tangent form: [-kHalfPi, kHalfPi]. |x| from 1 to kArcSinBound (rounding past 1)
// gives +-kHalfPi, |x| beyond it (infinities too) gives 0; a NaN passes through.
double ArcSin(double x);
// Degrees folded into [0, 360] by floor with the 1/360 multiplier; 360 itself comes from tiny negatives.
// Beyond four turns either way the fold rounds: just short of a whole turn the result can land up to
// about |x| * 2e-16 outside the range. A negative subnormal comes back as is; an infinity gives NaN;
// a NaN passes through.
double ReduceDegrees(double x);
// Radians folded into [0, kTwoPi] by floor with the 1/kTwoPi multiplier; kTwoPi itself comes from tiny
// negatives. Beyond four turns either way the fold rounds: just short of a whole turn the result can
// land up to about |x| * 2e-16 below 0 or above kTwoPi. A negative subnormal comes back as is; an
// infinity gives NaN; a NaN passes through. Ranges built on this fold inherit these edges.
double ReduceRadians(double x);
// Rotates the plane pair (a, b) counter-clockwise by theta (radians).
void RotatePair(double a, double b, double theta, double& aOut, double& bOut);
// Rotates the vector (x, y, z) by theta (radians) about the x axis, right-handed; x is kept.
void RotateAboutX(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut);
// Rotates the vector (x, y, z) by theta (radians) about the z axis, right-handed; z is kept.
void RotateAboutZ(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut);
// Unit vector of longitude lambda and latitude beta (radians).
void DirectionVector(double lambda, double beta, double& x, double& y, double& z);

// std::fmod(x, whole), bit for bit, for whole a positive whole number below
// 2^31 (360, the arcseconds of a turn), without the library's call, which
// was a tenth of a series evaluation. For |x| < 2^40 the quotient's
// truncation n is the true one or one more (x / whole rounds up to an
// integer at most), n * whole is a whole number below 2^53, so exact, and
// x - n * whole is a multiple of x's unit in the last place no larger than
// |x| or whole, so exact too; the one correction then adds the exact
// remainder's complement and lands on it. Other x (NaN, infinities) go to
// the library.
inline double FmodByWhole(double x, double whole) {
  if (!(std::fabs(x) < 1099511627776.0)) return std::fmod(x, whole);
  const double n = static_cast<double>(static_cast<long long>(x / whole));
  double r = x - n * whole;
  if (x >= 0.0 ? r < 0.0 : r > 0.0) r += x >= 0.0 ? whole : -whole;
  return r == 0.0 ? std::copysign(0.0, x) : r;
}

// cos and sin of k times an angle, k = -K ... K, into c[K + k] and s[K + k],
// by angle addition from the angle's own cosine c1 and sine s1 (the series
// of the searches build their terms' arguments from these).
template <int K>
inline void AngleMultiples(double c1, double s1, double (&c)[2 * K + 1], double (&s)[2 * K + 1]) {
  c[K] = 1.0;
  s[K] = 0.0;
  for (int k = 1; k <= K; ++k) {
    const double ck = c[K + k - 1] * c1 - s[K + k - 1] * s1;
    const double sk = s[K + k - 1] * c1 + c[K + k - 1] * s1;
    c[K + k] = ck;
    s[K + k] = sk;
    c[K - k] = ck;
    s[K - k] = -sk;
  }
}

}  // namespace skycalc
