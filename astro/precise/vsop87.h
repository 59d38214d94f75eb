#pragma once

#include <cstddef>
#include <vector>

// The VSOP87 series of the Earth and the planets, as written out in earth.cpp
// and planets_series.cpp (scripts/make_precise_planets.py), and the one
// evaluator they share; not for callers.
namespace skycalc::precise::detail {

// One term A cos(B + C t), t in Julian millennia of TT from J2000.0.
struct VsopTerm {
  double amplitude, phase, frequency;
};

// The terms of one series; count 0 for a series left out whole.
struct VsopSeries {
  const VsopTerm* terms = nullptr;
  std::size_t count = 0;
};
template <std::size_t N>
constexpr VsopSeries Series(const VsopTerm (&terms)[N]) {
  return VsopSeries{terms, N};
}

// VSOP87 multiplies its series by t^0 up to t^5.
inline constexpr std::size_t kVsopPowers = 6;

// A body's heliocentric longitude and latitude (radians) and radius vector
// (AU) on the ecliptic and equinox of J2000.0 (version B): each coordinate is
// the sum over k of t^k times its series k.
struct VsopBody {
  VsopSeries longitude[kVsopPowers];
  VsopSeries latitude[kVsopPowers];
  VsopSeries radius[kVsopPowers];
};

// The precise model's cut series of a planet: index 0 Mercury, 1 Venus,
// 2 Mars, 3 Jupiter, 4 Saturn, 5 Uranus, 6 Neptune.
const VsopBody& CutPlanet(int index);

// A body's series regrouped by frequency. A cut series still repeats a
// frequency across coordinates and powers (Saturn: 278 terms, 90
// frequencies), so the cosine and sine of C t are taken once per frequency
// and each term costs a few products: A cos(B + C t) = (A cos B) cos C t -
// (A sin B) sin C t. That halves the cost of a place against a sine and
// cosine per term. Built once per body; read-only afterwards, so one
// instance serves every thread.
class VsopTheory {
 public:
  explicit VsopTheory(const VsopBody& body);

  // Longitude, latitude, radius (index 0, 1, 2) and their rates per Julian
  // millennium, at t Julian millennia of TT from J2000.0.
  void Evaluate(double t, double value[3], double rate[3]) const;

  // Heliocentric position (AU) and velocity (AU/day) at the TT Julian Day
  // jdTt, turned onto the equatorial axes of J2000.0.
  void Heliocentric(double jdTt, double pv[2][3]) const;

 private:
  static constexpr std::size_t kSlots = 3 * kVsopPowers;  // coordinate * kVsopPowers + power
  struct Frequency {
    double frequency;
    std::size_t end;  // its terms run from the previous frequency's end to this one
  };
  struct Term {
    double cosPart, sinPart;  // A cos B, A sin B
    std::size_t slot;
  };
  std::vector<Frequency> frequencies_;
  std::vector<Term> terms_;
};

}  // namespace skycalc::precise::detail
