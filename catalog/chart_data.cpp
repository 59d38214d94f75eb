#include "catalog/chart_data.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

#include "catalog/catalog.h"

namespace skycalc {
namespace {

std::string PathOf(const std::string& directory, const char* file) {
  if (directory.empty()) return file;
  return directory.back() == '/' ? directory + file : directory + "/" + file;
}

// Numbers are read in the C locale whatever the program's locale is: a
// locale with a decimal comma would stop strtod at the point.
bool ReadStar(const std::string& line, ChartStar& star) {
  std::istringstream in(line);
  in.imbue(std::locale::classic());
  if (!(in >> star.hip >> star.ra >> star.dec >> star.magnitude >> star.colourIndex)) return false;
  float ra = 0.0f, dec = 0.0f;
  if (in >> ra >> dec) {  // the proper motions are optional
    star.properMotionRa = ra;
    star.properMotionDec = dec;
  }
  return true;
}

bool ReadFigureLine(const std::string& line, ChartFigureLine& figure) {
  std::istringstream in(line);
  in.imbue(std::locale::classic());
  std::string abbreviation, point;
  if (!(in >> figure.constellation >> abbreviation)) return false;
  if (figure.constellation < 0 || figure.constellation >= static_cast<int>(kConstellationCount)) return false;
  while (in >> point) {
    std::istringstream pair(point);
    pair.imbue(std::locale::classic());
    double ra = 0.0, dec = 0.0;
    char comma = 0;
    if (!(pair >> ra >> comma >> dec) || comma != ',') return false;
    figure.points.push_back(ra);
    figure.points.push_back(dec);
  }
  return figure.points.size() >= 4;
}

}  // namespace

ChartData LoadChartData(const std::string& starsDirectory, const std::string& linesDirectory) {
  ChartData data;
  std::ifstream stars(PathOf(starsDirectory, kChartStarsFile));
  for (std::string line; std::getline(stars, line);) {
    ChartStar star;
    if (!line.empty() && line[0] != '#' && ReadStar(line, star)) data.stars.push_back(star);
  }
  std::ifstream lines(PathOf(linesDirectory, kChartLinesFile));
  for (std::string line; std::getline(lines, line);) {
    ChartFigureLine figure;
    if (!line.empty() && line[0] != '#' && ReadFigureLine(line, figure)) data.lines.push_back(std::move(figure));
  }
  // The figures join the stars' places of epoch 2000: they take the stars' motions.
  std::vector<const ChartStar*> moving;
  for (const ChartStar& star : data.stars)
    if (star.properMotionRa != 0.0f || star.properMotionDec != 0.0f) moving.push_back(&star);
  constexpr double kSamePlace = 0.001;  // degrees; both files round to 0.0001
  for (ChartFigureLine& figure : data.lines) {
    figure.motions.assign(figure.points.size(), 0.0);
    for (std::size_t i = 0; i + 1 < figure.points.size(); i += 2) {
      for (const ChartStar* star : moving) {
        if (std::fabs(star->ra - figure.points[i]) < kSamePlace && std::fabs(star->dec - figure.points[i + 1]) < kSamePlace) {
          figure.motions[i] = star->properMotionRa;
          figure.motions[i + 1] = star->properMotionDec;
        }
      }
    }
  }
  return data;
}

}  // namespace skycalc
