#include "panel/eclipse_box.h"

#include <algorithm>
#include <cmath>

#include "astro/base/constants.h"
#include "panel/azimuth_words.h"
#include "panel/readout_format.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

namespace {

constexpr Rgba kNightSky{10, 12, 30, 255};
constexpr Rgba kDaySky{40, 70, 120, 255};
constexpr Rgba kSunDisc{255, 210, 80, 255};
constexpr Rgba kNewMoon{25, 25, 30, 255};
constexpr Rgba kFullMoon{250, 240, 200, 255};
constexpr Rgba kPenumbra{60, 60, 70, 110};
constexpr Rgba kUmbra{120, 40, 25, 235};
constexpr Rgba kPenumbraEdge{150, 150, 165, 255};
constexpr Rgba kUmbraEdge{200, 90, 70, 255};
constexpr double kEdgeWidth = 0.6;                 // box units, about a pixel at the box's size
const std::vector<double> kDotted{0.6, 1.2};      // a dot and twice its gap
constexpr int kEdgeSteps = 96;                     // points to a turn of a shadow's outline

// Appends the arc of the circle (x, y, r) from angle a to b (radians,
// increasing, y down) as points.
void AppendArc(std::vector<double>& out, double x, double y, double r, double a, double b, int steps) {
  const int n = std::max(2, static_cast<int>(std::ceil((b - a) / (2 * kExactPi) * steps)));
  for (int i = 0; i <= n; ++i) {
    const double t = a + (b - a) * i / n;
    out.push_back(x + r * std::cos(t));
    out.push_back(y + r * std::sin(t));
  }
}

std::string RowJson(const EclipseRow& row) {
  return "{\"summary\":" + JsonText(row.summary) + ",\"details\":" + JsonText(row.details) +
         ",\"picture\":" + DisplayListJson(row.picture) + "}";
}

}  // namespace

std::vector<double> DiscOverlap(double x1, double y1, double r1, double x2, double y2, double r2, int steps) {
  std::vector<double> out;
  const double d = std::hypot(x2 - x1, y2 - y1);
  if (d >= r1 + r2) return out;
  // One disc inside the other: the smaller whole.
  if (d <= std::fabs(r1 - r2)) {
    if (r1 <= r2) AppendArc(out, x1, y1, r1, 0.0, 2 * kExactPi, steps);
    else AppendArc(out, x2, y2, r2, 0.0, 2 * kExactPi, steps);
    out.resize(out.size() - 2);  // the last point repeats the first
    return out;
  }
  // The chord through both crossings lies a from the first centre along
  // the line of centres; each disc gives the arc of its edge inside the other.
  const double theta = std::atan2(y2 - y1, x2 - x1);
  const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
  const double half1 = std::acos(std::clamp(a / r1, -1.0, 1.0));
  const double half2 = std::acos(std::clamp((d - a) / r2, -1.0, 1.0));
  AppendArc(out, x1, y1, r1, theta - half1, theta + half1, steps);
  AppendArc(out, x2, y2, r2, theta + kExactPi - half2, theta + kExactPi + half2, steps);
  return out;
}

DisplayList DrawEclipse(const eclipse::Eclipse* e) {
  DisplayList list;
  list.width = list.height = kEclipseDrawingSize;
  const bool lunar = e && e->kind == eclipse::Kind::kLunar;
  list.background = lunar ? kNightSky : kDaySky;
  if (!e || (!lunar && e->contacts.empty())) return list;
  const eclipse::Eclipse::View& v = e->view;
  // The penumbra's edge, beyond the scale's reach, shows where it falls inside.
  const double reach = std::hypot(v.moonX, v.moonY) + v.moon;
  const double extent = 1.15 * std::max(reach, lunar ? std::min(v.umbra, reach + v.moon) : v.sun);
  const double scale = 0.5 * kEclipseDrawingSize / extent;
  const double c = kEclipseDrawingSize / 2;
  // x along increasing azimuth is to the right for one facing the body; y up.
  const double mx = c + v.moonX * scale, my = c - v.moonY * scale;
  if (lunar) {
    list.Circle(mx, my, v.moon * scale, kFullMoon);
    for (const auto& [radius, colour] : {std::pair{v.penumbra, kPenumbra}, std::pair{v.umbra, kUmbra}}) {
      std::vector<double> shade = DiscOverlap(mx, my, v.moon * scale, c, c, radius * scale, kEdgeSteps);
      if (!shade.empty()) list.Polyline(std::move(shade), Rgba{0, 0, 0, 0}, 0.0, true, colour);
    }
    list.Circle(c, c, v.penumbra * scale, Rgba{0, 0, 0, 0}, kPenumbraEdge, kEdgeWidth).dash = kDotted;
    list.Circle(c, c, v.umbra * scale, Rgba{0, 0, 0, 0}, kUmbraEdge, kEdgeWidth).dash = kDotted;
  } else {
    list.Circle(c, c, v.sun * scale, kSunDisc);
    list.Circle(mx, my, v.moon * scale, kNewMoon);
  }
  return list;
}

EclipseBox MakeEclipseBox(const EclipseListResult& list, std::int32_t year, double azimuthOriginDeg,
                          const std::string& site, int zoneMinutes) {
  EclipseBox box;
  box.title = FormatText("%d年の日食・月食　", static_cast<int>(year)) + AzimuthOriginWords(azimuthOriginDeg);
  box.site = site;
  for (const eclipse::Eclipse& e : list.eclipses)
    box.rows.push_back({EclipseSummary(e, zoneMinutes), EclipseDetails(e, zoneMinutes), DrawEclipse(&e)});
  box.first = FirstSeenEclipse(list.eclipses);
  box.none = {std::string(), kNoEclipseSeenText, DrawEclipse(nullptr)};
  return box;
}

EclipseBox StoredYearEclipseBox(const Observation& observation) {
  const StoredFields& f = observation.fields;
  const int zone = ZoneMinutesOf(f);
  const EclipseListResult list = ListEclipses({f.year, 1, zone, f.longitude, f.latitude, f.azimuth});
  EclipseBox box = MakeEclipseBox(list, f.year, f.azimuth, EventsSiteLine(observation), zone);
  box.refusal = list.refusal;
  return box;
}

const EclipseRow& EclipseBoxRow(const EclipseBox& box, int row) {
  return row >= 0 && row < static_cast<int>(box.rows.size()) ? box.rows[row] : box.none;
}

std::string EclipseBoxJson(const EclipseBox& box) {
  std::string out = "{\"title\":" + JsonText(box.title) + ",\"site\":" + JsonText(box.site) +
                    ",\"first\":" + std::to_string(box.first) + ",\"rows\":[";
  for (std::size_t i = 0; i < box.rows.size(); ++i) out += (i ? "," : "") + RowJson(box.rows[i]);
  return out + "],\"none\":" + RowJson(box.none) + "}";
}

}  // namespace skycalc
