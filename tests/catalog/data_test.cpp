#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "catalog/names.h"

namespace skycalc {
namespace {

const std::string kDataDir = SKYCALC_DATA_DIR;

std::vector<std::string> Lines(const std::string& file) {
  std::ifstream in(kDataDir + "/" + file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << file << " ends without a line end";
  return lines;
}

struct LayoutCase {
  const char* file;
  std::size_t rows;
  std::vector<std::size_t> commas;
  std::size_t semicolon;
};

// Every shipped line has its separators in place, a byte after the semicolon
// and a remainder short enough for any reader of the format.
TEST(ShippedData, Layout) {
  const LayoutCase cases[] = {{"StarData.txt", kStarCount, {29, 39}, 47},
                              {"ConstData.txt", kConstellationCount, {}, 36}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const auto lines = Lines(c.file);
    ASSERT_EQ(lines.size(), c.rows);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      ASSERT_GT(line.size(), c.semicolon + 1) << "line " << i + 1;
      EXPECT_LT(line.size() - c.semicolon - 1, 254u) << "line " << i + 1;
      EXPECT_EQ(line[c.semicolon], ';') << "line " << i + 1;
      for (std::size_t comma : c.commas) EXPECT_EQ(line[comma], ',') << "line " << i + 1;
      EXPECT_EQ(line.find('\r'), std::string::npos) << "line " << i + 1;
    }
  }
}

void ExpectInRange(const CatalogEntry* table, std::size_t rows) {
  for (std::size_t i = 0; i < rows; ++i) {
    EXPECT_GE(table[i].ra, 0.0) << "row " << i;
    EXPECT_LT(table[i].ra, 360.0) << "row " << i;
    EXPECT_GE(table[i].dec, -90.0) << "row " << i;
    EXPECT_LE(table[i].dec, 90.0) << "row " << i;
    EXPECT_FALSE(table[i].ra == 0.0 && table[i].dec == 0.0) << "row " << i;
  }
}

TEST(ShippedData, LoadsInRange) {
  CatalogEntry stars[kStarCount], constellations[kConstellationCount];
  ASSERT_TRUE(LoadStarCatalog(stars, kDataDir));
  ASSERT_TRUE(LoadConstellationCatalog(constellations, kDataDir));
  ExpectInRange(stars, kStarCount);
  ExpectInRange(constellations, kConstellationCount);
}

struct StarCheck {
  std::size_t row;
  const char* nameStart;  // how the list name of that row begins
  double ra, dec;         // degrees, J2000.0, to 0.01
};

// A row under the wrong name lands far from these.
const StarCheck kStarChecks[] = {
    {0, "ｱｰｸﾄｩﾙｽ", 213.915, 19.182},   {1, "ｱｸﾙｸｽ", 186.650, -63.099},  {7, "ｶﾉｰﾌﾟｽ", 95.988, -52.696},
    {9, "ｼﾘｳｽ", 101.287, -16.716},     {12, "ﾄﾘﾏﾝ", 219.902, -60.834},  {16, "ﾍﾞｸﾙｸｽ", 191.930, -59.689},
    {17, "ﾍﾞﾃﾙｷﾞｳｽ", 88.793, 7.407},   {19, "ﾘｹﾞﾙ", 78.634, -8.202},    {20, "ﾚｸﾞﾙｽ", 152.093, 11.967},
};

TEST(ShippedData, StarSpotChecks) {
  CatalogEntry stars[kStarCount];
  ASSERT_TRUE(LoadStarCatalog(stars, kDataDir));
  for (const auto& c : kStarChecks) {
    SCOPED_TRACE(c.nameStart);
    EXPECT_EQ(std::strncmp(StarNames[c.row], c.nameStart, std::strlen(c.nameStart)), 0);
    EXPECT_NEAR(stars[c.row].ra, c.ra, 0.01);
    EXPECT_NEAR(stars[c.row].dec, c.dec, 0.01);
  }
}

struct ConstellationBox {
  std::size_t row;
  const char* name;
  double raFrom, raTo, decFrom, decTo;  // a rough box inside the figure, degrees
};

const ConstellationBox kConstellationBoxes[] = {
    {0, "アンドロメダ", 0.0, 40.0, 21.0, 53.0},   {13, "おおぐま", 120.0, 210.0, 28.0, 73.0},
    {16, "オリオン", 70.0, 95.0, -11.0, 23.0},     {42, "さそり", 240.0, 270.0, -46.0, -8.0},
    {58, "はちぶんぎ", 0.0, 360.0, -90.0, -75.0}, {73, "みなみじゅうじ", 178.0, 194.0, -65.0, -55.0},
    {81, "りゅう", 120.0, 310.0, 47.0, 86.0},     {87, "わし", 280.0, 305.0, -12.0, 19.0},
};

TEST(ShippedData, ConstellationSpotChecks) {
  CatalogEntry constellations[kConstellationCount];
  ASSERT_TRUE(LoadConstellationCatalog(constellations, kDataDir));
  for (const auto& c : kConstellationBoxes) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(ConstellationNames[c.row], c.name);
    EXPECT_GE(constellations[c.row].ra, c.raFrom);
    EXPECT_LE(constellations[c.row].ra, c.raTo);
    EXPECT_GE(constellations[c.row].dec, c.decFrom);
    EXPECT_LE(constellations[c.row].dec, c.decTo);
  }
}

}  // namespace
}  // namespace skycalc
