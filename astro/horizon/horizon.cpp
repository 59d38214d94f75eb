#include "astro/horizon/horizon.h"

#include "astro/frames/horizontal.h"
#include "astro/time/sidereal.h"

namespace skycalc {

void EquatorialToHorizontal(double alpha, double delta, double longitude, double latitude, double jd,
                            double& azimuth, double& altitude) {
  HorizontalFromSouth(HourAngle(alpha, jd, longitude), delta, latitude, azimuth, altitude);
}

}  // namespace skycalc
