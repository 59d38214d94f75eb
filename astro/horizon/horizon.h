#pragma once

// Horizontal coordinates of a site at an instant: the one step that needs
// both the clock (sidereal time) and the frames. Angles in radians.
namespace skycalc {

// (alpha, delta) at site longitude (east positive), latitude and jd (days, UT) -> azimuth from south
// through west [0, kTwoPi] (-kHalfPi where AngleOfXY gives it), altitude [-kHalfPi, kHalfPi].
// A NaN or infinite argument gives NaN.
void EquatorialToHorizontal(double alpha, double delta, double longitude, double latitude, double jd,
                            double& azimuth, double& altitude);

}  // namespace skycalc
