#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "panel/display_list.h"
#include "panel/eclipse_list.h"

// The 日食・月食 box as the window and the page show it: its title and site
// line, the list's rows, and per row the lines of detail and the drawing at
// the eclipse's maximum, so that each front end only places and renders them.
namespace skycalc {

struct Observation;

// The drawing's box, in its own units (the picture is square).
inline constexpr double kEclipseDrawingSize = 80.0;

// The eclipse at its maximum seen from the site, the zenith up, in a
// kEclipseDrawingSize square: the sky (dark for a lunar eclipse, blue by day),
// then the Moon's disc over the Sun's, or the Moon lit, darkened where the
// penumbra and the umbra cover it, and both edges of the shadow dotted (so
// that a Moon in the penumbra alone is seen inside one). The scale fits the
// Moon and what it covers (the Sun, or the umbra as far as the Moon reaches)
// with a margin. e null, or a solar eclipse not seen there: the sky alone (a
// day's sky for null).
DisplayList DrawEclipse(const eclipse::Eclipse* e);

// The points (x0, y0, x1, y1, ...) of a closed outline of the common part of
// two discs, centres (x, y) and radii > 0, steps points to a whole turn of an
// edge (>= 8); empty where they do not overlap.
std::vector<double> DiscOverlap(double x1, double y1, double r1, double x2, double y2, double r2, int steps);

struct EclipseRow {
  std::string summary;  // the list's line (EclipseSummary); "" for no row
  std::string details;  // EclipseDetails, or kNoEclipseSeenText for no row
  DisplayList picture;  // DrawEclipse
};

struct EclipseBox {
  std::string title;  // "2022年の日食・月食　方位は南から西回り"
  std::string site;   // the site and zone line
  std::vector<EclipseRow> rows;
  int first = -1;     // the row selected on opening: the first eclipse seen, -1 for none
  EclipseRow none;    // what is shown with no row selected
  const char* refusal = nullptr;  // kEclipseYearsMessage for a year outside 1000-2999 (no rows then)
};

// The box of list (ListEclipses of year at the site) with the site's line;
// azimuthOriginDeg as EclipseListRequest, zoneMinutes the stored zone.
EclipseBox MakeEclipseBox(const EclipseListResult& list, std::int32_t year, double azimuthOriginDeg,
                          const std::string& site, int zoneMinutes);
// The same for observation's stored year, site, azimuth origin and zone.
EclipseBox StoredYearEclipseBox(const Observation& observation);
// The row selected: rows[row], or none for a row outside the list (-1).
const EclipseRow& EclipseBoxRow(const EclipseBox& box, int row);
// The box as JSON for the page: {"title", "site", "first", "rows": [{"summary",
// "details", "picture": DisplayListJson}], "none": {the same}}.
std::string EclipseBoxJson(const EclipseBox& box);

}  // namespace skycalc
