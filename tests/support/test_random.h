#pragma once

#include <cstdint>

// A reproducible random source for the tests: the same numbers on every
// platform and standard library, unlike the standard distributions.
namespace skycalc {

class TestRandom {
 public:
  explicit TestRandom(std::uint64_t seed) : m_state(seed) {}
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

}  // namespace skycalc
