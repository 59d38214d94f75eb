// skycalc-cli --phenomena: a year in each format, the groups, the zone, and
// its usage errors.
#include <cstdio>
#include <string>
#include <vector>

#include "astro/time/julian_day.h"
#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

const char kJst2024[] = "--phenomena --year 2024 --zone-hour 9 --zone-minute 0 --data-dir ";

std::string Field(const std::string& line, const std::string& key) {
  const std::size_t at = line.find("\"" + key + "\":");
  if (at == std::string::npos) return "<missing>";
  const std::size_t begin = at + key.size() + 3;
  return line.substr(begin, line.find_first_of(",}", begin) - begin);
}

TEST_F(CliProgramTest, PhenomenaOfAYearInEveryFormatAndGroup) {
  const RunResult json = Run(std::string(kJst2024) + "'" + kDataDir + "' --json");
  ASSERT_EQ(json.status, 0) << json.err;
  const std::vector<std::string> lines = Lines(json.out);
  ASSERT_GT(lines.size(), 200u);
  int meteors = 0;
  for (const std::string& line : lines) {
    for (const char* key : {"jd", "date", "time", "kind", "body", "name", "value", "unit", "detail"})
      EXPECT_NE(Field(line, key), "<missing>") << key << " in " << line;
    // The local minute is the Julian Day in the zone (+9 h), rounded.
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    ASSERT_EQ(std::sscanf((Field(line, "date") + " " + Field(line, "time")).c_str(), "\"%d-%d-%d\" \"%d:%d\"", &y, &mo,
                          &d, &h, &mi), 5) << line;
    const double local = CalendarToJD(y, mo, d) + (h - 9) / 24.0 + mi / 1440.0;
    EXPECT_NEAR((local - std::stod(Field(line, "jd"))) * 1440.0, 0.0, 0.5) << line;
    if (Field(line, "kind") == "\"meteor_shower\"") ++meteors;
  }
  EXPECT_EQ(meteors, 10);
  // Reference: IMO 2024 Meteor Shower Calendar: the Quadrantids' maximum on
  // 2024 January 4 (09h UT).
  const std::vector<std::string> meteor = Lines(Run(std::string(kJst2024) + "'" + kDataDir + "' --kind meteor").out);
  ASSERT_EQ(meteor.size(), 10u);
  EXPECT_EQ(meteor[0].rfind("2024-01-04\t", 0), 0u) << meteor[0];
  EXPECT_NE(meteor[0].find("しぶんぎ座流星群"), std::string::npos);
  const std::vector<std::string> some = Lines(Run(std::string(kJst2024) + "'" + kDataDir + "' --kind planet,moon").out);
  EXPECT_EQ(some.size() + meteor.size(), lines.size());
  const std::vector<std::string> csv = Lines(Run(std::string(kJst2024) + "'" + kDataDir + "' --csv").out);
  ASSERT_EQ(csv.size(), lines.size() + 1);
  EXPECT_EQ(csv[0], "jd,date,time,kind,body,name,value,unit,detail");
}

TEST_F(CliProgramTest, PhenomenaUsageErrorsAndYearsOutsideTheTheories) {
  for (const char* args : {"--phenomena --events", "--phenomena --almanac", "--phenomena --eclipses",
                           "--phenomena --step 1h --count 2", "--phenomena --planet moon", "--phenomena --details",
                           "--phenomena --kind sun", "--phenomena --kind planet,", "--kind moon", "--phenomena --phenomena"}) {
    EXPECT_EQ(Run(std::string("--year 2024 ") + args).status, 64) << args;
  }
  const RunResult late = Run("--phenomena --year 2999 --count 2 --data-dir '" + kDataDir + "'");
  EXPECT_EQ(late.status, 2);
  EXPECT_NE(late.err.find("1000年～2999年"), std::string::npos);
  EXPECT_EQ(late.out, "");
}

}  // namespace
}  // namespace skycalc
