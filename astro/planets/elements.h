#pragma once

// Mean orbital elements of the Earth and planets (mean ecliptic and equinox of
// date). Body numbers: 1 Sun, 2 Mercury, 3 Venus, 4 Earth, 5 Mars, 6 Jupiter,
// 7 Saturn, 8 Uranus, 9 Neptune, 10 Pluto (11 Moon has no record).
namespace skycalc {

struct OrbitRecord {
  double semiMajorAxis = 0.0;  // a, AU
  double eccentricity = 0.0;   // e
  double argPerihelion = 0.0;  // omega, radians [0, kTwoPi)
  double node = 0.0;           // Omega, radians [0, kTwoPi)
  double inclination = 0.0;    // i, radians [0, kTwoPi)
  double orientP[3] = {0.0, 0.0, 0.0};  // unit vector to perihelion, ecliptic of date
  double orientQ[3] = {0.0, 0.0, 0.0};  // unit vector 90 degrees ahead in the orbit plane
  double meanAnomaly = 0.0;    // M, radians [0, kTwoPi)
};

inline constexpr int kOrbitBodies = 10;

// Julian centuries since J2000.0 of the last evaluation, and its square.
extern double T;
extern double T2;
// Records of bodies 1 to 10 at orbitTable[body - 1]; all zero at start.
extern OrbitRecord orbitTable[kOrbitBodies];

// Sets T and T2 from jd (days, UT) and evaluates body's (2-10) record with its orientation.
void ComputeBodyElements(int body, double jd);
// Evaluates the element polynomials of body 2-10 at T, T2; other bodies untouched.
void EvaluateElements(int body);
// Gaussian vectors P and Q from omega, Omega, i (radians).
void OrbitOrientation(double argPerihelion, double node, double inclination, double P[3], double Q[3]);
// In-plane angle [0, kTwoPi) of a point x radians (-kTwoPi, kTwoPi) past the node, orbit cos(i) = cosI.
double OrbitPlaneAngle(double x, double cosI);

}  // namespace skycalc
