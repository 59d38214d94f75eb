#pragma once

#include <string>

// The 星図 box's controls as the window and the page show them: the time
// steps, the directions the chart can face, the check boxes and buttons, and
// how far a click may land from an object.
namespace skycalc {

struct ChartTimeStep {
  const char* text;  // "−1日" ...
  int minutes;
};
inline constexpr int kChartTimeStepCount = 6;
extern const ChartTimeStep kChartTimeSteps[kChartTimeStepCount];

// The directions the chart can be held facing (the one at the bottom).
struct ChartFacing {
  const char* text;  // "北" ...
  double azimuth;    // degrees from the north through the east
};
inline constexpr int kChartFacingCount = 8;
extern const ChartFacing kChartFacings[kChartFacingCount];
inline constexpr int kChartSouthFacing = 4;  // the whole sky's view, and the box's first

struct ChartBoxTexts {
  const char* caption;     // "星図"
  const char* reset;       // "現在の設定に戻す": back to the stored date and time
  const char* facingLabel; // "下にする方位:"
  const char* whole;       // "全天(南を下に)"
  const char* ecliptic;    // "黄道"
  const char* equator;     // "天の赤道"
  const char* close;       // "閉じる"
};
extern const ChartBoxTexts kChartBoxTexts;

// A click lands on an object within this many box units of its place (a
// chart is 800 units wide at its default size, so about a name's height).
inline constexpr double kChartClickReach = 12.0;
inline constexpr double kChartUnitsWide = 800.0;
// A press that moves less than this (pixels) is a click, not a drag.
inline constexpr double kChartDragThreshold = 4.0;

// All of the above as JSON for the page: {"caption", "reset", "facingLabel",
// "whole", "ecliptic", "equator", "close", "steps": [[text, minutes]],
// "facings": [[text, azimuth]], "southFacing", "reach", "unitsWide",
// "dragThreshold", "view": the first view, {"facing", "ecliptic", "equator"}}.
std::string ChartBoxJson();

}  // namespace skycalc
