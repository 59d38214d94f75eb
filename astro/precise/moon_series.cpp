#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <limits>
#include <utility>

#include "astro/base/angles.h"
#include "astro/precise/frame.h"
#include "astro/precise/nutation.h"

namespace skycalc::precise::detail {

namespace {

// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 47,
// tables 47.A and 47.B (the periodic terms of ELP-2000/82 as Meeus abridges
// them), the fundamental arguments of Simon et al., A&A 282, 663 (1994) and
// Meeus's additive terms, in the form ERFA's eraMoon98 evaluates them
// (which omits the light-time correction of the mean longitude). Multiples
// of D, M, M', F; the longitude's coefficient of the sine in 1e-6 degree
// and the distance's of the cosine in metres (table 47.A), the latitude's
// of the sine in 1e-6 degree (table 47.B).
struct LongitudeDistanceTerm {
  int d, m, mp, f;
  double l, r;
};
constexpr LongitudeDistanceTerm kLongitudeDistance[] = {
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111}, {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},    {0, 1, 0, 0, -185116, 48888},     {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},     {2, -1, -1, 0, 57066, -152138},   {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},    {0, 1, -1, 0, -40923, -129620},   {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},     {2, 0, 0, -2, 15327, 10321},      {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},      {4, 0, -1, 0, 10675, -34782},     {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},      {2, 1, -1, 0, -7888, 24208},      {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},      {1, 1, 0, 0, 4987, -16675},       {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},       {4, 0, 0, 0, 3861, -11650},       {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},      {2, 0, -1, 2, -2602, 0},          {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},        {2, -2, 0, 0, 2236, -9884},       {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},           {2, -2, -1, 0, 2048, -4950},      {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},           {4, -1, -1, 0, 1215, -3958},      {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},        {2, 1, 1, 0, -810, 2616},         {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},       {2, 2, -1, 0, -700, 2354},        {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},           {4, 0, 1, 0, 549, -1423},         {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},        {1, 0, -2, 0, -487, -1739},       {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},       {1, 1, 1, 0, 351, 0},             {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},            {2, -1, 2, 0, 327, 0},            {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},            {2, 0, 3, 0, 294, 0},             {2, 0, -1, -2, 0, 8752},
};
struct LatitudeTerm {
  int d, m, mp, f;
  double b;
};
constexpr LatitudeTerm kLatitude[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};
constexpr double kMicroDegree = 1e6;  // table units per degree
constexpr int kMaxMultiple = 4;       // |multiple| of any argument in the tables

// A fundamental argument: its value (degrees) as a quartic in T, Julian
// centuries of TT from J2000.0, and its rate.
struct Argument {
  double c0, c1, c2, c3, c4;
  double Angle(double t) const {
    return ERFA_DD2R * FmodByWhole(c0 + (c1 + (c2 + (c3 + c4 * t) * t) * t) * t, 360.0);
  }
  double Rate(double t) const { return ERFA_DD2R * (c1 + (c2 * 2.0 + (c3 * 3.0 + c4 * 4.0 * t) * t) * t); }
};
constexpr Argument kMeanLongitude = {218.31665436, 481267.88123421, -0.0015786, 1.0 / 538841.0, -1.0 / 65194000.0};
constexpr Argument kElongation = {297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868.0, 1.0 / 113065000.0};
constexpr Argument kSunAnomaly = {357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000.0, 0.0};
constexpr Argument kMoonAnomaly = {134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699.0, -1.0 / 14712000.0};
constexpr Argument kNodeDistance = {93.2720950, 483202.0175233, -0.0036539, 1.0 / 3526000.0, 1.0 / 863310000.0};

// An angle by its cosine and sine.
struct Angle {
  double c, s;
  explicit Angle(double angle) : c(std::cos(angle)), s(std::sin(angle)) {}
  Angle(double cosine, double sine) : c(cosine), s(sine) {}
  Angle operator+(const Angle& b) const { return Angle(c * b.c - s * b.s, s * b.c + c * b.s); }
  Angle operator-(const Angle& b) const { return Angle(c * b.c + s * b.s, s * b.c - c * b.s); }
};

// cos and sin of an angle's multiples -4..4.
struct Multiples {
  double c[2 * kMaxMultiple + 1], s[2 * kMaxMultiple + 1];
  Multiples() = default;
  [[gnu::always_inline]] explicit Multiples(double angle) {
    AngleMultiples<kMaxMultiple>(std::cos(angle), std::sin(angle), c, s);
  }
};

constexpr int kMaxD = 4, kMaxM = 2, kMaxMp = 4, kMaxF = 3;  // the tables' largest |multiples|
constexpr int kDmCount = (kMaxD + 1) * (2 * kMaxM + 1), kPfCount = (2 * kMaxMp + 1) * (2 * kMaxF + 1);

// Where a term finds its angle in Pairs: the index of its d D + m M, of its
// mp M' + f F, and the power of E its |m| brings; with its coefficients in
// degrees (of the sine) and metres (of the cosine, 0 for latitude).
struct TermIndex {
  int dm, pf, e;
  double sine = 0.0, cosine = 0.0;
};
constexpr TermIndex IndexOf(int d, int m, int mp, int f) {
  return {d * (2 * kMaxM + 1) + kMaxM + m, (kMaxMp + mp) * (2 * kMaxF + 1) + kMaxF + f, m < 0 ? -m : m};
}
constexpr double CosineOf(const LongitudeDistanceTerm& term) { return term.r; }
constexpr double CosineOf(const LatitudeTerm&) { return 0.0; }
constexpr double SineOf(const LongitudeDistanceTerm& term) { return term.l / kMicroDegree; }
constexpr double SineOf(const LatitudeTerm& term) { return term.b / kMicroDegree; }
template <typename Term, std::size_t N>
constexpr std::array<TermIndex, N> IndicesOf(const Term (&terms)[N]) {
  std::array<TermIndex, N> out{};
  for (std::size_t n = 0; n < N; ++n) {
    out[n] = IndexOf(terms[n].d, terms[n].m, terms[n].mp, terms[n].f);
    out[n].sine = SineOf(terms[n]);
    out[n].cosine = CosineOf(terms[n]);
  }
  return out;
}
constexpr auto kLongitudeDistanceIndex = IndicesOf(kLongitudeDistance);
constexpr auto kLatitudeIndex = IndicesOf(kLatitude);

// Pairs of doubles side by side, one pair per instant (a series evaluated at
// N instants at once), for the sums that run in pairs: each lane's
// arithmetic is the scalar arithmetic, rounded alike (SSE2 or AVX2 lanes,
// or scalar operations where there is no vector unit), so pairing changes
// no bit, and neither does evaluating two instants side by side.
// Two instants' lanes are 32 bytes: GCC notes that returning such a vector
// without AVX changes the ABI, which cannot matter here (every helper is
// inlined into the clones that use it).
#pragma GCC diagnostic ignored "-Wpsabi"
template <int N>
struct LanesOf {
  typedef double type __attribute__((vector_size(16 * N)));
};
template <int N>
using Lanes = typename LanesOf<N>::type;

// (a[i], b[i]) for each instant i.
template <int N>
[[gnu::always_inline]] inline Lanes<N> Interleaved(const double (&a)[N], const double (&b)[N]) {
  Lanes<N> v{};
  for (int i = 0; i < N; ++i) {
    v[2 * i] = a[i];
    v[2 * i + 1] = b[i];
  }
  return v;
}
// (a, b) for every instant.
template <int N>
[[gnu::always_inline]] inline Lanes<N> Repeated(double a, double b) {
  Lanes<N> v{};
  for (int i = 0; i < N; ++i) {
    v[2 * i] = a;
    v[2 * i + 1] = b;
  }
  return v;
}
// Each instant's pair swapped: (x, y) to (y, x).
template <int N>
[[gnu::always_inline]] inline Lanes<N> Swapped(Lanes<N> v) {
  static_assert(N == 1 || N == 2, "one or two instants");
  if constexpr (N == 1) {
    return __builtin_shufflevector(v, v, 1, 0);
  } else {
    return __builtin_shufflevector(v, v, 1, 0, 3, 2);
  }
}
// Each instant's (x, y) as (1, y).
template <int N>
[[gnu::always_inline]] inline Lanes<N> UnitFirst(Lanes<N> v) {
  const Lanes<N> ones = Repeated<N>(1.0, 1.0);
  if constexpr (N == 1) {
    return __builtin_shufflevector(v, ones, 2, 1);
  } else {
    return __builtin_shufflevector(v, ones, 4, 1, 6, 3);
  }
}

// cos, sin and rate of every d D + m M (d 0..4, m -2..2) and of every
// mp M' + f F (mp -4..4, f -3..3), so that each term takes one product of
// two and one sum of rates; laid out for the lanes: a d D + m M as (c, s),
// (-s, c) and (-rate, rate), an mp M' + f F as (c, c), (s, s) and
// (-rate, rate), each instant's pair beside the other's. A term's (cos, sin)
// is then cs = (c, s) (c', c') + (-s, c) (s', s'), lane by lane the scalar
// c c' - s s' and s c' + c s' (x + (-y) is x - y), and its (-rate, rate)
// one sum.
template <int N>
struct Pairs;
template <int N, int k>
void MakeDm(Pairs<N>& pairs, const Multiples (&d)[N], const Multiples (&m)[N], const double (&dd)[N],
            const double (&dm)[N]);
template <int N, int k>
void MakePf(Pairs<N>& pairs, const Multiples (&mp)[N], const Multiples (&f)[N], const double (&dmp)[N],
            const double (&df)[N]);
template <int N, int... dm, int... pf>
[[gnu::always_inline]] inline void MakePairs(Pairs<N>& pairs, const Multiples (&d)[N], const Multiples (&m)[N],
                                             const Multiples (&mp)[N], const Multiples (&f)[N], const double (&dd)[N],
                                             const double (&ddm)[N], const double (&dmp)[N], const double (&df)[N],
                                             std::integer_sequence<int, dm...>, std::integer_sequence<int, pf...>) {
  (MakeDm<N, dm>(pairs, d, m, dd, ddm), ...);
  (MakePf<N, pf>(pairs, mp, f, dmp, df), ...);
}

template <int N>
struct Pairs {
  Lanes<N> cs[kDmCount], nsc[kDmCount], rdm[kDmCount];
  Lanes<N> cc[kPfCount], ss[kPfCount], rpf[kPfCount];
  // Only the pairs some term takes (13 of 25 and 33 of 63).
  [[gnu::always_inline]] Pairs(const Multiples (&d)[N], const Multiples (&m)[N], const Multiples (&mp)[N],
                               const Multiples (&f)[N], const double (&dd)[N], const double (&dm)[N],
                               const double (&dmp)[N], const double (&df)[N]) {
    MakePairs<N>(*this, d, m, mp, f, dd, dm, dmp, df, std::make_integer_sequence<int, kDmCount>{},
                 std::make_integer_sequence<int, kPfCount>{});
  }
  // (cos, sin) and (-rate, rate) of a term's argument.
  [[gnu::always_inline]] void Angle(const TermIndex& t, Lanes<N>& cosSin, Lanes<N>& rates) const {
    cosSin = cs[t.dm] * cc[t.pf] + nsc[t.dm] * ss[t.pf];
    rates = rdm[t.dm] + rpf[t.pf];
  }
};

// Whether some term of either table takes pair k of d D + m M (dm) or of
// mp M' + f F (pf).
constexpr bool Takes(int k, bool dm) {
  for (const TermIndex& t : kLongitudeDistanceIndex) {
    if ((dm ? t.dm : t.pf) == k) return true;
  }
  for (const TermIndex& t : kLatitudeIndex) {
    if ((dm ? t.dm : t.pf) == k) return true;
  }
  return false;
}

template <int N, int k>
[[gnu::always_inline]] inline void MakeDm(Pairs<N>& pairs, const Multiples (&d)[N], const Multiples (&m)[N],
                                          const double (&dd)[N], const double (&dm)[N]) {
  if constexpr (Takes(k, true)) {
    constexpr int i = k / (2 * kMaxM + 1), j = k % (2 * kMaxM + 1) - kMaxM;
    static_assert(IndexOf(i, j, 0, 0).dm == k);
    double c[N], s[N], rate[N], minusS[N], minusRate[N];
    for (int n = 0; n < N; ++n) {
      const double ca = d[n].c[kMaxMultiple + i], sa = d[n].s[kMaxMultiple + i];
      const double cb = m[n].c[kMaxMultiple + j], sb = m[n].s[kMaxMultiple + j];
      c[n] = ca * cb - sa * sb;
      s[n] = sa * cb + ca * sb;
      rate[n] = i * dd[n] + j * dm[n];
      minusS[n] = -s[n];
      minusRate[n] = -rate[n];
    }
    pairs.cs[k] = Interleaved<N>(c, s);
    pairs.nsc[k] = Interleaved<N>(minusS, c);
    pairs.rdm[k] = Interleaved<N>(minusRate, rate);
  }
}

template <int N, int k>
[[gnu::always_inline]] inline void MakePf(Pairs<N>& pairs, const Multiples (&mp)[N], const Multiples (&f)[N],
                                          const double (&dmp)[N], const double (&df)[N]) {
  if constexpr (Takes(k, false)) {
    constexpr int i = k / (2 * kMaxF + 1) - kMaxMp, j = k % (2 * kMaxF + 1) - kMaxF;
    static_assert(IndexOf(0, 0, i, j).pf == k);
    double c[N], s[N], rate[N], minusRate[N];
    for (int n = 0; n < N; ++n) {
      const double ca = mp[n].c[kMaxMultiple + i], sa = mp[n].s[kMaxMultiple + i];
      const double cb = f[n].c[kMaxMultiple + j], sb = f[n].s[kMaxMultiple + j];
      c[n] = ca * cb - sa * sb;
      s[n] = sa * cb + ca * sb;
      rate[n] = i * dmp[n] + j * df[n];
      minusRate[n] = -rate[n];
    }
    pairs.cc[k] = Interleaved<N>(c, c);
    pairs.ss[k] = Interleaved<N>(s, s);
    pairs.rpf[k] = Interleaved<N>(minusRate, rate);
  }
}

// The series' running sums in pairs: (distance, longitude), their rates
// (distance, longitude), and (latitude, its rate), each instant's beside the
// other's.
template <int N>
struct Sums {
  Lanes<N> rl, drl, b;
};

// E and its rate for the terms in M once, their squares' for M twice, at
// each instant, as lanes: (e, e) and (dE, dE), and (0, dE) for the latitude.
template <int N>
struct Eccentricity {
  Lanes<N> e[3], de[3], zeroDe[3];
};

// Term n of a table added to the sums, with what the table says of it known
// when compiling; lane by lane the scalar sums
//   vel += l (s e), vdel += l (c darg e + s dE), vr += r (c e),
//   vdr += r (-s darg e + c dE), vb += b (s e), vdb += b (c darg e + s dE)
// in the same order, so they keep their bits. A term without M has e = 1
// and dE = 0, whose products change nothing (x * 1 is x; the zero s * 0
// added to a nonzero sum leaves it), and they are left out; a zero
// coefficient (one lane of the longitude and distance) adds a zero to a sum
// that is not zero (each starts with Meeus's additive terms or, the
// distance's, with its last term, which has one).
template <int N, std::size_t n>
[[gnu::always_inline]] inline void AddLongitudeDistance(const Pairs<N>& args, const Eccentricity<N>& ecc,
                                                        Sums<N>& sums) {
  constexpr TermIndex index = kLongitudeDistanceIndex[n];
  const Lanes<N> rl = Repeated<N>(index.cosine, index.sine);
  Lanes<N> cs, rates;
  args.Angle(index, cs, rates);
  const Lanes<N> sc = Swapped<N>(cs);
  if constexpr (index.e == 0) {
    sums.rl += rl * cs;
    sums.drl += rl * (sc * rates);  // (s (-darg), c darg): (-s) darg is s (-darg)
  } else {
    sums.rl += rl * (cs * ecc.e[index.e]);
    sums.drl += rl * (sc * rates * ecc.e[index.e] + cs * ecc.de[index.e]);
  }
}

template <int N, std::size_t n>
[[gnu::always_inline]] inline void AddLatitude(const Pairs<N>& args, const Eccentricity<N>& ecc, Sums<N>& sums) {
  constexpr TermIndex index = kLatitudeIndex[n];
  const Lanes<N> b = Repeated<N>(index.sine, index.sine);
  Lanes<N> cs, rates;
  args.Angle(index, cs, rates);
  const Lanes<N> sc = Swapped<N>(cs);
  const Lanes<N> unitRate = UnitFirst<N>(rates);
  if constexpr (index.e == 0) {
    sums.b += b * (sc * unitRate);  // (s, c darg)
  } else {
    // (s e + c 0, c darg e + s dE): the zero c * 0 beside s e changes nothing.
    sums.b += b * (sc * unitRate * ecc.e[index.e] + cs * ecc.zeroDe[index.e]);
  }
}

// Every term of both tables, each from its last term to its first.
template <int N, std::size_t... ld, std::size_t... lat>
[[gnu::always_inline]] inline void AddTerms(const Pairs<N>& args, const Eccentricity<N>& ecc, Sums<N>& sums,
                                            std::index_sequence<ld...>, std::index_sequence<lat...>) {
  static_assert(kLongitudeDistanceIndex.back().cosine != 0.0, "the distance's sum starts away from 0");
  (AddLongitudeDistance<N, sizeof...(ld) - 1 - ld>(args, ecc, sums), ...);
  (AddLatitude<N, sizeof...(lat) - 1 - lat>(args, ecc, sums), ...);
}

// ERFA's rotations, conversions and sidereal time as the search's frame and
// Moon take them (eraIr with eraRz and eraRx, eraRxpv, eraFw2m, eraS2pv,
// eraGmst06 with eraEra00 and eraAnp), written out here with the same
// operations in the same order, so with the same bits (the tests compare
// them with ERFA's bit for bit), and without a call for each: a node made
// forty of them.
// sin and cos of x in one call where the C library has sincos (glibc's
// gives the very bits of its sin and cos, which ERFA's calls get).
[[gnu::always_inline]] inline void LibrarySinCos(double x, double& s, double& c) {
#if defined(__GLIBC__)
  ::sincos(x, &s, &c);
#else
  s = std::sin(x);
  c = std::cos(x);
#endif
}

struct Matrix {
  double m[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
  // The axes turned by angle about z (eraRz) and about x (eraRx).
  [[gnu::always_inline]] void TurnZ(double angle) { Turn(angle, 0, 1); }
  [[gnu::always_inline]] void TurnX(double angle) { Turn(angle, 1, 2); }
  [[gnu::always_inline]] void Turn(double angle, int first, int second) {
    double s = 0.0, c = 0.0;
    LibrarySinCos(angle, s, c);
    TurnBy(s, c, first, second);
  }
  // The same with the angle's sine and cosine given.
  [[gnu::always_inline]] void TurnBy(double s, double c, int first, int second) {
    for (int k = 0; k < 3; ++k) {
      const double a = m[first][k], b = m[second][k];
      m[first][k] = c * a + s * b;
      m[second][k] = -s * a + c * b;
    }
  }
  // m p (eraRxp), in place allowed.
  [[gnu::always_inline]] void Apply(double p[3]) const {
    double out[3];
    for (int j = 0; j < 3; ++j) out[j] = ((0.0 + m[j][0] * p[0]) + m[j][1] * p[1]) + m[j][2] * p[2];
    p[0] = out[0];
    p[1] = out[1];
    p[2] = out[2];
  }
};

// The turn from the mean ecliptic and equinox of date to the GCRS at TT
// jdTt, R_z(-gamma) R_x(-phi) R_z(psi) of eraPfw06's angles.
inline Matrix EclipticToGcrs(double jdTt) {
  double gamb = 0.0, phib = 0.0, psib = 0.0, epsa = 0.0;
  eraPfw06(jdTt, 0.0, &gamb, &phib, &psib, &epsa);
  Matrix rm;
  rm.TurnZ(psib);
  rm.TurnX(-phib);
  rm.TurnZ(-gamb);
  return rm;
}

// eraS2pv: spherical position and velocity to Cartesian.
[[gnu::always_inline]] inline void SphericalToPv(double theta, double phi, double r, double td, double pd, double rd,
                                                 double pv[2][3]) {
  double st = 0.0, ct = 0.0, sp = 0.0, cp = 0.0;
  LibrarySinCos(theta, st, ct);
  LibrarySinCos(phi, sp, cp);
  const double rcp = r * cp, x = rcp * ct, y = rcp * st, rpd = r * pd, w = rpd * sp - cp * rd;
  pv[0][0] = x;
  pv[0][1] = y;
  pv[0][2] = r * sp;
  pv[1][0] = -y * td - w * ct;
  pv[1][1] = x * td - w * st;
  pv[1][2] = rpd * cp + sp * rd;
}

// std::fmod(a, ERFA_D2PI), bit for bit, for |a| below 2048 turns, where
// a long double of 64 significant bits holds n 2pi exactly (n has at most
// 11 bits) and a less it too (within a factor of two of each other): the
// exact remainder, which a double holds, comes out as it is. A quotient
// rounded up to the next whole number leaves it a turn beyond, put back
// exactly. Elsewhere, and where long double is not the x87's 64-bit
// format (a software quad on WebAssembly would be slower than the call), the
// library's.
inline double FmodTurn(double a) {
  if (std::numeric_limits<long double>::digits != 64 || !(std::fabs(a) < 2048.0 * ERFA_D2PI)) {
    return std::fmod(a, ERFA_D2PI);
  }
  const double n = std::trunc(a / ERFA_D2PI);
  long double r = static_cast<long double>(a) - static_cast<long double>(n) * static_cast<long double>(ERFA_D2PI);
  if (a >= 0.0 ? r < 0.0L : r > 0.0L) r += a >= 0.0 ? ERFA_D2PI : -ERFA_D2PI;
  return r == 0.0L ? std::copysign(0.0, a) : static_cast<double>(r);
}

// eraAnp.
inline double NormalAngle(double a) {
  double w = FmodTurn(a);
  if (w < 0) w += ERFA_D2PI;
  return w;
}

// eraGmst06(jdUtc, 0, jdTt, 0) through eraEra00(jdUtc, 0), for jdUtc > 0.
inline double MeanSiderealTime(double jdUtc, double jdTt) {
  const double d1 = 0.0, d2 = jdUtc;  // eraEra00 orders its two parts
  const double t = d1 + (d2 - ERFA_DJ00);
  const double f = 0.0 + FmodByWhole(d2, 1.0);  // fmod(d1, 1) + fmod(d2, 1)
  const double era = NormalAngle(ERFA_D2PI * (f + 0.7790572732640 + 0.00273781191135448 * t));
  const double tc = ((jdTt - ERFA_DJ00) + 0.0) / ERFA_DJC;
  return NormalAngle(
      era +
      (0.014506 + (4612.156534 + (1.3915817 + (-0.00000044 + (-0.000029956 + (-0.0000000368) * tc) * tc) * tc) * tc) * tc) *
          ERFA_DAS2R);
}

// The complementary terms of the equation of the equinoxes.
// Reference: IERS Conventions (2003), IERS Technical Note 32, chapter 5,
// equation 5.41 and table 5.2e (33 terms in t^0, one in t^1, microarcseconds),
// with the fundamental arguments of its equations 5.43 (Simon et al. 1994)
// and 5.44 (Souchay et al. 1999, the mean longitudes of Venus and the Earth
// and the general precession in longitude).
struct ComplementaryTerm {
  int l, lp, f, d, om, ve, e, pa;  // multiples of l, l', F, D, Omega, L_Ve, L_E, p_A
  double s, c;                     // coefficients of the sine and cosine, arcseconds
};
constexpr ComplementaryTerm kComplementary0[] = {
    {0, 0, 0, 0, 1, 0, 0, 0, 2640.96e-6, -0.39e-6},  {0, 0, 0, 0, 2, 0, 0, 0, 63.52e-6, -0.02e-6},
    {0, 0, 2, -2, 3, 0, 0, 0, 11.75e-6, 0.01e-6},    {0, 0, 2, -2, 1, 0, 0, 0, 11.21e-6, 0.01e-6},
    {0, 0, 2, -2, 2, 0, 0, 0, -4.55e-6, 0.00e-6},    {0, 0, 2, 0, 3, 0, 0, 0, 2.02e-6, 0.00e-6},
    {0, 0, 2, 0, 1, 0, 0, 0, 1.98e-6, 0.00e-6},      {0, 0, 0, 0, 3, 0, 0, 0, -1.72e-6, 0.00e-6},
    {0, 1, 0, 0, 1, 0, 0, 0, -1.41e-6, -0.01e-6},    {0, 1, 0, 0, -1, 0, 0, 0, -1.26e-6, -0.01e-6},
    {1, 0, 0, 0, -1, 0, 0, 0, -0.63e-6, 0.00e-6},    {1, 0, 0, 0, 1, 0, 0, 0, -0.63e-6, 0.00e-6},
    {0, 1, 2, -2, 3, 0, 0, 0, 0.46e-6, 0.00e-6},     {0, 1, 2, -2, 1, 0, 0, 0, 0.45e-6, 0.00e-6},
    {0, 0, 4, -4, 4, 0, 0, 0, 0.36e-6, 0.00e-6},     {0, 0, 1, -1, 1, -8, 12, 0, -0.24e-6, -0.12e-6},
    {0, 0, 2, 0, 0, 0, 0, 0, 0.32e-6, 0.00e-6},      {0, 0, 2, 0, 2, 0, 0, 0, 0.28e-6, 0.00e-6},
    {1, 0, 2, 0, 3, 0, 0, 0, 0.27e-6, 0.00e-6},      {1, 0, 2, 0, 1, 0, 0, 0, 0.26e-6, 0.00e-6},
    {0, 0, 2, -2, 0, 0, 0, 0, -0.21e-6, 0.00e-6},    {0, 1, -2, 2, -3, 0, 0, 0, 0.19e-6, 0.00e-6},
    {0, 1, -2, 2, -1, 0, 0, 0, 0.18e-6, 0.00e-6},    {0, 0, 0, 0, 0, 8, -13, -1, -0.10e-6, 0.05e-6},
    {0, 0, 0, 2, 0, 0, 0, 0, 0.15e-6, 0.00e-6},      {2, 0, -2, 0, -1, 0, 0, 0, -0.14e-6, 0.00e-6},
    {1, 0, 0, -2, 1, 0, 0, 0, 0.14e-6, 0.00e-6},     {0, 1, 2, -2, 2, 0, 0, 0, -0.14e-6, 0.00e-6},
    {1, 0, 0, -2, -1, 0, 0, 0, 0.14e-6, 0.00e-6},    {0, 0, 4, -2, 4, 0, 0, 0, 0.13e-6, 0.00e-6},
    {0, 0, 2, -2, 4, 0, 0, 0, -0.11e-6, 0.00e-6},    {1, 0, -2, 0, -3, 0, 0, 0, 0.11e-6, 0.00e-6},
    {1, 0, -2, 0, -1, 0, 0, 0, 0.11e-6, 0.00e-6},
};
constexpr ComplementaryTerm kComplementary1 = {0, 0, 0, 0, 1, 0, 0, 0, -0.87e-6, 0.00e-6};

// A fundamental argument of the Moon and Sun: a quartic in t (arcseconds),
// folded into one turn, in radians.
double LuniSolarArgument(double c0, double c1, double c2, double c3, double c4, double t) {
  return FmodByWhole(c0 + t * (c1 + t * (c2 + t * (c3 + t * c4))), ERFA_TURNAS) * ERFA_DAS2R;
}

// One term's sine and cosine sum at the arguments fa (radians): the
// multiples summed in the order of the arguments, a zero multiple left out
// (it adds a zero to a sum that is not zero).
double ComplementarySum(const ComplementaryTerm& term, const double fa[8]) {
  const int n[8] = {term.l, term.lp, term.f, term.d, term.om, term.ve, term.e, term.pa};
  double a = 0.0;
  for (int j = 0; j < 8; ++j) {
    if (n[j] != 0) a += static_cast<double>(n[j]) * fa[j];
  }
  double s = 0.0, c = 0.0;
  LibrarySinCos(a, s, c);
  return term.s * s + term.c * c;
}

// The series is built for the processor at hand when the compiler can:
// with AVX2 the same pairs of lanes take three-operand instructions and
// fewer copies between registers, and two instants' pairs fit one register.
// The products and sums are the same IEEE operations either way (no fused
// multiply-add: contraction stays off and the clone does not ask for FMA),
// so the results keep their bits. Clang 14 leaves some clones undefined at
// link time, so only GCC clones.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define SKYCALC_MOON_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SKYCALC_MOON_CLONES
#endif

// MoonBySeries at N instants at once.
// eclipticToGcrs[i], when not null, is instant i's turn from the mean
// ecliptic and equinox of date to the GCRS as the search's frame made it.
template <int N>
[[gnu::always_inline]] inline void MoonSeries(const double (&jdTt)[N], double (*pv[N])[3],
                                              const Matrix* const (&eclipticToGcrs)[N]) {
  double elp[N], delp[N], d[N], dd[N], em[N], dem[N], emp[N], demp[N], f[N], df[N];
  double vel[N], vdel[N], vb[N], vdb[N], vr[N], zero[N];
  Multiples md[N], mm[N], mmp[N], mf[N];
  Eccentricity<N> ecc;
  double en[3][N], den[3][N];
  for (int i = 0; i < N; ++i) {
    const double t = (jdTt[i] - ERFA_DJ00) / ERFA_DJC;
    elp[i] = kMeanLongitude.Angle(t), delp[i] = kMeanLongitude.Rate(t);
    d[i] = kElongation.Angle(t), dd[i] = kElongation.Rate(t);
    em[i] = kSunAnomaly.Angle(t), dem[i] = kSunAnomaly.Rate(t);
    emp[i] = kMoonAnomaly.Angle(t), demp[i] = kMoonAnomaly.Rate(t);
    f[i] = kNodeDistance.Angle(t), df[i] = kNodeDistance.Rate(t);
    // Meeus's A1 (Venus), A2 (Jupiter), A3 (the Moon's sidereal motion); the
    // rate of A1 as eraMoon98 takes it (it enters the velocity alone, by
    // under 1 mm/s).
    const double a1 = ERFA_DD2R * (119.75 + 131.849 * t), da1 = ERFA_DD2R * 0.003958;
    const double a2 = ERFA_DD2R * (53.09 + 479264.290 * t), da2 = ERFA_DD2R * 479264.290;
    const double a3 = ERFA_DD2R * (313.45 + 481266.484 * t), da3 = ERFA_DD2R * 481266.484;
    // The eccentricity of the Earth's orbit, for the terms in M.
    const double e = 1.0 + (-0.002516 + -0.0000074 * t) * t, de = -0.002516 + 2.0 * -0.0000074 * t;
    en[0][i] = 1.0, en[1][i] = e, en[2][i] = e * e;
    den[0][i] = 0.0, den[1][i] = de, den[2][i] = 2.0 * e * de;
    zero[i] = 0.0;
    md[i] = Multiples(d[i]), mm[i] = Multiples(em[i]), mmp[i] = Multiples(emp[i]), mf[i] = Multiples(f[i]);
    // Meeus's additive terms start the sums (degrees); the sines and cosines
    // of the sums and differences by angle addition from their parts'.
    const Angle l(elp[i]), v(a1), j(a2), s3(a3), fa(mf[i].c[kMaxMultiple + 1], mf[i].s[kMaxMultiple + 1]),
        ma(mmp[i].c[kMaxMultiple + 1], mmp[i].s[kMaxMultiple + 1]);
    const Angle lmf = l - fa, vmf = v - fa, vpf = v + fa, lmm = l - ma, lpm = l + ma;
    vel[i] = 0.003958 * v.s + 0.001962 * lmf.s + 0.000318 * j.s;
    vdel[i] = 0.003958 * v.c * da1 + 0.001962 * lmf.c * (delp[i] - df[i]) + 0.000318 * j.c * da2;
    vb[i] = -0.002235 * l.s + 0.000382 * s3.s + 0.000175 * vmf.s + 0.000175 * vpf.s + 0.000127 * lmm.s -
            0.000115 * lpm.s;
    vdb[i] = -0.002235 * l.c * delp[i] + 0.000382 * s3.c * da3 + 0.000175 * vmf.c * (da1 - df[i]) +
             0.000175 * vpf.c * (da1 + df[i]) + 0.000127 * lmm.c * (delp[i] - demp[i]) -
             0.000115 * lpm.c * (delp[i] + demp[i]);
    vr[i] = 0.0;
  }
  for (int k = 0; k < 3; ++k) {
    ecc.e[k] = Interleaved<N>(en[k], en[k]);
    ecc.de[k] = Interleaved<N>(den[k], den[k]);
    ecc.zeroDe[k] = Interleaved<N>(zero, den[k]);
  }
  const Pairs<N> args{md, mm, mmp, mf, dd, dem, demp, df};

  // Sums from the smallest terms up, as eraMoon98 takes them.
  Sums<N> sums{Interleaved<N>(vr, vel), Interleaved<N>(zero, vdel), Interleaved<N>(vb, vdb)};
  AddTerms<N>(args, ecc, sums, std::make_index_sequence<kLongitudeDistanceIndex.size()>{},
              std::make_index_sequence<kLatitudeIndex.size()>{});
  for (int i = 0; i < N; ++i) {
    const double r0 = sums.rl[2 * i], vel0 = sums.rl[2 * i + 1];
    const double vdr = sums.drl[2 * i], vdel0 = sums.drl[2 * i + 1];
    const double vb0 = sums.b[2 * i], vdb0 = sums.b[2 * i + 1];
    // Mean distance 385000.56 km.
    const double el = elp[i] + ERFA_DD2R * vel0, del = (delp[i] + ERFA_DD2R * vdel0) / ERFA_DJC;
    const double r = (r0 + 385000560.0) / ERFA_DAU, dr = vdr / ERFA_DAU / ERFA_DJC;
    const double b = vb0 * ERFA_DD2R, db = vdb0 * ERFA_DD2R / ERFA_DJC;
    SphericalToPv(el, b, r, del, db, dr, pv[i]);
    // Mean ecliptic and equinox of date to the GCRS by the IAU 2006
    // Fukushima-Williams angles.
    const Matrix rm = eclipticToGcrs[i] != nullptr ? *eclipticToGcrs[i] : EclipticToGcrs(jdTt[i]);
    rm.Apply(pv[i][0]);
    rm.Apply(pv[i][1]);
  }
}

}  // namespace

SKYCALC_MOON_CLONES void MoonBySeries(double jdTt, double pv[2][3]) {
  const double at[1] = {jdTt};
  double (*out[1])[3] = {pv};
  const Matrix* const turns[1] = {nullptr};
  MoonSeries<1>(at, out, turns);
}

namespace {

// MoonSeries at N (1 or 2) frames' TT with their turns.
template <int N>
[[gnu::always_inline]] inline void MoonSeriesOfFrames(const SearchFrame* frames, double (*pv)[2][3]) {
  double at[N];
  double (*out[N])[3];
  Matrix m[N];
  const Matrix* turns[N];
  for (int i = 0; i < N; ++i) {
    at[i] = frames[i].jdTt;
    out[i] = pv[i];
    std::memcpy(m[i].m, frames[i].eclipticToGcrs, sizeof m[i].m);
    turns[i] = &m[i];
  }
  MoonSeries<N>(at, out, turns);
}

}  // namespace

// Two instants' lanes take one AVX2 register. (Four in one AVX-512 register
// gained 1 % on a processor that has it and cost 7 % more instructions where
// it is missing.)
SKYCALC_MOON_CLONES void MoonBySeriesOfFrames(const SearchFrame* frames, std::size_t count, double (*pv)[2][3]) {
  std::size_t i = 0;
  for (; i + 2 <= count; i += 2) MoonSeriesOfFrames<2>(frames + i, pv + i);
  for (; i < count; ++i) MoonSeriesOfFrames<1>(frames + i, pv + i);
}

// The sums as eraEect00 forms them (its terms from the last to the first,
// the arguments from its fundamental-argument routines), so with its bits
// (SearchEvaluation.ComplementaryTermsBitForBitAsErfa), without eight calls
// and seven library remainders.
double ComplementaryTerms(double jdTt) {
  const double t = ((jdTt - ERFA_DJ00) + 0.0) / ERFA_DJC;
  const double fa[8] = {
      LuniSolarArgument(485868.249036, 1717915923.2178, 31.8792, 0.051635, -0.00024470, t),   // l
      LuniSolarArgument(1287104.793048, 129596581.0481, -0.5532, 0.000136, -0.00001149, t),   // l'
      LuniSolarArgument(335779.526232, 1739527262.8478, -12.7512, -0.001037, 0.00000417, t),  // F
      LuniSolarArgument(1072260.703692, 1602961601.2090, -6.3706, 0.006593, -0.00003169, t),  // D
      LuniSolarArgument(450160.398036, -6962890.5431, 7.4722, 0.007702, -0.00005939, t),      // Omega
      FmodTurn(3.176146697 + 1021.3285546211 * t),                                           // L_Ve
      FmodTurn(1.753470314 + 628.3075849991 * t),                                            // L_E
      (0.024381750 + 0.00000538691 * t) * t,                                                 // p_A
  };
  double s0 = 0.0;
  for (std::size_t i = std::size(kComplementary0); i-- > 0;) s0 += ComplementarySum(kComplementary0[i], fa);
  const double s1 = 0.0 + ComplementarySum(kComplementary1, fa);
  return (s0 + s1 * t) * ERFA_DAS2R;
}

SlowTerms SlowTermsAt(double jdTt) {
  SlowTerms slow;
  Nutation2000B((jdTt - ERFA_DJ00) / ERFA_DJC, slow.dpsi, slow.deps);
  slow.eect = ComplementaryTerms(jdTt);
  return slow;
}

SearchFrame MakeSearchFrameWithEcliptic(const Instant& t, const SlowTerms& slow) {
  double gamma = 0.0, phi = 0.0, psi = 0.0, epsA = 0.0;
  eraPfw06(t.jdTt, 0.0, &gamma, &phi, &psi, &epsA);
  SearchFrame out{};
  out.jdTt = t.jdTt;
  // eraFw2m's turns (R_x(-eps) R_z(-psi) R_x(phi) R_z(gamma)); the Moon's
  // turn from the ecliptic shares the sines and cosines of gamma and phi
  // (the library's sine is odd and its cosine even to the bit, so those of
  // -gamma and -phi are these with a sign).
  double sg = 0.0, cg = 0.0, sp = 0.0, cp = 0.0, ss = 0.0, cs = 0.0;
  LibrarySinCos(gamma, sg, cg);
  LibrarySinCos(phi, sp, cp);
  LibrarySinCos(psi, ss, cs);
  Matrix m;
  m.TurnBy(sg, cg, 0, 1);
  m.TurnBy(sp, cp, 1, 2);
  m.TurnZ(-(psi + slow.dpsi));
  m.TurnX(-(epsA + slow.deps));
  std::memcpy(out.frame.gcrsToTrue, m.m, sizeof m.m);
  Matrix e;
  e.TurnBy(ss, cs, 0, 1);
  e.TurnBy(-sp, cp, 1, 2);
  e.TurnBy(-sg, cg, 0, 1);
  std::memcpy(out.eclipticToGcrs, e.m, sizeof e.m);
  const double equationOfEquinoxes = slow.dpsi * std::cos(epsA) + slow.eect;
  out.frame.gast = FoldAngle(MeanSiderealTime(t.jdUtc, t.jdTt) + equationOfEquinoxes);
  return out;
}

DateFrame MakeSearchFrame(const Instant& t, const SlowTerms& slow) { return MakeSearchFrameWithEcliptic(t, slow).frame; }

}  // namespace skycalc::precise::detail
