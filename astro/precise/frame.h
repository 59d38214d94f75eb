#pragma once

#include <erfam.h>

#include <cstddef>

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

// What the frame takes from its slowly changing series, radians: the
// nutation in longitude and obliquity and the complementary terms of the
// equation of the equinoxes. A search may interpolate them between
// instants where they are computed.
struct SlowTerms {
  double dpsi = 0.0, deps = 0.0;  // IAU 2000B (Nutation2000B: within 1e-15 rad of eraNut00b)
  double eect = 0.0;              // eraEect00's (ComplementaryTerms)
};
// Those terms computed at TT jdTt.
SlowTerms SlowTermsAt(double jdTt);
// eraEect00(jdTt, 0), the same bits, for searches: the complementary terms
// of the equation of the equinoxes (radians) at TT jdTt.
double ComplementaryTerms(double jdTt);
// The same frame as MakeDateFrame for searches, which make one at every
// node, with the slow terms given. Readouts keep MakeDateFrame.
DateFrame MakeSearchFrame(const Instant& t, const SlowTerms& slow);
// The same with what the search's Moon takes from the same precession: the
// turn from the mean ecliptic and equinox of date to the GCRS at t's TT,
// as MoonBySeries makes it, bit for bit.
struct SearchFrame {
  DateFrame frame;
  double jdTt;
  double eclipticToGcrs[3][3];
};
SearchFrame MakeSearchFrameWithEcliptic(const Instant& t, const SlowTerms& slow);

// The Moon's geocentric position (AU) and velocity (AU/day), GCRS, at TT
// jdTt, for searches: eraMoon98's series (Meeus's abridgement of
// ELP-2000/82) with the sine and cosine of each term built by angle addition
// from those of the multiples of D, M, M' and F instead of one library call
// each; within 1e-14 of eraMoon98's place and velocity in direction
// (radians), distance and speed (relative) from 1000 to 2999
// (tests/astro/precise/search_evaluation_test.cpp). Readouts keep eraMoon98.
void MoonBySeries(double jdTt, double pv[2][3]);

// MoonBySeries at the TT of each of count search frames into pv[i], with
// their turns from the ecliptic: the same bits as one call each, two
// instants at once, whose sums share the vector registers (AVX2).
void MoonBySeriesOfFrames(const SearchFrame* frames, std::size_t count, double (*pv)[2][3]);

// How a place is computed: as a readout gives it, or for a search (the Moon
// by MoonBySeries).
enum class Evaluation { kReadout, kSearch };

// The body's or the star's apparent place, with the frame of its instant
// already made (a readout needs the frame's sidereal time as well); the
// body's with the vectors it came from into *vectors when that is not null.
GeocentricApparent BodyGeocentric(Body body, const Instant& t, const DateFrame& frame,
                                  SolarSystemVectors* vectors = nullptr,
                                  Evaluation evaluation = Evaluation::kReadout);
GeocentricApparent StarGeocentric(double ra2000, double dec2000, const Instant& t, const DateFrame& frame);
// The Moon's apparent place at t from its geocentric position (AU) and
// velocity (AU/day) in the GCRS at t's TT (eraMoon98's, or MoonBySeries's
// for a search): BodyGeocentric's for the Moon, for a search that evaluated
// the series itself (two instants at a time).
GeocentricApparent MoonGeocentric(const Instant& t, const double pv[2][3], const DateFrame& frame,
                                  SolarSystemVectors* vectors = nullptr);

// Whether the model holds at the UTC instant jdUtc (for Pluto when isPluto).
Status YearsStatus(double jdUtc, bool isPluto);

// ERFA 2.0 declares the vectors and matrices it only reads without const;
// these hand it const data unchanged.
inline double* ErfaIn(const double* p) { return const_cast<double*>(p); }
inline double (*ErfaIn(const double (*m)[3]))[3] { return const_cast<double (*)[3]>(m); }

// angle folded into [0, 2pi); NaN for NaN or an infinity.
double FoldAngle(double angle);

}  // namespace skycalc::precise::detail
