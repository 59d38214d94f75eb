#include "astro/events/day_events.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace skycalc::events {

static_assert(kIntlConvention.refraction == kHorizonRefraction, "intl is the first definition");

namespace {

// Samples every hour on a grid fixed in absolute time (multiples of 1/24 day):
// the altitude of any body has one maximum and one minimum in about a day,
// so between consecutive extrema it is monotonic over many samples, and
// two searches of adjacent days see the same samples, brackets and roots
// around their common boundary (an event is never given to both days or to
// neither).
constexpr double kSamplesPerDay = 24.0;
// Extra samples beyond each end of the day, so that an extremum in the
// first or last hour is seen by its three surrounding samples.
constexpr double kMarginSamples = 2.0;
// Longest day accepted (the zone may change between two days).
constexpr double kMaxDayLength = 2.0;
// Convergence in days: roots to about 0.01 s, extrema to about 0.1 s.
constexpr double kRootTolerance = 1e-7;
constexpr double kExtremumTolerance = 1e-6;
constexpr int kMaxIterations = 200;

struct Point {
  double jd;
  SkyState state;
};

bool IsUp(double g) { return g >= 0.0; }

// Brent's root finder on f(origin + x), x in [a, b] with f(a), f(b) of
// opposite classes; offsets from origin keep the tolerance meaningful at
// Julian Days of millions.
template <typename F>
double Root(const F& f, double origin, double a, double fa, double b, double fb) {
  constexpr double eps = std::numeric_limits<double>::epsilon();
  double c = a, fc = fa, d = b - a, e = d;
  for (int i = 0; i < kMaxIterations; ++i) {
    if ((fb > 0.0 && fc > 0.0) || (fb < 0.0 && fc < 0.0)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol = 2.0 * eps * std::fabs(b) + 0.5 * kRootTolerance;
    const double half = 0.5 * (c - b);
    if (std::fabs(half) <= tol || fb == 0.0) break;
    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      // Secant or inverse quadratic step, taken only while it stays well inside.
      const double s = fb / fa;
      double p, q;
      if (a == c) {
        p = 2.0 * half * s;
        q = 1.0 - s;
      } else {
        const double qa = fa / fc, r = fb / fc;
        p = s * (2.0 * half * qa * (qa - r) - (b - a) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0) q = -q;
      p = std::fabs(p);
      if (2.0 * p < std::min(3.0 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = half;
        e = d;
      }
    } else {
      d = half;
      e = d;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : std::copysign(tol, half);
    fb = f(origin + b);
  }
  return origin + b;
}

// Brent's minimiser of f(origin + x) on [a, b], starting from x with value fx.
template <typename F>
double Minimum(const F& f, double origin, double a, double b, double x, double fx) {
  const double golden = 0.5 * (3.0 - std::sqrt(5.0));
  const double sqrtEps = std::sqrt(std::numeric_limits<double>::epsilon());
  double v = x, w = x, fv = fx, fw = fx, d = 0.0, e = 0.0;
  for (int i = 0; i < kMaxIterations; ++i) {
    const double mid = 0.5 * (a + b);
    const double tol1 = sqrtEps * std::fabs(x) + kExtremumTolerance / 3.0;
    const double tol2 = 2.0 * tol1;
    if (std::fabs(x - mid) <= tol2 - 0.5 * (b - a)) break;
    bool goldenStep = true;
    if (std::fabs(e) > tol1) {
      double r = (x - w) * (fx - fv);
      double q = (x - v) * (fx - fw);
      double p = (x - v) * q - (x - w) * r;
      q = 2.0 * (q - r);
      if (q > 0.0) p = -p;
      q = std::fabs(q);
      r = e;
      e = d;
      if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
        d = p / q;
        const double u = x + d;
        if (u - a < tol2 || b - u < tol2) d = std::copysign(tol1, mid - x);
        goldenStep = false;
      }
    }
    if (goldenStep) {
      e = x >= mid ? a - x : b - x;
      d = golden * e;
    }
    const double u = x + (std::fabs(d) >= tol1 ? d : std::copysign(tol1, d));
    const double fu = f(origin + u);
    if (fu <= fx) {
      if (u >= x) a = x; else b = x;
      v = w; fv = fw;
      w = x; fw = fx;
      x = u; fx = fu;
    } else {
      if (u < x) a = u; else b = u;
      if (fu <= fw || w == x) {
        v = w; fv = fw;
        w = u; fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u; fv = fu;
      }
    }
  }
  return origin + x;
}

// A level the altitude is searched against: the crossings of
// altitude + offset (+ semidiameter) through 0, upwards and downwards.
struct Level {
  double offset;
  bool upperLimb;
  std::vector<Event>* up;
  std::vector<Event>* down;
  double operator()(const SkyState& s) const { return s.altitude + offset + (upperLimb ? s.semidiameter : 0.0); }
  // The fields of SkyState that operator() reads.
  unsigned Fields() const { return kAltitudeField | (upperLimb ? kSemidiameterField : 0u); }
};

// An extremum whose best sample is this far on its own side of every level
// cannot reach one: between hourly samples the altitude of a body near the
// horizon rises above its best sample by at most (1/2)(pi/24)^2 rad, half a
// degree, for the fastest turning (the stars'); 1 degree leaves room.
constexpr double kExtremumReach = 1.0 * kExactPi / 180.0;

bool ExtremumMatters(const SkyState& best, bool maximum, const std::vector<Level>& levels) {
  for (const Level& level : levels) {
    const double g = level(best);
    if (maximum ? (g < 0.0 && g > -kExtremumReach) : (g >= 0.0 && g < kExtremumReach)) return true;
  }
  return false;
}

// The samples with each local extremum of the altitude that could reach a
// level added in time order: between two consecutive points the altitude is
// then monotonic, so a body that only touches a level between two samples
// shows as a change of sign there, and each crossing lies in exactly one
// bracket.
// Samples the day before left in memo (if any) are taken from there, and the
// day's are left in it.
std::vector<Point> SampleDay(const SkyFunction& sky, double firstSample, double lastSample,
                             const std::vector<Level>& levels, DaySamples* memo) {
  std::vector<Point> points;
  points.reserve(static_cast<std::size_t>(lastSample - firstSample) + 5);
  std::vector<Point>& samples = points;  // until the extrema join them
  for (double k = firstSample; k <= lastSample; k += 1.0) {
    const double jd = k / kSamplesPerDay;
    const double known = memo != nullptr ? k - memo->first : -1.0;
    if (known >= 0.0 && known < static_cast<double>(memo->states.size())) {
      samples.push_back({jd, memo->states[static_cast<std::size_t>(known)]});
    } else {
      samples.push_back({jd, sky.SearchAt(jd)});
    }
  }
  if (memo != nullptr) {
    memo->first = firstSample;
    memo->states.clear();
    for (const Point& p : samples) memo->states.push_back(p.state);
  }
  // The extrema are found on the samples alone, then each goes after the
  // points at or before its instant (the order a stable sort by instant
  // would give).
  std::vector<Point> extrema;
  for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
    const double before = samples[i - 1].state.altitude;
    const double here = samples[i].state.altitude;
    const double after = samples[i + 1].state.altitude;
    const bool maximum = before < here && here >= after;
    const bool minimum = before > here && here <= after;
    if (!(maximum || minimum) || !ExtremumMatters(samples[i].state, maximum, levels)) continue;
    const double sign = maximum ? -1.0 : 1.0;
    const double origin = samples[i - 1].jd;
    auto f = [&](double jd) { return sign * sky.SearchFieldsAt(jd, kAltitudeField).altitude; };
    const double jd = Minimum(f, origin, 0.0, samples[i + 1].jd - origin, samples[i].jd - origin, sign * here);
    extrema.push_back({jd, sky.SearchAt(jd)});
  }
  for (const Point& extremum : extrema) {
    points.insert(std::upper_bound(points.begin(), points.end(), extremum,
                                   [](const Point& p, const Point& q) { return p.jd < q.jd; }),
                  extremum);
  }
  return points;
}

Event MakeEvent(const SkyFunction& sky, double jd, double azimuthOrigin) {
  const SkyState s = sky.EventAt(jd);
  return {jd, s.azimuth, FoldAzimuth(s.azimuth, azimuthOrigin), s.altitude};
}

// Every crossing of a level between consecutive points that falls in
// [start, end), into the level's lists.
void FindCrossings(const SkyFunction& sky, const std::vector<Point>& points, const Level& level, double start,
                   double end, double azimuthOrigin) {
  const unsigned fields = level.Fields();
  auto f = [&](double jd) { return level(sky.SearchFieldsAt(jd, fields)); };
  double gb = level(points[0].state);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double ga = gb;
    gb = level(points[i + 1].state);
    if (IsUp(ga) == IsUp(gb)) continue;
    const double origin = points[i].jd;
    const double jd = Root(f, origin, 0.0, ga, points[i + 1].jd - origin, gb);
    if (jd < start || jd >= end) continue;
    (IsUp(gb) ? level.up : level.down)->push_back(MakeEvent(sky, jd, azimuthOrigin));
  }
}

// Upper culminations: the hour angle, wrapped into (-pi, pi], passing 0
// upwards (a jump from pi to -pi is the lower culmination, not one of these).
void FindTransits(const SkyFunction& sky, const std::vector<Point>& points, double start, double end,
                  double azimuthOrigin, std::vector<Event>& transits) {
  auto f = [&](double jd) { return sky.SearchFieldsAt(jd, kHourAngleField).hourAngle; };
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double ha = points[i].state.hourAngle;
    const double hb = points[i + 1].state.hourAngle;
    if (!(ha < 0.0 && hb >= 0.0 && hb - ha < kExactPi)) continue;
    const double origin = points[i].jd;
    const double jd = Root(f, origin, 0.0, ha, points[i + 1].jd - origin, hb);
    if (jd < start || jd >= end) continue;
    transits.push_back(MakeEvent(sky, jd, azimuthOrigin));
  }
}

// The search of FindDayEvents, with the previous day's samples in memo when
// it is not null.
DayEvents Search(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin,
                 const RiseSetConvention& convention, DaySamples* memo) {
  DayEvents out;
  if (!std::isfinite(dayStartJd) || !std::isfinite(dayEndJd) || !(dayEndJd > dayStartJd) ||
      dayEndJd - dayStartJd > kMaxDayLength) {
    out.status = Status::kInvalidDay;
    return out;
  }
  const double firstSample = std::floor(dayStartJd * kSamplesPerDay) - kMarginSamples;
  const double lastSample = std::ceil(dayEndJd * kSamplesPerDay) + kMarginSamples;
  out.status = sky.Cover(firstSample / kSamplesPerDay, lastSample / kSamplesPerDay);
  if (out.status != Status::kOk) return out;

  // A body with a disc other than the Sun is the Moon (planets and stars are points).
  const bool upperLimb = (sky.IsSun() ? convention.sunLimb : convention.moonLimb) == Limb::kUpper;
  std::vector<Level> levels;
  levels.reserve(1 + kTwilightCount);
  levels.push_back({convention.refraction, upperLimb, &out.rises, &out.sets});
  if (sky.IsSun()) {
    for (int i = 0; i < kTwilightCount; ++i) {
      levels.push_back({kTwilightDepression[i], false, &out.twilights[i].dawns, &out.twilights[i].dusks});
    }
  }
  const std::vector<Point> points = SampleDay(sky, firstSample, lastSample, levels, memo);
  for (const Level& level : levels) FindCrossings(sky, points, level, dayStartJd, dayEndJd, azimuthOrigin);
  FindTransits(sky, points, dayStartJd, dayEndJd, azimuthOrigin, out.transits);
  if (convention.apparentTransit) {
    for (Event& transit : out.transits) transit.altitude += TransitRefraction(transit.altitude, convention.refraction);
  }
  if (out.rises.empty() && out.sets.empty()) {
    const bool up = IsUp(levels[0](sky.SearchFieldsAt(dayStartJd, levels[0].Fields())));
    out.alwaysUp = up;
    out.alwaysDown = !up;
  }
  return out;
}

}  // namespace

const RiseSetConvention* ConventionNamed(const char* name) {
  for (const RiseSetConvention* c : {&kJapanConvention, &kIntlConvention}) {
    if (std::string_view(name) == c->name) return c;
  }
  return nullptr;
}

double TransitRefraction(double altitude, double horizonRefraction) {
  if (!(altitude >= -horizonRefraction)) return 0.0;
  const double h = altitude * kExactRadToDeg;
  const double arcminutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kExactDegToRad) - 0.0019279;
  return std::max(0.0, arcminutes / 60.0 * kExactDegToRad);
}

double FoldAzimuth(double azimuth, double origin) {
  const double a = azimuth - origin;
  const double folded = a - kExactTwoPi * std::floor(a / kExactTwoPi);
  return folded < kExactTwoPi ? folded : 0.0;
}

namespace {

// remainder(angle, 2pi) as the library gives it, without its call for the
// angles a search meets (within a turn and a quarter of 0): up to pi the
// nearest multiple is 0 (pi itself a tie, to the even 0), beyond it the
// nearest is one turn, and angle - 2pi is exact there (Sterbenz: angle
// within a factor 2 of 2pi). The remainder is exact either way, so these are
// its very bits (a zero with the angle's sign, as IEEE remainder gives it).
double RemainderOfTurn(double angle) {
  const double size = std::fabs(angle);
  if (size <= kExactPi) return angle;
  if (size < 2.5 * kExactPi) {
    // A zero remainder (angle a whole turn) keeps the angle's sign, as the library's does.
    const double r = angle - std::copysign(kExactTwoPi, angle);
    return r == 0.0 ? std::copysign(0.0, angle) : r;
  }
  return std::remainder(angle, kExactTwoPi);
}

}  // namespace

double WrapHourAngle(double angle) {
  const double r = RemainderOfTurn(angle);
  return r <= -kExactPi ? r + kExactTwoPi : r;
}

DayEvents FindDayEvents(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin) {
  return FindDayEvents(sky, dayStartJd, dayEndJd, azimuthOrigin, kIntlConvention);
}

DayEvents FindDayEvents(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin,
                        const RiseSetConvention& convention) {
  return Search(sky, dayStartJd, dayEndJd, azimuthOrigin, convention, nullptr);
}

DayEvents FindDayEvents(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin,
                        const RiseSetConvention& convention, DaySamples& samples) {
  return Search(sky, dayStartJd, dayEndJd, azimuthOrigin, convention, &samples);
}

}  // namespace skycalc::events
