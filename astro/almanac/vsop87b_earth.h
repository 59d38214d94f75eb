#pragma once

#include "astro/precise/vsop87.h"

// The whole VSOP87 series of the Earth (version B), as generated into
// vsop87b_earth.cpp; not for callers.
namespace skycalc::accurate::detail {

const precise::detail::VsopBody& FullEarth();

}  // namespace skycalc::accurate::detail
