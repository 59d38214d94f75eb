#include "astro/frames/horizontal.h"

#include <gtest/gtest.h>

#include "astro/base/angles.h"
#include "astro/base/constants.h"

namespace skycalc {
namespace {

constexpr double kLatitude = 0.6108652381805556;  // 35 degrees north

struct HorizontalCase {
  double hourAngle, delta;
  double southAzimuth, northAzimuth, altitude;
};

const HorizontalCase kHorizontalCases[] = {
    {0, 0, 0, 3.1415926535, 0.9599310886143411},                               // on the meridian
    {1.57079632675, 0, 1.570796326769145, 4.712388980269145, 3.677713525791897e-11},  // west; pi/2 residue
    {-1.57079632675, 0, 4.712388980230855, 1.5707963267308551, 3.677713525791897e-11},  // east
    {0.5, 0.3, 1.09018420980225, 4.23177686330225, 1.0280037218065838},
    {0, kLatitude, 0, 0, 1.57079632675},                                        // zenith
    {3.1415926535, 0, 3.1415926533434506, 6.283185306843451, -0.9599310886143411},  // lower culmination
};

TEST(HorizontalFromSouth, Table) {
  for (const HorizontalCase& c : kHorizontalCases) {
    double azimuth, altitude;
    HorizontalFromSouth(c.hourAngle, c.delta, kLatitude, azimuth, altitude);
    EXPECT_EQ(azimuth, c.southAzimuth) << c.hourAngle << ", " << c.delta;
    EXPECT_EQ(altitude, c.altitude) << c.hourAngle << ", " << c.delta;
  }
}

TEST(HorizontalFromNorth, Table) {
  for (const HorizontalCase& c : kHorizontalCases) {
    double azimuth, altitude;
    HorizontalFromNorth(kLatitude, c.delta, c.hourAngle, azimuth, altitude);
    EXPECT_EQ(azimuth, c.northAzimuth) << c.hourAngle << ", " << c.delta;
    EXPECT_EQ(altitude, c.altitude) << c.hourAngle << ", " << c.delta;
  }
}

struct OriginCase {
  double southAzimuth, origin, displayed;
};

// The displayed azimuth is ReduceRadians(south-based azimuth - origin).
const OriginCase kOriginCases[] = {
    {0, 0, 0},
    {3.1415926535, 0, 3.1415926535},
    {4.71238898025, 0, 4.71238898025},
    {1.57079632675, 0, 1.57079632675},
    {-1.57079632675, 0, 4.71238898025},  // the -pi/2 edge of AngleOfXY restored
    {0, 180 * kDegToRad, 3.1415926535},
    {3.1415926535, 180 * kDegToRad, 0},
    {4.71238898025, 180 * kDegToRad, 1.57079632675},
    {1.57079632675, 180 * kDegToRad, 4.71238898025},
};

TEST(AzimuthOrigin, Table) {
  for (const OriginCase& c : kOriginCases)
    EXPECT_EQ(ReduceRadians(c.southAzimuth - c.origin), c.displayed) << c.southAzimuth << " - " << c.origin;
}

}  // namespace
}  // namespace skycalc
