#include "astro/planets/geocentric.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/frames/ecliptic.h"
#include "astro/time/julian_day.h"
#include "astro/time/sidereal.h"

namespace skycalc {
namespace {

constexpr double kLatitude35 = 0.6108652381805556;

struct BodyEquatorCase {
  int body;
  double lambda, beta, alpha, delta;
};

const BodyEquatorCase kBodyEquator[] = {
    {4, 1.0, 0.1, 0.9350239619271957, 0.43856544055370317},
    {5, 1.0, 0.1, 2.7800693064930746, 0.2864467511009136},
    {4, 0.0, 0.0, 6.236344773924429e-11, 2.7037777134206982e-11},  // residue of the truncated pi/2
};

TEST(EclipticToBodyEquator, Table) {
  for (const BodyEquatorCase& c : kBodyEquator) {
    double alpha = 0.0, delta = 0.0;
    EclipticToBodyEquator(c.body, c.lambda, c.beta, alpha, delta);
    EXPECT_EQ(alpha, c.alpha) << c.body;
    EXPECT_EQ(delta, c.delta) << c.body;
  }
}

TEST(EclipticToBodyEquator, EarthFrameIsTheEquatorOf2000) {
  for (double lambda : {0.3, 1.0, 2.5, 4.0, 5.9}) {
    for (double beta : {-1.2, -0.1, 0.1, 0.8}) {
      double alpha = 0.0, delta = 0.0, a2000 = 0.0, d2000 = 0.0;
      EclipticToBodyEquator(4, lambda, beta, alpha, delta);
      EclipticToEquatorial(lambda, beta, 2000, a2000, d2000);
      EXPECT_NEAR(alpha, a2000, 1e-9) << lambda << ", " << beta;
      EXPECT_NEAR(delta, d2000, 1e-9) << lambda << ", " << beta;
    }
  }
}

struct RelativeCase {
  double lst, target[3], observer[3], origin, latitude;
  double alpha, delta, azimuth, altitude;
};

const RelativeCase kRelative[] = {
    {1.0, {0, 1, 0.1}, {0.2, -0.9, 0}, 3.1415926535, kLatitude35,
     1.687670848608966, 0.45895145221072847, 4.772873931889322, 0.9641721252141481},
    // Due south: the truncated constants leave residues instead of exact zeros and pi.
    {0.0, {1, 0, 0}, {0, 0, 0}, 0.0, kLatitude35,
     6.236344773924429e-11, 2.7037777134206982e-11, 3.141592653391273, 0.959931088641379},
};

TEST(RelativePlace, Table) {
  for (const RelativeCase& c : kRelative) {
    double alpha = 0.0, delta = 0.0, azimuth = 0.0, altitude = 0.0;
    RelativePlace(4, c.lst, c.target, c.observer, c.origin, c.latitude, alpha, delta, azimuth, altitude);
    EXPECT_EQ(alpha, c.alpha);
    EXPECT_EQ(delta, c.delta);
    EXPECT_EQ(azimuth, c.azimuth);
    EXPECT_EQ(altitude, c.altitude);
  }
}

struct PlaceCase {
  int body;
  double jd, lst, origin, ra, dec, azimuth, altitude;
};

// The Moon at 35 degrees north: the parallax moves it by up to about a degree.
const PlaceCase kMoonPlaces[] = {
    {11, 2451545.0, 0.0, 0.0, 3.8739509308289093, -0.19725410540563673, 1.945294729653659, -0.7890969732500153},
    {11, 2451545.0, 4.0, 0.0, 3.88122268510358, -0.20171263305193007, 0.15941024836504436, 0.7504589738935469},
};

TEST(GeocentricPlace, MoonTable) {
  for (const PlaceCase& c : kMoonPlaces) {
    Place place;
    GeocentricPlace(c.body, c.jd, c.lst, kLatitude35, c.origin, place);
    EXPECT_EQ(place.equatorial[0], c.ra) << c.lst;
    EXPECT_EQ(place.equatorial[1], c.dec) << c.lst;
    EXPECT_EQ(place.horizontal[0], c.azimuth) << c.lst;
    EXPECT_EQ(place.horizontal[1], c.altitude) << c.lst;
  }
}

TEST(GeocentricPlace, SunAtJ2000) {
  // 2000 January 1.5: the Sun near 18h45m, -23.0 degrees.
  Place place;
  GeocentricPlace(1, kJD2000, 0.0, kLatitude35, 0.0, place);
  EXPECT_NEAR(place.equatorial[0] * kRadToDeg, 281.3, 0.1);
  EXPECT_NEAR(place.equatorial[1] * kRadToDeg, -23.0, 0.1);
}

TEST(GeocentricPlace, AzimuthOriginLowersTheDisplayedAzimuth) {
  const double tenDegrees = 10 * kDegToRad;
  for (int body : {1, 5, 11}) {
    Place base, shifted;
    GeocentricPlace(body, kJD2000, 4.0, kLatitude35, 0.0, base);
    GeocentricPlace(body, kJD2000, 4.0, kLatitude35, tenDegrees, shifted);
    EXPECT_NEAR(ReduceRadians(base.horizontal[0] - tenDegrees), shifted.horizontal[0], 1e-12) << body;
    EXPECT_EQ(base.horizontal[1], shifted.horizontal[1]) << body;
  }
}

TEST(GeocentricPlace, FiniteAndInRangeOverAllYears) {
  const double sites[][3] = {{139.7, 35.0, 0.0}, {-70.4, -24.6, 180.0}, {0.0, 89.9, 359.99}};
  for (int year : {-99999, -4712, 0, 1582, 2000, 2100, 99999}) {
    for (const auto& site : sites) {
      const double jd = CalendarToJD(year, 7, 10.3);
      const double lst = LocalSiderealTime(jd, site[0] * kDegToRad);
      for (int body = 1; body <= 11; ++body) {
        if (body == 4) continue;
        Place p;
        GeocentricPlace(body, jd, lst, site[1] * kDegToRad, site[2] * kDegToRad, p);
        const double ra = p.equatorial[0], dec = p.equatorial[1], az = p.horizontal[0], alt = p.horizontal[1];
        EXPECT_TRUE(ra >= 0.0 && ra <= kTwoPi) << year << " body " << body << " ra " << ra;
        EXPECT_TRUE(az >= 0.0 && az <= kTwoPi) << year << " body " << body << " az " << az;
        EXPECT_TRUE(std::fabs(dec) <= kHalfPi) << year << " body " << body << " dec " << dec;
        EXPECT_TRUE(std::fabs(alt) <= kHalfPi) << year << " body " << body << " alt " << alt;
      }
    }
  }
}

}  // namespace
}  // namespace skycalc

namespace skycalc {
namespace {

// The horizontal place against PyEphem 4.1.4 (apparent, no refraction; the
// azimuth from the south through west), to what the compact model holds: the
// Sun within 1.2', Venus and Mars within 7' (on the sky, in degrees here).
TEST(GeocentricPlace, HorizontalAgreesWithPyEphem) {
  struct Case {
    int body;
    double jd, longitude, latitude, azimuth, altitude, tolerance;
  } const cases[] = {
      {1, 2451545.0, 0.0, 35.0, 359.1090, 31.9602, 0.05},
      {3, 2451545.0, 0.0, 35.0, 42.5270, 24.1273, 0.2},
      {5, 2451545.0, 0.0, 35.0, 306.1485, 22.4082, 0.2},
      {1, 2460390.25, 139.7, 35.7, 241.9818, -32.8240, 0.05},
      {3, 2460390.25, 139.7, 35.7, 262.6297, -24.8542, 0.2},
      {5, 2460390.25, 139.7, 35.7, 273.8132, -17.6160, 0.2},
      {1, 2433282.5, -70.0, -33.0, 60.4125, -2.3063, 0.05},
      {3, 2433282.5, -70.0, -33.0, 87.0703, 24.0760, 0.2},
      {5, 2433282.5, -70.0, -33.0, 315.5911, -49.4891, 0.2},
  };
  for (const Case& c : cases) {
    Place place;
    GeocentricPlace(c.body, c.jd, LocalSiderealTime(c.jd, c.longitude * kDegToRad), c.latitude * kDegToRad, 0.0, place);
    const double azimuth = place.horizontal[0] * kRadToDeg, altitude = place.horizontal[1] * kRadToDeg;
    EXPECT_LT(std::fabs(std::remainder(azimuth - c.azimuth, 360.0)) * std::cos(c.altitude * kDegToRad), c.tolerance)
        << c.body << " at " << c.jd;
    EXPECT_LT(std::fabs(altitude - c.altitude), c.tolerance) << c.body << " at " << c.jd;
  }
}

}  // namespace
}  // namespace skycalc
