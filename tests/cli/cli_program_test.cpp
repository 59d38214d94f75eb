// Runs the built skycalc-cli and checks it against the window logic driven in
// this process: same texts, same numbers, same refusals, the store left alone.

#include <cstdio>
#include <map>
#include <cstring>
#include <string>
#include <vector>

#include "astro/base/constants.h"
#include "astro/time/julian_day.h"
#include "astro/time/sidereal.h"
#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

// One instant: date, time, zone and site as keyed on both sides.
struct Instant {
  const char* year;
  const char* month;
  const char* day;
  const char* hour;
  const char* minute;
  const char* zoneHour;
  const char* zoneMinute;
  const char* longitude;
  const char* latitude;

  std::string Args() const {
    return std::string("--year ") + year + " --month " + month + " --day " + day + " --hour " + hour + " --minute " +
           minute + " --longitude " + longitude + " --latitude " + latitude + " --zone-hour " + zoneHour +
           " --zone-minute " + zoneMinute;
  }
  void KeyInto(Window& w) const {
    const std::pair<int, const char*> keyed[] = {
        {IDC_FIELD_YEAR, year},         {IDC_FIELD_MONTH, month},        {IDC_FIELD_DAY, day},
        {IDC_FIELD_HOUR, hour},         {IDC_FIELD_MINUTE, minute},      {IDC_FIELD_LONGITUDE, longitude},
        {IDC_FIELD_LATITUDE, latitude}, {IDC_FIELD_ZONEHOUR, zoneHour}, {IDC_FIELD_ZONEMINUTE, zoneMinute}};
    for (const auto& [button, text] : keyed) w.Key(button, text);
  }
};

TEST_F(CliProgramTest, TimeReadoutsMatchTheWindow) {
  struct Case {
    Instant at;
    const char* mode;
    const char* expected;
  } const cases[] = {
      {{"2000", "1", "1", "12", "0", "0", "0", "0", "35"}, "--julian-day", "2451545.000000"},
      {{"2001", "1", "1", "0", "0", "9", "0", "140", "35"}, "--julian-day", "2451910.125000"},
      {{"2001", "1", "1", "0", "0", "9", "0", "140", "35"}, "--sidereal", "7:1"},
      {{"2000", "1", "1", "12", "0", "0", "0", "0", "35"}, "--sidereal", "18:42"},
      {{"1987", "4", "10", "19", "21", "0", "0", "0", "35"}, "--sidereal", "8:35"},
      {{"-99999", "1", "1", "0", "0", "0", "0", "0", "35"}, "--julian-day", "-34803576.500000"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.at.Args() + " " + c.mode + " --data-dir '" + kDataDir + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out).at(0), c.expected) << c.at.Args() << " " << c.mode;
    Window w;
    if (std::string(c.mode) == "--sidereal") w.Press(IDC_SIDEREAL);
    c.at.KeyInto(w);
    EXPECT_EQ(r.out, w.Texts()) << c.at.Args() << " " << c.mode;
  }
}

TEST_F(CliProgramTest, PositionReadoutsMatchTheWindow) {
  const Instant at{"2024", "3", "20", "21", "30", "9", "0", "139.7", "-35.25"};
  struct Case {
    const char* args;
    int list;   // 0: no list choice
    int index;
    int frame;  // radio clicked, 0: none
  } const cases[] = {
      {"", 0, 0, 0},
      {"--planet mars --equatorial", IDC_PLANETLIST, 3, IDC_EQUATORIAL},
      {"--planet 9 --equatorial", IDC_PLANETLIST, 9, IDC_EQUATORIAL},
      {"--planet 冥王星 --horizontal", IDC_PLANETLIST, 8, IDC_HORIZONTAL},
      {"--star sirius --equatorial", IDC_STARLIST, 9, IDC_EQUATORIAL},
      {"--star Rigil-Kentaurus --equatorial", IDC_STARLIST, 12, IDC_EQUATORIAL},
      {"--star 15", IDC_STARLIST, 15, 0},
      {"--constellation uma --equatorial", IDC_CONSTLIST, 13, IDC_EQUATORIAL},
      {"--constellation 'Piscis Austrinus' --equatorial", IDC_CONSTLIST, 74, IDC_EQUATORIAL},
      {"--constellation オリオン", IDC_CONSTLIST, 16, 0},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(at.Args() + " " + c.args + " --data-dir '" + kDataDir + "'");
    ASSERT_EQ(r.status, 0) << c.args << ": " << r.err;
    Window w;
    if (c.list != 0) w.Select(c.list, c.index);
    if (c.frame != 0) w.Press(c.frame);
    at.KeyInto(w);
    EXPECT_EQ(r.out, w.Texts()) << c.args;
    EXPECT_EQ(r.err, "") << c.args;
  }
}

TEST_F(CliProgramTest, JsonNumbersAreTheLibrarysDoubles) {
  const Instant at{"1957", "10", "4", "19", "26", "-4", "30", "-71.05", "42.36"};
  struct Case {
    const char* args;
    int list;
    int index;
  } const cases[] = {
      {"--planet moon", IDC_PLANETLIST, 9},
      {"--planet jupiter", IDC_PLANETLIST, 4},
      {"--star vega", IDC_STARLIST, 15},
      {"--constellation CrA", IDC_CONSTLIST, 75},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(at.Args() + " " + c.args + " --json --data-dir '" + kDataDir + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 1u);
    const std::string& line = lines[0];

    Window w;
    w.Select(c.list, c.index);
    at.KeyInto(w);
    double jd = 0.0;
    LocalTimeToJD(1957, 10, 4, 19, 26, -4, 30, jd);
    const float longitude = -71.05f;
    const Place place = c.list == IDC_PLANETLIST ? w.dlg->TargetPlace(sky::Target::OfBody(BodyOfNumber(g_nPlanetBody)))
                        : c.list == IDC_STARLIST ? w.dlg->TargetPlace(StarTarget(w.dlg->CatalogTables(), c.index))
                                                 : w.dlg->TargetPlace(ConstellationTarget(w.dlg->CatalogTables(), c.index));
    EXPECT_EQ(JsonNumber(line, "jd"), jd);
    EXPECT_EQ(JsonNumber(line, "lst"), LocalSiderealTime(jd, static_cast<double>(longitude) * kDegToRad));
    EXPECT_EQ(JsonPair(line, "equatorial"), std::make_pair(place.equatorial[0], place.equatorial[1])) << c.args;
    EXPECT_EQ(JsonPair(line, "horizontal"), std::make_pair(place.horizontal[0], place.horizontal[1])) << c.args;
    // The stored 32-bit floats: their shortest texts, which read back to them.
    EXPECT_EQ(JsonValue(line, "longitude"), "-71.05");
    EXPECT_EQ(std::strtof(JsonValue(line, "longitude").c_str(), nullptr), longitude);
    EXPECT_EQ(JsonValue(line, "latitude"), "42.36");
    EXPECT_EQ(JsonValue(line, "zone_hour"), "-4");
    EXPECT_EQ(JsonValue(line, "ra_azm_text"), "\"" + w.host.Text(IDC_RAAZM) + "\"");
  }
}

TEST_F(CliProgramTest, RefusalsAndUsageErrors) {
  struct Case {
    const char* args;
    int status;
    const char* err;  // exact standard error; nullptr: one line, any text
  } const cases[] = {
      {"--month 13", 2, "月は1～12にしてください。\n"},
      {"--month 257", 2, "月は1～12にしてください。\n"},
      {"--longitude 180", 2, "経度は-179.99～179.99にしてください。\n"},
      {"--zone-minute 60", 2, "標準時 分は0～59にしてください。\n"},
      {"--month 1.5", 64, nullptr},
      {"--azimuth -5", 64, nullptr},
      {"--planet earth", 64, nullptr},
      {"--frobnicate", 64, nullptr},
      {"--step 1h", 64, nullptr},
      {"--year 99999 --month 12 --day 31 --hour 23 --minute 0 --step 1h --count 2", 2,
       "年は-99999～99999にしてください。\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(std::string(c.args) + " --data-dir '" + kDataDir + "'");
    EXPECT_EQ(r.status, c.status) << c.args;
    if (c.err != nullptr) {
      EXPECT_EQ(r.err, c.err) << c.args;
    } else {
      EXPECT_EQ(Lines(r.err).size(), 1u) << c.args << ": " << r.err;
      EXPECT_EQ(r.out, "") << c.args;
    }
  }
}

TEST_F(CliProgramTest, HelpInBothLanguages) {
  const RunResult r = Run("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Usage: skycalc-cli"), std::string::npos);
  EXPECT_NE(r.out.find("使い方: skycalc-cli"), std::string::npos);
}

TEST_F(CliProgramTest, JulianDayWithoutCatalogueFiles) {
  const RunResult r = Run(
      "--year 2000 --month 1 --day 1 --hour 12 --minute 0 --zone-hour 0 --zone-minute 0 --longitude 0 --julian-day");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Lines(r.out).at(0), "2451545.000000");
  EXPECT_EQ(r.err,
            "恒星データファイルStarData.txtが読み込めません。\n"
            "星座データファイルConstData.txtが読み込めません。\n");
}

TEST_F(CliProgramTest, CataloguesFromTheCurrentFolder) {
  fs::copy_file(fs::path(kDataDir) / "StarData.txt", root_ / "work" / "StarData.txt");
  fs::copy_file(fs::path(kDataDir) / "ConstData.txt", root_ / "work" / "ConstData.txt");
  const RunResult here = Run("--year 2000 --month 1 --day 1 --star sirius --equatorial");
  const RunResult there = Run("--year 2000 --month 1 --day 1 --star sirius --equatorial --data-dir '" + kDataDir + "'",
                              root_);
  EXPECT_EQ(here.err, "");
  EXPECT_EQ(here.status, 0);
  EXPECT_EQ(Lines(here.out).at(1), Lines(there.out).at(1));
}

TEST_F(CliProgramTest, HourlyTableAcrossMonthAndYearEnd) {
  const RunResult r = Run(
      "--year 1999 --month 12 --day 31 --hour 12 --minute 0 --zone-hour 9 --zone-minute 0 --step 1h --count 25 --csv "
      "--data-dir '" + kDataDir + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0].rfind("date,time,jd,", 0), 0u);
  for (int i = 0; i < 25; ++i) {
    const int hour = (12 + i) % 24;
    const bool nextYear = i >= 12;
    const int year = nextYear ? 2000 : 1999;
    const int month = nextYear ? 1 : 12;
    const int day = nextYear ? 1 : 31;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%04d-%02d-%02d,%02d:00,", year, month, day, hour);
    EXPECT_EQ(lines[i + 1].rfind(prefix, 0), 0u) << lines[i + 1];
    double jd = 0.0;
    LocalTimeToJD(year, month, day, hour, 0, 9, 0, jd);
    const std::size_t jdAt = std::strlen(prefix);
    EXPECT_EQ(std::strtod(lines[i + 1].c_str() + jdAt, nullptr), jd) << lines[i + 1];
  }
}

TEST_F(CliProgramTest, TableAcrossTheCalendarReform) {
  const RunResult r = Run(
      "--year 1582 --month 10 --day 3 --hour 12 --minute 0 --zone-hour 0 --zone-minute 0 --step 1d --count 3 --json "
      "--data-dir '" + kDataDir + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  const int days[] = {3, 4, 15};
  const double jds[] = {2299159.0, 2299160.0, 2299161.0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(JsonValue(lines[i], "day"), std::to_string(days[i]));
    EXPECT_EQ(JsonNumber(lines[i], "jd"), jds[i]);
  }
  const RunResult text = Run(
      "--year 1582 --month 10 --day 4 --hour 23 --minute 0 --zone-hour 0 --zone-minute 0 --step 30m --count 3 "
      "--data-dir '" + kDataDir + "'");
  const std::vector<std::string> rows = Lines(text.out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].rfind("1582-10-15\t00:00\t2299160.500000\t", 0), 0u) << rows[2];
}

TEST_F(CliProgramTest, SettingsStoreIsReadNeverWritten) {
  fs::create_directories(fs::path(StorePath()).parent_path());
  std::ofstream(StorePath()) << "[Config]\nLongitude=-5.50\nLatitude=123\nSDHour=-5\n";
  const std::string before = ReadAll(StorePath());
  const auto stamp = fs::last_write_time(StorePath());
  for (const char* args : {"--json", "--json --longitude 135 --latitude 10 --zone-hour 3"}) {
    const RunResult r = Run(args);
    ASSERT_EQ(r.status, 0) << r.err;
    if (std::string(args) == "--json") {
      EXPECT_EQ(JsonNumber(r.out, "longitude"), static_cast<double>(-5.5f));
      EXPECT_EQ(JsonNumber(r.out, "latitude"), 123.0);  // trusted as stored, unlike SET
      EXPECT_EQ(JsonValue(r.out, "zone_hour"), "-5");
      EXPECT_EQ(JsonValue(r.out, "azimuth"), "0");
    }
  }
  EXPECT_EQ(ReadAll(StorePath()), before);
  EXPECT_EQ(fs::last_write_time(StorePath()), stamp);
  EXPECT_FALSE(fs::exists(root_ / ".config"));
}

// The settings are read as the window reads them, through QSettings: a value
// with a bare comma is a list to QSettings, and the store hands it on joined
// again, so the longitude is read up to the comma.
TEST_F(CliProgramTest, SettingsAreReadAsTheWindowReadsThem) {
  fs::create_directories(fs::path(StorePath()).parent_path());
  std::ofstream(StorePath()) << "[Config]\nLongitude=135,5\nLatitude=\" 0.00\"\nSDMinute=30\n";
  const RunResult r = Run("--json");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(JsonNumber(r.out, "longitude"), 135.0);
  EXPECT_EQ(JsonNumber(r.out, "latitude"), 0.0);
  EXPECT_EQ(JsonValue(r.out, "zone_minute"), "30");
}

// PyEphem 4.1.4 at the office's Tokyo point (139°44'28.8869"E 35°39'29.1572"N),
// 1010 hPa and 10 °C: the centre's altitude at transit, apparent (the office's
// 南中高度, which shows 54.2 where the geometric altitude is 54.16) and geometric.
TEST_F(CliProgramTest, TransitAltitudeIncludesRefractionInTheOfficeConvention) {
  const struct { const char* body; const char* date; double apparent, geometric; } cases[] = {
      {"sun", "--year 2024 --month 12 --day 21", 30.9286, 30.9017}, {"sun", "--year 2025 --month 9 --day 23", 54.2184, 54.2068},
      {"moon", "--year 2024 --month 6 --day 21", 25.3809, 25.3469}, {"moon", "--year 2025 --month 1 --day 29", 30.2534, 30.2257}};
  for (const auto& c : cases) {
    for (const std::string convention : {"jp", "intl"}) {
      const RunResult r = Run(std::string("--precise --events --json --longitude 139.741080 --latitude 35.658099 ") +
                              c.date + " --planet " + c.body + " --convention " + convention + " --data-dir '" + kDataDir + "'");
      EXPECT_NEAR(JsonNumber(r.out.substr(r.out.find("\"transit\"")), "altitude_deg"),
                  convention == "jp" ? c.apparent : c.geometric, 0.003) << c.body << " " << c.date << " " << convention;
    }
  }
}

// --events labels each day with the date it is, moves forward, and stops
// with the year field's message at the last day that field can hold.
TEST_F(CliProgramTest, EventsFromThirtyFirstOfFebruaryRunForwardAndStopAtTheLastYear) {
  const RunResult feb = Run("--events --count 2 --year 2026 --month 2 --day 31 --data-dir '" + kDataDir + "'");
  const std::vector<std::string> days = Lines(feb.out);
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(days[0].substr(0, 11) + days[1].substr(0, 11), "2026-03-03\t2026-03-04\t");
  EXPECT_EQ(feb.err, "2月31日は3月3日として計算しました\n");
  const RunResult last = Run("--events --count 3 --csv --year 99999 --month 12 --day 30 --data-dir '" + kDataDir + "'");
  EXPECT_EQ(last.status, 2);
  EXPECT_EQ(Lines(last.out).size(), 3u);  // header and two days
  EXPECT_EQ(Lines(last.out).back().substr(0, 12), "99999-12-31,");
  EXPECT_EQ(last.err, "年は-99999～99999にしてください。\n");
}

// The CSV has the rise and set azimuths and the twilights: PyEphem 4.1.4
// (horizon -35'08", upper limb, no refraction) gives sunrise at north-based
// azimuth 89.5173, sunset at 270.7286; civil dawn 05:19:27, astronomical dusk 19:18:21 JST.
TEST_F(CliProgramTest, EventsCsvHasTheAzimuthsAndTwilightsOfTheJson) {
  const RunResult csv = Run("--csv --events --precise --year 2024 --month 3 --day 20 --longitude 139.7 --latitude 35.7 "
                            "--azimuth 37.5 --data-dir '" + kDataDir + "'");
  std::map<std::string, std::string> cells;
  std::istringstream names(Lines(csv.out).at(0)), values(Lines(csv.out).at(1));
  for (std::string name, value; std::getline(names, name, ',') && std::getline(values, value, ',');) cells[name] = value;
  EXPECT_NEAR(std::strtod(cells["rise_azimuth_deg"].c_str(), nullptr), 89.5173 + 180.0 - 37.5, 0.01);
  EXPECT_NEAR(std::strtod(cells["set_azimuth_deg"].c_str(), nullptr), 270.7286 - 180.0 - 37.5, 0.01);
  EXPECT_EQ(cells["civil_dawn"], "05:19");
  EXPECT_EQ(cells["astronomical_dusk"], "19:18");
  EXPECT_EQ(cells["azimuth_words"], "方位0°は南から西へ37.50°、西回り");
}

// A stored site that is no finite number takes its default, and the tool says so.
TEST_F(CliProgramTest, NonFiniteStoredSiteFallsBackToItsDefaultWithAWarning) {
  fs::create_directories(fs::path(StorePath()).parent_path());
  std::ofstream(StorePath()) << "[Config]\nLongitude=inf\nLatitude=nan\n";
  const RunResult r = Run("--events --json --year 2024 --month 3 --day 20 --data-dir '" + kDataDir + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("設定Longitudeの値「inf」は数値として使えないため、140.0を使います。"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("設定Latitudeの値「nan」"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\"always_down\":false"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace skycalc
