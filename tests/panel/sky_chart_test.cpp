#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "astro/base/constants.h"
#include "astro/precise/star_field.h"
#include "catalog/names.h"
#include "panel/label_placer.h"
#include "panel/sky_chart.h"
#include "panel/svg_writer.h"
#include "tests/panel/panel_fixture.h"

namespace skycalc {
namespace {

double Separation(double alt1, double az1, double alt2, double az2) {  // degrees
  const double d = kExactDegToRad;
  const double c = std::sin(alt1 * d) * std::sin(alt2 * d) + std::cos(alt1 * d) * std::cos(alt2 * d) * std::cos((az1 - az2) * d);
  return std::acos(std::min(1.0, c)) / d;
}

// astropy's AltAz (scripts/make_chart_reference.py) for 150 random stars at
// instants of 1980-2030 and 50 stars with proper motions at instants of
// 1000-2999, at random sites: the chart's places within 1'.
TEST(SkyChartStars, AgreeWithAstropyWithinAnArcminute) {
  std::ifstream in(SKYCALC_CHART_REFERENCE);
  ASSERT_TRUE(in) << SKYCALC_CHART_REFERENCE;
  int rows = 0;
  double worst = 0.0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    double v[10];
    char comma = 0;
    for (int i = 0; i < 10; ++i) fields >> v[i] >> comma;
    const precise::StarField field(v[1], precise::Observer{v[2] * kExactDegToRad, v[3] * kExactDegToRad});
    const precise::Horizontal h = field.OfCatalog(v[4], v[5], v[6], v[7]);
    const double error = Separation(h.altitude, h.azimuth, v[8], v[9]);
    worst = std::max(worst, error);
    EXPECT_LT(error * 60.0, 1.0) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 200);
  std::printf("worst separation from astropy: %.2f\"\n", worst * 3600.0);
}

class SkyChartTest : public PanelTest {
 protected:
  void SetUp() override { Open(); }
  SkyChart Chart(const ChartData& data, const ChartView& view = ChartView{}) {
    return MakeSkyChart(dlg->CurrentObservation(), data, view, 800.0);
  }
};

const DisplayItem* TextItem(const DisplayList& list, const std::string& text) {
  for (const DisplayItem& item : list.items)
    if (item.shape == DisplayItem::Shape::kText && item.text == text) return &item;
  return nullptr;
}

// A planisphere held over the head facing a direction shows that direction
// at the bottom; facing south, the east is on the left and the west on the
// right (the sky seen from below). Polaris stands towards 北 at the
// latitude's altitude; the zenith at the centre, the horizon on the rim.
TEST_F(SkyChartTest, RimPointsAndPolarisStandAsOnAPlanisphere) {
  struct Case {
    double facing;
    const char* bottom;
    const char* left;
  };
  const Case kCases[] = {{180.0, "南", "東"}, {0.0, "北", "西"}, {90.0, "東", "北"}, {270.0, "西", "南"}};
  ChartData polaris;
  polaris.stars.push_back(ChartStar{11767, 37.9546, 89.2641, 1.97f, 0.636f});  // Hipparcos, J2000.0
  for (const Case& c : kCases) {
    ChartView view;
    view.facing = c.facing;
    const SkyChart chart = Chart(polaris, view);
    const ChartProjection& p = chart.projection;
    const DisplayItem* bottom = TextItem(chart.list, c.bottom);
    const DisplayItem* left = TextItem(chart.list, c.left);
    ASSERT_TRUE(bottom && left);
    EXPECT_NEAR(bottom->points[0], p.centreX, 1e-6) << c.facing;
    EXPECT_GT(bottom->points[1], p.centreY + p.radius) << c.facing;
    EXPECT_LT(left->points[0], p.centreX - p.radius) << c.facing;
    EXPECT_NEAR(left->points[1], p.centreY, 1e-6) << c.facing;
    double x = 0.0, y = 0.0;
    p.Project(90.0, c.facing + 33.0, x, y);
    EXPECT_NEAR(std::hypot(x - p.centreX, y - p.centreY), 0.0, 1e-9);
    p.Project(0.0, c.facing + 33.0, x, y);
    EXPECT_NEAR(std::hypot(x - p.centreX, y - p.centreY), p.radius, 1e-9);
    const DisplayObject* star = nullptr;
    for (const DisplayObject& o : chart.list.objects)
      if (o.name == "HIP 11767") star = &o;
    ASSERT_NE(star, nullptr);
    EXPECT_NEAR(star->altitude, 35.0, 0.8);
    const DisplayItem* north = TextItem(chart.list, "北");
    const double toNorth = std::atan2(north->points[0] - p.centreX, north->points[1] - p.centreY);
    const double toStar = std::atan2(star->x - p.centreX, star->y - p.centreY);
    EXPECT_NEAR(std::remainder(toStar - toNorth, 2 * kExactPi) / kExactDegToRad, 0.0, 1.0) << c.facing;
    EXPECT_NEAR(std::hypot(star->x - p.centreX, star->y - p.centreY),
                p.radius * std::tan((90.0 - star->altitude) * kExactDegToRad / 2.0), 1e-6);
  }
}

// The bodies are the calculator's own: with the azimuth field at 180 the
// readout counts from the north, as the chart does (through the east either
// way, the readout's south origin turned half round); the altitudes are equal.
TEST_F(SkyChartTest, BodiesStandWhereTheReadoutsPutThem) {
  Key(IDC_FIELD_AZIMUTH, "180");
  int compared = 0;
  for (bool precise : {false, true}) {
    dlg->SetPreciseModel(precise);
    const SkyChart chart = Chart(ChartData{});
    for (int i = 0; i < kBodyCount; ++i) {
      const Place place = dlg->TargetPlace(sky::Target::OfBody(static_cast<Body>(i)));
      for (const DisplayObject& o : chart.list.objects) {
        if (o.kind != DisplayObject::Kind::kBody || o.name != PlanetNames[i]) continue;
        EXPECT_EQ(o.altitude, place.horizontal[1] * kRadToDeg) << o.name;
        EXPECT_NEAR(std::remainder(o.azimuth - place.horizontal[0] * kRadToDeg, 360.0), 0.0, 1e-6) << o.name;
        EXPECT_EQ(o.listIndex, i);
        ++compared;
      }
    }
  }
  EXPECT_GE(compared, 4);
}

// The sky's shade steps at the twilight limits of the almanac office's
// こよみ用語解説 (civil 6°, nautical 12°, astronomical 18° below the
// horizon) and at -0°50′, the Sun's upper limb on the horizon; the Sun's
// altitude is the calculator's.
TEST_F(SkyChartTest, SkyShadeFollowsTheSunsAltitude) {
  struct Case {
    double altitude;
    SkyShade shade;
  };
  const Case kCases[] = {{10.0, SkyShade::kDay},           {-0.83, SkyShade::kDay},
                         {-0.84, SkyShade::kCivil},        {-5.99, SkyShade::kCivil},
                         {-6.01, SkyShade::kNautical},     {-11.99, SkyShade::kNautical},
                         {-12.01, SkyShade::kAstronomical}, {-17.99, SkyShade::kAstronomical},
                         {-18.01, SkyShade::kNight},       {-80.0, SkyShade::kNight}};
  for (const Case& c : kCases) EXPECT_EQ(ShadeOfSky(c.altitude), c.shade) << c.altitude;
  EXPECT_EQ(Chart(ChartData{}).sunAltitude, dlg->TargetPlace(sky::Target::OfBody(Body::kSun)).horizontal[1] * kRadToDeg);
}

// Stepping the chart's time leaves the fields alone and lands where the
// calendar does: across a month and a year, into a leap day, and over the
// ten days dropped in October 1582.
TEST(SkyChartTime, StepsFollowTheCalendar) {
  struct Case {
    StoredFields from;
    int minutes;
    int year, month, day, hour, minute;
  };
  const Case kCases[] = {
      {{2026, 12, 31, 23, 50}, 10, 2027, 1, 1, 0, 0},     {{2024, 3, 1, 0, 5}, -10, 2024, 2, 29, 23, 55},
      {{1582, 10, 15, 12, 0}, -1440, 1582, 10, 4, 12, 0}, {{1900, 2, 28, 0, 0}, 1440, 1900, 3, 1, 0, 0},
      {{2000, 2, 28, 22, 0}, 60 * 26, 2000, 3, 1, 0, 0},  {{-1, 1, 1, 0, 30}, -60, -2, 12, 31, 23, 30},
  };
  for (const Case& c : kCases) {
    const StoredFields f = ShiftedFields(c.from, c.minutes);
    EXPECT_EQ(std::vector<int>({f.year, f.month, f.day, f.hour, f.minute}),
              std::vector<int>({c.year, c.month, c.day, c.hour, c.minute}))
        << c.from.year << "-" << int(c.from.month) << "-" << int(c.from.day) << " " << c.minutes;
  }
}

// Each named object is one group with its tooltip; a click near a name
// finds the list entry that chooses it, and the chosen body is marked.
TEST_F(SkyChartTest, NamedObjectsAreGroupsAndClicksFindTheirListEntries) {
  Press("planets:9");
  const SkyChart chart = Chart(LoadChartData(kSourceDataDir, kSourceDataDir));
  const std::string svg = SvgOf(chart.list, 400.0);
  std::size_t groups = 0;
  for (std::size_t at = svg.find("<g><title>"); at != std::string::npos; at = svg.find("<g><title>", at + 1)) ++groups;
  EXPECT_EQ(groups, chart.list.objects.size());
  EXPECT_GT(chart.list.objects.size(), 1000u);
  int chosen = 0;
  for (std::size_t i = 0; i < chart.list.objects.size(); ++i) {
    const DisplayObject& o = chart.list.objects[i];
    if (o.listId == 0) continue;
    const int found = ChosenObjectAt(chart.list, o.x, o.y, 12.0);
    ASSERT_GE(found, 0) << o.name;
    EXPECT_EQ(chart.list.objects[found].x, o.x) << o.name;
    EXPECT_NE(svg.find("<title>" + o.name + " "), std::string::npos) << o.name;
    chosen += o.chosen;
  }
  EXPECT_EQ(chosen, chart.list.objects.size() > 0 && dlg->TargetPlace(sky::Target::OfBody(Body::kMoon)).horizontal[1] > 0 ? 1 : 0);
}


// Crowded skies where names fell on each other when each went to the right
// of its mark: Aldebaran beside Uranus, Fomalhaut under みなみのうお (Tokyo,
// 2026-10-15 21:00); the Pleiades with Jupiter (2023-05-15 20:00 is below the
// horizon, so 2023-01-10 20:00 stands in); Antares with Mars and the Moon
// (2016-08-10 20:00). No star's or body's name may cover another name, and
// none may leave the rim.
TEST_F(SkyChartTest, NamesNeitherCoverEachOtherNorLeaveTheRim) {
  const ChartData data = LoadChartData(kSourceDataDir, kSourceDataDir);
  struct Case {
    const char* year;
    int month, day, hour;
  };
  for (const Case& c : {Case{"2026", 10, 15, 21}, Case{"2023", 1, 10, 20}, Case{"2016", 8, 10, 20}}) {
    SetInstant(c.year, c.month, c.day, c.hour, 0, "9", "139.7");
    Press("緯度 3 5 . 7 SET");
    const SkyChart chart = Chart(data);
    struct Box {
      double left, top, right, bottom;
      std::string text;
      bool placed;  // a star's or body's name, set beside its mark (a constellation's stands on its place)
    };
    std::vector<Box> names;
    for (const DisplayItem& item : chart.list.items) {
      if (item.shape != DisplayItem::Shape::kText || item.object < 0) continue;
      const double w = EstimatedTextWidth(item.text, item.fontSize), h = item.fontSize;
      const double left = item.anchor == DisplayItem::Anchor::kStart ? item.points[0]
                          : item.anchor == DisplayItem::Anchor::kEnd ? item.points[0] - w
                                                                     : item.points[0] - w / 2;
      const bool placed = chart.list.objects[item.object].kind != DisplayObject::Kind::kConstellation;
      names.push_back({left, item.points[1] - h / 2, left + w, item.points[1] + h / 2, item.text, placed});
      if (!placed) continue;
      for (double x : {names.back().left, names.back().right})
        for (double y : {names.back().top, names.back().bottom})
          EXPECT_LE(std::hypot(x - chart.projection.centreX, y - chart.projection.centreY), chart.projection.radius)
              << item.text << " " << c.year;
    }
    int covered = 0;
    for (std::size_t i = 0; i < names.size(); ++i)
      for (std::size_t j = 0; j < i; ++j) {
        const Box &a = names[i], &b = names[j];
        if ((a.placed || b.placed) && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
          ++covered;
          ADD_FAILURE() << a.text << " covers " << b.text << " " << c.year;
        }
      }
    EXPECT_EQ(covered, 0);
  }
}

// The page's JSON writes its numbers in integers for speed: each must be the
// C library's "%.2f", the ties of binary fractions (0.125, 2.675) included.
TEST(DisplayListJsonNumbers, HalfHundredthsRoundAsPrintfDoes) {
  const double kValues[] = {0.0,    -0.0,    0.125,  0.375,     2.675, 1.005,  -0.004, -0.005, -0.125,
                            399.995, 799.999, 12.345, -57.2958, 1e7 + 0.125, 1e12,   3e20,   NAN};
  for (const double v : kValues) {
    DisplayList list;
    list.Circle(v, 1.0, 2.0, {1, 2, 3, 255});
    char expected[64];
    std::snprintf(expected, sizeof expected, "\"points\":[%.2f,1.00]", v);
    EXPECT_NE(DisplayListJson(list).find(expected), std::string::npos) << expected << " in " << DisplayListJson(list);
  }
}

}  // namespace
}  // namespace skycalc
