#include "astro/almanac/accurate.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <vector>

#include "astro/almanac/elpmpp02.h"
#include "astro/precise/nutation.h"
#include "astro/almanac/series.h"
#include "astro/almanac/vsop87b_earth.h"
#include "astro/precise/vsop87.h"

namespace skycalc::accurate {

namespace {

constexpr double kDaysPerCentury = ERFA_DJC;
constexpr double kDaysPerMillennium = 10.0 * ERFA_DJC;
constexpr double kKmPerDayOfLight = ERFA_CMPS * ERFA_DAYSEC / 1000.0;
constexpr double kAuPerDayOfLight = ERFA_DC;  // au per day
constexpr double kKmPerAu = ERFA_DAU / 1000.0;

// Reference: IAU 2006 (Hilton et al. 2006), the mean obliquity of J2000.0,
// 84381.406", which turns the lunar theory's ecliptic of J2000.0 onto the
// mean equator of J2000.0.
constexpr double kObliquityJ2000 = 84381.406 * ERFA_DAS2R;

// Reference: P. Bretagnon and G. Francou, VSOP87 (A&A 202, 309, 1988), the
// notes of the solution's files (vsop87.doc), and J. Meeus, Astronomical
// Algorithms (2nd ed. 1998), ch. 32: VSOP87's dynamical ecliptic and equinox
// of J2000.0 turn onto the equator and equinox of FK5 J2000.0 by the
// obliquity 23.4392803055556 deg (84381.4091") and then by psi =
// -0.0000275 deg (-0.099") about the pole; in longitude Meeus's -0.09033".
// FK5 J2000.0 is taken as the ICRS (they differ by 0.02", ERFA eraFk5hip),
// from which ERFA's frame bias, precession and nutation go on. Treating
// VSOP87's frame as the dynamical frame of IAU 2006 instead put the Sun's
// longitude 0.07" ahead of DE405 and every solar term 1.8 s early.
constexpr double kVsopObliquity = 84381.4091 * ERFA_DAS2R;
constexpr double kVsopToFk5Psi = -0.0000275 * ERFA_DD2R;

// Reference: J. Chapront and G. Francou, A&A 404, 735 (2003), and the notes
// of the elpmpp02 files: Laskar's P and Q, which turn the mean ecliptic of
// date of ELP onto the inertial mean ecliptic of J2000.0 (coefficients of
// T^1 to T^5, T in centuries).
constexpr double kLaskarP[5] = {0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11, 0.463486e-14};
constexpr double kLaskarQ[5] = {-0.113469002e-3, 0.12372674e-6, 0.12654170e-8, -0.1371808e-11, -0.320334e-14};

const detail::VsopEvaluator& Earth() {
  static const detail::VsopEvaluator earth(detail::FullEarth());
  return earth;
}

// The Earth from the terms of amplitude 1e-6 (radians, AU) and more, for the
// coarse steps of a search: within 2" of the whole theory from 1000 to 3000.
const detail::VsopEvaluator& CoarseEarth() {
  static const detail::VsopEvaluator earth = [] {
    constexpr double kCut = 1e-6;
    std::vector<precise::detail::VsopTerm> kept[3][precise::detail::kVsopPowers];  // copied by the theory
    const precise::detail::VsopBody& full = detail::FullEarth();
    const precise::detail::VsopSeries(*coordinates[3])[precise::detail::kVsopPowers] = {&full.longitude, &full.latitude,
                                                                                         &full.radius};
    precise::detail::VsopBody cut;
    precise::detail::VsopSeries(*cutCoordinates[3])[precise::detail::kVsopPowers] = {&cut.longitude, &cut.latitude,
                                                                                      &cut.radius};
    for (int c = 0; c < 3; ++c) {
      for (std::size_t k = 0; k < precise::detail::kVsopPowers; ++k) {
        const precise::detail::VsopSeries& series = (*coordinates[c])[k];
        for (std::size_t i = 0; i < series.count; ++i) {
          if (std::fabs(series.terms[i].amplitude) >= kCut) kept[c][k].push_back(series.terms[i]);
        }
        (*cutCoordinates[c])[k] = {kept[c][k].data(), kept[c][k].size()};
      }
    }
    return detail::VsopEvaluator(cut);
  }();
  return earth;
}

// The turns from each theory's ecliptic of J2000.0 to the true equator of
// date, and the true obliquity of date.
struct DateFrame {
  double sunToTrue[3][3];   // VSOP87's frame
  double moonToTrue[3][3];  // ELP/MPP02's frame (after Laskar's P and Q)
  double trueObliquity;
};

DateFrame MakeFrame(double jdTt) {
  double dpsi, deps;
  precise::detail::Nutation2000B((jdTt - ERFA_DJ00) / kDaysPerCentury, dpsi, deps);
  double epsa, rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
  eraPn06(ERFA_DJ00, jdTt - ERFA_DJ00, dpsi, deps, &epsa, rb, rp, rbp, rn, rbpn);
  DateFrame frame;
  // VSOP87: to FK5 (taken as the ICRS), then bias, precession and nutation.
  double vsopToIcrs[3][3];
  eraIr(vsopToIcrs);
  eraRx(-kVsopObliquity, vsopToIcrs);
  eraRz(-kVsopToFk5Psi, vsopToIcrs);
  eraRxr(rbpn, vsopToIcrs, frame.sunToTrue);
  // ELP/MPP02, fitted to DE405, as a dynamical frame of J2000.0: precession
  // and nutation without the frame bias of the GCRS.
  double np[3][3], toEquator[3][3];
  eraRxr(rn, rp, np);
  eraIr(toEquator);
  eraRx(-kObliquityJ2000, toEquator);
  eraRxr(np, toEquator, frame.moonToTrue);
  frame.trueObliquity = epsa + deps;
  return frame;
}

// A vector on a theory's ecliptic of J2000.0 (toTrue: that theory's turn
// of frame) as the apparent place of date.
ApparentPlace PlaceOf(const double ecliptic[3], const double (&toTrue)[3][3], const DateFrame& frame) {
  // ERFA 2.0 takes what it only reads without const.
  double matrix[3][3], vector[3] = {ecliptic[0], ecliptic[1], ecliptic[2]}, equatorial[3];
  eraCr(const_cast<double(*)[3]>(toTrue), matrix);
  eraRxp(matrix, vector, equatorial);
  ApparentPlace place;
  double r;
  eraP2s(equatorial, &place.rightAscension, &place.declination, &r);
  place.rightAscension = eraAnp(place.rightAscension);
  double ofDate[3];
  const double c = std::cos(frame.trueObliquity), s = std::sin(frame.trueObliquity);
  ofDate[0] = equatorial[0];
  ofDate[1] = c * equatorial[1] + s * equatorial[2];
  ofDate[2] = -s * equatorial[1] + c * equatorial[2];
  eraP2s(ofDate, &place.longitude, &place.latitude, &r);
  place.longitude = eraAnp(place.longitude);
  place.distance = r;
  return place;
}

// Spherical (longitude, latitude, distance) and their rates to a position and a velocity.
void ToCartesian(double l, double b, double r, double lRate, double bRate, double rRate, double p[3], double v[3]) {
  const double cl = std::cos(l), sl = std::sin(l), cb = std::cos(b), sb = std::sin(b);
  p[0] = r * cb * cl;
  p[1] = r * cb * sl;
  p[2] = r * sb;
  if (v) {
    v[0] = rRate * cb * cl - r * sb * bRate * cl - r * cb * sl * lRate;
    v[1] = rRate * cb * sl - r * sb * bRate * sl + r * cb * cl * lRate;
    v[2] = rRate * sb + r * cb * bRate;
  }
}

// The geocentric Sun, apparent direction (aberration applied) on the
// ecliptic of J2000.0 times its geometric distance (AU); the rate of its
// geometric longitude (radians per day).
void SunEcliptic(double jdTt, double sun[3], double& longitudeRate, bool coarse = false) {
  double value[3], rate[3];
  (coarse ? CoarseEarth() : Earth()).Evaluate((jdTt - ERFA_DJ00) / kDaysPerMillennium, value, rate);
  double earth[3], velocity[3];
  ToCartesian(value[0], value[1], value[2], rate[0] / kDaysPerMillennium, rate[1] / kDaysPerMillennium,
              rate[2] / kDaysPerMillennium, earth, velocity);
  double direction[3], unit[3], beta[3], apparent[3];
  eraSxp(-1.0, earth, direction);
  eraPn(direction, &value[2], unit);
  eraSxp(1.0 / kAuPerDayOfLight, velocity, beta);
  eraAb(unit, beta, value[2], std::sqrt(1.0 - eraPdp(beta, beta)), apparent);
  eraSxp(value[2], apparent, sun);
  longitudeRate = rate[0] / kDaysPerMillennium;
}

// The geocentric Moon where its light left it, on the ecliptic of J2000.0
// (km), and the rate of its longitude of date (radians per day).
// (each coordinate whole or from the coarse terms only: longitude, latitude, distance).
void MoonEcliptic(double jdTt, const bool (&coarse)[3], double moon[3], double& longitudeRate) {
  static const detail::ElpEvaluator evaluator(detail::ElpMpp02());
  const double t = (jdTt - ERFA_DJ00) / kDaysPerCentury;
  double l, lRate, b, bRate, r, rRate;
  evaluator.Coordinate(0, t, coarse[0], l, lRate);
  evaluator.Coordinate(1, t, coarse[1], b, bRate);
  evaluator.Coordinate(2, t, coarse[2], r, rRate);
  const double* w = detail::ElpMpp02().meanLongitude;
  l = w[0] + t * (w[1] + t * (w[2] + t * (w[3] + t * w[4]))) + l * ERFA_DAS2R;
  lRate = w[1] + t * (2.0 * w[2] + t * (3.0 * w[3] + t * 4.0 * w[4])) + lRate * ERFA_DAS2R;
  b *= ERFA_DAS2R;
  bRate *= ERFA_DAS2R;
  // Light-time: the place a moment r/c earlier, from the rates (the
  // acceleration's share is below 1e-6").
  const double lightTime = r / kKmPerDayOfLight / kDaysPerCentury;
  l -= lightTime * lRate;
  b -= lightTime * bRate;
  r -= lightTime * rRate;
  double ofDate[3];
  ToCartesian(l, b, r, 0, 0, 0, ofDate, nullptr);
  // Laskar's P and Q: the mean ecliptic of date to the inertial ecliptic of J2000.0.
  const double p = t * (kLaskarP[0] + t * (kLaskarP[1] + t * (kLaskarP[2] + t * (kLaskarP[3] + t * kLaskarP[4]))));
  const double q = t * (kLaskarQ[0] + t * (kLaskarQ[1] + t * (kLaskarQ[2] + t * (kLaskarQ[3] + t * kLaskarQ[4]))));
  const double root = std::sqrt(1.0 - p * p - q * q);
  const double x = ofDate[0], y = ofDate[1], z = ofDate[2];
  moon[0] = (1.0 - 2.0 * p * p) * x + 2.0 * p * q * y + 2.0 * p * root * z;
  moon[1] = 2.0 * p * q * x + (1.0 - 2.0 * q * q) * y - 2.0 * q * root * z;
  moon[2] = -2.0 * p * root * x + 2.0 * q * root * y + (1.0 - 2.0 * p * p - 2.0 * q * q) * z;
  longitudeRate = lRate / kDaysPerCentury;
}

void MoonEcliptic(double jdTt, bool coarse, double moon[3], double& longitudeRate) {
  MoonEcliptic(jdTt, {coarse, coarse, coarse}, moon, longitudeRate);
}

double LongitudeOf(const double ecliptic[3], const double (&toTrue)[3][3], const DateFrame& frame) {
  return PlaceOf(ecliptic, toTrue, frame).longitude;
}

}  // namespace

ApparentPlace SunApparent(double jdTt) {
  double sun[3], rate;
  SunEcliptic(jdTt, sun, rate);
  const DateFrame frame = MakeFrame(jdTt);
  return PlaceOf(sun, frame.sunToTrue, frame);
}

namespace {

// coarse: the lunar terms of 1" (1 km) and more only.
ApparentPlace MoonPlace(double jdTt, bool coarse) {
  double moon[3], rate;
  MoonEcliptic(jdTt, coarse, moon, rate);
  eraSxp(1.0 / kKmPerAu, moon, moon);
  const DateFrame frame = MakeFrame(jdTt);
  return PlaceOf(moon, frame.moonToTrue, frame);
}

}  // namespace

ApparentPlace MoonApparent(double jdTt) { return MoonPlace(jdTt, false); }

void SunMoonApparent(double jdTt, ApparentPlace& sunPlace, ApparentPlace& moonPlace) {
  const DateFrame frame = MakeFrame(jdTt);
  double sun[3], moon[3], rate;
  SunEcliptic(jdTt, sun, rate);
  sunPlace = PlaceOf(sun, frame.sunToTrue, frame);
  MoonEcliptic(jdTt, false, moon, rate);
  eraSxp(1.0 / kKmPerAu, moon, moon);
  moonPlace = PlaceOf(moon, frame.moonToTrue, frame);
}

ApparentPlace MoonApparentCoarse(double jdTt) { return MoonPlace(jdTt, true); }

Longitudes ApparentLongitudes(double jdTt, bool coarse) {
  const DateFrame frame = MakeFrame(jdTt);
  double sun[3], moon[3];
  Longitudes result;
  SunEcliptic(jdTt, sun, result.sunRate, coarse);
  MoonEcliptic(jdTt, coarse, moon, result.moonRate);
  result.sun = LongitudeOf(sun, frame.sunToTrue, frame);
  result.moon = LongitudeOf(moon, frame.moonToTrue, frame);
  return result;
}

double SunApparentLongitude(double jdTt, double* ratePerDay, bool coarse) {
  double sun[3], rate;
  SunEcliptic(jdTt, sun, rate, coarse);
  if (ratePerDay) *ratePerDay = rate;
  const DateFrame frame = MakeFrame(jdTt);
  return LongitudeOf(sun, frame.sunToTrue, frame);
}

ApparentPlace MoonApparentMixed(double jdTt, bool wholeLongitude, bool wholeLatitude, bool wholeDistance) {
  double moon[3], rate;
  MoonEcliptic(jdTt, {!wholeLongitude, !wholeLatitude, !wholeDistance},
               moon, rate);
  eraSxp(1.0 / kKmPerAu, moon, moon);
  const DateFrame frame = MakeFrame(jdTt);
  return PlaceOf(moon, frame.moonToTrue, frame);
}

void PlacesOfDate(const double (*eclipticJ2000)[3], int count, double jdTt, ApparentPlace* places) {
  const DateFrame frame = MakeFrame(jdTt);
  for (int i = 0; i < count; ++i) places[i] = PlaceOf(eclipticJ2000[i], frame.sunToTrue, frame);
}

}  // namespace skycalc::accurate
