#pragma once

#include <string>
#include <vector>

// The sky chart's star field and constellation figures (ChartStars.txt and
// ChartLines.txt, found as the other catalogues are). Both are optional: a
// chart without them shows the bodies and the catalogue names only.
namespace skycalc {

inline constexpr char kChartStarsFile[] = "ChartStars.txt";
inline constexpr char kChartLinesFile[] = "ChartLines.txt";

// One star: position of J2000.0 at epoch 2000 (degrees), V magnitude, B-V,
// proper motion (milliarcseconds a year; 0 where the file gives none).
struct ChartStar {
  int hip = 0;  // Hipparcos catalogue number
  double ra = 0.0;
  double dec = 0.0;
  float magnitude = 0.0f;
  float colourIndex = 0.0f;
  float properMotionRa = 0.0f;   // in right ascension times cos(declination)
  float properMotionDec = 0.0f;
};

// One polyline of a constellation figure: its ConstData.txt row (0-87) and
// the J2000.0 points {ra, dec} (degrees) it joins in order.
struct ChartFigureLine {
  int constellation = 0;
  std::vector<double> points;  // ra0, dec0, ra1, dec1, ...
  // The proper motion of the star at each point (pmRa0, pmDec0, ...; mas a
  // year), so that a figure moves with its stars: that of the star of the
  // star file within 0.001 degree of the point, else 0.
  std::vector<double> motions;
};

struct ChartData {
  std::vector<ChartStar> stars;        // in the file's order
  std::vector<ChartFigureLine> lines;  // in the file's order
};

// Reads the two files from directory ("" = the current directory). Lines
// starting with '#' and lines that do not parse are skipped; a constellation
// row outside 0-87 drops its line. A missing file leaves its table empty.
ChartData LoadChartData(const std::string& starsDirectory, const std::string& linesDirectory);

}  // namespace skycalc
