#pragma once

// Where an observer stands, as every model and search takes it.
namespace skycalc {

// A site on the WGS84 ellipsoid. The precise model places the observer at
// the height given (topocentric places, the events' tables); the calculator's
// own model (a spherical Earth) and the eclipses' local circumstances take the
// site at sea level. The front ends give height 0: the calculator has no field
// for it.
struct GeoSite {
  double longitude = 0.0;  // radians, east positive, any value (used modulo a turn)
  double latitude = 0.0;   // radians, geodetic, north positive, [-pi/2, pi/2]
  double height = 0.0;     // metres above the ellipsoid
};

}  // namespace skycalc
