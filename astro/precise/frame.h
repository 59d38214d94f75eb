#pragma once

#include <erfam.h>

#include "astro/precise/precise.h"

// Pieces shared by the precise model's source files; not for callers.
namespace skycalc::precise::detail {

// Reference: Meeus (1998), equation 22.2: the mean obliquity of J2000.0,
// 23 deg 26' 21.448", which turns the ecliptic of J2000.0 used by VSOP87 and
// by Meeus's Pluto onto the equator.
inline constexpr double kObliquityJ2000 = 84381.448 * ERFA_DAS2R;

// A vector on the ecliptic and equinox of J2000.0 turned onto the equator
// of J2000.0 (in place allowed).
void EclipticJ2000ToEquatorial(const double ecliptic[3], double equatorial[3]);

// Pluto's heliocentric position (AU), equatorial axes of J2000.0, at TT jdTt.
void PlutoEquatorial(double jdTt, double position[3]);

// The turn from the GCRS to the true equator and equinox of date (IAU 2006
// precession with IAU 2000B nutation) and the Greenwich apparent sidereal
// time (radians, [0, 2pi)) consistent with that nutation, at instant t.
struct DateFrame {
  double gcrsToTrue[3][3];
  double gast;
};
DateFrame MakeDateFrame(const Instant& t);

// The body's or the star's apparent place, with the frame of its instant
// already made (a readout needs the frame's sidereal time as well).
GeocentricApparent BodyGeocentric(Body body, const Instant& t, const DateFrame& frame);
GeocentricApparent StarGeocentric(double ra2000, double dec2000, const Instant& t, const DateFrame& frame);

// Whether the model holds at the UTC instant jdUtc (for Pluto when isPluto).
Status YearsStatus(double jdUtc, bool isPluto);

// ERFA 2.0 declares the vectors and matrices it only reads without const;
// these hand it const data unchanged.
inline double* ErfaIn(const double* p) { return const_cast<double*>(p); }
inline double (*ErfaIn(const double (*m)[3]))[3] { return const_cast<double (*)[3]>(m); }

// angle folded into [0, 2pi); NaN for NaN or an infinity.
double FoldAngle(double angle);

}  // namespace skycalc::precise::detail
