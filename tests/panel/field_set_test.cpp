#include <string>

#include "panel/readout_format.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

using Getter = double (*)(const CSkyCalcDlg&);
const Getter kYear = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().year); };
const Getter kMonth = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().month); };
const Getter kDay = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().day); };
const Getter kHour = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().hour); };
const Getter kMinute = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().minute); };
const Getter kLongitude = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().longitude); };
const Getter kLatitude = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().latitude); };
const Getter kAzimuth = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().azimuth); };
const Getter kZoneHour = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().zoneHour); };
const Getter kZoneMinute = [](const CSkyCalcDlg& d) { return static_cast<double>(d.Fields().zoneMinute); };

const char kYearMsg[] = "年は-99999～99999にしてください。";
const char kMonthMsg[] = "月は1～12にしてください。";
const char kDayMsg[] = "日は1～31にしてください。";
const char kHourMsg[] = "時は0～23にしてください。";
const char kMinuteMsg[] = "分は0～59にしてください。";
const char kLongitudeMsg[] = "経度は-179.99～179.99にしてください。";
const char kLatitudeMsg[] = "緯度は-90.0～90.0にしてください。";
const char kAzimuthMsg[] = "方位は0.0～359.99にしてください。";
const char kZoneHourMsg[] = "標準時 時は-23～23にしてください。";
const char kZoneMinuteMsg[] = "標準時 分は0～59にしてください。";

struct SetCase {
  const char* keys;     // field button, digits, SET
  int display;          // the field's display
  const char* shown;    // its text afterwards
  const char* message;  // nullptr when accepted
  Getter field;
  double value;  // the field afterwards (the reset gave 2026-03-05 00:07, 140/35/0, zone 9:00)
};

// Each field's accepted ends and rejected neighbours.
const SetCase kSetCases[] = {
    {"年 2 0 0 1 SET", IDC_YEAR, "2001", nullptr, kYear, 2001},
    {"年 9 9 9 9 9 SET", IDC_YEAR, "99999", nullptr, kYear, 99999},
    {"年 9 9 9 9 9 +/- SET", IDC_YEAR, "-99999", nullptr, kYear, -99999},
    {"年 5 0 0 +/- SET", IDC_YEAR, "-500", nullptr, kYear, -500},
    {"年 0 SET", IDC_YEAR, "0", nullptr, kYear, 0},
    {"年 1 0 0 0 0 0 SET", IDC_YEAR, "2026", kYearMsg, kYear, 2026},
    {"年 1 0 0 0 0 0 +/- SET", IDC_YEAR, "2026", kYearMsg, kYear, 2026},
    // 2^64 + 2001 and 2^32 + 2001: a wrapping conversion would store 2001.
    {"年 1 8 4 4 6 7 4 4 0 7 3 7 0 9 5 5 3 6 1 7 SET", IDC_YEAR, "2026", kYearMsg, kYear, 2026},
    {"年 4 2 9 4 9 6 9 2 9 7 SET", IDC_YEAR, "2026", kYearMsg, kYear, 2026},
    {"月 1 SET", IDC_MONTH, "1", nullptr, kMonth, 1},
    {"月 1 2 SET", IDC_MONTH, "12", nullptr, kMonth, 12},
    {"月 0 SET", IDC_MONTH, "3", kMonthMsg, kMonth, 3},
    {"月 1 3 SET", IDC_MONTH, "3", kMonthMsg, kMonth, 3},
    {"月 2 5 7 SET", IDC_MONTH, "3", kMonthMsg, kMonth, 3},
    {"月 4 2 9 4 9 6 7 3 0 1 SET", IDC_MONTH, "3", kMonthMsg, kMonth, 3},
    {"日 1 SET", IDC_DAY, "1", nullptr, kDay, 1},
    {"日 3 1 SET", IDC_DAY, "31", nullptr, kDay, 31},
    {"日 0 SET", IDC_DAY, "5", kDayMsg, kDay, 5},
    {"日 3 2 SET", IDC_DAY, "5", kDayMsg, kDay, 5},
    {"時 0 SET", IDC_HOUR, "0", nullptr, kHour, 0},
    {"時 2 3 SET", IDC_HOUR, "23", nullptr, kHour, 23},
    {"時 2 4 SET", IDC_HOUR, "0", kHourMsg, kHour, 0},
    {"分 0 SET", IDC_MINUTE, "0", nullptr, kMinute, 0},
    {"分 5 9 SET", IDC_MINUTE, "59", nullptr, kMinute, 59},
    {"分 6 0 SET", IDC_MINUTE, "7", kMinuteMsg, kMinute, 7},
    {"経度 1 3 5 SET", IDC_LONGITUDE, "135.0°", nullptr, kLongitude, 135.0f},
    {"経度 3 5 . SET", IDC_LONGITUDE, "35.0°", nullptr, kLongitude, 35.0f},
    {"経度 . 2 5 +/- SET", IDC_LONGITUDE, "-0.25°", nullptr, kLongitude, -0.25f},
    {"経度 1 7 9 . 9 9 SET", IDC_LONGITUDE, "179.99°", nullptr, kLongitude, 179.99f},
    {"経度 1 7 9 . 9 9 9 SET", IDC_LONGITUDE, "179.999°", nullptr, kLongitude, 179.999f},
    {"経度 1 7 9 . 9 9 9 +/- SET", IDC_LONGITUDE, "-179.999°", nullptr, kLongitude, -179.999f},
    {"経度 1 8 0 SET", IDC_LONGITUDE, "140.0°", kLongitudeMsg, kLongitude, 140.0f},
    {"経度 1 8 0 +/- SET", IDC_LONGITUDE, "140.0°", kLongitudeMsg, kLongitude, 140.0f},
    {"緯度 9 0 SET", IDC_LATITUDE, "90.0°", nullptr, kLatitude, 90.0f},
    {"緯度 9 0 +/- SET", IDC_LATITUDE, "-90.0°", nullptr, kLatitude, -90.0f},
    {"緯度 9 0 . 0 1 SET", IDC_LATITUDE, "35.0°", kLatitudeMsg, kLatitude, 35.0f},
    {"緯度 9 0 . 0 1 +/- SET", IDC_LATITUDE, "35.0°", kLatitudeMsg, kLatitude, 35.0f},
    {"方位 0 SET", IDC_AZIMUTH, "0.0°", nullptr, kAzimuth, 0.0f},
    {"方位 3 5 9 . 9 9 SET", IDC_AZIMUTH, "359.99°", nullptr, kAzimuth, 359.99f},
    {"方位 3 5 9 . 9 9 1 SET", IDC_AZIMUTH, "0.0°", kAzimuthMsg, kAzimuth, 0.0f},
    {"方位 3 6 0 SET", IDC_AZIMUTH, "0.0°", kAzimuthMsg, kAzimuth, 0.0f},
    {"標時 1 2 +/- SET", IDC_ZONEHOUR, "-12", nullptr, kZoneHour, -12},
    {"標時 2 3 SET", IDC_ZONEHOUR, "23", nullptr, kZoneHour, 23},
    {"標時 2 3 +/- SET", IDC_ZONEHOUR, "-23", nullptr, kZoneHour, -23},
    {"標時 2 4 SET", IDC_ZONEHOUR, "9", kZoneHourMsg, kZoneHour, 9},
    {"標時 2 4 +/- SET", IDC_ZONEHOUR, "9", kZoneHourMsg, kZoneHour, 9},
    {"標時 1 2 8 SET", IDC_ZONEHOUR, "9", kZoneHourMsg, kZoneHour, 9},
    {"標分 0 SET", IDC_ZONEMINUTE, "0", nullptr, kZoneMinute, 0},
    {"標分 5 9 SET", IDC_ZONEMINUTE, "59", nullptr, kZoneMinute, 59},
    {"標分 6 0 SET", IDC_ZONEMINUTE, "0", kZoneMinuteMsg, kZoneMinute, 0},
};

TEST_F(PanelTest, SetStoresOrRejectsEachField) {
  for (const SetCase& c : kSetCases) {
    SCOPED_TRACE(c.keys);
    Open();
    host.messages.clear();
    host.textLog.clear();
    Press(c.keys);
    EXPECT_EQ(Text(c.display), c.shown);
    EXPECT_EQ(c.field(*dlg), c.value);
    EXPECT_EQ(host.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(Text(IDC_ENTRY), "0");
    EXPECT_EQ(dlg->Entry(), "0");
    // The readouts follow whatever the outcome, and the target stays.
    int readouts = 0;
    for (const auto& logged : host.textLog)
      readouts += logged.first == IDC_TIME || logged.first == IDC_RAAZM || logged.first == IDC_DECALT;
    EXPECT_EQ(readouts, 3);
    bool targeted = false;
    for (int f = 0; f < kFieldCount; ++f) targeted = targeted || dlg->IsTarget(static_cast<Field>(f));
    EXPECT_TRUE(targeted);
  }
}

// A year keyed with a hundred digits is refused and changes nothing but the entry.
TEST_F(PanelTest, HundredDigitYearIsRejected) {
  Open();
  Press("年 2 0 0 1 SET");
  const std::string jd = Text(IDC_TIME);
  std::string keys = "年";
  for (int i = 0; i < 100; ++i) keys += i % 10 == 0 ? " 1" : " 9";
  Press(keys);
  EXPECT_EQ(dlg->Entry().size(), 100u);
  Press("SET");
  EXPECT_EQ(host.messages, std::vector<std::string>{kYearMsg});
  EXPECT_EQ(dlg->Fields().year, 2001);
  EXPECT_EQ(Text(IDC_YEAR), "2001");
  EXPECT_EQ(Text(IDC_TIME), jd);
  EXPECT_EQ(Text(IDC_ENTRY), "0");
}

// SET without a target stores nothing but still recomputes and clears the entry.
TEST_F(PanelTest, SetWithoutTargetOnlyRecomputes) {
  Open();
  const std::map<int, std::string> before = {{IDC_YEAR, Text(IDC_YEAR)}, {IDC_MONTH, Text(IDC_MONTH)},
                                             {IDC_HOUR, Text(IDC_HOUR)}, {IDC_LONGITUDE, Text(IDC_LONGITUDE)}};
  host.textLog.clear();
  Press("1 2 3");
  EXPECT_EQ(Text(IDC_ENTRY), "123");
  Press("SET");
  EXPECT_TRUE(host.messages.empty());
  for (const auto& [id, text] : before) EXPECT_EQ(Text(id), text);
  EXPECT_EQ(Text(IDC_ENTRY), "0");
  std::vector<int> ids;
  for (const auto& logged : host.textLog) ids.push_back(logged.first);
  EXPECT_EQ(ids, (std::vector<int>{IDC_ENTRY, IDC_ENTRY, IDC_ENTRY, IDC_TIME, IDC_RAAZM, IDC_DECALT, IDC_ENTRY}));
}

// SET reads the lists' current selections: 火星 (fourth entry) is body 5; 31 February is kept as keyed.
TEST_F(PanelTest, SetUsesTheListSelection) {
  Open();
  Press("planets:3 赤道座標系 日 3 1 SET 月 2 SET");
  EXPECT_EQ(Text(IDC_DAY), "31");
  EXPECT_EQ(Text(IDC_MONTH), "2");
  const Place mars = dlg->TargetPlace(sky::Target::OfBody(BodyOfNumber(5)));
  EXPECT_EQ(Text(IDC_RAAZM), FormatRightAscension(mars.equatorial[0]));
  EXPECT_EQ(Text(IDC_DECALT), FormatDeclination(mars.equatorial[1]));
  EXPECT_NE(Text(IDC_RAAZM), FormatRightAscension(dlg->TargetPlace(sky::Target::OfBody(BodyOfNumber(1))).equatorial[0]));
  // With a star chosen, SET shows the star list's selection; with none, its first entry.
  Press("stars:9 SET");
  EXPECT_EQ(Text(IDC_RAAZM), FormatRightAscension(dlg->TargetPlace(StarTarget(dlg->CatalogTables(), 9)).equatorial[0]));
  Press("星座 SET");
  EXPECT_EQ(Text(IDC_RAAZM),
            FormatRightAscension(dlg->TargetPlace(ConstellationTarget(dlg->CatalogTables(), 0)).equatorial[0]));
}

}  // namespace
}  // namespace skycalc
