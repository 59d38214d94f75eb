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
#include <cstring>

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

// The search's frame writes ERFA's rotations and sidereal time out in place
// of calling them: the same bits as ERFA's own, at every instant tried
// (both sides of 2000, where the sidereal time's turns are cut off by a
// remainder of either sign).
TEST(SearchEvaluation, SearchFrameBitForBitAsErfa) {
  int differing = 0;
  for (double jd = kFirstJd; jd < kEndJd; jd += 1.37) {
    const Instant t = timescale::MakeInstant(jd);
    const detail::SlowTerms slow = detail::SlowTermsAt(t.jdTt);
    const detail::SearchFrame frames = detail::MakeSearchFrameWithEcliptic(t, slow);
    const detail::DateFrame& search = frames.frame;
    double gamma = 0.0, phi = 0.0, psi = 0.0, epsA = 0.0, matrix[3][3], ecliptic[3][3];
    eraPfw06(t.jdTt, 0.0, &gamma, &phi, &psi, &epsA);
    eraFw2m(gamma, phi, psi + slow.dpsi, epsA + slow.deps, matrix);
    eraIr(ecliptic);
    eraRz(psi, ecliptic);
    eraRx(-phi, ecliptic);
    eraRz(-gamma, ecliptic);
    const double gast =
        detail::FoldAngle(eraGmst06(t.jdUtc, 0.0, t.jdTt, 0.0) + (slow.dpsi * std::cos(epsA) + slow.eect));
    const bool same = std::memcmp(matrix, search.gcrsToTrue, sizeof matrix) == 0 && gast == search.gast &&
                      std::memcmp(ecliptic, frames.eclipticToGcrs, sizeof ecliptic) == 0;
    if (!same && ++differing <= 3) ADD_FAILURE() << "JD " << jd;
  }
  EXPECT_EQ(differing, 0);
}

TEST(SearchEvaluation, ComplementaryTermsBitForBitAsErfa) {
  for (double jd = kFirstJd; jd < kEndJd; jd += 0.93) {
    ASSERT_EQ(detail::ComplementaryTerms(jd), eraEect00(jd, 0.0)) << jd;
  }
}

// Two instants at once give each the bits of its own evaluation,
// with the turns from the ecliptic their search frames made.
TEST(SearchEvaluation, MoonBySeriesOfFramesAsOneByOne) {
  for (double jd = kFirstJd; jd < kEndJd; jd += 7.91) {
    detail::SearchFrame frames[7];
    for (int i = 0; i < 7; ++i) {
      const Instant t = timescale::MakeInstant(jd + 0.125 * i);
      frames[i] = detail::MakeSearchFrameWithEcliptic(t, detail::SlowTermsAt(t.jdTt));
    }
    double batch[7][2][3], one[2][3];
    detail::MoonBySeriesOfFrames(frames, 7, batch);  // three pairs and one
    for (int i = 0; i < 7; ++i) {
      detail::MoonBySeries(frames[i].jdTt, one);
      ASSERT_EQ(std::memcmp(batch[i], one, sizeof one), 0) << jd << " " << i;
    }
  }
}

}  // namespace
}  // namespace skycalc::precise
