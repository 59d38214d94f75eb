#pragma once

// Mean orbital elements of the Earth and planets (mean ecliptic and equinox of
// date). Body numbers: 1 Sun, 2 Mercury, 3 Venus, 4 Earth, 5 Mars, 6 Jupiter,
// 7 Saturn, 8 Uranus, 9 Neptune, 10 Pluto (11 Moon has no record).
namespace skycalc {

struct OrbitRecord {
  double semiMajorAxis = 0.0;  // a, AU
  double eccentricity = 0.0;   // e, as the polynomial gives it: far from 2000 it can leave [0, 1)
  double argPerihelion = 0.0;  // omega, radians [0, kTwoPi]
  double node = 0.0;           // Omega, radians [0, kTwoPi]
  double inclination = 0.0;    // i, radians [0, kTwoPi]; a negative i is stored folded (-25 deg as 335)
  double orientP[3] = {0.0, 0.0, 0.0};  // unit vector to perihelion, ecliptic of date
  double orientQ[3] = {0.0, 0.0, 0.0};  // unit vector 90 degrees ahead in the orbit plane
  double meanAnomaly = 0.0;    // M, radians [0, kTwoPi]
};

inline constexpr int kOrbitBodies = 10;

// Julian centuries since J2000.0 of the last ComputeBodyElements call (jd as given, UT), and its
// square; zero at start. These and orbitTable are the record of the last ComputeBodyElements call
// alone: the places (orbit.h, geocentric.h) compute their records by value.
extern double T;
extern double T2;
// Records of bodies 1 to 10 at orbitTable[body - 1]; all zero at start. The Sun's record is never
// written.
extern OrbitRecord orbitTable[kOrbitBodies];

// The record of body 2-10 at jd (days, UT, used as is), orientation included; a zero record for any
// other body number. A NaN or infinite jd gives NaN angles. T, T2 and orbitTable are left alone.
OrbitRecord BodyElements(int body, double jd);
// Sets T and T2 from jd as BodyElements takes it and stores BodyElements(body, jd) at
// orbitTable[body - 1] (body 2-10); for any other body number only T and T2 change.
void ComputeBodyElements(int body, double jd);
// Overwrites a, e, omega, Omega, i and M of body 2-10 from the current T and T2, leaving orientP and
// orientQ as they were; any other body number does nothing.
void EvaluateElements(int body);
// The Earth's elements at jd (days, UT) from the same polynomials as its record, angles in radians
// not folded; T, T2 and orbitTable are left alone.
struct EarthElements {
  double semiMajorAxis;        // AU
  double eccentricity;
  double perihelionLongitude;  // ecliptic of date
  double meanAnomaly;
};
EarthElements EarthElementsAt(double jd);
// Gaussian vectors P (to perihelion) and Q (90 degrees ahead), ecliptic frame, from omega, Omega, i
// (radians).
void OrbitOrientation(double argPerihelion, double node, double inclination, double P[3], double Q[3]);
// In-plane angle u [0, kTwoPi] of a point x radians past the node, x in [-kTwoPi, kTwoPi] (not folded
// first; a negative x counts as x + kTwoPi): tan u = tan x / cosI, u in x's quadrant while cosI > 0
// (an inclination under 90 degrees, as for every body here). A NaN passes through.
double OrbitPlaneAngle(double x, double cosI);

}  // namespace skycalc
