#pragma once

#include <cstdint>

// Rectangular/spherical conversion and rotation between the ecliptic and the
// equatorial frame. Angles in radians.
namespace skycalc {

// (x, y, z) in any unit -> longitude [0, kTwoPi] (-kHalfPi on the negative y axis, as AngleOfXY),
// latitude [-kHalfPi, kHalfPi], radius. The zero vector gives 0, 0, 0; on the z axis the longitude
// is 0. A NaN component makes latitude and radius NaN, and the longitude too unless it is z.
void RectangularToSpherical(double x, double y, double z, double& lambda, double& beta, double& r);
// Longitude, latitude (radians) and radius -> (x, y, z) in the radius' unit.
void SphericalToRectangular(double lambda, double beta, double r, double& x, double& y, double& z);
// Direction (lambda, beta) rotated by theta about the x axis (the equinox line; theta = the obliquity
// turns ecliptic into equatorial), right-handed: lambdaOut [0, kTwoPi], betaOut [-kHalfPi, kHalfPi].
// A NaN argument gives NaN.
void RotateSphericalAboutX(double lambda, double beta, double theta, double& lambdaOut, double& betaOut);
// Direction (lambda, beta) rotated by theta about the z axis, right-handed: lambdaOut [0, kTwoPi]
// (-kHalfPi should the turned x come out exactly 0 with y < 0, as AngleOfXY), betaOut [-kHalfPi,
// kHalfPi]. A NaN argument gives NaN.
void RotateSphericalAboutZ(double lambda, double beta, double theta, double& lambdaOut, double& betaOut);
// Obliquity of the epochs 1900, 1950 and 2000 in radians; 0 for any other year.
double StandardObliquity(std::uint16_t epoch);
// Equatorial (alpha, delta) of a standard epoch -> ecliptic (lambda, beta), ranges as
// RotateSphericalAboutX. Any other epoch gives obliquity 0: the direction is not rotated, only
// passed through its unit vector (longitude folded into [0, kTwoPi], last bits may change).
void EquatorialToEcliptic(double alpha, double delta, std::uint16_t epoch, double& lambda, double& beta);
// Ecliptic (lambda, beta) of a standard epoch -> equatorial (alpha, delta); other epochs as above.
void EclipticToEquatorial(double lambda, double beta, std::uint16_t epoch, double& alpha, double& delta);
// Mean obliquity of the date jd (days, UT used as is), radians; a NaN or infinite jd gives NaN.
double ObliquityOfDate(double jd);
// Ecliptic of date -> equatorial of date at jd (days, UT), turned by ObliquityOfDate(jd); ranges as
// RotateSphericalAboutX.
void EclipticToEquatorialOfDate(double lambda, double beta, double jd, double& alpha, double& delta);

}  // namespace skycalc
