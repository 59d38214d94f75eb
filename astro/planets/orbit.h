#pragma once

// Places a body in its orbit.
namespace skycalc {

// Heliocentric ecliptic-of-date position of body 1-10 at jd, AU; the Sun is (0, 0, 0).
void HeliocentricPosition(int body, double jd, double position[3]);
// Eccentric anomaly E (radians) of mean anomaly M (radians) for eccentricity e.
void SolveKeplerElliptic(double e, double M, double& E);

}  // namespace skycalc
