#include <gtest/gtest.h>

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/time/sidereal.h"
#include "astro/horizon/precession.h"

namespace skycalc {
namespace {

struct PrecessionCase {
  const char* what;
  double jd;
  double ra0, dec0;  // degrees, J2000.0
  double ra, dec;    // degrees of the date
  double raTolerance, decTolerance;
};

// == where a full double is known; the pole's declination follows the arc
// tangent form of ArcSin (...337) rather than the closed form (...332).
const PrecessionCase kPrecessionCases[] = {
    {"epoch itself", 2451545.0, 41.054063, 49.227750, 41.054063, 49.227750, 1e-7, 1e-7},
    {"epoch itself, south", 2451545.0, 350.5, -80.25, 350.5, -80.25, 1e-7, 1e-7},
    {"epoch itself, ra 0", 2451545.0, 0.0, 10.0, 0.0, 10.0, 1e-7, 1e-7},
    {"2028 November", 2462088.69, 41.054063, 49.227750, 41.54721435032795, 49.3484831098773, 0.0, 0.0},
    {"pole a century later", 2488070.0, 0.0, 90.0, 180.64092526752225, 89.44337711153332, 0.0, 1e-12},
};

TEST(PrecessFromJ2000, Cases) {
  for (const auto& c : kPrecessionCases) {
    SCOPED_TRACE(c.what);
    double ra = 0.0, dec = 0.0;
    PrecessFromJ2000(c.jd, c.ra0 * kDegToRad, c.dec0 * kDegToRad, ra, dec);
    double raDeg = ReduceRadians(ra) * kRadToDeg;
    if (raDeg >= 360.0 - 1e-6) raDeg -= 360.0;  // ra 0 may come back as a full turn
    if (c.raTolerance == 0.0) EXPECT_EQ(raDeg, c.ra); else EXPECT_NEAR(raDeg, c.ra, c.raTolerance);
    if (c.decTolerance == 0.0) EXPECT_EQ(dec * kRadToDeg, c.dec); else EXPECT_NEAR(dec * kRadToDeg, c.dec, c.decTolerance);
  }
}

struct SiteCase {
  const char* what;
  double jd, longitude, latitude;  // degrees
  double ra0, dec0;                // degrees, J2000.0
};

const SiteCase kSiteCases[] = {
    {"Sirius over Tokyo", 2460000.25, 139.7, 35.7, 101.28715, -16.716},
    {"Vega, western site", 2455000.75, -70.0, -30.0, 279.23474, 38.784},
    {"pole, northern site", 2488070.0, 0.0, 60.0, 0.0, 90.0},
};

// CatalogPlace gives the reduced precessed place, and the azimuth origin only
// moves the zero of the azimuth: origin = computed azimuth shows 0, origin 180
// degrees turns it by the system's pi.
TEST(CatalogPlace, EquatorialAndAzimuthOrigin) {
  for (const auto& c : kSiteCases) {
    SCOPED_TRACE(c.what);
    const double lon = c.longitude * kDegToRad, lat = c.latitude * kDegToRad;
    const double ra0 = c.ra0 * kDegToRad, dec0 = c.dec0 * kDegToRad;
    Place south, own, north;
    CatalogPlace(c.jd, lon, lat, 0.0, ra0, dec0, south);
    double ra = 0.0, dec = 0.0;
    PrecessFromJ2000(c.jd, ra0, dec0, ra, dec);
    EXPECT_EQ(south.equatorial[0], ReduceRadians(ra));
    EXPECT_EQ(south.equatorial[1], dec);
    EXPECT_GE(south.horizontal[0], 0.0);
    EXPECT_LE(south.horizontal[0], kTwoPi);

    CatalogPlace(c.jd, lon, lat, south.horizontal[0], ra0, dec0, own);
    EXPECT_EQ(own.horizontal[0], 0.0);
    EXPECT_EQ(own.horizontal[1], south.horizontal[1]);

    CatalogPlace(c.jd, lon, lat, 180.0 * kDegToRad, ra0, dec0, north);
    EXPECT_EQ(north.horizontal[0], ReduceRadians(south.horizontal[0] - kPi));
  }
}

// A body put on the meridian (right ascension = local sidereal time, at J2000.0
// where no precession applies) stands due south at 90 - (phi - dec) degrees:
// catches swapped site arguments or a wrong azimuth convention.
TEST(CatalogPlace, OnTheMeridian) {
  const double jd = 2451545.0, lon = 135.0 * kDegToRad, lat = 35.0 * kDegToRad;
  const double ra0 = LocalSiderealTime(jd, lon);
  Place place;
  CatalogPlace(jd, lon, lat, 0.0, ra0, 20.0 * kDegToRad, place);
  const double azimuth = place.horizontal[0] * kRadToDeg;
  EXPECT_NEAR(azimuth > 180.0 ? azimuth - 360.0 : azimuth, 0.0, 1e-6);
  EXPECT_NEAR(place.horizontal[1] * kRadToDeg, 75.0, 1e-6);
}

}  // namespace
}  // namespace skycalc
