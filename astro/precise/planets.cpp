#include <limits>

#include "astro/precise/precise.h"
#include "astro/precise/vsop87.h"

namespace skycalc::precise {

namespace {

// The planets in the order of Body, Mercury to Neptune; null for any other body.
static_assert(static_cast<int>(Body::kNeptune) - static_cast<int>(Body::kMercury) == 6,
              "Body lists Mercury to Neptune in a row, as the theories below");
const detail::VsopTheory* PlanetTheory(Body body) {
  static const detail::VsopTheory theories[] = {
      detail::VsopTheory(detail::CutPlanet(0)), detail::VsopTheory(detail::CutPlanet(1)),
      detail::VsopTheory(detail::CutPlanet(2)), detail::VsopTheory(detail::CutPlanet(3)),
      detail::VsopTheory(detail::CutPlanet(4)), detail::VsopTheory(detail::CutPlanet(5)),
      detail::VsopTheory(detail::CutPlanet(6))};
  constexpr int kCount = sizeof theories / sizeof theories[0];
  const int index = static_cast<int>(body) - static_cast<int>(Body::kMercury);
  return index >= 0 && index < kCount ? &theories[index] : nullptr;
}

}  // namespace

void PlanetHeliocentric(Body body, double jdTt, double pv[2][3]) {
  const detail::VsopTheory* theory = PlanetTheory(body);
  if (theory == nullptr) {
    for (int i = 0; i < 6; ++i) pv[i / 3][i % 3] = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  theory->Heliocentric(jdTt, pv);
}

}  // namespace skycalc::precise
