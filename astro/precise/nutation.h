#pragma once

// The IAU 2000B nutation for searches (the almanac's, the precise model's
// rise and set), the argument of each term built by angle addition from the
// cosines and sines of the multiples of the five Delaunay arguments (five
// sines and cosines a call instead of 77): within 1e-15 rad of ERFA's
// eraNut00b (tests/astro/almanac/nutation_test.cpp). Readouts keep eraNut00b.
namespace skycalc::precise::detail {

// Nutation in longitude and in obliquity (radians) at t Julian centuries of
// TT from J2000.0.
void Nutation2000B(double t, double& dpsi, double& deps);
// The same at t[0] and t[1] at once, with the bits of two calls.
void Nutation2000BPair(const double t[2], double dpsi[2], double deps[2]);

}  // namespace skycalc::precise::detail
