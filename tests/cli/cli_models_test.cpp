// skycalc-cli's --precise and --events against the window logic in this
// process: the same numbers and texts, the same refusals, and long runs in
// constant memory.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli_program_fixture.h"
#include "panel/day_events.h"
#include "astro/sky/day_table.h"
#include "panel/model_messages.h"

namespace skycalc {
namespace {

using namespace clitest;

const char kInstant[] =
    "--year 2024 --month 3 --day 20 --hour 21 --minute 30 --zone-hour 9 --zone-minute 0 --longitude 139.7 "
    "--latitude 35.7";
// The same day for --events, which takes no time of day.
const char kDay[] = "--year 2024 --month 3 --day 20 --zone-hour 9 --zone-minute 0 --longitude 139.7 --latitude 35.7";

void KeyInstant(Window& w) {
  w.Key(IDC_FIELD_YEAR, "2024");
  w.Key(IDC_FIELD_MONTH, "3");
  w.Key(IDC_FIELD_DAY, "20");
  w.Key(IDC_FIELD_HOUR, "21");
  w.Key(IDC_FIELD_MINUTE, "30");
  w.Key(IDC_FIELD_ZONEHOUR, "9");
  w.Key(IDC_FIELD_ZONEMINUTE, "0");
  w.Key(IDC_FIELD_LONGITUDE, "139.7");
  w.Key(IDC_FIELD_LATITUDE, "35.7");
}

// Every kind of body in the precise model: the numbers of the window logic
// with the precise model chosen, to the bit, and the texts it shows.
TEST_F(CliProgramTest, PreciseRowsAreTheWindowsPreciseReadouts) {
  const struct {
    const char* args;
    int list, index;
  } cases[] = {
      {"--planet mars --equatorial --sidereal", IDC_PLANETLIST, 3},
      {"--planet moon", IDC_PLANETLIST, 9},
      {"--planet pluto --equatorial", IDC_PLANETLIST, 8},
      {"--star vega --sidereal", IDC_STARLIST, 15},
      {"--constellation orion --equatorial", IDC_CONSTLIST, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const RunResult r = Run(std::string(kInstant) + " " + c.args + " --precise --json --data-dir '" + kDataDir + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    Window w;
    w.Select(c.list, c.index);
    const std::string args = c.args;
    if (args.find("--equatorial") != std::string::npos) w.Press(IDC_EQUATORIAL);
    if (args.find("--sidereal") != std::string::npos) w.Press(IDC_SIDEREAL);
    KeyInstant(w);
    w.dlg->SetPreciseModel(true);
    const ReadoutValues values = w.dlg->RefreshReadouts();
    EXPECT_EQ(JsonValue(r.out, "model"), "\"precise\"");
    EXPECT_EQ(JsonNumber(r.out, "lst"), values.siderealTime);
    EXPECT_EQ(JsonPair(r.out, "equatorial"), std::make_pair(values.place.equatorial[0], values.place.equatorial[1]));
    EXPECT_EQ(JsonPair(r.out, "horizontal"), std::make_pair(values.place.horizontal[0], values.place.horizontal[1]));
    EXPECT_EQ(JsonValue(r.out, "time_text"), "\"" + w.host.Text(IDC_TIME) + "\"");
    EXPECT_EQ(JsonValue(r.out, "ra_azm_text"), "\"" + w.host.Text(IDC_RAAZM) + "\"");
    EXPECT_EQ(JsonValue(r.out, "dec_alt_text"), "\"" + w.host.Text(IDC_DECALT) + "\"");
    // Without --precise the same row is the calculator's.
    const RunResult calculator = Run(std::string(kInstant) + " " + c.args + " --json --data-dir '" + kDataDir + "'");
    EXPECT_EQ(JsonValue(calculator.out, "model"), "\"calculator\"");
    EXPECT_NE(JsonPair(calculator.out, "equatorial"), JsonPair(r.out, "equatorial"));
  }
}

TEST_F(CliProgramTest, PreciseModelRefusesYearsOutsideIt) {
  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"--year 999 --precise", kPreciseYearsMessage},
      {"--year 3000 --precise --planet moon", kPreciseYearsMessage},
      {"--year 1884 --precise --planet pluto", kPrecisePlutoYearsMessage},
      {"--year 2100 --precise --planet pluto --events", kPrecisePlutoYearsMessage},
      {"--year 2999 --month 12 --day 31 --hour 23 --minute 0 --precise --step 1h --count 3", kPreciseYearsMessage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const RunResult r = Run(std::string(c.args) + " --data-dir '" + kDataDir + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, std::string(c.message) + "\n");
  }
  // Within the years, and the calculator's model at any year.
  EXPECT_EQ(Run("--year 1885 --precise --planet pluto --data-dir '" + kDataDir + "'").status, 0);
  EXPECT_EQ(Run("--year 999 --data-dir '" + kDataDir + "'").status, 0);
}

// --events: each format carries the events the window's 出没時刻 box shows for
// the same fields (the logic's DayEventsTable), day after day.
TEST_F(CliProgramTest, EventsInEveryFormatAreTheWindowsEvents) {
  const std::string args = std::string(kDay) + " --events --count 3 --data-dir '" + kDataDir + "'";
  for (const bool precise : {false, true}) {
    SCOPED_TRACE(precise ? "precise" : "calculator");
    const std::string model = precise ? " --precise" : "";
    const RunResult text = Run(args + model);
    const RunResult json = Run(args + model + " --json");
    const RunResult csv = Run(args + model + " --csv");
    ASSERT_EQ(text.status, 0) << text.err;
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> lines = Lines(text.out), objects = Lines(json.out), rows = Lines(csv.out);
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_EQ(objects.size(), 3u);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].rfind("date,rise,transit,set,rise_jd,transit_jd,set_jd,transit_altitude_deg,always_up,always_down,",
                            0),
              0u);

    Window w;
    KeyInstant(w);
    w.dlg->SetPreciseModel(precise);
    const std::unique_ptr<sky::DayEventsTable> events = MakeDayEventsTable(w.dlg->CurrentObservation());
    const sky::DayEventsTable& table = *events;
    for (int i = 0; i < 3; ++i) {
      const sky::LocalDayEvents day = table.Day(2024, 3, 20 + i);
      ASSERT_EQ(day.events.rises.size(), 1u);
      const std::string date = "2024-03-2" + std::to_string(i);
      const std::string rise = FormatEventTime(day.events.rises[0].jd, day.dayStartJd);
      const std::string transit = FormatEventTime(day.events.transits[0].jd, day.dayStartJd);
      const std::string set = FormatEventTime(day.events.sets[0].jd, day.dayStartJd);
      EXPECT_EQ(lines[i].rfind(date + "\t出 " + rise + " (" + FormatEventAzimuth(day.events.rises[0]) + ")\t南中 " +
                                   transit + " (" + FormatEventAltitude(day.events.transits[0]) + ")\t没 " + set,
                               0),
                0u)
          << lines[i];
      EXPECT_NE(lines[i].find("\t市民薄明 始 "), std::string::npos) << lines[i];
      EXPECT_EQ(JsonValue(objects[i], "date"), "\"" + date + "\"");
      EXPECT_EQ(JsonNumber(objects[i], "day_start_jd"), day.dayStartJd);
      EXPECT_EQ(JsonNumber(objects[i], "jd"), day.events.rises[0].jd);  // the first "jd" is the rise's
      EXPECT_EQ(JsonValue(objects[i], "model"), precise ? "\"precise\"" : "\"calculator\"");
      EXPECT_EQ(JsonValue(objects[i], "always_up"), "false");
      EXPECT_NE(objects[i].find("\"civil\":{\"dawn\":{\"jd\":"), std::string::npos);
      EXPECT_EQ(rows[i + 1].rfind(date + "," + rise + "," + transit + "," + set + ",", 0), 0u) << rows[i + 1];
    }
  }
}

TEST_F(CliProgramTest, EventsForBodiesThatStayUpOrDown) {
  // Capella never sets at 70 N, Acrux never rises; neither has twilights.
  const std::string site = "--year 2024 --month 1 --day 1 --zone-hour 1 --longitude 15 --latitude 70 --events "
                           "--data-dir '" + kDataDir + "'";
  const RunResult up = Run(site + " --star capella");
  ASSERT_EQ(up.status, 0) << up.err;
  EXPECT_EQ(up.out.rfind("2024-01-01\t一日中地平線上\t南中 ", 0), 0u) << up.out;
  EXPECT_EQ(up.out.find("薄明"), std::string::npos);
  const RunResult down = Run(site + " --star 1 --csv");
  ASSERT_EQ(down.status, 0) << down.err;
  EXPECT_NE(Lines(down.out).at(1).find(",false,true,,,"), std::string::npos);  // always_up, always_down, no azimuths
  // The polar night: the Sun never rises, its noon altitude below the horizon.
  const RunResult night = Run(site + " --planet sun --json");
  EXPECT_EQ(JsonValue(night.out, "always_down"), "true");
  EXPECT_NE(night.out.find("\"rise\":[],"), std::string::npos);
}

TEST_F(CliProgramTest, EventsUsageErrors) {
  EXPECT_EQ(Run("--events --step 1d --count 2").status, 64);
  EXPECT_EQ(Run("--events --events").status, 64);
  EXPECT_EQ(Run("--precise --precise").status, 64);
}

// Peak resident set of the tool run to the end with args (output discarded).
long PeakKib(const std::string& args, const std::string& home) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("ASAN_OPTIONS", "quarantine_size_mb=0:detect_leaks=0", 1);
    const std::string command = std::string("exec '") + SKYCALC_CLI_PATH + "' " + args;
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

TEST_F(CliProgramTest, PreciseTablesAndEventsRunInConstantMemory) {
  ChildrenWithoutSanitizerQuarantine();
  const std::string data = " --data-dir '" + kDataDir + "' ";
  const struct {
    const char* shortRun;
    const char* longRun;
  } cases[] = {
      {"--precise --planet moon --step 1h --count 1000", "--precise --planet moon --step 1h --count 30000"},
      // The day searches' short runs long enough for AddressSanitizer's allocator to reach its
      // steady state (its size classes fill over the first few hundred days, by about 1.4 MB).
      {"--events --count 1000", "--events --count 3000"},
      {"--events --precise --planet moon --count 1000", "--events --precise --planet moon --count 3000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.longRun);
    const std::string base = (std::string(c.shortRun).rfind("--events", 0) == 0 ? kDay : kInstant) + data;
    const long shortPeak = PeakKib(base + c.shortRun, root_.string());
    const long longPeak = PeakKib(base + c.longRun, root_.string());
    ASSERT_GT(shortPeak, 0);
    ASSERT_GT(longPeak, 0);
    EXPECT_LT(longPeak - shortPeak, 1024) << shortPeak << " KiB against " << longPeak << " KiB";
  }
}

}  // namespace
}  // namespace skycalc
