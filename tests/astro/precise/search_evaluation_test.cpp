// The precise model's evaluations for searches (its rise and set nodes)
// against the readouts' own: the Moon's series by angle addition against
// ERFA's eraMoon98 and the search's frame against the readouts', every
// 17.3 days of 1000-2999.
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/precise/frame.h"
#include "astro/precise/precise.h"
#include "astro/time/time_scales.h"

namespace skycalc::precise {
namespace {

constexpr double kFirstJd = 2086308.5, kEndJd = 2816788.5, kStep = 17.3;

TEST(SearchEvaluation, MoonBySeriesAsEraMoon98) {
  double worstDirection = 0.0, worstDistance = 0.0, worstVelocity = 0.0;
  for (double jd = kFirstJd; jd < kEndJd; jd += kStep) {
    double mine[2][3], erfa[2][3];
    detail::MoonBySeries(jd, mine);
    eraMoon98(jd, 0.0, erfa);
    const double r = eraPm(erfa[0]);
    double cross[3];
    eraPxp(mine[0], erfa[0], cross);
    double dv[3];
    eraPmp(mine[1], erfa[1], dv);
    worstDirection = std::max(worstDirection, eraPm(cross) / (r * eraPm(mine[0])));
    worstDistance = std::max(worstDistance, std::fabs(eraPm(mine[0]) / r - 1.0));
    worstVelocity = std::max(worstVelocity, eraPm(dv) / eraPm(erfa[1]));
  }
  std::printf("worst: direction %.2e rad, distance %.2e, velocity %.2e (relative)\n", worstDirection,
              worstDistance, worstVelocity);
  // 1e-14 rad is 2 nanoarcseconds, 4 micrometres at the Moon.
  EXPECT_LT(worstDirection, 1e-14);
  EXPECT_LT(worstDistance, 1e-14);
  EXPECT_LT(worstVelocity, 1e-14);
}

TEST(SearchEvaluation, SearchFrameAsReadoutFrame) {
  double worstMatrix = 0.0, worstSidereal = 0.0;
  for (double jd = kFirstJd; jd < kEndJd; jd += kStep) {
    const Instant t = timescale::MakeInstant(jd);
    const detail::DateFrame readout = detail::MakeDateFrame(t);
    const detail::DateFrame search = detail::MakeSearchFrame(t, detail::SlowTermsAt(t.jdTt));
    for (int i = 0; i < 3; ++i) {
      for (int k = 0; k < 3; ++k) {
        worstMatrix = std::max(worstMatrix, std::fabs(search.gcrsToTrue[i][k] - readout.gcrsToTrue[i][k]));
      }
    }
    worstSidereal = std::max(worstSidereal, std::fabs(std::remainder(search.gast - readout.gast, ERFA_D2PI)));
  }
  std::printf("worst: matrix %.2e, sidereal time %.2e rad\n", worstMatrix, worstSidereal);
  EXPECT_LT(worstMatrix, 1e-15);
  EXPECT_LT(worstSidereal, 1e-15);
}

}  // namespace
}  // namespace skycalc::precise
