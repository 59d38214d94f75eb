#include "panel/readout_format.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

enum Kind { kPlanet, kStar, kConstellation };

// The horizontal texts of one body at the calculator's stored instant and site.
std::pair<std::string, std::string> Expected(CSkyCalcDlg& dlg, Kind kind, int choice) {
  const Place place = kind == kPlanet ? dlg.PlanetPlace(choice)
                      : kind == kStar ? dlg.StarPlace(choice)
                                      : dlg.ConstellationPlace(choice);
  return {FormatAzimuth(place.horizontal[0]), FormatAltitude(place.horizontal[1])};
}

struct SelectorCase {
  const char* keys;
  Kind kind;          // the body shown afterwards
  int choice;         // its body number or list position
  int checkedRadio;   // the kind-of-body radio button checked afterwards
  int planetBody, starIndex, constIndex;  // the remembered choices afterwards
};

const SelectorCase kSelectorCases[] = {
    {"planets:3", kPlanet, 5, IDC_PLANET, 5, 0, 0},
    {"planets:9", kPlanet, 11, IDC_PLANET, 11, 0, 0},
    {"planets:2", kPlanet, 3, IDC_PLANET, 3, 0, 0},
    {"planets:4 stars:9 惑星", kPlanet, 6, IDC_PLANET, 6, 9, 0},
    {"stars:9 惑星", kPlanet, 1, IDC_PLANET, 1, 9, 0},
    {"planets:4 AC stars:9 惑星", kPlanet, 1, IDC_PLANET, 1, 9, 0},
    {"stars:20", kStar, 20, IDC_STAR, 1, 20, 0},
    {"constellations:87 stars:3 星座", kConstellation, 87, IDC_CONSTELLATION, 1, 3, 87},
    {"constellations:16 地平座標系", kConstellation, 16, IDC_CONSTELLATION, 1, 0, 16},
    {"stars:5 恒星", kStar, 5, IDC_STAR, 1, 5, 0},
    {"恒星", kStar, 0, IDC_STAR, 1, 0, 0},
};

TEST_F(PanelTest, SelectorsChooseTheBody) {
  for (const SelectorCase& c : kSelectorCases) {
    SCOPED_TRACE(c.keys);
    Open();
    const std::string time = Text(IDC_TIME);
    Press(c.keys);
    EXPECT_EQ(std::make_pair(Text(IDC_RAAZM), Text(IDC_DECALT)), Expected(*dlg, c.kind, c.choice));
    for (int radio : {IDC_PLANET, IDC_STAR, IDC_CONSTELLATION}) EXPECT_EQ(host.IsChecked(radio), radio == c.checkedRadio);
    EXPECT_EQ(g_nPlanetBody, c.planetBody);
    EXPECT_EQ(g_nStarIndex, c.starIndex);
    EXPECT_EQ(g_nConstIndex, c.constIndex);
    EXPECT_EQ(Text(IDC_TIME), time);  // no selector here touches the time readout
  }
}

struct ReadoutCase {
  const char* keys;
  std::vector<int> written;  // the controls whose text is set, in order
};

// Which readout each selector recomputes.
const ReadoutCase kReadoutCases[] = {
    {"地方恒星時", {IDC_TIME}},
    {"ﾕﾘｳｽ日", {IDC_TIME}},
    {"赤道座標系", {IDC_RAAZM, IDC_DECALT}},
    {"地平座標系", {IDC_RAAZM, IDC_DECALT}},
    {"惑星", {IDC_RAAZM, IDC_DECALT}},
    {"planets:1", {IDC_RAAZM, IDC_DECALT}},
    {"constellations:1", {IDC_RAAZM, IDC_DECALT}},
};

TEST_F(PanelTest, EachSelectorRecomputesOneReadout) {
  for (const ReadoutCase& c : kReadoutCases) {
    SCOPED_TRACE(c.keys);
    Open();
    host.textLog.clear();
    Press(c.keys);
    std::vector<int> written;
    for (const auto& logged : host.textLog) written.push_back(logged.first);
    EXPECT_EQ(written, c.written);
  }
}

// A mode handler whose button is not checked does nothing; a list event without a
// selection counts as the first entry.
TEST_F(PanelTest, UncheckedModesAndEmptySelections) {
  Open();
  Press("地方恒星時");
  host.textLog.clear();
  dlg->OnJulianDayMode();
  EXPECT_TRUE(host.textLog.empty());
  Press("ﾕﾘｳｽ日");
  host.textLog.clear();
  dlg->OnSiderealMode();
  EXPECT_TRUE(host.textLog.empty());
  Press("planets:4");
  ASSERT_EQ(g_nPlanetBody, 6);
  host.SelectListEntry(IDC_PLANETLIST, -1);
  ASSERT_TRUE(dlg->OnCommand(IDC_PLANETLIST));
  EXPECT_EQ(g_nPlanetBody, 1);
  EXPECT_EQ(std::make_pair(Text(IDC_RAAZM), Text(IDC_DECALT)), Expected(*dlg, kPlanet, 1));
  // The radio button shows the remembered choice, not the list's current entry.
  Press("planets:3");
  host.SelectListEntry(IDC_PLANETLIST, 5);  // moved without a selection event
  Press("惑星");
  EXPECT_EQ(std::make_pair(Text(IDC_RAAZM), Text(IDC_DECALT)), Expected(*dlg, kPlanet, 5));
}

}  // namespace
}  // namespace skycalc
