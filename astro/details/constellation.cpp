#include "astro/details/constellation.h"

#include <erfa.h>

#include <cmath>

namespace skycalc::details {

namespace {

struct ConstellationName {
  const char* abbreviation;
  int listRow;
};

struct BoundaryRow {
  double raLowHours, raHighHours, decLowDegrees;
  int constellation;
};

#include "astro/details/constellation_bounds.inc"

constexpr double kPi = 3.14159265358979323846;

// Direction (ra, dec) turned by the matrix m (v' = m v), back to angles.
void Rotate(double m[3][3], double& ra, double& dec) {
  double v[3], w[3];
  eraS2c(ra, dec, v);
  eraRxp(m, v, w);
  eraC2s(w, &ra, &dec);
  ra = eraAnp(ra);
}

// From the ICRS to the mean equator and equinox of B1875.0.
void IcrsToB1875(double& ra, double& dec) {
  double m[3][3];
  eraPmat06(kB1875Jd, 0.0, m);
  Rotate(m, ra, dec);
}

}  // namespace

int ConstellationOfB1875(double ra1875, double dec1875) {
  if (std::isnan(ra1875) || std::isnan(dec1875)) return -1;
  const double hours = eraAnp(ra1875) * 12.0 / kPi;
  const double degrees = dec1875 * 180.0 / kPi;
  for (const BoundaryRow& row : kBoundaries) {
    if (degrees >= row.decLowDegrees && hours >= row.raLowHours && hours < row.raHighHours) return row.constellation;
  }
  return -1;  // not reached: the last row covers the whole sky down to the pole
}

int ConstellationOfIcrs(double ra, double dec) {
  IcrsToB1875(ra, dec);
  return ConstellationOfB1875(ra, dec);
}

int ConstellationOfDate(double ra, double dec, double jdTt, bool apparent) {
  double m[3][3], t[3][3];
  if (apparent)
    eraPnm06a(jdTt, 0.0, m);  // GCRS -> true equator and equinox of date
  else
    eraPmat06(jdTt, 0.0, m);  // GCRS -> mean equator and equinox of date
  eraTr(m, t);
  Rotate(t, ra, dec);
  return ConstellationOfIcrs(ra, dec);
}

const char* ConstellationAbbreviation(int index) {
  return index >= 0 && index < kConstellationCount ? kNames[index].abbreviation : nullptr;
}

int ConstellationListRow(int index) { return index >= 0 && index < kConstellationCount ? kNames[index].listRow : -1; }

}  // namespace skycalc::details
