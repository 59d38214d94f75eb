#include "panel/sky_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/base/constants.h"
#include "astro/precise/star_field.h"
#include "astro/time/calendar.h"
#include "astro/time/julian_day.h"
#include "catalog/catalog.h"
#include "catalog/names.h"
#include "panel/body_details.h"
#include "panel/control_ids.h"
#include "panel/label_placer.h"
#include "panel/model_messages.h"
#include "panel/readout_format.h"

namespace skycalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMagnitudeLimit = 5.5;
// A catalogue row names the nearest chart star within this distance
// (degrees): both catalogues give Hipparcos places of epoch 2000 and agree
// to 0.001 degree for the 21 stars.
constexpr double kNamedStarMatch = 0.02;

// Sky shades, in the order of SkyShade. Reference: none; chosen to step from
// a daylight blue to the night's near black as planetarium programs do.
constexpr Rgba kSkyColours[] = {{86, 140, 204, 255}, {52, 82, 150, 255}, {30, 46, 104, 255},
                                {17, 26, 66, 255},   {6, 10, 30, 255}};
constexpr Rgba kOutside{24, 24, 30, 255};
constexpr Rgba kRim{210, 215, 230, 255};
constexpr Rgba kFigure{110, 150, 215, 150};
constexpr Rgba kConstellationName{140, 175, 235, 210};
constexpr Rgba kStarName{235, 235, 210, 255};
constexpr Rgba kEcliptic{230, 200, 80, 170};
constexpr Rgba kEquator{220, 100, 100, 160};
constexpr Rgba kChosenRing{80, 255, 120, 255};
constexpr Rgba kCaption{225, 228, 240, 255};
constexpr Rgba kMoonDark{55, 58, 70, 255};
constexpr Rgba kMoonLit{245, 243, 225, 255};

// The tint of a star of colour index B-V, the sRGB colour of a black body at
// the star's temperature. References: B-V to temperature, Ballesteros (2012),
// EPL 97, 34008, T = 4600 K (1 / (0.92 (B-V) + 1.7) + 1 / (0.92 (B-V) + 0.62));
// temperature to colour, M. Charity, "Blackbody color datafile" (D65 white,
// 2-degree observer). Linear between rows.
struct Tint {
  double colourIndex;
  Rgba colour;
};
constexpr Tint kTints[] = {
    {-0.40, {162, 185, 255, 255}},  // 31 000 K
    {-0.20, {175, 195, 255, 255}},  // 14 800 K
    {0.00, {204, 216, 255, 255}},   // 9 600 K
    {0.30, {236, 239, 255, 255}},   // 7 300 K
    {0.60, {255, 242, 228, 255}},   // 5 900 K
    {0.90, {255, 224, 188, 255}},   // 4 900 K
    {1.20, {255, 209, 161, 255}},   // 4 300 K
    {1.60, {255, 190, 127, 255}},   // 3 600 K
    {2.00, {255, 172, 94, 255}},    // 3 100 K
};

Rgba TintOf(double colourIndex) {
  constexpr std::size_t n = sizeof kTints / sizeof kTints[0];
  if (!(colourIndex > kTints[0].colourIndex)) return kTints[0].colour;
  for (std::size_t i = 1; i < n; ++i) {
    if (colourIndex <= kTints[i].colourIndex) {
      const double f = (colourIndex - kTints[i - 1].colourIndex) / (kTints[i].colourIndex - kTints[i - 1].colourIndex);
      const Rgba& a = kTints[i - 1].colour;
      const Rgba& b = kTints[i].colour;
      auto mix = [f](std::uint8_t x, std::uint8_t y) { return static_cast<std::uint8_t>(std::lround(x + f * (y - x))); };
      return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), 255};
    }
  }
  return kTints[n - 1].colour;
}

// The bodies' marks: disc colour, radius in chart units and symbol.
struct BodyMark {
  Rgba colour;
  double radius;
  const char* symbol;
};
constexpr BodyMark kBodyMarks[kBodyCount] = {
    {{255, 214, 64, 255}, 7.0, "☉"},  {{190, 180, 170, 255}, 3.0, "☿"}, {{255, 250, 215, 255}, 3.8, "♀"},
    {{235, 95, 60, 255}, 3.4, "♂"},   {{240, 215, 170, 255}, 3.8, "♃"}, {{225, 205, 140, 255}, 3.5, "♄"},
    {{150, 225, 230, 255}, 3.0, "⛢"}, {{110, 150, 255, 255}, 3.0, "♆"}, {{180, 160, 140, 255}, 2.6, "♇"},
    {{245, 243, 225, 255}, 7.0, ""},
};

double FoldDegrees(double a) {
  a = std::fmod(a, 360.0);
  if (a < 0.0) a += 360.0;
  return a >= 360.0 ? 0.0 : a;
}

// A unit vector of altitude and azimuth (degrees): north, east, up.
void HorizonVector(double altitude, double azimuth, double v[3]) {
  const double h = altitude * kExactDegToRad, a = azimuth * kExactDegToRad;
  v[0] = std::cos(h) * std::cos(a);
  v[1] = std::cos(h) * std::sin(a);
  v[2] = std::sin(h);
}

void AltAzOf(const double v[3], double& altitude, double& azimuth) {
  altitude = std::atan2(v[2], std::hypot(v[0], v[1])) * kExactRadToDeg;
  azimuth = FoldDegrees(std::atan2(v[1], v[0]) * kExactRadToDeg);
}


// Builds the chart's list: holds the projection and clips lines to the rim.
class ChartBuilder {
 public:
  ChartBuilder(SkyChart& chart, double unit) : chart_(chart), list_(chart.list), unit_(unit) {}

  // Draws the great-circle path of points (altitude, azimuth pairs) inside the rim.
  void Path(const std::vector<double>& altAz, Rgba colour, double width, bool closed) {
    std::vector<double> run;
    const std::size_t n = altAz.size() / 2;
    if (n < 2) return;
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
      const std::size_t j = (i + 1) % n;
      double x0, y0, x1, y1;
      if (!Segment(altAz[2 * i], altAz[2 * i + 1], altAz[2 * j], altAz[2 * j + 1], x0, y0, x1, y1)) {
        Flush(run, colour, width);
        continue;
      }
      if (run.empty() || std::hypot(run[run.size() - 2] - x0, run.back() - y0) > 1e-6) {
        Flush(run, colour, width);
        run = {x0, y0};
      }
      run.push_back(x1);
      run.push_back(y1);
    }
    Flush(run, colour, width);
  }

  int AddObject(DisplayObject::Kind kind, std::string name, double magnitude, double altitude, double azimuth,
                int listId, int listIndex, bool chosen) {
    DisplayObject o;
    o.kind = kind;
    o.name = std::move(name);
    o.magnitude = magnitude;
    o.altitude = altitude;
    o.azimuth = azimuth;
    chart_.projection.Project(altitude, azimuth, o.x, o.y);
    o.listId = listId;
    o.listIndex = listIndex;
    o.chosen = chosen;
    list_.objects.push_back(std::move(o));
    return static_cast<int>(list_.objects.size()) - 1;
  }

  void Tag(std::size_t firstItem, int object) {
    for (std::size_t i = firstItem; i < list_.items.size(); ++i) list_.items[i].object = object;
  }

 private:
  // The part of the segment between two sky points inside the rim, as box
  // points; false when none is. Stereographic projection turns the horizon
  // into the rim circle, so clipping the projected segment against it is
  // exact at the ends and keeps the short segments used here within a
  // fraction of a unit of the true curve.
  bool Segment(double alt0, double az0, double alt1, double az1, double& x0, double& y0, double& x1, double& y1) {
    if (alt0 < 0.0 && alt1 < 0.0) return false;
    if (alt0 < -60.0 || alt1 < -60.0) return false;
    const ChartProjection& p = chart_.projection;
    p.Project(alt0, az0, x0, y0);
    p.Project(alt1, az1, x1, y1);
    const double dx = x1 - x0, dy = y1 - y0;
    const double fx = x0 - p.centreX, fy = y0 - p.centreY;
    const double a = dx * dx + dy * dy, b = 2.0 * (fx * dx + fy * dy), c = fx * fx + fy * fy - p.radius * p.radius;
    if (a <= 0.0) return alt0 >= 0.0;
    const double disc = b * b - 4.0 * a * c;
    if (disc < 0.0) return false;
    const double s = std::sqrt(disc);
    const double t0 = std::max(0.0, (-b - s) / (2.0 * a)), t1 = std::min(1.0, (-b + s) / (2.0 * a));
    if (t0 >= t1) return false;
    const double ox = x0, oy = y0;
    x0 = ox + t0 * dx;
    y0 = oy + t0 * dy;
    x1 = ox + t1 * dx;
    y1 = oy + t1 * dy;
    return true;
  }

  void Flush(std::vector<double>& run, Rgba colour, double width) {
    if (run.size() >= 4) list_.Polyline(run, colour, width * unit_);
    run.clear();
  }

  SkyChart& chart_;
  DisplayList& list_;
  double unit_;
};

struct BodyOnChart {
  bool shown = false;
  double altitude = kNaN, azimuth = kNaN;  // degrees
  double magnitude = kNaN;
  double phaseAngle = kNaN;  // radians, as the 出没時刻 box's この時刻 gives it
};

// A model's horizontal place (radians, azimuth from the south through the
// west, origin 0) as altitude and azimuth from the north through the east,
// degrees by the readouts' own factor.
BodyOnChart FromModel(const Place& place) {
  BodyOnChart b;
  b.altitude = place.horizontal[1] * kRadToDeg;
  b.azimuth = FoldDegrees(place.horizontal[0] * kRadToDeg + 180.0);
  b.shown = std::isfinite(b.altitude) && std::isfinite(b.azimuth);
  return b;
}

// The Moon's lit part as a closed outline: the limb's half towards the Sun
// and the terminator, a half ellipse. phaseAngle: Sun-Moon-Earth angle
// (radians); (ux, uy) unit box direction of the bright limb.
std::vector<double> LitOutline(double x, double y, double r, double phaseAngle, double ux, double uy) {
  constexpr int kSteps = 24;
  std::vector<double> points;
  const double k = -std::cos(phaseAngle);  // the terminator's extent towards the bright side
  for (int i = 0; i <= kSteps; ++i) {      // the limb
    const double t = -kExactPi / 2 + kExactPi * i / kSteps;
    const double a = r * std::cos(t), b = r * std::sin(t);
    points.push_back(x + a * ux - b * uy);
    points.push_back(y + a * uy + b * ux);
  }
  for (int i = kSteps - 1; i > 0; --i) {  // the terminator, back
    const double t = -kExactPi / 2 + kExactPi * i / kSteps;
    const double a = k * r * std::cos(t), b = r * std::sin(t);
    points.push_back(x + a * ux - b * uy);
    points.push_back(y + a * uy + b * ux);
  }
  return points;
}

}  // namespace

double ChartProjection::TopAzimuth() const { return FoldDegrees(facing + 180.0); }

void ChartProjection::Project(double altitude, double azimuth, double& x, double& y) const {
  const double rho = radius * std::tan((90.0 - altitude) * kExactDegToRad / 2.0);
  const double turn = (azimuth - facing) * kExactDegToRad;
  x = centreX + rho * std::sin(turn);
  y = centreY + rho * std::cos(turn);
}

SkyShade ShadeOfSky(double sunAltitude) {
  if (sunAltitude > -50.0 / 60.0) return SkyShade::kDay;
  if (sunAltitude > -6.0) return SkyShade::kCivil;
  if (sunAltitude > -12.0) return SkyShade::kNautical;
  if (sunAltitude > -18.0) return SkyShade::kAstronomical;
  return SkyShade::kNight;
}

StoredFields ShiftedFields(const StoredFields& fields, int minutes) {
  if (minutes == 0) return fields;
  const long total = fields.hour * 60L + fields.minute + minutes;
  const long days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
  const long rest = total - days * 1440;
  StoredFields shifted = fields;
  const CalendarDate date = DateOfJd(CalendarToJD(fields.year, fields.month, fields.day) + static_cast<double>(days));
  shifted.year = date.year;
  shifted.month = static_cast<std::uint8_t>(date.month);
  shifted.day = static_cast<std::uint8_t>(date.day);
  shifted.hour = static_cast<std::uint8_t>(rest / 60);
  shifted.minute = static_cast<std::uint8_t>(rest % 60);
  return shifted;
}

SkyChart MakeSkyChart(const Observation& observation, const ChartData& data, const ChartView& view, double size) {
  SkyChart chart;
  chart.shown = ShiftedFields(observation.fields, view.offsetMinutes);
  const StoredFields& f = chart.shown;
  const sky::Instant instant = InstantOf(f);
  const sky::Site site = SiteOf(f);
  const sky::SkyModel& model = *observation.model;
  const double unit = size / 800.0;  // one unit of an 800-wide chart
  DisplayList& list = chart.list;
  list.width = list.height = size;
  list.background = kOutside;
  ChartProjection& p = chart.projection;
  p.centreX = p.centreY = size / 2.0;
  p.radius = size / 2.0 - 48.0 * unit;
  p.facing = FoldDegrees(view.facing);
  ChartBuilder builder(chart, unit);

  // Bodies first: the Sun's altitude shades the sky.
  BodyOnChart bodies[kBodyCount];
  for (int i = 0; i < kBodyCount; ++i) {
    const sky::Target target = sky::Target::OfBody(static_cast<Body>(i));
    sky::BodyVectors vectors;
    const Place place = model.PlaceOf(target, instant, site, 0.0, vectors);
    bodies[i] = FromModel(place);
    const details::BodyDetails figures = ReadBodyDetails(model, target, instant, place, vectors).figures;
    bodies[i].magnitude = figures.magnitude;
    bodies[i].phaseAngle = figures.phaseAngle;
  }
  chart.sunAltitude = bodies[0].altitude;
  const SkyShade shade = bodies[0].shown ? ShadeOfSky(chart.sunAltitude) : SkyShade::kNight;
  list.Circle(p.centreX, p.centreY, p.radius, kSkyColours[static_cast<int>(shade)]);

  const precise::StarField field(instant.jd, precise::Observer{site.longitude * kExactDegToRad,
                                                               site.latitude * kExactDegToRad});
  // The equator and the ecliptic of date, a point every 2 degrees.
  auto circle = [&](double tilt, Rgba colour) {
    std::vector<double> altAz;
    for (int i = 0; i < 180; ++i) {
      const double l = i * 2.0 * kExactDegToRad;
      const double x = std::cos(l), y = std::sin(l) * std::cos(tilt), z = std::sin(l) * std::sin(tilt);
      const precise::Horizontal h = field.OfDate(std::atan2(y, x), std::asin(z));
      altAz.push_back(h.altitude);
      altAz.push_back(h.azimuth);
    }
    builder.Path(altAz, colour, 1.2, true);
  };
  if (view.equator) circle(0.0, kEquator);
  if (view.ecliptic) circle(field.Obliquity(), kEcliptic);

  for (const ChartFigureLine& line : data.lines) {
    std::vector<double> altAz;
    for (std::size_t i = 0; i + 1 < line.points.size(); i += 2) {
      const bool moves = line.motions.size() == line.points.size();
      const precise::Horizontal h = field.OfCatalog(line.points[i], line.points[i + 1], moves ? line.motions[i] : 0.0,
                                                    moves ? line.motions[i + 1] : 0.0);
      altAz.push_back(h.altitude);
      altAz.push_back(h.azimuth);
    }
    builder.Path(altAz, kFigure, 1.0, false);
  }

  const bool chosenIsCatalog = observation.target.kind == sky::Target::Kind::kCatalog;
  auto isChosenRow = [&](const CatalogEntry& e) {
    return chosenIsCatalog && e.ra == observation.target.ra2000 && e.dec == observation.target.dec2000;
  };
  // Names keep clear of each other and of the rim: the constellations' first, then the stars', then the bodies'.
  LabelPlacer labels(p.centreX, p.centreY, p.radius);
  for (std::size_t row = 0; row < kConstellationCount; ++row) {
    const CatalogEntry& e = ConstellationCatalog[row];
    const precise::Horizontal h = field.OfCatalog(e.ra, e.dec);
    if (h.altitude < 0.0) continue;
    const bool chosen = isChosenRow(e);
    const int object = builder.AddObject(DisplayObject::Kind::kConstellation, ConstellationNames[row], kNaN,
                                         h.altitude, h.azimuth, IDC_CONSTLIST, static_cast<int>(row), chosen);
    const std::size_t first = list.items.size();
    const DisplayObject& o = list.objects[object];
    list.Text(o.x, o.y, ConstellationNames[row], 13.0 * unit, chosen ? kChosenRing : kConstellationName,
              DisplayItem::Anchor::kMiddle);
    labels.Occupy(o.x, o.y, ConstellationNames[row], 13.0 * unit);
    builder.Tag(first, object);
  }

  // Named stars: the chart star each catalogue row stands on.
  std::vector<int> rowOfStar(data.stars.size(), -1);
  bool rowFound[kStarCount] = {};
  for (std::size_t row = 0; row < kStarCount; ++row) {
    const CatalogEntry& e = StarCatalog[row];
    double best = kNamedStarMatch;
    int nearest = -1;
    for (std::size_t i = 0; i < data.stars.size(); ++i) {
      const ChartStar& s = data.stars[i];
      if (std::fabs(s.dec - e.dec) > best) continue;
      const double d = std::hypot((s.ra - e.ra) * std::cos(e.dec * kExactDegToRad), s.dec - e.dec);
      if (d < best) {
        best = d;
        nearest = static_cast<int>(i);
      }
    }
    if (nearest >= 0) rowOfStar[nearest] = static_cast<int>(row);
    rowFound[row] = nearest >= 0;
  }
  auto drawStar = [&](const ChartStar& star, double magnitude, int row, std::string name) {
    const precise::Horizontal h = field.OfCatalog(star.ra, star.dec, star.properMotionRa, star.properMotionDec);
    if (h.altitude < 0.0) return;
    const bool chosen = row >= 0 && isChosenRow(StarCatalog[row]);
    const int object = builder.AddObject(DisplayObject::Kind::kStar, row >= 0 ? StarNames[row] : std::move(name),
                                         magnitude, h.altitude, h.azimuth, row >= 0 ? IDC_STARLIST : 0, row, chosen);
    const DisplayObject& o = list.objects[object];
    const std::size_t first = list.items.size();
    const double m = std::isnan(magnitude) ? 1.0 : magnitude;
    const double r = std::clamp(0.7 + 0.55 * (kMagnitudeLimit - m), 0.7, 4.6) * unit;
    list.Circle(o.x, o.y, r, TintOf(star.colourIndex));
    if (row >= 0) {
      labels.Place(list, o.x, o.y, r, 3.0 * unit, StarNames[row], 11.0 * unit, chosen ? kChosenRing : kStarName);
      if (chosen) list.Circle(o.x, o.y, r + 5.0 * unit, {0, 0, 0, 0}, kChosenRing, 1.5 * unit);
    }
    builder.Tag(first, object);
  };
  for (std::size_t i = 0; i < data.stars.size(); ++i) {
    const ChartStar& s = data.stars[i];
    if (s.magnitude > kMagnitudeLimit) continue;
    drawStar(s, s.magnitude, rowOfStar[i], "HIP " + std::to_string(s.hip));
  }
  for (std::size_t row = 0; row < kStarCount; ++row) {  // a named star the star file lacks
    ChartStar star;
    star.ra = StarCatalog[row].ra;
    star.dec = StarCatalog[row].dec;
    if (!rowFound[row]) drawStar(star, kNaN, static_cast<int>(row), "");
  }

  // The planets, then the Sun and the Moon over them.
  static const int kOrder[kBodyCount] = {8, 7, 6, 5, 4, 3, 2, 1, 0, 9};
  for (int i : kOrder) {
    const BodyOnChart& b = bodies[i];
    if (!b.shown || b.altitude < 0.0) continue;
    const bool chosen = !chosenIsCatalog && observation.target.body == static_cast<Body>(i);
    const int object = builder.AddObject(DisplayObject::Kind::kBody, PlanetNames[i], b.magnitude, b.altitude,
                                         b.azimuth, IDC_PLANETLIST, i, chosen);
    const DisplayObject& o = list.objects[object];
    const std::size_t first = list.items.size();
    const BodyMark& mark = kBodyMarks[i];
    const double r = mark.radius * unit;
    if (static_cast<Body>(i) == Body::kMoon) {
      list.Circle(o.x, o.y, r, kMoonDark);
      double moon[3], sun[3];
      HorizonVector(b.altitude, b.azimuth, moon);
      HorizonVector(bodies[0].altitude, bodies[0].azimuth, sun);
      const double cosElongation = moon[0] * sun[0] + moon[1] * sun[1] + moon[2] * sun[2];
      // A point a degree from the Moon towards the Sun gives the bright limb's direction on the chart.
      double towards[3];
      for (int k = 0; k < 3; ++k) towards[k] = sun[k] - cosElongation * moon[k];
      const double norm = std::sqrt(towards[0] * towards[0] + towards[1] * towards[1] + towards[2] * towards[2]);
      if (bodies[0].shown && norm > 1e-9) {
        double step[3], alt = 0.0, az = 0.0, sx = 0.0, sy = 0.0;
        for (int k = 0; k < 3; ++k) step[k] = moon[k] + 0.0175 * towards[k] / norm;
        AltAzOf(step, alt, az);
        p.Project(alt, az, sx, sy);
        const double ux = sx - o.x, uy = sy - o.y, u = std::hypot(ux, uy);
        // The model's phase angle; near the supplement of the elongation where it has none.
        const double phase = std::isfinite(b.phaseAngle) ? b.phaseAngle
                                                         : kExactPi - std::acos(std::clamp(cosElongation, -1.0, 1.0));
        if (u > 0.0) list.Polyline(LitOutline(o.x, o.y, r, phase, ux / u, uy / u), {0, 0, 0, 0}, 0.0, true, kMoonLit);
      }
      list.Circle(o.x, o.y, r, {0, 0, 0, 0}, {150, 150, 150, 255}, 0.6 * unit);
    } else {
      list.Circle(o.x, o.y, r, mark.colour, {40, 40, 40, 200}, 0.5 * unit);
    }
    labels.Place(list, o.x, o.y, r, 3.0 * unit, std::string(mark.symbol) + PlanetNames[i], 13.0 * unit,
                 chosen ? kChosenRing : mark.colour);
    if (chosen) list.Circle(o.x, o.y, r + 5.0 * unit, {0, 0, 0, 0}, kChosenRing, 1.5 * unit);
    builder.Tag(first, object);
  }

  // The rim, the four points and the caption.
  list.Circle(p.centreX, p.centreY, p.radius, {0, 0, 0, 0}, kRim, 1.5 * unit);
  static const char* const kPoints[4] = {"北", "東", "南", "西"};
  for (int k = 0; k < 4; ++k) {
    double x = 0.0, y = 0.0;
    ChartProjection outer = p;
    outer.radius = p.radius + 22.0 * unit;
    outer.Project(0.0, 90.0 * k, x, y);
    list.Text(x, y, kPoints[k], 24.0 * unit, kRim, DisplayItem::Anchor::kMiddle);
  }
  chart.title = FormatText("%d年%d月%d日 %d時%02d分", static_cast<int>(f.year), f.month, f.day, f.hour, f.minute) +
                (model.IsPrecise() ? kPreciseModelCaption : "");
  list.Text(8.0 * unit, 14.0 * unit, chart.title, 14.0 * unit, kCaption);
  // Outside the model's years the bodies are missing: the chart says why.
  if (!bodies[0].shown) list.Text(8.0 * unit, size - 14.0 * unit, kPreciseYearsMessage, 14.0 * unit, kCaption);
  list.Text(size - 8.0 * unit, 14.0 * unit, EventsSiteLine(Observation{&model, observation.target, "", f}),
            12.0 * unit, kCaption, DisplayItem::Anchor::kEnd);
  return chart;
}

int ChosenObjectAt(const DisplayList& list, double x, double y, double tolerance) {
  int best = -1;
  double bestDistance = tolerance;
  for (std::size_t i = 0; i < list.objects.size(); ++i) {
    const DisplayObject& o = list.objects[i];
    if (o.listId == 0) continue;
    const double d = std::hypot(o.x - x, o.y - y);
    if (d <= bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

std::string ChartJson(const SkyChart& chart) {
  const ChartProjection& p = chart.projection;
  const StoredFields& f = chart.shown;
  std::string out = FormatText(
      "{\n\"width\": %.2f, \"height\": %.2f,\n\"projection\": {\"kind\": \"stereographic\", \"centre\": [%.2f, %.2f], "
      "\"radius\": %.2f, \"topAzimuth\": %.2f},\n\"date\": \"%04d-%02d-%02d\", \"time\": \"%02d:%02d\", ",
      chart.list.width, chart.list.height, p.centreX, p.centreY, p.radius, p.TopAzimuth(), static_cast<int>(f.year),
      f.month, f.day, f.hour, f.minute);
  out += std::isnan(chart.sunAltitude) ? std::string("\"sunAltitude\": null,\n")
                                       : FormatText("\"sunAltitude\": %.4f,\n", chart.sunAltitude);
  out += "\"objects\": [";
  for (std::size_t i = 0; i < chart.list.objects.size(); ++i) {
    const DisplayObject& o = chart.list.objects[i];
    std::string name;
    for (char c : o.name) {
      if (c == '"' || c == '\\') name += '\\';
      name += c;
    }
    out += i == 0 ? "\n" : ",\n";
    out += FormatText("{\"kind\": \"%s\", \"name\": \"%s\", \"magnitude\": ", DisplayKindName(o.kind), name.c_str());
    out += std::isnan(o.magnitude) ? std::string("null") : FormatText("%.2f", o.magnitude);
    out += FormatText(", \"altitude\": %.4f, \"azimuth\": %.4f, \"x\": %.2f, \"y\": %.2f, \"chosen\": %s}", o.altitude,
                      o.azimuth, o.x, o.y, o.chosen ? "true" : "false");
  }
  out += "\n]\n}\n";
  return out;
}

}  // namespace skycalc
