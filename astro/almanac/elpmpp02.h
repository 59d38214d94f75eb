#pragma once

#include <cstddef>

// The lunar theory ELP/MPP02 (DE405 constants) as generated into
// elpmpp02_moon.cpp and the evaluator of accurate.cpp; not for callers.
namespace skycalc::accurate::detail {

// One term A sin(c0 + c1 T + c2 T^2 + c3 T^3 + c4 T^4), T in Julian
// centuries of TT from J2000.0.
struct ElpTerm {
  double amplitude, c0, c1, c2, c3, c4;
};

// The terms of one series, by falling |amplitude|; count 0 for none.
struct ElpSeries {
  const ElpTerm* terms = nullptr;
  std::size_t count = 0;
};
template <std::size_t N>
constexpr ElpSeries Series(const ElpTerm (&terms)[N]) {
  return ElpSeries{terms, N};
}

inline constexpr std::size_t kElpPowers = 4;

// The Moon's geocentric longitude (W1 plus the L series, arcseconds), latitude
// (B, arcseconds) and distance (R, km) on the mean ecliptic of date from the
// departure point of J2000.0 (Laskar's P and Q then turn it onto the inertial
// ecliptic and equinox of J2000.0); series k is multiplied by T^k.
struct ElpTheory {
  double meanLongitude[5];  // W1: radians, polynomial in T
  ElpSeries longitude[kElpPowers];
  ElpSeries latitude[kElpPowers];
  ElpSeries distance[kElpPowers];
};

const ElpTheory& ElpMpp02();

}  // namespace skycalc::accurate::detail
