#pragma once

#include <cmath>
#include <cstdint>

// Helpers shared by the cross-checks: a reproducible random source (the same
// numbers on every platform, unlike the standard distributions) and angle
// differences in true radians.
namespace skycalc {

class CrossCheckRandom {
 public:
  explicit CrossCheckRandom(std::uint64_t seed) : m_state(seed) {}
  // Next 64 random bits (splitmix64).
  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform integer in [0, n).
  std::uint64_t Below(std::uint64_t n) { return Next() % n; }

 private:
  std::uint64_t m_state;
};

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
