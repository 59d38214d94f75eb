#include "astro/eclipse/track.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/eclipse/conventions.h"
#include "astro/eclipse/sun_moon.h"
#include "astro/precise/precise.h"
#include "astro/time/time_scales.h"

namespace skycalc::eclipse::detail {

namespace {

void ToVector(const ApparentPlace& p, double v[3]) { eraS2p(p.rightAscension, p.declination, p.distance, v); }

// The Moon's centre of figure from its centre of mass m (AU, in place):
// moved along the ecliptic of date by the adopted offsets.
void ToCentreOfFigure(double jdTt, const ApparentPlace& moon, double m[3]) {
  const double eps = eraObl06(ERFA_DJ00, jdTt - ERFA_DJ00);
  const double pole[3] = {0.0, -std::sin(eps), std::cos(eps)};
  double unit[3], east[3], north[3], r = 0.0;
  eraPn(m, &r, unit);
  eraPxp(const_cast<double*>(pole), unit, east);
  eraPn(east, &r, east);
  eraPxp(unit, east, north);
  const double de = conventions::kMoonFigureLongitude * std::cos(moon.latitude);
  const double dn = conventions::kMoonFigureLatitude;
  for (int i = 0; i < 3; ++i) unit[i] += de * east[i] + dn * north[i];
  eraSxp(moon.distance / eraPm(unit), unit, m);
}

}  // namespace

Track::Track(double centreTt, double halfSpan) : m_centre(centreTt), m_half(halfSpan) {
  std::array<std::array<double, kNodes>, kSeries> values{};
  double previousGast = 0.0;
  for (int j = 0; j < kNodes; ++j) {
    const double x = std::cos(ERFA_DPI * (j + 0.5) / kNodes);
    const double tt = centreTt + halfSpan * x;
    ApparentPlace sun, moon;
    SunMoonApparent(tt, sun, moon);
    double s[3], m[3];
    ToVector(sun, s);
    ToVector(moon, m);
    ToCentreOfFigure(tt, moon, m);
    double gast = precise::ApparentSiderealTime(timescale::InstantOfTt(tt));
    // Nodes run from the end backwards; unwrap so that the series sees a smooth angle.
    if (j > 0) gast = previousGast + std::remainder(gast - previousGast, ERFA_D2PI);
    previousGast = gast;
    for (int i = 0; i < 3; ++i) {
      values[i][j] = s[i];
      values[3 + i][j] = m[i];
    }
    values[6][j] = gast;
  }
  for (int series = 0; series < kSeries; ++series) {
    for (int k = 0; k < kNodes; ++k) {
      double sum = 0.0;
      for (int j = 0; j < kNodes; ++j) sum += values[series][j] * std::cos(ERFA_DPI * k * (j + 0.5) / kNodes);
      m_coefficients[series][k] = 2.0 * sum / kNodes;
    }
  }
}

SunMoonState Track::At(double jdTt) const {
  const double x = (jdTt - m_centre) / m_half;
  double out[kSeries];
  for (int series = 0; series < kSeries; ++series) {
    // Clenshaw's recurrence.
    double b1 = 0.0, b2 = 0.0;
    for (int k = kNodes - 1; k >= 1; --k) {
      const double b0 = 2.0 * x * b1 - b2 + m_coefficients[series][k];
      b2 = b1;
      b1 = b0;
    }
    out[series] = x * b1 - b2 + 0.5 * m_coefficients[series][0];
  }
  SunMoonState state{};
  for (int i = 0; i < 3; ++i) {
    state.sun[i] = out[i];
    state.moon[i] = out[3 + i];
  }
  state.gast = out[6];
  return state;
}

}  // namespace skycalc::eclipse::detail
