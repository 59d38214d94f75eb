#pragma once

#include <cmath>

// Sine, cosine and arc tangent for the inner loops of the searches (a day's
// nodes and samples, the search's series), where the library's calls were
// half of all instructions. Plain IEEE arithmetic, no fused multiply-add, so
// every build and processor (the AVX2 clones, the page's WebAssembly) gets
// the same bits; not the library's bits, but within about an ulp of the true
// values and equal to the library's in most cases (tests/astro/base/
// fast_trig_test.cpp measures both against 64-bit long double). Readouts
// keep the library's functions: only search paths call these.
namespace skycalc::fasttrig {

namespace detail {

// pi/2 as three parts: the first two of 33 significant bits, so that k times
// either is exact for |k| < 2^20, the third the rest rounded.
// Written by scripts/make_fast_trig_constants.py.
constexpr double kHalfPi1 = 0x1.921fb544p+0;
constexpr double kHalfPi2 = 0x1.0b4611a6p-34;
constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 in size to the
// nearest whole number (ties to even) in the default rounding mode.
constexpr double kRoundingShift = 0x1.8p52;
// Reduction by k pi/2 stays exact up to here (k < 2^20); beyond, the library.
constexpr double kReductionLimit = 1.0e6;

// sin r = r + r^3 P(z) and cos r = 1 - z/2 + z^2 Q(z), z = r^2, |r| <= pi/4:
// P of degree 6 and Q of degree 5, each the Chebyshev interpolant of its
// function on [0, (pi/4)^2] (mpmath chebyfit at 40 digits, coefficients
// rounded to double), within 1.2e-20 and 1.3e-18: far below an ulp of the
// results. Evaluated by Estrin's scheme, whose short chains of dependent
// operations the searches wait on less than Horner's.
constexpr double kSinP[7] = {-0x1.5555555555555p-3, 0x1.1111111111110p-7,  -0x1.a01a01a019937p-13,
                             0x1.71de3a54607a5p-19, -0x1.ae64541295cdfp-26, 0x1.61217ee5cca1bp-33,
                             -0x1.ab17bdcbd3414p-41};
constexpr double kCosQ[6] = {0x1.5555555555555p-5,   -0x1.6c16c16c16967p-10, 0x1.a01a019f4e9b4p-16,
                             -0x1.27e4fa17bf139p-22, 0x1.1eeb68cd22f56p-29,  -0x1.907d8f29fe831p-37};

// sin and cos of r + d, |r| <= pi/4 (plus rounding), |d| a few ulps of r at
// most; d enters to first order.
inline void KernelSinCos(double r, double d, double& s, double& c) {
  const double z = r * r, z2 = z * z, z4 = z2 * z2;
  const double ps = (kSinP[0] + z * kSinP[1]) + z2 * (kSinP[2] + z * kSinP[3]) +
                    z4 * ((kSinP[4] + z * kSinP[5]) + z2 * kSinP[6]);
  const double pc = (kCosQ[0] + z * kCosQ[1]) + z2 * (kCosQ[2] + z * kCosQ[3]) + z4 * (kCosQ[4] + z * kCosQ[5]);
  s = r + (r * z * ps + d * (1.0 - 0.5 * z));
  // 1 - z/2 rounded, and its rounding error recovered exactly (1 and w are
  // within a factor of two), so the cosine keeps the low part.
  const double hz = 0.5 * z;
  const double w = 1.0 - hz;
  c = w + (((1.0 - w) - hz) + (z2 * pc - r * d));
}

// atan(k/8), k = 0..8, and what the quadrants make of it: pi/2 - atan(k/8)
// (|y| > |x|), pi - atan(k/8) (x < 0) and pi/2 + atan(k/8) (both), each as a
// high part and the low remainder, so that one rounding ends the sum.
// Written by scripts/make_fast_trig_constants.py.
constexpr double kAtanHi[4][9] = {
    {0x0.0p+0, 0x1.fd5ba9aac2f6ep-4, 0x1.f5b75f92c80ddp-3, 0x1.6f61941e4def1p-2, 0x1.dac670561bb4fp-2,
     0x1.1e00babdefeb4p-1, 0x1.4978fa3269ee1p-1, 0x1.700a7c5784634p-1, 0x1.921fb54442d18p-1},
    {0x1.921fb54442d18p+0, 0x1.7249faa996a21p+0, 0x1.5368c951e9cfdp+0, 0x1.3647503caf55cp+0, 0x1.1b6e192ebbe44p+0,
     0x1.031f57e54adbep+0, 0x1.dac670561bb4fp-1, 0x1.b434ee31013fdp-1, 0x1.921fb54442d18p-1},
    {0x1.921fb54442d18p+1, 0x1.8234d7f6ecb9dp+1, 0x1.72c43f4b1650ap+1, 0x1.643382c07913ap+1, 0x1.56c6e7397f5aep+1,
     0x1.4a9f8694c6d6bp+1, 0x1.3fc176b7a8560p+1, 0x1.361d162e61b8bp+1, 0x1.2d97c7f3321d2p+1},
    {0x1.921fb54442d18p+0, 0x1.b1f56fdeef00fp+0, 0x1.d0d6a1369bd34p+0, 0x1.edf81a4bd64d4p+0, 0x1.0468a8ace4df6p+1,
     0x1.109009519d639p+1, 0x1.1b6e192ebbe44p+1, 0x1.251279b802819p+1, 0x1.2d97c7f3321d2p+1},
};
constexpr double kAtanLo[4][9] = {
    {0x0.0p+0, -0x1.cd37686760c17p-59, 0x1.8ab6e3cf7afbdp-57, -0x1.c63aae6f6e918p-56, 0x1.a2b7f222f65e2p-56,
     -0x1.928df287a668fp-58, 0x1.2419a87f2a458p-56, -0x1.8c34d25aadef6p-56, 0x1.1a62633145c07p-55},
    {0x1.1a62633145c07p-54, 0x1.a8cc1e7480c68p-54, -0x1.96f47948a99f1p-54, 0x1.17e21d9a42c9ap-55,
     0x1.b1b466a88828ep-54, 0x1.338b4259c0270p-54, 0x1.a2b7f222f65e2p-55, -0x1.0520d0701d877p-55,
     0x1.1a62633145c07p-55},
    {0x1.1a62633145c07p-53, -0x1.3cd17e5a39792p-54, 0x1.c1b6f4f44e10bp-53, 0x1.a65371fe67254p-54,
     0x1.660b64ece6f4bp-53, 0x1.26f6d2c582f3bp-53, -0x1.441a3bd3f1083p-58, 0x1.4be8fd7c9b7e6p-53,
     0x1.a79394c9e8a0ap-54},
    {0x1.1a62633145c07p-54, 0x1.17f14fdc1574cp-55, -0x1.a23602a65700cp-57, 0x1.a8d3b7956a1c1p-54,
     0x1.0620bf7406affp-55, 0x1.01398408cb59ep-54, 0x1.b1b466a88828ep-53, 0x1.6eaa5d3534893p-55,
     0x1.a79394c9e8a0ap-54},
};
// atan u = u + u^3 (A0 + v A1 + ...), v = u^2, through u^13 (Taylor); at
// |u| <= 1/16 the first omitted term is below 1e-18 of u.
constexpr double kAtan[6] = {-1.0 / 3.0, 1.0 / 5.0, -1.0 / 7.0, 1.0 / 9.0, -1.0 / 11.0, 1.0 / 13.0};
// Veltkamp's splitter: a double times it, less the product's excess, keeps
// the 26 leading bits.
constexpr double kSplitter = 134217729.0;  // 2^27 + 1

}  // namespace detail

// sin x and cos x, x in radians. |x| < 1e6 by a reduction to [-pi/4, pi/4]
// exact to a few parts in 1e-30 of a turn; other x (infinities, NaN too) go
// to the library.
inline void SinCos(double x, double& s, double& c) {
  using namespace detail;
  if (!(std::fabs(x) < kReductionLimit)) {
    s = std::sin(x);
    c = std::cos(x);
    return;
  }
  const double k = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
  // x - k P1 is exact (k P1 is, and lies within a factor of two of x when k
  // is not 0); then the second part with its rounding error kept in d.
  const double r1 = x - k * kHalfPi1;
  const double t = k * kHalfPi2;
  const double r = r1 - t;
  const double d = ((r1 - r) - t) - k * kHalfPi3;
  double sr = 0.0, cr = 0.0;
  KernelSinCos(r, d, sr, cr);
  switch (static_cast<int>(static_cast<long long>(k) & 3)) {
    case 0: s = sr; c = cr; break;
    case 1: s = cr; c = -sr; break;
    case 2: s = -sr; c = -cr; break;
    default: s = -cr; c = sr; break;
  }
}

// atan2(y, x) in (-pi, pi]. Zeros, infinities and NaN in either go to the
// library (whose signed zeros and pi the callers may rely on).
inline double Atan2(double y, double x) {
  using namespace detail;
  const double ax = std::fabs(x), ay = std::fabs(y);
  if (!(ax > 0.0 && ay > 0.0 && ax < HUGE_VAL && ay < HUGE_VAL)) return std::atan2(y, x);
  const bool steep = ay > ax;
  const double num = steep ? ax : ay, den = steep ? ay : ax;  // num / den in [0, 1]
  // k = the nearest eighth of num / den, by comparisons rather than a
  // division: the multiples of den are exact (at most 4 more bits), and a
  // tie either way leaves |u| at 1/16.
  const double n16 = 16.0 * num;
  const int k = (n16 > den) + (n16 > 3.0 * den) + (n16 > 5.0 * den) + (n16 > 7.0 * den) + (n16 > 9.0 * den) +
                (n16 > 11.0 * den) + (n16 > 13.0 * den) + (n16 > 15.0 * den);
  const double ck = 0.125 * k;
  // u = (num/den - ck) / (1 + ck num/den) in one division. ck den is taken
  // in two exact parts (den's leading 26 bits and the rest, each times at
  // most 4 bits), and num less the first is exact (within a factor of two),
  // so the numerator is rounded once.
  const double big = den * kSplitter, high = big - (big - den), low = den - high;
  const double u = ((num - ck * high) - ck * low) / (den + ck * num);
  const double v = u * u, v2 = v * v, v4 = v2 * v2;
  const double p = (kAtan[0] + v * kAtan[1]) + v2 * (kAtan[2] + v * kAtan[3]) + v4 * (kAtan[4] + v * kAtan[5]);
  // The quadrant's constant, and atan u added (|y| <= |x| with x > 0, or both
  // turned) or taken away.
  const int quadrant = (steep ? 1 : 0) + (x < 0.0 ? 2 : 0);
  const double poly = u + u * v * p;
  const double a = kAtanHi[quadrant][k] + (quadrant == 0 || quadrant == 3 ? kAtanLo[quadrant][k] + poly
                                                                          : kAtanLo[quadrant][k] - poly);
  return y < 0.0 ? -a : a;
}

}  // namespace skycalc::fasttrig
