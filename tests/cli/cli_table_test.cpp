// skycalc-cli's long tables: constant memory whatever their length, rows
// identical to the window's over a year of hourly rows for every kind of
// body, and a progress line only on a terminal.

#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/base/constants.h"
#include "cli/civil_calendar.h"
#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

struct ChildResult {
  int status = -1;
  long peakKib = 0;
  std::string err;  // what it wrote to its standard error (a terminal when asked for)
};

// Runs skycalc-cli with args, standard output to /dev/null; standard error to
// /dev/null or to a pseudo-terminal whose output is collected. The peak
// resident set of the child comes from wait4.
ChildResult RunChild(const std::vector<std::string>& args, bool stderrTerminal, const std::string& home) {
  int master = -1;
  int slave = -1;
  if (stderrTerminal && openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(stderrTerminal ? slave : null, STDERR_FILENO);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    // Memory freed and kept back by AddressSanitizer would count as growth.
    setenv("ASAN_OPTIONS", "quarantine_size_mb=0:detect_leaks=0", 1);
    std::vector<char*> argv;
    static std::string program = SKYCALC_CLI_PATH;
    argv.push_back(program.data());
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  ChildResult result;
  if (stderrTerminal) {
    close(slave);
    char buffer[4096];
    for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;) result.err.append(buffer, static_cast<std::size_t>(n));
    close(master);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.peakKib = usage.ru_maxrss;
  return result;
}

std::vector<std::string> TableArgs(long rows, const char* body) {
  return {"--year", "2024", "--month", "1", "--day", "1", "--hour", "0", "--minute", "0", "--zone-hour", "9",
          "--longitude", "139.7", "--latitude", "35.7", "--planet", body, "--step", "1h", "--count",
          std::to_string(rows), "--data-dir", kDataDir};
}

TEST_F(CliProgramTest, PeakMemoryDoesNotGrowWithTheTable) {
  ChildrenWithoutSanitizerQuarantine();
  const ChildResult shortTable = RunChild(TableArgs(10000, "mars"), false, root_.string());
  const ChildResult longTable = RunChild(TableArgs(200000, "mars"), false, root_.string());
  ASSERT_EQ(shortTable.status, 0);
  ASSERT_EQ(longTable.status, 0);
  EXPECT_LT(longTable.peakKib - shortTable.peakKib, 1024)
      << shortTable.peakKib << " KiB for 10,000 rows, " << longTable.peakKib << " KiB for 200,000";
}

// A year of hourly rows for each kind of body, against the window logic keyed
// row by row as a user would key it: same texts, same numbers to the bit.
TEST_F(CliProgramTest, YearOfHourlyRowsMatchesTheWindow) {
  struct Case {
    const char* args;
    int list, index;  // the list pick in the window
    int frame, mode;  // radio buttons clicked in the window (0: none)
  } const cases[] = {
      {"--planet mars --equatorial", IDC_PLANETLIST, 3, IDC_EQUATORIAL, 0},
      {"--planet moon", IDC_PLANETLIST, 9, 0, 0},
      {"--star sirius --equatorial --sidereal", IDC_STARLIST, 9, IDC_EQUATORIAL, IDC_SIDEREAL},
      {"--constellation orion --sidereal", IDC_CONSTLIST, 16, 0, IDC_SIDEREAL},
  };
  constexpr int kRows = 366 * 24;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const RunResult r = Run(std::string(c.args) +
                            " --year 2024 --month 1 --day 1 --hour 0 --minute 30 --zone-hour 9 --zone-minute 0"
                            " --longitude 139.7 --latitude 35.7 --step 1h --count " + std::to_string(kRows) +
                            " --json --data-dir '" + kDataDir + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kRows));

    Window w;
    w.Select(c.list, c.index);
    if (c.frame != 0) w.Press(c.frame);
    if (c.mode != 0) w.Press(c.mode);
    w.Key(IDC_FIELD_ZONEHOUR, "9");
    w.Key(IDC_FIELD_ZONEMINUTE, "0");
    w.Key(IDC_FIELD_LONGITUDE, "139.7");
    w.Key(IDC_FIELD_LATITUDE, "35.7");
    CivilTime at{2024, 1, 1, 0, 30};
    CivilTime keyed{};
    for (int i = 0; i < kRows; ++i) {
      const std::array<std::pair<int, int>, 5> fields = {{{IDC_FIELD_YEAR, at.year},
                                                          {IDC_FIELD_MONTH, at.month},
                                                          {IDC_FIELD_DAY, at.day},
                                                          {IDC_FIELD_HOUR, at.hour},
                                                          {IDC_FIELD_MINUTE, at.minute}}};
      const int before[] = {keyed.year, keyed.month, keyed.day, keyed.hour, keyed.minute};
      for (std::size_t f = 0; f < fields.size(); ++f)
        if (i == 0 || fields[f].second != before[f]) w.Key(fields[f].first, std::to_string(fields[f].second));
      keyed = at;
      const Place place = c.list == IDC_PLANETLIST ? w.dlg->TargetPlace(sky::Target::OfBody(BodyOfNumber(g_nPlanetBody)))
                          : c.list == IDC_STARLIST ? w.dlg->TargetPlace(StarTarget(w.dlg->CatalogTables(), g_nStarIndex))
                                                   : w.dlg->TargetPlace(ConstellationTarget(w.dlg->CatalogTables(), g_nConstIndex));
      const std::string& line = lines[static_cast<std::size_t>(i)];
      ASSERT_EQ(JsonNumber(line, "jd"), w.dlg->JulianDay()) << line;
      ASSERT_EQ(JsonPair(line, "equatorial"), std::make_pair(place.equatorial[0], place.equatorial[1])) << line;
      ASSERT_EQ(JsonPair(line, "horizontal"), std::make_pair(place.horizontal[0], place.horizontal[1])) << line;
      ASSERT_EQ(JsonValue(line, "time_text"), "\"" + w.host.Text(IDC_TIME) + "\"") << line;
      ASSERT_EQ(JsonValue(line, "ra_azm_text"), "\"" + w.host.Text(IDC_RAAZM) + "\"") << line;
      ASSERT_EQ(JsonValue(line, "dec_alt_text"), "\"" + w.host.Text(IDC_DECALT) + "\"") << line;
      at = Advance(at, TableStep{1, StepUnit::kHour});
    }
  }
}

// A table long enough to take more than a second shows its progress on a
// terminal and erases it at the end; the rows themselves are untouched.
TEST_F(CliProgramTest, ProgressLineOnATerminal) {
  const auto start = std::chrono::steady_clock::now();
  const ChildResult r = RunChild(TableArgs(1500000, "moon"), true, root_.string());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(r.status, 0) << r.err;
  // Redrawn at most five times a second (each draw and the final erase start with the same code).
  std::size_t draws = 0;
  for (std::size_t at = r.err.find("\r\x1b[K"); at != std::string::npos; at = r.err.find("\r\x1b[K", at + 1)) ++draws;
  EXPECT_LE(static_cast<double>(draws), 5.0 * seconds + 2.0) << draws << " in " << seconds << " s";
  EXPECT_NE(r.err.find("行/秒"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("/1500000 行"), std::string::npos) << r.err;
  const std::string erase = "\r\x1b[K";
  ASSERT_GE(r.err.size(), erase.size());
  EXPECT_EQ(r.err.substr(r.err.size() - erase.size()), erase);
}

// Rows from a keyed 30 February are labelled with the day it is and move forward.
TEST_F(CliProgramTest, StepFromThirtiethOfFebruaryRunsForward) {
  const std::string at = " --step 1d --count 2 --year 2026 --month 2 --day 30 --hour 15 --minute 0 --data-dir '" + kDataDir + "'";
  const std::vector<std::string> rows = Lines(Run("--json" + at).out), lines = Lines(Run(at).out);
  ASSERT_EQ(rows.size() + lines.size(), 4u);
  // 2026-03-02 06:00 UT is JD 2461101.75 (ERFA eraCal2jd: MJD 61101.0 at 0h).
  for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(JsonNumber(rows[i], "jd"), 2461101.75 + i) << rows[i];
  EXPECT_EQ(lines[0].substr(0, 16) + lines[1].substr(0, 16), "2026-03-02\t15:002026-03-03\t15:00");
  EXPECT_EQ(Run(at).err, "2月30日は3月2日として計算しました\n");
}

// The Sun at 139.7E 35.7N, 2024-03-20 06:00 UT: PyEphem 4.1.4 gives north-based
// azimuth 242.2016, south-based 62.2016, shown less the origin. Origins 0 and
// 180 alone cannot tell a subtracted origin from an added one.
TEST_F(CliProgramTest, AzimuthOriginIsSubtractedAtAnyOrigin) {
  const struct { const char* origin; double azimuth; const char* words; } cases[] = {
      {"0", 62.2016, "方位は南から西回り"}, {"180", 242.2016, "方位は北から東回り"}, {"90", 332.2016, "方位は西から北回り"},
      {"37.5", 24.7016, "方位0°は南から西へ37.50°、西回り"}};
  for (const auto& c : cases) {
    const std::string args = std::string(" --year 2024 --month 3 --day 20 --hour 15 --minute 0 --longitude 139.7 ") +
                             "--latitude 35.7 --azimuth " + c.origin + " --data-dir '" + kDataDir + "'";
    EXPECT_NEAR(std::strtod(Lines(Run(args).out).at(1).c_str() + 4, nullptr), c.azimuth, 0.02) << c.origin;
    const std::string csv = Lines(Run("--step 1h --count 1 --csv" + args).out).at(1);
    std::vector<std::string> cells;
    std::istringstream in(csv);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    EXPECT_NEAR(std::strtod(cells.at(6).c_str(), nullptr), c.azimuth, 0.02) << csv;  // azimuth_deg
    EXPECT_EQ(csv.substr(csv.rfind(',') + 1), c.words);
    const std::string json = Run("--step 1h --count 1 --json" + args).out;
    EXPECT_NEAR(JsonPair(json, "horizontal").first * 180.0 / kExactPi, c.azimuth, 0.02) << c.origin;
    EXPECT_EQ(JsonValue(json, "azimuth_words"), "\"" + std::string(c.words) + "\"");
    const std::string text = Run("--step 1h --count 1" + args).out;
    EXPECT_EQ(text.substr(text.rfind('\t') + 1), std::string(c.words) + "\n");
  }
}

}  // namespace
}  // namespace skycalc
