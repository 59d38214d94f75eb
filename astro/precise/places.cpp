#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <limits>

#include "astro/precise/frame.h"
#include "astro/precise/precise.h"

namespace skycalc::precise {

namespace {

using detail::ErfaIn;
using detail::PlutoEquatorial;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

// Light from a body passing the Sun is bent by up to 1.75"; ERFA's own
// routines cap the divisor at this value so that a body exactly behind the
// Sun gives a finite (and by then irrelevant) deflection.
constexpr double kDeflectionLimit = 1e-6;

// Passes of the light-time iteration: each cuts the error by the body's
// speed over c (2e-4 at most, Mercury), so three leave 1e-11 of it.
constexpr int kLightTimePasses = 3;

// Pluto's series gives no velocity; a one-day backward difference gives it
// to 1e-7 AU/day, which over its light-time moves it by under 0.001".
constexpr double kPlutoVelocityStep = 1.0;

// The Earth at TT jdTt: heliocentric position (AU) and velocity (AU/day).
// Heliocentric stands in for barycentric throughout: the Sun moves at most
// 15 m/s about the barycentre (0.01" of aberration) and only its motion
// during the light-time would enter the planets' places (200 km at Neptune).
struct EarthState {
  double pv[2][3];
};

EarthState MakeEarthState(double jdTt) {
  EarthState earth{};
  EarthHeliocentric(jdTt, earth.pv);
  return earth;
}

// Heliocentric position (AU) and velocity (AU/day), equatorial J2000, of a
// body other than the Moon at TT jdTt; the Sun is the body at the origin.
// The planets come from the same VSOP87 as the Earth, Pluto's ecliptic is
// turned by the same J2000 obliquity. The offset of VSOP87's and Meeus's
// J2000 frame from the ICRS (under 0.1") is far below this model's aim, so
// both count as GCRS axes.
void Heliocentric(Body body, double jdTt, double pv[2][3]) {
  if (body == Body::kSun) {
    eraZpv(pv);
  } else if (body == Body::kPluto) {
    double before[3];
    PlutoEquatorial(jdTt, pv[0]);
    PlutoEquatorial(jdTt - kPlutoVelocityStep, before);
    eraPmp(pv[0], before, pv[1]);
    eraSxp(1.0 / kPlutoVelocityStep, pv[1], pv[1]);
  } else {
    PlanetHeliocentric(body, jdTt, pv);
  }
}

// The place seen now of a body at geometric geocentric position r (AU) with
// velocity v (AU/day): r - v tau with tau = |r - v tau| / c. Over the
// light-time the bodies keep to a straight line within 1e-7 AU (Mercury,
// 0.04"; the Moon and the outer planets far closer), so no ephemeris is
// evaluated again. The Moon shares the Earth's barycentric motion, so for it
// r and v are geocentric; for the others v is the body's own heliocentric
// velocity, the Earth staying where the light arrives.
AstrometricPlace LightTimeCorrected(const double r[3], const double v[3]) {
  AstrometricPlace place;
  double tau = eraPm(ErfaIn(r)) * kLightDaysPerAu;
  for (int pass = 0; pass < kLightTimePasses; ++pass) {
    place.lightTime = tau;
    eraPpsp(ErfaIn(r), -tau, ErfaIn(v), place.position);
    tau = eraPm(place.position) * kLightDaysPerAu;
  }
  return place;
}

// The Moon's geocentric position (AU) and velocity (AU/day), GCRS, at TT
// jdTt: ERFA's series for a readout, the search's copy of it for a search.
void MoonVectors(double jdTt, detail::Evaluation evaluation, double pv[2][3]) {
  if (evaluation == detail::Evaluation::kSearch) {
    detail::MoonBySeries(jdTt, pv);
  } else {
    eraMoon98(jdTt, 0.0, pv);
  }
}

AstrometricPlace MoonAstrometric(double jdTt) {
  double pv[2][3];
  MoonVectors(jdTt, detail::Evaluation::kReadout, pv);
  return LightTimeCorrected(pv[0], pv[1]);
}

AstrometricPlace SolarSystemAstrometric(Body body, double jdTt, const EarthState& earth) {
  double pv[2][3], relative[3];
  Heliocentric(body, jdTt, pv);
  eraPmp(pv[0], ErfaIn(earth.pv[0]), relative);
  return LightTimeCorrected(relative, pv[1]);
}

// The light of a body at a finite distance (bodyFromSun: its heliocentric
// place, AU) or of a star (bodyFromSun null) bent by the Sun's gravity: up
// to 1.75" at the limb, 4 mas at 90 degrees. direction is a unit vector in
// the GCRS, changed in place.
void Deflect(double direction[3], const double* bodyFromSun, const EarthState& earth) {
  double sunToEarth = 0.0, e[3], deflected[3];
  eraPn(ErfaIn(earth.pv[0]), &sunToEarth, e);
  if (bodyFromSun != nullptr) {
    double distance = 0.0, q[3];
    eraPn(ErfaIn(bodyFromSun), &distance, q);
    eraLd(1.0, direction, q, e, sunToEarth, kDeflectionLimit, deflected);
  } else {
    eraLdsun(direction, e, sunToEarth, deflected);
  }
  eraCp(deflected, direction);
}

// Annual aberration, relativistic form.
void Aberrate(double direction[3], const EarthState& earth) {
  double v[3], aberrated[3];
  eraSxp(kLightDaysPerAu, ErfaIn(earth.pv[1]), v);  // velocity in units of c
  const double bm1 = std::sqrt(1.0 - eraPdp(v, v));
  eraAb(direction, v, eraPm(ErfaIn(earth.pv[0])), bm1, aberrated);
  eraCp(aberrated, direction);
}

// direction (unit vector, GCRS) to the true equator and equinox of date.
void ToDate(const detail::DateFrame& frame, const double direction[3], double& ra, double& dec) {
  double turned[3];
  eraRxp(ErfaIn(frame.gcrsToTrue), ErfaIn(direction), turned);
  eraC2s(turned, &ra, &dec);
  ra = detail::FoldAngle(ra);
}

GeocentricApparent NaNPlace(Status status) { return GeocentricApparent{status, kNaN, kNaN, kNaN}; }

}  // namespace

namespace detail {

// eraAnp returns 2pi itself for a tiny negative angle (the sum rounds up),
// which a right ascension from eraC2s just below 0 would meet.
// Within a turn of 0 (a right ascension from eraC2s, a sidereal time) fmod
// gives the angle itself, so the library's call is left to the others.
double FoldAngle(double angle) {
  double folded = std::fabs(angle) < ERFA_D2PI ? angle : std::fmod(angle, ERFA_D2PI);
  if (folded < 0.0) folded += ERFA_D2PI;
  return folded < ERFA_D2PI ? folded : 0.0;
}

Status YearsStatus(double jdUtc, bool isPluto) {
  if (!(jdUtc >= kFirstJdUtc && jdUtc < kEndJdUtc)) return Status::kOutsideYears;
  if (isPluto && !(jdUtc >= kFirstPlutoJdUtc && jdUtc < kEndPlutoJdUtc)) return Status::kOutsidePlutoYears;
  return Status::kOk;
}

DateFrame MakeDateFrame(const Instant& t) {
  double gamma = 0.0, phi = 0.0, psi = 0.0, epsA = 0.0, dpsi = 0.0, deps = 0.0;
  eraPfw06(t.jdTt, 0.0, &gamma, &phi, &psi, &epsA);
  eraNut00b(t.jdTt, 0.0, &dpsi, &deps);
  DateFrame frame{};
  eraFw2m(gamma, phi, psi + dpsi, epsA + deps, frame.gcrsToTrue);
  // The equation of the equinoxes from the same nutation as the matrix, so
  // that hour angles and right ascensions share one equinox.
  const double equationOfEquinoxes = dpsi * std::cos(epsA) + eraEect00(t.jdTt, 0.0);
  frame.gast = FoldAngle(eraGmst06(t.jdUtc, 0.0, t.jdTt, 0.0) + equationOfEquinoxes);
  return frame;
}

GeocentricApparent MoonGeocentric(const Instant& t, const double pv[2][3], const DateFrame& frame,
                                  SolarSystemVectors* vectors) {
  const Status status = YearsStatus(t.jdUtc, false);
  if (status != Status::kOk) {
    if (vectors) *vectors = SolarSystemVectors{{kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}};
    return NaNPlace(status);
  }
  // No annual aberration: the Moon shares the Earth's barycentric motion,
  // whose light-time shift and aberration cancel to 2 mas, so the
  // geocentric light-time alone gives the apparent direction.
  const AstrometricPlace astrometric = LightTimeCorrected(pv[0], pv[1]);
  GeocentricApparent place;
  double direction[3];
  eraPn(ErfaIn(astrometric.position), &place.distance, direction);
  if (vectors) {
    eraCp(ErfaIn(astrometric.position), vectors->body);
    eraCp(MakeEarthState(t.jdTt).pv[0], vectors->earth);
  }
  ToDate(frame, direction, place.rightAscension, place.declination);
  return place;
}

GeocentricApparent BodyGeocentric(Body body, const Instant& t, const DateFrame& frame, SolarSystemVectors* vectors,
                                  Evaluation evaluation) {
  const Status status = YearsStatus(t.jdUtc, body == Body::kPluto);
  if (status != Status::kOk) {
    if (vectors) *vectors = SolarSystemVectors{{kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}};
    return NaNPlace(status);
  }
  if (body == Body::kMoon) {
    double pv[2][3];
    MoonVectors(t.jdTt, evaluation, pv);
    return MoonGeocentric(t, pv, frame, vectors);
  }
  GeocentricApparent place;
  double direction[3];
  const EarthState earth = MakeEarthState(t.jdTt);
  const AstrometricPlace astrometric = SolarSystemAstrometric(body, t.jdTt, earth);
  if (vectors) {
    eraCp(ErfaIn(astrometric.position), vectors->body);
    eraCp(ErfaIn(earth.pv[0]), vectors->earth);
  }
  eraPn(ErfaIn(astrometric.position), &place.distance, direction);
  // The Sun does not bend its own light.
  if (body != Body::kSun) {
    double bodyFromSun[3];
    eraPpp(ErfaIn(astrometric.position), ErfaIn(earth.pv[0]), bodyFromSun);
    Deflect(direction, bodyFromSun, earth);
  }
  Aberrate(direction, earth);
  ToDate(frame, direction, place.rightAscension, place.declination);
  return place;
}

GeocentricApparent StarGeocentric(double ra2000, double dec2000, const Instant& t, const DateFrame& frame) {
  const Status status = YearsStatus(t.jdUtc, false);
  if (status != Status::kOk) return NaNPlace(status);
  const EarthState earth = MakeEarthState(t.jdTt);
  double direction[3];
  eraS2c(ra2000, dec2000, direction);
  Deflect(direction, nullptr, earth);
  Aberrate(direction, earth);
  GeocentricApparent place;
  ToDate(frame, direction, place.rightAscension, place.declination);
  return place;
}

}  // namespace detail

AstrometricPlace BodyAstrometric(Body body, const Instant& t) {
  const Status status = detail::YearsStatus(t.jdUtc, body == Body::kPluto);
  if (status != Status::kOk) return AstrometricPlace{status, {kNaN, kNaN, kNaN}, kNaN};
  if (body == Body::kMoon) return MoonAstrometric(t.jdTt);
  return SolarSystemAstrometric(body, t.jdTt, MakeEarthState(t.jdTt));
}

GeocentricApparent BodyGeocentric(Body body, const Instant& t) {
  return detail::BodyGeocentric(body, t, detail::MakeDateFrame(t));
}

GeocentricApparent StarGeocentric(double ra2000, double dec2000, const Instant& t) {
  return detail::StarGeocentric(ra2000, dec2000, t, detail::MakeDateFrame(t));
}

double ApparentSiderealTime(const Instant& t) { return detail::MakeDateFrame(t).gast; }

}  // namespace skycalc::precise
