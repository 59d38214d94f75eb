#pragma once

// Apparent visual magnitudes of the Sun, the planets, Pluto and the Moon
// from their distances and phase angle. r: distance from the Sun, delta:
// distance from the observer, both in AU (the Moon's delta in km); phase
// angle in degrees [0, 180]. A NaN in gives a NaN out.
//
// The planets follow the laws the almanacs use since 2018 (V band, no
// atmosphere), each a function of the phase angle with its range of use;
// beyond the observed range the paper's extended curves are used where it
// gives them. Mars leaves out the small corrections for its rotation and
// season (at most about 0.1 magnitude), Saturn's rings are included while
// the paper's ring law holds (phase angle <= 6.5 degrees and ring opening
// <= 27 degrees, always the case from the Earth), the globe alone otherwise.
// Reference: Mallama, A. and Hilton, J. L. (2018), "Computing apparent planetary
//   magnitudes for The Astronomical Almanac", Astronomy and Computing 25, 10-24
//   (arXiv:1808.01973), equations 2-17 and their coefficient tables.
namespace skycalc::details {

double MercuryMagnitude(double r, double delta, double phaseDeg);
double VenusMagnitude(double r, double delta, double phaseDeg);
double MarsMagnitude(double r, double delta, double phaseDeg);
double JupiterMagnitude(double r, double delta, double phaseDeg);
// sunLatDeg, earthLatDeg: Saturnicentric latitudes of the Sun and the
// observer on the ring plane (degrees).
double SaturnMagnitude(double r, double delta, double phaseDeg, double sunLatDeg, double earthLatDeg);
// sunLatDeg, earthLatDeg: Uranus's sub-solar and sub-observer latitudes (degrees).
double UranusMagnitude(double r, double delta, double phaseDeg, double sunLatDeg, double earthLatDeg);
// year: decimal year (the planet brightened from 1980 to 2000).
double NeptuneMagnitude(double r, double delta, double phaseDeg, double year);

// Pluto: V(1,0) = -1.01, without a phase term (its phase angle stays under 2 degrees).
// Reference: JPL Horizons physical data for Pluto (V(1,0) -1.01), as The Astronomical Almanac tabulates it.
double PlutoMagnitude(double r, double delta);

// The Moon: -12.73 + 0.026 |phase| + 4e-9 phase^4 at the mean distances
// (1 AU from the Sun, 384400 km from the observer), scaled by 5 log10 of
// the distances' ratios.
// Reference: Allen, C. W. (1973), Astrophysical Quantities, 3rd ed., p. 144.
double MoonMagnitude(double r, double deltaKm, double phaseDeg);

// The Sun: -26.74 at 1 AU.
// Reference: Allen, C. W. (1973), Astrophysical Quantities, 3rd ed., p. 162.
double SunMagnitude(double delta);

}  // namespace skycalc::details
