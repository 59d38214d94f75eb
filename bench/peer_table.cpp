// A plain table program on a peer library, for comparing the cost of a row
// with skycalc-cli's: hourly rows of the date, the time, the Julian Day and
// the azimuth (from the south) and altitude of Mars or the Moon for one site,
// printed with printf, the way a user of that library would write it.
//
//   peer_table erfa|erfa-geometric|libnova mars|moon ROWS
//
// erfa: the place of date as ERFA's documentation builds it, with the IAU
// 2006/2000A bias-precession-nutation matrix (eraPnm06a) and the apparent
// sidereal time from it (eraGst06). erfa-geometric: the bare series only
// (J2000 geometric direction, mean sidereal time), the cheapest ERFA row.
// libnova: its own equatorial and horizontal coordinates.
//
// The rows start at 2024-01-01 00:00 UT, at longitude 139.7 E, latitude 35.7 N.

#include <erfa.h>
#include <erfam.h>
#include <libnova/libnova.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double kStartJd = 2460310.5;  // 2024-01-01 00:00 UT
constexpr double kLongitudeDeg = 139.7;
constexpr double kLatitudeDeg = 35.7;

void PrintRow(int year, int month, int day, double dayFraction, double jd, double azimuthDeg,
              double altitudeDeg) {
  const int minutes = static_cast<int>(std::lround(dayFraction * 1440.0));
  std::printf("%04d-%02d-%02d\t%02d:%02d\t%f\tAzm %.2f°\tAlt %.2f°\n", year, month, day, minutes / 60,
              minutes % 60, jd, azimuthDeg, altitudeDeg);
}

// ERFA: UTC -> TT through the leap-second table, the geocentric vector from
// eraEpv00 + eraPlan94 (Mars) or eraMoon98 (Moon), carried to the true
// equator and equinox of date with the apparent sidereal time (ofDate) or
// left in the J2000 frame with the mean sidereal time, then eraHd2ae.
void ErfaRow(bool moon, bool ofDate, double jd) {
  double tai1, tai2, tt1, tt2;
  eraUtctai(jd, 0.0, &tai1, &tai2);
  eraTaitt(tai1, tai2, &tt1, &tt2);
  double geo[3];
  if (moon) {
    double pv[2][3];
    eraMoon98(tt1, tt2, pv);
    eraCp(pv[0], geo);
  } else {
    double earthH[2][3], earthB[2][3], mars[2][3];
    eraEpv00(tt1, tt2, earthH, earthB);
    eraPlan94(tt1, tt2, 4, mars);
    eraPmp(mars[0], earthH[0], geo);
  }
  double gst = 0.0;
  if (ofDate) {
    double npb[3][3];
    eraPnm06a(tt1, tt2, npb);
    eraRxp(npb, geo, geo);
    gst = eraGst06(jd, 0.0, tt1, tt2, npb);
  } else {
    gst = eraGmst06(jd, 0.0, tt1, tt2);
  }
  double ra, dec;
  eraC2s(geo, &ra, &dec);
  const double lst = gst + kLongitudeDeg * ERFA_DD2R;
  double azimuth, altitude;
  eraHd2ae(lst - ra, dec, kLatitudeDeg * ERFA_DD2R, &azimuth, &altitude);
  int year, month, day;
  double fraction;
  eraJd2cal(jd, 0.0, &year, &month, &day, &fraction);
  PrintRow(year, month, day, fraction, jd, eraAnp(azimuth - ERFA_DPI) * ERFA_DR2D, altitude * ERFA_DR2D);
}

// libnova: its equatorial coordinates of Mars or the Moon and its horizontal
// conversion (azimuth already counted from the south).
void LibnovaRow(bool moon, double jd) {
  ln_equ_posn equ{};
  if (moon) {
    ln_get_lunar_equ_coords(jd, &equ);
  } else {
    ln_get_mars_equ_coords(jd, &equ);
  }
  ln_lnlat_posn site{kLongitudeDeg, kLatitudeDeg};
  ln_hrz_posn hrz{};
  ln_get_hrz_from_equ(&equ, &site, jd, &hrz);
  ln_date date{};
  ln_get_date(jd, &date);
  const double fraction = (date.hours * 60.0 + date.minutes + date.seconds / 60.0) / 1440.0;
  PrintRow(date.years, date.months, date.days, fraction, jd, hrz.az, hrz.alt);
}

}  // namespace

int main(int argc, char** argv) {
  const char* const libraries[] = {"erfa", "erfa-geometric", "libnova"};
  int library = -1;
  for (int i = 0; argc == 4 && i < 3; ++i)
    if (std::strcmp(argv[1], libraries[i]) == 0) library = i;
  if (library < 0 || (std::strcmp(argv[2], "mars") != 0 && std::strcmp(argv[2], "moon") != 0)) {
    std::fprintf(stderr, "usage: peer_table erfa|erfa-geometric|libnova mars|moon ROWS\n");
    return 64;
  }
  const bool moon = std::strcmp(argv[2], "moon") == 0;
  const long rows = std::strtol(argv[3], nullptr, 10);
  for (long i = 0; i < rows; ++i) {
    const double jd = kStartJd + static_cast<double>(i) / 24.0;
    if (library == 2) {
      LibnovaRow(moon, jd);
    } else {
      ErfaRow(moon, library == 0, jd);
    }
  }
  return 0;
}
