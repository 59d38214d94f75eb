#pragma once

#include <string>

#include "catalog/chart_data.h"
#include "panel/display_list.h"
#include "panel/sky_calc_dlg.h"

// The 星図: the sky above the horizon at the calculator's site and instant
// as a display list, drawn as a planisphere draws it (looking up, zenith at
// the centre, the horizon on the rim, stereographic projection).
namespace skycalc {

// How the chart is looked at; a change of view changes nothing in the calculator.
struct ChartView {
  double facing = 180.0;   // azimuth (degrees from the north through the east) at the bottom of the chart
  bool ecliptic = true;    // draw the ecliptic
  bool equator = false;    // draw the celestial equator
  int offsetMinutes = 0;   // the chart's instant after the stored date and time (may be negative)
};

// The projection of a chart: a point at zenith distance z and azimuth A
// (north through east) stands radius * tan(z / 2) from the centre, in the
// direction A - facing turned from straight down towards the right, so that
// the facing direction is at the bottom and, with the south down, the east
// is on the left as in a sky seen from below.
struct ChartProjection {
  double centreX = 0.0, centreY = 0.0, radius = 0.0;  // box units
  double facing = 180.0;                              // azimuth at the bottom, degrees
  double TopAzimuth() const;                          // azimuth at the top, [0, 360)
  // The box point of altitude and azimuth (degrees); finite above -89.9 degrees.
  void Project(double altitude, double azimuth, double& x, double& y) const;
};

// The sky's shade by the Sun's geometric altitude (degrees): day above
// -0°50′ (the Sun's upper limb on the horizon, its semidiameter and the
// horizontal refraction), then civil twilight to -6°, nautical to -12°,
// astronomical to -18°, night below.
// Reference: 国立天文台 暦計算室, こよみ用語解説 (日の出入り: the upper limb on the
// horizon, refraction 35′8″; 薄明: the Sun's centre 6°, 12° and 18° below).
enum class SkyShade { kDay, kCivil, kNautical, kAstronomical, kNight };
SkyShade ShadeOfSky(double sunAltitude);

struct SkyChart {
  DisplayList list;
  ChartProjection projection;
  StoredFields shown;           // the local date and time drawn (the stored ones moved by the offset)
  double sunAltitude = 0.0;     // degrees; NaN where the model has no place for the Sun
  std::string title;            // the date, time and model line drawn at the top left
};

// The chart of observation's site at its stored instant moved by
// view.offsetMinutes, in its model, size x size box units. Stars brighter
// than 5.5 from data (those above the horizon), the constellation figures
// and names, the 21 named stars, the Sun, the Moon (its phase, the bright
// limb towards the Sun) and the planets with their list names and
// magnitudes (those of the 出没時刻 box's この時刻); observation's
// target is marked. Objects: every body, star and constellation name drawn,
// with the list position that chooses it (planets, named stars and
// constellations).
SkyChart MakeSkyChart(const Observation& observation, const ChartData& data, const ChartView& view, double size);

// The object of list nearest to (x, y) within tolerance (box units) among
// those a selection list offers; -1 for none.
int ChosenObjectAt(const DisplayList& list, double x, double y, double tolerance);

// The chart as JSON: its box, projection (centre, radius, azimuth at the
// top), date and time, the Sun's altitude, and one entry per object (kind,
// name, magnitude or null, altitude and azimuth in degrees, x, y, whether it
// is the calculator's choice).
std::string ChartJson(const SkyChart& chart);

// The local date and time (zone of fields) minutes after the stored ones,
// by the calendar of the calculator's Julian Days (Julian before 1582-10-15).
StoredFields ShiftedFields(const StoredFields& fields, int minutes);

}  // namespace skycalc
