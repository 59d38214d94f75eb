// Parsing, keypad sequences, calendar stepping and output formatting of skycalc-cli.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/body_names.h"
#include "cli/civil_calendar.h"
#include "cli/cli_options.h"
#include "cli/fields.h"
#include "cli/output_format.h"
#include "cli/table_stream.h"

namespace skycalc {
namespace {

const CliFieldInfo& Info(Field field) { return kCliFields[static_cast<int>(field)]; }

TEST(CliKeypad, AcceptsWhatTheKeypadCanBuild) {
  struct Case {
    Field field;
    const char* text;
    bool ok;
  } const cases[] = {
      {Field::kYear, "2000", true},       {Field::kYear, "-500", true},
      {Field::kYear, "1.5", false},       {Field::kYear, "+5", false},
      {Field::kYear, "-", false},         {Field::kYear, "", false},
      {Field::kMonth, "-1", false},       {Field::kMonth, "013", true},
      {Field::kMonth, "1e1", false},      {Field::kLongitude, "-0.25", true},
      {Field::kLongitude, "135.", true},  {Field::kLongitude, ".5", true},
      {Field::kLongitude, "1.2.3", false}, {Field::kLongitude, ".", false},
      {Field::kAzimuth, "359.99", true},  {Field::kAzimuth, "-1", false},
      {Field::kZoneHour, "-12", true},    {Field::kZoneHour, "1.5", false},
      {Field::kZoneMinute, "-30", false}, {Field::kLatitude, " 35", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsKeypadValue(Info(c.field), c.text), c.ok) << c.text;
}

// The entry a user builds with the keys of each text, as SET then reads it.
TEST(CliKeypad, KeyedEntryIsWhatTheKeysBuild) {
  struct Case {
    Field field;
    const char* text;
    const char* entry;
  } const cases[] = {
      {Field::kYear, "500", "500"},          {Field::kYear, "-500", "-500"},
      {Field::kMonth, "013", "13"},          {Field::kYear, "-0", "0"},
      {Field::kLongitude, "-0.25", "-0.25"}, {Field::kLongitude, "135.", "135."},
      {Field::kAzimuth, ".5", "0.5"},        {Field::kLatitude, "00.50", "0.50"},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyedEntry(c.field, c.text), c.entry) << c.text;
}

TEST(CliParse, Options) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
  } const cases[] = {
      {{"--year", "2000", "--month=1", "--longitude", "-5.5"}, true},
      {{"--year", "2000", "--year", "2001"}, false},
      {{"--month", "1.5"}, false},
      {{"--equatorial", "--horizontal"}, false},
      {{"--equatorial", "--equatorial"}, true},
      {{"--json", "--csv"}, false},
      {{"--planet", "mars", "--star", "sirius"}, false},
      {{"--step", "1h"}, false},
      {{"--count", "3"}, false},
      {{"--step", "1h", "--count", "0"}, false},
      {{"--step", "0h", "--count", "3"}, false},
      {{"--step", "2x", "--count", "3"}, false},
      {{"--step", "15m", "--count", "3"}, true},
      {{"--year"}, false},
      {{"--json=1"}, false},
      {{"--frobnicate"}, false},
      {{"2000"}, false},
      {{"--frobnicate", "--help"}, true},
  };
  for (const Case& c : cases) {
    const CliParseResult r = ParseCommandLine(c.args);
    EXPECT_EQ(r.error.empty(), c.ok) << c.args[0] << ": " << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos);
  }
}

TEST(CliParse, CollectsValues) {
  const CliParseResult r = ParseCommandLine({"--zone-hour", "-4", "--zone-minute", "30", "--constellation", "UMa",
                                             "--sidereal", "--equatorial", "--json", "--step", "2d", "--count", "5",
                                             "--data-dir", "/tmp/x"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(*r.options.fields[static_cast<int>(Field::kZoneHour)], "-4");
  EXPECT_EQ(*r.options.fields[static_cast<int>(Field::kZoneMinute)], "30");
  EXPECT_FALSE(r.options.fields[static_cast<int>(Field::kYear)]);
  EXPECT_EQ(*r.options.bodyKind, BodyKind::kConstellation);
  EXPECT_EQ(r.options.bodyText, "UMa");
  EXPECT_EQ(r.options.timeMode, CliTimeMode::kSidereal);
  EXPECT_EQ(r.options.frame, CliFrame::kEquatorial);
  EXPECT_EQ(r.options.format, CliFormat::kJson);
  EXPECT_EQ(r.options.step->amount, 2);
  EXPECT_EQ(r.options.step->unit, StepUnit::kDay);
  EXPECT_EQ(r.options.count, 5);
  EXPECT_EQ(*r.options.dataDir, "/tmp/x");
}

TEST(CliBodies, Resolve) {
  const std::vector<std::string> stars = {"ｱｰｸﾄｩﾙｽ(うしかい座α星)", "ｱｸﾙｸｽ(みなみじゅうじ座α星)"};
  const std::vector<std::string> constellations = {"アンドロメダ", "いっかくじゅう"};
  const std::vector<std::string> planets = {"太陽", "水星", "金星", "火星"};
  struct Case {
    BodyKind kind;
    const char* text;
    int index;
  } const cases[] = {
      {BodyKind::kPlanet, "3", 3},          {BodyKind::kPlanet, "10", -1},
      {BodyKind::kPlanet, "MOON", 9},       {BodyKind::kPlanet, "火星", 3},
      {BodyKind::kPlanet, "earth", -1},     {BodyKind::kPlanet, "-1", -1},
      {BodyKind::kStar, "Sirius", 9},       {BodyKind::kStar, "rigil kentaurus", 12},
      {BodyKind::kStar, "20", 20},          {BodyKind::kStar, "21", -1},
      {BodyKind::kStar, "ｱｸﾙｸｽ(みなみじゅうじ座α星)", 1}, {BodyKind::kStar, "ｱｰｸﾄｩﾙｽ", 0},
      {BodyKind::kConstellation, "uma", 13}, {BodyKind::kConstellation, "Canis_Minor", 33},
      {BodyKind::kConstellation, "Boötes", 7}, {BodyKind::kConstellation, "CRA", 75},
      {BodyKind::kConstellation, "crt", 38}, {BodyKind::kConstellation, "87", 87},
      {BodyKind::kConstellation, "いっかくじゅう座", 1}, {BodyKind::kConstellation, "Aquila", 87},
  };
  for (const Case& c : cases) {
    const auto& list = c.kind == BodyKind::kPlanet ? planets : c.kind == BodyKind::kStar ? stars : constellations;
    EXPECT_EQ(ResolveBody(c.kind, c.text, list), c.index) << c.text;
  }
}

TEST(CliBodies, ConstellationKeysAreUnambiguous) {
  for (std::size_t i = 0; i < kConstellationEnglishNames.size(); ++i) {
    EXPECT_EQ(ResolveBody(BodyKind::kConstellation, kConstellationEnglishNames[i].latin, {}), static_cast<int>(i));
    EXPECT_EQ(ResolveBody(BodyKind::kConstellation, kConstellationEnglishNames[i].abbreviation, {}),
              static_cast<int>(i));
  }
}

TEST(CliCalendar, LeapYearsAndMonthLengths) {
  struct Case {
    int year, month, days;
  } const cases[] = {
      {2000, 2, 29}, {1900, 2, 28}, {2024, 2, 29}, {2023, 2, 28}, {1500, 2, 29},
      {1600, 2, 29}, {1700, 2, 28}, {0, 2, 29},    {-4, 2, 29},   {-1, 2, 28},
      {2023, 4, 30}, {2023, 12, 31}};
  for (const Case& c : cases) EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(CliCalendar, Advance) {
  struct Case {
    CivilTime from;
    const char* step;
    CivilTime to;
  } const cases[] = {
      {{2023, 12, 31, 23, 0}, "1h", {2024, 1, 1, 0, 0}},
      {{2024, 2, 28, 12, 0}, "1d", {2024, 2, 29, 12, 0}},
      {{2023, 2, 28, 12, 0}, "1d", {2023, 3, 1, 12, 0}},
      {{1582, 10, 4, 0, 0}, "1d", {1582, 10, 15, 0, 0}},
      {{1582, 10, 4, 23, 30}, "45m", {1582, 10, 15, 0, 15}},
      {{1582, 10, 1, 0, 0}, "10d", {1582, 10, 21, 0, 0}},
      {{2023, 2, 30, 23, 0}, "1h", {2023, 3, 3, 0, 0}},  // 30 February is 2 March
      {{-1, 12, 31, 12, 0}, "1d", {0, 1, 1, 12, 0}},
      {{2000, 1, 1, 0, 0}, "1440m", {2000, 1, 2, 0, 0}},
      {{2000, 1, 1, 0, 0}, "366d", {2001, 1, 1, 0, 0}},
      {{1999, 1, 31, 0, 0}, "36h", {1999, 2, 1, 12, 0}},
  };
  for (const Case& c : cases) {
    TableStep step;
    ASSERT_TRUE(ParseTableStep(c.step, step));
    const CivilTime t = Advance(c.from, step);
    EXPECT_TRUE(t == c.to) << FormatCivilDate(c.from) << " + " << c.step << " gave " << FormatCivilDate(t) << " "
                           << FormatCivilTime(t);
  }
}

TEST(CliCalendar, HourlyTableAcrossMonthAndYearEnd) {
  TableStep hour;
  ASSERT_TRUE(ParseTableStep("1h", hour));
  CivilTime t{1999, 12, 31, 12, 0};
  std::vector<std::string> rows;
  for (int i = 0; i < 25; ++i, t = Advance(t, hour)) rows.push_back(FormatCivilDate(t) + " " + FormatCivilTime(t));
  EXPECT_EQ(rows[0], "1999-12-31 12:00");
  EXPECT_EQ(rows[11], "1999-12-31 23:00");
  EXPECT_EQ(rows[12], "2000-01-01 00:00");
  EXPECT_EQ(rows[24], "2000-01-01 12:00");
}

TEST(CliCalendar, HugeStepStopsPastTheLastYear) {
  TableStep step;
  ASSERT_TRUE(ParseTableStep("999999999999d", step));
  EXPECT_GE(Advance({2000, 1, 1, 0, 0}, step).year, 100000);
}

TEST(CliFormat, Civil) {
  EXPECT_EQ(FormatCivilDate({-500, 3, 1, 0, 0}), "-0500-03-01");
  EXPECT_EQ(FormatCivilDate({2000, 1, 9, 0, 0}), "2000-01-09");
  EXPECT_EQ(FormatCivilTime({2000, 1, 9, 7, 5}), "07:05");
}

TEST(CliFormat, NumbersReadBackExactly) {
  const double values[] = {2451545.0, 2451910.125, 0.1, 1.0 / 3.0, -34803576.5, 5e-324, 6.283185307, 35.099998474121094};
  for (const double v : values) EXPECT_EQ(std::strtod(FormatJsonNumber(v).c_str(), nullptr), v);
  EXPECT_EQ(FormatJsonNumber(2451545.0), "2451545");
  EXPECT_EQ(FormatJsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
}

TEST(CliFormat, JsonAndCsvLines) {
  CliRow row;
  row.fields = {2000, 1, 1, 12, 0, 0.0, 35.0, 0.0, 0, 0};
  row.jd = 2451545.0;
  row.lst = 0.5;
  row.place.equatorial[0] = 1.0;
  row.place.horizontal[1] = -0.25;
  row.timeText = "2451545.000000";
  row.raAzmText = "Azm 1.00°";
  row.decAltText = "say \"hi\"\n";
  EXPECT_EQ(FormatJsonLine(row),
            "{\"jd\":2451545,\"lst\":0.5,\"equatorial\":[1,0],\"horizontal\":[0,-0.25],"
            "\"time_text\":\"2451545.000000\",\"ra_azm_text\":\"Azm 1.00°\",\"dec_alt_text\":\"say \\\"hi\\\"\\u000a\","
            "\"fields\":{\"year\":2000,\"month\":1,\"day\":1,\"hour\":12,\"minute\":0,\"longitude\":0,"
            "\"latitude\":35,\"azimuth\":0,\"zone_hour\":0,\"zone_minute\":0},\"azimuth_origin\":0,"
            "\"azimuth_words\":\"方位は南から西回り\",\"model\":\"calculator\"}\n");
  EXPECT_EQ(FormatCsvLine(row), "2000-01-01,12:00,2451545,0.5,57.29577951471995,0,0,-14.323944878679988,"
                                "2451545.000000,Azm 1.00°,\"say \"\"hi\"\"\n\",0,方位は南から西回り\n");
  EXPECT_EQ(FormatTextTableLine(row).substr(0, 32), "2000-01-01\t12:00\t2451545.000000\t");
}


TEST(TableProgress, LineAfterTheFirstSecond) {
  EXPECT_EQ(TableProgress::Line(500, 1000, 0.5), "");
  EXPECT_EQ(TableProgress::Line(0, 1000, 3.0), "");
  EXPECT_EQ(TableProgress::Line(500, 1000, 2.0), "500/1000 行 (50%)  250 行/秒  残り 0:02");
  EXPECT_EQ(TableProgress::Line(1000, 1000000, 1.0), "1000/1000000 行 (0%)  1000 行/秒  残り 16:39");
  EXPECT_EQ(TableProgress::Line(500, 1000, 2.6), "500/1000 行 (50%)  192 行/秒  残り 0:03");  // 2.6 s rounds up
}


// Each mode refuses what it would ignore; what the usage lines and the
// README's examples give stays accepted.
TEST(CliParse, OptionsWithoutEffectAreRefused) {
  struct Case {
    std::vector<std::string> args;
    const char* error;  // the whole message; "" when accepted
  } const cases[] = {
      {{"--almanac", "--planet", "moon"}, "--planet cannot be given with --almanac (it uses only the year, the zone and --count)"},
      {{"--calendar", "--precise"}, "--precise cannot be given with --calendar (it uses only the year, the month, the zone and --count)"},
      {{"--almanac", "--equatorial"}, "--equatorial cannot be given with --almanac (it uses only the year, the zone and --count)"},
      {{"--calendar", "--convention", "jp"}, "--convention cannot be given with --calendar (it uses only the year, the month, the zone and --count)"},
      {{"--calendar", "--latitude", "35"}, "--latitude cannot be given with --calendar (it uses only the year, the month, the zone and --count)"},
      {{"--almanac", "--day", "1"}, "--day cannot be given with --almanac (it uses only the year, the zone and --count)"},
      {{"--hour", "3", "--calendar"}, "--hour cannot be given with --calendar (it uses only the year, the month, the zone and --count)"},
      {{"--almanac", "--month", "2"}, "--month cannot be given with --almanac (it uses only the year, the zone and --count)"},
      {{"--eclipses", "--convention", "intl"}, "--convention cannot be given with --eclipses (it uses only the year, the site, the zone and --count)"},
      {{"--eclipses", "--day", "3"}, "--day cannot be given with --eclipses (it uses only the year, the site, the zone and --count)"},
      {{"--convention", "intl"}, "--convention goes only with --events"},
      {{"--events", "--sidereal"}, "--sidereal cannot be given with --events (it uses only the date, the site, the zone, the body, --precise, --convention and --count)"},
      {{"--events", "--minute", "5"}, "--minute cannot be given with --events (it uses only the date, the site, the zone, the body, --precise, --convention and --count)"},
      {{"--events", "--step", "1h", "--count", "2"}, "--step cannot be given with --events (--count gives days)"},
      {{"--almanac", "--calendar"}, "--calendar cannot be given with --almanac"},
      {{"--events", "--eclipses"}, "--eclipses cannot be given with --events"},
      {{"--year", "2026", "--zone-hour", "9", "--zone-minute", "0", "--almanac", "--json", "--data-dir", "d"}, ""},
      {{"--year", "2026", "--month", "2", "--zone-hour", "9", "--calendar", "--count", "3"}, ""},
      {{"--eclipses", "--year", "2022", "--longitude", "139.7", "--latitude", "35.7", "--azimuth", "180"}, ""},
      {{"--events", "--year", "2025", "--day", "1", "--star", "vega", "--precise", "--convention", "intl", "--csv"}, ""},
      {{"--planet", "venus", "--details", "--equatorial", "--sidereal", "--precise", "--step", "1h", "--count", "2"}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << c.args[0] << " " << c.args[1];
}

// The next option is not taken as the value of one given without it, and a
// number past twelve digits is called too large, not malformed.
TEST(CliParse, MissingValuesAndHugeNumbersAreNamedAsSuch) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  } const cases[] = {
      {{"--year", "--zone-hour", "9"}, "--year needs a value"},
      {{"--star", "--json"}, "--star needs a value"},
      {{"--year", "--help=x"}, "--year needs a value"},
      {{"--year", "-5", "--data-dir", "--x"}, ""},
      {{"--step", "9223372036854775807m", "--count", "2"}, "--step 9223372036854775807m is too large (at most 999999999999)"},
      {{"--step", "1h", "--count", "99999999999999999999"}, "--count 99999999999999999999 is too large (at most 999999999999)"},
      {{"--step", "999999999999d", "--count", "000000000000002"}, ""},
      {{"--step", "99999999999999x", "--count", "2"}, "--step needs a positive whole number followed by m, h or d, not \"99999999999999x\""},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << c.args[0] << " " << c.args[1];
}

// A usage error is one line whatever the argument holds (found by fuzzing:
// "-\n" broke the message in two, and an escape sequence reached the terminal).
TEST(CliParse, UsageErrorsQuoteControlCharactersOnOneLine) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  } const cases[] = {
      {{"-\n"}, "unknown argument \"-\\n\""},
      {{"--year", "20\x1b[2J"}, "--year: the keypad cannot key \"20\\x1b[2J\""},
      {{"--convention", "a\"b\\\t"}, "--convention needs jp or intl, not \"a\\\"b\\\\\\t\""},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << c.args[0] << " " << c.args[1];
}


// The site is stored as 32-bit floats; JSON gives each the shortest decimal
// that reads back to that float (as printf's %.9g text does after trimming
// digits), not the widened double's seventeen digits.
TEST(CliFormat, StoredFloatsPrintShortestNotNoise) {
  const struct {
    float value;
    const char* text;
  } cases[] = {{139.7f, "139.7"}, {35.7f, "35.7"}, {-70.25f, "-70.25"}, {359.99f, "359.99"},
               {-179.99f, "-179.99"}, {0.01f, "0.01"}, {0.0f, "0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatJsonNumber(c.value), c.text);
    EXPECT_EQ(std::strtof(c.text, nullptr), c.value);
    CliRow row;
    row.fields.longitude = c.value;
    EXPECT_NE(FormatJsonLine(row).find(std::string("\"longitude\":") + c.text + ","), std::string::npos) << c.text;
  }
}

// Names typed with an input method are full-width; the star list's are
// half-width katakana. Both are one text in Unicode NFKC (UAX #15: the
// half-width forms decompose <narrow> to the full-width ones, the
// full-width Latin letters and digits <wide> to ASCII).
TEST(CliBodies, FullWidthNamesFindHalfWidthEntries) {
  const std::vector<std::string> stars = {"ｱｰｸﾄｩﾙｽ(うしかい座α星)", "ｱｸﾙｸｽ(みなみじゅうじ座α星)", "ﾍﾞｶﾞ(こと座α星)"};
  struct Case {
    BodyKind kind;
    const char* text;
    int index;
  } const cases[] = {
      {BodyKind::kStar, "ベガ", 2},
      {BodyKind::kStar, "アークトゥルス", 0},
      {BodyKind::kStar, "アクルクス（みなみじゅうじ座α星）", 1},
      {BodyKind::kStar, "ｱｰｸﾄｩﾙｽ", 0},
      {BodyKind::kStar, "ｓｉｒｉｕｓ", 9},
      {BodyKind::kStar, "２０", 20},
      {BodyKind::kStar, "ヘガ", -1},
      {BodyKind::kConstellation, "ＵＭａ", 13},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveBody(c.kind, c.text, stars), c.index) << c.text;
}

}  // namespace
}  // namespace skycalc
