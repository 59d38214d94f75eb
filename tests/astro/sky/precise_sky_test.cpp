#include "astro/sky/precise_sky.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "astro/events/day_events.h"
#include "astro/events/local_day.h"
#include "astro/sky/calculator_sky.h"
#include "astro/time/time_scales.h"
#include "events_test_util.h"

#ifndef SKYCALC_EVENTS_REFERENCE
#error "SKYCALC_EVENTS_REFERENCE must name events_reference.csv"
#endif

namespace skycalc::events {
namespace {

using sky::PreciseSky;
using sky::kPreciseNodeSpacing;
using sky::kPreciseStarNodeSpacing;

struct InterpolationCase {
  Body body;
  bool star;         // Sirius instead of the body
  double tolerance;  // arcseconds, in altitude, azimuth (on the sky) and hour angle
};

const InterpolationCase kInterpolation[] = {
    {Body::kSun, false, 0.03},     {Body::kMercury, false, 0.05}, {Body::kVenus, false, 0.05},
    {Body::kMars, false, 0.01},    {Body::kJupiter, false, 0.02}, {Body::kSaturn, false, 0.02},
    {Body::kUranus, false, 0.01},  {Body::kNeptune, false, 0.01}, {Body::kPluto, false, 0.01},
    {Body::kMoon, false, 0.05},    {Body::kSun, true, 0.01},
};

constexpr double kSiriusRa = 101.287155 * kDeg, kSiriusDec = -16.716116 * kDeg;

// The interpolated place against the full model at random instants over the
// model's years; the node spacing is what keeps this small.
TEST(PreciseSky, InterpolationStaysWithinHundredthsOfAnArcsecond) {
  std::mt19937 rng(20240320);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const InterpolationCase& c : kInterpolation) {
    SCOPED_TRACE(c.star ? -1 : static_cast<int>(c.body));
    // 1000, 1600, 2000, 2023, 2999; Pluto's model starts in 1885.
    for (double epoch : {2086350.0, 2305448.0, 2451545.0, 2460000.0, 2816740.0}) {
      if (c.body == Body::kPluto && !c.star && (epoch < 2409000.0 || epoch > 2488000.0)) epoch = 2415020.0;
      for (double latitude : {0.0, 48.0, -69.9}) {
        const GeoSite site{(unit(rng) * 360.0 - 180.0) * kDeg, latitude * kDeg};
        const GeoSite observer{site.longitude, site.latitude};
        const PreciseSky sky = c.star ? PreciseSky(kSiriusRa, kSiriusDec, site) : PreciseSky(c.body, site);
        for (int i = 0; i < 12; ++i) {
          const double jd = epoch - 30.0 + unit(rng) * 60.0;
          const precise::TopocentricPlace exact = c.star ? precise::StarPlace(kSiriusRa, kSiriusDec, jd, observer)
                                                         : precise::BodyPlace(c.body, jd, observer);
          // Within 3 degrees of the Sun the light deflection is beyond any spacing.
          const precise::GeocentricApparent sun = precise::BodyGeocentric(Body::kSun, timescale::MakeInstant(jd));
          const double elongation = std::acos(std::sin(sun.declination) * std::sin(exact.declination) +
                                              std::cos(sun.declination) * std::cos(exact.declination) *
                                                  std::cos(sun.rightAscension - exact.rightAscension));
          if ((c.star || c.body != Body::kSun) && c.body != Body::kMoon && elongation < 3.0 * kDeg) continue;
          const SkyState s = sky.At(jd);
          const double tolerance = c.tolerance * kArcsec;
          EXPECT_NEAR(s.altitude, exact.altitude, tolerance) << jd;
          EXPECT_NEAR(WrapHourAngle(s.azimuth - exact.azimuth) * std::cos(exact.altitude), 0.0, tolerance) << jd;
          EXPECT_NEAR(WrapHourAngle(s.hourAngle - (exact.localSiderealTime - exact.rightAscension)) *
                          std::cos(exact.declination), 0.0, tolerance) << jd;
        }
      }
    }
  }
}

// Regression: interpolating the place against UTC smoothed the 1 s jump of
// TT at a leap second over the nodes around it, half an arcsecond for the Moon.
TEST(PreciseSky, MoonAcrossALeapSecondStaysExact) {
  const GeoSite site{0.2, 0.6};
  const PreciseSky sky(Body::kMoon, site);
  for (double jd = 2457754.5 - 0.3; jd < 2457754.5 + 0.3; jd += 0.0071) {  // 2017 January 1, 0h UTC
    EXPECT_NEAR(sky.At(jd).altitude, precise::BodyPlace(Body::kMoon, jd, {site.longitude, site.latitude}).altitude,
                0.01 * kArcsec) << jd;
  }
}

// A search's own evaluations may take TT - UTC cubic through a window's
// nodes, but not across a leap second or the seam where the polynomial
// takes over from the table or another piece of the polynomial: there a
// smoothed jump would move the Sun and the Moon by up to half a second of
// their motion. Around each, SearchAt and At (which asks DeltaT itself) agree
// to rounding.
TEST(PreciseSky, SearchTakesTtMinusUtcAsAtAcrossItsJumpsAndSeams) {
  const GeoSite site{0.2, 0.6};
  const double jumps[] = {2457754.5,                   // 2017-01-01: a leap second
                          timescale::LeapTableEnd(),   // the table's end
                          2469807.5,                   // 2050-01-01: the next polynomial
                          2433282.5};                  // 1950-01-01, inside a piece: smooth
  for (const Body body : {Body::kSun, Body::kMoon}) {
    const PreciseSky sky(body, site);
    for (const double jump : jumps) {
      for (double jd = jump - 3.0; jd < jump + 3.0; jd += 0.0173) {
        EXPECT_NEAR(sky.SearchAt(jd).altitude, sky.At(jd).altitude, 1e-14) << static_cast<int>(body) << " " << jd;
      }
    }
  }
}

// Regression: the value at an instant came from whichever nodes the last day
// left behind; now the grid is fixed, so a day's events do not depend on the
// days asked before it.
TEST(PreciseSky, EventsDoNotDependOnTheDaysAskedBefore) {
  const GeoSite site{18.96 * kDeg, 69.65 * kDeg};
  const DaySpan day = LocalDay(2025, 5, 18, 1, 0);
  for (Body body : {Body::kSun, Body::kMoon}) {
    const DayEvents fresh = FindDayEvents(PreciseSky(body, site), day.startJd, day.endJd);
    const PreciseSky reused(body, site);
    for (double shift : {-1.0, 5.0, -3.0, 1.0}) FindDayEvents(reused, day.startJd + shift, day.endJd + shift);
    const DayEvents again = FindDayEvents(reused, day.startJd, day.endJd);
    ASSERT_EQ(fresh.rises.size(), again.rises.size());
    ASSERT_EQ(fresh.sets.size(), again.sets.size());
    for (std::size_t i = 0; i < fresh.rises.size(); ++i) EXPECT_EQ(fresh.rises[i].jd, again.rises[i].jd);
    for (std::size_t i = 0; i < fresh.sets.size(); ++i) EXPECT_EQ(fresh.sets[i].jd, again.sets[i].jd);
  }
}

struct YearsCase {
  Body body;
  std::int32_t year;
  Status status;
};

const YearsCase kYears[] = {
    {Body::kSun, 998, Status::kOutsideYears},          {Body::kMoon, 3001, Status::kOutsideYears},
    {Body::kPluto, 1800, Status::kOutsidePlutoYears}, {Body::kPluto, 2200, Status::kOutsidePlutoYears},
    {Body::kSun, 1000, Status::kOk},                   {Body::kPluto, 2000, Status::kOk},
};

TEST(PreciseSky, OutsideTheModelsYearsGivesItsStatusAndNoEvents) {
  const GeoSite site{0.0, 45.0 * kDeg};
  for (const YearsCase& c : kYears) {
    const DaySpan day = LocalDay(c.year, 6, 1, 0, 0);
    const DayEvents e = FindDayEvents(PreciseSky(c.body, site), day.startJd, day.endJd);
    EXPECT_EQ(e.status, c.status) << c.year;
    if (c.status != Status::kOk) {
      EXPECT_TRUE(e.rises.empty() && e.sets.empty() && e.transits.empty() && !e.alwaysUp && !e.alwaysDown);
    }
  }
}

// The reference file from scripts/make_events_reference.py (PyEphem).
std::vector<std::string> Split(const std::string& s) {
  std::vector<std::string> out(1);
  for (char c : s) {
    if (c == ',') out.emplace_back(); else out.back().push_back(c);
  }
  return out;
}

std::vector<double> Seconds(const std::string& field) {
  std::istringstream in(field);
  std::vector<double> out;
  for (double t; in >> t;) out.push_back(t);
  return out;
}

const std::map<std::string, Body> kBodies = {
    {"sun", Body::kSun}, {"moon", Body::kMoon}, {"venus", Body::kVenus}, {"mars", Body::kMars},
    {"jupiter", Body::kJupiter}};

struct Agreement {
  int events = 0;
  double worst = 0.0;  // seconds
  int grazing = 0;     // events allowed more than a minute
  double worstGrazing = 0.0;
};

// The two models' places differ by an arcsecond or two; at a crossing where
// the altitude moves slower than 2" a minute (a graze) that shifts the time
// by more than a minute, so there the time may differ by what 2" takes.
constexpr double kModelsDisagreement = 2.0 * kArcsec;

double Tolerance(const SkyFunction& sky, double jd, int column) {
  if (column == 2) return 60.0;  // a transit: the hour angle always turns fast
  const double offset = column < 2 ? kHorizonRefraction : kTwilightDepression[(column - 3) / 2];
  auto level = [&](double t) {
    const SkyState s = sky.At(t);
    return s.altitude + offset + (column < 2 ? s.semidiameter : 0.0);
  };
  const double perSecond = std::fabs(level(jd + 10.0 * kSecond) - level(jd - 10.0 * kSecond)) / 20.0;
  return std::max(60.0, kModelsDisagreement / perSecond);
}

// Every event of PyEphem within a minute (a graze within the time 2" of
// altitude takes), none missing, none extra, the polar day and night flags
// the same.
TEST(PreciseSky, AgreesWithPyEphemOnEveryDay) {
  std::ifstream file(SKYCALC_EVENTS_REFERENCE);
  ASSERT_TRUE(file) << SKYCALC_EVENTS_REFERENCE;
  std::map<std::string, std::pair<GeoSite, std::pair<int, int>>> sites;  // site, zone hours and minutes
  std::map<std::string, std::pair<double, double>> stars;
  std::map<std::string, Agreement> agreement;
  static const char* const kColumns[] = {"rise", "set", "transit", "dawn6", "dusk6",
                                         "dawn12", "dusk12", "dawn18", "dusk18"};
  int rows = 0, flags = 0;
  std::string line;
  while (std::getline(file, line)) {
    const std::vector<std::string> f = Split(line);
    if (f[0] == "#site") {
      sites[f[1]] = {{std::stod(f[2]) * kDeg, std::stod(f[3]) * kDeg}, {std::stoi(f[4]), std::stoi(f[5])}};
      continue;
    }
    if (f[0] == "#star") {
      stars[f[1]] = {std::stod(f[2]) * kDeg, std::stod(f[3]) * kDeg};
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    ASSERT_EQ(f.size(), 13u) << line;
    SCOPED_TRACE(line);
    const auto& [where, zone] = sites.at(f[0]);
    const DaySpan day = LocalDay(std::stoi(f[1].substr(0, 4)), std::stoi(f[1].substr(5, 2)),
                                 std::stoi(f[1].substr(8, 2)), zone.first, zone.second);
    const auto star = stars.find(f[2]);
    const PreciseSky sky = star != stars.end() ? PreciseSky(star->second.first, star->second.second, where)
                                               : PreciseSky(kBodies.at(f[2]), where);
    const DayEvents e = FindDayEvents(sky, day.startJd, day.endJd);
    ASSERT_EQ(e.status, Status::kOk);
    ++rows;
    EXPECT_EQ(e.alwaysUp, f[3] == "U");
    EXPECT_EQ(e.alwaysDown, f[3] == "D");
    flags += f[3] != "-";
    const std::vector<Event>* found[] = {&e.rises, &e.sets, &e.transits, &e.twilights[0].dawns,
        &e.twilights[0].dusks, &e.twilights[1].dawns, &e.twilights[1].dusks, &e.twilights[2].dawns,
        &e.twilights[2].dusks};  // the columns' order
    for (int k = 0; k < 9; ++k) {
      const std::vector<double> expected = Seconds(f[4 + k]);
      ASSERT_EQ(found[k]->size(), expected.size()) << kColumns[k];
      Agreement& a = agreement[kColumns[k]];
      for (std::size_t i = 0; i < expected.size(); ++i) {
        const double seconds = ((*found[k])[i].jd - day.startJd) * 86400.0;
        const double tolerance = Tolerance(sky, (*found[k])[i].jd, k);
        const double difference = std::fabs(seconds - expected[i]);
        EXPECT_LE(difference, tolerance) << kColumns[k];
        ++a.events;
        if (tolerance > 60.0) {
          ++a.grazing;
          a.worstGrazing = std::max(a.worstGrazing, difference);
        } else {
          a.worst = std::max(a.worst, difference);
        }
      }
    }
  }
  EXPECT_GT(rows, 4000);
  std::printf("PyEphem reference: %d days, %d always up or down\n", rows, flags);
  for (const auto& [column, a] : agreement) {
    std::printf("  %-8s %5d events, worst %.1f s; %d grazing, worst %.1f s\n", column.c_str(), a.events, a.worst,
                a.grazing, a.worstGrazing);
  }
}

// The full model at every instant the search asks for (each a readout),
// for the test below.
class ReadoutSky final : public SkyFunction {
 public:
  ReadoutSky(Body body, const GeoSite& site) : body_(body), site_(site) {}
  Status Cover(double, double) const override { return Status::kOk; }
  SkyState At(double jd) const override {
    const precise::TopocentricPlace p = precise::BodyPlace(body_, jd, site_);
    SkyState s;
    s.altitude = p.altitude;
    s.azimuth = p.azimuth;
    s.hourAngle = WrapHourAngle(p.localSiderealTime - p.rightAscension);
    const double radius = body_ == Body::kSun ? sky::kSunRadiusKm : sky::kMoonRadiusKm;
    s.semidiameter = std::asin(radius / (p.distance * sky::kAstronomicalUnitKm));
    return s;
  }
  bool IsSun() const override { return body_ == Body::kSun; }

 private:
  Body body_;
  GeoSite site_;
};

// The search on the interpolated nodes (the Moon's made by the search's own
// series and frame) finds the events of the same search on the full model,
// within a second, and no other: near the poles too, where the Moon stays up
// or down for days, the Sun does not set or rise and a twilight does not end.
TEST(PreciseSky, SearchFindsTheFullModelsEvents) {
  struct Case {
    Body body;
    double latitude, longitude;  // degrees
    int year, month, day;
  } cases[] = {
      {Body::kMoon, 35.7, 139.7, 2025, 1, 1},  {Body::kMoon, 69.9, 18.9, 2025, 3, 1},
      {Body::kMoon, -69.9, 40.0, 1005, 6, 20}, {Body::kMoon, 0.5, -170.0, 2999, 12, 1},
      {Body::kMoon, 64.0, -21.0, 1850, 9, 10}, {Body::kSun, 69.9, 18.9, 2026, 6, 10},
      {Body::kSun, 60.0, 10.0, 2026, 6, 15},   {Body::kSun, -69.9, 40.0, 1400, 12, 20},
      {Body::kSun, 35.7, 139.7, 2024, 3, 18},
  };
  int edges[3] = {0, 0, 0};  // days the Moon stays up or down, the Sun likewise, night without its end of twilight
  for (const Case& c : cases) {
    const GeoSite site{c.longitude * kDeg, c.latitude * kDeg};
    const PreciseSky searched(c.body, site);
    const ReadoutSky full(c.body, site);
    for (int d = 0; d < 6; ++d) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(c.body) << " " << c.latitude << " " << c.year << "-"
                                      << c.month << "-" << c.day + d);
      const DaySpan span = LocalDay(c.year, c.month, c.day + d, 0, 0);
      const DayEvents a = FindDayEvents(searched, span.startJd, span.endJd, 0.0, kJapanConvention);
      const DayEvents b = FindDayEvents(full, span.startJd, span.endJd, 0.0, kJapanConvention);
      EXPECT_EQ(a.alwaysUp, b.alwaysUp);
      EXPECT_EQ(a.alwaysDown, b.alwaysDown);
      edges[c.body == Body::kMoon ? 0 : 1] += a.alwaysUp || a.alwaysDown;
      edges[2] += c.body == Body::kSun && a.twilights[2].dusks.empty();
      auto same = [](const std::vector<Event>& x, const std::vector<Event>& y) {
        ASSERT_EQ(x.size(), y.size());
        for (std::size_t i = 0; i < x.size(); ++i) EXPECT_NEAR(x[i].jd, y[i].jd, 1.0 / 86400.0);
      };
      same(a.rises, b.rises);
      same(a.sets, b.sets);
      same(a.transits, b.transits);
      for (int k = 0; k < kTwilightCount; ++k) {
        same(a.twilights[k].dawns, b.twilights[k].dawns);
        same(a.twilights[k].dusks, b.twilights[k].dusks);
      }
    }
  }
  EXPECT_GT(edges[0], 0);
  EXPECT_GT(edges[1], 0);
  EXPECT_GT(edges[2], 0);
}

}  // namespace
}  // namespace skycalc::events
