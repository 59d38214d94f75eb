#pragma once

#include <array>

// The Sun and the Moon over the few hours of one eclipse, as Chebyshev series
// fitted to the ephemeris (eclipse.cpp's evaluation works only on these).
namespace skycalc::eclipse::detail {

// Positions at one instant: geocentric, true equator and equinox of date.
struct SunMoonState {
  double sun[3];    // apparent Sun, AU
  double moon[3];   // apparent Moon's centre of figure, AU
  double gast;      // Greenwich apparent sidereal time, radians (not folded)
};

class Track {
 public:
  // Fits the span [centreTt - halfSpan, centreTt + halfSpan] (TT Julian
  // Days); the ephemeris is asked at kNodes instants.
  Track(double centreTt, double halfSpan);
  // The state at jdTt inside the span (outside: extrapolated, unreliable).
  SunMoonState At(double jdTt) const;
  double First() const { return m_centre - m_half; }
  double Last() const { return m_centre + m_half; }

  static constexpr int kNodes = 9;

 private:
  static constexpr int kSeries = 7;  // sun xyz, moon xyz, sidereal time
  double m_centre, m_half;
  std::array<std::array<double, kNodes>, kSeries> m_coefficients{};
};

}  // namespace skycalc::eclipse::detail
