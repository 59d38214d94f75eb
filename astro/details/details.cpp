#include "astro/details/details.h"

#include <erfa.h>

#include <cmath>

#include "astro/details/magnitude.h"
#include "astro/planets/moon.h"
#include "astro/planets/orbit.h"

namespace skycalc::details {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr int kEarthBody = 4;
// The speed of light in AU per day (ERFA's c and au).
constexpr double kLightAuPerDay = 299792458.0 * 86400.0 / 149597870700.0;

// North poles of Saturn and Uranus, ICRS right ascension and declination at J2000.0 (degrees).
// Reference: Archinal et al. (2018), Celest. Mech. Dyn. Astr. 130:22, table 2.
constexpr double kSaturnPole[2] = {40.589, 83.537};
constexpr double kUranusPole[2] = {257.311, -15.175};

double Norm(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }
double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
void Cross(const double a[3], const double b[3], double c[3]) {
  c[0] = a[1] * b[2] - a[2] * b[1];
  c[1] = a[2] * b[0] - a[0] * b[2];
  c[2] = a[0] * b[1] - a[1] * b[0];
}

// Angle between two vectors, radians [0, pi] (atan2 of the cross and dot products: exact near 0 and pi).
double Angle(const double a[3], const double b[3]) {
  double c[3];
  Cross(a, b, c);
  return std::atan2(Norm(c), Dot(a, b));
}

// Planetocentric latitude (degrees) of the observer at the start of v (v from the observer
// to the planet) over the planet's equator of the given pole.
double SubLatitude(const double pole[3], const double v[3]) { return Angle(pole, v) / kDeg - 90.0; }

double MagnitudeOf(const Geometry& g, double r, double delta, double phaseDeg) {
  switch (g.body) {
    case precise::Body::kSun: return SunMagnitude(delta);
    case precise::Body::kMercury: return MercuryMagnitude(r, delta, phaseDeg);
    case precise::Body::kVenus: return VenusMagnitude(r, delta, phaseDeg);
    case precise::Body::kMars: return MarsMagnitude(r, delta, phaseDeg);
    case precise::Body::kJupiter: return JupiterMagnitude(r, delta, phaseDeg);
    case precise::Body::kSaturn:
      return SaturnMagnitude(r, delta, phaseDeg, SubLatitude(g.planetPole, g.helio), SubLatitude(g.planetPole, g.geo));
    case precise::Body::kUranus:
      return UranusMagnitude(r, delta, phaseDeg, SubLatitude(g.planetPole, g.helio), SubLatitude(g.planetPole, g.geo));
    case precise::Body::kNeptune: return NeptuneMagnitude(r, delta, phaseDeg, g.year);
    case precise::Body::kPluto: return PlutoMagnitude(r, delta);
    case precise::Body::kMoon: return MoonMagnitude(r, delta * kAuKm, phaseDeg);
  }
  return kNaN;
}

// Unit vector of right ascension and declination (radians).
void Direction(double ra, double dec, double v[3]) { eraS2c(ra, dec, v); }

void PoleOf(precise::Body body, double pole[3]) {
  const double* p = body == precise::Body::kSaturn ? kSaturnPole : kUranusPole;
  Direction(p[0] * kDeg, p[1] * kDeg, pole);
}

}  // namespace

BodyDetails DetailsOf(const Geometry& g) {
  BodyDetails d;
  const double delta = Norm(g.geo);
  d.distance = delta;
  d.diameter = 2.0 * std::asin(std::fmin(1.0, kEquatorialRadiusKm[static_cast<int>(g.body)] / (delta * kAuKm)));
  if (g.body == precise::Body::kSun) {
    d.magnitude = MagnitudeOf(g, 0.0, delta, 0.0);
    return d;
  }
  const double r = Norm(g.helio);
  d.phaseAngle = Angle(g.helio, g.geo);
  d.illuminatedFraction = (1.0 + std::cos(d.phaseAngle)) / 2.0;
  d.magnitude = MagnitudeOf(g, r, delta, d.phaseAngle / kDeg);
  d.elongation = Angle(g.sunDirection, g.bodyDirection);
  // East when the body is ahead of the Sun: the turn from the Sun to the body is about the ecliptic's north pole.
  double turn[3];
  Cross(g.sunDirection, g.bodyDirection, turn);
  d.east = Dot(turn, g.eclipticPole) > 0.0;
  return d;
}

precise::Status PreciseGeometry(precise::Body body, double jdUtc, Geometry& g) {
  g = Geometry{};
  g.body = body;
  const bool pluto = body == precise::Body::kPluto;
  if (!(jdUtc >= (pluto ? precise::kFirstPlutoJdUtc : precise::kFirstJdUtc) &&
        jdUtc < (pluto ? precise::kEndPlutoJdUtc : precise::kEndJdUtc)))
    return pluto && jdUtc >= precise::kFirstJdUtc && jdUtc < precise::kEndJdUtc ? precise::Status::kOutsidePlutoYears
                                                                                 : precise::Status::kOutsideYears;
  const precise::Instant t = precise::MakeInstant(jdUtc);
  // The Earth once; the Sun is at the origin of the heliocentric frame, so its astrometric
  // place is -earth, as the model gives it.
  double earth[2][3];
  precise::EarthHeliocentric(t.jdTt, earth);
  switch (body) {
    case precise::Body::kSun: break;
    case precise::Body::kMoon: {
      const precise::AstrometricPlace a = precise::BodyAstrometric(body, t);
      for (int i = 0; i < 3; ++i) g.geo[i] = a.position[i];
      break;
    }
    case precise::Body::kPluto: {
      // Light-time: Pluto moves so slowly that one re-evaluation at the emission time suffices.
      double longitude, latitude, radius, ecliptic[3], toEquator[3][3];
      eraIr(toEquator);
      eraRx(-84381.406 / 3600.0 * kDeg, toEquator);  // ecliptic of J2000.0 -> equator (IAU 2006 obliquity)
      double emitted = t.jdTt;
      for (int pass = 0; pass < 2; ++pass) {
        precise::PlutoHeliocentric(emitted, longitude, latitude, radius);
        eraS2p(longitude, latitude, radius, ecliptic);
        eraRxp(toEquator, ecliptic, g.helio);
        for (int i = 0; i < 3; ++i) g.geo[i] = g.helio[i] - earth[0][i];
        emitted = t.jdTt - Norm(g.geo) / kLightAuPerDay;
      }
      break;
    }
    default: {
      // Light-time as the model takes it: the place moved back along the body's velocity.
      double pv[2][3];
      precise::PlanetHeliocentric(body, t.jdTt, pv);
      double lightTime = 0.0;
      for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 3; ++i) {
          g.helio[i] = pv[0][i] - pv[1][i] * lightTime;
          g.geo[i] = g.helio[i] - earth[0][i];
        }
        lightTime = Norm(g.geo) / kLightAuPerDay;
      }
      break;
    }
  }
  for (int i = 0; i < 3; ++i) {
    if (body == precise::Body::kSun) g.geo[i] = -earth[0][i];
    if (body == precise::Body::kMoon) g.helio[i] = earth[0][i] + g.geo[i];
    // Directions as the astrometric places give them (the elongation as almanacs and PyEphem
    // take it, without the aberration).
    g.bodyDirection[i] = g.geo[i];
    g.sunDirection[i] = -earth[0][i];
  }
  if (body == precise::Body::kSaturn || body == precise::Body::kUranus) PoleOf(body, g.planetPole);
  // The pole of the ecliptic of J2000.0 on the same axes.
  const double obliquity = 84381.406 / 3600.0 * kDeg;  // IAU 2006, at J2000.0
  g.eclipticPole[0] = 0.0;
  g.eclipticPole[1] = -std::sin(obliquity);
  g.eclipticPole[2] = std::cos(obliquity);
  g.year = 2000.0 + (t.jdTt - 2451545.0) / 365.25;
  return precise::Status::kOk;
}

void CalculatorGeometry(int body, double jd, Geometry& g) {
  g = Geometry{};
  static constexpr precise::Body kBodies[12] = {
      precise::Body::kSun,    precise::Body::kSun,    precise::Body::kMercury, precise::Body::kVenus,
      precise::Body::kSun,    precise::Body::kMars,   precise::Body::kJupiter, precise::Body::kSaturn,
      precise::Body::kUranus, precise::Body::kNeptune, precise::Body::kPluto,  precise::Body::kMoon};
  double earth[3];
  HeliocentricPosition(kEarthBody, jd, earth);
  if (body < 1 || body > 11 || body == kEarthBody || !std::isfinite(jd)) {
    for (int i = 0; i < 3; ++i) g.helio[i] = g.geo[i] = kNaN;
    return;
  }
  g.body = kBodies[body];
  if (g.body == precise::Body::kMoon) {
    double lambda, beta, distance;
    MoonPosition(jd, lambda, beta, distance);
    eraS2p(lambda, beta, distance, g.geo);
    eraPpp(earth, g.geo, g.helio);
  } else {
    HeliocentricPosition(body, jd, g.helio);
    eraPmp(g.helio, earth, g.geo);
  }
  eraCp(g.geo, g.bodyDirection);
  eraSxp(-1.0, earth, g.sunDirection);
  g.eclipticPole[0] = g.eclipticPole[1] = 0.0;
  g.eclipticPole[2] = 1.0;
  if (g.body == precise::Body::kSaturn || g.body == precise::Body::kUranus) {
    double icrs[3], toEcliptic[3][3];
    PoleOf(g.body, icrs);
    eraEcm06(jd, 0.0, toEcliptic);  // ICRS -> ecliptic and equinox of date
    eraRxp(toEcliptic, icrs, g.planetPole);
  }
  g.year = 2000.0 + (jd - 2451545.0) / 365.25;
}

}  // namespace skycalc::details
