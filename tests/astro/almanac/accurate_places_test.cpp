// SunApparent and MoonApparent against DE405 reduced with ERFA (IAU
// 2006/2000A), 200 instants of 1960-2059 (scripts/make_almanac_reference.py places).

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "astro/almanac/accurate.h"

namespace skycalc::accurate {
namespace {

constexpr double kArcsec = 3.141592653589793 / 648000.0;

struct Bound {
  const char* body;
  double angleArcsec;  // longitude, latitude, right ascension (times cos dec), declination
  double distanceAu;
};

// The Sun: VSOP87 turned onto the ICRS by its authors' rotation (before
// that, its longitude sat 0.07" ahead, up to 0.083"). The Moon: ELP/MPP02
// fitted to DE405. Distances geometric, at the instant.
constexpr Bound kBounds[] = {{"sun", 0.05, 5e-8}, {"moon", 0.12, 3e-9}};

TEST(AccuratePlaces, AgreeWithDe405) {
  std::ifstream in(SKYCALC_ACCURATE_PLACES);
  std::string line;
  std::getline(in, line);
  int rows = 0;
  double worst[2][5] = {};
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string jd, body, value;
    std::getline(fields, jd, ',');
    std::getline(fields, body, ',');
    double ref[5];
    for (double& v : ref) {
      std::getline(fields, value, ',');
      v = std::stod(value);
    }
    const int b = body == "sun" ? 0 : 1;
    const ApparentPlace p = b == 0 ? SunApparent(std::stod(jd)) : MoonApparent(std::stod(jd));
    const double diff[5] = {std::remainder(p.longitude - ref[0], 2 * M_PI) / kArcsec, (p.latitude - ref[1]) / kArcsec,
                            std::remainder(p.rightAscension - ref[2], 2 * M_PI) * std::cos(ref[3]) / kArcsec,
                            (p.declination - ref[3]) / kArcsec, p.distance - ref[4]};
    for (int i = 0; i < 5; ++i) {
      const double bound = i < 4 ? kBounds[b].angleArcsec : kBounds[b].distanceAu;
      EXPECT_LT(std::fabs(diff[i]), bound) << body << " at TT " << jd << " coordinate " << i;
      worst[b][i] = std::max(worst[b][i], std::fabs(diff[i]));
    }
    ++rows;
  }
  EXPECT_EQ(rows, 400);
  for (int b = 0; b < 2; ++b) {
    std::printf("%s: worst lon %.3f\" lat %.3f\" ra %.3f\" dec %.3f\" distance %.2e AU\n", kBounds[b].body, worst[b][0],
                worst[b][1], worst[b][2], worst[b][3], worst[b][4]);
  }
}

}  // namespace
}  // namespace skycalc::accurate
