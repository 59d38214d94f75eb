#pragma once

// Mean sidereal time and hour angle. Angles in radians, longitudes east positive.
namespace skycalc {

// Greenwich mean sidereal time at the 0h UT beginning jd's day (jd in days, UT): [0, kTwoPi].
// A NaN or infinite jd gives NaN.
double SiderealTimeAtZeroHour(double jd);
// Local mean sidereal time at jd for a site longitude: [0, kTwoPi]. A NaN or infinite jd or longitude
// gives NaN.
double LocalSiderealTime(double jd, double longitude);
// LocalSiderealTime(jd, longitude) - rightAscension, positive west, not reduced.
double HourAngle(double rightAscension, double jd, double longitude);

}  // namespace skycalc
