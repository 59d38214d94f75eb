#pragma once

#include "astro/precise/vsop87.h"

// The whole VSOP87 series of Mercury to Neptune (version B), as generated
// into vsop87b_planets.cpp; not for callers.
namespace skycalc::phenomena::detail {

// index 0 Mercury, 1 Venus, 2 Mars, 3 Jupiter, 4 Saturn, 5 Uranus, 6 Neptune.
const precise::detail::VsopBody& FullPlanet(int index);

}  // namespace skycalc::phenomena::detail
