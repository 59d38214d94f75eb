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

}  // namespace skycalc::precise::detail
