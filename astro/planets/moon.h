#pragma once

// The Moon from a short lunar series.
namespace skycalc {

// jd (days, UT, used as is) -> geocentric ecliptic longitude [0, kTwoPi] and latitude [0, kTwoPi] of
// date in radians (a southern latitude comes back as kTwoPi plus its value), and distance in AU from
// the horizontal parallax (Earth radius kEarthRadiusAU). A NaN or infinite jd gives NaN.
void MoonPosition(double jd, double& lambda, double& beta, double& distance);

}  // namespace skycalc
