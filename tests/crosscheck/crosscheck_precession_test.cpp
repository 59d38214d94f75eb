// Precession from J2000.0 against ERFA's IAU 1976 angles (zeta, z, theta)
// applied as ERFA applies them, Rz(-z) Ry(theta) Rz(-zeta).
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/base/constants.h"
#include "catalog/catalog.h"
#include "astro/horizon/precession.h"
#include "tests/crosscheck/crosscheck_util.h"

namespace skycalc {
namespace {

struct Direction {
  double ra, dec;  // radians
};

// ERFA's mean place of date for a J2000.0 direction.
Direction ErfaPrecess(double jd, Direction d0) {
  double zeta = 0.0, z = 0.0, theta = 0.0;
  eraPrec76(kJD2000, 0.0, jd, 0.0, &zeta, &z, &theta);
  double r[3][3], p0[3], p1[3];
  eraIr(r);
  eraRz(-zeta, r);
  eraRy(theta, r);
  eraRz(-z, r);
  eraS2c(d0.ra, d0.dec, p0);
  eraRxp(r, p0, p1);
  Direction d;
  eraC2s(p1, &d.ra, &d.dec);
  return d;
}

std::vector<Direction> TestDirections() {
  std::vector<Direction> dirs = {{0.0, kHalfPi}, {0.0, -kHalfPi}, {3.0, kHalfPi}, {0.0, 0.0}};
  CatalogEntry stars[kStarCount];
  EXPECT_TRUE(LoadStarCatalog(stars, SKYCALC_DATA_DIR));
  for (const CatalogEntry& star : stars) dirs.push_back({star.ra * kDegToRad, star.dec * kDegToRad});
  TestRandom rng(7);
  for (int i = 0; i < 200; ++i) {
    dirs.push_back({rng.Unit() * 6.283185307, std::asin(rng.Unit() * 2.0 - 1.0)});
  }
  return dirs;
}

// Both sides evaluate the same polynomials; they differ by the system's
// circle constants: every fold of an angle into one turn subtracts the turn
// 6.283185307, which is 1.8e-10 rad short of 2 pi, and the three rotations
// may fold up to three times (3 x 1.8e-10 rad = 1.1e-4 arcsec). The truncated
// arcsecond factor (relative 3e-11) and right angle add less than 2e-5
// arcsec. Measured maximum separation over -2000..6000 for the 21 stars, both
// poles and 200 random points: 1.11e-4 arcsec. Bound: 2.5e-4 arcsec.
TEST(CrossCheckPrecession, MatchesErfaPrec76) {
  const std::vector<Direction> dirs = TestDirections();
  const double firstJd = 990557.5, lastJd = 3912515.5;  // -2000 January 1 .. 6000 January 1
  double worst = 0.0;
  Direction worstAt{0.0, 0.0};  // jd, declination of date
  for (int step = 0; step <= 80; ++step) {
    const double jd = firstJd + (lastJd - firstJd) * step / 80.0;
    for (const Direction& d0 : dirs) {
      Direction got;
      PrecessFromJ2000(jd, d0.ra, d0.dec, got.ra, got.dec);
      const Direction want = ErfaPrecess(jd, d0);
      const double sep = Separation(got.ra, got.dec, want.ra, want.dec);
      if (sep > worst) {
        worst = sep;
        worstAt = {jd, want.dec};
      }
    }
  }
  std::printf("[measured] PrecessFromJ2000 vs eraPrec76, -2000..6000: max %.3g arcsec (jd %.1f, dec %.6f rad)\n",
              worst * kRadToArcsec, worstAt.ra, worstAt.dec);
  EXPECT_LE(worst * kRadToArcsec, 2.5e-4);
}

}  // namespace
}  // namespace skycalc
