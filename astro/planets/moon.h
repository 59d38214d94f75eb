#pragma once

// The Moon from a short lunar series.
namespace skycalc {

// Geocentric ecliptic longitude [0, kTwoPi], latitude (within one turn) in radians and distance in AU at jd.
void MoonPosition(double jd, double& lambda, double& beta, double& distance);

}  // namespace skycalc
