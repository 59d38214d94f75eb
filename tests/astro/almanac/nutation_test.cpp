// The almanac's IAU 2000B nutation (angle addition from the multiples of the
// Delaunay arguments) against ERFA's eraNut00b, every 37.1 days of 1000-2999.

#include <gtest/gtest.h>

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/precise/nutation.h"

namespace skycalc::accurate::detail {
namespace {

using precise::detail::Nutation2000B;

TEST(AlmanacNutation, AsErfaOver1000To2999) {
  double worst = 0.0;
  for (double jd = 2086302.5; jd < 2816788.5; jd += 37.1) {
    double dpsi, deps, erfaDpsi, erfaDeps;
    Nutation2000B((jd - ERFA_DJ00) / ERFA_DJC, dpsi, deps);
    eraNut00b(ERFA_DJ00, jd - ERFA_DJ00, &erfaDpsi, &erfaDeps);
    // 1e-15 rad is 0.2 microarcsecond.
    ASSERT_NEAR(dpsi, erfaDpsi, 1e-15) << jd;
    ASSERT_NEAR(deps, erfaDeps, 1e-15) << jd;
    worst = std::max({worst, std::fabs(dpsi - erfaDpsi), std::fabs(deps - erfaDeps)});
  }
  std::printf("worst difference %.2e rad\n", worst);
}

// Two instants at once (a search's consecutive nodes) keep each call's bits.
TEST(AlmanacNutation, PairAsTwoCalls) {
  for (double jd = 2086302.5; jd < 2816788.5; jd += 37.1) {
    const double t[2] = {(jd - ERFA_DJ00) / ERFA_DJC, (jd + 0.5 - ERFA_DJ00) / ERFA_DJC};
    double dpsi[2], deps[2], one[2], two[2];
    precise::detail::Nutation2000BPair(t, dpsi, deps);
    Nutation2000B(t[0], one[0], one[1]);
    Nutation2000B(t[1], two[0], two[1]);
    ASSERT_TRUE(dpsi[0] == one[0] && deps[0] == one[1] && dpsi[1] == two[0] && deps[1] == two[1]) << jd;
  }
}

}  // namespace
}  // namespace skycalc::accurate::detail
