// skycalc-cli --eclipses: the listing of a year in each format, the
// azimuth origin and the zone applied, and its usage errors.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/time/julian_day.h"
#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

const char kTokyo2022[] =
    "--eclipses --year 2022 --zone-hour 9 --zone-minute 0 --longitude 139.7 --latitude 35.7 --data-dir ";

std::vector<std::string> Between(const std::string& line, const std::string& open, const std::string& close) {
  std::vector<std::string> found;
  for (std::size_t at = line.find(open); at != std::string::npos; at = line.find(open, at + 1)) {
    const std::size_t begin = at + open.size();
    found.push_back(line.substr(begin, line.find(close, begin) - begin));
  }
  return found;
}

TEST_F(CliProgramTest, EclipsesOfAYearInEveryFormat) {
  const RunResult json = Run(std::string(kTokyo2022) + "'" + kDataDir + "' --azimuth 0 --json");
  ASSERT_EQ(json.status, 0) << json.err;
  const std::vector<std::string> lines = Lines(json.out);
  // Reference: 2022 had partial solar eclipses on 30 April/1 May and 25
  // October, total lunar eclipses on 16 May and 8 November (NASA eclipse web site).
  ASSERT_EQ(lines.size(), 4u);
  const char* kinds[] = {"\"kind\":\"solar\"", "\"kind\":\"lunar\"", "\"kind\":\"solar\"", "\"kind\":\"lunar\""};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_NE(lines[i].find(kinds[i]), std::string::npos) << lines[i];
  // Neither solar eclipse reached Tokyo: no contacts; the November lunar eclipse was seen.
  EXPECT_NE(lines[0].find("\"visible\":false,\"contacts\":[]"), std::string::npos);
  EXPECT_NE(lines[3].find("\"visible\":true"), std::string::npos);
  const std::vector<std::string> names = Between(lines[3], "\"name\":\"", "\"");
  EXPECT_EQ(names, (std::vector<std::string>{"P1", "U1", "U2", "max", "U3", "U4", "P4"}));
  // Each contact's local time is its Julian Day in the zone (+9 h), to the second.
  const std::vector<std::string> jds = Between(lines[3], "\"jd\":", ",");
  const std::vector<std::string> times = Between(lines[3], "\"time\":\"", "\"");
  ASSERT_EQ(jds.size(), times.size());
  for (std::size_t i = 0; i < jds.size(); ++i) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    ASSERT_EQ(std::sscanf(times[i].c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s), 6);
    const double local = CalendarToJD(y, mo, d) + (h - 9) / 24.0 + mi / 1440.0 + s / 86400.0;
    EXPECT_NEAR((local - std::stod(jds[i])) * 86400.0, 0.0, 0.5) << times[i];
  }
  // The azimuth origin turns every azimuth by the same angle.
  const RunResult north = Run(std::string(kTokyo2022) + "'" + kDataDir + "' --azimuth 180 --json");
  const std::vector<std::string> south = Between(lines[3], "\"azimuth_deg\":", "}");
  const std::vector<std::string> turned = Between(Lines(north.out)[3], "\"azimuth_deg\":", "}");
  ASSERT_EQ(south.size(), turned.size());
  for (std::size_t i = 0; i < south.size(); ++i)
    EXPECT_NEAR(std::remainder(std::stod(south[i]) - std::stod(turned[i]) - 180.0, 360.0), 0.0, 1e-9);

  const std::vector<std::string> rows = Lines(Run(std::string(kTokyo2022) + "'" + kDataDir + "' --csv").out);
  EXPECT_EQ(rows.size(), 1u + 1u + 7u + 1u + 7u);  // header, one row per contact (or per eclipse without)

  EXPECT_EQ(Lines(Run(std::string(kTokyo2022) + "'" + kDataDir + "'").out)[3].rfind("2022-11-08\t皆既月食\t食分 1.36", 0), 0u);
}

TEST_F(CliProgramTest, EclipsesUsageErrorsAndYearsOutsideThePreciseModel) {
  for (const char* extra : {"--events", "--step 1h --count 2", "--planet moon", "--equatorial", "--sidereal",
                            "--eclipses"}) {
    EXPECT_EQ(Run(std::string("--eclipses --year 2022 ") + extra).status, 64) << extra;
  }
  const RunResult late = Run("--eclipses --year 2999 --count 2 --data-dir '" + kDataDir + "'");
  EXPECT_EQ(late.status, 2);
  EXPECT_NE(late.err.find("1000年～2999年"), std::string::npos);
  EXPECT_EQ(late.out, "");
}

}  // namespace
}  // namespace skycalc
