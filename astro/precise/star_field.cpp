#include "astro/precise/star_field.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/precise/frame.h"

namespace skycalc::precise {

using detail::ErfaIn;

StarField::StarField(double jdUtc, const GeoSite& site) {
  const Instant t = timescale::MakeInstant(jdUtc);
  const detail::DateFrame frame = detail::MakeDateFrame(t);
  eraCr(ErfaIn(frame.gcrsToTrue), gcrsToTrue_);
  double earth[2][3];
  EarthHeliocentric(t.jdTt, earth);
  eraSxp(ERFA_AULT / ERFA_DAYSEC, earth[1], velocity_);
  sunDistance_ = eraPm(earth[0]);
  inverseLorentz_ = std::sqrt(1.0 - eraPdp(velocity_, velocity_));
  obliquity_ = eraObl06(ERFA_DJ00, t.jdTt - ERFA_DJ00);
  julianYears_ = (t.jdTt - ERFA_DJ00) / ERFA_DJY;
  // Turned by the local apparent sidereal time, the x axis points to the
  // meridian on the equator and y to the east point; the horizon's north
  // and zenith are then the meridian's two directions tilted by the latitude.
  const double last = frame.gast + site.longitude;
  const double cl = std::cos(last), sl = std::sin(last);
  const double sp = std::sin(site.latitude), cp = std::cos(site.latitude);
  const double meridian[3] = {cl, sl, 0.0}, east[3] = {-sl, cl, 0.0}, pole[3] = {0.0, 0.0, 1.0};
  for (int i = 0; i < 3; ++i) {
    toHorizon_[0][i] = -sp * meridian[i] + cp * pole[i];
    toHorizon_[1][i] = east[i];
    toHorizon_[2][i] = cp * meridian[i] + sp * pole[i];
  }
}

Horizontal StarField::FromVector(const double v[3]) const {
  double h[3];
  eraRxp(ErfaIn(toHorizon_), ErfaIn(v), h);
  Horizontal out;
  double azimuth = std::atan2(h[1], h[0]) * ERFA_DR2D;
  if (azimuth < 0.0) azimuth += 360.0;
  out.azimuth = azimuth >= 360.0 ? 0.0 : azimuth;
  out.altitude = std::atan2(h[2], std::sqrt(h[0] * h[0] + h[1] * h[1])) * ERFA_DR2D;
  return out;
}

Horizontal StarField::OfCatalog(double ra2000, double dec2000, double properMotionRa, double properMotionDec) const {
  double direction[3], aberrated[3], trueOfDate[3];
  const double ra = ra2000 * ERFA_DD2R, dec = dec2000 * ERFA_DD2R;
  const double sa = std::sin(ra), ca = std::cos(ra), sd = std::sin(dec), cd = std::cos(dec);
  direction[0] = ca * cd;  // eraS2c's, with the sines and cosines kept for the motion
  direction[1] = sa * cd;
  direction[2] = sd;
  if (properMotionRa != 0.0 || properMotionDec != 0.0) {
    // The star moves along a straight line across the sky's tangent plane
    // (uniform motion of a distant star): the place plus the years times the
    // motion along the unit vectors towards the east and the north, made a
    // unit vector again. Moving the angles themselves instead would bend the
    // path, by 1' in a thousand years for the fastest stars (61 Cyg, eps Ind).
    const double masToRadians = ERFA_DAS2R / 1000.0 * julianYears_;
    const double east = properMotionRa * masToRadians, north = properMotionDec * masToRadians;
    const double towardsEast[3] = {-sa, ca, 0.0}, towardsNorth[3] = {-sd * ca, -sd * sa, cd};
    for (int i = 0; i < 3; ++i) direction[i] += east * towardsEast[i] + north * towardsNorth[i];
    double length = 0.0;
    eraPn(direction, &length, direction);
  }
  eraAb(direction, ErfaIn(velocity_), sunDistance_, inverseLorentz_, aberrated);
  eraRxp(ErfaIn(gcrsToTrue_), aberrated, trueOfDate);
  return FromVector(trueOfDate);
}

Horizontal StarField::OfDate(double rightAscension, double declination) const {
  double v[3];
  eraS2c(rightAscension, declination, v);
  return FromVector(v);
}

}  // namespace skycalc::precise
