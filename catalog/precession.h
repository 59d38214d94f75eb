#pragma once

#include "astro/frames/place.h"

// Reduction of a J2000.0 catalogue place to the date and the site.
namespace skycalc {

// Mean place of J2000.0 (radians) -> mean place of the date jd (radians).
void PrecessFromJ2000(double jd, double ra0, double dec0, double& ra, double& dec);
// Full reduction of one row: site longitude/latitude, azimuth origin and (ra0, dec0) in radians.
void CatalogPlace(double jd, double longitude, double latitude, double azimuthOrigin, double ra0, double dec0,
                  Place& place);

}  // namespace skycalc
