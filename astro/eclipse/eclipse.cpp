#include "astro/eclipse/eclipse.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "astro/base/vector_state.h"
#include "astro/eclipse/conventions.h"
#include "astro/eclipse/sun_moon.h"
#include "astro/eclipse/track.h"
#include "astro/events/convention.h"
#include "astro/time/time_scales.h"

namespace skycalc::eclipse {

namespace {

using detail::SunMoonState;
using detail::Track;
namespace conv = conventions;

constexpr double kHour = 1.0 / 24.0;
constexpr double kMinute = kHour / 60.0;
constexpr double kEarthRadiusAu = conv::kEarthRadiusKm / conv::kAuKm;
// Precision of every instant found (TT days): 0.01 s.
constexpr double kTimeTolerance = 1e-7;
// The track reaches this far either side of the instant it is centred on;
// every phase of an eclipse lies within 4 hours of its greatest instant.
constexpr double kTrackHalfSpan = 5.0 * kHour;
constexpr double kPhaseReach = 4.0 * kHour;
// Step of the scans for the site's contacts and the body's altitude.
constexpr double kScanStep = 5.0 * kMinute;

// Reference: J. Meeus, Astronomical Algorithms (2nd ed., 1998), chapters 49
// and 54: the mean new Moon of lunation k (k = 0 at 2000 January 6), its mean
// argument of latitude F, and the screen |sin F| > 0.36: no eclipse.
constexpr double kMeanNewMoonEpoch = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;
constexpr double kArgumentOfLatitudeEpoch = 160.7108 * ERFA_DD2R;
constexpr double kArgumentOfLatitudeRate = 390.67050284 * ERFA_DD2R;  // per lunation
constexpr double kScreenSinF = 0.40;  // a little wider than the 0.36 of the screen

// ---- small numerics --------------------------------------------------------

// The t in [a, b] where f changes sign (f(a), f(b) of opposite signs), by bisection.
double Root(const std::function<double(double)>& f, double a, double b) {
  double fa = f(a);
  while (b - a > kTimeTolerance) {
    const double mid = 0.5 * (a + b);
    const double fm = f(mid);
    if ((fm < 0.0) == (fa < 0.0)) {
      a = mid;
      fa = fm;
    } else {
      b = mid;
    }
  }
  return 0.5 * (a + b);
}

// The t of least f in [a, b], f having one minimum there (golden section).
double Minimum(const std::function<double(double)>& f, double a, double b) {
  const double r = 0.5 * (std::sqrt(5.0) - 1.0);
  double c = b - r * (b - a), d = a + r * (b - a);
  double fc = f(c), fd = f(d);
  while (b - a > kTimeTolerance) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - r * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + r * (b - a);
      fd = f(d);
    }
  }
  return 0.5 * (a + b);
}

// The area common to two discs of radii r1 and r2 whose centres are d apart.
double Overlap(double r1, double r2, double d) {
  if (d >= r1 + r2) return 0.0;
  const double small = std::min(r1, r2);
  if (d <= std::fabs(r1 - r2)) return ERFA_DPI * small * small;
  const double a1 = std::acos(std::clamp((d * d + r1 * r1 - r2 * r2) / (2.0 * d * r1), -1.0, 1.0));
  const double a2 = std::acos(std::clamp((d * d + r2 * r2 - r1 * r1) / (2.0 * d * r2), -1.0, 1.0));
  return r1 * r1 * (a1 - std::sin(2.0 * a1) / 2.0) + r2 * r2 * (a2 - std::sin(2.0 * a2) / 2.0);
}

double Angle(const double a[3], const double b[3]) {
  double cross[3];
  eraPxp(const_cast<double*>(a), const_cast<double*>(b), cross);
  return std::atan2(eraPm(cross), eraPdp(const_cast<double*>(a), const_cast<double*>(b)));
}

// The body at geocentric position p (AU, true equator of date) seen from site.
precise::TopocentricPlace TopocentricOf(const double p[3], double gast, const GeoSite& site) {
  precise::GeocentricApparent place;
  eraP2s(const_cast<double*>(p), &place.rightAscension, &place.declination, &place.distance);
  place.rightAscension = eraAnp(place.rightAscension);
  return precise::Topocentric(place, eraAnp(gast), site);
}

// Reference: 国立天文台 暦計算室, こよみ用語解説 (日の出入り; 月・惑星の出入り; 日食),
//   https://eco.mtk.nao.ac.jp/koyomi/faq/glossary.html, and its eclipse
//   tables in 暦要項 (e.g. https://eco.mtk.nao.ac.jp/koyomi/yoko/2010/rekiyou105.html,
//   「日入帯食」: Tokyo's partial eclipse of 2010-01-15 begins at 16h48m17s with
//   the Sun's centre 0.4 degree below the geometric horizon and ends for Tokyo
//   at sunset, 16h51m38s, magnitude 0.043 (the table does not give its site;
//   at 139.7447 E, 35.6544 N the limb sets at 16h50m40s, PyEphem and this
//   code alike, magnitude 0.031)): an eclipse is seen while the
//   body's upper limb is above the horizon of the office's sunrise, with the
//   horizontal refraction 35'08". For the Moon too the tables take its upper
//   limb (seen from the site), not the centre of its daily moonrise: the
//   moonrises of the 2021-05-26 eclipse, 暦要項 2021 (那覇 19h07.3m 0.348,
//   福岡 19h11.8m 0.412, 京都 18h52.7m 0.127, 札幌 18h51.4m 0.107), come
//   1.5 minutes before the centre's and agree with the limb's to 0.1 minute
//   and 0.002 (tests/astro/eclipse).
// How far the upper limb of the body (the Sun when sun, else the Moon)
// stands above that horizon, radians, from its topocentric place.
double HorizonGap(bool sun, const precise::TopocentricPlace& topo) {
  const double radius = sun ? std::sin(conv::kSunSemidiameterAt1Au) : conv::kMoonRadiusRatio * kEarthRadiusAu;
  return topo.altitude + std::asin(radius / topo.distance) + events::kJapanConvention.refraction;
}

// Altitude and azimuth of the body (the Sun when sun, else the Moon) at
// geocentric position p, and whether it is below the office's horizon.
Contact Seen(ContactName name, double jdTt, const double p[3], double gast, const GeoSite& site,
             bool sun) {
  const precise::TopocentricPlace topo = TopocentricOf(p, gast, site);
  Contact c{name, timescale::InstantOfTt(jdTt).jdUtc, topo.altitude, topo.azimuth};
  c.belowHorizon = HorizonGap(sun, topo) < 0.0;
  return c;
}

// The Moon's centre seen from site relative to a reference point (both
// geocentric positions, AU), as View's x (along increasing azimuth) and y.
void Offset(const double moon[3], const double reference[3], double gast,
            const GeoSite& site, Eclipse::View& view) {
  const precise::TopocentricPlace m = TopocentricOf(moon, gast, site);
  const precise::TopocentricPlace r = TopocentricOf(reference, gast, site);
  view.moonX = std::remainder(m.azimuth - r.azimuth, ERFA_D2PI) * std::cos(r.altitude);
  view.moonY = m.altitude - r.altitude;
}

// Whether the gap (of the body above the horizon at each instant) is above
// 0 at some instant of [a, b], scanned every kScanStep and at both ends.
bool AboveHorizonDuring(const std::function<double(double)>& gap, double a, double b) {
  for (double t = a;; t += kScanStep) {
    if (gap(std::min(t, b)) > 0.0) return true;
    if (t >= b) return false;
  }
}

// The instants of [a, b] where the gap changes sign, with whether it rises
// there, scanned every kScanStep (a body rises and sets at most once in a
// step's time outside the polar circles' grazing days).
struct Crossing {
  double jdTt;
  bool rising;
};
std::vector<Crossing> HorizonCrossings(const std::function<double(double)>& gap, double a, double b) {
  std::vector<Crossing> found;
  double previous = gap(a);
  for (double t = a; t < b;) {
    const double next = std::min(t + kScanStep, b);
    const double now = gap(next);
    if ((previous > 0.0) != (now > 0.0)) found.push_back({Root(gap, t, next), now > 0.0});
    previous = now;
    t = next;
  }
  return found;
}

// ---- syzygy ----------------------------------------------------------------

// The TT instant near guess where the Moon's apparent longitude is the Sun's
// plus target (0: new Moon, pi: full Moon), with the Moon's latitude and
// both distances there (the Moon's larger terms only: the syzygy to a
// minute, its latitude to 30"); nullopt where the ephemeris gives nothing.
struct Syzygy {
  double jdTt;
  ApparentPlace sun, moon;
};

std::optional<Syzygy> FindSyzygy(double guess, double target) {
  Syzygy s{guess, {}, {}};
  const auto offset = [&](double t) {
    s.sun = SunApparent(t);
    s.moon = MoonApparentCoarse(t);
    return std::remainder(s.moon.longitude - s.sun.longitude - target, ERFA_D2PI);
  };
  double t0 = guess, f0 = offset(t0);
  double t1 = guess + 0.1, f1 = offset(t1);
  for (int pass = 0; pass < 12 && std::isfinite(f1); ++pass) {
    if (std::fabs(t1 - t0) < 1e-5 || f1 == f0) break;
    const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = t2;
    f1 = offset(t1);
  }
  if (!std::isfinite(f1) || std::fabs(f1) > 1e-4) return std::nullopt;
  s.jdTt = t1;
  return s;
}

// ---- lunar eclipses ---------------------------------------------------------

struct ShadowGeometry {
  double distance;   // of the Moon's centre from the shadow's axis, radians
  double umbra;      // radius of the umbra, radians
  double penumbra;   // radius of the penumbra, radians
  double moon;       // the Moon's semidiameter, radians
};

ShadowGeometry Shadow(const SunMoonState& s, const Conventions& c) {
  const double rs = eraPm(const_cast<double*>(s.sun)), rm = eraPm(const_cast<double*>(s.moon));
  const double antiSun[3] = {-s.sun[0], -s.sun[1], -s.sun[2]};
  const double moonParallax = std::asin(kEarthRadiusAu / rm);
  const double sunParallax = std::asin(kEarthRadiusAu / rs);
  const double sunRadius = std::asin(std::sin(conv::kSunSemidiameterAt1Au) / rs);
  ShadowGeometry g;
  g.distance = Angle(s.moon, antiSun);
  if (c.shadow == ShadowRule::kDanjon) {
    const double earth = conv::kDanjonParallaxScale * moonParallax;
    g.umbra = earth - sunRadius + sunParallax;
    g.penumbra = earth + sunRadius + sunParallax;
  } else {
    const double earth = conv::kShadowParallaxScale * moonParallax;
    g.umbra = conv::kShadowEnlargement * (earth - sunRadius + sunParallax);
    g.penumbra = conv::kShadowEnlargement * (earth + sunRadius + sunParallax);
  }
  g.moon = std::asin(c.moonRadius * kEarthRadiusAu / rm);
  return g;
}

std::optional<Eclipse> Lunar(const Track& track, double syzygyTt, const GeoSite& site, const Conventions& c,
                             double& greatestTt) {
  const auto distance = [&](double t) { return Shadow(track.At(t), c).distance; };
  greatestTt = Minimum(distance, syzygyTt - kPhaseReach, syzygyTt + kPhaseReach);
  const ShadowGeometry g = Shadow(track.At(greatestTt), c);
  Eclipse e;
  e.kind = Kind::kLunar;
  e.greatestJdUtc = timescale::InstantOfTt(greatestTt).jdUtc;
  e.magnitude = (g.umbra + g.moon - g.distance) / (2.0 * g.moon);
  e.penumbralMagnitude = (g.penumbra + g.moon - g.distance) / (2.0 * g.moon);
  if (e.penumbralMagnitude <= 0.0) return std::nullopt;
  e.type = e.magnitude >= 1.0 ? Type::kTotal : e.magnitude > 0.0 ? Type::kPartial : Type::kPenumbral;
  e.obscuration = Overlap(g.umbra, g.moon, g.distance) / (ERFA_DPI * g.moon * g.moon);

  // Each contact: where the distance from the axis meets a radius, before and after greatest.
  struct Edge {
    ContactName before, after;
    double (*reach)(const ShadowGeometry&);
  };
  static const Edge kEdges[] = {
      {ContactName::kP1, ContactName::kP4, [](const ShadowGeometry& s) { return s.penumbra + s.moon; }},
      {ContactName::kU1, ContactName::kU4, [](const ShadowGeometry& s) { return s.umbra + s.moon; }},
      {ContactName::kU2, ContactName::kU3, [](const ShadowGeometry& s) { return s.umbra - s.moon; }},
  };
  const auto moonAt = [&](ContactName name, double t) {
    const SunMoonState s = track.At(t);
    return Seen(name, t, s.moon, s.gast, site, false);
  };
  std::vector<Contact> contacts{moonAt(ContactName::kMax, greatestTt)};
  double first = greatestTt, last = greatestTt;
  for (const Edge& edge : kEdges) {
    const auto gap = [&](double t) {
      const ShadowGeometry s = Shadow(track.At(t), c);
      return s.distance - edge.reach(s);
    };
    if (gap(greatestTt) >= 0.0) break;
    const double a = Root(gap, greatestTt - kPhaseReach, greatestTt);
    const double b = Root(gap, greatestTt, greatestTt + kPhaseReach);
    contacts.push_back(moonAt(edge.before, a));
    contacts.push_back(moonAt(edge.after, b));
    // The span the visibility is judged on: U1-U4, or P1-P4 without an umbral phase.
    if (edge.before != ContactName::kU2) {
      first = a;
      last = b;
    }
  }
  std::sort(contacts.begin(), contacts.end(), [](const Contact& x, const Contact& y) { return x.jdUtc < y.jdUtc; });
  e.contacts = contacts;
  // The shadow's centre is seen where the axis meets the Moon's distance.
  const SunMoonState s = track.At(greatestTt);
  double centre[3];
  eraSxp(-eraPm(const_cast<double*>(s.moon)) / eraPm(const_cast<double*>(s.sun)), const_cast<double*>(s.sun), centre);
  e.view.umbra = g.umbra;
  e.view.penumbra = g.penumbra;
  e.view.moon = g.moon;
  Offset(s.moon, centre, s.gast, site, e.view);
  const auto gap = [&](double t) {
    const SunMoonState s = track.At(t);
    return HorizonGap(false, TopocentricOf(s.moon, s.gast, site));
  };
  e.visible = AboveHorizonDuring(gap, first, last);
  // The Moon rising or setting eclipsed (月出帯食, 月没帯食), with the magnitude then.
  for (const Crossing& x : HorizonCrossings(gap, first, last)) {
    Contact row = moonAt(x.rising ? ContactName::kMoonrise : ContactName::kMoonset, x.jdTt);
    const ShadowGeometry s = Shadow(track.At(x.jdTt), c);
    row.magnitude = ((e.type == Type::kPenumbral ? s.penumbra : s.umbra) + s.moon - s.distance) / (2.0 * s.moon);
    row.belowHorizon = false;
    e.contacts.push_back(row);
  }
  std::stable_sort(e.contacts.begin(), e.contacts.end(),
                   [](const Contact& x, const Contact& y) { return x.jdUtc < y.jdUtc; });
  return e;
}

// ---- solar eclipses ---------------------------------------------------------

// Besselian elements (Earth equatorial radii; angles in radians).
struct Elements {
  double x, y, d, mu, l1, l2, tanF1, tanF2;
};

Elements Besselian(const SunMoonState& s, const Conventions& c) {
  double sun[3], moon[3], axis[3], g[3], length = 0.0;
  eraSxp(1.0 / kEarthRadiusAu, const_cast<double*>(s.sun), sun);
  eraSxp(1.0 / kEarthRadiusAu, const_cast<double*>(s.moon), moon);
  eraPmp(sun, moon, axis);
  eraPn(axis, &length, g);
  Elements e{};
  const double a = std::atan2(g[1], g[0]);
  e.d = std::asin(g[2]);
  const double i[3] = {-std::sin(a), std::cos(a), 0.0};
  const double j[3] = {-std::sin(e.d) * std::cos(a), -std::sin(e.d) * std::sin(a), std::cos(e.d)};
  e.x = eraPdp(moon, const_cast<double*>(i));
  e.y = eraPdp(moon, const_cast<double*>(j));
  const double z = eraPdp(moon, g);
  const double sunRadius = std::sin(conv::kSunSemidiameterAt1Au) / kEarthRadiusAu;
  const double k1 = c.moonRadius, k2 = c.moonRadiusInner;
  const double f1 = std::asin((sunRadius + k1) / length), f2 = std::asin((sunRadius - k2) / length);
  e.tanF1 = std::tan(f1);
  e.tanF2 = std::tan(f2);
  e.l1 = z * e.tanF1 + k1 / std::cos(f1);
  e.l2 = z * e.tanF2 - k2 / std::cos(f2);
  e.mu = s.gast - a;
  return e;
}

// The shadow at a site: distance m of the site from the axis, radii L1 of
// the penumbra and L2 of the umbra (negative: total) in the site's plane.
struct SiteShadow {
  double m, l1, l2;
};

SiteShadow AtSite(const Elements& e, const GeoSite& site) {
  const double b = 1.0 - conv::kEarthFlattening;
  const double c = 1.0 / std::sqrt(std::cos(site.latitude) * std::cos(site.latitude) +
                                   b * b * std::sin(site.latitude) * std::sin(site.latitude));
  const double rhoCos = c * std::cos(site.latitude), rhoSin = b * b * c * std::sin(site.latitude);
  const double h = e.mu + site.longitude;
  const double xi = rhoCos * std::sin(h);
  const double eta = rhoSin * std::cos(e.d) - rhoCos * std::cos(h) * std::sin(e.d);
  const double zeta = rhoSin * std::sin(e.d) + rhoCos * std::cos(h) * std::cos(e.d);
  return SiteShadow{std::hypot(e.x - xi, e.y - eta), e.l1 - zeta * e.tanF1, e.l2 - zeta * e.tanF2};
}

// How far the point (x, y) of the fundamental plane lies outside the
// Earth's outline there, an ellipse of semi-axes 1 and rho1 (negative inside).
double LimbGap(double x, double y, double rho1) {
  if (x * x + (y / rho1) * (y / rho1) < 1.0) return -1.0;
  const double phi = std::atan2(y / rho1, x);
  const auto distance = [&](double p) { return std::hypot(x - std::cos(p), y - rho1 * std::sin(p)); };
  return distance(Minimum(distance, phi - 0.3, phi + 0.3));
}

// The kind over the whole Earth; nullopt when the penumbra misses it.
std::optional<Type> GlobalType(const Track& track, double greatestTt, const Conventions& c) {
  const double e2 = conv::kEarthFlattening * (2.0 - conv::kEarthFlattening);
  struct Axis {
    Elements e;
    double rho1;  // the Earth's outline's semi-minor axis in the fundamental plane
  };
  const auto axis = [&](double t) {
    const Elements e = Besselian(track.At(t), c);
    return Axis{e, std::sqrt(1.0 - e2 * std::cos(e.d) * std::cos(e.d))};
  };
  const auto gap = [&](double t, bool umbra) {
    const Axis a = axis(t);
    return LimbGap(a.e.x, a.e.y, a.rho1) - (umbra ? std::fabs(a.e.l2) : a.e.l1);
  };
  const auto penumbraGap = [&](double t) { return gap(t, false); };
  const auto umbraGap = [&](double t) { return gap(t, true); };
  const double from = greatestTt - 2.0 * kHour, to = greatestTt + 2.0 * kHour;
  if (penumbraGap(Minimum(penumbraGap, from, to)) >= 0.0) return std::nullopt;
  const Axis g = axis(greatestTt);
  if (LimbGap(g.e.x, g.e.y, g.rho1) >= 0.0) {
    // The axis misses the Earth: an umbra or antumbra may still graze it.
    if (umbraGap(Minimum(umbraGap, from, to)) >= 0.0) return Type::kPartial;
    return g.e.l2 < 0.0 ? Type::kTotal : Type::kAnnular;
  }
  // Central: the umbra's radius where the axis meets the surface, along the
  // path (the Earth taken round after the squash is scaled out of y).
  bool total = false, annular = false;
  for (double t = greatestTt - kPhaseReach; t <= greatestTt + kPhaseReach; t += kMinute) {
    const Axis a = axis(t);
    const double y1 = a.e.y / a.rho1;
    const double inside = 1.0 - a.e.x * a.e.x - y1 * y1;
    if (inside <= 0.0) continue;
    (a.e.l2 - std::sqrt(inside) * a.e.tanF2 < 0.0 ? total : annular) = true;
  }
  return total && annular ? Type::kHybrid : total ? Type::kTotal : Type::kAnnular;
}

void LocalSolar(const Track& track, double greatestTt, const GeoSite& site, const Conventions& c,
                Eclipse& e) {
  const auto shadow = [&](double t) { return AtSite(Besselian(track.At(t), c), site); };
  const auto outside = [&](double t) {
    const SiteShadow s = shadow(t);
    return s.m - s.l1;
  };
  const auto sunAt = [&](ContactName name, double t) {
    const SunMoonState s = track.At(t);
    return Seen(name, t, s.sun, s.gast, site, true);
  };
  const auto gap = [&](double t) {
    const SunMoonState s = track.At(t);
    return HorizonGap(true, TopocentricOf(s.sun, s.gast, site));
  };
  // Spans of the scan where the site is inside the penumbra; the one seen
  // with the deepest phase is the site's eclipse.
  const double from = greatestTt - kPhaseReach, to = greatestTt + kPhaseReach;
  double bestMagnitude = -1.0;
  double previous = outside(from);
  for (double t = from + kScanStep; t <= to + 0.5 * kScanStep; t += kScanStep) {
    double now = outside(t);
    if (!(previous >= 0.0 && now < 0.0)) {
      previous = now;
      continue;
    }
    const double c1 = Root(outside, t - kScanStep, t);
    double end = t;
    while (end < to + kHour && outside(end) < 0.0) end += kScanStep;
    const double c4 = Root(outside, end - kScanStep, end);
    previous = outside(end);
    t = end;
    if (!AboveHorizonDuring(gap, c1, c4)) continue;
    const double max = Minimum([&](double u) { return shadow(u).m; }, c1, c4);
    const SiteShadow s = shadow(max);
    const double magnitude = (s.l1 - s.m) / (s.l1 + s.l2);
    if (magnitude <= bestMagnitude) continue;
    bestMagnitude = magnitude;
    e.visible = true;
    e.magnitude = magnitude;
    const double sunRadius = 0.5 * (s.l1 + s.l2), moonRadius = 0.5 * (s.l1 - s.l2);
    e.obscuration = Overlap(sunRadius, moonRadius, s.m) / (ERFA_DPI * sunRadius * sunRadius);
    e.contacts = {sunAt(ContactName::kC1, c1), sunAt(ContactName::kMax, max)};
    if (s.m < std::fabs(s.l2)) {
      const auto inner = [&](double u) {
        const SiteShadow q = shadow(u);
        return q.m - std::fabs(q.l2);
      };
      e.contacts.push_back(sunAt(ContactName::kC2, Root(inner, c1, max)));
      e.contacts.push_back(sunAt(ContactName::kC3, Root(inner, max, c4)));
    }
    e.contacts.push_back(sunAt(ContactName::kC4, c4));
    // The Sun rising or setting eclipsed (日出帯食, 日没帯食), with the magnitude then.
    for (const Crossing& x : HorizonCrossings(gap, c1, c4)) {
      Contact row = sunAt(x.rising ? ContactName::kSunrise : ContactName::kSunset, x.jdTt);
      const SiteShadow q = shadow(x.jdTt);
      row.magnitude = (q.l1 - q.m) / (q.l1 + q.l2);
      row.belowHorizon = false;
      e.contacts.push_back(row);
    }
    const SunMoonState state = track.At(max);
    // Seen from the site the discs keep the ratio of the shadow's radii there.
    const precise::TopocentricPlace sunSeen = precise::Topocentric(
        [&] {
          precise::GeocentricApparent g;
          eraP2s(const_cast<double*>(state.sun), &g.rightAscension, &g.declination, &g.distance);
          g.rightAscension = eraAnp(g.rightAscension);
          return g;
        }(),
        eraAnp(state.gast), site);
    e.view.sun = std::asin(std::sin(conv::kSunSemidiameterAt1Au) / sunSeen.distance);
    e.view.moon = e.view.sun * moonRadius / sunRadius;
    e.view.umbra = e.view.penumbra = 0.0;
    Offset(state.moon, state.sun, state.gast, site, e.view);
    std::stable_sort(e.contacts.begin(), e.contacts.end(),
                     [](const Contact& x, const Contact& y) { return x.jdUtc < y.jdUtc; });
  }
}

std::optional<Eclipse> Solar(const Track& track, double syzygyTt, const GeoSite& site, const Conventions& c,
                             double& greatestTt) {
  greatestTt = Minimum(
      [&](double t) {
        const Elements e = Besselian(track.At(t), c);
        return e.x * e.x + e.y * e.y;
      },
      syzygyTt - kPhaseReach, syzygyTt + kPhaseReach);
  const std::optional<Type> type = GlobalType(track, greatestTt, c);
  if (!type) return std::nullopt;
  Eclipse e;
  e.kind = Kind::kSolar;
  e.type = *type;
  e.greatestJdUtc = timescale::InstantOfTt(greatestTt).jdUtc;
  LocalSolar(track, greatestTt, site, c, e);
  return e;
}

// ---- one candidate ----------------------------------------------------------

// Whether the Moon's latitude at syzygy leaves room for an eclipse: the sum
// of the radii that could meet (lunar: penumbra and Moon; solar, seen from
// anywhere on the Earth: parallaxes and both discs), with a margin of 5'
// for the latitude's projection and the coarse Moon's 30".
bool CloseEnough(const Syzygy& s, bool lunar, const Conventions& c) {
  const double moonParallax = std::asin(kEarthRadiusAu / s.moon.distance);
  const double sunParallax = std::asin(kEarthRadiusAu / s.sun.distance);
  const double sunRadius = std::asin(std::sin(conv::kSunSemidiameterAt1Au) / s.sun.distance);
  const double moonRadius = c.moonRadius * moonParallax;
  const double reach = lunar ? conv::kShadowEnlargement * (moonParallax + sunRadius + sunParallax) + moonRadius
                             : moonParallax - sunParallax + sunRadius + moonRadius;
  return std::fabs(s.moon.latitude) * std::cos(5.3 * ERFA_DD2R) < reach + 0.0015;
}

std::optional<Eclipse> Candidate(double meanTt, bool lunar, const GeoSite& site, const Conventions& c) {
  const std::optional<Syzygy> s = FindSyzygy(meanTt, lunar ? ERFA_DPI : 0.0);
  if (!s || !CloseEnough(*s, lunar, c)) return std::nullopt;
  double centre = s->jdTt, greatestTt = centre;
  // Greatest lies within an hour or two of syzygy; the track is centred
  // again on it when it falls far from the middle.
  for (int pass = 0; pass < 2; ++pass) {
    const Track track(centre, kTrackHalfSpan);
    std::optional<Eclipse> e = lunar ? Lunar(track, s->jdTt, site, c, greatestTt) : Solar(track, s->jdTt, site, c, greatestTt);
    if (!e || std::fabs(greatestTt - centre) < 1.0 * kHour) return e;
    centre = greatestTt;
  }
  const Track track(centre, kTrackHalfSpan);
  return lunar ? Lunar(track, centre, site, c, greatestTt) : Solar(track, centre, site, c, greatestTt);
}

}  // namespace

EclipseList FindEclipses(double firstJdUtc, double endJdUtc, const GeoSite& site,
                         const Conventions& conventions) {
  ClearUpperVectorState();
  EclipseList list;
  if (!(firstJdUtc >= precise::kFirstJdUtc && endJdUtc <= precise::kEndJdUtc && firstJdUtc <= endJdUtc)) {
    list.status = precise::Status::kOutsideYears;
    return list;
  }
  const double firstTt = timescale::MakeInstant(firstJdUtc).jdTt, endTt = timescale::MakeInstant(endJdUtc).jdTt;
  const double kFirst = std::floor((firstTt - kMeanNewMoonEpoch) / kSynodicMonth) - 1.0;
  const double kLast = std::ceil((endTt - kMeanNewMoonEpoch) / kSynodicMonth) + 1.0;
  for (double k = kFirst; k <= kLast; k += 0.5) {
    const double meanTt = kMeanNewMoonEpoch + kSynodicMonth * k;
    const double f = kArgumentOfLatitudeEpoch + kArgumentOfLatitudeRate * k;
    if (std::fabs(std::sin(f)) > kScreenSinF) continue;
    // The instant of syzygy is within a day of the mean one; keep clear of the model's ends.
    if (meanTt < firstTt - 2.0 || meanTt > endTt + 2.0) continue;
    const double meanUtc = timescale::InstantOfTt(meanTt).jdUtc;
    if (meanUtc - 1.5 < precise::kFirstJdUtc || meanUtc + 1.5 >= precise::kEndJdUtc) continue;
    const bool lunar = k != std::floor(k);
    std::optional<Eclipse> e = Candidate(meanTt, lunar, site, conventions);
    if (e && e->greatestJdUtc >= firstJdUtc && e->greatestJdUtc < endJdUtc) list.eclipses.push_back(std::move(*e));
  }
  return list;
}

}  // namespace skycalc::eclipse
