#pragma once

// Equatorial to horizontal coordinates. Angles in radians; longitudes east
// positive, hour angles west positive, azimuths clockwise seen from above.
namespace skycalc {

// Hour angle, declination, latitude -> south-based azimuth, altitude.
void HorizontalFromSouth(double hourAngle, double delta, double latitude, double& azimuth, double& altitude);
// Latitude, declination, hour angle -> north-based azimuth, altitude.
void HorizontalFromNorth(double latitude, double delta, double hourAngle, double& azimuth, double& altitude);

}  // namespace skycalc
