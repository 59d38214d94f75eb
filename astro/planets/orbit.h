#pragma once

// Places a body in its orbit.
namespace skycalc {

// Heliocentric ecliptic-of-date position of body 1-10 at jd (days, UT), AU, from BodyElements (T, T2
// and orbitTable are left alone). The Sun is (0, 0, 0). Any other body number
// gives NaN coordinates (nothing is read past the table); so do a NaN or infinite jd and an orbit whose
// eccentricity polynomial has reached |e| >= 1.
void HeliocentricPosition(int body, double jd, double position[3]);
// The Earth's heliocentric ecliptic-of-date position at jd (days, UT), AU, from the elements of
// HeliocentricPosition(kEarthBody, ...) by the equation of the centre and the radius to e^3 instead of
// Kepler's equation: within 0.1" and 1e-7 AU of it from 1000 to 3000, at a fifth of the cost, and
// leaving T, T2 and orbitTable alone. For figures that want the Sun's direction, not for the readouts.
// Reference: Smart, Textbook on Spherical Astronomy (6th ed., 1977), 5.48-5.49 (the series in M).
void EarthPositionBySeries(double jd, double position[3]);
// Eccentric anomaly E (radians) of mean anomaly M (radians) for eccentricity e, by Newton's method from
// E = M + e sin M: the result of at least 21 steps, continued until a correction is not above 1e-6 (a
// negative or NaN one counts as small) or no longer moves E; so a huge M (1e20) comes back as E = M,
// unsolved. |e| >= 1 or a NaN e gives NaN at once; a NaN or infinite M gives NaN.
void SolveKeplerElliptic(double e, double M, double& E);

}  // namespace skycalc
