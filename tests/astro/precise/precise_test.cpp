#include "astro/precise/precise.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "astro/precise/frame.h"

namespace skycalc::precise {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool InTurn(double angle) { return angle >= 0.0 && angle < ERFA_D2PI; }

const struct {
  Body body;
  double jdUtc;
  Status expected;
} kStatusCases[] = {
    {Body::kSun, kFirstJdUtc - 1e-6, Status::kOutsideYears},
    {Body::kSun, kFirstJdUtc, Status::kOk},
    {Body::kMoon, kEndJdUtc - 1e-6, Status::kOk},
    {Body::kMoon, kEndJdUtc, Status::kOutsideYears},
    {Body::kMars, kNaN, Status::kOutsideYears},
    {Body::kJupiter, -kInf, Status::kOutsideYears},
    {Body::kPluto, kFirstPlutoJdUtc - 1e-6, Status::kOutsidePlutoYears},
    {Body::kPluto, kEndPlutoJdUtc - 1e-6, Status::kOk},
    {Body::kPluto, kEndPlutoJdUtc, Status::kOutsidePlutoYears},
    {Body::kPluto, 2000000.0, Status::kOutsideYears},  // year 763
};

// Every entry point gives the same status, and with it nothing but NaN;
// Topocentric passes a bad status on instead of computing on its numbers.
TEST(PreciseStatus, OutsideTheYearsEveryNumberIsNaN) {
  const GeoSite site{0.3, -0.6};
  for (const auto& c : kStatusCases) {
    SCOPED_TRACE(testing::Message() << "body " << static_cast<int>(c.body) << " jd " << c.jdUtc);
    const GeocentricApparent geocentric = BodyGeocentric(c.body, timescale::MakeInstant(c.jdUtc));
    EXPECT_EQ(geocentric.status, c.expected);
    EXPECT_EQ(BodyAstrometric(c.body, timescale::MakeInstant(c.jdUtc)).status, c.expected);
    const bool ok = c.expected == Status::kOk;
    for (const TopocentricPlace& p : {BodyPlace(c.body, c.jdUtc, site), Topocentric(geocentric, 1.0, site)}) {
      EXPECT_EQ(p.status, c.expected);
      for (double x : {p.rightAscension, p.declination, p.distance, p.azimuth, p.altitude, p.localSiderealTime}) {
        EXPECT_EQ(std::isnan(x), !ok);
      }
    }
    if (c.body != Body::kPluto) {
      const TopocentricPlace star = StarPlace(1.0, 0.2, c.jdUtc, site);
      EXPECT_EQ(star.status, c.expected);
      EXPECT_EQ(std::isnan(star.azimuth), !ok);
    }
  }
}

// Azimuth from the south point through the west, for a star (distance 0)
// placed by its hour angle: {latitude, hour angle h, declination} ->
// {azimuth, altitude}, degrees.
TEST(PreciseTopocentric, AzimuthFromTheSouthThroughTheWest) {
  const struct {
    double latitude, hourAngle, declination, azimuth, altitude;
  } cases[] = {
      {35.0, 0.0, 0.0, 0.0, 55.0},      // on the meridian south of the zenith
      {35.0, 6.0, 0.0, 90.0, 0.0},      // setting in the west
      {35.0, -6.0, 0.0, 270.0, 0.0},    // rising in the east
      {35.0, 0.0, 60.0, 180.0, 65.0},   // on the meridian north of the zenith
      {35.0, 12.0, 60.0, 180.0, 5.0},   // under the pole
      {-35.0, 0.0, 0.0, 180.0, 55.0},   // a southern site sees it culminate in the north
  };
  const double gast = 1.3, longitude = -0.4;
  for (const auto& c : cases) {
    const GeocentricApparent star{Status::kOk, gast + longitude - c.hourAngle * 15.0 * ERFA_DD2R,
                               c.declination * ERFA_DD2R, 0.0};
    const TopocentricPlace p = Topocentric(star, gast, GeoSite{longitude, c.latitude * ERFA_DD2R});
    EXPECT_NEAR(std::remainder(p.azimuth - c.azimuth * ERFA_DD2R, ERFA_D2PI), 0.0, 1e-9) << c.hourAngle;
    EXPECT_NEAR(p.altitude, c.altitude * ERFA_DD2R, 1e-9) << c.hourAngle;
    EXPECT_EQ(p.rightAscension, star.rightAscension) << "a star has no parallax";
  }
}

// The Moon at its mean distance seen from the equator (6378.137 km from the
// centre on WGS84): rising or setting it is depressed by the whole
// horizontal parallax, atan(6378.137 / 384400) = 57.04', overhead not at all.
TEST(PreciseTopocentric, MoonParallaxIsAboutADegreeAtTheHorizon) {
  const double distance = 384400e3 / ERFA_DAU, radius = 6378137.0 / ERFA_DAU;
  const double parallax = std::atan(radius / distance);
  EXPECT_NEAR(parallax / ERFA_DD2R * 60.0, 57.04, 0.01);
  const struct {
    double hourAngle, geocentricAltitude, shift, distance;
  } cases[] = {{-6.0, 0.0, parallax, std::hypot(distance, radius)},
               {6.0, 0.0, parallax, std::hypot(distance, radius)},
               {0.0, ERFA_DPI / 2.0, 0.0, distance - radius}};
  for (const auto& c : cases) {
    const GeocentricApparent moon{Status::kOk, 0.7 - c.hourAngle * 15.0 * ERFA_DD2R, 0.0, distance};
    const TopocentricPlace p = Topocentric(moon, 0.7, GeoSite{0.0, 0.0});
    EXPECT_NEAR(p.altitude, c.geocentricAltitude - c.shift, 1e-9) << c.hourAngle;
    EXPECT_NEAR(eraSeps(p.rightAscension, p.declination, moon.rightAscension, 0.0), c.shift, 1e-9);
    EXPECT_NEAR(p.distance, c.distance, 1e-15);
  }
}

// A site's height lifts the observer along the vertical: on the equator the
// Moon at the zenith comes nearer by the height, and at the horizon its
// parallax grows to atan((a + h) / d) (a the WGS84 equatorial radius).
TEST(PreciseTopocentric, HeightLiftsTheObserver) {
  const double distance = 384400e3 / ERFA_DAU, height = 3776.0;  // 富士山's summit, metres
  const double lifted = (6378137.0 + height) / ERFA_DAU;
  const GeoSite summit{0.0, 0.0, height};
  const GeocentricApparent zenith{Status::kOk, 0.7, 0.0, distance};
  EXPECT_NEAR(Topocentric(zenith, 0.7, summit).distance, distance - lifted, 1e-15);
  const GeocentricApparent horizon{Status::kOk, 0.7 + ERFA_DPI / 2.0, 0.0, distance};
  EXPECT_NEAR(Topocentric(horizon, 0.7, summit).altitude, -std::atan(lifted / distance), 1e-9);
}

// Stars at the celestial poles seen from the geographic poles, where right
// ascension and azimuth lose their meaning: finite, in range, and the
// altitude at a pole is the declination.
TEST(PrecisePoles, StarsAndSitesAtThePoles) {
  for (double dec2000 : {ERFA_DPI / 2.0, -ERFA_DPI / 2.0}) {
    for (double latitude : {ERFA_DPI / 2.0, -ERFA_DPI / 2.0}) {
      for (double jd : {2086400.0, 2451545.0, 2816700.0}) {
        const TopocentricPlace p = StarPlace(0.0, dec2000, jd, GeoSite{1.0, latitude});
        EXPECT_TRUE(InTurn(p.rightAscension) && InTurn(p.azimuth)) << dec2000 << " " << latitude << " " << jd;
        EXPECT_NEAR(p.altitude, latitude > 0.0 ? p.declination : -p.declination, 1e-9);
      }
    }
  }
}

// eraAnp folds a tiny negative angle to 2pi itself; the readouts promise [0, 2pi).
TEST(PreciseAngles, FoldAngleNeverReturnsTwoPi) {
  for (double angle : {-1e-18, -0.0, ERFA_D2PI, -ERFA_D2PI}) EXPECT_TRUE(InTurn(detail::FoldAngle(angle))) << angle;
}

}  // namespace
}  // namespace skycalc::precise
