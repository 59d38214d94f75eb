#include "astro/planets/moon.h"

#include <cmath>
#include <cstddef>

#include "astro/base/angles.h"
#include "astro/base/constants.h"

namespace skycalc {

namespace {

// The five arguments of the periodic terms (radians once corrected).
enum Argument { kSunAnomaly, kMoonAnomaly, kElongation, kLatitudeArgument, kArgumentCount };

// Mean arguments, degrees: constant + T + T^2 + T^3 coefficients, T in centuries from 1900.
// Reference: Meeus, Astronomical Formulae for Calculators, ch. 30: L', Omega, M, M', D, F, the
// additive terms below, E and the latitude factor, with T from 1900 January 0.5.
struct Cubic {
  double c0, c1, c2, c3;
};
constexpr Cubic kMeanLongitude = {270.434164, 481267.8831, -0.001133, 0.0000019};
constexpr Cubic kNode = {259.183275, -1934.142, 0.002078, 0.0000022};
constexpr Cubic kMeanArguments[kArgumentCount] = {
    {358.475833, 35999.0498, -0.00015, -0.0000033},   // M, the Sun's mean anomaly
    {296.104608, 477198.8491, 0.009192, 0.0000144},   // M', the Moon's mean anomaly
    {350.737486, 445267.1142, -0.001436, 0.0000019},  // D, mean elongation
    {11.250889, 483202.0251, -0.003211, -0.0000003},  // F, argument of latitude
};

// Additive corrections, degrees, times sin A1, V, sin(node) and sin N2 in that order.
struct Correction {
  double sinA1, v, sinNode, sinN2;
};
constexpr Correction kMeanLongitudeCorrection = {0.000233, 1.0, 0.001964, 0.0};
constexpr Correction kCorrections[kArgumentCount] = {
    {-0.001778, 0.0, 0.0, 0.0},           // M
    {0.000817, 1.0, 0.002541, 0.0},       // M'
    {0.002011, 1.0, 0.001964, 0.0},       // D
    {0.0, 1.0, -0.024691, -0.004328},     // F
};

// A periodic term: coefficient (degrees), whether it carries the factor E, and its
// argument as up to three multiples of the arguments, summed in the order listed.
struct ArgumentPart {
  int multiple;
  Argument argument;
};
struct SeriesTerm {
  double coefficient;
  bool timesE;
  int parts;
  ArgumentPart argument[3];
};

constexpr Argument M = kSunAnomaly, Mp = kMoonAnomaly, D = kElongation, F = kLatitudeArgument;

// Reference: Meeus, Astronomical Formulae for Calculators, ch. 30: the leading terms of its series,
// 12 for the longitude, 7 and the sin(M' + 3F) term for the latitude, 5 for the parallax.
// Longitude, degrees, sines.
constexpr SeriesTerm kLongitudeTerms[] = {
    {6.28875, false, 1, {{1, Mp}}},
    {1.274018, false, 2, {{2, D}, {-1, Mp}}},
    {0.658309, false, 1, {{2, D}}},
    {0.213616, false, 1, {{2, Mp}}},
    {-0.185596, true, 1, {{1, M}}},
    {-0.114336, false, 1, {{2, F}}},
    {0.058793, false, 2, {{2, D}, {-2, Mp}}},
    {0.057212, true, 3, {{2, D}, {-1, M}, {-1, Mp}}},
    {0.05332, false, 2, {{2, D}, {1, Mp}}},
    {0.045874, true, 2, {{2, D}, {-1, M}}},
    {0.041024, true, 2, {{1, Mp}, {-1, M}}},
    {-0.034718, false, 1, {{1, D}}},
};

// Latitude, degrees, sines.
constexpr SeriesTerm kLatitudeTerms[] = {
    {5.128189, false, 1, {{1, F}}},
    {0.280606, false, 2, {{1, Mp}, {1, F}}},
    {0.277693, false, 2, {{1, Mp}, {-1, F}}},
    {0.173238, false, 2, {{2, D}, {-1, F}}},
    {0.055413, false, 3, {{2, D}, {1, F}, {-1, Mp}}},
    {0.046272, false, 3, {{2, D}, {-1, F}, {-1, Mp}}},
    {0.032573, false, 2, {{2, D}, {1, F}}},
    {-0.000283, false, 2, {{1, Mp}, {3, F}}},
};

// Equatorial horizontal parallax, degrees, cosines (the first term has no argument).
constexpr SeriesTerm kParallaxTerms[] = {
    {0.950724, false, 0, {}},
    {0.051818, false, 1, {{1, Mp}}},
    {0.009531, false, 2, {{2, D}, {-1, Mp}}},
    {0.007843, false, 1, {{2, D}}},
    {0.002824, false, 1, {{2, Mp}}},
};

// Degrees -> radians, then sine.
double SinDegrees(double degrees) { return std::sin(degrees * kDegToRad); }

// Cubic in T, terms added in order of rising power.
double EvaluateCubic(const Cubic& c, double t, double t2, double t3) {
  return c.c0 + c.c1 * t + c.c2 * t2 + c.c3 * t3;
}

// Values that the corrections multiply: sin A1, V, sin(node), sin N2.
struct CorrectionFactors {
  double sinA1, v, sinNode, sinN2;
};

// Cubic plus its corrections, degrees, folded into [0, 360].
double CorrectedArgument(const Cubic& c, const Correction& k, const CorrectionFactors& f, double t, double t2,
                         double t3) {
  return ReduceDegrees(EvaluateCubic(c, t, t2, t3) + k.sinA1 * f.sinA1 + k.v * f.v + k.sinNode * f.sinNode +
                       k.sinN2 * f.sinN2);
}

// Argument of a term in radians from the corrected arguments.
double TermArgument(const SeriesTerm& term, const double (&args)[kArgumentCount]) {
  double sum = 0.0;
  for (int i = 0; i < term.parts; ++i) {
    const double part = term.argument[i].multiple * args[term.argument[i].argument];
    sum = i == 0 ? part : sum + part;
  }
  return sum;
}

// start + sum of coefficient (times E where marked) times f(argument), degrees.
template <std::size_t N>
double SumSeries(double start, const SeriesTerm (&terms)[N], const double (&args)[kArgumentCount], double e,
                 double (*f)(double)) {
  double sum = start;
  for (const SeriesTerm& term : terms) {
    const double coefficient = term.timesE ? term.coefficient * e : term.coefficient;
    sum += coefficient * f(TermArgument(term, args));
  }
  return sum;
}

double Sine(double x) { return std::sin(x); }
double Cosine(double x) { return std::cos(x); }

}  // namespace

void MoonPosition(double jd, double& lambda, double& beta, double& distance) {
  // Centuries from 1900 January 0.5 (MJD 15019.5), counted through the modified Julian date.
  const double t = ((jd - 2400000.5) - 15019.5) * kInvCentury;
  const double t2 = t * t;
  const double t3 = t2 * t;

  const double node = ReduceDegrees(EvaluateCubic(kNode, t, t2, t3));
  const double a1 = 51.2 + 20.2 * t;
  const double v = 0.003964 * SinDegrees(346.56 + 132.87 * t - 0.0091731 * t2);
  const double n2 = node + 275.05 - 2.3 * t;
  const double e = 1.0 - 0.002495 * t - 0.00000752 * t2;
  const CorrectionFactors factors = {SinDegrees(a1), v, SinDegrees(node), SinDegrees(n2)};

  const double meanLongitude = CorrectedArgument(kMeanLongitude, kMeanLongitudeCorrection, factors, t, t2, t3);
  double args[kArgumentCount];
  for (int i = 0; i < kArgumentCount; ++i)
    args[i] = CorrectedArgument(kMeanArguments[i], kCorrections[i], factors, t, t2, t3) * kDegToRad;

  lambda = ReduceDegrees(SumSeries(meanLongitude, kLongitudeTerms, args, e, Sine)) * kDegToRad;
  const double latitudeFactor = 1.0 - 0.0004664 * std::cos(node * kDegToRad) - 0.0000754 * std::cos(n2 * kDegToRad);
  const double latitude = SumSeries(0.0, kLatitudeTerms, args, e, Sine) * latitudeFactor;
  const double parallax = ReduceDegrees(SumSeries(0.0, kParallaxTerms, args, e, Cosine)) * kDegToRad;
  beta = ReduceDegrees(latitude) * kDegToRad;
  distance = kEarthRadiusAU / std::sin(parallax);
}

}  // namespace skycalc
