#include "astro/phenomena/phenomena.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "astro/almanac/accurate.h"
#include "astro/almanac/series.h"
#include "astro/almanac/vsop87b_earth.h"
#include "astro/details/magnitude.h"
#include "astro/phenomena/vsop87b_planets.h"
#include "astro/precise/precise.h"
#include "astro/precise/vsop87.h"
#include "astro/time/julian_day.h"
#include "astro/time/time_scales.h"

namespace skycalc::phenomena {

namespace {

using precise::detail::VsopBody;
using precise::detail::VsopSeries;
using precise::detail::VsopTerm;
using precise::detail::VsopTheory;

constexpr double kTwoPi = 2.0 * ERFA_DPI;
constexpr double kDaysPerMillennium = 10.0 * ERFA_DJC;
constexpr double kAuPerDayOfLight = ERFA_DC;
constexpr double kKmPerAu = ERFA_DAU / 1000.0;

double Wrap(double angle) { return std::remainder(angle, kTwoPi); }

// ---------------------------------------------------------------------------
// The theories: whole, and cut to the terms of 1e-5 (2" or 1.5e-5 AU) and
// more for sampling and the first steps of a search.

constexpr double kCoarseCut = 1e-5;

// A body's series, summed by the almanac's kernel four frequencies at a
// time (the precise model keeps its own evaluator).
using Series = accurate::detail::VsopEvaluator;

Series CutTheory(const VsopBody& full, double cut) {
  std::vector<VsopTerm> kept[3][precise::detail::kVsopPowers];  // copied by the theory
  const VsopSeries* coordinates[3] = {full.longitude, full.latitude, full.radius};
  VsopBody body;
  VsopSeries* cutCoordinates[3] = {body.longitude, body.latitude, body.radius};
  for (int c = 0; c < 3; ++c) {
    for (std::size_t k = 0; k < precise::detail::kVsopPowers; ++k) {
      const VsopSeries& series = coordinates[c][k];
      for (std::size_t i = 0; i < series.count; ++i) {
        if (std::fabs(series.terms[i].amplitude) >= cut) kept[c][k].push_back(series.terms[i]);
      }
      cutCoordinates[c][k] = {kept[c][k].data(), kept[c][k].size()};
    }
  }
  return Series(body);
}

struct Theories {
  Series earth[2];                 // [coarse, whole]
  std::vector<Series> planets[2];  // Mercury..Neptune
  Theories()
      : earth{CutTheory(accurate::detail::FullEarth(), kCoarseCut), Series(accurate::detail::FullEarth())} {
    for (int p = 0; p < kPlanetCount; ++p) {
      planets[0].push_back(CutTheory(detail::FullPlanet(p), kCoarseCut));
      planets[1].push_back(Series(detail::FullPlanet(p)));
    }
  }
};

const Theories& Theory() {
  static const Theories theories;
  return theories;
}

// Heliocentric position (AU) and velocity (AU/day) on the ecliptic of J2000.0.
void Heliocentric(const Series& theory, double jdTt, double p[3], double v[3]) {
  double value[3], rate[3];
  theory.Evaluate((jdTt - ERFA_DJ00) / kDaysPerMillennium, value, rate);
  const double l = value[0], b = value[1], r = value[2];
  const double lr = rate[0] / kDaysPerMillennium, br = rate[1] / kDaysPerMillennium, rr = rate[2] / kDaysPerMillennium;
  const double cl = std::cos(l), sl = std::sin(l), cb = std::cos(b), sb = std::sin(b);
  p[0] = r * cb * cl;
  p[1] = r * cb * sl;
  p[2] = r * sb;
  v[0] = rr * cb * cl - r * sb * br * cl - r * cb * sl * lr;
  v[1] = rr * cb * sl - r * sb * br * sl + r * cb * cl * lr;
  v[2] = rr * sb + r * cb * br;
}

// A geocentric vector as seen: aberration by the Earth's heliocentric
// velocity (as the almanac's Sun), length kept.
void Aberrate(const double geocentric[3], const double earthVelocity[3], double sunDistance, double out[3]) {
  double r, unit[3], beta[3], apparent[3];
  eraPn(const_cast<double*>(geocentric), &r, unit);
  eraSxp(1.0 / kAuPerDayOfLight, const_cast<double*>(earthVelocity), beta);
  eraAb(unit, beta, sunDistance, std::sqrt(1.0 - eraPdp(beta, beta)), apparent);
  eraSxp(r, apparent, out);
}

// ---------------------------------------------------------------------------
// The four stars.

// Reference: F. van Leeuwen, "Validation of the new Hipparcos reduction",
// A&A 474, 653 (2007) (ICRS at J2000.0, proper motions in mas/yr with
// cos(dec), parallaxes in mas), radial velocities as SIMBAD gives them
// (km/s); Aldebaran HIP 21421, Regulus HIP 49669, Spica HIP 65474, Antares HIP 80763.
struct CatalogueStar {
  double raDeg, decDeg, pmRaCosDec, pmDec, parallax, radialVelocity;
};
constexpr CatalogueStar kStars[4] = {
    {68.98016279, 16.50930235, 63.45, -188.94, 48.94, 54.26},
    {152.09296244, 11.96720878, -248.73, 5.59, 41.13, 5.9},
    {201.29824736, -11.16131949, -42.35, -30.67, 13.06, 1.0},
    {247.35191542, -26.43200261, -12.11, -23.30, 5.89, -3.4},
};
constexpr int kStarCount = 4;
constexpr Object kStarObjects[kStarCount] = {Object::kAldebaran, Object::kRegulus, Object::kSpica, Object::kAntares};

// Reference: IAU 2006 (Hilton et al. 2006), the mean obliquity of J2000.0.
constexpr double kObliquityJ2000 = 84381.406 * ERFA_DAS2R;

// The star's direction at jdTt (space motion from J2000.0, eraPmsafe) on the
// ecliptic of J2000.0 by the IAU 2006 obliquity, taken as VSOP87's ecliptic
// (which lies within 0.1" of it, accurate.cpp): 0.2 s at a conjunction.
void StarDirection(int star, double jdTt, double out[3]) {
  const CatalogueStar& c = kStars[star];
  const double mas = ERFA_DAS2R / 1000.0;
  const double dec = c.decDeg * ERFA_DD2R;
  double ra2, dec2, pmr2, pmd2, px2, rv2;
  eraPmsafe(c.raDeg * ERFA_DD2R, dec, c.pmRaCosDec * mas / std::cos(dec), c.pmDec * mas, c.parallax / 1000.0,
            c.radialVelocity, ERFA_DJ00, 0.0, jdTt, 0.0, &ra2, &dec2, &pmr2, &pmd2, &px2, &rv2);
  double v[3];
  eraS2c(ra2, dec2, v);
  const double ce = std::cos(kObliquityJ2000), se = std::sin(kObliquityJ2000);
  out[0] = v[0];
  out[1] = ce * v[1] + se * v[2];
  out[2] = -se * v[1] + ce * v[2];
}

// ---------------------------------------------------------------------------
// One instant's apparent places.

struct Geo {
  double lon = 0, lat = 0, ra = 0, dec = 0, dist = 0, helio = 0;
  double geometric = 0;  // the planet's geometric distance at the instant (AU), as 地球最近 takes it
};

struct Snapshot {
  Geo sun;
  Geo planet[kPlanetCount];
  Geo star[kStarCount];
  double earthLon = 0;  // the Earth's heliocentric longitude (J2000.0), radians
};

constexpr unsigned kAllPlanets = (1u << kPlanetCount) - 1;
constexpr unsigned StarBit(int star) { return 1u << (kPlanetCount + star); }
constexpr unsigned kAllStars = ((1u << kStarCount) - 1) << kPlanetCount;

// The Sun and the planets and stars in mask (bit p for planet p, StarBit) at jdTt.
void Evaluate(double jdTt, unsigned mask, bool whole, Snapshot& s) {
  const Theories& th = Theory();
  double e[3], ev[3];
  Heliocentric(th.earth[whole], jdTt, e, ev);
  constexpr int kMost = 1 + kPlanetCount + kStarCount;
  double vectors[kMost][3];
  Geo* targets[kMost];
  double helio[kMost] = {}, geometric[kMost] = {};
  int count = 0;
  const double sunDistance = eraPm(e);
  double sun[3];
  eraSxp(-1.0, e, sun);
  Aberrate(sun, ev, sunDistance, vectors[count]);
  targets[count++] = &s.sun;
  for (int p = 0; p < kPlanetCount; ++p) {
    if (!(mask & (1u << p))) continue;
    double pp[3], pv[3], g[3], q[3];
    Heliocentric(th.planets[whole][p], jdTt, pp, pv);
    // Light-time: the planet where its light left it, from its velocity
    // (the acceleration's share is below 0.01" for Mercury); the time from
    // the distance of the place the previous one gave.
    double tau = 0;
    eraPmp(pp, e, g);
    geometric[count] = eraPm(g);
    for (int i = 0; i < 3; ++i) {
      for (int k = 0; k < 3; ++k) q[k] = pp[k] - tau * pv[k];
      eraPmp(q, e, g);
      tau = eraPm(g) / kAuPerDayOfLight;
    }
    helio[count] = eraPm(q);
    Aberrate(g, ev, sunDistance, vectors[count]);
    targets[count++] = &s.planet[p];
  }
  for (int star = 0; star < kStarCount; ++star) {
    if (!(mask & StarBit(star))) continue;
    double direction[3];
    StarDirection(star, jdTt, direction);
    Aberrate(direction, ev, sunDistance, vectors[count]);
    targets[count++] = &s.star[star];
  }
  accurate::ApparentPlace places[kMost];
  accurate::PlacesOfDate(vectors, count, jdTt, places);
  for (int i = 0; i < count; ++i) {
    *targets[i] = Geo{places[i].longitude, places[i].latitude, places[i].rightAscension, places[i].declination,
                      places[i].distance, helio[i], geometric[i]};
  }
  s.earthLon = std::atan2(e[1], e[0]);
}

Snapshot At(double jdTt, unsigned mask, bool whole) {
  Snapshot s;
  Evaluate(jdTt, mask, whole, s);
  return s;
}

// The Moon's apparent place (distance in AU).
accurate::ApparentPlace Moon(double jdTt, bool whole) {
  return whole ? accurate::MoonApparent(jdTt) : accurate::MoonApparentCoarse(jdTt);
}

// ---------------------------------------------------------------------------
// Searches. The daily samples on the coarse theories give each event's
// neighbourhood: the quartic through five samples about it places the event
// to a few seconds (the Moon) or better; the whole theories then refine it.

// The quartic through f(-2)..f(2) (samples a day apart), as its derivatives at 0.
struct Quartic {
  double d[5];
  double At(double x) const { return d[0] + x * (d[1] + x * (d[2] / 2 + x * (d[3] / 6 + x * d[4] / 24))); }
  double Slope(double x) const { return d[1] + x * (d[2] + x * (d[3] / 2 + x * d[4] / 6)); }
  double Curve(double x) const { return d[2] + x * (d[3] + x * d[4] / 2); }
};

Quartic Fit(const double f[5]) {
  return Quartic{{f[2], (f[0] - 8 * f[1] + 8 * f[3] - f[4]) / 12, (-f[0] + 16 * f[1] - 30 * f[2] + 16 * f[3] - f[4]) / 12,
                  (-f[0] + 2 * f[1] - 2 * f[3] + f[4]) / 2, f[0] - 4 * f[1] + 6 * f[2] - 4 * f[3] + f[4]}};
}

using Whole = std::function<double(double jdTt)>;

// The zero of f (a wrapped angle, whole theories) near the zero of the
// quartic q between x = 0 and 1 (day from t0): Newton steps from the
// quartic's zero with its slope, until a step is below 2 s.
double Root(const Whole& f, const Quartic& q, double t0, double a, double b) {
  const double linear = a / (a - b);
  double x = linear;
  for (int i = 0; i < 8; ++i) x -= q.At(x) / q.Slope(x);
  if (!(x > -0.5 && x < 1.5)) x = linear;  // a quartic gone astray (never seen): the chord's zero
  double t = t0 + x;
  for (int i = 0; i < 4; ++i) {
    const double step = f(t) / q.Slope(t - t0);
    t -= step;
    if (std::fabs(step) < 2e-3) break;  // the next step, below 2e-5 day
  }
  return t;
}

// The extremum of f (whole theories) near that of the quartic q about t0:
// the slope from f at 0.02 day either side, the curvature from q; value is
// the extreme value.
double Extremum(const Whole& f, const Quartic& q, double t0, double& value) {
  double x = 0;
  for (int i = 0; i < 8; ++i) x -= q.Slope(x) / q.Curve(x);
  if (!(x > -1.5 && x < 1.5)) x = 0;  // a quartic gone astray (never seen): the sample's instant
  const double curve = q.Curve(x), h = 0.02;
  double t = t0 + x;
  const double fm = f(t - h), fp = f(t + h);
  const double offset = -(fp - fm) / (2 * h) / curve;
  value = 0.5 * (fm + fp) - 0.5 * curve * h * h - 0.5 * curve * offset * offset;
  return t + offset;
}

// Magnitude of Venus; phase angle.
double PhaseAngleDeg(const Geo& planet, const Geo& sun) {
  const double r = planet.helio, d = planet.dist, big = sun.dist;
  return std::acos(std::clamp((r * r + d * d - big * big) / (2.0 * r * d), -1.0, 1.0)) / ERFA_DD2R;
}

double VenusMagnitudeOf(const Geo& venus, const Geo& sun) {
  return details::VenusMagnitude(venus.helio, venus.dist, PhaseAngleDeg(venus, sun));
}

// True angular distance of the planet from the Sun.
double Elongation(const Geo& planet, const Geo& sun) {
  double a[3], b[3];
  eraS2c(planet.lon, planet.lat, a);
  eraS2c(sun.lon, sun.lat, b);
  return eraSepp(a, b);
}

double UtcOf(double jdTt) { return timescale::InstantOfTt(jdTt).jdUtc; }

struct Sample {
  double tt;
  Snapshot s;
  accurate::ApparentPlace moon;
};

// The samples, and the events of the year found from them.
class Finder {
 public:
  Finder(const std::vector<Sample>& samples, double tt0, double tt1, std::vector<Event>& out)
      : samples_(samples), tt0_(tt0), tt1_(tt1), out_(out) {}

  // Every zero of the wrapped angle v(sample) between two samples, refined on f.
  template <typename Sampled, typename Found>
  void Crossings(const Sampled& v, const Whole& f, const Found& found) const {
    for (std::size_t i = 2; i + 2 < samples_.size(); ++i) {
      const double a = v(samples_[i]), b = v(samples_[i + 1]);
      if ((a < 0) == (b < 0) || std::fabs(b - a) >= ERFA_DPI) continue;
      double values[5];
      for (int k = 0; k < 5; ++k) values[k] = a + Wrap(v(samples_[i + k - 2]) - a);
      const Quartic q = Fit(values);  // about sample i: the zero lies between x = 0 and 1
      const double t = Root(f, q, samples_[i].tt, a, b);
      found(t);
    }
  }

  // Every local extremum (sign +1 maximum, -1 minimum) of v(sample), refined on f.
  template <typename Sampled, typename Found>
  void Turns(const Sampled& v, const Whole& f, const Found& found, bool angle = false) const {
    for (std::size_t i = 2; i + 2 < samples_.size(); ++i) {
      const double c = v(samples_[i]);
      double values[5];
      for (int k = 0; k < 5; ++k) values[k] = angle ? c + Wrap(v(samples_[i + k - 2]) - c) : v(samples_[i + k - 2]);
      int turn = 0;
      if (c > values[1] && c >= values[3]) turn = 1;
      if (c < values[1] && c <= values[3]) turn = -1;
      if (!turn) continue;
      const Quartic q = Fit(values);
      double value = 0;
      const double t = Extremum(angle ? Whole([&](double tt) { return c + Wrap(f(tt) - c); }) : f, q, samples_[i].tt, value);
      found(t, turn, value, samples_[i]);
    }
  }

  void Add(Kind kind, Object body, double tt, double value, Unit unit, Object other = Object::kNone,
           bool north = false, int shower = -1) {
    if (tt < tt0_ || tt >= tt1_) return;
    Event e;
    e.kind = kind;
    e.body = body;
    e.other = other;
    e.shower = shower;
    e.jdTt = tt;
    e.jdUtc = UtcOf(tt);
    e.value = value;
    e.unit = unit;
    e.north = north;
    out_.push_back(e);
  }

 private:
  const std::vector<Sample>& samples_;
  double tt0_, tt1_;
  std::vector<Event>& out_;
};

constexpr double kKindTargets[4] = {0.0, 0.5 * ERFA_DPI, ERFA_DPI, 1.5 * ERFA_DPI};
constexpr Kind kOuterKinds[4] = {Kind::kConjunction, Kind::kEasternQuadrature, Kind::kOpposition,
                                 Kind::kWesternQuadrature};
// The planets whose conjunctions with each other are listed (Mercury to Saturn).
constexpr int kBrightPlanets = 5;

void PlanetEvents(Finder& find) {
  for (int p = 0; p < kPlanetCount; ++p) {
    const Object body = static_cast<Object>(p);
    const unsigned mask = 1u << p;
    const bool inner = p < 2;
    // 合, 衝, 矩: the longitude less the Sun's.
    for (int k = 0; k < (inner ? 1 : 4); ++k) {
      const double target = kKindTargets[k];
      Snapshot last;
      find.Crossings([&](const Sample& s) { return Wrap(s.s.planet[p].lon - s.s.sun.lon - target); },
                     [&](double t) {
                       last = At(t, mask, true);
                       return Wrap(last.planet[p].lon - last.sun.lon - target);
                     },
                     [&](double t) {
                       Kind kind = kOuterKinds[k];
                       if (inner) {
                         kind = last.planet[p].dist < last.sun.dist ? Kind::kInferiorConjunction
                                                                    : Kind::kSuperiorConjunction;
                       }
                       find.Add(kind, body, t, 0.0, Unit::kNone);
                     });
    }
    // 最大離角.
    if (inner) {
      find.Turns([&](const Sample& s) { return Elongation(s.s.planet[p], s.s.sun); },
                 [&](double t) {
                   const Snapshot s = At(t, mask, true);
                   return Elongation(s.planet[p], s.sun);
                 },
                 [&](double t, int turn, double value, const Sample& s) {
                   if (turn < 0) return;
                   const bool east = Wrap(s.s.planet[p].lon - s.s.sun.lon) > 0;
                   find.Add(east ? Kind::kGreatestEasternElongation : Kind::kGreatestWesternElongation, body, t,
                            value / ERFA_DD2R, Unit::kDegree);
                 });
    }
    // 留: turns of the right ascension.
    find.Turns([&](const Sample& s) { return s.s.planet[p].ra; }, [&](double t) { return At(t, mask, true).planet[p].ra; },
               [&](double t, int turn, double, const Sample&) {
                 find.Add(turn > 0 ? Kind::kStationaryToRetrograde : Kind::kStationaryToDirect, body, t, 0.0,
                          Unit::kNone);
               },
               true);
    // 地球最近.
    find.Turns([&](const Sample& s) { return s.s.planet[p].geometric; },
               [&](double t) { return At(t, mask, true).planet[p].geometric; },
               [&](double t, int turn, double value, const Sample&) {
                 if (turn < 0) find.Add(Kind::kClosestToEarth, body, t, value, Unit::kAu);
               });
  }
  // 最大光度: Venus's brightest, about 36 days either side of 内合 (phase
  // angle near 118 degrees); the law's other turns (near full phase) are not it.
  constexpr int kVenus = 1;
  find.Turns([&](const Sample& s) { return VenusMagnitudeOf(s.s.planet[kVenus], s.s.sun); },
             [&](double t) {
               const Snapshot s = At(t, 1u << kVenus, true);
               return VenusMagnitudeOf(s.planet[kVenus], s.sun);
             },
             [&](double t, int turn, double value, const Sample& s) {
               const double phase = PhaseAngleDeg(s.s.planet[kVenus], s.s.sun);
               if (turn < 0 && phase > 60.0 && phase < 165.0)
                 find.Add(Kind::kGreatestBrilliancy, Object::kVenus, t, value, Unit::kMagnitude);
             });
  // Two planets: their longitudes equal.
  for (int p = 0; p < kBrightPlanets; ++p) {
    for (int q = p + 1; q < kBrightPlanets; ++q) {
      const unsigned mask = (1u << p) | (1u << q);
      Snapshot last;
      find.Crossings([&](const Sample& s) { return Wrap(s.s.planet[q].lon - s.s.planet[p].lon); },
                     [&](double t) {
                       last = At(t, mask, true);
                       return Wrap(last.planet[q].lon - last.planet[p].lon);
                     },
                     [&](double t) {
                       const double apart = last.planet[q].lat - last.planet[p].lat;
                       find.Add(Kind::kPlanetConjunction, static_cast<Object>(p), t, std::fabs(apart) / ERFA_DD2R,
                                Unit::kDegree, static_cast<Object>(q), apart > 0);
                     });
    }
  }
}

void MoonEvents(Finder& find) {
  // 近地点, 遠地点.
  find.Turns([](const Sample& s) { return s.moon.distance * kKmPerAu; },
             [](double t) { return accurate::MoonApparentMixed(t, false, false, true).distance * kKmPerAu; },
             [&](double t, int turn, double value, const Sample&) {
               find.Add(turn > 0 ? Kind::kApogee : Kind::kPerigee, Object::kMoon, t, value, Unit::kKm);
             });
  // Conjunctions with the planets and the stars.
  for (int other = 0; other < kPlanetCount + kStarCount; ++other) {
    const bool planet = other < kPlanetCount;
    const unsigned mask = planet ? 1u << other : StarBit(other - kPlanetCount);
    const auto place = [&](const Snapshot& s) -> const Geo& {
      return planet ? s.planet[other] : s.star[other - kPlanetCount];
    };
    double latitudeApart = 0;
    find.Crossings([&](const Sample& s) { return Wrap(s.moon.longitude - place(s.s).lon); },
                   [&](double t) {
                     // The longitude from every lunar term; the latitude and the
                     // distance (for the light-time) from the terms of 1" and
                     // more: the latitudes apart within 0.003 degree of DE431's
                     // over 1900-2100 (27" at most over 1000-3000), shown to 0.1.
                     const accurate::ApparentPlace moon = accurate::MoonApparentMixed(t, true, false, false);
                     // A star's place needs the Earth's velocity alone (aberration):
                     // the coarse Earth gives it to 1e-5 of itself.
                     const Snapshot s = At(t, mask, planet);
                     latitudeApart = place(s).lat - moon.latitude;
                     return Wrap(moon.longitude - place(s).lon);
                   },
                   [&](double t) {
                     find.Add(Kind::kMoonConjunction, Object::kMoon, t, std::fabs(latitudeApart) / ERFA_DD2R,
                              Unit::kDegree, planet ? static_cast<Object>(other) : kStarObjects[other - kPlanetCount],
                              latitudeApart > 0);
                   });
  }
}

void EarthEvents(Finder& find) {
  const Whole radius = [](double t) {
    double p[3], v[3];
    Heliocentric(Theory().earth[1], t, p, v);
    return eraPm(p);
  };
  find.Turns([](const Sample& s) { return s.s.sun.dist; }, radius, [&](double t, int turn, double value, const Sample&) {
    find.Add(turn > 0 ? Kind::kAphelion : Kind::kPerihelion, Object::kEarth, t, value, Unit::kAu);
  });
  // Meteor showers: the Sun's geometric longitude on the ecliptic of J2000.0.
  std::size_t count = 0;
  const Shower* showers = Showers(&count);
  for (std::size_t k = 0; k < count; ++k) {
    const double target = showers[k].solarLongitudeDeg * ERFA_DD2R;
    find.Crossings([&](const Sample& s) { return Wrap(s.s.earthLon + ERFA_DPI - target); },
                   [&](double t) {
                     double p[3], v[3];
                     Heliocentric(Theory().earth[1], t, p, v);
                     return Wrap(std::atan2(p[1], p[0]) + ERFA_DPI - target);
                   },
                   [&](double t) {
                     find.Add(Kind::kMeteorShower, Object::kNone, t, showers[k].solarLongitudeDeg, Unit::kDegree,
                              Object::kNone, false, static_cast<int>(k));
                   });
  }
}

}  // namespace

Group GroupOf(Kind kind) {
  switch (kind) {
    case Kind::kPerigee:
    case Kind::kApogee:
    case Kind::kMoonConjunction: return Group::kMoon;
    case Kind::kMeteorShower: return Group::kMeteor;
    default: return Group::kPlanet;
  }
}

const Shower* Showers(std::size_t* count) {
  static constexpr Shower kShowers[] = {
#include "astro/phenomena/meteor_showers.inc"
  };
  if (count) *count = sizeof kShowers / sizeof kShowers[0];
  return kShowers;
}

PlanetPlace PlanetApparent(Object planet, double jdTt) {
  const int p = static_cast<int>(planet);
  const Geo g = At(jdTt, 1u << p, true).planet[p];
  return PlanetPlace{g.lon, g.lat, g.ra, g.dec, g.dist, g.helio};
}

YearPhenomena PhenomenaOfYear(int year, int zoneMinutes) {
  YearPhenomena result;
  if (year < kFirstYear || year > kLastYear) {
    result.status = Status::kOutsideYears;
    return result;
  }
  const double zoneDays = zoneMinutes / 1440.0;
  const double tt0 = timescale::MakeInstant(CalendarToJD(year, 1, 1) - zoneDays).jdTt;
  const double tt1 = timescale::MakeInstant(CalendarToJD(year + 1, 1, 1) - zoneDays).jdTt;
  // Daily samples from four days before the year to four after it, on the
  // coarse theories: each event lies between two samples (crossings) or
  // about one (turns), with two more on either side for the quartic.
  std::vector<Sample> samples;
  for (double t = std::floor(tt0) - 4.0; t <= tt1 + 4.0; t += 1.0) {
    Sample s;
    s.tt = t;
    Evaluate(t, kAllPlanets | kAllStars, false, s.s);
    s.moon = Moon(t, false);
    samples.push_back(s);
  }
  Finder find(samples, tt0, tt1, result.events);
  PlanetEvents(find);
  MoonEvents(find);
  EarthEvents(find);
  std::stable_sort(result.events.begin(), result.events.end(),
                   [](const Event& a, const Event& b) { return a.jdTt < b.jdTt; });
  return result;
}

}  // namespace skycalc::phenomena
