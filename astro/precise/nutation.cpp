#include "astro/precise/nutation.h"

#include <erfam.h>

#include <cmath>
#include <cstddef>
#include <utility>

#include "astro/base/angles.h"

namespace skycalc::precise::detail {

namespace {

// Reference: D. D. McCarthy and B. J. Luzum, "An abridged model of the
// precession-nutation of the celestial pole", Celest. Mech. Dyn. Astron. 85,
// 37 (2003), the IAU 2000B luni-solar series (77 terms) and its fixed
// offsets in lieu of the planetary terms (Luzum's values for precession,
// bias and nutation applied one after the other, -0.135 and +0.388 mas):
// multipliers of l, l', F, D, Omega; longitude sin, T sin, cos and
// obliquity cos, T cos, sin coefficients in units of 0.1 microarcsecond.
struct Term {
  int multiple[5];
  double ps, pst, pc, ec, ect, es;
};
constexpr Term kTerms[] = {
    {{ 0,  0,  0,  0,  1}, -172064161.0, -174666.0, 33386.0, 92052331.0, 9086.0, 15377.0},
    {{ 0,  0,  2, -2,  2}, -13170906.0, -1675.0, -13696.0, 5730336.0, -3015.0, -4587.0},
    {{ 0,  0,  2,  0,  2}, -2276413.0, -234.0, 2796.0, 978459.0, -485.0, 1374.0},
    {{ 0,  0,  0,  0,  2}, 2074554.0, 207.0, -698.0, -897492.0, 470.0, -291.0},
    {{ 0,  1,  0,  0,  0}, 1475877.0, -3633.0, 11817.0, 73871.0, -184.0, -1924.0},
    {{ 0,  1,  2, -2,  2}, -516821.0, 1226.0, -524.0, 224386.0, -677.0, -174.0},
    {{ 1,  0,  0,  0,  0}, 711159.0, 73.0, -872.0, -6750.0, 0.0, 358.0},
    {{ 0,  0,  2,  0,  1}, -387298.0, -367.0, 380.0, 200728.0, 18.0, 318.0},
    {{ 1,  0,  2,  0,  2}, -301461.0, -36.0, 816.0, 129025.0, -63.0, 367.0},
    {{ 0, -1,  2, -2,  2}, 215829.0, -494.0, 111.0, -95929.0, 299.0, 132.0},
    {{ 0,  0,  2, -2,  1}, 128227.0, 137.0, 181.0, -68982.0, -9.0, 39.0},
    {{-1,  0,  2,  0,  2}, 123457.0, 11.0, 19.0, -53311.0, 32.0, -4.0},
    {{-1,  0,  0,  2,  0}, 156994.0, 10.0, -168.0, -1235.0, 0.0, 82.0},
    {{ 1,  0,  0,  0,  1}, 63110.0, 63.0, 27.0, -33228.0, 0.0, -9.0},
    {{-1,  0,  0,  0,  1}, -57976.0, -63.0, -189.0, 31429.0, 0.0, -75.0},
    {{-1,  0,  2,  2,  2}, -59641.0, -11.0, 149.0, 25543.0, -11.0, 66.0},
    {{ 1,  0,  2,  0,  1}, -51613.0, -42.0, 129.0, 26366.0, 0.0, 78.0},
    {{-2,  0,  2,  0,  1}, 45893.0, 50.0, 31.0, -24236.0, -10.0, 20.0},
    {{ 0,  0,  0,  2,  0}, 63384.0, 11.0, -150.0, -1220.0, 0.0, 29.0},
    {{ 0,  0,  2,  2,  2}, -38571.0, -1.0, 158.0, 16452.0, -11.0, 68.0},
    {{ 0, -2,  2, -2,  2}, 32481.0, 0.0, 0.0, -13870.0, 0.0, 0.0},
    {{-2,  0,  0,  2,  0}, -47722.0, 0.0, -18.0, 477.0, 0.0, -25.0},
    {{ 2,  0,  2,  0,  2}, -31046.0, -1.0, 131.0, 13238.0, -11.0, 59.0},
    {{ 1,  0,  2, -2,  2}, 28593.0, 0.0, -1.0, -12338.0, 10.0, -3.0},
    {{-1,  0,  2,  0,  1}, 20441.0, 21.0, 10.0, -10758.0, 0.0, -3.0},
    {{ 2,  0,  0,  0,  0}, 29243.0, 0.0, -74.0, -609.0, 0.0, 13.0},
    {{ 0,  0,  2,  0,  0}, 25887.0, 0.0, -66.0, -550.0, 0.0, 11.0},
    {{ 0,  1,  0,  0,  1}, -14053.0, -25.0, 79.0, 8551.0, -2.0, -45.0},
    {{-1,  0,  0,  2,  1}, 15164.0, 10.0, 11.0, -8001.0, 0.0, -1.0},
    {{ 0,  2,  2, -2,  2}, -15794.0, 72.0, -16.0, 6850.0, -42.0, -5.0},
    {{ 0,  0, -2,  2,  0}, 21783.0, 0.0, 13.0, -167.0, 0.0, 13.0},
    {{ 1,  0,  0, -2,  1}, -12873.0, -10.0, -37.0, 6953.0, 0.0, -14.0},
    {{ 0, -1,  0,  0,  1}, -12654.0, 11.0, 63.0, 6415.0, 0.0, 26.0},
    {{-1,  0,  2,  2,  1}, -10204.0, 0.0, 25.0, 5222.0, 0.0, 15.0},
    {{ 0,  2,  0,  0,  0}, 16707.0, -85.0, -10.0, 168.0, -1.0, 10.0},
    {{ 1,  0,  2,  2,  2}, -7691.0, 0.0, 44.0, 3268.0, 0.0, 19.0},
    {{-2,  0,  2,  0,  0}, -11024.0, 0.0, -14.0, 104.0, 0.0, 2.0},
    {{ 0,  1,  2,  0,  2}, 7566.0, -21.0, -11.0, -3250.0, 0.0, -5.0},
    {{ 0,  0,  2,  2,  1}, -6637.0, -11.0, 25.0, 3353.0, 0.0, 14.0},
    {{ 0, -1,  2,  0,  2}, -7141.0, 21.0, 8.0, 3070.0, 0.0, 4.0},
    {{ 0,  0,  0,  2,  1}, -6302.0, -11.0, 2.0, 3272.0, 0.0, 4.0},
    {{ 1,  0,  2, -2,  1}, 5800.0, 10.0, 2.0, -3045.0, 0.0, -1.0},
    {{ 2,  0,  2, -2,  2}, 6443.0, 0.0, -7.0, -2768.0, 0.0, -4.0},
    {{-2,  0,  0,  2,  1}, -5774.0, -11.0, -15.0, 3041.0, 0.0, -5.0},
    {{ 2,  0,  2,  0,  1}, -5350.0, 0.0, 21.0, 2695.0, 0.0, 12.0},
    {{ 0, -1,  2, -2,  1}, -4752.0, -11.0, -3.0, 2719.0, 0.0, -3.0},
    {{ 0,  0,  0, -2,  1}, -4940.0, -11.0, -21.0, 2720.0, 0.0, -9.0},
    {{-1, -1,  0,  2,  0}, 7350.0, 0.0, -8.0, -51.0, 0.0, 4.0},
    {{ 2,  0,  0, -2,  1}, 4065.0, 0.0, 6.0, -2206.0, 0.0, 1.0},
    {{ 1,  0,  0,  2,  0}, 6579.0, 0.0, -24.0, -199.0, 0.0, 2.0},
    {{ 0,  1,  2, -2,  1}, 3579.0, 0.0, 5.0, -1900.0, 0.0, 1.0},
    {{ 1, -1,  0,  0,  0}, 4725.0, 0.0, -6.0, -41.0, 0.0, 3.0},
    {{-2,  0,  2,  0,  2}, -3075.0, 0.0, -2.0, 1313.0, 0.0, -1.0},
    {{ 3,  0,  2,  0,  2}, -2904.0, 0.0, 15.0, 1233.0, 0.0, 7.0},
    {{ 0, -1,  0,  2,  0}, 4348.0, 0.0, -10.0, -81.0, 0.0, 2.0},
    {{ 1, -1,  2,  0,  2}, -2878.0, 0.0, 8.0, 1232.0, 0.0, 4.0},
    {{ 0,  0,  0,  1,  0}, -4230.0, 0.0, 5.0, -20.0, 0.0, -2.0},
    {{-1, -1,  2,  2,  2}, -2819.0, 0.0, 7.0, 1207.0, 0.0, 3.0},
    {{-1,  0,  2,  0,  0}, -4056.0, 0.0, 5.0, 40.0, 0.0, -2.0},
    {{ 0, -1,  2,  2,  2}, -2647.0, 0.0, 11.0, 1129.0, 0.0, 5.0},
    {{-2,  0,  0,  0,  1}, -2294.0, 0.0, -10.0, 1266.0, 0.0, -4.0},
    {{ 1,  1,  2,  0,  2}, 2481.0, 0.0, -7.0, -1062.0, 0.0, -3.0},
    {{ 2,  0,  0,  0,  1}, 2179.0, 0.0, -2.0, -1129.0, 0.0, -2.0},
    {{-1,  1,  0,  1,  0}, 3276.0, 0.0, 1.0, -9.0, 0.0, 0.0},
    {{ 1,  1,  0,  0,  0}, -3389.0, 0.0, 5.0, 35.0, 0.0, -2.0},
    {{ 1,  0,  2,  0,  0}, 3339.0, 0.0, -13.0, -107.0, 0.0, 1.0},
    {{-1,  0,  2, -2,  1}, -1987.0, 0.0, -6.0, 1073.0, 0.0, -2.0},
    {{ 1,  0,  0,  0,  2}, -1981.0, 0.0, 0.0, 854.0, 0.0, 0.0},
    {{-1,  0,  0,  1,  0}, 4026.0, 0.0, -353.0, -553.0, 0.0, -139.0},
    {{ 0,  0,  2,  1,  2}, 1660.0, 0.0, -5.0, -710.0, 0.0, -2.0},
    {{-1,  0,  2,  4,  2}, -1521.0, 0.0, 9.0, 647.0, 0.0, 4.0},
    {{-1,  1,  0,  1,  1}, 1314.0, 0.0, 0.0, -700.0, 0.0, 0.0},
    {{ 0, -2,  2, -2,  1}, -1283.0, 0.0, 0.0, 672.0, 0.0, 0.0},
    {{ 1,  0,  2,  2,  1}, -1331.0, 0.0, 8.0, 663.0, 0.0, 4.0},
    {{-2,  0,  2,  2,  2}, 1383.0, 0.0, -2.0, -594.0, 0.0, -2.0},
    {{-1,  0,  0,  0,  2}, 1405.0, 0.0, 4.0, -610.0, 0.0, 2.0},
    {{ 1,  1,  2, -2,  2}, 1290.0, 0.0, 0.0, -556.0, 0.0, 0.0},
};
constexpr double kUnit = ERFA_DAS2R / 1e7;
constexpr double kOffsetLongitude = -0.135 * ERFA_DMAS2R;
constexpr double kOffsetObliquity = 0.388 * ERFA_DMAS2R;
constexpr int kMaxMultiple = 4;  // |multiple| in the table

// Reference: J. L. Simon et al., A&A 282, 663 (1994), the Delaunay
// arguments l, l', F, D, Omega to first order in T (arcseconds), as IAU 2000B takes them.
constexpr double kArguments[5][2] = {{485868.249036, 1717915923.2178},
                                     {1287104.79305, 129596581.0481},
                                     {335779.526232, 1739527262.8478},
                                     {1072260.70369, 1602961601.2090},
                                     {450160.398036, -6962890.5431}};

// Whether argument a is the first that term turns by.
constexpr bool FirstTurn(const Term& term, int a) {
  for (int i = 0; i < a; ++i) {
    if (term.multiple[i] != 0) return false;
  }
  return term.multiple[a] != 0;
}

// Two instants side by side (Nutation2000BPair): each lane's arithmetic is
// the scalar arithmetic, rounded alike, so the lanes keep the bits of two
// calls.
using Pair = double __attribute__((vector_size(16)));

// The term's argument (ca, sa) turned by its multiple of argument a. Known
// when compiling: a zero multiple turns by cos 1 and sin 0, which changes
// no bit of a nonzero (ca, sa), and the first turn from (1, 0) gives the
// multiple's own cosine and sine; both are left out. T is double, or Pair
// for two instants.
template <std::size_t n, int a, typename T>
[[gnu::always_inline]] inline void Turn(const T (&c)[5][2 * kMaxMultiple + 1], const T (&s)[5][2 * kMaxMultiple + 1],
                                        T& ca, T& sa) {
  constexpr int multiple = kTerms[n].multiple[a];
  if constexpr (multiple != 0) {
    constexpr int k = kMaxMultiple + multiple;
    if constexpr (FirstTurn(kTerms[n], a)) {
      ca = c[a][k];
      sa = s[a][k];
    } else {
      const T cn = ca * c[a][k] - sa * s[a][k];
      sa = sa * c[a][k] + ca * s[a][k];
      ca = cn;
    }
  }
}

template <std::size_t n, typename T>
[[gnu::always_inline]] inline void AddTerm(const T (&c)[5][2 * kMaxMultiple + 1],
                                           const T (&s)[5][2 * kMaxMultiple + 1], T t, T& dp, T& de) {
  constexpr Term term = kTerms[n];
  T ca = c[0][kMaxMultiple], sa = s[0][kMaxMultiple];  // (1, 0)
  Turn<n, 0>(c, s, ca, sa);
  Turn<n, 1>(c, s, ca, sa);
  Turn<n, 2>(c, s, ca, sa);
  Turn<n, 3>(c, s, ca, sa);
  Turn<n, 4>(c, s, ca, sa);
  dp += (term.ps + term.pst * t) * sa + term.pc * ca;
  de += (term.ec + term.ect * t) * ca + term.es * sa;
}

// Every term in the table's order.
template <typename T, std::size_t... n>
[[gnu::always_inline]] inline void AddTerms(const T (&c)[5][2 * kMaxMultiple + 1],
                                            const T (&s)[5][2 * kMaxMultiple + 1], T t, T& dp, T& de,
                                            std::index_sequence<n...>) {
  (AddTerm<n>(c, s, t, dp, de), ...);
}

// cos and sin of k times argument a at t, k = -4 ... 4, by angle addition
// from the argument's own cosine and sine.
[[gnu::always_inline]] inline void ArgumentMultiples(int a, double t, double (&c)[2 * kMaxMultiple + 1],
                                                     double (&s)[2 * kMaxMultiple + 1]) {
  const double angle = FmodByWhole(kArguments[a][0] + kArguments[a][1] * t, ERFA_TURNAS) * ERFA_DAS2R;
  AngleMultiples<kMaxMultiple>(std::cos(angle), std::sin(angle), c, s);
}

// Built for the processor at hand when the compiler can: with AVX2 the
// same scalar operations take three-operand forms and fewer copies. No
// fused multiply-add (contraction stays off and the clone does not ask for
// FMA), so the results keep their bits. Only GCC clones (Clang 14 leaves
// some clones undefined at link time).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define SKYCALC_NUTATION_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SKYCALC_NUTATION_CLONES
#endif

constexpr auto kAllTerms = std::make_index_sequence<sizeof kTerms / sizeof kTerms[0]>{};

}  // namespace

SKYCALC_NUTATION_CLONES void Nutation2000B(double t, double& dpsi, double& deps) {
  double c[5][2 * kMaxMultiple + 1], s[5][2 * kMaxMultiple + 1];
  for (int a = 0; a < 5; ++a) ArgumentMultiples(a, t, c[a], s[a]);
  double dp = 0.0, de = 0.0;
  AddTerms(c, s, t, dp, de, kAllTerms);
  dpsi = dp * kUnit + kOffsetLongitude;
  deps = de * kUnit + kOffsetObliquity;
}

SKYCALC_NUTATION_CLONES void Nutation2000BPair(const double t[2], double dpsi[2], double deps[2]) {
  Pair c[5][2 * kMaxMultiple + 1], s[5][2 * kMaxMultiple + 1];
  for (int a = 0; a < 5; ++a) {
    double c0[2 * kMaxMultiple + 1], s0[2 * kMaxMultiple + 1], c1[2 * kMaxMultiple + 1], s1[2 * kMaxMultiple + 1];
    ArgumentMultiples(a, t[0], c0, s0);
    ArgumentMultiples(a, t[1], c1, s1);
    for (int k = 0; k < 2 * kMaxMultiple + 1; ++k) {
      c[a][k] = Pair{c0[k], c1[k]};
      s[a][k] = Pair{s0[k], s1[k]};
    }
  }
  Pair dp = {0.0, 0.0}, de = {0.0, 0.0};
  AddTerms(c, s, Pair{t[0], t[1]}, dp, de, kAllTerms);
  for (int i = 0; i < 2; ++i) {
    dpsi[i] = dp[i] * kUnit + kOffsetLongitude;
    deps[i] = de[i] * kUnit + kOffsetObliquity;
  }
}

}  // namespace skycalc::precise::detail
