#pragma once

// Equatorial to horizontal coordinates. Angles in radians; longitudes east
// positive, hour angles west positive, azimuths clockwise seen from above.
// A NaN or infinite argument gives NaN results.
namespace skycalc {

// Hour angle, declination, latitude -> azimuth from south through west [0, kTwoPi] (-kHalfPi where
// AngleOfXY gives it; 0 at the zenith), altitude [-kHalfPi, kHalfPi].
void HorizontalFromSouth(double hourAngle, double delta, double latitude, double& azimuth, double& altitude);
// Latitude, declination, hour angle (note the order) -> azimuth from north through east [0, kTwoPi]
// (-kHalfPi where AngleOfXY gives it; 0 at the zenith), altitude [-kHalfPi, kHalfPi].
void HorizontalFromNorth(double latitude, double delta, double hourAngle, double& azimuth, double& altitude);

}  // namespace skycalc
