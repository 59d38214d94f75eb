#include "astro/frames/horizontal.h"

#include <cmath>

#include "astro/base/angles.h"

namespace skycalc {

void HorizontalFromSouth(double hourAngle, double delta, double latitude, double& azimuth, double& altitude) {
  const double sp = std::sin(latitude), cp = std::cos(latitude);
  const double sd = std::sin(delta), cd = std::cos(delta);
  const double ch = std::cos(hourAngle);
  const double x = sp * cd * ch - cp * sd;
  const double y = cd * std::sin(hourAngle);
  azimuth = AngleOfXY(x, y);
  altitude = ArcSin(sp * sd + cp * cd * ch);
}

void HorizontalFromNorth(double latitude, double delta, double hourAngle, double& azimuth, double& altitude) {
  const double sp = std::sin(latitude), cp = std::cos(latitude);
  const double sd = std::sin(delta), cd = std::cos(delta);
  const double ch = std::cos(hourAngle);
  const double x = cp * sd - sp * cd * ch;
  const double y = -(cd * std::sin(hourAngle));
  azimuth = AngleOfXY(x, y);
  altitude = ArcSin(sp * sd + cp * cd * ch);
}

}  // namespace skycalc
