#include "astro/details/constellation.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "astro/base/constants.h"

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

// The rows go down the sky (declinations never rising), so the search may
// start at the first row a declination reaches.
constexpr bool DeclinationsNeverRise() {
  for (std::size_t i = 1; i < std::size(kBoundaries); ++i) {
    if (kBoundaries[i].decLowDegrees > kBoundaries[i - 1].decLowDegrees) return false;
  }
  return true;
}
static_assert(DeclinationsNeverRise(), "the search below relies on the table's order");


// The matrix from the ICRS to the mean equator and equinox of B1875.0.
struct B1875Matrix {
  double m[3][3];
  B1875Matrix() { eraPmat06(kB1875Jd, 0.0, m); }
};

const B1875Matrix& ToB1875() {
  static const B1875Matrix matrix;
  return matrix;
}


// The matrix from the equator of a date to B1875.0, kept for the dates
// within kReuseDays of the one it was made for (per thread): a table of
// rows an hour apart makes it once a day. Precession turns the equator by
// 0.14" a day and nutation by at most 0.3", far inside any model's error.
constexpr double kReuseDays = 1.0;

struct DateMatrix {
  bool valid = false;
  bool apparent = false;
  double jdTt = 0.0;
  double m[3][3];
};

const DateMatrix& FromDate(double jdTt, bool apparent) {
  thread_local DateMatrix cache;
  if (cache.valid && cache.apparent == apparent && std::fabs(jdTt - cache.jdTt) < kReuseDays) return cache;
  double toDate[3][3], fromDate[3][3], b1875[3][3];
  if (apparent)
    eraPnm00b(jdTt, 0.0, toDate);  // GCRS -> true equator and equinox of date (IAU 2000B, as the precise model)
  else
    eraPmat06(jdTt, 0.0, toDate);  // GCRS -> mean equator and equinox of date
  eraTr(toDate, fromDate);
  eraCr(const_cast<double(*)[3]>(ToB1875().m), b1875);
  eraRxr(b1875, fromDate, cache.m);
  cache.valid = true;
  cache.apparent = apparent;
  cache.jdTt = jdTt;
  return cache;
}

// The sines of the rows' lower declinations, made once.
struct DeclinationSines {
  double sines[std::size(kBoundaries)];
  DeclinationSines() {
    for (std::size_t i = 0; i < std::size(kBoundaries); ++i) sines[i] = std::sin(kBoundaries[i].decLowDegrees * kExactDegToRad);
  }
};

// The constellation of a unit vector on the B1875.0 axes: the first row whose
// lower declination it reaches (its z against the row's sine, the rows going
// down the sky) and whose hours of right ascension hold it.
int ConstellationOfVector(const double v[3]) {
  static const DeclinationSines table;
  const double* first = std::partition_point(std::begin(table.sines), std::end(table.sines),
                                             [z = v[2]](double sine) { return z < sine; });
  double ra = std::atan2(v[1], v[0]);
  if (ra < 0.0) ra += kExactTwoPi;
  if (!(ra < kExactTwoPi)) ra = 0.0;  // a tiny negative angle rounds up to the full turn
  const double hours = ra * 12.0 / kExactPi;
  for (const BoundaryRow* row = kBoundaries + (first - table.sines); row != std::end(kBoundaries); ++row) {
    if (hours >= row->raLowHours && hours < row->raHighHours) return row->constellation;
  }
  return -1;  // not reached: the last row covers the whole sky down to the pole
}

// The unit vector of a longitude and latitude (radians), as eraS2c makes it,
// and a matrix times a vector, as eraRxp: written here so that a table row
// pays for neither call.
void UnitVector(double longitude, double latitude, double v[3]) {
  const double c = std::cos(latitude);
  v[0] = std::cos(longitude) * c;
  v[1] = std::sin(longitude) * c;
  v[2] = std::sin(latitude);
}

void Rotate(const double m[3][3], const double v[3], double w[3]) {
  for (int i = 0; i < 3; ++i) w[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}

}  // namespace

int ConstellationOfB1875(double ra1875, double dec1875) {
  if (std::isnan(ra1875) || std::isnan(dec1875)) return -1;
  double v[3];
  UnitVector(ra1875, dec1875, v);
  return ConstellationOfVector(v);
}

int ConstellationOfIcrs(double ra, double dec) {
  if (std::isnan(ra) || std::isnan(dec)) return -1;
  double v[3], w[3];
  UnitVector(ra, dec, v);
  Rotate(ToB1875().m, v, w);
  return ConstellationOfVector(w);
}

int ConstellationOfDate(double ra, double dec, double jdTt, bool apparent) {
  if (!std::isfinite(jdTt) || std::isnan(ra) || std::isnan(dec)) return -1;
  double v[3], w[3];
  UnitVector(ra, dec, v);
  Rotate(FromDate(jdTt, apparent).m, v, w);
  return ConstellationOfVector(w);
}

const char* ConstellationAbbreviation(int index) {
  return index >= 0 && index < kConstellationCount ? kNames[index].abbreviation : nullptr;
}

int ConstellationListRow(int index) { return index >= 0 && index < kConstellationCount ? kNames[index].listRow : -1; }

}  // namespace skycalc::details
