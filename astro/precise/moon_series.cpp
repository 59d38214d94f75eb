#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <cstddef>
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
  [[gnu::always_inline]] explicit Multiples(double angle) {
    const double c1 = std::cos(angle), s1 = std::sin(angle);
    c[kMaxMultiple] = 1.0;
    s[kMaxMultiple] = 0.0;
    for (int k = 1; k <= kMaxMultiple; ++k) {
      const double ck = c[kMaxMultiple + k - 1] * c1 - s[kMaxMultiple + k - 1] * s1;
      const double sk = s[kMaxMultiple + k - 1] * c1 + c[kMaxMultiple + k - 1] * s1;
      c[kMaxMultiple + k] = ck;
      s[kMaxMultiple + k] = sk;
      c[kMaxMultiple - k] = ck;
      s[kMaxMultiple - k] = -sk;
    }
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

// Two doubles side by side, for the sums that run in pairs: each lane's
// arithmetic is the scalar arithmetic, rounded alike (SSE2, or two scalar
// operations where there is no vector unit), so pairing changes no bit.
using Lanes = double __attribute__((vector_size(16)));

// cos, sin and rate of every d D + m M (d 0..4, m -2..2) and of every
// mp M' + f F (mp -4..4, f -3..3), so that each term takes one product of
// two and one sum of rates; laid out for Lanes: a d D + m M as (c, s),
// (-s, c) and (-rate, rate), an mp M' + f F as (c, c), (s, s) and
// (-rate, rate). A term's (cos, sin) is then cs = (c, s) (c', c') +
// (-s, c) (s', s'), lane by lane the scalar c c' - s s' and s c' + c s'
// (x + (-y) is x - y), and its (-rate, rate) one sum.
struct Pairs;
template <int k>
void MakeDm(Pairs& pairs, const Multiples& d, const Multiples& m, double dd, double dm);
template <int k>
void MakePf(Pairs& pairs, const Multiples& mp, const Multiples& f, double dmp, double df);
template <int... dm, int... pf>
[[gnu::always_inline]] inline void MakePairs(Pairs& pairs, const Multiples& d, const Multiples& m, const Multiples& mp, const Multiples& f,
               double dd, double ddm, double dmp, double df, std::integer_sequence<int, dm...>,
               std::integer_sequence<int, pf...>) {
  (MakeDm<dm>(pairs, d, m, dd, ddm), ...);
  (MakePf<pf>(pairs, mp, f, dmp, df), ...);
}

struct Pairs {
  Lanes cs[kDmCount], nsc[kDmCount], rdm[kDmCount];
  Lanes cc[kPfCount], ss[kPfCount], rpf[kPfCount];
  // Only the pairs some term takes (13 of 25 and 33 of 63).
  [[gnu::always_inline]] Pairs(const Multiples& d, const Multiples& m, const Multiples& mp, const Multiples& f, double dd, double dm,
        double dmp, double df) {
    MakePairs(*this, d, m, mp, f, dd, dm, dmp, df, std::make_integer_sequence<int, kDmCount>{},
              std::make_integer_sequence<int, kPfCount>{});
  }
  // (cos, sin) and (-rate, rate) of a term's argument.
  [[gnu::always_inline]] void Angle(const TermIndex& t, Lanes& cosSin, Lanes& rates) const {
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

template <int k>
[[gnu::always_inline]] inline void MakeDm(Pairs& pairs, const Multiples& d, const Multiples& m, double dd,
                                          double dm) {
  if constexpr (Takes(k, true)) {
    constexpr int i = k / (2 * kMaxM + 1), j = k % (2 * kMaxM + 1) - kMaxM;
    static_assert(IndexOf(i, j, 0, 0).dm == k);
    const double ca = d.c[kMaxMultiple + i], sa = d.s[kMaxMultiple + i];
    const double cb = m.c[kMaxMultiple + j], sb = m.s[kMaxMultiple + j];
    const double c = ca * cb - sa * sb, s = sa * cb + ca * sb, rate = i * dd + j * dm;
    pairs.cs[k] = Lanes{c, s};
    pairs.nsc[k] = Lanes{-s, c};
    pairs.rdm[k] = Lanes{-rate, rate};
  }
}

template <int k>
[[gnu::always_inline]] inline void MakePf(Pairs& pairs, const Multiples& mp, const Multiples& f, double dmp,
                                          double df) {
  if constexpr (Takes(k, false)) {
    constexpr int i = k / (2 * kMaxF + 1) - kMaxMp, j = k % (2 * kMaxF + 1) - kMaxF;
    static_assert(IndexOf(0, 0, i, j).pf == k);
    const double ca = mp.c[kMaxMultiple + i], sa = mp.s[kMaxMultiple + i];
    const double cb = f.c[kMaxMultiple + j], sb = f.s[kMaxMultiple + j];
    const double c = ca * cb - sa * sb, s = sa * cb + ca * sb, rate = i * dmp + j * df;
    pairs.cc[k] = Lanes{c, c};
    pairs.ss[k] = Lanes{s, s};
    pairs.rpf[k] = Lanes{-rate, rate};
  }
}

// The series' running sums in pairs: (distance, longitude), their rates
// (distance, longitude), and (latitude, its rate).
struct Sums {
  Lanes rl, drl, b;
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
template <std::size_t n>
[[gnu::always_inline]] inline void AddLongitudeDistance(const Pairs& args, double e, double dE, Sums& sums) {
  constexpr TermIndex index = kLongitudeDistanceIndex[n];
  constexpr Lanes rl = {index.cosine, index.sine};
  Lanes cs, rates;
  args.Angle(index, cs, rates);
  const Lanes sc = {cs[1], cs[0]};
  if constexpr (index.e == 0) {
    sums.rl += rl * cs;
    sums.drl += rl * (sc * rates);  // (s (-darg), c darg): (-s) darg is s (-darg)
  } else {
    const Lanes es = {e, e};
    sums.rl += rl * (cs * es);
    sums.drl += rl * (sc * rates * es + cs * Lanes{dE, dE});
  }
}

template <std::size_t n>
[[gnu::always_inline]] inline void AddLatitude(const Pairs& args, double e, double dE, Sums& sums) {
  constexpr TermIndex index = kLatitudeIndex[n];
  constexpr Lanes b = {index.sine, index.sine};
  Lanes cs, rates;
  args.Angle(index, cs, rates);
  const Lanes sc = {cs[1], cs[0]};
  const Lanes unitRate = {1.0, rates[1]};
  if constexpr (index.e == 0) {
    sums.b += b * (sc * unitRate);  // (s, c darg)
  } else {
    // (s e + c 0, c darg e + s dE): the zero c * 0 beside s e changes nothing.
    sums.b += b * (sc * unitRate * Lanes{e, e} + cs * Lanes{0.0, dE});
  }
}

// Every term of both tables, each from its last term to its first; e and
// dE are E and its rate for the terms in M once, their squares' for M twice.
template <std::size_t... ld, std::size_t... lat>
[[gnu::always_inline]] inline void AddTerms(const Pairs& args, const double en[3], const double den[3], Sums& sums, std::index_sequence<ld...>,
              std::index_sequence<lat...>) {
  static_assert(kLongitudeDistanceIndex.back().cosine != 0.0, "the distance's sum starts away from 0");
  (AddLongitudeDistance<sizeof...(ld) - 1 - ld>(args, en[kLongitudeDistanceIndex[sizeof...(ld) - 1 - ld].e],
                                                den[kLongitudeDistanceIndex[sizeof...(ld) - 1 - ld].e], sums),
   ...);
  (AddLatitude<sizeof...(lat) - 1 - lat>(args, en[kLatitudeIndex[sizeof...(lat) - 1 - lat].e],
                                         den[kLatitudeIndex[sizeof...(lat) - 1 - lat].e], sums),
   ...);
}

// The series is built for the processor at hand when the compiler can:
// with AVX2 the same pairs of lanes take three-operand instructions and
// fewer copies between registers. The products and sums are the same IEEE
// operations either way (no fused multiply-add: contraction stays off and
// the clone does not ask for FMA), so the results keep their bits. Clang 14
// leaves some clones undefined at link time, so only GCC clones.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define SKYCALC_MOON_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SKYCALC_MOON_CLONES
#endif

}  // namespace

SKYCALC_MOON_CLONES void MoonBySeries(double jdTt, double pv[2][3]) {
  const double t = (jdTt - ERFA_DJ00) / ERFA_DJC;
  const double elp = kMeanLongitude.Angle(t), delp = kMeanLongitude.Rate(t);
  const double d = kElongation.Angle(t), dd = kElongation.Rate(t);
  const double em = kSunAnomaly.Angle(t), dem = kSunAnomaly.Rate(t);
  const double emp = kMoonAnomaly.Angle(t), demp = kMoonAnomaly.Rate(t);
  const double f = kNodeDistance.Angle(t), df = kNodeDistance.Rate(t);
  // Meeus's A1 (Venus), A2 (Jupiter), A3 (the Moon's sidereal motion); the
  // rate of A1 as eraMoon98 takes it (it enters the velocity alone, by
  // under 1 mm/s).
  const double a1 = ERFA_DD2R * (119.75 + 131.849 * t), da1 = ERFA_DD2R * 0.003958;
  const double a2 = ERFA_DD2R * (53.09 + 479264.290 * t), da2 = ERFA_DD2R * 479264.290;
  const double a3 = ERFA_DD2R * (313.45 + 481266.484 * t), da3 = ERFA_DD2R * 481266.484;
  // The eccentricity of the Earth's orbit, for the terms in M.
  const double e = 1.0 + (-0.002516 + -0.0000074 * t) * t, de = -0.002516 + 2.0 * -0.0000074 * t;
  const double en[3] = {1.0, e, e * e}, den[3] = {0.0, de, 2.0 * e * de};

  const Multiples md(d), mm(em), mmp(emp), mf(f);
  const Pairs args{md, mm, mmp, mf, dd, dem, demp, df};

  // Meeus's additive terms start the sums (degrees); the sines and cosines
  // of the sums and differences by angle addition from their parts'.
  const Angle l(elp), v(a1), j(a2), s3(a3), fa(mf.c[kMaxMultiple + 1], mf.s[kMaxMultiple + 1]),
      ma(mmp.c[kMaxMultiple + 1], mmp.s[kMaxMultiple + 1]);
  const Angle lmf = l - fa, vmf = v - fa, vpf = v + fa, lmm = l - ma, lpm = l + ma;
  double vel = 0.003958 * v.s + 0.001962 * lmf.s + 0.000318 * j.s;
  double vdel = 0.003958 * v.c * da1 + 0.001962 * lmf.c * (delp - df) + 0.000318 * j.c * da2;
  double vb = -0.002235 * l.s + 0.000382 * s3.s + 0.000175 * vmf.s + 0.000175 * vpf.s + 0.000127 * lmm.s -
              0.000115 * lpm.s;
  double vdb = -0.002235 * l.c * delp + 0.000382 * s3.c * da3 + 0.000175 * vmf.c * (da1 - df) +
               0.000175 * vpf.c * (da1 + df) + 0.000127 * lmm.c * (delp - demp) - 0.000115 * lpm.c * (delp + demp);
  double vr = 0.0;

  // Sums from the smallest terms up, as eraMoon98 takes them.
  Sums sums{Lanes{vr, vel}, Lanes{0.0, vdel}, Lanes{vb, vdb}};
  AddTerms(args, en, den, sums, std::make_index_sequence<kLongitudeDistanceIndex.size()>{},
           std::make_index_sequence<kLatitudeIndex.size()>{});
  vr = sums.rl[0];
  vel = sums.rl[1];
  const double vdr = sums.drl[0];
  vdel = sums.drl[1];
  vb = sums.b[0];
  vdb = sums.b[1];
  // Mean distance 385000.56 km.
  const double el = elp + ERFA_DD2R * vel, del = (delp + ERFA_DD2R * vdel) / ERFA_DJC;
  const double r = (vr + 385000560.0) / ERFA_DAU, dr = vdr / ERFA_DAU / ERFA_DJC;
  const double b = vb * ERFA_DD2R, db = vdb * ERFA_DD2R / ERFA_DJC;
  eraS2pv(el, b, r, del, db, dr, pv);
  // Mean ecliptic and equinox of date to the GCRS by the IAU 2006
  // Fukushima-Williams angles.
  double gamb = 0.0, phib = 0.0, psib = 0.0, epsa = 0.0, rm[3][3];
  eraPfw06(jdTt, 0.0, &gamb, &phib, &psib, &epsa);
  eraIr(rm);
  eraRz(psib, rm);
  eraRx(-phib, rm);
  eraRz(-gamb, rm);
  eraRxpv(rm, pv, pv);
}

SlowTerms SlowTermsAt(double jdTt) {
  SlowTerms slow;
  Nutation2000B((jdTt - ERFA_DJ00) / ERFA_DJC, slow.dpsi, slow.deps);
  slow.eect = eraEect00(jdTt, 0.0);
  return slow;
}

DateFrame MakeSearchFrame(const Instant& t, const SlowTerms& slow) {
  double gamma = 0.0, phi = 0.0, psi = 0.0, epsA = 0.0;
  eraPfw06(t.jdTt, 0.0, &gamma, &phi, &psi, &epsA);
  DateFrame frame{};
  eraFw2m(gamma, phi, psi + slow.dpsi, epsA + slow.deps, frame.gcrsToTrue);
  const double equationOfEquinoxes = slow.dpsi * std::cos(epsA) + slow.eect;
  frame.gast = FoldAngle(eraGmst06(t.jdUtc, 0.0, t.jdTt, 0.0) + equationOfEquinoxes);
  return frame;
}

}  // namespace skycalc::precise::detail
