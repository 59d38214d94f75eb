#include "astro/details/details.h"

#include <erfa.h>

#include <cmath>

#include "astro/base/constants.h"
#include "astro/details/magnitude.h"

namespace skycalc::details {

namespace {

constexpr double kDeg = kExactDegToRad;

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
    case Body::kSun: return SunMagnitude(delta);
    case Body::kMercury: return MercuryMagnitude(r, delta, phaseDeg);
    case Body::kVenus: return VenusMagnitude(r, delta, phaseDeg);
    case Body::kMars: return MarsMagnitude(r, delta, phaseDeg);
    case Body::kJupiter: return JupiterMagnitude(r, delta, phaseDeg);
    case Body::kSaturn:
      return SaturnMagnitude(r, delta, phaseDeg, SubLatitude(g.planetPole, g.helio), SubLatitude(g.planetPole, g.geo));
    case Body::kUranus:
      return UranusMagnitude(r, delta, phaseDeg, SubLatitude(g.planetPole, g.helio), SubLatitude(g.planetPole, g.geo));
    case Body::kNeptune: return NeptuneMagnitude(r, delta, phaseDeg, g.year);
    case Body::kPluto: return PlutoMagnitude(r, delta);
    case Body::kMoon: return MoonMagnitude(r, delta * kAuKm, phaseDeg);
  }
  return kNaN;
}

// Unit vector of right ascension and declination (radians).
void Direction(double ra, double dec, double v[3]) { eraS2c(ra, dec, v); }

void PoleOf(Body body, double pole[3]) {
  const double* p = body == Body::kSaturn ? kSaturnPole : kUranusPole;
  Direction(p[0] * kDeg, p[1] * kDeg, pole);
}

}  // namespace

BodyDetails DetailsOf(const Geometry& g) {
  BodyDetails d;
  const double delta = Norm(g.geo);
  d.distance = delta;
  d.diameter = 2.0 * std::asin(std::fmin(1.0, kEquatorialRadiusKm[static_cast<int>(g.body)] / (delta * kAuKm)));
  if (g.body == Body::kSun) {
    d.magnitude = MagnitudeOf(g, 0.0, delta, 0.0);
    return d;
  }
  const double r = Norm(g.helio);
  d.phaseAngle = Angle(g.helio, g.geo);
  d.illuminatedFraction = (1.0 + std::cos(d.phaseAngle)) / 2.0;
  d.magnitude = MagnitudeOf(g, r, delta, d.phaseAngle / kDeg);
  // East when the body is ahead of the Sun: the turn from the Sun to the body is about the ecliptic's north pole.
  double turn[3];
  Cross(g.sunDirection, g.bodyDirection, turn);
  d.elongation = std::atan2(Norm(turn), Dot(g.sunDirection, g.bodyDirection));  // as Angle, from the same cross product
  d.east = Dot(turn, g.eclipticPole) > 0.0;
  return d;
}

Geometry GeometryOf(Body body, const sky::BodyVectors& v) {
  Geometry g;
  g.body = body;
  if (!v.valid) {
    for (int i = 0; i < 3; ++i) g.helio[i] = g.geo[i] = kNaN;
    return g;
  }
  for (int i = 0; i < 3; ++i) {
    g.helio[i] = v.helio[i];
    g.geo[i] = g.bodyDirection[i] = v.geo[i];
    g.sunDirection[i] = -v.earth[i];
  }
  g.year = 2000.0 + (v.jd - 2451545.0) / 365.25;
  const bool ringed = body == Body::kSaturn || body == Body::kUranus;
  if (v.icrsAxes) {
    if (ringed) PoleOf(body, g.planetPole);
    // The pole of the ecliptic of J2000.0 on the ICRS axes (IAU 2006 obliquity at J2000.0).
    const double obliquity = 84381.406 / 3600.0 * kDeg;
    g.eclipticPole[0] = 0.0;
    g.eclipticPole[1] = -std::sin(obliquity);
    g.eclipticPole[2] = std::cos(obliquity);
    return g;
  }
  g.eclipticPole[0] = g.eclipticPole[1] = 0.0;
  g.eclipticPole[2] = 1.0;
  if (ringed) {
    double icrs[3], toEcliptic[3][3];
    PoleOf(body, icrs);
    eraEcm06(v.jd, 0.0, toEcliptic);  // ICRS -> ecliptic and equinox of date
    eraRxp(toEcliptic, icrs, g.planetPole);
  }
  return g;
}

}  // namespace skycalc::details
