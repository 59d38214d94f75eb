#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/catalog.h"

namespace skycalc {
namespace {

namespace fs = std::filesystem;

constexpr double kUntouched = -999.0;  // what every row holds before a load

// One star line: 29-byte name (Shift-JIS bytes of the katakana Sirius), ra, dec, tail.
std::string StarLine(const std::string& ra, const std::string& dec, const std::string& tail = " x",
                     const std::string& end = "\n") {
  std::string name = "\xbc\xd8\xb3\xbd(\x82\xa8\x82\xa8\x82\xa2\x82\xca)";
  name.resize(29, ' ');
  return name + "," + ra + "," + dec + ";" + tail + end;
}

// One constellation line: 18-byte name, ra and dec columns of 9 bytes each, tail.
std::string ConstLine(const std::string& ra, const std::string& dec, const std::string& tail = " x",
                      const std::string& end = "\n") {
  return std::string("Orion             ") + ra + dec + ";" + tail + end;
}

// n star lines whose ra column holds 1, 2, ... n and dec -1, -2, ... -n.
std::string NumberedStarLines(int n, const std::string& end = "\n") {
  std::string text;
  for (int i = 1; i <= n; ++i) {
    char ra[16], dec[16];
    std::snprintf(ra, sizeof ra, "%9.5f", static_cast<double>(i));
    std::snprintf(dec, sizeof dec, "%7.3f", static_cast<double>(-i));
    text += StarLine(ra, dec, " x", end);
  }
  return text;
}

std::string NumberedConstLines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) {
    char ra[16], dec[16];
    std::snprintf(ra, sizeof ra, "%9.4f", static_cast<double>(i));
    std::snprintf(dec, sizeof dec, "%9.4f", static_cast<double>(-i));
    text += ConstLine(ra, dec);
  }
  return text;
}

std::vector<CatalogEntry> Numbered(int n) {
  std::vector<CatalogEntry> rows;
  for (int i = 1; i <= n; ++i) rows.push_back({static_cast<double>(i), static_cast<double>(-i)});
  return rows;
}

std::string AllBytesButNewline() {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\n') bytes += static_cast<char>(b);
  return bytes;
}

struct LoadCase {
  const char* what;
  bool present;                     // whether the file exists at all
  std::string content;              // its bytes
  bool expected;                    // the loader's result
  std::vector<CatalogEntry> rows;   // the leading rows it fills; the rest stay untouched
};

using Loader = bool (*)(CatalogEntry[], const std::string&);

// A fresh directory per case under the system's temporary directory.
class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("skycalc_catalog_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const char* file, const std::string& content) {
    std::ofstream(dir_ / file, std::ios::binary) << content;
  }

  // Loads each case into a table one row longer than the catalogue, so an
  // overrun shows in the last row too.
  void Run(const char* file, Loader load, std::size_t rows, const std::vector<LoadCase>& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      fs::remove(dir_ / file);
      if (c.present) Write(file, c.content);
      std::vector<CatalogEntry> table(rows + 1, CatalogEntry{kUntouched, kUntouched});
      EXPECT_EQ(load(table.data(), dir_.string()), c.expected);
      for (std::size_t i = 0; i <= rows; ++i) {
        const CatalogEntry want = i < c.rows.size() ? c.rows[i] : CatalogEntry{kUntouched, kUntouched};
        EXPECT_EQ(table[i].ra, want.ra) << "row " << i;
        EXPECT_EQ(table[i].dec, want.dec) << "row " << i;
      }
    }
  }

  fs::path dir_;
};

TEST_F(LoaderTest, StarFile) {
  const std::string second = StarLine("213.91530", " 19.182");
  const std::vector<LoadCase> cases = {
      {"layout read exactly", true, StarLine("101.28715", "-16.716") + second, true,
       {{101.28715, -16.716}, {213.9153, 19.182}}},
      {"blank column gives 0", true, StarLine("         ", "  5.000") + StarLine(" 12.5    ", "       "), true,
       {{0.0, 5.0}, {12.5, 0.0}}},
      {"first row at ra 0 is still a catalogue", true, StarLine("  0.00000", " 10.000"), true, {{0.0, 10.0}}},
      {"only line ends at its semicolon", true, StarLine("  1.00000", " -1.000", "", ""), true, {{1.0, -1.0}}},
      {"only line one byte short of its semicolon", true, StarLine("  1.00000", " -1.000", "", "").substr(0, 47),
       false, {}},
      {"more lines than rows", true, NumberedStarLines(25), true, Numbered(21)},
      {"fewer lines than rows", true, NumberedStarLines(3), true, Numbered(3)},
      {"no final line end", true, NumberedStarLines(1) + StarLine("  7.00000", " -7.000", " x", ""), true,
       {{1.0, -1.0}, {7.0, -7.0}}},
      {"line ending right after the semicolon", true, StarLine("  1.00000", " -1.000", "") + second, true,
       {{1.0, -1.0}, {213.9153, 19.182}}},
      {"10000-byte remainder", true, StarLine("  1.00000", " -1.000", std::string(10000, 'x')) + second, true,
       {{1.0, -1.0}, {213.9153, 19.182}}},
      {"CRLF line ends", true, NumberedStarLines(21, "\r\n"), true, Numbered(21)},
      {"short line reads the bytes it has", true, std::string(29, 'n') + ",  4.5\n" + second, true,
       {{4.5, 0.0}, {213.9153, 19.182}}},
      {"NUL ends a number", true, StarLine(std::string("12\0.5    ", 9), std::string("-3\0" "0000", 7)) + second,
       true, {{12.0, -3.0}, {213.9153, 19.182}}},
      {"binary line", true, AllBytesButNewline() + "\n" + second, true, {{0.0, 0.0}, {213.9153, 19.182}}},
      {"empty file", true, "", false, {}},
      {"only short lines", true, "\n\n   \r\n", false, {}},
      {"missing file", false, "", false, {}},
  };
  Run("StarData.txt", LoadStarCatalog, kStarCount, cases);
}

TEST_F(LoaderTest, ConstellationFile) {
  const std::vector<LoadCase> cases = {
      {"layout read exactly, negative dec", true, ConstLine("  80.0000", " -64.0000"), true, {{80.0, -64.0}}},
      {"digit right after the ra column", true, ConstLine("  85.0000", "3.0000000"), true, {{85.0, 3.0}}},
      {"only line ends at its semicolon", true, ConstLine("   1.0000", "  -1.0000", "", ""), true, Numbered(1)},
      {"only line one byte short of its semicolon", true, ConstLine("   1.0000", "  -1.0000", "", "").substr(0, 36),
       false, {}},
      {"more lines than rows", true, NumberedConstLines(90), true, Numbered(88)},
      {"fewer lines than rows", true, NumberedConstLines(2), true, Numbered(2)},
      {"line ending right after the semicolon", true,
       ConstLine("   1.0000", "  -1.0000", "") + ConstLine("   2.0000", "  -2.0000"), true, Numbered(2)},
      {"long remainder, CRLF", true,
       ConstLine("   1.0000", "  -1.0000", std::string(300, ';'), "\r\n") + ConstLine("   2.0000", "  -2.0000", " ", "\r\n"),
       true, Numbered(2)},
      {"empty file", true, "", false, {}},
      {"missing file", false, "", false, {}},
  };
  Run("ConstData.txt", LoadConstellationCatalog, kConstellationCount, cases);
}

// "" names the current directory; a directory given with its slash works too.
TEST_F(LoaderTest, DirectoryArgument) {
  Write("StarData.txt", NumberedStarLines(1));
  CatalogEntry table[kStarCount];
  EXPECT_TRUE(LoadStarCatalog(table, dir_.string() + "/"));
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  table[0] = {};
  const bool loaded = LoadStarCatalog(table, "");
  fs::current_path(before);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(table[0].ra, 1.0);
}

}  // namespace
}  // namespace skycalc
