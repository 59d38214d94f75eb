#include <cmath>
#include <cstdlib>

#include "panel_fixture.h"

namespace skycalc {
namespace {

enum Kind { kPlanet, kStar, kConstellation };

// Where each body stands at the fixture's instant (2026-03-04 15:07 UT) from
// 140 E, 35 N, by PyEphem 4.1.4 (topocentric apparent, no refraction):
// azimuth from the south through west and altitude, degrees, and how far the
// calculator's compact model may be from it.
struct Independent {
  Kind kind;
  int choice;
  double azimuth, altitude, tolerance;
};
const Independent kIndependent[] = {
    {kPlanet, 1, 187.909, -61.061, 0.05},   {kPlanet, 3, 163.234, -55.974, 0.15},
    {kPlanet, 5, 214.430, -63.156, 0.15},   {kPlanet, 6, 95.333, 34.750, 0.4},
    {kPlanet, 11, 346.010, 52.844, 0.15},   {kStar, 0, 279.777, 47.218, 0.03},
    {kStar, 5, 109.093, 1.722, 0.03},       {kStar, 9, 63.273, 7.710, 0.03},
    {kStar, 20, 37.252, 62.325, 0.03},      {kConstellation, 16, 88.913, 6.807, 0.03},
    {kConstellation, 87, 241.409, -24.164, 0.03},
};

// The number in a readout such as "Azm 123.45°" or "Alt -6.50°".
double ReadoutNumber(const std::string& text) { return std::strtod(text.c_str() + 4, nullptr); }

// Whether the horizontal readouts show the body kind/choice, as far as the model can.
::testing::AssertionResult ShowsBody(const std::string& azimuth, const std::string& altitude, Kind kind, int choice) {
  for (const Independent& b : kIndependent) {
    if (b.kind != kind || b.choice != choice) continue;
    const double dAz = std::remainder(ReadoutNumber(azimuth) - b.azimuth, 360.0);
    const double dAlt = ReadoutNumber(altitude) - b.altitude;
    if (std::fabs(dAz) * std::cos(b.altitude * 0.017453292519943295) <= b.tolerance && std::fabs(dAlt) <= b.tolerance)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << azimuth << " " << altitude << " against " << b.azimuth << " " << b.altitude;
  }
  return ::testing::AssertionFailure() << "no reference for " << kind << "/" << choice;
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
    EXPECT_TRUE(ShowsBody(Text(IDC_RAAZM), Text(IDC_DECALT), c.kind, c.choice));
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
  EXPECT_TRUE(ShowsBody(Text(IDC_RAAZM), Text(IDC_DECALT), kPlanet, 1));
  // The radio button shows the remembered choice, not the list's current entry.
  Press("planets:3");
  host.SelectListEntry(IDC_PLANETLIST, 5);  // moved without a selection event
  Press("惑星");
  EXPECT_TRUE(ShowsBody(Text(IDC_RAAZM), Text(IDC_DECALT), kPlanet, 5));
}

// A window that draws checks but keeps none (a page whose radio buttons are
// rebuilt, say): the calculator's modes are its own, so every readout is the
// same as on a window that keeps them.
TEST_F(PanelTest, ModesAreThePanelsOwnNotTheWindowsChecks) {
  struct CheckBlindHost : MemoryHost {
    void SetCheck(int, bool) override {}
  } blind;
  CSkyCalcDlg blindDlg(blind, store, clock);
  blindDlg.SetCatalogFolders({kSourceDataDir});
  blindDlg.Open();
  Open();
  const struct {
    int id;
    int index;  // the entry picked in list id; -1 for a click
  } kSteps[] = {{IDC_SIDEREAL, -1}, {IDC_EQUATORIAL, -1}, {IDC_STARLIST, 9},  {IDC_SET, -1},
                {IDC_CONSTELLATION, -1}, {IDC_CONSTLIST, 40}, {IDC_JULIANDAY, -1}, {IDC_HORIZONTAL, -1},
                {IDC_PLANETLIST, 3}, {IDC_STAR, -1}, {IDC_SET, -1}, {IDC_ALLCLEAR, -1}};
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.id);
    if (step.index >= 0) {
      Select(step.id, step.index);
      blind.SelectListEntry(step.id, step.index);
    } else {
      HeadlessCalculator::Press(step.id);
    }
    blindDlg.OnCommand(step.id);
    for (int id : {IDC_TIME, IDC_RAAZM, IDC_DECALT}) EXPECT_EQ(blind.Text(id), Text(id)) << id;
    EXPECT_EQ(blindDlg.CheckedBodyKind(), dlg->CheckedBodyKind());
  }
}

}  // namespace
}  // namespace skycalc
