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

// The two position tables a calculator reads its named stars and
// constellations from: row n belongs to the n-th name of its list. All zero
// until loaded; a table whose file cannot be read stays so.
struct Catalogs {
  CatalogEntry stars[kStarCount] = {};
  CatalogEntry constellations[kConstellationCount] = {};
};

// Fills table (21 rows) from StarData.txt in directory ("" = current directory; a '/' is added when
// missing). Row i takes the ra and dec columns of line i, read as strtod reads them in the C locale
// (a blank or non-numeric column gives 0); lines past the 21st are ignored, rows past the file's last
// line keep their values. Returns false, table untouched, when the file cannot be opened or none of the
// lines read is long enough to reach the semicolon column (48 bytes; the byte itself is not checked).
bool LoadStarCatalog(CatalogEntry table[], const std::string& directory = std::string());
// As LoadStarCatalog for ConstData.txt: 88 rows, the semicolon column reached at 37 bytes.
bool LoadConstellationCatalog(CatalogEntry table[], const std::string& directory = std::string());

}  // namespace skycalc
