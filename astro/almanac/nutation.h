#pragma once

// The IAU 2000B nutation for the almanac's searches, the argument of each
// term built by angle addition from the cosines and sines of the multiples
// of the five Delaunay arguments (five sines and cosines a call instead of
// 77): within 1e-15 rad of ERFA's eraNut00b (nutation_test.cpp). Not for
// callers outside accurate.cpp.
namespace skycalc::accurate::detail {

// Nutation in longitude and in obliquity (radians) at t Julian centuries of
// TT from J2000.0.
void Nutation2000B(double t, double& dpsi, double& deps);

}  // namespace skycalc::accurate::detail
