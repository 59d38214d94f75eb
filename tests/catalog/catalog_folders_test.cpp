#include "catalog/catalog_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace skycalc {
namespace {

namespace fs = std::filesystem;

// An installation under a scratch root: root/bin (the program's folder),
// root/share/skycalc (the installed catalogues), root/work (the current folder).
class CatalogFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("skycalc-folders-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    for (const char* dir : {"bin", "share/skycalc", "work"}) fs::create_directories(root_ / dir);
    before_ = fs::current_path();
    fs::current_path(root_ / "work");
  }
  void TearDown() override {
    fs::current_path(before_);
    fs::remove_all(root_);
  }
  void Touch(const fs::path& file) { std::ofstream(file) << "x\n"; }

  fs::path root_, before_;
};

TEST_F(CatalogFoldersTest, CurrentFolderFirstThenTheShareFolderThenTheFirstAgain) {
  const std::vector<std::string> folders = CatalogSearchFolders((root_ / "bin").string());
  ASSERT_EQ(folders.size(), 2u);
  EXPECT_EQ(folders[0], "");
  EXPECT_TRUE(fs::equivalent(folders[1], root_ / "share" / "skycalc"));

  // Neither place has it: the current folder, where the load fails and is reported.
  EXPECT_EQ(CatalogFolderFor(kStarCatalogFile, folders), "");
  // Only the installation has it.
  Touch(root_ / "share" / "skycalc" / kStarCatalogFile);
  EXPECT_EQ(CatalogFolderFor(kStarCatalogFile, folders), folders[1]);
  // Both have it: the current folder wins, as it always has.
  Touch(root_ / "work" / kStarCatalogFile);
  EXPECT_EQ(CatalogFolderFor(kStarCatalogFile, folders), "");
  // Each file is looked up on its own.
  Touch(root_ / "share" / "skycalc" / kConstellationCatalogFile);
  EXPECT_EQ(CatalogFolderFor(kConstellationCatalogFile, folders), folders[1]);
  // A folder of that name is not a catalogue.
  fs::create_directories(root_ / "work" / kConstellationCatalogFile);
  EXPECT_EQ(CatalogFolderFor(kConstellationCatalogFile, folders), folders[1]);
}

TEST_F(CatalogFoldersTest, WithoutAProgramFolderOnlyTheCurrentFolder) {
  EXPECT_EQ(CatalogSearchFolders(""), std::vector<std::string>{""});
  EXPECT_EQ(CatalogFolderFor(kStarCatalogFile, {}), "");
}

TEST(RunningProgramFolder, IsTheFolderOfThisTest) {
  const std::string folder = RunningProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(fs::exists(fs::path(folder) / "skycalc_catalog_tests"));
}

}  // namespace
}  // namespace skycalc
