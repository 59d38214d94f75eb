#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "catalog/catalog.h"
#include "catalog/chart_data.h"

namespace skycalc {
namespace {

// The chart's stars as the Hipparcos catalogue (ESA 1997, SP-1200) gives
// them: position of J2000.0, V, B-V and proper motion; and the count to magnitude 5.5 that
// star atlases give for the naked-eye sky (about 2,800).
TEST(ChartData, StarsAreHipparcosToMagnitudeFiveAndAHalf) {
  const ChartData data = LoadChartData(SKYCALC_DATA_DIR, SKYCALC_DATA_DIR);
  EXPECT_GT(data.stars.size(), 2700u);
  EXPECT_LT(data.stars.size(), 3000u);
  for (const ChartStar& s : data.stars) EXPECT_LE(s.magnitude, 5.5f) << s.hip;
  struct Known {
    int hip;
    double ra, dec, v, bv, pmRa, pmDec;
  };
  const Known kKnown[] = {{32349, 101.28716, -16.71612, -1.44, 0.009, -546.01, -1223.08},  // Sirius
                          {91262, 279.23474, 38.78369, 0.03, -0.001, 201.02, 287.46},      // Vega
                          {11767, 37.95456, 89.26411, 1.97, 0.636, 44.22, -11.74},         // Polaris
                          {69673, 213.91530, 19.18241, -0.05, 1.239, -1093.45, -1999.40},  // Arcturus
                          {27989, 88.79294, 7.40706, 0.45, 1.500, 27.33, 10.86}};          // Betelgeuse
  for (const Known& k : kKnown) {
    bool found = false;
    for (const ChartStar& s : data.stars) {
      if (s.hip != k.hip) continue;
      found = true;
      EXPECT_NEAR(s.ra, k.ra, 2e-4) << k.hip;
      EXPECT_NEAR(s.dec, k.dec, 2e-4) << k.hip;
      EXPECT_NEAR(s.magnitude, k.v, 0.005) << k.hip;
      EXPECT_NEAR(s.colourIndex, k.bv, 0.0005) << k.hip;
      EXPECT_NEAR(s.properMotionRa, k.pmRa, 0.01) << k.hip;
      EXPECT_NEAR(s.properMotionDec, k.pmDec, 0.01) << k.hip;
    }
    EXPECT_TRUE(found) << k.hip;
  }
}

// Every constellation has its figure, filed under its own row, and its stars' motions: each line's
// points lie near that row's label point (Hydra's tail, the farthest, is
// 70 degrees from its label).
TEST(ChartData, EachConstellationHasItsFigureUnderItsRow) {
  CatalogEntry constellations[kConstellationCount];
  ASSERT_TRUE(LoadConstellationCatalog(constellations, SKYCALC_DATA_DIR));
  const ChartData data = LoadChartData(SKYCALC_DATA_DIR, SKYCALC_DATA_DIR);
  bool has[kConstellationCount] = {};
  for (const ChartFigureLine& line : data.lines) {
    has[line.constellation] = true;
    const CatalogEntry& label = constellations[line.constellation];
    for (std::size_t i = 0; i + 1 < line.points.size(); i += 2) {
      const double d = M_PI / 180.0;
      const double c = std::sin(label.dec * d) * std::sin(line.points[i + 1] * d) +
                       std::cos(label.dec * d) * std::cos(line.points[i + 1] * d) * std::cos((label.ra - line.points[i]) * d);
      EXPECT_LT(std::acos(std::min(1.0, c)) / d, 72.0) << line.constellation;
    }
  }
  for (std::size_t row = 0; row < kConstellationCount; ++row) EXPECT_TRUE(has[row]) << row;
  // Arcturus's corner of Boötes moves with Arcturus (Hipparcos: -1093.45, -1999.40 mas a year).
  int arcturus = 0;
  for (const ChartFigureLine& line : data.lines)
    for (std::size_t i = 0; i + 1 < line.points.size(); i += 2)
      if (std::fabs(line.points[i] - 213.9153) < 1e-3 && std::fabs(line.points[i + 1] - 19.1824) < 1e-3)
        arcturus += line.motions[i] == -1093.45f && line.motions[i + 1] == -1999.40f;
  EXPECT_GE(arcturus, 1);
}

// A comment, a malformed line or a row outside the 88 is skipped, not fatal.
TEST(ChartData, BadLinesAreSkipped) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "skycalc_chart_data_test";
  std::filesystem::create_directories(folder);
  const std::string dir = folder.string();
  std::ofstream(dir + "/ChartStars.txt") << "# c\n1 2.5 3.5 4.0 0.5\nx y\n2 1 1\n";
  std::ofstream(dir + "/ChartLines.txt") << "# c\n3 Ori 1,2 3,4\n88 Xxx 1,2 3,4\n4 Ori 1,2\n5 Ori 1;2 3,4\n";
  const ChartData data = LoadChartData(dir, dir);
  ASSERT_EQ(data.stars.size(), 1u);
  EXPECT_EQ(data.stars[0].hip, 1);
  ASSERT_EQ(data.lines.size(), 1u);
  EXPECT_EQ(data.lines[0].constellation, 3);
  EXPECT_EQ(data.lines[0].points, (std::vector<double>{1, 2, 3, 4}));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace skycalc
