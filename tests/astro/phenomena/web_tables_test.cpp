// The web page's tables file (scripts/make_web_tables.py reads it from the generated sources'
// literals) holds the very doubles this build's compiler made of them: the accessors' series in
// the file's order (the planets, the Earth, the Moon) give the file, bit for bit.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "astro/almanac/elpmpp02.h"
#include "astro/almanac/vsop87b_earth.h"
#include "astro/phenomena/vsop87b_planets.h"

namespace skycalc {
namespace {

// Appends the terms' doubles of the n series from first.
template <typename Series>
void Append(const Series* first, std::size_t n, std::vector<double>& out) {
  for (const Series* s = first; s != first + n; ++s) {
    const double* values = reinterpret_cast<const double*>(s->terms);  // null for an empty series
    out.insert(out.end(), values, values + s->count * sizeof(*s->terms) / sizeof(double));
  }
}

TEST(WebTables, FileHoldsTheCompiledSeriesBitForBit) {
  std::vector<double> compiled;
  for (int planet = 0; planet <= 7; ++planet) {  // 7: the Earth
    const auto& body = planet < 7 ? phenomena::detail::FullPlanet(planet) : accurate::detail::FullEarth();
    for (const auto* series : {body.longitude, body.latitude, body.radius}) Append(series, precise::detail::kVsopPowers, compiled);
  }
  const accurate::detail::ElpTheory& moon = accurate::detail::ElpMpp02();
  for (const auto* series : {moon.longitude, moon.latitude, moon.distance}) Append(series, accurate::detail::kElpPowers, compiled);
  std::ifstream file(SKYCALC_WEB_TABLES, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // Little-endian float64, as WebAssembly reads it (this test runs on a little-endian host).
  ASSERT_EQ(bytes.size(), compiled.size() * sizeof(double));
  EXPECT_EQ(std::memcmp(bytes.data(), compiled.data(), bytes.size()), 0);
}

}  // namespace
}  // namespace skycalc
