#include "astro/horizon/precession.h"

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/frames/ecliptic.h"
#include "astro/horizon/horizon.h"

namespace skycalc {

void PrecessFromJ2000(double jd, double ra0, double dec0, double& ra, double& dec) {
  // zeta, z and theta in arcseconds, t in Julian centuries from J2000.0.
  // Reference: Lieske, J.H., Lederle, T., Fricke, W. & Morando, B., Astron. Astrophys. 58, 1-16 (1977).
  const double t = (jd - kJD2000) * kInvCentury;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double zeta = (0.017998 * t3 + 0.30188 * t2 + 2306.2181 * t) * kArcsecToRad;
  const double theta = (2004.3109 * t - 0.42665 * t2 - 0.041833 * t3) * kArcsecToRad;
  const double z = (0.018203 * t3 + 1.09468 * t2 + 2306.2181 * t) * kArcsecToRad;
  // The rigorous rotation with only x and z turns: the turn by theta about the y axis is made
  // about x, between two quarter turns about z (about z by zeta - pi/2, about x by -theta, about z
  // by z + pi/2).
  double a1 = 0.0, d1 = 0.0, a2 = 0.0, d2 = 0.0;
  RotateSphericalAboutZ(ra0, dec0, zeta - kHalfPi, a1, d1);
  RotateSphericalAboutX(a1, d1, -theta, a2, d2);
  RotateSphericalAboutZ(a2, d2, z + kHalfPi, ra, dec);
}

void CatalogPlace(double jd, double longitude, double latitude, double azimuthOrigin, double ra0, double dec0,
                  Place& place) {
  double ra = 0.0, dec = 0.0;
  PrecessFromJ2000(jd, ra0, dec0, ra, dec);
  place.equatorial[0] = ReduceRadians(ra);
  place.equatorial[1] = dec;
  double azimuth = 0.0, altitude = 0.0;
  EquatorialToHorizontal(ra, dec, longitude, latitude, jd, azimuth, altitude);
  place.horizontal[0] = ReduceRadians(azimuth - azimuthOrigin);
  place.horizontal[1] = altitude;
}

}  // namespace skycalc
