#pragma once

#include <cstdint>

// Rectangular/spherical conversion and rotation between the ecliptic and the
// equatorial frame. Angles in radians.
namespace skycalc {

// (x, y, z) in any unit -> longitude [0, kTwoPi] (or -kHalfPi), latitude, radius.
void RectangularToSpherical(double x, double y, double z, double& lambda, double& beta, double& r);
// Longitude, latitude (radians) and radius -> (x, y, z) in the radius' unit.
void SphericalToRectangular(double lambda, double beta, double r, double& x, double& y, double& z);
// Direction (lambda, beta) rotated by theta about the x axis.
void RotateSphericalAboutX(double lambda, double beta, double theta, double& lambdaOut, double& betaOut);
// Direction (lambda, beta) rotated by theta about the z axis.
void RotateSphericalAboutZ(double lambda, double beta, double theta, double& lambdaOut, double& betaOut);
// Obliquity of the epochs 1900, 1950 and 2000 in radians; 0 for any other year.
double StandardObliquity(std::uint16_t epoch);
// Equatorial (alpha, delta) of a standard epoch -> ecliptic (lambda, beta).
void EquatorialToEcliptic(double alpha, double delta, std::uint16_t epoch, double& lambda, double& beta);
// Ecliptic (lambda, beta) of a standard epoch -> equatorial (alpha, delta).
void EclipticToEquatorial(double lambda, double beta, std::uint16_t epoch, double& alpha, double& delta);
// Mean obliquity of the date jd (days, UT), radians.
double ObliquityOfDate(double jd);
// Ecliptic of date -> equatorial of date at jd.
void EclipticToEquatorialOfDate(double lambda, double beta, double jd, double& alpha, double& delta);

}  // namespace skycalc
