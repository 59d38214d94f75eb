// The web page's tables file (skycalc-tables.bin, which scripts/make_web_tables.py
// reads from the generated series sources' literals) holds the very doubles
// this build's compiler made of them: walking the accessors in the file's
// order (the planets, the Earth, the Moon) gives the file, bit for bit.
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

template <typename Series>
void Append(const Series& series, std::vector<double>& out) {
  const double* first = reinterpret_cast<const double*>(series.terms);
  out.insert(out.end(), first, first + series.count * sizeof(*series.terms) / sizeof(double));
}

void AppendBody(const precise::detail::VsopBody& body, std::vector<double>& out) {
  for (const auto* coordinate : {body.longitude, body.latitude, body.radius})
    for (std::size_t k = 0; k < precise::detail::kVsopPowers; ++k) Append(coordinate[k], out);
}

TEST(WebTables, FileHoldsTheCompiledSeriesBitForBit) {
  std::vector<double> compiled;
  for (int planet = 0; planet < 7; ++planet) AppendBody(phenomena::detail::FullPlanet(planet), compiled);
  AppendBody(accurate::detail::FullEarth(), compiled);
  const accurate::detail::ElpTheory& moon = accurate::detail::ElpMpp02();
  for (const auto* coordinate : {moon.longitude, moon.latitude, moon.distance})
    for (std::size_t k = 0; k < accurate::detail::kElpPowers; ++k) Append(coordinate[k], compiled);

  std::ifstream file(SKYCALC_WEB_TABLES, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_EQ(bytes.size(), compiled.size() * sizeof(double));
  // Little-endian float64, as WebAssembly reads it; this test runs on a little-endian host.
  std::size_t differing = 0, first = compiled.size();
  for (std::size_t i = 0; i < compiled.size(); ++i) {
    if (std::memcmp(bytes.data() + i * sizeof(double), &compiled[i], sizeof(double)) == 0) continue;
    if (differing++ == 0) first = i;
  }
  EXPECT_EQ(differing, 0u) << "first at double " << first;
}

}  // namespace
}  // namespace skycalc
