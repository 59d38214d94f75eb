// The cut VSOP87 series of the Earth and the planets: the shared evaluator
// against the theory's own definition, the series against the check values
// published with the full theory, and the velocities against the positions.
#include "astro/precise/vsop87.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "astro/precise/frame.h"
#include "astro/precise/precise.h"

namespace skycalc::precise {
namespace {

using detail::Series;
using detail::VsopBody;
using detail::VsopTerm;
using detail::VsopTheory;

constexpr double kKmPerAu = ERFA_DAU / 1000.0;

// A made-up body whose frequencies recur across coordinates and powers, with
// a constant term, a term linear in t (frequency 0 in the t^1 series) and a
// gap in the powers: what the regrouping by frequency has to keep apart.
constexpr VsopTerm kL0[] = {{1.5, 0.0, 0.0}, {0.3, 2.1, 40.0}, {0.02, 5.5, 900.0}, {0.004, 0.7, 40.0}};
constexpr VsopTerm kL1[] = {{60.0, 0.0, 0.0}, {0.01, 1.1, 900.0}};
constexpr VsopTerm kL3[] = {{0.002, 4.0, 40.0}};
constexpr VsopTerm kB0[] = {{0.05, 3.3, 40.0}, {0.001, 6.0, 12000.0}};
constexpr VsopTerm kB2[] = {{0.003, 0.2, 900.0}};
constexpr VsopTerm kR0[] = {{2.0, 0.0, 0.0}, {0.1, 1.9, 40.0}, {0.007, 2.8, 12000.0}};
constexpr VsopTerm kR5[] = {{0.0004, 5.0, 900.0}};
constexpr VsopBody kMadeUp = {{Series(kL0), Series(kL1), {}, Series(kL3)},
                              {Series(kB0), {}, Series(kB2)},
                              {Series(kR0), {}, {}, {}, {}, Series(kR5)}};

// VSOP87's definition: each coordinate is the sum over k of t^k times the
// sum of A cos(B + C t) over series k.
double ByDefinition(const detail::VsopSeries (&powers)[detail::kVsopPowers], double t) {
  double value = 0.0;
  for (std::size_t k = 0; k < detail::kVsopPowers; ++k) {
    double sum = 0.0;
    for (std::size_t i = 0; i < powers[k].count; ++i) {
      const VsopTerm& term = powers[k].terms[i];
      sum += term.amplitude * std::cos(term.phase + term.frequency * t);
    }
    value += std::pow(t, static_cast<double>(k)) * sum;
  }
  return value;
}

// The regrouped evaluation gives each coordinate as defined, and its rate as
// the derivative of the value (central difference over 1e-7 millennium: the
// fastest term, 0.007 cos(2.8 + 12000 t), leaves 2e-5 of error in it).
TEST(PreciseVsop87, RegroupedSeriesKeepTheDefinition) {
  const VsopTheory theory(kMadeUp);
  for (double t : {-1.0, -0.37, 0.0, 0.051, 0.5, 1.0}) {
    const double expected[3] = {ByDefinition(kMadeUp.longitude, t), ByDefinition(kMadeUp.latitude, t),
                                ByDefinition(kMadeUp.radius, t)};
    double value[3], rate[3], before[3], after[3], unused[3];
    const double h = 1e-7;
    theory.Evaluate(t, value, rate);
    theory.Evaluate(t - h, before, unused);
    theory.Evaluate(t + h, after, unused);
    for (int c = 0; c < 3; ++c) {
      SCOPED_TRACE(testing::Message() << "t " << t << " coordinate " << c);
      EXPECT_NEAR(value[c], expected[c], 1e-12);
      EXPECT_NEAR(rate[c], (after[c] - before[c]) / (2.0 * h), 1e-4);
    }
  }
}

// The check values distributed with VSOP87 (file vsop87.chk, version B):
// the full theory's longitude, latitude (radians) and radius vector (AU) at
// noon TT of the Julian Days given. Four dates a body, 2000 back to 1100.
const struct {
  Body body;  // kSun stands for the Earth
  double jd, longitude, latitude, radius;
} kCheckValues[] = {
    {Body::kSun, 2451545.0, 1.7519238637, -0.0000039656, 0.9833277},
    {Body::kSun, 2415020.0, 1.7634989198, 0.0002186910, 0.9832690},
    {Body::kSun, 2305445.0, 1.7980474965, 0.0008715329, 0.9831254},
    {Body::kSun, 2122820.0, 1.8557201152, 0.0019445314, 0.9830332},
    {Body::kMercury, 2451545.0, 4.4293481043, -0.0527573411, 0.4664715},
    {Body::kMercury, 2415020.0, 3.5095041512, 0.0564907883, 0.4183426},
    {Body::kMercury, 2305445.0, 5.2811474961, -0.1178238226, 0.4326518},
    {Body::kMercury, 2122820.0, 5.2319689071, -0.1160635432, 0.4352063},
    {Body::kVenus, 2451545.0, 3.1870221910, 0.0569782849, 0.7202129},
    {Body::kVenus, 2415020.0, 5.9993518124, -0.0591709804, 0.7274719},
    {Body::kVenus, 2305445.0, 1.9265887457, 0.0319707652, 0.7186375},
    {Body::kVenus, 2122820.0, 3.5336333775, 0.0496161272, 0.7215820},
    {Body::kMars, 2451545.0, 6.2735389872, -0.0247779824, 1.3912077},
    {Body::kMars, 2415020.0, 5.0185792656, -0.0274073500, 1.4218778},
    {Body::kMars, 2305445.0, 2.1032776583, 0.0308218939, 1.6371997},
    {Body::kMars, 2122820.0, 2.9557712523, 0.0298285524, 1.6571002},
    {Body::kJupiter, 2451545.0, 0.6334614217, -0.0205001039, 4.9653813},
    {Body::kJupiter, 2415020.0, 4.1171308454, 0.0159456650, 5.3850276},
    {Body::kJupiter, 2305445.0, 2.4323346134, 0.0145957282, 5.3439455},
    {Body::kJupiter, 2122820.0, 1.4885071580, -0.0054711800, 5.1193587},
    {Body::kSaturn, 2451545.0, 0.7980038867, -0.0401984149, 9.1838483},
    {Body::kSaturn, 2415020.0, 4.6756597986, 0.0190423976, 10.0668532},
    {Body::kSaturn, 2305445.0, 3.6192301828, 0.0432255907, 9.7571035},
    {Body::kSaturn, 2122820.0, 3.7760794190, 0.0422300831, 9.8669939},
    {Body::kUranus, 2451545.0, 5.5225485297, -0.0119527878, 19.9240479},
    {Body::kUranus, 2415020.0, 4.3641525628, 0.0009368610, 18.9927163},
    {Body::kUranus, 2305445.0, 0.6197794565, -0.0084149193, 19.7819886},
    {Body::kUranus, 2122820.0, 0.9197293285, -0.0048575382, 19.5612080},
    {Body::kNeptune, 2451545.0, 5.3045629284, 0.0042236790, 30.1205329},
    {Body::kNeptune, 2415020.0, 1.5199957208, -0.0217331273, 29.8710345},
    {Body::kNeptune, 2305445.0, 2.6511574700, 0.0106082425, 30.1360159},
    {Body::kNeptune, 2122820.0, 2.4315044302, 0.0040125142, 30.0653695},
};

// How far each cut series may put its body from the full theory, km: the
// worst of a scan of 1000-3000 (every 2.37 days) and 10% more.
double CutBoundKm(Body body) {
  switch (body) {
    case Body::kSun: return 1050.0;        // the Earth: 947 km
    case Body::kMercury: return 1050.0;    // 928 km
    case Body::kVenus: return 600.0;       // 528 km
    case Body::kMars: return 2500.0;       // 2262 km
    case Body::kJupiter: return 33000.0;   // 29393 km
    case Body::kSaturn: return 113000.0;   // 102560 km
    case Body::kUranus: return 470000.0;   // 428432 km
    case Body::kNeptune: return 700000.0;  // 637057 km
    default: return 0.0;
  }
}

void Heliocentric(Body body, double jdTt, double pv[2][3]) {
  if (body == Body::kSun) {
    EarthHeliocentric(jdTt, pv);
  } else {
    PlanetHeliocentric(body, jdTt, pv);
  }
}

// Each cut lands within its truncation bound of the full theory; a table
// wired to the wrong body, coordinate or power, or a leading series lost,
// misses by far more.
TEST(PreciseVsop87, CutSeriesMatchTheFullTheoryCheckValues) {
  for (const auto& c : kCheckValues) {
    SCOPED_TRACE(testing::Message() << "body " << static_cast<int>(c.body) << " JD " << c.jd);
    double pv[2][3], full[3], miss[3];
    Heliocentric(c.body, c.jd, pv);
    eraS2p(c.longitude, c.latitude, c.radius, full);
    detail::EclipticJ2000ToEquatorial(full, full);
    eraPmp(pv[0], full, miss);
    EXPECT_LE(eraPm(miss) * kKmPerAu, CutBoundKm(c.body));
  }
}

// The velocity is the derivative of the position (central difference over
// 0.005 day: Mercury's third derivative at perihelion leaves 2e-9 AU/day of
// error in it), at J2000.0 where t is 0, and at both ends of the span.
TEST(PreciseVsop87, VelocityIsTheRateOfThePosition) {
  for (Body body : {Body::kSun, Body::kMercury, Body::kVenus, Body::kMars, Body::kJupiter, Body::kSaturn,
                    Body::kUranus, Body::kNeptune}) {
    for (double jd : {2086310.0, 2451545.0, 2460000.5, 2816780.0}) {
      SCOPED_TRACE(testing::Message() << "body " << static_cast<int>(body) << " JD " << jd);
      const double h = 0.005;
      double pv[2][3], before[2][3], after[2][3];
      Heliocentric(body, jd, pv);
      Heliocentric(body, jd - h, before);
      Heliocentric(body, jd + h, after);
      for (int i = 0; i < 3; ++i) EXPECT_NEAR(pv[1][i], (after[0][i] - before[0][i]) / (2.0 * h), 1e-8) << i;
    }
  }
}

// Only Mercury to Neptune have a series; the others get NaN, not a place.
TEST(PreciseVsop87, PlanetHeliocentricIsNaNForOtherBodies) {
  for (Body body : {Body::kSun, Body::kPluto, Body::kMoon}) {
    double pv[2][3];
    PlanetHeliocentric(body, 2451545.0, pv);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(std::isnan(pv[i / 3][i % 3])) << static_cast<int>(body) << " " << i;
  }
}

}  // namespace
}  // namespace skycalc::precise
