#pragma once

// Angle and vector primitives. Radians unless a name says degrees; results
// through output references in the order listed.
namespace skycalc {

// Angle of the point (x, y), x first: [0, kTwoPi]; (0, y<0) gives -kHalfPi.
double AngleOfXY(double x, double y);
// Arc sine in the arc tangent form: [-kHalfPi, kHalfPi]; 0 beyond |x| > kArcSinBound.
double ArcSin(double x);
// Degrees folded into [0, 360] by floor with the 1/360 multiplier.
double ReduceDegrees(double x);
// Radians folded into [0, kTwoPi] by floor with the 1/kTwoPi multiplier.
double ReduceRadians(double x);
// Rotates the plane pair (a, b) counter-clockwise by theta (radians).
void RotatePair(double a, double b, double theta, double& aOut, double& bOut);
// Rotates the vector (x, y, z) by theta (radians) about the x axis, right-handed.
void RotateAboutX(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut);
// Rotates the vector (x, y, z) by theta (radians) about the z axis, right-handed.
void RotateAboutZ(double x, double y, double z, double theta, double& xOut, double& yOut, double& zOut);
// Unit vector of longitude lambda and latitude beta (radians).
void DirectionVector(double lambda, double beta, double& x, double& y, double& z);

}  // namespace skycalc
