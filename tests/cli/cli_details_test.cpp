// skycalc-cli's --convention and --details: the refusals, outputs without
// them unchanged, each format carrying the details the window's 出没時刻 box
// shows, and the convention named in the JSON of event days.

#include <string>
#include <vector>

#include "cli_program_fixture.h"

namespace skycalc {
namespace {

using namespace clitest;

const std::string kAt =
    "--year 2025 --month 1 --day 10 --hour 18 --minute 0 --zone-hour 9 --zone-minute 0 --longitude 139.7 "
    "--latitude 35.7 --azimuth 180 --data-dir '" + kDataDir + "'";
// The same day for --events, which takes no time of day.
const std::string kDay = "--year 2025 --month 1 --day 10 --zone-hour 9 --zone-minute 0 --longitude 139.7 "
                         "--latitude 35.7 --azimuth 180 --data-dir '" + kDataDir + "'";

TEST_F(CliProgramTest, ConventionAndDetailsRefusals) {
  const char* bad[] = {"--convention jpn --events", "--convention intl --convention jp --events",
                       "--details --events", "--details --details", "--convention"};
  for (const char* args : bad) {
    const RunResult r = Run(kAt + " " + args);
    EXPECT_EQ(r.status, 64) << args;
    EXPECT_NE(r.err.find("skycalc-cli: "), std::string::npos) << args;
  }
}

// --details only adds: one more text line per row, a "details" member at the end of each JSON
// object, nine more CSV columns; everything before them is the output without --details.
TEST_F(CliProgramTest, DetailsOnlyAdd) {
  for (const char* body : {"--planet venus", "--planet moon --precise", "--star sirius", "--constellation Ori"}) {
    const std::string plain = kAt + " " + body + " --step 1h --count 3";
    const std::vector<std::string> text = Lines(Run(plain).out), textD = Lines(Run(plain + " --details").out);
    ASSERT_EQ(textD.size(), 2 * text.size()) << body;
    for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(textD[2 * i], text[i]) << body;
    const std::vector<std::string> json = Lines(Run(plain + " --json").out),
                                   jsonD = Lines(Run(plain + " --json --details").out);
    ASSERT_EQ(jsonD.size(), json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
      EXPECT_EQ(jsonD[i].substr(0, json[i].size() - 1) + "}", json[i]) << body;
      EXPECT_NE(jsonD[i].find(",\"details\":{\"magnitude\":"), std::string::npos) << body;
    }
    const std::vector<std::string> csv = Lines(Run(plain + " --csv").out), csvD = Lines(Run(plain + " --csv --details").out);
    ASSERT_EQ(csvD.size(), csv.size());
    for (std::size_t i = 0; i < csv.size(); ++i) EXPECT_EQ(csvD[i].rfind(csv[i] + ",", 0), 0u) << body;
    EXPECT_EQ(csvD[0].substr(csv[0].size()),
              ",magnitude,illuminated_fraction,phase_angle_deg,elongation_deg,diameter_arcsec,distance_au,"
              "distance_km,constellation,constellation_abbr");
  }
}

// Venus at its greatest eastern elongation of 2025 January 10 (47.2 degrees, magnitude -4.5 in
// the almanacs, half lit, in Aquarius), Sirius in Canis Major with figures null, the Moon with km.
TEST_F(CliProgramTest, DetailsOfBodies) {
  const std::string venus = Run(kAt + " --planet venus --precise --json --details").out;
  EXPECT_NEAR(JsonNumber(venus, "elongation_deg"), 47.2, 0.05);
  EXPECT_NEAR(JsonNumber(venus, "magnitude"), -4.5, 0.05);
  EXPECT_NEAR(JsonNumber(venus, "illuminated_fraction"), 0.5, 0.02);
  EXPECT_NE(venus.find("\"constellation\":\"みずがめ\",\"constellation_abbr\":\"Aqr\""), std::string::npos);
  EXPECT_EQ(JsonValue(venus, "distance_km"), "null");
  const std::string sirius = Run(kAt + " --star sirius --json --details").out;
  for (const char* key : {"magnitude", "illuminated_fraction", "phase_angle_deg", "elongation_deg", "diameter_arcsec",
                          "distance_au", "distance_km"})
    EXPECT_EQ(JsonValue(sirius, key), "null") << key;
  EXPECT_NE(sirius.find("\"constellation_abbr\":\"CMa\""), std::string::npos);
  const std::string moon = Lines(Run(kAt + " --planet moon --details").out).back();
  EXPECT_EQ(moon.rfind("等級 -11.", 0), 0u) << moon;
  EXPECT_NE(moon.find(" km)  星座 おうし (Tau)"), std::string::npos) << moon;
}

// The CSV's two constellation columns at 2025-01-10 09:00 UTC against astropy 5.2
// (get_body, then get_constellation): Venus and Saturn in Aquarius, Mars in Cancer,
// Jupiter and the Moon in Taurus, the Sun in Sagittarius; Sirius in Canis Major. The
// Japanese names are the official ones (みずがめ, かに, おうし, いて, おおいぬ).
TEST_F(CliProgramTest, DetailsCsvConstellationColumns) {
  const struct {
    const char* target;
    const char* columns;
  } cases[] = {{"--planet venus", ",みずがめ,Aqr"},   {"--planet mars", ",かに,Cnc"},
               {"--planet jupiter", ",おうし,Tau"},   {"--planet saturn --precise", ",みずがめ,Aqr"},
               {"--planet moon", ",おうし,Tau"},      {"--planet sun --precise", ",いて,Sgr"},
               {"--star sirius", ",おおいぬ,CMa"}};
  for (const auto& c : cases) {
    const std::vector<std::string> csv = Lines(Run(kAt + " " + c.target + " --csv --details").out);
    ASSERT_EQ(csv.size(), 2u) << c.target;
    const std::string columns = c.columns;
    ASSERT_GE(csv[1].size(), columns.size()) << c.target;
    EXPECT_EQ(csv[1].substr(csv[1].size() - columns.size()), columns) << c.target;
  }
}

// Event days in JSON name their convention; jp is the default.
TEST_F(CliProgramTest, EventDaysNameTheirConvention) {
  EXPECT_NE(Run(kDay + " --events --json").out.find("\"model\":\"calculator\",\"convention\":\"jp\""),
            std::string::npos);
  EXPECT_NE(Run(kDay + " --events --json --convention intl").out.find("\"convention\":\"intl\""), std::string::npos);
  // The Moon's rise moves by its semidiameter between the two: later in jp (centre) than intl (upper limb).
  const std::string jp = Run(kDay + " --planet moon --events --json").out;
  const std::string intl = Run(kDay + " --planet moon --events --json --convention intl").out;
  const double delay = (JsonNumber(jp, "jd") - JsonNumber(intl, "jd")) * 86400.0;
  EXPECT_GT(delay, 50.0);
  EXPECT_LT(delay, 150.0);
}

}  // namespace
}  // namespace skycalc
