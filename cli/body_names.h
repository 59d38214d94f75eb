#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The names by which the command line chooses a body, besides the list
// positions and the Japanese list names the calculator itself shows.
namespace skycalc {

enum class BodyKind { kPlanet, kStar, kConstellation };

// English names of the planet list, in list order (sun ... moon).
extern const std::array<const char*, 10> kPlanetEnglishNames;
// English proper names of the 21 stars, in star-list order, lower case with hyphens.
extern const std::array<const char*, 21> kStarEnglishNames;
struct ConstellationName {
  const char* latin;         // e.g. "Canis Major"
  const char* abbreviation;  // IAU three-letter abbreviation, e.g. "CMa"
};
// The 88 constellations in constellation-list order.
extern const std::array<ConstellationName, 88> kConstellationEnglishNames;

// Number of entries in the list of kind (10, 21 or 88).
std::size_t BodyListSize(BodyKind kind);
// The list position text names, or -1: a decimal position within the list,
// an English (planets, stars) or Latin name or IAU abbreviation
// (constellations) in any case with blanks, "_" or "-" between words, or
// a Japanese name as listEntries holds it (for stars also without the
// parenthesised constellation, for constellations also with a trailing "座"),
// all compared after Unicode NFKC normalisation (ベガ is the list's ﾍﾞｶﾞ).
int ResolveBody(BodyKind kind, const std::string& text, const std::vector<std::string>& listEntries);

}  // namespace skycalc
