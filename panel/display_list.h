#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// A picture as a list of simple shapes, made by the panel and drawn by each
// front end (the window's painter, an SVG file, the page's canvas), so that
// every front end shows the same picture. Coordinates are box units: x to
// the right, y down, (0, 0) the top-left corner of a width x height box; a
// renderer scales them to its pixels.
namespace skycalc {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};
inline bool operator==(const Rgba& x, const Rgba& y) { return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a; }

// What a shape shows, for a tooltip, a click or a listing. Angles in degrees.
struct DisplayObject {
  enum class Kind { kBody, kStar, kConstellation };
  Kind kind = Kind::kStar;
  std::string name;  // as the selection lists write it, or the catalogue number
  double magnitude = std::numeric_limits<double>::quiet_NaN();  // NaN where none is known
  double altitude = 0.0;
  double azimuth = 0.0;  // from the north through the east, [0, 360)
  double x = 0.0, y = 0.0;  // its place in the box
  int listId = 0;     // the selection list that offers it (a control ID), 0 for none
  int listIndex = -1; // its position in that list
  bool chosen = false;  // the calculator's current choice
};

struct DisplayItem {
  enum class Shape { kCircle, kPolyline, kText };
  enum class Anchor { kStart, kMiddle, kEnd };  // of a text, horizontally; y is the baseline's middle
  Shape shape = Shape::kCircle;
  std::vector<double> points;  // circle: the centre; polyline: x0, y0, x1, y1, ...; text: its anchor point
  double radius = 0.0;         // circle
  bool closed = false;         // polyline: joins the last point to the first (a filled outline)
  Rgba stroke{0, 0, 0, 0};     // alpha 0: no outline
  double strokeWidth = 0.0;
  std::vector<double> dash;    // the outline's dashes and gaps in turn, box units; empty: solid
  Rgba fill{0, 0, 0, 0};       // alpha 0: no fill; a text's colour
  std::string text;            // UTF-8
  double fontSize = 0.0;       // text height, box units
  Anchor anchor = Anchor::kStart;
  int object = -1;             // index into DisplayList::objects, -1 for none
};

struct DisplayList {
  double width = 0.0;
  double height = 0.0;
  Rgba background{0, 0, 0, 0};  // alpha 0: transparent
  std::vector<DisplayItem> items;  // drawn in order
  std::vector<DisplayObject> objects;

  // Appenders; each returns the item added so that a caller can tag it.
  DisplayItem& Circle(double x, double y, double radius, Rgba fill, Rgba stroke = {0, 0, 0, 0},
                      double strokeWidth = 0.0);
  DisplayItem& Polyline(std::vector<double> points, Rgba stroke, double strokeWidth, bool closed = false,
                        Rgba fill = {0, 0, 0, 0});
  DisplayItem& Text(double x, double y, std::string text, double fontSize, Rgba colour,
                    DisplayItem::Anchor anchor = DisplayItem::Anchor::kStart);
};

// The list as JSON for a renderer in another language (the page's canvas):
// {"width", "height", "background", "items": [{"shape": "circle"|"polyline"|
// "text", "points", "radius" (circles), "closed": true (closed polylines),
// "stroke" and "strokeWidth" (with an outline), "dash" (a dashed one), "fill" (filled, or a text's
// colour), "text", "fontSize", "anchor": "start"|"middle"|"end" (texts)}],
// "objects": [{"kind", "name", "x", "y", "listId", "listIndex", "chosen"}]};
// an item leaves out what its shape does not use, numbers as "%.2f" writes
// them, colours as CSS "rgba(r,g,b,a)" strings (the background "" for none).
std::string DisplayListJson(const DisplayList& list);

// The "body", "star" and "constellation" of a kind, for listings.
const char* DisplayKindName(DisplayObject::Kind kind);

}  // namespace skycalc
