// The two models behind the one interface: which years each covers, and the
// precise model's places against PyEphem (4.1.4, topocentric apparent places
// without refraction, site at sea level, made by hand for these rows).

#include "astro/sky/model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/base/constants.h"
#include "astro/base/body.h"
#include "astro/events/local_day.h"
#include "astro/sky/calculator_sky.h"
#include "astro/sky/day_table.h"
#include "astro/sky/precise_sky.h"

namespace skycalc::sky {
namespace {

TEST(SkyModels, Coverage) {
  const Target sun = Target::OfBody(Body::kSun), pluto = Target::OfBody(Body::kPluto),
               neptune = Target::OfBody(Body::kNeptune), star = Target::OfCatalogRow(101.287, -16.716);
  struct Case {
    const Target* target;
    std::int32_t year;
    Coverage precise;
  } const cases[] = {
      {&sun, 999, Coverage::kOutsideYears},        {&sun, 1000, Coverage::kCovered},
      {&sun, 2999, Coverage::kCovered},            {&sun, 3000, Coverage::kOutsideYears},
      {&star, 999, Coverage::kOutsideYears},       {&star, 2999, Coverage::kCovered},
      {&pluto, 1884, Coverage::kOutsidePlutoYears}, {&pluto, 1885, Coverage::kCovered},
      {&pluto, 2099, Coverage::kCovered},          {&pluto, 2100, Coverage::kOutsidePlutoYears},
      {&pluto, 999, Coverage::kOutsideYears},      {&neptune, 2100, Coverage::kCovered},
      {&neptune, 1884, Coverage::kCovered},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreciseModel().Covers(*c.target, c.year), c.precise) << c.year;
    EXPECT_EQ(CalculatorModel().Covers(*c.target, c.year), Coverage::kCovered) << c.year;
  }
  EXPECT_EQ(CalculatorModel().Covers(sun, -99999), Coverage::kCovered);
}

// Degrees between two directions given as (longitude, latitude) in degrees.
double Separation(double a1, double d1, double a2, double d2) {
  const double r = kExactDegToRad;
  const double c = std::sin(d1 * r) * std::sin(d2 * r) + std::cos(d1 * r) * std::cos(d2 * r) * std::cos((a1 - a2) * r);
  return std::acos(std::fmin(1.0, c)) / r;
}

TEST(SkyModels, PreciseAgreesWithPyEphem) {
  struct Case {
    Body body;
    double jd;
    std::int32_t year;
    double longitude, latitude, origin;
    double ra, dec, azimuth, altitude;  // degrees; azimuth from the origin, through the south point
  } const cases[] = {
      {Body::kMercury, 2460390.0, 2024, 139.7, 35.7, 0.0, 15.974667246834269, 8.486396164620507, 117.07771191187061, -20.017723759082024},
      {Body::kVenus, 2460390.0, 2024, 139.7, 35.7, 90.0, 342.61912694239135, -8.782557501451334, 44.48797338925982, -55.07756971218855},
      {Body::kMoon, 2463083.6458333335, 2031, -70.25, -33.4, 180.0, 341.78954970938184, -2.2423156265337205, 64.10551909672006, 36.91422523729206},
      {Body::kSun, 2816786.5, 2999, 10.0, 50.0, 270.5, 280.0091680804522, -22.99108376552207, 288.9751215785852, -61.91779584518663},
      {Body::kMars, 2086308.75, 1000, 0.0, 0.0, 45.0, 119.19853907892833, 25.203523977808086, 70.76784555360223, 11.60752400384315},
      {Body::kPluto, 2487855.5, 2099, 20.0, 20.0, 0.0, 37.007530591808056, -2.8675175293505886, 258.6625168596606, -35.76861126818416},
  };
  constexpr double kArcmin = 1.0 / 60.0;
  for (const Case& c : cases) {
    const Place p = PreciseModel().PlaceOf(Target::OfBody(c.body), Instant{c.jd, c.year}, Site{c.longitude, c.latitude},
                                           c.origin);
    const double d = kExactRadToDeg;
    EXPECT_LT(Separation(p.equatorial[0] * d, p.equatorial[1] * d, c.ra, c.dec), kArcmin) << static_cast<int>(c.body);
    EXPECT_LT(Separation(p.horizontal[0] * d, p.horizontal[1] * d, c.azimuth, c.altitude), kArcmin)
        << static_cast<int>(c.body);
  }
  // The apparent sidereal time at 139.7 E, 2024-03-20 12:00 UT: PyEphem 138.21047850437827 degrees.
  EXPECT_NEAR(PreciseModel().SiderealTime(Instant{2460390.0, 2024}, Site{139.7, 35.7}) * kExactRadToDeg,
              138.21047850437827, 0.2 / 3600.0 * 15.0);
}

TEST(SkyModels, PreciseRefusesOutsideItsYears) {
  const Place p = PreciseModel().PlaceOf(Target::OfBody(Body::kSun), Instant{2086303.5, 999}, Site{}, 0.0);
  EXPECT_TRUE(std::isnan(p.equatorial[0]) && std::isnan(p.horizontal[1]));
  EXPECT_TRUE(std::isnan(PreciseModel().SiderealTime(Instant{2086303.5, 999}, Site{})));
  EXPECT_FALSE(std::isnan(CalculatorModel().SiderealTime(Instant{2086303.5, 999}, Site{})));
}

// The first and last local days of the precise model's years have events:
// the search's nodes reach a little past them (once a wrong なし).
TEST(SkyModels, EdgeDaysOfThePreciseYearsHaveEvents) {
  struct Case {
    Body body;
    std::int32_t year;
    int month, day, zoneHours;
  } const cases[] = {
      {Body::kSun, 1000, 1, 1, 9},    {Body::kSun, 2999, 12, 31, -12}, {Body::kMoon, 1000, 1, 1, 23},
      {Body::kPluto, 1885, 1, 1, 9},  {Body::kPluto, 2099, 12, 31, 9}, {Body::kSaturn, 2999, 12, 30, 0},
  };
  for (const Case& c : cases) {
    const DayEventsTable table(PreciseModel(), Target::OfBody(c.body), Site{139.7, 35.7}, c.zoneHours, 0, 0.0);
    const LocalDayEvents day = table.Day(c.year, c.month, c.day);
    EXPECT_EQ(day.coverage, Coverage::kCovered);
    EXPECT_EQ(day.events.status, events::Status::kOk) << c.year;
    EXPECT_EQ(day.events.transits.size(), 1u) << c.year << "-" << c.month << "-" << c.day;
  }
}

// The table asks the search with the site as each model takes it: the
// calculator's own degree factor, the precise model's true one; the azimuth
// origin with the calculator's factor in both.
TEST(SkyModels, DayTableIsTheSearchAtTheModelsOwnSite) {
  const Site site{139.7f, 35.7f};
  const double origin = 180.0;
  const events::DaySpan span = events::LocalDay(2024, 6, 21, 9, 0);
  struct Case {
    const SkyModel* model;
    double factor;
  } const cases[] = {{&CalculatorModel(), kDegToRad}, {&PreciseModel(), kExactDegToRad}};
  for (const Case& c : cases) {
    const GeoSite radians{site.longitude * c.factor, site.latitude * c.factor};
    const std::unique_ptr<events::SkyFunction> direct =
        c.model->IsPrecise() ? std::unique_ptr<events::SkyFunction>(new PreciseSky(Body::kMoon, radians))
                             : std::unique_ptr<events::SkyFunction>(new CalculatorBodySky(kMoonBody, radians));
    // The table's own convention (Japan's unless told) and the international one.
    for (const events::RiseSetConvention* convention : {&events::kJapanConvention, &events::kIntlConvention}) {
      const events::DayEvents expected =
          events::FindDayEvents(*direct, span.startJd, span.endJd, origin * kDegToRad, *convention);
      const DayEventsTable table = convention == &events::kJapanConvention
                                       ? DayEventsTable(*c.model, Target::OfBody(Body::kMoon), site, 9, 0, origin)
                                       : DayEventsTable(*c.model, Target::OfBody(Body::kMoon), site, 9, 0, origin,
                                                        *convention);
      const LocalDayEvents day = table.Day(2024, 6, 21);
      ASSERT_EQ(day.events.rises.size(), expected.rises.size());
      ASSERT_FALSE(expected.rises.empty());
      EXPECT_EQ(day.dayStartJd, span.startJd);
      EXPECT_EQ(day.events.rises[0].jd, expected.rises[0].jd) << c.model->IsPrecise() << convention->name;
      EXPECT_EQ(day.events.rises[0].azimuthFromOrigin, expected.rises[0].azimuthFromOrigin);
      EXPECT_EQ(day.events.transits[0].altitude, expected.transits[0].altitude);
    }
  }
}

}  // namespace
}  // namespace skycalc::sky
