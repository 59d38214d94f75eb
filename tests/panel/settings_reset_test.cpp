#include <cstdlib>

#include "catalog/names.h"
#include "panel/readout_format.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

const char kStarMessage[] = "恒星データファイルStarData.txtが読み込めません。";
const char kConstMessage[] = "星座データファイルConstData.txtが読み込めません。";

// Texts of the date, time, site and zone displays, in that order.
std::vector<std::string> FieldTexts(const MemoryHost& host) {
  std::vector<std::string> texts;
  for (int id : {IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_HOUR, IDC_MINUTE, IDC_LONGITUDE, IDC_LATITUDE, IDC_AZIMUTH,
                 IDC_ZONEHOUR, IDC_ZONEMINUTE})
    texts.push_back(host.Text(id));
  return texts;
}

struct ClockCase {
  ClockReading reading;
  std::vector<std::string> texts;
};

const ClockCase kClockCases[] = {
    {{2026, 3, 5, 0, 7}, {"2026", "3", "5", "0", "7", "140.0°", "35.0°", "0.0°", "9", "0"}},
    {{2026, 12, 31, 10, 30}, {"2026", "12", "31", "10", "30", "140.0°", "35.0°", "0.0°", "9", "0"}},
    {{1999, 1, 10, 23, 0}, {"1999", "1", "10", "23", "0", "140.0°", "35.0°", "0.0°", "9", "0"}},
};

// Start-up with an empty store: the clock's date and time, the default site and zone,
// the Julian Day and the Sun in horizontal coordinates.
TEST_F(PanelTest, StartUpResetsFromClockAndDefaults) {
  for (const ClockCase& c : kClockCases) {
    clock.reading = c.reading;
    Open();
    EXPECT_EQ(FieldTexts(host), c.texts);
    EXPECT_EQ(dlg->Fields().hour, c.reading.hour);
    EXPECT_EQ(dlg->Fields().minute, c.reading.minute);
    EXPECT_EQ(Text(IDC_ENTRY), "0");
    EXPECT_TRUE(host.messages.empty());
  }
  EXPECT_EQ(Text(IDC_TIME), "2451189.083333");  // 1999-01-10 23:00 at +9 h
  // The Sun then (14:00 UT from 140 E, 35 N), by PyEphem 4.1.4 (topocentric, no refraction):
  // azimuth 138.3573 from the south, altitude -73.3454 degrees; the calculator's compact model
  // is within 1.2' of it on the sky.
  EXPECT_NEAR(std::strtod(Text(IDC_RAAZM).c_str() + 4, nullptr), 138.3573, 0.1);
  EXPECT_NEAR(std::strtod(Text(IDC_DECALT).c_str() + 4, nullptr), -73.3454, 0.03);
  for (int id : {IDC_JULIANDAY, IDC_HORIZONTAL, IDC_PLANET}) EXPECT_TRUE(host.IsChecked(id)) << id;
  for (int id : {IDC_SIDEREAL, IDC_EQUATORIAL, IDC_STAR, IDC_CONSTELLATION}) EXPECT_FALSE(host.IsChecked(id)) << id;
  EXPECT_EQ(host.ListText(IDC_PLANETLIST), "太陽");
  EXPECT_EQ(host.ListText(IDC_STARLIST), "ｱｰｸﾄｩﾙｽ(うしかい座α星)");
  EXPECT_EQ(host.ListText(IDC_CONSTLIST), "アンドロメダ");
  EXPECT_EQ(host.ListEntries(IDC_PLANETLIST).size(), 10u);
  EXPECT_EQ(host.ListEntries(IDC_PLANETLIST)[3], "火星");
  EXPECT_EQ(host.ListEntries(IDC_STARLIST).size(), 21u);
  EXPECT_EQ(host.ListEntries(IDC_CONSTLIST).size(), 88u);
  EXPECT_EQ(host.ListEntries(IDC_CONSTLIST)[87], "わし");
  EXPECT_EQ(host.GetListSelection(IDC_PLANETLIST), -1);
}

// Reset at 00:07 on 5 March with both catalogues missing: the two messages, star first.
TEST_F(PanelTest, MissingCataloguesAreReportedInOrder) {
  TempDir empty;
  Open(empty.path);
  EXPECT_EQ(host.messages, (std::vector<std::string>{kStarMessage, kConstMessage}));
  EXPECT_EQ(FieldTexts(host), (std::vector<std::string>{"2026", "3", "5", "0", "7", "140.0°", "35.0°", "0.0°", "9", "0"}));
  EXPECT_EQ(Text(IDC_TIME), "2461104.129861");  // 2026-03-04 15:07 UT
  EXPECT_EQ(Text(IDC_RAAZM).rfind("Azm ", 0), 0u);
  EXPECT_EQ(host.ListEntries(IDC_STARLIST).size(), 21u);
  host.messages.clear();
  Press("AC");
  EXPECT_TRUE(host.messages.empty());  // AC does not reload the catalogues
}

// Each catalogue comes from the first folder that holds it; when none does,
// the load is tried in the first folder and reported as before.
TEST_F(PanelTest, EachCatalogueFromTheFirstFolderThatHoldsIt) {
  TempDir first, second;
  std::filesystem::copy_file(std::string(kSourceDataDir) + "/ConstData.txt", first.path + "/ConstData.txt");
  std::filesystem::copy_file(std::string(kSourceDataDir) + "/StarData.txt", second.path + "/StarData.txt");
  Open(std::vector<std::string>{first.path, second.path});
  EXPECT_TRUE(host.messages.empty());
  Open(std::vector<std::string>{second.path, first.path, kSourceDataDir});
  EXPECT_TRUE(host.messages.empty());
  TempDir empty;
  Open(std::vector<std::string>{empty.path, first.path});
  EXPECT_EQ(host.messages, std::vector<std::string>{kStarMessage});
}

// A list that refuses entries stops its filling there.
TEST_F(PanelTest, ListsStopAtTheFirstRefusal) {
  host.listCapacity = 4;
  Open();
  EXPECT_EQ(host.ListEntries(IDC_PLANETLIST), (std::vector<std::string>{"太陽", "水星", "金星", "火星"}));
  EXPECT_EQ(host.ListEntries(IDC_CONSTLIST).size(), 4u);
}

// First run, close, start again: "%5.2f" for the site, "%d" for the zone.
TEST_F(PanelTest, SettingsRoundTrip) {
  Open();
  dlg->OnClose();
  EXPECT_EQ(store.writeCount, 5);
  EXPECT_EQ(store.Get("Config", "Longitude"), "140.00");
  EXPECT_EQ(store.Get("Config", "Latitude"), "35.00");
  EXPECT_EQ(store.Get("Config", "Azimuth"), " 0.00");
  EXPECT_EQ(store.Get("Config", "SDHour"), "9");
  EXPECT_EQ(store.Get("Config", "SDMinute"), "0");
  Open();
  EXPECT_EQ(FieldTexts(host),
            (std::vector<std::string>{"2026", "3", "5", "0", "7", "140.00°", "35.00°", " 0.00°", "9", "0"}));
  Press("経度 5 . 5 +/- SET 標時 5 +/- SET 標分 3 0 SET");
  dlg->OnClose();
  EXPECT_EQ(store.Get("Config", "Longitude"), "-5.50");
  EXPECT_EQ(store.Get("Config", "SDHour"), "-5");
  EXPECT_EQ(store.Get("Config", "SDMinute"), "30");
  Open();
  EXPECT_EQ(Text(IDC_LONGITUDE), "-5.50°");
  EXPECT_EQ(Text(IDC_ZONEHOUR), "-5");
  EXPECT_EQ(dlg->Fields().zoneHour, -5);
  EXPECT_EQ(dlg->Fields().longitude, -5.5f);
}

// The model the store names is the model after start-up; the close writes it
// back only when this calculator changed it or the store lacks it, so that
// another window's later choice stands (as the site settings do).
TEST_F(PanelTest, PreciseModelSettingReadAtOpenWrittenAtClose) {
  const struct {
    const char* stored;     // nullptr: absent
    int toggles;            // model switches while open
    const char* otherLater; // another window's write before the close, nullptr for none
    bool openPrecise;
    const char* afterClose;
  } kCases[] = {{nullptr, 0, nullptr, false, "0"}, {"1", 0, nullptr, true, "1"}, {"1", 1, nullptr, true, "0"},
                {"0", 2, nullptr, false, "0"},     {"0", 0, "1", false, "1"},    {"0", 1, "0", false, "1"},
                {"yes", 0, nullptr, false, "yes"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stored ? c.stored : "absent");
    store.values.clear();
    if (c.stored) store.WriteString("Config", "Precise", c.stored);
    Open();
    EXPECT_EQ(dlg->IsPreciseModel(), c.openPrecise);
    for (int i = 0; i < c.toggles; ++i) dlg->SetPreciseModel(!dlg->IsPreciseModel());
    if (c.otherLater) store.WriteString("Config", "Precise", c.otherLater);
    dlg->Close();
    EXPECT_EQ(store.Get("Config", "Precise"), c.afterClose);
    EXPECT_EQ(store.Get("Config", "SDHour"), "9");  // Close is also the site's close request
  }
}

// Ending without the close request (Esc) writes nothing; AC reads the store again.
TEST_F(PanelTest, StoreIsWrittenOnlyOnClose) {
  store.WriteString("Config", "Latitude", "123");
  store.writeCount = 0;
  Open();
  EXPECT_EQ(Text(IDC_LATITUDE), "123°");
  EXPECT_EQ(dlg->Fields().latitude, 123.0f);
  Press("緯度 4 5 SET 経度 1 3 5 SET");
  EXPECT_EQ(Text(IDC_LONGITUDE), "135.0°");
  Press("AC");
  EXPECT_EQ(Text(IDC_LONGITUDE), "140.0°");
  EXPECT_EQ(dlg->Fields().longitude, 140.0f);
  EXPECT_EQ(Text(IDC_LATITUDE), "123°");
  dlg.reset();  // Esc: the dialog ends without OnClose
  EXPECT_EQ(store.writeCount, 0);
  EXPECT_EQ(store.Get("Config", "Latitude"), "123");
}

// AC keeps the target and the lists' selections, and always returns to the Julian Day,
// horizontal coordinates and the Sun.
TEST_F(PanelTest, AllClear) {
  Open();
  Press("planets:4 赤道座標系 地方恒星時 緯度 4 5 AC");
  EXPECT_TRUE(dlg->IsTarget(Field::kLatitude));
  EXPECT_EQ(Text(IDC_ENTRY), "0");
  EXPECT_EQ(host.ListText(IDC_PLANETLIST), "太陽");
  EXPECT_EQ(host.GetListSelection(IDC_PLANETLIST), 4);
  EXPECT_EQ(g_nPlanetBody, 1);
  for (int id : {IDC_JULIANDAY, IDC_HORIZONTAL, IDC_PLANET}) EXPECT_TRUE(host.IsChecked(id)) << id;
  // The Sun at the clock's instant (2026-03-04 15:07 UT from 140 E, 35 N), by PyEphem 4.1.4:
  // azimuth 187.909 from the south.
  const std::string sun = Text(IDC_RAAZM);
  EXPECT_NEAR(std::strtod(sun.c_str() + 4, nullptr), 187.909, 0.1);
  EXPECT_EQ(Text(IDC_TIME), "2461104.129861");  // 2026-03-05 00:07 at +9 h
  Press("惑星");
  EXPECT_EQ(Text(IDC_RAAZM), sun);
}

// AC from the star or constellation mode clears that kind's radio button as
// well as checking 惑星 (a window whose group is exclusive would hide a reset
// that checked the wrong one).
TEST_F(PanelTest, AllClearFromEachKindOfBody) {
  for (const char* keys : {"stars:9 AC", "constellations:16 AC", "planets:3 AC"}) {
    SCOPED_TRACE(keys);
    Open();
    Press(keys);
    EXPECT_TRUE(host.IsChecked(IDC_PLANET));
    EXPECT_FALSE(host.IsChecked(IDC_STAR));
    EXPECT_FALSE(host.IsChecked(IDC_CONSTELLATION));
    EXPECT_NEAR(std::strtod(Text(IDC_RAAZM).c_str() + 4, nullptr), 187.909, 0.1);  // the Sun, as above
  }
}

struct StoreCase {
  const char *longitude, *latitude, *azimuth, *zoneHour, *zoneMinute;
  const char* latitudeShown;  // a value that is no finite float shows (and uses) the default
  const char* zoneHourShown;  // the integer the field holds
  std::int8_t zoneHourField;
  std::uint8_t zoneMinuteField;
  const char* sidereal;  // time readout in 地方恒星時 mode ("" = any clock text)
  const char* altitude;  // horizontal second readout ("" = any number)
};

// Values written by hand into the store are trusted; none may lead to undefined behaviour.
const StoreCase kStoreCases[] = {
    {"140.0", "nan", "0.0", "300", "0", "35.0°", "44", 44, 0, "", ""},
    {"1e308", "35", "0", "-999", "300", "35°", "25", 25, 44, "", ""},
    {"-999", "inf", "-inf", "99999999999999999999999", "-1", "35.0°", "-1", -1, 255, "", ""},
    {"nan", "-1e308", "1e-400", "-99999999999999999999999", "256", "35.0°", "0", 0, 0, "", ""},
    {" 12.5abc", "", "1e308", "+7", "  8", "°", "7", 7, 8, "", ""},
    {"0x10", "12e1", "abc", "", "x", "12e1°", "0", 0, 0, "", ""},
    {"140.0", "35", "0", "128", "-5", "35°", "-128", -128, 251, "", ""},  // shown as 128, computed as -128
};

TEST_F(PanelTest, HostileStoreValues) {
  for (const StoreCase& c : kStoreCases) {
    SCOPED_TRACE(c.latitude);
    store.values.clear();
    const std::pair<const char*, const char*> values[] = {{"Longitude", c.longitude}, {"Latitude", c.latitude},
                                                          {"Azimuth", c.azimuth},     {"SDHour", c.zoneHour},
                                                          {"SDMinute", c.zoneMinute}};
    for (const auto& [name, value] : values) store.WriteString("Config", name, value);
    Open();
    EXPECT_EQ(Text(IDC_LATITUDE), c.latitudeShown);
    EXPECT_EQ(Text(IDC_ZONEHOUR), c.zoneHourShown);
    EXPECT_EQ(dlg->Fields().zoneHour, c.zoneHourField);
    EXPECT_EQ(dlg->Fields().zoneMinute, c.zoneMinuteField);
    if (*c.altitude) {
      EXPECT_EQ(Text(IDC_DECALT), c.altitude);
    }
    Press("地方恒星時");
    if (*c.sidereal) {
      EXPECT_EQ(Text(IDC_TIME), c.sidereal);
    }
    for (const char* keys : {"赤道座標系", "stars:3", "constellations:5", "地平座標系", "SET"}) {
      Press(keys);
      for (int id : {IDC_TIME, IDC_RAAZM, IDC_DECALT}) EXPECT_LE(Text(id).size(), 15u) << keys << " " << Text(id);
    }
    dlg->OnClose();
  }
}

}  // namespace
}  // namespace skycalc
