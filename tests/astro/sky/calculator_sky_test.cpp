#include "astro/sky/calculator_sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/events/day_events.h"
#include "astro/events/local_day.h"
#include "astro/sky/precise_sky.h"
#include "astro/frames/place.h"
#include "astro/planets/geocentric.h"
#include "astro/planets/moon.h"
#include "astro/planets/orbit.h"
#include "astro/time/sidereal.h"
#include "astro/horizon/precession.h"
#include "events_test_util.h"

namespace skycalc::events {
namespace {

using sky::CalculatorBodySky;
using sky::kAstronomicalUnitKm;
using sky::kMoonRadiusKm;
using sky::kSunRadiusKm;
using sky::CalculatorCatalogSky;
using sky::PreciseSky;


// The calculator's own altitude and hour angle, straight from its functions,
// and the semidiameter from its own distances: what the search must agree with.
struct Readout {
  double altitude, hourAngle, semidiameter, northAzimuth;
};

constexpr int kSirius = 0;  // a catalogue place among the body numbers
constexpr double kSiriusRa = 101.287 * kDeg, kSiriusDec = -16.716 * kDeg;

Readout CalculatorReadout(int body, double jd, const GeoSite& site) {
  const double lst = LocalSiderealTime(jd, site.longitude);
  Place place, north;  // azimuth origin 0 (from the south) and pi (from the north)
  if (body == kSirius) {
    CatalogPlace(jd, site.longitude, site.latitude, 0.0, kSiriusRa, kSiriusDec, place);
    CatalogPlace(jd, site.longitude, site.latitude, kExactPi, kSiriusRa, kSiriusDec, north);
  } else {
    GeocentricPlace(body, jd, lst, site.latitude, 0.0, place);
    GeocentricPlace(body, jd, lst, site.latitude, kExactPi, north);
  }
  double sd = 0.0;
  if (body == kSunBody) {
    double e[3];
    HeliocentricPosition(4, jd, e);
    sd = std::asin(kSunRadiusKm / (std::sqrt(e[0] * e[0] + e[1] * e[1] + e[2] * e[2]) * kAstronomicalUnitKm));
  } else if (body == kMoonBody) {
    double lambda, beta, distance;
    MoonPosition(jd, lambda, beta, distance);
    sd = std::asin(kMoonRadiusKm / (distance * kAstronomicalUnitKm));
  }
  return {place.horizontal[1], WrapHourAngle(lst - place.equatorial[0]), sd, north.horizontal[0]};
}

struct DayCase {
  const char* site;
  double longitude, latitude;  // degrees
  int zoneHours, zoneMinutes;
  std::int32_t year;
  int month, day;
};

const DayCase kDays[] = {
    {"Tokyo", 139.7, 35.7, 9, 0, 2024, 3, 20},
    {"Kathmandu", 85.32, 27.72, 5, 45, 2023, 12, 22},
    {"St. John's", -52.71, 47.56, -4, 30, 2025, 6, 21},
    {"Quito", -78.5, -0.22, -5, 0, 2010, 9, 1},
    {"Tromso", 18.96, 69.65, 1, 0, 2025, 5, 18},
    {"Syowa", 39.58, -69.0, 3, 0, 2025, 8, 1},
    {"Babylon, -3000", 44.42, 32.54, 3, 0, -3000, 3, 1},
    {"Tokyo, 2990", 139.7, 35.7, 9, 0, 2990, 11, 5},
};

// At every rise and set the calculator's altitude plus the semidiameter is
// the horizon within 1", and the azimuth from origin pi is the one it shows
// for that origin; at every transit its hour angle is 0 within 1 s.
TEST(CalculatorSky, EventsAgreeWithTheCalculatorsOwnReadouts) {
  for (const DayCase& c : kDays) {
    const GeoSite site{c.longitude * kDeg, c.latitude * kDeg};
    const DaySpan span = LocalDay(c.year, c.month, c.day, c.zoneHours, c.zoneMinutes);
    for (int body : {kSirius, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}) {
      SCOPED_TRACE(std::string(c.site) + " body " + std::to_string(body));
      const DayEvents e = body == kSirius ? FindDayEvents(CalculatorCatalogSky(kSiriusRa, kSiriusDec, site),
                                                          span.startJd, span.endJd, kExactPi)
                                          : FindDayEvents(CalculatorBodySky(body, site), span.startJd, span.endJd,
                                                          kExactPi);
      ASSERT_EQ(e.status, Status::kOk);
      for (const std::vector<Event>* list : {&e.rises, &e.sets}) {
        for (const Event& x : *list) {
          const Readout r = CalculatorReadout(body, x.jd, site);
          EXPECT_NEAR(r.altitude + r.semidiameter, -kHorizonRefraction, kArcsec);
          EXPECT_EQ(x.altitude, r.altitude);
          EXPECT_NEAR(x.azimuthFromOrigin, r.northAzimuth, 1e-9);
          EXPECT_TRUE(x.jd >= span.startJd && x.jd < span.endJd);
        }
      }
      for (const Event& x : e.transits) {
        EXPECT_LT(std::fabs(CalculatorReadout(body, x.jd, site).hourAngle), kHourAnglePerSecond);
      }
      if (std::fabs(c.latitude) < 50.0) {
        EXPECT_FALSE(e.alwaysUp || e.alwaysDown);
      }
      if (body != kSunBody) continue;
      for (int i = 0; i < kTwilightCount; ++i) {
        for (const std::vector<Event>* list : {&e.twilights[i].dawns, &e.twilights[i].dusks}) {
          for (const Event& x : *list) {
            EXPECT_NEAR(CalculatorReadout(body, x.jd, site).altitude, -kTwilightDepression[i], kArcsec);
          }
        }
      }
    }
  }
}

// A real sunrise a few seconds either side of local midnight: the day it
// lands on is the one its instant falls in.
TEST(CalculatorSky, SunriseSecondsFromMidnightLandsOnItsDay) {
  const GeoSite site{85.32 * kDeg, 27.72 * kDeg};
  const DaySpan kathmandu = LocalDay(2023, 12, 22, 5, 45);
  const DayEvents e = FindDayEvents(CalculatorBodySky(kSunBody, site), kathmandu.startJd, kathmandu.endJd);
  ASSERT_EQ(e.rises.size(), 1u);
  const double rise = e.rises[0].jd;
  const CalculatorBodySky sun(kSunBody, site);
  for (double seconds : {-3.0, 3.0}) {
    // A day that begins `seconds` after the rise (so ends just after it for -).
    const double start = rise - seconds * kSecond;
    const DayEvents before = FindDayEvents(sun, start - 1.0, start);
    const DayEvents after = FindDayEvents(sun, start, start + 1.0);
    const bool inBefore = !before.rises.empty() && std::fabs(before.rises.back().jd - rise) < kSecond;
    const bool inAfter = !after.rises.empty() && std::fabs(after.rises.front().jd - rise) < kSecond;
    EXPECT_EQ(inBefore, seconds < 0.0) << seconds;
    EXPECT_EQ(inAfter, seconds > 0.0) << seconds;
  }
}

struct GrazingCase {
  const char* what;
  bool precise;  // the precise model instead of the calculator's
  int body;
  double latitude;  // degrees
  std::int32_t year;
  int month, day, days;
};

// Day sweeps through the dates when the Sun's lowest or highest point of the
// day passes a level (grazing it by some arcminutes at the closest); a lunar
// month at 65-70 degrees, where the Moon's declination swings through the
// limit; and single days at latitudes where the Sun's highest or lowest point
// misses a level by 3" (a stay of some minutes above or below it, between
// two hourly samples).
const GrazingCase kGrazing[] = {
    {"polar night begins", false, kSunBody, 67.4, 2025, 12, 5, 12},
    {"midnight sun begins", false, kSunBody, 66.2, 2025, 6, 8, 10},
    {"civil twilight all night", false, kSunBody, 60.6, 2025, 6, 10, 10},
    {"south, polar night", false, kSunBody, -69.9, 2025, 5, 20, 8},
    {"Moon at 70 north", false, kMoonBody, 70.0, 2025, 3, 1, 28},
    {"Moon at 65 south", false, kMoonBody, -65.0, 2025, 3, 1, 28},
    {"precise, polar night ends", true, kSunBody, 69.65, 2025, 1, 10, 10},
    {"precise, Moon at 70 north", true, kMoonBody, 70.0, 2025, 3, 1, 28},
    {"Sun 3\" above the horizon at noon", false, kSunBody, 67.883229, 2025, 12, 10, 1},
    {"Sun 3\" below the horizon at midnight", false, kSunBody, 66.018333, 2025, 6, 12, 1},
    {"Sun 3\" below -6 degrees at midnight", false, kSunBody, 60.847516, 2025, 6, 12, 1},
    {"precise, Sun 3\" above the horizon at noon", true, kSunBody, 69.273604, 2025, 1, 12, 1},
    {"precise, Sun 3\" below the horizon at midnight", true, kSunBody, -67.347036, 2025, 12, 1, 1},
};

// Every crossing the brute-force scan finds is found once, within 1 s, and
// nothing else.
TEST(CalculatorSky, GrazingDaysMatchAFineScan) {
  for (const GrazingCase& c : kGrazing) {
    const GeoSite site{15.0 * kDeg, c.latitude * kDeg};
    const CalculatorBodySky calculator(c.body, site);
    const PreciseSky precise(c.body == kSunBody ? Body::kSun : Body::kMoon, site);
    const SkyFunction& sky = c.precise ? static_cast<const SkyFunction&>(precise) : calculator;
    const DaySpan first = LocalDay(c.year, c.month, c.day, 1, 0);
    for (int d = 0; d < c.days; ++d) {
      SCOPED_TRACE(std::string(c.what) + " day " + std::to_string(d));
      const double start = first.startJd + d, end = start + 1.0;
      const DayEvents e = FindDayEvents(sky, start, end);
      const Scan horizon = ScanCrossings(sky, start, end, [](const SkyState& s) {
        return s.altitude + kHorizonRefraction + s.semidiameter;
      });
      ExpectSameEvents(e.rises, horizon.up, kSecond, "rises");
      ExpectSameEvents(e.sets, horizon.down, kSecond, "sets");
      if (c.body != kSunBody) continue;
      for (int i = 0; i < kTwilightCount; ++i) {
        const double depression = kTwilightDepression[i];
        const Scan t = ScanCrossings(sky, start, end, [&](const SkyState& s) { return s.altitude + depression; });
        ExpectSameEvents(e.twilights[i].dawns, t.up, kSecond, "dawns");
        ExpectSameEvents(e.twilights[i].dusks, t.down, kSecond, "dusks");
      }
    }
  }
}

}  // namespace
}  // namespace skycalc::events
