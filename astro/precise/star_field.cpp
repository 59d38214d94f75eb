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
  const double dec = dec2000 * ERFA_DD2R, cosDec = std::cos(dec);
  const double masToRadians = ERFA_DAS2R / 1000.0 * julianYears_;
  // At the pole the motion in right ascension is undefined; none of the stars comes within 0.7 degree.
  const double ra = ra2000 * ERFA_DD2R + (cosDec > 1e-9 ? properMotionRa * masToRadians / cosDec : 0.0);
  eraS2c(ra, dec + properMotionDec * masToRadians, direction);
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
