// 地点: a place chosen by name stores what keying its figures with SET
// stores, and the calculator remembers the name until a site is keyed.
#include "catalog/places.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

// Every display and readout the calculator shows.
std::vector<std::string> Shown(const MemoryHost& host) {
  std::vector<std::string> texts;
  for (int id : {IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_HOUR, IDC_MINUTE, IDC_LONGITUDE, IDC_LATITUDE, IDC_AZIMUTH,
                 IDC_ZONEHOUR, IDC_ZONEMINUTE, IDC_ENTRY, IDC_TIME, IDC_RAAZM, IDC_DECALT})
    texts.push_back(host.Text(id));
  return texts;
}

std::vector<float> StoredSite(const CSkyCalcDlg& dlg) {
  const StoredFields f = dlg.Fields();
  return {f.longitude, f.latitude, static_cast<float>(f.zoneHour), static_cast<float>(f.zoneMinute)};
}

const PlaceEntry& PlaceNamed(const CSkyCalcDlg& dlg, const std::string& name) {
  const int index = FindPlace(dlg.Places(), name);
  EXPECT_GE(index, 0) << name;
  return dlg.Places()[static_cast<std::size_t>(index < 0 ? 0 : index)];
}

// 東京 (the office's 139°44′28.9″ E, 35°39′29.2″ N, keyed to two decimals)
// and ホノルル (tz: 21°18′25″ N, 157°51′30″ W, zone -10 h), chosen by name
// and keyed digit by digit, in each readout mode: the same stored values and
// the same texts everywhere.
TEST_F(PanelTest, ChoosingAPlaceShowsWhatKeyingItsFiguresShows) {
  const struct {
    const char* name;
    const char* keys;
  } cases[] = {
      {"東京", "経度 1 3 9 . 7 4 SET 緯度 3 5 . 6 6 SET 標時 9 SET 標分 0 SET"},
      {"ホノルル", "経度 1 5 7 . 8 6 +/- SET 緯度 2 1 . 3 1 SET 標時 1 0 +/- SET 標分 0 SET"},
  };
  for (const auto& c : cases) {
    for (const char* mode : {"ﾕﾘｳｽ日 地平座標系", "地方恒星時 赤道座標系"}) {
      Open();
      SetInstant("2026", 3, 20, 21, 0, "3", "10");
      Press(std::string(mode) + " 恒星 stars:9");
      ASSERT_TRUE(dlg->ApplyPlace(PlaceNamed(*dlg, c.name), true));
      const std::vector<std::string> chosen = Shown(host);
      const std::vector<float> chosenSite = StoredSite(*dlg);
      EXPECT_EQ(dlg->PlaceName(), c.name);

      Open();
      SetInstant("2026", 3, 20, 21, 0, "3", "10");
      Press(std::string(mode) + " 恒星 stars:9 " + c.keys);
      EXPECT_EQ(Shown(host), chosen) << c.name << " " << mode;
      EXPECT_EQ(StoredSite(*dlg), chosenSite) << c.name;
      EXPECT_EQ(dlg->PlaceName(), "");
    }
  }
  EXPECT_TRUE(host.messages.empty());
}

// Without the zone the zone fields stay as keyed; keying 経度 or 緯度 forgets
// the place, keying anything else does not.
TEST_F(PanelTest, KeyingASiteForgetsThePlace) {
  Open();
  Press("標時 3 SET");
  ASSERT_TRUE(dlg->ApplyPlace(PlaceNamed(*dlg, "札幌"), false));
  EXPECT_EQ(Text(IDC_LONGITUDE), "141.35°");
  EXPECT_EQ(Text(IDC_LATITUDE), "43.07°");
  EXPECT_EQ(Text(IDC_ZONEHOUR), "3");
  Press("方位 1 8 0 SET 標時 9 SET 年 2 0 0 0 SET");
  EXPECT_EQ(dlg->PlaceName(), "札幌");
  Press("緯度 4 3 SET");
  EXPECT_EQ(dlg->PlaceName(), "");
  ASSERT_TRUE(dlg->ApplyPlace(PlaceNamed(*dlg, "札幌"), false));
  Press("経度 1 4 1 . 3 5 SET");  // the same value, keyed: the site is the user's now
  EXPECT_EQ(dlg->PlaceName(), "");
}

// A place SET would refuse a value of is refused whole, with SET's message.
TEST_F(PanelTest, APlaceWithAValueSetRefusesStoresNothing) {
  Open();
  PlaceEntry bad = PlaceNamed(*dlg, "札幌");
  bad.latitude = 91.0;
  const std::vector<float> before = StoredSite(*dlg);
  EXPECT_FALSE(dlg->ApplyPlace(bad, true));
  EXPECT_EQ(StoredSite(*dlg), before);
  EXPECT_EQ(Text(IDC_LONGITUDE), "140.0°");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "緯度は-90.0～90.0にしてください。");
  EXPECT_EQ(dlg->PlaceName(), "");
}

// The name is saved beside the five settings and read back with them; a
// stored site that is no longer the place's (another window keyed one) drops it.
TEST_F(PanelTest, ThePlaceNameIsSavedBesideTheSite) {
  Open();
  ASSERT_TRUE(dlg->ApplyPlace(PlaceNamed(*dlg, "那覇"), true));
  dlg->OnClose();
  EXPECT_EQ(store.Get("Config", "Place"), "那覇");
  EXPECT_EQ(store.Get("Config", "Longitude"), "127.67");
  Open();
  EXPECT_EQ(dlg->PlaceName(), "那覇");
  Press("緯度 2 6 SET");
  dlg->OnClose();
  EXPECT_EQ(store.Get("Config", "Place"), "");
  store.WriteString("Config", "Place", "那覇");  // a stale name beside a keyed site
  Open();
  EXPECT_EQ(dlg->PlaceName(), "");
  store.WriteString("Config", "Place", "どこでもない");
  store.WriteString("Config", "Latitude", "26.22");
  Open();
  EXPECT_EQ(dlg->PlaceName(), "");
}

}  // namespace
}  // namespace skycalc
