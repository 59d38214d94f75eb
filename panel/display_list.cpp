#include "panel/display_list.h"

#include <utility>

namespace skycalc {

DisplayItem& DisplayList::Circle(double x, double y, double radius, Rgba fill, Rgba stroke, double strokeWidth) {
  DisplayItem item;
  item.shape = DisplayItem::Shape::kCircle;
  item.points = {x, y};
  item.radius = radius;
  item.fill = fill;
  item.stroke = stroke;
  item.strokeWidth = strokeWidth;
  items.push_back(std::move(item));
  return items.back();
}

DisplayItem& DisplayList::Polyline(std::vector<double> points, Rgba stroke, double strokeWidth, bool closed,
                                   Rgba fill) {
  DisplayItem item;
  item.shape = DisplayItem::Shape::kPolyline;
  item.points = std::move(points);
  item.stroke = stroke;
  item.strokeWidth = strokeWidth;
  item.closed = closed;
  item.fill = fill;
  items.push_back(std::move(item));
  return items.back();
}

DisplayItem& DisplayList::Text(double x, double y, std::string text, double fontSize, Rgba colour,
                               DisplayItem::Anchor anchor) {
  DisplayItem item;
  item.shape = DisplayItem::Shape::kText;
  item.points = {x, y};
  item.text = std::move(text);
  item.fontSize = fontSize;
  item.fill = colour;
  item.anchor = anchor;
  items.push_back(std::move(item));
  return items.back();
}

const char* DisplayKindName(DisplayObject::Kind kind) {
  switch (kind) {
    case DisplayObject::Kind::kBody: return "body";
    case DisplayObject::Kind::kStar: return "star";
    case DisplayObject::Kind::kConstellation: return "constellation";
  }
  return "star";
}

}  // namespace skycalc
