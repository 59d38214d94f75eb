#include "astro/details/magnitude.h"

#include <cmath>

#include "astro/base/constants.h"

namespace skycalc::details {

namespace {

// c[0] + c[1] x + ... + c[n-1] x^(n-1), by Horner's rule.
template <int N>
double Polynomial(const double (&c)[N], double x) {
  double sum = c[N - 1];
  for (int i = N - 2; i >= 0; --i) sum = sum * x + c[i];
  return sum;
}

double DistanceTerm(double r, double delta) { return 5.0 * std::log10(r * delta); }

// V(1, alpha) polynomials in the phase angle (degrees), constant term first.
constexpr double kMercury[7] = {-0.613, 6.3280e-02, -1.6336e-03, 3.3644e-05, -3.4265e-07, 1.6893e-09, -3.0334e-12};
constexpr double kVenusNear[5] = {-4.384, -1.044e-03, 3.687e-04, -2.814e-06, 8.938e-09};  // alpha < 163.7
constexpr double kVenusFar[3] = {236.05828, -2.81914, 8.39034e-03};                      // alpha >= 163.7
constexpr double kMarsNear[3] = {-1.601, 2.267e-02, -1.302e-04};                         // alpha <= 50
constexpr double kMarsFar[3] = {-0.367, -0.02573, 3.445e-04};                            // alpha > 50
constexpr double kJupiterNear[3] = {-9.395, -3.7e-04, 6.16e-04};                         // alpha <= 12
// Jupiter beyond 12 degrees: -9.428 - 2.5 log10 of this polynomial in alpha / 180.
constexpr double kJupiterFar[6] = {1.0, -1.507, -0.363, -0.062, 2.809, -1.876};
constexpr double kSaturnGlobeNear[3] = {-8.95, -3.7e-04, 6.16e-04};                      // alpha <= 6.5
constexpr double kSaturnGlobeFar[5] = {-8.94, 2.446e-04, 2.672e-04, -1.506e-06, 4.767e-09};
constexpr double kUranusFar[3] = {0.0, 6.587e-03, 1.045e-04};                            // alpha > 3.1, added
constexpr double kNeptuneFar[3] = {0.0, 7.944e-03, 9.617e-05};                           // alpha > 1.9, added
constexpr double kMoon[5] = {-12.73, 0.026, 0.0, 0.0, 4.0e-09};

constexpr double kMoonMeanDistanceKm = 384400.0;

}  // namespace

double MercuryMagnitude(double r, double delta, double phaseDeg) {
  return DistanceTerm(r, delta) + Polynomial(kMercury, phaseDeg);
}

double VenusMagnitude(double r, double delta, double phaseDeg) {
  return DistanceTerm(r, delta) + (phaseDeg < 163.7 ? Polynomial(kVenusNear, phaseDeg) : Polynomial(kVenusFar, phaseDeg));
}

double MarsMagnitude(double r, double delta, double phaseDeg) {
  return DistanceTerm(r, delta) + (phaseDeg <= 50.0 ? Polynomial(kMarsNear, phaseDeg) : Polynomial(kMarsFar, phaseDeg));
}

double JupiterMagnitude(double r, double delta, double phaseDeg) {
  if (phaseDeg <= 12.0) return DistanceTerm(r, delta) + Polynomial(kJupiterNear, phaseDeg);
  return DistanceTerm(r, delta) - 9.428 - 2.5 * std::log10(Polynomial(kJupiterFar, phaseDeg / 180.0));
}

double SaturnMagnitude(double r, double delta, double phaseDeg, double sunLatDeg, double earthLatDeg) {
  // The ring term takes the geometric mean of the two latitudes, zero when
  // the Sun and the observer see opposite faces of the rings.
  const double product = sunLatDeg * earthLatDeg;
  const double ringLat = product > 0.0 ? std::sqrt(product) : 0.0;
  if (phaseDeg <= 6.5 && ringLat <= 27.0) {
    const double s = std::sin(ringLat * kExactPi / 180.0);
    return DistanceTerm(r, delta) - 8.914 - 1.825 * s + 0.026 * phaseDeg - 0.378 * s * std::exp(-2.25 * phaseDeg);
  }
  return DistanceTerm(r, delta) +
         (phaseDeg <= 6.5 ? Polynomial(kSaturnGlobeNear, phaseDeg) : Polynomial(kSaturnGlobeFar, phaseDeg));
}

double UranusMagnitude(double r, double delta, double phaseDeg, double sunLatDeg, double earthLatDeg) {
  const double latitude = (std::fabs(sunLatDeg) + std::fabs(earthLatDeg)) / 2.0;
  double v = DistanceTerm(r, delta) - 7.110 - 8.4e-04 * latitude;
  if (phaseDeg > 3.1) v += Polynomial(kUranusFar, phaseDeg);
  return v;
}

double NeptuneMagnitude(double r, double delta, double phaseDeg, double year) {
  // V(1,0) -6.89 until 1980, -7.00 from 2000, linear between.
  const double v10 = std::fmin(-6.89, std::fmax(-7.00, -6.89 - 0.0054 * (year - 1980.0)));
  double v = DistanceTerm(r, delta) + v10;
  if (phaseDeg > 1.9) v += Polynomial(kNeptuneFar, phaseDeg);
  return v;
}

double PlutoMagnitude(double r, double delta) { return DistanceTerm(r, delta) - 1.01; }

double MoonMagnitude(double r, double deltaKm, double phaseDeg) {
  return DistanceTerm(r, deltaKm / kMoonMeanDistanceKm) + Polynomial(kMoon, std::fabs(phaseDeg));
}

double SunMagnitude(double delta) { return -26.74 + 5.0 * std::log10(delta); }

}  // namespace skycalc::details
