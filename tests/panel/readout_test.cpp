#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>
#include <fstream>
#include <limits>

#include "astro/base/constants.h"
#include "panel/readout_format.h"
#include "panel_fixture.h"
#include "tests/support/test_random.h"

namespace skycalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RoundCase {
  double hours, minutes, hoursOut, minutesOut;
};

const RoundCase kRoundCases[] = {
    {5, 7.4, 5, 7},   {5, 7.5, 5, 8},  {5, 59.5, 6, 0},
    {23, 59.6, 0, 0}, {23, 59.4, 23, 59}, {12, 0.0, 12, 0},
    {12, -0.4, 12, 0}, {12, -0.5, 12, -1},  // half away from zero on the negative side too
};

TEST(RoundHourMinute, Table) {
  for (const RoundCase& c : kRoundCases) {
    double h = -99, m = -99;
    RoundHourMinute(c.hours, c.minutes, h, m);
    EXPECT_EQ(h, c.hoursOut) << c.hours << ' ' << c.minutes;
    EXPECT_EQ(m, c.minutesOut) << c.hours << ' ' << c.minutes;
  }
}


struct TimeCase {
  const char* year;
  int month, day, hour, minute;
  const char* zoneHour;
  const char* longitude;
  const char* julianDay;  // time readout in ﾕﾘｳｽ日 mode
  const char* sidereal;   // and in 地方恒星時 mode
};

// Instants keyed through the field buttons and SET.
const TimeCase kTimeCases[] = {
    {"2000", 1, 1, 12, 0, "0", "0", "2451545.000000", "18:42"},
    {"2001", 1, 1, 0, 0, "9", "140", "2451910.125000", "7:1"},
    {"1987", 4, 10, 19, 21, "0", "0", "2446896.306250", "8:35"},
    {"-99999", 1, 1, 0, 0, "0", "0", "-34803576.500000", nullptr},
};

TEST_F(PanelTest, TimeReadouts) {
  for (const TimeCase& c : kTimeCases) {
    SCOPED_TRACE(c.year);
    Open();
    SetInstant(c.year, c.month, c.day, c.hour, c.minute, c.zoneHour, c.longitude);
    EXPECT_EQ(Text(IDC_TIME), c.julianDay);
    if (c.sidereal == nullptr) continue;
    const std::string position = Text(IDC_RAAZM);
    Press("地方恒星時");
    EXPECT_EQ(Text(IDC_TIME), c.sidereal);
    EXPECT_EQ(Text(IDC_RAAZM), position);  // the mode changes only the time readout
    Press("分 " + Spaced(std::to_string(c.minute)) + " SET");  // SET follows the mode
    EXPECT_EQ(Text(IDC_TIME), c.sidereal);
    Press("ﾕﾘｳｽ日");
    EXPECT_EQ(Text(IDC_TIME), c.julianDay);
  }
}

// Radians of h hours of right ascension or sidereal time.
double Hours(double h) { return h * 15.0 * kDegToRad; }
double Degrees(double d) { return d * kDegToRad; }

struct FormatCase {
  std::string (*format)(double);
  double angle;  // radians
  const char* text;
};

const FormatCase kFormatCases[] = {
    {FormatRightAscension, Degrees(41.547214), "2h46.2m"},
    {FormatRightAscension, Degrees(101.2987), "6h45.2m"},
    {FormatRightAscension, 0.0, "0h0.0m"},
    {FormatRightAscension, Hours(2.0 + 59.94 / 60), "2h59.9m"},
    {FormatRightAscension, Hours(2.0 + 59.97 / 60), "3h0.0m"},
    {FormatRightAscension, Hours(23.0 + 59.97 / 60), "0h0.0m"},
    {FormatRightAscension, kTwoPi, "0h0.0m"},
    {FormatRightAscension, kNaN, "--h--.-m"},
    {FormatRightAscension, -0.1, "--h--.-m"},
    {FormatRightAscension, 1e300, "--h--.-m"},
    {FormatDeclination, Degrees(49.348483), "49°20′"},
    {FormatDeclination, Degrees(-90.0), "-90°0′"},
    {FormatDeclination, -kHalfPi, "-90°0′"},
    {FormatDeclination, kHalfPi, "90°0′"},
    {FormatDeclination, 0.0, "0°0′"},
    {FormatDeclination, -0.0, "0°0′"},
    {FormatDeclination, Degrees(-16.7172), "-16°43′"},
    {FormatDeclination, Degrees(-0.5), "-0°30′"},
    {FormatDeclination, Degrees(0.5), "0°30′"},
    {FormatDeclination, kNaN, "--°--′"},
    {FormatDeclination, -kInf, "--°--′"},
    {FormatDeclination, Degrees(95.0), "--°--′"},
    {FormatAzimuth, Degrees(359.996), "Azm 360.00°"},
    {FormatAzimuth, 0.0, "Azm 0.00°"},
    {FormatAzimuth, kNaN, "Azm --.--°"},
    {FormatAzimuth, kInf, "Azm --.--°"},
    {FormatAzimuth, Degrees(999.99), "Azm 999.99°"},  // the widest text a readout holds
    {FormatAzimuth, Degrees(1000.0), "Azm --.--°"},
    {FormatAltitude, Degrees(-999.99), "Alt -999.99°"},
    {FormatAltitude, Degrees(-1000.0), "Alt --.--°"},
    {FormatAltitude, Degrees(-5.5), "Alt -5.50°"},
    {FormatAltitude, Degrees(45.004), "Alt 45.00°"},
    {FormatAltitude, -kNaN, "Alt --.--°"},
    {FormatAltitude, 1e300, "Alt --.--°"},
    {FormatSiderealTime, Hours(23.0 + 59.6 / 60), "0:0"},
    {FormatSiderealTime, Hours(5.0 + 7.4 / 60), "5:7"},
    {FormatSiderealTime, Hours(5.0 + 59.5 / 60), "6:0"},
    {FormatSiderealTime, kNaN, "--:--"},
    {FormatSiderealTime, -1.0, "--:--"},
    {FormatSiderealTime, 1e300, "--:--"},
    {FormatJulianDay, 2451545.0, "2451545.000000"},
    {FormatJulianDay, -34803576.5, "-34803576.500000"},
};

TEST(ReadoutFormat, Texts) {
  for (const FormatCase& c : kFormatCases) {
    EXPECT_EQ(c.format(c.angle), c.text) << c.angle;
    // The readouts' buffers: 20 bytes for the time, 16 for a coordinate.
    EXPECT_LE(c.format(c.angle).size(), c.format == FormatJulianDay ? 19u : 15u);
  }
}

// The readouts format with std::to_chars; each text must be the one the
// printf format gives, character for character, over random values in and
// around each readout's range and over exact decimal ties.
TEST(ReadoutFormat, SameCharactersAsPrintf) {
  const auto printf2 = [](const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return std::string(text);
  };
  TestRandom random(2026);
  const auto uniform = [&random] { return random.Unit(); };
  std::vector<double> degrees = {0.125, 0.375, 2.5, -0.005, 0.005, 1.125, -1.125, 359.995, 0.0, -0.0, 999.995};
  for (int i = 0; i < 200000; ++i) degrees.push_back((uniform() * 2.0 - 1.0) * 999.0);
  for (const double d : degrees) {
    const double radians = d * kDegToRad;
    const double shown = radians * kRadToDeg;
    if (shown > -1000.0 && shown < 1000.0) {
      ASSERT_EQ(FormatAzimuth(radians), printf2("Azm %4.2f°", shown)) << d;
      ASSERT_EQ(FormatAltitude(radians), printf2("Alt %4.2f°", shown)) << d;
    }
    const double jd = 2451545.0 + d * 4000.0;
    ASSERT_EQ(FormatJulianDay(jd), printf2("%f", jd)) << jd;
  }
  for (int i = 0; i < 100000; ++i) {
    const double hours = uniform() * 24.0;
    const double ra = hours / 24.0 * 360.0 * kDegToRad;
    const double raHours = ra * kRadToDeg * kInv360 * 24.0;
    std::string want = printf2("%3.1f", (raHours - std::floor(raHours)) * 60.0);
    int wantHour = static_cast<int>(std::floor(raHours));
    if (want == "60.0") {
      want = "0.0";
      ++wantHour;
    }
    if (wantHour >= 24) wantHour -= 24;
    ASSERT_EQ(FormatRightAscension(ra), std::to_string(wantHour) + "h" + want + "m") << hours;
  }
}

// A one-row constellation file holding the mean place of J2000.0 that precesses
// to right ascension 41.547214 and declination 49.348483 degrees by 2028 November.
void WriteConstellationFile(const std::string& directory) {
  std::ofstream out(directory + "/ConstData.txt", std::ios::binary);
  for (int i = 0; i < 88; ++i) out << "Perseus           " << "41.054063" << "49.227750" << "; x\n";
}

// The position texts through the handlers: list selection, the frame radio buttons and SET.
TEST_F(PanelTest, PositionReadouts) {
  TempDir dir;
  WriteConstellationFile(dir.path);
  Open(dir.path);
  SetInstant("2028", 11, 11, 4, 34, "0", "0");  // JD 2462088.690278
  Press("constellations:0 赤道座標系");
  EXPECT_EQ(Text(IDC_RAAZM), "2h46.2m");
  EXPECT_EQ(Text(IDC_DECALT), "49°20′");
  Press("地平座標系");
  const Place place = dlg->TargetPlace(ConstellationTarget(dlg->CatalogTables(), 0));
  EXPECT_EQ(Text(IDC_RAAZM), FormatAzimuth(place.horizontal[0]));
  EXPECT_EQ(Text(IDC_DECALT), FormatAltitude(place.horizontal[1]));
  Press("赤道座標系");
  EXPECT_EQ(Text(IDC_RAAZM), "2h46.2m");  // the frame changes the text, not the place
}

}  // namespace
}  // namespace skycalc
