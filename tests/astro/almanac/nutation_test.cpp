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

}  // namespace
}  // namespace skycalc::accurate::detail
