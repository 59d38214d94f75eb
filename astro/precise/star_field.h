#pragma once

#include "astro/precise/precise.h"

// Many catalogue stars seen from one site at one instant, as a sky chart
// needs them: the turn from the catalogue to the horizon and the Earth's
// velocity are made once, so each star costs a few multiplications. The
// chain is StarGeocentric's (annual aberration, then IAU 2006/2000B
// precession-nutation and the apparent sidereal time) without the Sun's
// light deflection, which stays under 0.02" more than 10 degrees from the
// Sun (4 mas at 90 degrees) and so never moves a star on a chart.
namespace skycalc::precise {

// Altitude and azimuth, degrees: azimuth from the north through the east
// [0, 360), geometric altitude (no refraction) [-90, 90].
struct Horizontal {
  double azimuth = 0.0;
  double altitude = 0.0;
};

class StarField {
 public:
  // At the UTC Julian Day jdUtc (any finite day: the frame's series are
  // evaluated wherever asked) for site.
  StarField(double jdUtc, const GeoSite& site);

  // A catalogue place of J2000.0 (ICRS, degrees) at epoch 2000, carried by
  // its proper motion (mas a year: in right ascension times cos(declination),
  // and in declination) to the instant, apparent there. The motion is taken
  // along the tangent plane, as a distant star's uniform space motion.
  // Parallax and radial velocity are left out (the chart's catalogue has
  // neither): the fastest near stars then stand up to 1" (61 Cyg; alpha Cen
  // 0.6") from their full space motion in 1900 and 2100, and up to 1.7'
  // (alpha Cen 1.0') a thousand years from 2000.
  Horizontal OfCatalog(double ra2000, double dec2000, double properMotionRa = 0.0,
                       double properMotionDec = 0.0) const;
  // A direction of the true equator and equinox of date (radians), as it is.
  Horizontal OfDate(double rightAscension, double declination) const;
  // The mean obliquity of the ecliptic of date (IAU 2006), radians.
  double Obliquity() const { return obliquity_; }

 private:
  Horizontal FromVector(const double trueOfDate[3]) const;

  double gcrsToTrue_[3][3];
  double toHorizon_[3][3];  // true equator of date -> (north, east, up)
  double velocity_[3];      // the Earth's, in units of c
  double sunDistance_;      // AU
  double inverseLorentz_;   // sqrt(1 - v^2)
  double obliquity_;
  double julianYears_;      // TT Julian years since J2000.0
};

}  // namespace skycalc::precise
