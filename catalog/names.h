#pragma once

#include <cstddef>

// Names shown in the three selection lists (UTF-8). The position of a name is
// the row of its catalogue (or, for the planets, the list position).
namespace skycalc {

inline constexpr std::size_t kPlanetNameCount = 10;
extern const char* const PlanetNames[kPlanetNameCount];
extern const char* const StarNames[21];
extern const char* const ConstellationNames[88];

}  // namespace skycalc
