#pragma once

#include <string>
#include <vector>

// Where the programs look for their catalogue files: the current folder
// first, as the calculator always has, then the folder an installation puts
// them in beside the program, so that a program started from a menu or from
// any folder finds them.
namespace skycalc {

inline constexpr char kStarCatalogFile[] = "StarData.txt";
inline constexpr char kConstellationCatalogFile[] = "ConstData.txt";

// The current folder ("") and programDir/../share/skycalc; only the current
// folder when programDir is empty.
std::vector<std::string> CatalogSearchFolders(const std::string& programDir);
// The first of folders ("" = the current folder) that holds a file named
// fileName; the first folder when none does, so that the load is tried, fails
// and is reported there. "" when folders is empty.
std::string CatalogFolderFor(const std::string& fileName, const std::vector<std::string>& folders);
// The folder of the running program's own file (from /proc/self/exe), or ""
// when the system does not tell.
std::string RunningProgramFolder();

}  // namespace skycalc
