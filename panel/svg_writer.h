#pragma once

#include <string>

#include "panel/display_list.h"

// A display list as an SVG document (UTF-8). The box becomes the viewBox, so
// the picture scales without loss; each shape tagged with an object is
// wrapped, with the shapes next to it of the same object, in a <g> whose
// <title> gives the object's name, magnitude, altitude and azimuth (a
// viewer shows it as a tooltip).
namespace skycalc {

// pixelWidth (> 0): the width the document asks to be shown at; the height
// keeps the box's proportions.
std::string SvgOf(const DisplayList& list, double pixelWidth);

// The tooltip text of an object: its name, then 「等級」 (when known),
// 「高度」 and 「方位」 in degrees to one decimal.
std::string ObjectTitle(const DisplayObject& object);

}  // namespace skycalc
