#pragma once

// Mean sidereal time and hour angle. Angles in radians, longitudes east positive.
namespace skycalc {

// Greenwich mean sidereal time at the 0h UT beginning jd's day: [0, kTwoPi].
double SiderealTimeAtZeroHour(double jd);
// Local mean sidereal time at jd for a site longitude: [0, kTwoPi].
double LocalSiderealTime(double jd, double longitude);
// LocalSiderealTime(jd, longitude) - rightAscension, not reduced.
double HourAngle(double rightAscension, double jd, double longitude);

}  // namespace skycalc
