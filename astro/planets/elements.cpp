#include "astro/planets/elements.h"

#include <cmath>

#include "astro/base/angles.h"
#include "astro/base/body.h"
#include "astro/base/constants.h"

namespace skycalc {

double T = 0.0;
double T2 = 0.0;
OrbitRecord orbitTable[kOrbitBodies];

namespace {

// One element as constant + perDay * d + perCentury * T + perT2 * T2; an
// absent term is a zero coefficient, which adds an exact zero.
struct ElementPolynomial {
  double constant;
  double perDay;
  double perCentury;
  double perT2;
};

// The rows of one body: angles in degrees, a in AU. For the Earth the first
// row is its mean anomaly instead of a mean longitude, and its inclination
// row is unused (the Earth's orbit defines the ecliptic).
struct BodyPolynomials {
  ElementPolynomial meanLongitude;
  ElementPolynomial perihelionLongitude;
  ElementPolynomial node;
  ElementPolynomial inclination;
  ElementPolynomial eccentricity;
  ElementPolynomial semiMajorAxis;
};

constexpr double kDaysPerCentury = 36525.0;

// Bodies 2 (Mercury) to 10 (Pluto), mean ecliptic and equinox of date.
// Reference: no single table. For Mercury to Neptune the constant terms, the mean-longitude rates
// (per day here; x 36525 gives the per-century rate), e, a, i and most T^2 terms agree to the digits
// kept, a last digit here and there aside, with the VSOP87 mean elements of date quoted from Meeus,
// Astronomical Algorithms, Table 31.A; their perihelion and node rates mostly differ from it, by up
// to 3e-5 degree a century.
// The Earth's rows other than e and a, and Pluto's row, match no table found. These figures are what
// the readouts are defined by.
constexpr BodyPolynomials kPolynomials[9] = {
    // 2 Mercury
    {{252.250906, 4.09237706363, 0.0, 0.000304},
     {77.456119, 0.0, 1.5564775, 0.0002959},
     {48.330893, 0.0, 1.1861882, 0.0001759},
     {7.004986, 0.0, 0.0018215, -0.0000181},
     {0.20563175, 0.0, 0.000020406, -0.000000028},
     {0.38709831, 0.0, 0.0, 0.0}},
    // 3 Venus
    {{181.979801, 1.60216873457, 0.0, 0.0003106},
     {131.563707, 0.0, 1.4022289, -0.0010729},
     {76.67992, 0.0, 0.9011204, 0.0004066},
     {3.394662, 0.0, 0.0010037, -0.0000009},
     {0.00677188, 0.0, -0.000047765, 0.000000097},
     {0.72332982, 0.0, 0.0, 0.0}},
    // 4 Earth: mean anomaly, then the perihelion before its -180 (see EarthPerihelion)
    {{357.5291, 0.9856002817, 0.0, -0.0001561},
     {282.937348, 0.0000470783, 0.0, 0.0004597},
     {174.8763333, 0.0, 0.9136666667, 0.0},
     {0.0, 0.0, 0.0, 0.0},
     {0.01670862, 0.0, -0.00004204, -0.000000124},
     {1.00000102, 0.0, 0.0, 0.0}},
    // 5 Mars
    {{355.433275, 0.5240710876, 0.0, 0.000311},
     {336.060234, 0.0, 1.8410446, 0.0001351},
     {49.558093, 0.0, 0.7720956, 0.0000161},
     {1.849726, 0.0, -0.0006011, 0.0000128},
     {0.09340062, 0.0, 0.000090484, -0.000000081},
     {1.52367934, 0.0, 0.0, 0.0}},
    // 6 Jupiter
    {{34.351484, 0.08312943981, 0.0, 0.0002237},
     {14.331309, 0.0, 1.6126383, 0.0010314},
     {100.464441, 0.0, 1.0209542, 0.0004011},
     {1.30327, 0.0, -0.0054966, 0.0000046},
     {0.04849485, 0.0, 0.000163244, -0.000000472},
     {5.20260319, 0.0, 0.0000001913, 0.0}},
    // 7 Saturn
    {{50.077471, 0.03349790593, 0.0, 0.0005195},
     {93.056787, 0.0, 1.9637685, 0.0008375},
     {113.665524, 0.0, 0.8770949, -0.0001208},
     {2.488878, 0.0, -0.0037362, -0.0000152},
     {0.05550862, 0.0, -0.000346818, -0.000000646},
     {9.5549096, 0.0, -0.000002139, 0.0}},
    // 8 Uranus
    {{314.055005, 0.01176903644, 0.0, 0.0003043},
     {173.005159, 0.0, 1.4863784, 0.0002145},
     {74.005947, 0.0, 0.5211258, 0.0013399},
     {0.773196, 0.0, 0.0007744, 0.0000375},
     {0.0462959, 0.0, -0.000027337, 0.000000079},
     {19.2184461, 0.0, -0.000000037, 0.0}},
    // 9 Neptune
    {{304.348665, 0.00602007691, 0.0, 0.0003093},
     {48.123691, 0.0, 1.4262678, 0.0003792},
     {131.784057, 0.0, 1.1022035, 0.00026},
     {1.769952, 0.0, -0.0093082, -0.0000071},
     {0.00898809, 0.0, 0.000006408, -0.000000001},
     {30.1103869, 0.0, -0.000000166, 0.0}},
    // 10 Pluto
    {{238.467028, 0.00401595755, 0.0, -0.0090561},
     {224.14163, 0.0, 1.3900789, 0.0003019},
     {110.318223, 0.0, 1.3506963, 0.0004014},
     {17.145104, 0.0, -0.0054981, -0.0000384},
     {0.24900535, 0.0, 0.00003885, -0.000000562},
     {39.5403429, 0.0, 0.00313105, -0.00003792}},
};

// Polynomial value at day count d and centuries t (t2 = t * t), terms added in row order.
double Evaluate(const ElementPolynomial& p, double d, double t, double t2) {
  return p.constant + p.perDay * d + p.perCentury * t + p.perT2 * t2;
}

// Degrees -> radians folded into [0, kTwoPi].
double DegreesToReducedRadians(double degrees) { return ReduceRadians(degrees * kDegToRad); }

// The Earth's longitude of perihelion, degrees: the Sun's perigee polynomial
// (d term, t2 term, then the constant) turned by -180 to the Earth's.
double EarthPerihelion(const ElementPolynomial& p, double d, double t2) {
  return (p.perDay * d + p.perT2 * t2 + p.constant) - 180.0;
}

// In-plane angle of a point theta [0, kHalfPi] past the node: arctan(tan theta / cosI).
double ProjectedQuarter(double theta, double cosI) { return AngleOfXY(cosI, std::tan(theta)); }

// Writes a, e, omega, Omega, i and M of body (2-10) into r from centuries t since J2000.0 and
// t2 = t * t, leaving r's orientation alone.
void EvaluateInto(int body, double t, double t2, OrbitRecord& r) {
  const BodyPolynomials& p = kPolynomials[body - 2];
  // The day count of the mean-longitude rates is taken back from t: only t and t2 come in.
  const double d = t * kDaysPerCentury;
  const bool earth = body == kEarthBody;

  const double perihelion =
      DegreesToReducedRadians(earth ? EarthPerihelion(p.perihelionLongitude, d, t2) : Evaluate(p.perihelionLongitude, d, t, t2));
  const double node = DegreesToReducedRadians(Evaluate(p.node, d, t, t2));
  const double inclination = earth ? 0.0 : DegreesToReducedRadians(Evaluate(p.inclination, d, t, t2));

  r.semiMajorAxis = Evaluate(p.semiMajorAxis, d, t, t2);
  r.eccentricity = Evaluate(p.eccentricity, d, t, t2);
  r.node = node;
  r.inclination = inclination;

  const double cosI = std::cos(inclination);
  // Both longitudes are read as ecliptic longitudes of their points and turned into angles
  // in the orbit plane, counted from the node.
  const double omega = OrbitPlaneAngle(perihelion - node, cosI);
  r.argPerihelion = omega;

  if (earth) {
    r.meanAnomaly = DegreesToReducedRadians(Evaluate(p.meanLongitude, d, t, t2));
    return;
  }
  const double longitude = DegreesToReducedRadians(Evaluate(p.meanLongitude, d, t, t2));
  double meanAnomaly = OrbitPlaneAngle(longitude - node, cosI) - omega;
  if (meanAnomaly < 0.0) meanAnomaly += kTwoPi;
  r.meanAnomaly = meanAnomaly;
}

double CenturiesOf(double jd) { return (jd - kJD2000) * kInvCentury; }

}  // namespace

OrbitRecord BodyElements(int body, double jd) {
  OrbitRecord r;
  if (body < 2 || body > kOrbitBodies) return r;
  const double t = CenturiesOf(jd);
  EvaluateInto(body, t, t * t, r);
  OrbitOrientation(r.argPerihelion, r.node, r.inclination, r.orientP, r.orientQ);
  return r;
}

void ComputeBodyElements(int body, double jd) {
  T = CenturiesOf(jd);
  T2 = T * T;
  if (body < 2 || body > kOrbitBodies) return;
  orbitTable[body - 1] = BodyElements(body, jd);
}

void EvaluateElements(int body) {
  if (body < 2 || body > kOrbitBodies) return;
  EvaluateInto(body, T, T2, orbitTable[body - 1]);
}

EarthElements EarthElementsAt(double jd) {
  const BodyPolynomials& p = kPolynomials[kEarthBody - 2];
  const double t = (jd - kJD2000) * kInvCentury;
  const double t2 = t * t;
  const double d = t * kDaysPerCentury;
  EarthElements e;
  e.semiMajorAxis = Evaluate(p.semiMajorAxis, d, t, t2);
  e.eccentricity = Evaluate(p.eccentricity, d, t, t2);
  e.perihelionLongitude = EarthPerihelion(p.perihelionLongitude, d, t2) * kDegToRad;
  e.meanAnomaly = Evaluate(p.meanLongitude, d, t, t2) * kDegToRad;
  return e;
}

void OrbitOrientation(double argPerihelion, double node, double inclination, double P[3], double Q[3]) {
  const double cw = std::cos(argPerihelion), sw = std::sin(argPerihelion);
  const double cn = std::cos(node), sn = std::sin(node);
  const double ci = std::cos(inclination), si = std::sin(inclination);
  P[0] = cw * cn - sw * sn * ci;
  P[1] = cw * sn + sw * cn * ci;
  P[2] = sw * si;
  Q[0] = -sw * cn - cw * sn * ci;
  Q[1] = -sw * sn + cw * cn * ci;
  Q[2] = cw * si;
}

// Each quarter goes through its reference angle in [0, kHalfPi], so tan never passes its pole;
// kHalfPi itself, short of pi/2, gives a large but finite tangent.
double OrbitPlaneAngle(double x, double cosI) {
  if (x >= 0.0) {
    if (x < kHalfPi) return ProjectedQuarter(x, cosI);
    if (x < kPi) return kPi - ProjectedQuarter(kPi - x, cosI);
    if (x < kThreeHalfPi) return kPi + ProjectedQuarter(x - kPi, cosI);
    return kTwoPi - ProjectedQuarter(kTwoPi - x, cosI);
  }
  if (x > -kHalfPi) return kTwoPi - ProjectedQuarter(-x, cosI);
  if (x > -kPi) return kPi + ProjectedQuarter(kPi + x, cosI);
  if (x > -kThreeHalfPi) return kPi - ProjectedQuarter(-x - kPi, cosI);
  return ProjectedQuarter(kTwoPi + x, cosI);
}

}  // namespace skycalc
