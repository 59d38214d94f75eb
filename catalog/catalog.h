#pragma once

#include <cstddef>
#include <string>

// The star and constellation position tables and their loaders.
namespace skycalc {

struct CatalogEntry {
  double ra = 0.0;   // right ascension, degrees, J2000.0
  double dec = 0.0;  // declination, degrees, J2000.0
};

inline constexpr std::size_t kStarCount = 21;
inline constexpr std::size_t kConstellationCount = 88;

extern CatalogEntry StarCatalog[kStarCount];
extern CatalogEntry ConstellationCatalog[kConstellationCount];

// Fills table (21 rows) from StarData.txt in directory ("" = current directory).
// Returns false when the file cannot be opened or holds no row at all.
bool LoadStarCatalog(CatalogEntry table[], const std::string& directory = std::string());
// Fills table (88 rows) from ConstData.txt in directory ("" = current directory).
// Returns false when the file cannot be opened or holds no row at all.
bool LoadConstellationCatalog(CatalogEntry table[], const std::string& directory = std::string());

}  // namespace skycalc
