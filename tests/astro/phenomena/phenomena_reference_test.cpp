// The sky events of 50 years (1900-2096, every fourth) against the Swiss
// Ephemeris with JPL's DE431 (scripts/make_phenomena_reference.sh): the same
// definitions found on its own samples; instants in TT.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "astro/phenomena/phenomena.h"

namespace skycalc::phenomena {
namespace {

struct Tolerance {
  Kind kind;
  double minutes;     // instant
  double absolute;    // figure, in its unit (degrees, au, km, magnitude)
};
// Instants: 1 min for the crossings and the Moon's turns, 10 min for the
// flat turn of the elongation, 2 for the planets' distance, 30 for 留, 5
// for the flat turn of Venus's magnitude, 15 for the Earth's distance, which
// turns so slowly that 1e-9 au moves it by minutes.
// Figures: 0.01 degree, 0.1 % of a distance, 0.01 magnitude.
constexpr Tolerance kTolerances[] = {
    {Kind::kConjunction, 1, 0},
    {Kind::kInferiorConjunction, 1, 0},
    {Kind::kSuperiorConjunction, 1, 0},
    {Kind::kOpposition, 1, 0},
    {Kind::kEasternQuadrature, 1, 0},
    {Kind::kWesternQuadrature, 1, 0},
    {Kind::kGreatestEasternElongation, 10, 0.01},
    {Kind::kGreatestWesternElongation, 10, 0.01},
    {Kind::kStationaryToRetrograde, 30, 0},
    {Kind::kStationaryToDirect, 30, 0},
    {Kind::kGreatestBrilliancy, 5, 0.01},
    {Kind::kClosestToEarth, 2, 0.001},  // relative
    {Kind::kPerigee, 1, 0.001},
    {Kind::kApogee, 1, 0.001},
    {Kind::kMoonConjunction, 1, 0.01},
    {Kind::kPerihelion, 15, 0.001},
    {Kind::kAphelion, 15, 0.001},
    {Kind::kPlanetConjunction, 1, 0.01},
    {Kind::kMeteorShower, 1, 0},
};

struct Row {
  int kind, body, other;
  double jdTt, value;
};

std::vector<Row> ReadReference() {
  std::ifstream in(SKYCALC_PHENOMENA_REFERENCE);
  std::vector<Row> rows;
  Row r;
  while (in >> r.kind >> r.body >> r.other >> r.jdTt >> r.value) rows.push_back(r);
  return rows;
}

bool Relative(Kind kind) {
  return kind == Kind::kClosestToEarth || kind == Kind::kPerigee || kind == Kind::kApogee ||
         kind == Kind::kPerihelion || kind == Kind::kAphelion;
}

TEST(PhenomenaAgainstSwissEphemeris, EveryEventFoundNoneExtraWithinItsTolerance) {
  const std::vector<Row> reference = ReadReference();
  ASSERT_GT(reference.size(), 10000u);
  std::set<int> years;
  for (int y = 1900; y <= 2096; y += 4) years.insert(y);
  int compared = 0;
  for (const int year : years) {
    const YearPhenomena ours = PhenomenaOfYear(year, 0);
    ASSERT_EQ(ours.status, Status::kOk);
    std::vector<Row> theirs;
    for (const Row& r : reference) {
      if (r.jdTt >= ours.events.front().jdTt - 20 && r.jdTt <= ours.events.back().jdTt + 20) theirs.push_back(r);
    }
    std::multiset<std::pair<int, double>> unmatched;
    for (const Event& e : ours.events) unmatched.insert({static_cast<int>(e.kind), e.jdTt});
    // Each of theirs in our year finds ours of the same kind and bodies.
    for (const Row& r : theirs) {
      const Tolerance& tol = kTolerances[r.kind];
      const Event* match = nullptr;
      for (const Event& e : ours.events) {
        if (static_cast<int>(e.kind) == r.kind && static_cast<int>(e.body) == r.body &&
            static_cast<int>(e.other) == r.other && std::fabs(e.jdTt - r.jdTt) < 2.0)
          match = &e;
      }
      const bool inside = r.jdTt > ours.events.front().jdTt + 0.5 && r.jdTt < ours.events.back().jdTt - 0.5;
      if (!match) {
        EXPECT_FALSE(inside) << "missing: kind " << r.kind << " body " << r.body << " other " << r.other
                             << " at JD(TT) " << r.jdTt;
        continue;
      }
      unmatched.erase(unmatched.find({static_cast<int>(match->kind), match->jdTt}));
      ++compared;
      EXPECT_NEAR(match->jdTt, r.jdTt, tol.minutes / 1440.0)
          << "kind " << r.kind << " body " << r.body << " other " << r.other << " at JD(TT) " << r.jdTt;
      if (tol.absolute > 0) {
        const bool apart = r.kind == static_cast<int>(Kind::kMoonConjunction) || r.kind == static_cast<int>(Kind::kPlanetConjunction);
        const double theirValue = apart ? std::fabs(r.value) : r.value;
        EXPECT_NEAR(match->value, theirValue, Relative(tol.kind) ? tol.absolute * theirValue : tol.absolute)
            << "kind " << r.kind << " body " << r.body << " at JD(TT) " << r.jdTt;
        if (apart && std::fabs(r.value) > 0.01) {
          EXPECT_EQ(match->north, r.value > 0) << "side, kind " << r.kind << " at JD(TT) " << r.jdTt;
        }
      }
    }
    // Ours not in theirs: only at the ends of the year.
    for (const auto& [kind, jdTt] : unmatched) {
      EXPECT_TRUE(jdTt < ours.events.front().jdTt + 0.5 || jdTt > ours.events.back().jdTt - 0.5)
          << "extra: kind " << kind << " at JD(TT) " << jdTt;
    }
  }
  EXPECT_GT(compared, 12000);
}

}  // namespace
}  // namespace skycalc::phenomena
