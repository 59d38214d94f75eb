#include "panel/svg_writer.h"

#include <cmath>
#include <cstdio>

namespace skycalc {
namespace {

// Numbers in the C locale's form at a precision finer than any screen.
void AppendNumber(std::string& out, double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text(buffer);
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  out += text == "-0" ? "0" : text;
}

void AppendEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

void AppendColour(std::string& out, const char* attribute, const Rgba& c) {
  if (c.a == 0) {
    out += ' ';
    out += attribute;
    out += "=\"none\"";
    return;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, " %s=\"#%02x%02x%02x\"", attribute, c.r, c.g, c.b);
  out += buffer;
  if (c.a != 255) {
    out += ' ';
    out += attribute;
    out += "-opacity=\"";
    AppendNumber(out, c.a / 255.0);
    out += '"';
  }
}

void AppendPaint(std::string& out, const DisplayItem& item) {
  AppendColour(out, "fill", item.fill);
  AppendColour(out, "stroke", item.stroke);
  if (item.stroke.a != 0) {
    out += " stroke-width=\"";
    AppendNumber(out, item.strokeWidth);
    out += "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"";
    if (!item.dash.empty()) {
      out += " stroke-dasharray=\"";
      for (std::size_t k = 0; k < item.dash.size(); ++k) {
        if (k) out += ' ';
        AppendNumber(out, item.dash[k]);
      }
      out += '"';
    }
  }
}

void AppendItem(std::string& out, const DisplayItem& item) {
  switch (item.shape) {
    case DisplayItem::Shape::kCircle:
      out += "<circle cx=\"";
      AppendNumber(out, item.points[0]);
      out += "\" cy=\"";
      AppendNumber(out, item.points[1]);
      out += "\" r=\"";
      AppendNumber(out, item.radius);
      out += '"';
      AppendPaint(out, item);
      out += "/>\n";
      break;
    case DisplayItem::Shape::kPolyline:
      out += item.closed ? "<polygon points=\"" : "<polyline points=\"";
      for (std::size_t i = 0; i + 1 < item.points.size(); i += 2) {
        if (i > 0) out += ' ';
        AppendNumber(out, item.points[i]);
        out += ',';
        AppendNumber(out, item.points[i + 1]);
      }
      out += '"';
      AppendPaint(out, item);
      out += "/>\n";
      break;
    case DisplayItem::Shape::kText: {
      static const char* const kAnchors[] = {"start", "middle", "end"};
      out += "<text x=\"";
      AppendNumber(out, item.points[0]);
      out += "\" y=\"";
      AppendNumber(out, item.points[1]);
      out += "\" font-size=\"";
      AppendNumber(out, item.fontSize);
      out += "\" text-anchor=\"";
      out += kAnchors[static_cast<int>(item.anchor)];
      out += "\" dominant-baseline=\"central\"";
      AppendColour(out, "fill", item.fill);
      out += '>';
      AppendEscaped(out, item.text);
      out += "</text>\n";
      break;
    }
  }
}

}  // namespace

std::string ObjectTitle(const DisplayObject& object) {
  char buffer[96];
  std::string title = object.name;
  if (!std::isnan(object.magnitude)) {
    std::snprintf(buffer, sizeof buffer, " 等級%.1f", object.magnitude);
    title += buffer;
  }
  std::snprintf(buffer, sizeof buffer, " 高度%.1f° 方位%.1f°", object.altitude, object.azimuth);
  return title + buffer;
}

std::string SvgOf(const DisplayList& list, double pixelWidth) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
  AppendNumber(out, pixelWidth);
  out += "\" height=\"";
  AppendNumber(out, list.width > 0.0 ? pixelWidth * list.height / list.width : 0.0);
  out += "\" viewBox=\"0 0 ";
  AppendNumber(out, list.width);
  out += ' ';
  AppendNumber(out, list.height);
  out += "\" font-family=\"sans-serif\">\n";
  if (list.background.a != 0) {
    out += "<rect width=\"100%\" height=\"100%\"";
    AppendColour(out, "fill", list.background);
    out += "/>\n";
  }
  int open = -1;  // the object whose <g> is open
  for (const DisplayItem& item : list.items) {
    if (item.object != open) {
      if (open >= 0) out += "</g>\n";
      open = item.object >= 0 && item.object < static_cast<int>(list.objects.size()) ? item.object : -1;
      if (open >= 0) {
        out += "<g><title>";
        AppendEscaped(out, ObjectTitle(list.objects[open]));
        out += "</title>\n";
      }
    }
    AppendItem(out, item);
  }
  if (open >= 0) out += "</g>\n";
  out += "</svg>\n";
  return out;
}

}  // namespace skycalc
