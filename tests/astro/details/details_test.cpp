// Illuminated fraction, phase angle, elongation, diameter and distance in
// both models against PyEphem 4.1.4 (its own theories and radii), seen from
// the Earth's centre at 300 random instants 1900-2100 per body
// (scripts/make_details_reference.py). The bounds are the precise model's
// promise; the calculator's model is measured on the same rows and held to
// what its places allow (its Pluto is off by up to 2.4 degrees).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/base/constants.h"
#include "astro/details/details.h"
#include "astro/sky/model.h"

namespace skycalc::details {
namespace {

constexpr double kDeg = kExactDegToRad;

struct Row {
  double jd;
  std::string body;
  double r, delta, phase, elongation, size;  // AU, degrees (elongation east positive), arcsec
};

std::vector<Row> Reference() {
  std::vector<Row> rows;
  std::ifstream in(SKYCALC_DETAILS_REFERENCE);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream f(line);
    std::string cell[7];
    for (std::string& c : cell) std::getline(f, c, ',');
    auto num = [](const std::string& s) { return s.empty() ? kNaN : std::stod(s); };
    rows.push_back({std::stod(cell[0]), cell[1], num(cell[2]), num(cell[3]), num(cell[4]), num(cell[5]), num(cell[6])});
  }
  return rows;
}

struct BodyCase {
  const char* name;
  Body body;
  // PyEphem's radius over the IAU's: its Venus is 6135 km (cloud tops, an older table), its
  // Pluto 2974 km (8.2" at 1 AU, an old value); the diameters are compared after this factor.
  double radiusRatio;
};

TEST(BodyDetails, AgainstPyEphem) {
  const std::vector<Row> rows = Reference();
  ASSERT_EQ(rows.size(), 3000u);
  const BodyCase bodies[] = {
      {"sun", Body::kSun, 1.0},           {"mercury", Body::kMercury, 1.0},
      {"venus", Body::kVenus, 1.0138},       {"mars", Body::kMars, 1.0},
      {"jupiter", Body::kJupiter, 1.0},   {"saturn", Body::kSaturn, 1.0},
      {"uranus", Body::kUranus, 1.0},     {"neptune", Body::kNeptune, 1.0},
      {"pluto", Body::kPluto, 2.5024},      {"moon", Body::kMoon, 1.0},
  };
  for (const bool precise : {true, false}) {
    for (const BodyCase& b : bodies) {
      double worstFraction = 0, worstElongation = 0, worstDiameter = 0, worstDistance = 0, worstPhase = 0;
      for (const Row& row : rows) {
        if (row.body != b.name) continue;
        // The vectors the models place the body with, from the Earth's centre's point (site and origin do not enter).
        sky::BodyVectors v;
        const sky::Instant instant{row.jd, static_cast<std::int32_t>(std::floor(2000.0 + (row.jd - 2451545.0) / 365.25))};
        sky::ModelOf(precise).PlaceOf(sky::Target::OfBody(b.body), instant, sky::Site{}, 0.0, v);
        ASSERT_TRUE(v.valid) << b.name << " " << row.jd;
        const BodyDetails d = DetailsOf(GeometryOf(b.body, v));
        worstDistance = std::max(worstDistance, std::fabs(d.distance / row.delta - 1.0));
        worstDiameter = std::max(worstDiameter, std::fabs(d.diameter / kDeg * 3600.0 * b.radiusRatio / row.size - 1.0));
        if (b.body == Body::kSun) continue;
        const double fraction = (1.0 + std::cos(row.phase * kDeg)) / 2.0;
        worstFraction = std::max(worstFraction, std::fabs(d.illuminatedFraction - fraction));
        worstPhase = std::max(worstPhase, std::fabs(d.phaseAngle / kDeg - row.phase));
        // The angle, and the side away from conjunction and opposition (where a hair decides it).
        const double off = std::fabs(d.elongation / kDeg - std::fabs(row.elongation));
        if (precise && std::fabs(row.elongation) > 0.1 && std::fabs(row.elongation) < 179.9) {
          EXPECT_EQ(d.east, row.elongation > 0.0) << b.name << " " << row.jd;
        }
        worstElongation = std::max(worstElongation, off);
      }
      std::printf("%-10s %-7s fraction %.5f phase %.4f elongation %.4f deg diameter %.4f%% distance %.2e\n",
                  precise ? "precise" : "calculator", b.name, worstFraction, worstPhase, worstElongation,
                  worstDiameter * 100.0, worstDistance);
      if (precise) {
        EXPECT_LE(worstFraction, 0.002) << b.name;
        EXPECT_LE(worstElongation, 0.01) << b.name;
        EXPECT_LE(worstDiameter, 0.005) << b.name;
      }
      // The distance (relative) and the phase angle (degrees) in each model: the
      // precise model's worst are Mercury's 2.0e-4 and 0.038, the calculator's
      // Pluto's 7.1e-3 and Mercury's 0.32.
      EXPECT_LE(worstDistance, precise ? 3e-4 : 8e-3) << b.name;
      EXPECT_LE(worstPhase, precise ? 0.05 : 0.35) << b.name;
    }
  }
}

// The planets' magnitudes in both models against the published laws
// (Mallama and Hilton 2018; Pluto V(1,0) -1.01) evaluated on PyEphem's
// geometry, with PyEphem's tilt of Saturn's rings to the Sun and the Earth
// and Uranus's sub-latitudes from its IAU pole, at 400 random instants
// 1900-2100 (scripts/make_details_reference.py). The calculator's model
// places the planets less well: its figures are compared after its own
// distances are put in place of PyEphem's (5 log10 of their ratio); what is
// left is its phase angles and, for Saturn, its direction to the rings.
TEST(BodyDetails, MagnitudesAgainstThePublishedLaws) {
  struct Bound {
    const char* name;
    Body body;
    double precise, calculator;  // magnitudes
  };
  // Half as much again as the worst seen: the precise model's Mercury from its phase angle near 180
  // degrees; the calculator's Mercury and Venus from their phase angles, Saturn from its direction
  // (the rings' tilt), Uranus and Neptune where their phase terms begin (3.1 and 1.9 degrees).
  const Bound bounds[] = {
      {"mercury", Body::kMercury, 0.008, 0.07}, {"venus", Body::kVenus, 0.001, 0.011},
      {"mars", Body::kMars, 0.0005, 0.002},      {"jupiter", Body::kJupiter, 0.0003, 0.001},
      {"saturn", Body::kSaturn, 0.001, 0.02},    {"uranus", Body::kUranus, 0.0015, 0.03},
      {"neptune", Body::kNeptune, 0.001, 0.025}, {"pluto", Body::kPluto, 0.0003, 0.0003},
  };
  std::ifstream in(SKYCALC_MAGNITUDE_REFERENCE);
  std::string line;
  int rows = 0;
  double worst[2][8] = {};
  while (std::getline(in, line)) {
    std::istringstream f(line);
    std::string cell[8];
    for (std::string& c : cell) std::getline(f, c, ',');
    const double jd = std::stod(cell[0]), r = std::stod(cell[2]), delta = std::stod(cell[3]), expected = std::stod(cell[7]);
    const Bound* b = std::find_if(std::begin(bounds), std::end(bounds), [&](const Bound& x) { return cell[1] == x.name; });
    ASSERT_NE(b, std::end(bounds)) << cell[1];
    ++rows;
    for (const bool precise : {true, false}) {
      sky::BodyVectors v;
      const sky::Instant instant{jd, static_cast<std::int32_t>(std::floor(2000.0 + (jd - 2451545.0) / 365.25))};
      sky::ModelOf(precise).PlaceOf(sky::Target::OfBody(b->body), instant, sky::Site{}, 0.0, v);
      const BodyDetails d = DetailsOf(GeometryOf(b->body, v));
      const double own = precise ? 0.0 : 5.0 * std::log10(std::hypot(v.helio[0], v.helio[1], v.helio[2]) * d.distance / (r * delta));
      const double off = std::fabs(d.magnitude - own - expected);
      double& w = worst[precise][b - bounds];
      w = std::max(w, off);
      EXPECT_LE(off, precise ? b->precise : b->calculator) << (precise ? "precise " : "calculator ") << line;
    }
  }
  EXPECT_EQ(rows, 3200);
  for (int i = 0; i < 8; ++i) std::printf("%-8s precise %.4f calculator %.4f\n", bounds[i].name, worst[1][i], worst[0][i]);
}

}  // namespace
}  // namespace skycalc::details
