#pragma once

namespace skycalc {

// Where a body stands, as every position computation delivers it (radians):
// equatorial = {right ascension [0, kTwoPi], declination [-kHalfPi, kHalfPi]};
// horizontal = {azimuth from south minus the azimuth origin [0, kTwoPi], altitude [-kHalfPi, kHalfPi]}.
struct Place {
  double equatorial[2] = {0.0, 0.0};
  double horizontal[2] = {0.0, 0.0};
};

}  // namespace skycalc
