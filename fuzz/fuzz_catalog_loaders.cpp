// Both catalogue loaders on arbitrary bytes: the bytes become StarData.txt and
// ConstData.txt in a private folder and are loaded into tables of exactly 21
// and 88 rows on the heap, so that any write past a table is caught.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "catalog/catalog.h"
#include "fuzz/fuzz_support.h"

namespace {

const char* const kFileNames[] = {"StarData.txt", "ConstData.txt"};

// A folder of its own for the life of the process, removed at exit. Plain
// characters, so that nothing is destroyed before the exit handler runs.
char g_folder[] = "/tmp/skycalc-fuzz-catalog-XXXXXX";

void RemoveFolder() {
  for (const char* name : kFileNames) std::remove((std::string(g_folder) + "/" + name).c_str());
  rmdir(g_folder);
}

std::string FuzzFolder() {
  static const bool made = [] {
    if (mkdtemp(g_folder) == nullptr) std::abort();
    std::atexit(RemoveFolder);
    return true;
  }();
  (void)made;
  return g_folder;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

// Loads the file twice into fresh tables filled with a marker pattern: the
// result and every row must come out the same (nothing depends on memory the
// loader did not write), and an empty file reads no row.
template <typename Loader>
void CheckLoader(Loader load, std::size_t rows, std::size_t size) {
  std::unique_ptr<skycalc::CatalogEntry[]> first(new skycalc::CatalogEntry[rows]);
  std::unique_ptr<skycalc::CatalogEntry[]> second(new skycalc::CatalogEntry[rows]);
  for (std::size_t i = 0; i < rows; ++i) first[i] = second[i] = skycalc::CatalogEntry{-1.5, -2.5};
  const bool loadedFirst = load(first.get(), FuzzFolder());
  const bool loadedSecond = load(second.get(), FuzzFolder());
  FUZZ_CHECK(loadedFirst == loadedSecond, "loading is repeatable");
  FUZZ_CHECK(std::memcmp(first.get(), second.get(), rows * sizeof(skycalc::CatalogEntry)) == 0,
             "loading is repeatable");
  if (size == 0) FUZZ_CHECK(!loadedFirst, "an empty file holds no row");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const char* name : kFileNames) WriteFile(FuzzFolder() + "/" + name, data, size);
  CheckLoader(skycalc::LoadStarCatalog, skycalc::kStarCount, size);
  CheckLoader(skycalc::LoadConstellationCatalog, skycalc::kConstellationCount, size);
  return 0;
}
