#pragma once

#include <cstddef>
#include <vector>

#include "astro/almanac/elpmpp02.h"
#include "astro/precise/vsop87.h"

// The evaluators of the almanac's long series (the whole VSOP87 Earth and
// ELP/MPP02), four terms at a time: the terms' arguments are reduced and
// their sines and cosines taken by one polynomial kernel over a vector of
// four doubles, with no call and no branch per term. GCC and Clang turn
// the four lanes into SSE2 (or wider) instructions. Against a sum of the C
// library's sines the results differ by rounding only: 1e-15 of a term's
// amplitude per term (series_test.cpp). For the almanac's and the sky
// events' searches (accurate.cpp, astro/phenomena); the precise model keeps
// its own evaluator (astro/precise), so that a readout stays bit-identical.
namespace skycalc::accurate::detail {

// sin x and cos x for |x| < 2^20 pi/2 (about 1.6e6 rad), within 2 units in
// the last place of 1 (the argument reduction exact to 1e-21 rad). Beyond
// that the result is unreliable (the series' arguments stay below 4e5 rad
// over 1000-2999).
void SinCos(double x, double& s, double& c);

// ELP/MPP02's series packed for the kernel. Each series keeps its terms of
// kRateCut and more apart (they alone feed the rates and the coarse Moon).
class ElpEvaluator {
 public:
  explicit ElpEvaluator(const ElpTheory& theory);
  // Terms of this amplitude (arcseconds, km) and more give the rates, to
  // 1e-4 of themselves; the coarse Moon is made of them alone.
  static constexpr double kRateCut = 1.0;
  // Coordinate c (0 L, 1 B, 2 R) at T Julian centuries of TT from J2000.0:
  // the sum over k of T^k times series k (arcseconds or km, without W1) and
  // its rate per century (from the terms of kRateCut and more). coarse:
  // those terms alone in the value too.
  void Coordinate(int c, double t, bool coarse, double& value, double& rate) const;

 private:
  struct Block {  // structure of arrays, padded with zero amplitudes to a multiple of 4
    std::vector<double> a, c0, c1, c2, c3, c4;
  };
  struct Packed {
    Block large, small;  // |A| >= kRateCut, the rest
  };
  static void Pack(const ElpSeries& series, Packed& packed);
  Packed series_[3][kElpPowers];
};

// A VSOP87 body's series: the cosine and sine of each distinct frequency's
// argument taken once by the kernel, four frequencies at a time (the Earth's
// 2564 terms have 728 frequencies), then each coordinate's terms summed
// from them, A cos(B + C t) = (A cos B) cos Ct - (A sin B) sin Ct.
class VsopEvaluator {
 public:
  explicit VsopEvaluator(const precise::detail::VsopBody& body);
  // As precise::detail::VsopTheory::Evaluate: longitude, latitude, radius
  // and their rates per millennium at t Julian millennia of TT from J2000.0.
  void Evaluate(double t, double value[3], double rate[3]) const;

  static constexpr std::size_t kStackFrequencies = 1024;  // beyond, Evaluate takes its buffers from the heap

 private:
  static constexpr std::size_t kSlots = 3 * precise::detail::kVsopPowers;  // coordinate * powers + power
  struct Slot {  // one series, structure of arrays
    std::vector<unsigned> frequency;              // index into frequencies_
    std::vector<double> cosPart, sinPart;         // A cos B, A sin B
    std::vector<double> cosRate, sinRate;         // the same times C
  };
  std::vector<double> frequencies_;  // distinct, padded with zeros to a multiple of 4
  Slot slots_[kSlots];
};

}  // namespace skycalc::accurate::detail
