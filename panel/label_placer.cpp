#include "panel/label_placer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skycalc {

double EstimatedTextWidth(const std::string& utf8, double fontSize) {
  double ems = 0.0;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = lead < 0x80 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    const bool half = code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F);
    ems += half ? 0.5 : 1.0;
    i += length;
  }
  return ems * fontSize;
}

LabelPlacer::LabelPlacer(double centreX, double centreY, double radius)
    : centreX_(centreX), centreY_(centreY), radius_(radius) {}

void LabelPlacer::Occupy(double x, double y, const std::string& text, double fontSize) {
  const double half = EstimatedTextWidth(text, fontSize) / 2.0;
  taken_.push_back({x - half, y - fontSize / 2.0, x + half, y + fontSize / 2.0});
}

double LabelPlacer::Covered(const Box& box) const {
  double area = 0.0;
  for (const Box& t : taken_) {
    const double w = std::min(box.right, t.right) - std::max(box.left, t.left);
    const double h = std::min(box.bottom, t.bottom) - std::max(box.top, t.top);
    if (w > 0.0 && h > 0.0) area += w * h;
  }
  return area;
}

bool LabelPlacer::Inside(const Box& box) const {
  for (double x : {box.left, box.right})
    for (double y : {box.top, box.bottom})
      if (std::hypot(x - centreX_, y - centreY_) > radius_) return false;
  return true;
}

DisplayItem& LabelPlacer::Place(DisplayList& list, double x, double y, double markRadius, double gap,
                                const std::string& text, double fontSize, Rgba colour) {
  using Anchor = DisplayItem::Anchor;
  const double w = EstimatedTextWidth(text, fontSize), h = fontSize;
  const double side = markRadius + gap;
  // Beside the mark (its name's middle level with it, then a line, then two
  // lines higher or lower), or centred over or under it (one line, then two
  // lines away), nearest first.
  struct Offset {
    int column;    // -1 left of the mark, 0 centred on it, 1 right of it
    double lines;  // down, in lines of the name's height
  };
  static constexpr Offset kOffsets[] = {{1, 0},  {-1, 0}, {0, -1}, {0, 1},  {1, -1}, {1, 1},  {-1, -1},
                                        {-1, 1}, {0, -2}, {0, 2},  {1, -2}, {1, 2},  {-1, -2}, {-1, 2}};
  struct Candidate {
    double x, y;
    Anchor anchor;
    Box box;
  };
  std::vector<Candidate> candidates;
  for (const Offset& o : kOffsets) {
    const double cy = y + o.lines * h + (o.column == 0 ? (o.lines < 0 ? -1.0 : 1.0) * (markRadius + gap / 2.0 - h / 2.0)
                                                     : 0.0);
    const double left = o.column > 0 ? x + side : o.column < 0 ? x - side - w : x - w / 2;
    const Anchor anchor = o.column > 0 ? Anchor::kStart : o.column < 0 ? Anchor::kEnd : Anchor::kMiddle;
    const double ax = o.column > 0 ? x + side : o.column < 0 ? x - side : x;
    candidates.push_back({ax, cy, anchor, {left, cy - h / 2, left + w, cy + h / 2}});
  }
  // The first free place inside; else the place inside that covers the least of the others'; else the right.
  const Candidate* chosen = nullptr;
  double least = 0.0;
  for (const Candidate& c : candidates) {
    if (!Inside(c.box)) continue;
    const double covered = Covered(c.box);
    if (!chosen || covered < least) {
      chosen = &c;
      least = covered;
    }
    if (covered == 0.0) break;
  }
  if (!chosen) chosen = &candidates[0];
  taken_.push_back(chosen->box);
  return list.Text(chosen->x, chosen->y, text, fontSize, colour, chosen->anchor);
}

}  // namespace skycalc
