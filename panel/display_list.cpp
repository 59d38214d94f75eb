#include "panel/display_list.h"

#include <cmath>
#include <cstdio>
#include <string>
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

// value as printf's "%.2f" writes it. The whole sky has some 40,000 numbers,
// and printf is slow where the page runs this (WebAssembly), so hundredths
// are rounded in integers; a value whose hundredths lie within 1e-6 of a
// half, where the product's rounding could decide, goes to printf.
void AppendNumber(std::string& out, double value) {
  const double hundredths = value * 100.0;
  const double whole = std::floor(hundredths);
  if (!(std::fabs(hundredths) < 1e9) || std::fabs(hundredths - whole - 0.5) < 1e-6) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    out += buffer;
    return;
  }
  long long n = std::llround(hundredths);
  if (n < 0 || (n == 0 && std::signbit(value))) {
    out += '-';
    n = -n;
  }
  const std::string digits = std::to_string(n / 100);
  out += digits;
  out += '.';
  out += static_cast<char>('0' + n % 100 / 10);
  out += static_cast<char>('0' + n % 10);
}

void AppendJsonText(std::string& out, const std::string& text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
}

// A colour as a CSS "rgba(r,g,b,a)" string; a list has a few dozen colours,
// each formatted once.
void AppendColour(std::string& out, const Rgba& c, std::vector<std::pair<Rgba, std::string>>& known) {
  for (const auto& [colour, text] : known) {
    if (colour == c) {
      out += text;
      return;
    }
  }
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "\"rgba(%d,%d,%d,%.3f)\"", c.r, c.g, c.b, c.a / 255.0);
  known.emplace_back(c, buffer);
  out += buffer;
}

}  // namespace

std::string DisplayListJson(const DisplayList& list) {
  static const char* const kShapes[] = {"circle", "polyline", "text"};
  static const char* const kAnchors[] = {"start", "middle", "end"};
  std::vector<std::pair<Rgba, std::string>> colours;
  std::string out = "{\"width\":";
  out.reserve(64 * list.items.size() + 64 * list.objects.size());
  AppendNumber(out, list.width);
  out += ",\"height\":";
  AppendNumber(out, list.height);
  out += ",\"background\":";
  if (list.background.a == 0) {
    out += "\"\"";
  } else {
    AppendColour(out, list.background, colours);
  }
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
    out += ']';
    if (item.shape == DisplayItem::Shape::kCircle) {
      out += ",\"radius\":";
      AppendNumber(out, item.radius);
    }
    if (item.closed) out += ",\"closed\":true";
    if (item.stroke.a != 0) {
      out += ",\"stroke\":";
      AppendColour(out, item.stroke, colours);
      out += ",\"strokeWidth\":";
      AppendNumber(out, item.strokeWidth);
      if (!item.dash.empty()) {
        out += ",\"dash\":[";
        for (std::size_t k = 0; k < item.dash.size(); ++k) {
          if (k) out += ',';
          AppendNumber(out, item.dash[k]);
        }
        out += ']';
      }
    }
    if (item.fill.a != 0) {
      out += ",\"fill\":";
      AppendColour(out, item.fill, colours);
    }
    if (item.shape == DisplayItem::Shape::kText) {
      out += ",\"text\":";
      AppendJsonText(out, item.text);
      out += ",\"fontSize\":";
      AppendNumber(out, item.fontSize);
      out += ",\"anchor\":\"";
      out += kAnchors[static_cast<int>(item.anchor)];
      out += '"';
    }
    out += '}';
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
