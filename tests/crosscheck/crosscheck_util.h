#pragma once

#include <cmath>
#include <cstdint>

#include "tests/support/test_random.h"

// Helpers shared by the cross-checks: angle differences in true radians (the
// random source is the tests' TestRandom).
namespace skycalc {

inline constexpr double kTruePi = 3.14159265358979323846;
inline constexpr double kRadToArcsec = 180.0 * 3600.0 / kTruePi;
inline constexpr double kRadToArcmin = 180.0 * 60.0 / kTruePi;

// a - b folded into (-pi, pi], radians.
inline double WrapDifference(double a, double b) { return std::remainder(a - b, 2.0 * kTruePi); }

// Great-circle angle between two directions (longitude, latitude in radians).
inline double Separation(double lon1, double lat1, double lon2, double lat2) {
  const double dLon = lon2 - lon1;
  const double x = std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
  const double y = std::cos(lat2) * std::sin(dLon);
  const double z = std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(dLon);
  return std::atan2(std::hypot(x, y), z);
}

}  // namespace skycalc
