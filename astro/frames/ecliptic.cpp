#include "astro/frames/ecliptic.h"

#include <cmath>

#include "astro/base/angles.h"
#include "astro/base/constants.h"

namespace skycalc {

namespace {

// Obliquity of each standard epoch: the degree values times kDegToRad.
struct EpochObliquity {
  std::uint16_t epoch;
  double radians;
};
constexpr EpochObliquity kStandardObliquities[] = {
    {1900, 0.40931974237255697},  // 23.45229371 deg
    {1950, 0.4092060741398327},   // 23.445781 deg
    {2000, 0.4090928022713815},   // 23.439291 deg
};

// Mean obliquity polynomial in Julian centuries from 1900 January 0.5, degrees.
constexpr double kObliquity0 = 23.452294;
constexpr double kObliquity1 = 0.0130125;
constexpr double kObliquity2 = 1.64e-06;
constexpr double kObliquity3 = 5.03e-07;

// A direction rotated as a unit vector by one of the axis rotations and read back.
using AxisRotation = void (*)(double, double, double, double, double&, double&, double&);
void RotateSpherical(AxisRotation rotate, double lambda, double beta, double theta, double& lambdaOut,
                     double& betaOut) {
  double x, y, z;
  DirectionVector(lambda, beta, x, y, z);
  double xr, yr, zr;
  rotate(x, y, z, theta, xr, yr, zr);
  lambdaOut = AngleOfXY(xr, yr);
  betaOut = ArcSin(zr);
}

}  // namespace

// (x, y, z) -> longitude [0, kTwoPi] (or -kHalfPi on the negative y axis), latitude, radius; zero vector -> 0s.
void RectangularToSpherical(double x, double y, double z, double& lambda, double& beta, double& r) {
  lambda = AngleOfXY(x, y);
  r = std::sqrt(x * x + y * y + z * z);
  if (r == 0.0) {
    beta = 0.0;
    r = 0.0;
    return;
  }
  beta = ArcSin(z / r);
}

// Longitude, latitude (radians) and radius -> (x, y, z) in the radius' unit.
void SphericalToRectangular(double lambda, double beta, double r, double& x, double& y, double& z) {
  const double cb = std::cos(beta);
  x = cb * std::cos(lambda) * r;
  y = r * (cb * std::sin(lambda));
  z = r * std::sin(beta);
}

// Direction turned by theta radians about the x axis (the shared equinox axis).
void RotateSphericalAboutX(double lambda, double beta, double theta, double& lambdaOut, double& betaOut) {
  RotateSpherical(RotateAboutX, lambda, beta, theta, lambdaOut, betaOut);
}

// Direction turned by theta radians about the z axis (the pole).
void RotateSphericalAboutZ(double lambda, double beta, double theta, double& lambdaOut, double& betaOut) {
  RotateSpherical(RotateAboutZ, lambda, beta, theta, lambdaOut, betaOut);
}

// Obliquity of 1900, 1950 or 2000 in radians; 0 for any other epoch.
double StandardObliquity(std::uint16_t epoch) {
  for (const EpochObliquity& row : kStandardObliquities) {
    if (row.epoch == epoch) return row.radians;
  }
  return 0.0;
}

// Equatorial (alpha, delta) -> ecliptic (lambda, beta) of a standard epoch, radians.
void EquatorialToEcliptic(double alpha, double delta, std::uint16_t epoch, double& lambda, double& beta) {
  RotateSphericalAboutX(alpha, delta, -StandardObliquity(epoch), lambda, beta);
}

// Ecliptic (lambda, beta) -> equatorial (alpha, delta) of a standard epoch, radians.
void EclipticToEquatorial(double lambda, double beta, std::uint16_t epoch, double& alpha, double& delta) {
  RotateSphericalAboutX(lambda, beta, StandardObliquity(epoch), alpha, delta);
}

// Mean obliquity of the date jd (days, UT) in radians.
double ObliquityOfDate(double jd) {
  const double t = (jd - kJD1900) * kInvCentury;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double degrees = kObliquity0 - kObliquity1 * t - kObliquity2 * t2 + kObliquity3 * t3;
  return degrees * kDegToRad;
}

// Ecliptic of date -> equatorial of date at jd, radians.
void EclipticToEquatorialOfDate(double lambda, double beta, double jd, double& alpha, double& delta) {
  RotateSphericalAboutX(lambda, beta, ObliquityOfDate(jd), alpha, delta);
}

}  // namespace skycalc
