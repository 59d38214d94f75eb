// skycalc-cli --almanac and --calendar: formats, the stored zone, exit codes.

#include <string>

#include "tests/cli/cli_program_fixture.h"

namespace skycalc {
namespace clitest {
namespace {

const std::string kJst = " --zone-hour 9 --zone-minute 0 --data-dir " + kDataDir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(CliProgramTest, AlmanacLinesInEachFormat) {
  struct Case {
    std::string args, expected;  // a line (or part of one) the output holds
  };
  const Case cases[] = {
      // 暦要項 2026: 春分 3月20日 23時46分; 節分 the day before 立春 (2月4日), no time.
      {"--year 2026 --almanac" + kJst, "2026-03-20\t23:46\t春分\n"},
      {"--year 2026 --almanac" + kJst, "2026-02-03\t\t節分\n"},
      {"--year 2026 --almanac --zone-hour 0 --zone-minute 0", "2026-03-20\t14:46\t春分\n"},
      {"--year 2026 --almanac --json" + kJst,
       "\"date\":\"2026-03-20\",\"time\":\"23:46\",\"kind\":\"solar_term\",\"name\":\"春分\",\"longitude_deg\":0}"},
      {"--year 2026 --almanac --json" + kJst, "{\"jd\":null,\"date\":\"2026-02-03\",\"time\":null,\"kind\":\"zassetsu\",\"name\":\"節分\"}"},
      {"--year 2026 --almanac --csv" + kJst, "jd,date,time,kind,name,longitude_deg\n"},
      {"--year 2026 --almanac --csv" + kJst, ",2026-03-20,23:46,solar_term,春分,0\n"},
      {"--year 2026 --almanac --count 2" + kJst, "2027-12-22\t"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_TRUE(Has(r.out, c.expected)) << c.args << " lacks " << c.expected;
  }
  // A phase has no longitude; every JSON line is one object.
  for (const std::string& line : Lines(Run("--year 2026 --almanac --json" + kJst).out)) {
    EXPECT_EQ(line.front(), '{');
    EXPECT_EQ(line.back(), '}');
    if (Has(line, "moon_phase")) {
      EXPECT_FALSE(Has(line, "longitude_deg")) << line;
    }
  }
}

TEST_F(CliProgramTest, CalendarDaysInEachFormat) {
  const RunResult text = Run("--year 2026 --month 2 --calendar" + kJst);
  ASSERT_EQ(text.status, 0) << text.err;
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_EQ(lines.size(), 28u + 1u);  // the days and the note
  EXPECT_EQ(lines[16], "2026-02-17\t29.3\t0.002\t旧1月1日\t先勝\t朔 21:01");
  EXPECT_EQ(lines[28].rfind("※旧暦・六曜は公式の暦ではありません", 0), 0u);

  const RunResult json = Run("--year 2033 --month 12 --calendar --json" + kJst);
  ASSERT_EQ(json.status, 0) << json.err;
  const std::string day22 = Lines(json.out).at(21);
  EXPECT_TRUE(Has(day22, "\"lunar_date\":{\"month\":11,\"day\":1,\"leap\":true},\"lunar_uncertain\":true")) << day22;
  EXPECT_TRUE(Has(day22, "\"events\":[{\"jd\":")) << day22;

  const RunResult text2033 = Run("--year 2033 --month 12 --calendar" + kJst);
  EXPECT_TRUE(Has(text2033.out, "閏十一月")) << "the 2033 note";

  const RunResult csv = Run("--year 2026 --month 1 --count 2 --calendar --csv" + kJst);
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(Lines(csv.out).size(), 1u + 31u + 28u);
  EXPECT_EQ(Lines(csv.out)[0],
            "date,moon_age_noon,illuminated_fraction,lunar_month,lunar_day,lunar_leap,rokuyo,events,holiday,holiday_planned");
}

// Holidays after the cabinet office's list (syukujitsu.csv): 2026-09-22 is a
// 国民の休日, 2026-01-12 成人の日; 2028's equinox days are not announced yet.
TEST_F(CliProgramTest, HolidaysInEachFormatAndInTheCalendar) {
  const std::pair<std::string, std::string> cases[] = {  // arguments, a part of the output
      {"--year 2026 --holidays", "2026-01-01\t元日\n2026-01-12\t成人の日\n"},
      {"--year 2026 --holidays", "2026-09-21\t敬老の日\n2026-09-22\t国民の休日\n2026-09-23\t秋分の日\n"},
      {"--year 2027 --holidays --count 2", "2028-03-20\t春分の日(予定)\n"},
      {"--year 2019 --holidays --json", "{\"date\":\"2019-05-01\",\"name\":\"天皇の即位の日\",\"planned\":false}\n"},
      {"--year 2028 --holidays --json", "{\"date\":\"2028-09-22\",\"name\":\"秋分の日\",\"planned\":true}\n"},
      {"--year 2019 --holidays --csv", "date,name,planned\n2019-01-01,元日,false\n"},
      // The holiday closes the calendar's text line, as JSON "holiday" and the CSV's last columns.
      {"--year 2026 --month 9 --calendar", "2026-09-22\t11.0\t0.793\t旧8月12日\t先勝\t\t国民の休日\n"},
      {"--year 2026 --month 9 --calendar --json", "\"rokuyo\":\"先勝\",\"holiday\":\"国民の休日\",\"events\":[]}"},
      {"--year 2026 --month 9 --calendar --json", "\"holiday\":null"},
      {"--year 2028 --month 3 --calendar --json", "\"holiday\":\"春分の日\",\"holiday_planned\":true,"},
      {"--year 2028 --month 3 --calendar --csv", ",春分 11:17,春分の日,true\n"},
  };
  for (const auto& [args, expected] : cases) {
    const RunResult r = Run(args + kJst);
    EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
    EXPECT_TRUE(Has(r.out, expected)) << args << " lacks " << expected;
  }
  EXPECT_EQ(Run("--year 1947 --holidays" + kJst).out, "");  // the law from 1948-07-20
}

TEST_F(CliProgramTest, AlmanacExitStatus) {
  struct Case {
    std::string args;
    int status;
  };
  const Case cases[] = {
      {"--almanac --calendar", 64},         {"--almanac --events", 64},
      {"--almanac --step 1h --count 2", 64}, {"--calendar --step 1d", 64},
      {"--almanac --almanac", 64},          {"--calendar --count 0", 64},
      {"--year 3000 --almanac", 2},         {"--year 999 --month 12 --calendar", 2},
      {"--year 2999 --month 12 --calendar --count 2", 2},
      {"--holidays --calendar", 64},        {"--holidays --step 1d --count 2", 64},
      {"--holidays --events", 64},          {"--year 3000 --holidays", 2},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args + kJst);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    if (c.status == 2) {
      EXPECT_TRUE(Has(r.err, "高精度計算は1000年～2999年にだけ使えます。")) << c.args;
    }
  }
}

}  // namespace
}  // namespace clitest
}  // namespace skycalc
