#include "panel/display_list.h"

#include <cstdio>
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

namespace {

void AppendNumber(std::string& out, double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  out += buffer;
}

void AppendJsonText(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
}

void AppendColour(std::string& out, const Rgba& c) {
  if (c.a == 0) {
    out += "\"\"";
    return;
  }
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "\"rgba(%d,%d,%d,%.3f)\"", c.r, c.g, c.b, c.a / 255.0);
  out += buffer;
}

}  // namespace

std::string DisplayListJson(const DisplayList& list) {
  static const char* const kShapes[] = {"circle", "polyline", "text"};
  static const char* const kAnchors[] = {"start", "middle", "end"};
  std::string out = "{\"width\":";
  AppendNumber(out, list.width);
  out += ",\"height\":";
  AppendNumber(out, list.height);
  out += ",\"background\":";
  AppendColour(out, list.background);
  out += ",\"items\":[";
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    const DisplayItem& item = list.items[i];
    out += i ? ",{\"shape\":\"" : "{\"shape\":\"";
    out += kShapes[static_cast<int>(item.shape)];
    out += "\",\"points\":[";
    for (std::size_t k = 0; k < item.points.size(); ++k) {
      if (k) out += ',';
      AppendNumber(out, item.points[k]);
    }
    out += "],\"radius\":";
    AppendNumber(out, item.radius);
    out += item.closed ? ",\"closed\":true,\"stroke\":" : ",\"closed\":false,\"stroke\":";
    AppendColour(out, item.stroke);
    out += ",\"strokeWidth\":";
    AppendNumber(out, item.strokeWidth);
    out += ",\"fill\":";
    AppendColour(out, item.fill);
    out += ",\"text\":";
    AppendJsonText(out, item.text);
    out += ",\"fontSize\":";
    AppendNumber(out, item.fontSize);
    out += ",\"anchor\":\"";
    out += kAnchors[static_cast<int>(item.anchor)];
    out += "\"}";
  }
  out += "],\"objects\":[";
  for (std::size_t i = 0; i < list.objects.size(); ++i) {
    const DisplayObject& o = list.objects[i];
    out += i ? ",{\"kind\":\"" : "{\"kind\":\"";
    out += DisplayKindName(o.kind);
    out += "\",\"name\":";
    AppendJsonText(out, o.name);
    out += ",\"x\":";
    AppendNumber(out, o.x);
    out += ",\"y\":";
    AppendNumber(out, o.y);
    out += ",\"listId\":" + std::to_string(o.listId) + ",\"listIndex\":" + std::to_string(o.listIndex);
    out += o.chosen ? ",\"chosen\":true}" : ",\"chosen\":false}";
  }
  out += "]}";
  return out;
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
