#include "catalog/catalog_folders.h"

#include <filesystem>
#include <system_error>

namespace skycalc {

std::vector<std::string> CatalogSearchFolders(const std::string& programDir) {
  std::vector<std::string> folders{std::string()};
  if (!programDir.empty()) folders.push_back((std::filesystem::path(programDir) / ".." / "share" / "skycalc").string());
  return folders;
}

std::string CatalogFolderFor(const std::string& fileName, const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    std::error_code error;
    const std::filesystem::path path = folder.empty() ? std::filesystem::path(fileName)
                                                      : std::filesystem::path(folder) / fileName;
    if (std::filesystem::is_regular_file(path, error)) return folder;
  }
  return folders.empty() ? std::string() : folders.front();
}

std::string RunningProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : program.parent_path().string();
}

}  // namespace skycalc
