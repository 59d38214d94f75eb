#include "astro/almanac/series.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace skycalc::accurate::detail {

namespace {

// Four doubles and four unsigned 64-bit integers as one value (GCC and Clang vector
// extensions): arithmetic lane by lane, a scalar operand spread to all lanes.
typedef double V4 __attribute__((vector_size(32)));
typedef std::uint64_t I4 __attribute__((vector_size(32)));  // unsigned: shifts and negation wrap

// The vectors go between functions by reference only: passed by value, their
// calling convention would depend on whether AVX is enabled.
__attribute__((always_inline)) inline void Load(V4& v, const double* p) { std::memcpy(&v, p, sizeof v); }
__attribute__((always_inline)) inline void ToBits(const V4& v, I4& i) { std::memcpy(&i, &v, sizeof i); }
__attribute__((always_inline)) inline void FromBits(const I4& i, V4& v) { std::memcpy(&v, &i, sizeof v); }
__attribute__((always_inline)) inline double Total(const V4& v) { return (v[0] + v[1]) + (v[2] + v[3]); }

// Reference: Sun Microsystems' fdlibm 5.3 (e_rem_pio2.c, k_sin.c, k_cos.c):
// pi/2 split into three parts of 33 bits, so that k times each part is exact
// for |k| < 2^20 (Cody and Waite's reduction), and the minimax polynomials of
// sin and cos on [-pi/4, pi/4], good to 2^-58 of the result.
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPiOver2Part1 = 1.57079632673412561417e+00;
constexpr double kPiOver2Part2 = 6.07710050630396597660e-11;
constexpr double kPiOver2Part3 = 2.02226624871116645580e-21;
constexpr double kS1 = -1.66666666666666324348e-01, kS2 = 8.33333333332248946124e-03,
                 kS3 = -1.98412698298579493134e-04, kS4 = 2.75573137070700676789e-06,
                 kS5 = -2.50507602534068634195e-08, kS6 = 1.58969099521155010221e-10;
constexpr double kC1 = 4.16666666666666019037e-02, kC2 = -1.38888888888741095749e-03,
                 kC3 = 2.48015872894767294178e-05, kC4 = -2.75573143513906633035e-07,
                 kC5 = 2.08757232129817482790e-09, kC6 = -1.13596475577881948265e-11;
// Adding 1.5 * 2^52 rounds a double below 2^51 to an integer, held in the
// low bits of the sum's significand.
constexpr double kRoundShift = 6755399441055744.0;

// sin x and cos x in each lane.
__attribute__((always_inline)) inline void SinCos4(const V4& x, V4& s, V4& c) {
  const V4 shifted = x * kTwoOverPi + kRoundShift;
  const V4 k = shifted - kRoundShift;  // nearest integer to x / (pi/2)
  I4 quadrant;                         // k mod 4 in its two lowest bits
  ToBits(shifted, quadrant);
  const V4 r = ((x - k * kPiOver2Part1) - k * kPiOver2Part2) - k * kPiOver2Part3;
  const V4 z = r * r;
  const V4 sinR = r + r * z * (kS1 + z * (kS2 + z * (kS3 + z * (kS4 + z * (kS5 + z * kS6)))));
  const V4 cosR = (1.0 - 0.5 * z) + z * z * (kC1 + z * (kC2 + z * (kC3 + z * (kC4 + z * (kC5 + z * kC6)))));
  // x = k pi/2 + r: quadrant 0 (sin r, cos r), 1 (cos r, -sin r), 2 (-sin r,
  // -cos r), 3 (-cos r, sin r).
  const I4 swap = -(quadrant & 1);  // all ones in the odd quadrants
  I4 sinBits, cosBits;
  ToBits(sinR, sinBits);
  ToBits(cosR, cosBits);
  const I4 sinSign = (quadrant & 2) << 62, cosSign = ((quadrant + 1) & 2) << 62;
  FromBits(((sinBits & ~swap) | (cosBits & swap)) ^ sinSign, s);
  FromBits(((cosBits & ~swap) | (sinBits & swap)) ^ cosSign, c);
}

// The two sums are built for the processor at hand when the compiler can:
// four lanes in one AVX2 register where there is one, else two SSE2
// registers. Products and sums are the same IEEE operations either way
// (contraction into fused multiply-adds stays off), so the results are too.
// Clang 14 leaves a cloned member function undefined at link time, so
// only GCC clones them.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define SKYCALC_SERIES_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SKYCALC_SERIES_CLONES
#endif

void PadTo4(std::vector<double>& v) {
  while (v.size() % 4 != 0) v.push_back(0.0);
}

}  // namespace

void SinCos(double x, double& s, double& c) {
  const V4 vx = {x, x, x, x};
  V4 vs, vc;
  SinCos4(vx, vs, vc);
  s = vs[0];
  c = vc[0];
}

ElpEvaluator::ElpEvaluator(const ElpTheory& theory) {
  const ElpSeries* coordinates[3] = {theory.longitude, theory.latitude, theory.distance};
  for (int c = 0; c < 3; ++c) {
    for (std::size_t k = 0; k < kElpPowers; ++k) Pack(coordinates[c][k], series_[c][k]);
  }
}

void ElpEvaluator::Pack(const ElpSeries& series, Packed& packed) {
  for (std::size_t i = 0; i < series.count; ++i) {
    const ElpTerm& term = series.terms[i];
    Block& block = std::fabs(term.amplitude) >= kRateCut ? packed.large : packed.small;
    block.a.push_back(term.amplitude);
    block.c0.push_back(term.c0);
    block.c1.push_back(term.c1);
    block.c2.push_back(term.c2);
    block.c3.push_back(term.c3);
    block.c4.push_back(term.c4);
  }
  for (Block* block : {&packed.large, &packed.small}) {
    for (std::vector<double>* v : {&block->a, &block->c0, &block->c1, &block->c2, &block->c3, &block->c4}) PadTo4(*v);
  }
}

SKYCALC_SERIES_CLONES void ElpEvaluator::Coordinate(int c, double t, bool coarse, double& value, double& rate) const {
  value = rate = 0.0;
  double tk = 1.0, dtk = 0.0;  // T^k and its derivative
  for (std::size_t k = 0; k < kElpPowers; ++k) {
    const Packed& packed = series_[c][k];
    V4 sum = {0, 0, 0, 0}, rateSum = {0, 0, 0, 0};
    const Block& large = packed.large;
    for (std::size_t i = 0; i < large.a.size(); i += 4) {
      V4 a, c0, c1, c2, c3, c4;
      Load(a, &large.a[i]);
      Load(c0, &large.c0[i]);
      Load(c1, &large.c1[i]);
      Load(c2, &large.c2[i]);
      Load(c3, &large.c3[i]);
      Load(c4, &large.c4[i]);
      const V4 phase = c0 + t * (c1 + t * (c2 + t * (c3 + t * c4)));
      const V4 phaseRate = c1 + t * (2.0 * c2 + t * (3.0 * c3 + t * 4.0 * c4));
      V4 s, co;
      SinCos4(phase, s, co);
      sum += a * s;
      rateSum += a * co * phaseRate;
    }
    if (!coarse) {
      const Block& small = packed.small;
      for (std::size_t i = 0; i < small.a.size(); i += 4) {
        V4 a, c0, c1, c2, c3, c4;
        Load(a, &small.a[i]);
        Load(c0, &small.c0[i]);
        Load(c1, &small.c1[i]);
        Load(c2, &small.c2[i]);
        Load(c3, &small.c3[i]);
        Load(c4, &small.c4[i]);
        const V4 phase = c0 + t * (c1 + t * (c2 + t * (c3 + t * c4)));
        V4 s, co;
        SinCos4(phase, s, co);
        sum += a * s;
      }
    }
    const double total = Total(sum);
    value += tk * total;
    rate += dtk * total + tk * Total(rateSum);
    dtk = dtk * t + tk;
    tk *= t;
  }
}

VsopEvaluator::VsopEvaluator(const precise::detail::VsopBody& body) {
  const precise::detail::VsopSeries* coordinates[3] = {body.longitude, body.latitude, body.radius};
  for (std::size_t c = 0; c < 3; ++c) {
    for (std::size_t k = 0; k < precise::detail::kVsopPowers; ++k) {
      const precise::detail::VsopSeries& series = coordinates[c][k];
      for (std::size_t i = 0; i < series.count; ++i) frequencies_.push_back(series.terms[i].frequency);
    }
  }
  // One frequency is printed as one figure wherever it recurs.
  std::sort(frequencies_.begin(), frequencies_.end());
  frequencies_.erase(std::unique(frequencies_.begin(), frequencies_.end()), frequencies_.end());
  for (std::size_t c = 0; c < 3; ++c) {
    for (std::size_t k = 0; k < precise::detail::kVsopPowers; ++k) {
      const precise::detail::VsopSeries& series = coordinates[c][k];
      Slot& slot = slots_[c * precise::detail::kVsopPowers + k];
      for (std::size_t i = 0; i < series.count; ++i) {
        const precise::detail::VsopTerm& term = series.terms[i];
        const auto at = std::lower_bound(frequencies_.begin(), frequencies_.end(), term.frequency);
        slot.frequency.push_back(static_cast<unsigned>(at - frequencies_.begin()));
        slot.cosPart.push_back(term.amplitude * std::cos(term.phase));
        slot.sinPart.push_back(term.amplitude * std::sin(term.phase));
        slot.cosRate.push_back(slot.cosPart.back() * term.frequency);
        slot.sinRate.push_back(slot.sinPart.back() * term.frequency);
      }
    }
  }
  PadTo4(frequencies_);
}

SKYCALC_SERIES_CLONES void VsopEvaluator::Evaluate(double t, double value[3], double rate[3]) const {
  // On the stack for a body of up to kStackFrequencies (the Earth's 728),
  // else on the heap (a planet's whole series).
  double stackCosines[kStackFrequencies], stackSines[kStackFrequencies];
  std::vector<double> heap;
  double *cosines = stackCosines, *sines = stackSines;
  if (frequencies_.size() > kStackFrequencies) {
    heap.resize(2 * frequencies_.size());
    cosines = heap.data();
    sines = heap.data() + frequencies_.size();
  }
  for (std::size_t i = 0; i < frequencies_.size(); i += 4) {
    V4 frequency, s, c;
    Load(frequency, &frequencies_[i]);
    SinCos4(frequency * t, s, c);
    std::memcpy(&sines[i], &s, sizeof s);
    std::memcpy(&cosines[i], &c, sizeof c);
  }
  double sum[kSlots], sumRate[kSlots];
  for (std::size_t n = 0; n < kSlots; ++n) {
    const Slot& slot = slots_[n];
    // Two sums each, for two chains of additions in flight.
    double v0 = 0, v1 = 0, r0 = 0, r1 = 0;
    const std::size_t count = slot.frequency.size();
    std::size_t i = 0;
    for (; i + 1 < count; i += 2) {
      const unsigned f0 = slot.frequency[i], f1 = slot.frequency[i + 1];
      v0 += slot.cosPart[i] * cosines[f0] - slot.sinPart[i] * sines[f0];
      r0 += slot.cosRate[i] * sines[f0] + slot.sinRate[i] * cosines[f0];
      v1 += slot.cosPart[i + 1] * cosines[f1] - slot.sinPart[i + 1] * sines[f1];
      r1 += slot.cosRate[i + 1] * sines[f1] + slot.sinRate[i + 1] * cosines[f1];
    }
    if (i < count) {
      const unsigned f0 = slot.frequency[i];
      v0 += slot.cosPart[i] * cosines[f0] - slot.sinPart[i] * sines[f0];
      r0 += slot.cosRate[i] * sines[f0] + slot.sinRate[i] * cosines[f0];
    }
    sum[n] = v0 + v1;
    sumRate[n] = -(r0 + r1);
  }
  for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
    value[coordinate] = rate[coordinate] = 0.0;
    double tk = 1.0, dtk = 0.0;
    for (std::size_t k = 0; k < precise::detail::kVsopPowers; ++k) {
      const std::size_t slot = coordinate * precise::detail::kVsopPowers + k;
      value[coordinate] += tk * sum[slot];
      rate[coordinate] += dtk * sum[slot] + tk * sumRate[slot];
      dtk = dtk * t + tk;
      tk *= t;
    }
  }
}

}  // namespace skycalc::accurate::detail
