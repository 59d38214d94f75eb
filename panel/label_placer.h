#pragma once

#include <string>
#include <vector>

#include "panel/display_list.h"

// Places the names beside the marks of a picture so that no name covers
// another and none runs out of the picture's round field: each name is tried
// to the right of its mark, to the left, above, below and at the four
// diagonals, and takes the first place that is free and inside; where none
// is, the place inside that covers the least of the names already placed,
// else the right. Names placed earlier win. Box units throughout.
namespace skycalc {

// A text's width as the renderers' sans-serif fonts draw it, estimated from
// its characters: a half-width character (ASCII, half-width kana) half the
// font size, any other character the whole of it. Renderers differ by a few
// per cent, which the gap between names absorbs.
double EstimatedTextWidth(const std::string& utf8, double fontSize);

class LabelPlacer {
 public:
  // The round field (centre and radius) the names must stay inside.
  LabelPlacer(double centreX, double centreY, double radius);

  // Marks a name drawn centred at (x, y) as taken, so later names avoid it.
  void Occupy(double x, double y, const std::string& text, double fontSize);

  // Adds the name of a mark of radius markRadius at (x, y) to list, at the
  // first free place beside it (gap: the space between mark and name).
  DisplayItem& Place(DisplayList& list, double x, double y, double markRadius, double gap, const std::string& text,
                     double fontSize, Rgba colour);

 private:
  struct Box {
    double left, top, right, bottom;
  };
  double Covered(const Box& box) const;  // the area of box that placed names cover
  bool Inside(const Box& box) const;

  double centreX_, centreY_, radius_;
  std::vector<Box> taken_;
};

}  // namespace skycalc
