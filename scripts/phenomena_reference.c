/* The year's sky events from the Swiss Ephemeris (Debian libswe-dev with the
 * ephemeris files of swe-standard-data, /usr/share/libswe/ephe), as an
 * independent reference for tests/astro/phenomena: the same definitions,
 * found on its own samples (every 6 hours) by bisection. Test-only; run by
 * scripts/make_phenomena_reference.sh.
 *
 * Usage: phenomena_reference YEAR...   (TT years: [YEAR-01-01 0h TT, YEAR+1))
 * One line per event: kind body other jd_tt value
 *   kind: the enum order of astro/phenomena/phenomena.h; body, other: its
 *   Object order (13 none); value: degrees, au, km or magnitude as there.
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <swephexp.h>

enum { CONJ, INF, SUP, OPP, EQUAD, WQUAD, GEE, GWE, STATR, STATD, BRIL, CLOSE, PERI, APO, MOONC, PERIH, APH, PAIR, SHOWER };
enum { NONE = 13, MOON = 7, EARTH = 8 };
static const int kPlanets[7] = {SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE};
static const char* kStars[4] = {"Aldebaran", "Regulus", "Spica", "Antares"};
static const double kShowers[10] = {283.15, 32.32, 45.5, 127.0, 127.0, 140.0, 208.0, 235.27, 262.2, 270.7};
static const int kAppFlags = SEFLG_SWIEPH;
static const double kStep = 0.25;
static const double kKmPerAu = 149597870.7;

typedef double (*Fn)(double t, int a, int b, double target);

static double wrap(double deg) { return remainder(deg, 360.0); }

static void place(int body, double t, int flags, double out[6]) {
  char err[256];
  if (body >= 100) {
    char name[64];
    snprintf(name, sizeof name, "%s", kStars[body - 100]);
    swe_fixstar2(name, t, flags, out, err);
  } else {
    swe_calc(t, body, flags, out, err);
  }
}
static double lon(int body, double t) { double x[6]; place(body, t, kAppFlags, x); return x[0]; }
static double lat(int body, double t) { double x[6]; place(body, t, kAppFlags, x); return x[1]; }

/* Functions of the instant. */
static double diffLon(double t, int a, int b, double target) { return wrap(lon(a, t) - lon(b, t) - target); }
static double elong(double t, int a, int b, double target) {
  double p[6], s[6];
  (void)b; (void)target;
  place(a, t, kAppFlags, p);
  place(SE_SUN, t, kAppFlags, s);
  const double d2r = M_PI / 180;
  double c = sin(p[1] * d2r) * sin(s[1] * d2r) + cos(p[1] * d2r) * cos(s[1] * d2r) * cos((p[0] - s[0]) * d2r);
  return acos(c) / d2r;
}
static double ra(double t, int a, int b, double target) {
  double x[6];
  (void)b;
  place(a, t, kAppFlags | SEFLG_EQUATORIAL, x);
  return target + wrap(x[0] - target);
}
static double dist(double t, int a, int b, double target) {
  double x[6];
  (void)b; (void)target;
  place(a, t, kAppFlags | SEFLG_TRUEPOS, x);  /* the geometric distance: the apparent one is shortened by the light-time */
  return a == SE_MOON ? x[2] * kKmPerAu : x[2];
}
static double earthR(double t, int a, int b, double target) {
  double x[6];
  (void)a; (void)b; (void)target;
  place(SE_EARTH, t, SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL, x);
  return x[2];
}
static double sunJ2000(double t, int a, int b, double target) {
  double x[6];
  (void)a; (void)b;
  place(SE_SUN, t, SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_NONUT | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL, x);
  return wrap(x[0] - target);
}
static double mag(double t, int a, int b, double target) {
  double attr[20];
  char err[256];
  (void)b; (void)target;
  swe_pheno(t, a, kAppFlags, attr, err);
  return attr[4];
}
static double phase(double t, int a) {
  double attr[20];
  char err[256];
  swe_pheno(t, a, kAppFlags, attr, err);
  return attr[0];
}

static double root(Fn f, int a, int b, double target, double t0, double t1, double f0) {
  for (int i = 0; i < 60 && t1 - t0 > 1e-8; ++i) {
    double m = 0.5 * (t0 + t1), fm = f(m, a, b, target);
    if ((fm < 0) == (f0 < 0)) { t0 = m; f0 = fm; } else t1 = m;
  }
  return 0.5 * (t0 + t1);
}
/* The extremum in [t0, t1]: bisection on the sign of the central difference. */
static double turn(Fn f, int a, int b, double target, double t0, double t1, int maximum) {
  const double h = 1e-3;
  for (int i = 0; i < 60 && t1 - t0 > 1e-7; ++i) {
    double m = 0.5 * (t0 + t1);
    double slope = f(m + h, a, b, target) - f(m - h, a, b, target);
    if ((slope > 0) == (maximum != 0)) t0 = m; else t1 = m;
  }
  return 0.5 * (t0 + t1);
}

static double T0, T1;
static void emit(int kind, int body, int other, double t, double value) {
  if (t >= T0 && t < T1) printf("%d %d %d %.6f %.6f\n", kind, body, other, t, value);
}

/* Every crossing of zero of f over the year (wrapped angles: no jump). */
typedef void (*OnRoot)(double t, int a, int b, int tag);
static void crossings(Fn f, int a, int b, double target, OnRoot on, int tag) {
  double prev = f(T0 - 1, a, b, target);
  for (double t = T0 - 1 + kStep; t < T1 + 1; t += kStep) {
    double cur = f(t, a, b, target);
    if ((prev < 0) != (cur < 0) && fabs(cur - prev) < 180) on(root(f, a, b, target, t - kStep, t, prev), a, b, tag);
    prev = cur;
  }
}
typedef void (*OnTurn)(double t, int a, int maximum, double value);
static void turns(Fn f, int a, double target, OnTurn on) {
  double p2 = f(T0 - 2, a, 0, target), p1 = f(T0 - 2 + kStep, a, 0, target);
  for (double t = T0 - 2 + 2 * kStep; t < T1 + 2; t += kStep) {
    double cur = f(t, a, 0, target);
    if (target >= 0) {  /* an angle: unwrap about the middle */
      p2 = p1 + wrap(p2 - p1);
      cur = p1 + wrap(cur - p1);
    }
    if ((p1 > p2 && p1 >= cur) || (p1 < p2 && p1 <= cur)) {
      int maximum = p1 > p2;
      double te = turn(f, a, 0, target >= 0 ? p1 : target, t - 2 * kStep, t, maximum);
      on(te, a, maximum, f(te, a, 0, target >= 0 ? p1 : target));
    }
    p2 = p1;
    p1 = cur;
  }
}

static int indexOf(int se) {
  if (se == SE_MOON) return MOON;
  if (se >= 100) return 9 + se - 100;
  for (int i = 0; i < 7; ++i) if (kPlanets[i] == se) return i;
  return NONE;
}

static void onSun(double t, int a, int b, int tag) {
  (void)b;
  int kind = tag;
  if (a == SE_MERCURY || a == SE_VENUS) {
    double p[6], s[6];
    place(a, t, kAppFlags, p);
    place(SE_SUN, t, kAppFlags, s);
    kind = p[2] < s[2] ? INF : SUP;
  }
  emit(kind, indexOf(a), NONE, t, 0);
}
/* Two planets (a the later in the list): body the earlier; the Moon (a) and
 * a planet or star: body the Moon. value: other's latitude less body's. */
static void onPair(double t, int a, int b, int tag) {
  if (tag == MOONC) emit(tag, MOON, indexOf(b), t, lat(b, t) - lat(a, t));
  else emit(tag, indexOf(b), indexOf(a), t, lat(a, t) - lat(b, t));
}
static void onElong(double t, int a, int maximum, double value) {
  if (!maximum) return;
  emit(wrap(lon(a, t) - lon(SE_SUN, t)) > 0 ? GEE : GWE, indexOf(a), NONE, t, value);
}
static void onRa(double t, int a, int maximum, double value) { (void)value; emit(maximum ? STATR : STATD, indexOf(a), NONE, t, 0); }
static void onDist(double t, int a, int maximum, double value) {
  if (a == SE_MOON) emit(maximum ? APO : PERI, MOON, NONE, t, value);
  else if (!maximum) emit(CLOSE, indexOf(a), NONE, t, value);
}
static void onEarth(double t, int a, int maximum, double value) { (void)a; emit(maximum ? APH : PERIH, EARTH, NONE, t, value); }
static void onMag(double t, int a, int maximum, double value) {
  double ph = phase(t, a);
  if (!maximum && ph > 60 && ph < 165) emit(BRIL, indexOf(a), NONE, t, value);
}
static void onShower(double t, int a, int b, int tag) { (void)a; (void)b; emit(SHOWER, NONE, NONE, t, kShowers[tag]); }

int main(int argc, char** argv) {
  swe_set_ephe_path("/usr/share/libswe/ephe");
  for (int y = 1; y < argc; ++y) {
    const int year = atoi(argv[y]);
    T0 = swe_julday(year, 1, 1, 0.0, SE_GREG_CAL);
    T1 = swe_julday(year + 1, 1, 1, 0.0, SE_GREG_CAL);
    for (int i = 0; i < 7; ++i) {
      const int p = kPlanets[i];
      if (i < 2) {
        crossings(diffLon, p, SE_SUN, 0, onSun, CONJ);
        turns(elong, p, -1, onElong);
      } else {
        const int kinds[4] = {CONJ, EQUAD, OPP, WQUAD};
        for (int k = 0; k < 4; ++k) crossings(diffLon, p, SE_SUN, 90.0 * k, onSun, kinds[k]);
      }
      turns(ra, p, 0, onRa);
      turns(dist, p, -1, onDist);
      if (i < 5)
        for (int j = i + 1; j < 5; ++j) crossings(diffLon, kPlanets[j], p, 0, onPair, PAIR);
      crossings(diffLon, SE_MOON, p, 0, onPair, MOONC);
    }
    turns(mag, SE_VENUS, -1, onMag);
    turns(dist, SE_MOON, -1, onDist);
    for (int s = 0; s < 4; ++s) crossings(diffLon, SE_MOON, 100 + s, 0, onPair, MOONC);
    turns(earthR, 0, -1, onEarth);
    for (int s = 0; s < 10; ++s) crossings(sunJ2000, 0, 0, kShowers[s], onShower, s);
  }
  return 0;
}
