// skycalc-cli --chart: the refusals, and the SVG and JSON of one evening.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

const std::string kEvening =
    "--year 2025 --month 1 --day 10 --hour 22 --minute 0 --zone-hour 9 --zone-minute 0 --longitude 139.7 "
    "--latitude 35.7 --data-dir '" + kDataDir + "'";

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(CliProgramTest, ChartRefusals) {
  const char* bad[] = {"--chart sky.png",          "--chart sky.svg --json",        "--width 300",
                       "--chart sky.svg --width 0", "--chart sky.svg --step 1h --count 2", "--chart sky.svg --events",
                       "--chart a.svg --chart b.svg"};
  for (const char* args : bad) {
    const RunResult r = Run(kEvening + " " + args);
    EXPECT_EQ(r.status, 64) << args;
    EXPECT_NE(r.err.find("skycalc-cli: "), std::string::npos) << args;
  }
}

// Sirius, chosen, where astropy's AltAz puts it (35.2589°, azimuth 160.4626°
// from the north through the east, 2025-01-10 13:00 UTC at 139.7°E 35.7°N,
// no refraction), magnitude -1.44 of the Hipparcos catalogue; the SVG
// as wide as asked, with Sirius's group and tooltip.
TEST_F(CliProgramTest, ChartOfAnEvening) {
  const std::string json = testing::TempDir() + "chart.json", svg = testing::TempDir() + "chart.svg";
  ASSERT_EQ(Run(kEvening + " --star sirius --chart '" + json + "'").status, 0);
  const std::string text = Slurp(json);
  EXPECT_NE(text.find("\"projection\": {\"kind\": \"stereographic\", \"centre\": [400.00, 400.00], \"radius\": 352.00, "
                      "\"topAzimuth\": 0.00}"),
            std::string::npos);
  const std::size_t at = text.find("\"name\": \"ｼﾘｳｽ(おおいぬ座α星)\"");
  ASSERT_NE(at, std::string::npos);
  double magnitude = 0.0, altitude = 0.0, azimuth = 0.0;
  ASSERT_EQ(std::sscanf(text.c_str() + at, "\"name\": \"%*[^\"]\", \"magnitude\": %lf, \"altitude\": %lf, \"azimuth\": %lf",
                        &magnitude, &altitude, &azimuth),
            3);
  EXPECT_DOUBLE_EQ(magnitude, -1.44);
  EXPECT_NEAR(altitude, 35.2589, 1.0 / 60);
  EXPECT_NEAR(azimuth, 160.4626, 1.0 / 60);
  EXPECT_NE(text.find("\"chosen\": true", at), std::string::npos);
  ASSERT_EQ(Run(kEvening + " --star sirius --width 300 --chart '" + svg + "'").status, 0);
  const std::string picture = Slurp(svg);
  EXPECT_NE(picture.find("width=\"300\" height=\"300\" viewBox=\"0 0 300 300\""), std::string::npos);
  EXPECT_NE(picture.find("<g><title>ｼﾘｳｽ(おおいぬ座α星) 等級-1.4 高度35.3°"), std::string::npos);
}

}  // namespace
}  // namespace skycalc
