#include "astro/frames/ecliptic.h"

#include <cmath>

#include "astro/base/angles.h"
#include "astro/base/constants.h"

namespace skycalc {

namespace {

// Obliquity of each standard epoch: the degree values times kDegToRad (2000: the
// IAU 1976 value, 23 deg 26' 21.448").
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
// Reference: Newcomb, 23 deg 27' 08.26" - 46.845" T - 0.0059" T^2 + 0.00181" T^3 (Explanatory
// Supplement to the Astronomical Ephemeris, 1961), here in degrees.
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

void RectangularToSpherical(double x, double y, double z, double& lambda, double& beta, double& r) {
  lambda = AngleOfXY(x, y);
  r = std::sqrt(x * x + y * y + z * z);
  if (r == 0.0) {  // no direction: z / r would be 0 / 0
    beta = 0.0;
    r = 0.0;
    return;
  }
  beta = ArcSin(z / r);
}

void SphericalToRectangular(double lambda, double beta, double r, double& x, double& y, double& z) {
  const double cb = std::cos(beta);
  x = cb * std::cos(lambda) * r;
  y = r * (cb * std::sin(lambda));
  z = r * std::sin(beta);
}

void RotateSphericalAboutX(double lambda, double beta, double theta, double& lambdaOut, double& betaOut) {
  RotateSpherical(RotateAboutX, lambda, beta, theta, lambdaOut, betaOut);
}

void RotateSphericalAboutZ(double lambda, double beta, double theta, double& lambdaOut, double& betaOut) {
  RotateSpherical(RotateAboutZ, lambda, beta, theta, lambdaOut, betaOut);
}

double StandardObliquity(std::uint16_t epoch) {
  for (const EpochObliquity& row : kStandardObliquities) {
    if (row.epoch == epoch) return row.radians;
  }
  return 0.0;
}

void EquatorialToEcliptic(double alpha, double delta, std::uint16_t epoch, double& lambda, double& beta) {
  RotateSphericalAboutX(alpha, delta, -StandardObliquity(epoch), lambda, beta);
}

void EclipticToEquatorial(double lambda, double beta, std::uint16_t epoch, double& alpha, double& delta) {
  RotateSphericalAboutX(lambda, beta, StandardObliquity(epoch), alpha, delta);
}

double ObliquityOfDate(double jd) {
  const double t = (jd - kJD1900) * kInvCentury;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double degrees = kObliquity0 - kObliquity1 * t - kObliquity2 * t2 + kObliquity3 * t3;
  return degrees * kDegToRad;
}

void EclipticToEquatorialOfDate(double lambda, double beta, double jd, double& alpha, double& delta) {
  RotateSphericalAboutX(lambda, beta, ObliquityOfDate(jd), alpha, delta);
}

}  // namespace skycalc
