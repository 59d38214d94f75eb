#include "astro/events/day_events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "events_test_util.h"

namespace skycalc::events {
namespace {

constexpr double kHorizon = -kHorizonRefraction;
constexpr double kStart = 2460000.25;  // 18:00 UT, on the hourly sample grid

// Altitude mean + amplitude * cos(hour angle), the hour angle turning once a
// period: every crossing is known in closed form.
class ToySky final : public SkyFunction {
 public:
  ToySky(double mean, double amplitude, double transitJd, double period, bool sun)
      : mean_(mean), amplitude_(amplitude), transitJd_(transitJd), period_(period), sun_(sun) {}
  Status Cover(double, double) const override { return Status::kOk; }
  SkyState At(double jd) const override {
    const double theta = kExactTwoPi * (jd - transitJd_) / period_;
    return {mean_ + amplitude_ * std::cos(theta), FoldAzimuth(theta, 0.0), WrapHourAngle(theta), 0.0};
  }
  bool IsSun() const override { return sun_; }
  std::vector<double> Crossings(double level, bool upwards, double from, double to) const {
    std::vector<double> out;
    const double c = (level - mean_) / amplitude_;
    if (std::fabs(c) > 1.0) return out;
    const double phase = (upwards ? -1.0 : 1.0) * std::acos(c) / kExactTwoPi;
    for (double n = std::floor((from - transitJd_) / period_) - 1.0; n < (to - transitJd_) / period_ + 1.0; ++n) {
      const double jd = transitJd_ + (n + phase) * period_;
      if (jd >= from && jd < to) out.push_back(jd);
    }
    return out;
  }

 private:
  double mean_, amplitude_, transitJd_, period_;
  bool sun_;
};

struct ToyCase {
  const char* name;
  double mean, amplitude, transit, period;  // transit in days after kStart
  bool sun;
};

const ToyCase kToyCases[] = {
    {"mid-latitude Sun with twilights", -10.0 * kDeg, 40.0 * kDeg, 0.52, 1.0, true},
    {"transit just after midnight", 5.0 * kDeg, 50.0 * kDeg, 0.001, 1.0, false},
    {"always up", 30.0 * kDeg, 20.0 * kDeg, 0.5, 1.0, false},
    {"always down, transit below the horizon", -50.0 * kDeg, 10.0 * kDeg, 0.3, 1.0, false},
    {"two rises in one day", 0.0, 60.0 * kDeg, 0.2517, 23.9 / 24.0, false},
    // Maximum 2" above the horizon halfway between hourly samples, which are
    // all below it: a rise and a set minutes apart.
    {"grazing maximum", kHorizon - 10.0 * kDeg + 2.0 * kArcsec, 10.0 * kDeg, 10.5 / 24.0, 1.0, false},
    {"grazing minimum", kHorizon + 10.0 * kDeg - 2.0 * kArcsec, 10.0 * kDeg, 21.5 / 24.0, 1.0, false},
    {"maximum 2\" short: nothing", kHorizon - 10.0 * kDeg - 2.0 * kArcsec, 10.0 * kDeg, 10.5 / 24.0, 1.0, false},
};

TEST(FindDayEvents, ToyBodiesMatchTheirExactCrossings) {
  for (const ToyCase& c : kToyCases) {
    SCOPED_TRACE(c.name);
    const ToySky sky(c.mean, c.amplitude, kStart + c.transit, c.period, c.sun);
    const double end = kStart + 1.0;
    const DayEvents e = FindDayEvents(sky, kStart, end);
    ASSERT_EQ(e.status, Status::kOk);
    const std::vector<double> rises = sky.Crossings(kHorizon, true, kStart, end);
    const std::vector<double> sets = sky.Crossings(kHorizon, false, kStart, end);
    // Crossings converge to about 0.01 s.
    ExpectSameEvents(e.rises, rises, 0.005 * kSecond, "rises");
    ExpectSameEvents(e.sets, sets, 0.005 * kSecond, "sets");
    const bool none = rises.empty() && sets.empty();
    EXPECT_EQ(e.alwaysUp, none && c.mean - c.amplitude > kHorizon);
    EXPECT_EQ(e.alwaysDown, none && c.mean + c.amplitude < kHorizon);
    ASSERT_EQ(e.transits.size(), 1u);
    EXPECT_NEAR(e.transits[0].jd, kStart + c.transit, 0.5 * kSecond);
    EXPECT_NEAR(e.transits[0].altitude, c.mean + c.amplitude, 1e-9);
    for (int i = 0; i < kTwilightCount; ++i) {
      const double level = -kTwilightDepression[i];
      const auto only = [&](bool up) { return c.sun ? sky.Crossings(level, up, kStart, end) : std::vector<double>{}; };
      ExpectSameEvents(e.twilights[i].dawns, only(true), 0.005 * kSecond, "dawns");
      ExpectSameEvents(e.twilights[i].dusks, only(false), 0.005 * kSecond, "dusks");
    }
  }
}

// Regression: brackets on a grid fixed in absolute time, so the two days
// around a crossing at local midnight agree on which of them owns it.
TEST(FindDayEvents, EventAtMidnightBelongsToExactlyOneDay) {
  const double midnight = kStart + 1.0;
  for (double offset : {-5.0, -1.0, -0.01, 0.0, 0.01, 1.0, 5.0}) {
    SCOPED_TRACE(offset);
    const double rise = midnight + offset * kSecond;
    const ToySky sky(kHorizon, 40.0 * kDeg, rise + 0.25, 1.0, false);  // rises a quarter turn before transit
    const DayEvents today = FindDayEvents(sky, kStart, midnight);
    const DayEvents tomorrow = FindDayEvents(sky, midnight, midnight + 1.0);
    const auto count = [&](const DayEvents& e) {
      int n = 0;
      for (const Event& x : e.rises) n += std::fabs(x.jd - rise) < 0.5 * kSecond;
      return n;
    };
    EXPECT_EQ(count(today) + count(tomorrow), 1);
    if (std::fabs(offset) >= 1.0) {
      EXPECT_EQ(count(offset < 0.0 ? today : tomorrow), 1);
    }
  }
}

TEST(FindDayEvents, InvalidDaysHaveNoEvents) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double bad[][2] = {{nan, kStart}, {kStart, nan}, {kStart, kStart}, {kStart + 1.0, kStart},
                           {kStart, kStart + 2.5}};
  const ToySky sky(0.0, 60.0 * kDeg, kStart, 1.0, true);
  for (const auto& b : bad) {
    const DayEvents e = FindDayEvents(sky, b[0], b[1]);
    EXPECT_EQ(e.status, Status::kInvalidDay) << b[0] << ' ' << b[1];
    EXPECT_TRUE(e.rises.empty() && e.transits.empty() && !e.alwaysUp && !e.alwaysDown);
  }
}

// Days searched one after another with the samples the day before leaves
// give the very events (bit for bit) of days searched alone, for a sky the
// samples straddle at every midnight, and with a memo left by another sky
// shape of day (a longer day, then a gap).
TEST(FindDayEvents, SharedSamplesGiveTheSameEvents) {
  const ToySky sky(-10.0 * kDeg, 40.0 * kDeg, kStart + 0.52, 23.9 / 24.0, true);
  DaySamples samples;
  const double starts[] = {kStart, kStart + 1.0, kStart + 2.0, kStart + 3.5, kStart + 9.0, kStart + 10.0};
  for (double start : starts) {
    SCOPED_TRACE(start - kStart);
    const double end = start + (start == kStart + 2.0 ? 1.5 : 1.0);
    const DayEvents alone = FindDayEvents(sky, start, end, 0.3, kJapanConvention);
    const DayEvents shared = FindDayEvents(sky, start, end, 0.3, kJapanConvention, samples);
    const auto same = [](const std::vector<Event>& a, const std::vector<Event>& b) {
      ASSERT_EQ(a.size(), b.size());
      for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].jd, b[i].jd);
        EXPECT_EQ(a[i].azimuthFromOrigin, b[i].azimuthFromOrigin);
        EXPECT_EQ(a[i].altitude, b[i].altitude);
      }
    };
    same(alone.rises, shared.rises);
    same(alone.sets, shared.sets);
    same(alone.transits, shared.transits);
    for (int i = 0; i < kTwilightCount; ++i) {
      same(alone.twilights[i].dawns, shared.twilights[i].dawns);
      same(alone.twilights[i].dusks, shared.twilights[i].dusks);
    }
  }
}

TEST(FoldAzimuth, HalfOpenTurn) {
  const double cases[][3] = {{1.0, kExactPi, 1.0 + kExactPi}, {4.0, kExactPi, 4.0 - kExactPi},
                             {1.0, -7.0, 8.0 - kExactTwoPi}, {-1e-18, 0.0, 0.0}};  // the last would round to 2 pi
  for (const auto& c : cases) EXPECT_NEAR(FoldAzimuth(c[0], c[1]), c[2], 1e-15) << c[0] << ' ' << c[1];
  EXPECT_EQ(WrapHourAngle(-kExactPi), kExactPi);
}

// WrapHourAngle is the library's remainder by a turn, folded into (-pi, pi],
// bit for bit, at the edges of its shortcut (pi, 2.5 pi) and beyond.
TEST(WrapHourAngle, TheLibrarysRemainder) {
  const double pi = kExactPi, up = std::nextafter(pi, 10.0), down = std::nextafter(pi, 0.0);
  const double angles[] = {0.0,  -0.0,      pi,         -pi,         up,      -up,       down,     -down,
                           3.0,  -3.0,      2.0 * pi,   -2.0 * pi,   7.0,     -7.0,      2.5 * pi, -2.5 * pi,
                           7.86, -7.86,     3.0 * pi,   -3.0 * pi,   100.25,  -1e6,      1e-300,   6.283185307179586};
  for (double a : angles) {
    const double r = std::remainder(a, kExactTwoPi);
    const double expected = r <= -kExactPi ? r + kExactTwoPi : r;
    const double got = WrapHourAngle(a);
    EXPECT_EQ(std::signbit(got), std::signbit(expected)) << a;
    EXPECT_EQ(got, expected) << a;
  }
  EXPECT_TRUE(std::isnan(WrapHourAngle(std::numeric_limits<double>::infinity())));
}

}  // namespace
}  // namespace skycalc::events
