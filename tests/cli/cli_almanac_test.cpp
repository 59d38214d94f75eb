// skycalc-cli --almanac and --calendar: formats, the stored zone, exit codes.

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

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
      {"--year 2026 --almanac --json" + kJst, "{\"jd\":null,\"date\":\"2026-02-03\",\"time\":null,\"kind\":\"zassetsu\",\"name\":\"節分\",\"longitude_deg\":null}"},
      {"--year 2026 --almanac --csv" + kJst, "jd,date,time,kind,name,longitude_deg\n"},
      {"--year 2026 --almanac --csv" + kJst, ",2026-03-20,23:46,solar_term,春分,0\n"},
      {"--year 2026 --almanac --count 2" + kJst, "2027-12-22\t"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_TRUE(Has(r.out, c.expected)) << c.args << " lacks " << c.expected;
  }
  // A phase has no longitude (null); every JSON line is one object.
  for (const std::string& line : Lines(Run("--year 2026 --almanac --json" + kJst).out)) {
    EXPECT_EQ(line.front(), '{');
    EXPECT_EQ(line.back(), '}');
    if (Has(line, "moon_phase")) {
      EXPECT_TRUE(Has(line, "\"longitude_deg\":null")) << line;
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
            "date,moon_age_noon,illuminated_fraction,lunar_month,lunar_day,lunar_leap,lunar_uncertain,rokuyo,events,holiday,"
              "holiday_planned");
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
      {"--year 2026 --month 9 --calendar --json", "\"rokuyo\":\"先勝\",\"holiday\":\"国民の休日\",\"holiday_planned\":false,\"events\":[]}"},
      {"--year 2026 --month 9 --calendar --json", "\"holiday\":null"},
      {"--year 2028 --month 3 --calendar --json", "\"holiday\":\"春分の日\",\"holiday_planned\":true,"},
      {"--year 2028 --month 3 --calendar --csv", ",春分 11:17,春分の日,true\n"},
  };
  for (const auto& [args, expected] : cases) {
    // The holidays are Japan's whatever the zone: --holidays takes none.
    const RunResult r = Run(args + (Has(args, "--holidays") ? "" : kJst));
    EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
    EXPECT_TRUE(Has(r.out, expected)) << args << " lacks " << expected;
  }
  EXPECT_EQ(Run("--year 1947 --holidays").out, "");  // the law from 1948-07-20
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
      {"--holidays --zone-hour 0", 64},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args + (Has(c.args, "--holidays") ? "" : kJst));
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    if (c.status == 2) {
      EXPECT_TRUE(Has(r.err, "1000年～2999年")) << c.args;
    }
  }
}

// The almanac and the eclipses have their own years whatever the model in
// use; their refusals named the precise model (高精度計算).
TEST_F(CliProgramTest, YearsOutsideNameTheAlmanacNotThePreciseModel) {
  struct Case {
    std::string args, message;
  };
  const Case cases[] = {
      {"--year 3000 --almanac", "暦は1000年～2999年にだけ計算できます。\n"},
      {"--year 999 --month 12 --calendar", "暦は1000年～2999年にだけ計算できます。\n"},
      {"--year 2999 --month 12 --calendar --count 2 --json", "暦は1000年～2999年にだけ計算できます。\n"},
      {"--year 3000 --eclipses", "日食・月食は1000年～2999年にだけ計算できます。\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args + kJst);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.err, c.message) << c.args;
  }
}

// How often part occurs in text.
std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// --almanac --json wrote "longitude_deg" only for some events and null for
// jd and time of others; --calendar --json "lunar_uncertain" only when true
// (and its CSV not at all): every key always there, null or empty where it
// does not apply.
TEST_F(CliProgramTest, AlmanacJsonKeysAlwaysPresent) {
  const char* const eventKeys[] = {"jd", "time", "kind", "name", "longitude_deg"};
  const char* const dayKeys[] = {"moon_age_noon", "illuminated_fraction", "lunar_date", "lunar_uncertain", "rokuyo",
                                 "events"};
  for (const std::string args :
       {"--year 2026 --almanac --json", "--year 2033 --month 11 --count 2 --calendar --json"}) {
    const std::vector<std::string> lines = Lines(Run(args + kJst).out);
    ASSERT_GT(lines.size(), 50u) << args;
    const bool calendar = Has(args, "--calendar");
    for (const std::string& line : lines) {
      // Each event (alone, or inside a day) with every key once.
      const std::size_t events = Count(line, "\"kind\":");
      EXPECT_EQ(events, calendar ? Count(line, "{\"jd\":") : 1u) << line;
      for (const char* key : eventKeys) {
        EXPECT_EQ(Count(line, "\"" + std::string(key) + "\":"), events) << key << ": " << line;
      }
      if (!calendar) continue;
      for (const char* key : dayKeys) {
        EXPECT_EQ(Count(line, "\"" + std::string(key) + "\":"), 1u) << key << ": " << line;
      }
    }
  }
  // CSV: as many fields on every row as in the header, none dropped.
  for (const std::string args : {"--year 2026 --almanac --csv", "--year 2033 --month 11 --count 2 --calendar --csv"}) {
    const std::vector<std::string> lines = Lines(Run(args + kJst).out);
    const auto fields = [](const std::string& row) {
      std::size_t n = 1;
      bool quoted = false;
      for (const char c : row) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) ++n;
      }
      return n;
    };
    for (const std::string& row : lines) EXPECT_EQ(fields(row), fields(lines.at(0))) << args << ": " << row;
  }
}

// Long runs showed nothing on a terminal for a minute: now the progress line
// of tables (rows: the events, their total estimated, or the days), erased at
// the end. Standard error on a pseudo-terminal (script), standard output not.
TEST_F(CliProgramTest, LongAlmanacShowsProgressOnATerminal) {
  struct Case {
    std::string args, total;
  };
  const Case cases[] = {
      // Each run must outlast the first second, before which nothing is drawn
      // (200 years of the almanac took 1.4 s of CPU once, 0.5 s now).
      {"--year 1000 --almanac --count 1000", "/87473 行"},                // 1000 years of 87.47 events
      // JD 2451544.5 (2000-01-01) less JD 2268932.5 (1500-01-01 Julian)
      {"--year 1500 --month 1 --calendar --count 6000 --csv", "/182612 行"},
  };
  for (const Case& c : cases) {
    const std::string command = "cd '" + root_.string() + "' && HOME='" + root_.string() + "' XDG_CONFIG_HOME='" + (root_ / "config").string() + "' script -qec \"'" +
                                SKYCALC_CLI_PATH + "' " + c.args + kJst + " >/dev/null\" /dev/null > terminal.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string terminal = ReadAll(root_ / "terminal.txt");
    EXPECT_TRUE(Has(terminal, c.total) && Has(terminal, "行/秒")) << c.args << ": " << terminal;
    EXPECT_EQ(terminal.substr(terminal.rfind('\r')), "\r\x1b[K") << c.args;  // erased at the end
  }
}

// The lunar date in each format against a published table of 旧暦 4月 (卯月):
// ja.wikipedia.org/wiki/4月_(旧暦) (mirrored at mobile.seisyun.net/wgate/4%E6%9C%88_(%E6%97%A7%E6%9A%A6)/):
// 4月 of 2020 from 4月23日, its 閏4月 from 5月23日 to 6月20日 (29 days), 4月
// of 2023 from 5月20日 to 6月17日; its 六曜 row: 1日 仏滅, 29日 友引, 30日 先負.
// A CSV with month and day swapped, or a text without 閏, went through before.
TEST_F(CliProgramTest, CalendarLunarDateInEveryFormatAsPublished) {
  struct Case {
    const char* date;
    int month, day;
    bool leap;
    const char* rokuyo;
  };
  const Case cases[] = {
      {"2020-05-22", 4, 30, false, "先負"},
      {"2020-05-23", 4, 1, true, "仏滅"},
      {"2020-06-20", 4, 29, true, "友引"},
      {"2023-05-20", 4, 1, false, "仏滅"},
      {"2023-06-17", 4, 29, false, "友引"},
  };
  const auto rowOf = [](const std::string& out, const std::string& date) {
    for (const std::string& line : Lines(out)) {
      if (line.find(date) != std::string::npos) return line;
    }
    return std::string();
  };
  for (const Case& c : cases) {
    const std::string args = std::string("--year ") + std::string(c.date, 4) + " --month " + std::string(c.date + 5, 2) +
                             " --calendar" + kJst;
    const std::string lunar = std::string("旧") + (c.leap ? "閏" : "") + std::to_string(c.month) + "月" +
                              std::to_string(c.day) + "日";
    EXPECT_TRUE(Has(rowOf(Run(args).out, c.date), "\t" + lunar + "\t" + c.rokuyo + "\t")) << c.date << " " << lunar;
    // CSV: date, moon_age_noon, illuminated_fraction, lunar_month, lunar_day,
    // lunar_leap, lunar_uncertain, rokuyo, events
    std::vector<std::string> fields;
    std::istringstream csv(rowOf(Run(args + " --csv").out, c.date));
    for (std::string field; std::getline(csv, field, ',');) fields.push_back(field);
    ASSERT_GE(fields.size(), 8u) << c.date;
    EXPECT_EQ(fields[3], std::to_string(c.month)) << c.date;
    EXPECT_EQ(fields[4], std::to_string(c.day)) << c.date;
    EXPECT_EQ(fields[5], c.leap ? "true" : "false") << c.date;
    EXPECT_EQ(fields[6], "false") << c.date;
    EXPECT_EQ(fields[7], c.rokuyo) << c.date;
    const std::string json = rowOf(Run(args + " --json").out, c.date);
    EXPECT_TRUE(Has(json, "\"lunar_date\":{\"month\":" + std::to_string(c.month) + ",\"day\":" + std::to_string(c.day) +
                              ",\"leap\":" + (c.leap ? "true" : "false") + "}"))
        << json;
    EXPECT_TRUE(Has(json, std::string("\"rokuyo\":\"") + c.rokuyo + "\"")) << json;
  }
}

}  // namespace
}  // namespace clitest
}  // namespace skycalc
