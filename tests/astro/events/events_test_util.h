#pragma once

// What the event tests share: units and a brute-force scan to compare the
// search with.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/events/day_events.h"

namespace skycalc::events {

inline constexpr double kDeg = kExactPi / 180.0;
inline constexpr double kArcsec = kDeg / 3600.0;
inline constexpr double kSecond = 1.0 / 86400.0;
// How far the hour angle turns in one second of time.
inline constexpr double kHourAnglePerSecond = kExactTwoPi * 1.0027379 / 86400.0;

struct Scan {
  std::vector<double> up, down;
};

// Crossings of level(state) >= 0 in [start, end) from samples every 20 s,
// each bisected to 0.01 s: slow and simple, so that it can judge the search.
// It would miss only a stay above or below shorter than 20 s, a graze of
// well under 0.1 arcsecond.
template <typename Level>
Scan ScanCrossings(const SkyFunction& sky, double start, double end, const Level& level) {
  constexpr double step = 20.0 / 86400.0;
  Scan out;
  sky.Cover(start - 0.1, end + 0.1);
  double t0 = start - step;
  double g0 = level(sky.At(t0));
  for (int i = 0; t0 < end; ++i) {
    const double t1 = start + i * step;
    const double g1 = level(sky.At(t1));
    if ((g0 >= 0.0) != (g1 >= 0.0)) {
      double a = t0, b = t1;
      const bool aUp = g0 >= 0.0;
      while (b - a > 0.01 / 86400.0) {
        const double m = 0.5 * (a + b);
        ((level(sky.At(m)) >= 0.0) == aUp ? a : b) = m;
      }
      const double t = 0.5 * (a + b);
      if (t >= start && t < end) (g1 >= 0.0 ? out.up : out.down).push_back(t);
    }
    t0 = t1;
    g0 = g1;
  }
  return out;
}

inline void ExpectSameEvents(const std::vector<Event>& found, const std::vector<double>& expected, double tolerance,
                             const char* what) {
  ASSERT_EQ(found.size(), expected.size()) << what;
  for (std::size_t i = 0; i < found.size(); ++i) EXPECT_NEAR(found[i].jd, expected[i], tolerance) << what;
}

}  // namespace skycalc::events
