// skycalc-cli --eclipses: the listing of a year in each format, the
// azimuth origin and the zone applied, and its usage errors.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <sstream>
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


// Reference: 暦要項 and the office's local tables (金環食の始め, 皆既食の始め, 日の入, 月の出; 見られない), NASA's
// SEcat5, LEcat5 (2012-05-20 annular, 2023-04-20 hybrid, 2020-01-10 penumbral, penumbral magnitude 0.90-0.92),
// the office's 2016-03-09 川口市 table (https://www.kawaguchi.science.museum/astro/eclipse20160309.html): 食の始め
// 10:12:39, altitude 43.6, azimuth 144.8 from the north (324.8 from the south, 234.8 from 90, 279.8 from 45).
// 2023-04-20 at 館山 (https://www.nao.ac.jp/astro/sky/2023/04-topics02.html): to the second, k off by 2e-5 shows.
TEST_F(CliProgramTest, EclipseLinesAsTheOfficeAndTheCataloguesName) {
  const char* tokyo = "--longitude 139.7447 --latitude 35.6544 --year ";
  const struct {
    std::string args;
    const char *date, *present, *absent;  // texts separated by '|'
  } cases[] = {
      {tokyo + std::string("2012"), "2012-05-21", "金環日食\t食分 0.96|\t見える\t|金環食の始め 07:32.", "皆既食の始め"},
      {tokyo + std::string("2023"), "2023-04-20", "金環皆既日食\t\t見えない", "食分"},
      {"--longitude 139.8697 --latitude 34.9966 --year 2023 --json", "2023-04-20", "hybrid\"|14:30:22|14:40:43|14:51:13", "annular"},
      {tokyo + std::string("2012 --json"), "2012-05-21", "\"type\":\"annular\"", "hybrid"},
      {tokyo + std::string("2020"), "2020-01-11", "半影月食\t半影食分 0.9", "\t食分|-0."},
      {tokyo + std::string("2010"), "2010-01-15", "食の始め 16:48.3|\t日の入り 16:50.7 (食分 0.0", ""},
      {tokyo + std::string("2010 --json"), "2010-01-15", "{\"name\":\"sunset\"|\"magnitude\":0.0", ""},
      {"--longitude 135.7681 --latitude 35.0117 --year 2021", "2021-05-26", "\t月の出 18:52.6 (食分 0.12", ""},
      {"--longitude 139.7242 --latitude 35.8078 --year 2016 --azimuth 90", "2016-03-09", "10:12.7 (高度 43.6° 方位 234.8°)", ""},
      {"--longitude 139.7242 --latitude 35.8078 --year 2016 --azimuth 45", "2016-03-09", "10:12.7 (高度 43.6° 方位 279.8°)", ""},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const std::string& l : Lines(Run("--eclipses --zone-hour 9 --zone-minute 0 --data-dir '" + kDataDir + "' " + c.args).out))
      if (line.empty() && l.find(c.date) != std::string::npos) line = l;
    SCOPED_TRACE(c.args + ": " + line);
    ASSERT_FALSE(line.empty());
    for (const auto& [texts, wanted] : {std::make_pair(c.present, true), std::make_pair(c.absent, false)}) {
      std::stringstream split(texts);
      for (std::string text; std::getline(split, text, '|');) EXPECT_EQ(line.find(text) != std::string::npos, wanted) << text;
    }
  }
}

// Reference: NASA's catalogues: 2021-2023 had four eclipses a year. Years are written one at a time: a
// reader that stops after the first line ends the run long before the whole would be made.
TEST_F(CliProgramTest, EclipsesAreWrittenAYearAtATime) {
  const std::string site = " --zone-hour 9 --zone-minute 0 --longitude 139.7 --latitude 35.7 --json --data-dir '" + kDataDir + "'";
  EXPECT_EQ(Lines(Run("--eclipses --year 2021 --count 3" + site).out).size(), 12u);
  const auto seconds = [&](const std::string& args, std::chrono::steady_clock::time_point start) {
    Run("--eclipses --year 1800 --count 150" + site + args);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  const double whole = seconds("", std::chrono::steady_clock::now());
  EXPECT_LT(seconds(" | head -n 1", std::chrono::steady_clock::now()), whole / 3.0) << whole;
}

}  // namespace
}  // namespace skycalc
