#include "astro/sky/precise_sky.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "astro/base/fast_trig.h"
#include "astro/events/day_events.h"
#include "astro/precise/frame.h"
#include "astro/precise/nutation.h"
#include "astro/sky/calculator_sky.h"
#include "astro/time/time_scales.h"

namespace skycalc::sky {

namespace {

// Rate of the Earth rotation angle, radians per UT1 day; the sidereal time
// is interpolated as its departure from this uniform turning, which is
// small and smooth (precession, nutation).
constexpr double kRotationRate = kExactTwoPi * 1.00273781191135448;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kNutationSpacing = 0.5;           // days of TT
constexpr double kEectSpacing = 1.0;               // days of TT
// A window's third difference of TT - UTC below this (days; 1e-12 s) lets
// a search take TT - UTC cubic through its nodes: the rounding of the
// nodes' values alone makes some 1e-19 days.
constexpr double kSmoothDeltaT = 1e-12 / 86400.0;

events::Status FromPrecise(precise::Status s) {
  switch (s) {
    case precise::Status::kOk: return events::Status::kOk;
    case precise::Status::kOutsideYears: return events::Status::kOutsideYears;
    case precise::Status::kOutsidePlutoYears: return events::Status::kOutsidePlutoYears;
  }
  return events::Status::kOutsideYears;
}

// Cubic Lagrange weights for nodes at -1, 0, 1, 2 and a point u in [0, 1).
void CubicWeights(double u, double w[4]) {
  const double um1 = u - 1.0, um2 = u - 2.0, up1 = u + 1.0;
  w[0] = -u * um1 * um2 / 6.0;
  w[1] = up1 * um1 * um2 / 2.0;
  w[2] = -up1 * u * um2 / 2.0;
  w[3] = up1 * u * um1 / 6.0;
}

// Lagrange weights for nodes at offsets x[i] (days) before the point, with
// the reciprocals of their denominators (prod over k != i of x[k] - x[i],
// the same for every point of a window).
void LagrangeWeights(const double x[4], const double inverseDenominator[4], double w[4]) {
  w[0] = x[1] * x[2] * x[3] * inverseDenominator[0];
  w[1] = x[0] * x[2] * x[3] * inverseDenominator[1];
  w[2] = x[0] * x[1] * x[3] * inverseDenominator[2];
  w[3] = x[0] * x[1] * x[2] * inverseDenominator[3];
}

double Interpolate(const double w[4], const double v[4]) {
  return w[0] * v[0] + w[1] * v[1] + w[2] * v[2] + w[3] * v[3];
}

// The site's point on (or above) the WGS84 ellipsoid: its distance from the
// axis and from the equator plane, AU.
void SiteOnEllipsoid(const GeoSite& site, double& x, double& z) {
  double p[3];
  eraGd2gc(ERFA_WGS84, 0.0, site.latitude, site.height, p);
  x = p[0] / ERFA_DAU;
  z = p[2] / ERFA_DAU;
}

// The evaluation at an instant, a window's figures and the interpolated
// slow terms are built for the processor at hand when the compiler can:
// with AVX2 the same scalar operations take three-operand forms and fewer
// copies. No fused multiply-add (contraction stays off and the clone does
// not ask for FMA), so the results keep their bits. Only GCC clones (Clang
// 14 leaves cloned member functions undefined at link time).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define SKYCALC_SKY_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SKYCALC_SKY_CLONES
#endif

// Angle b as the turn nearest to a.
double Unwrapped(double a, double b) { return a + events::WrapHourAngle(b - a); }

}  // namespace

PreciseSky::PreciseSky(Body body, const GeoSite& site, double nodeSpacing)
    : star_(false), body_(body), ra2000_(0.0), dec2000_(0.0), site_(site), siteX_(0.0), siteZ_(0.0),
      spacing_(nodeSpacing > 0.0 ? nodeSpacing : kPreciseNodeSpacing[static_cast<int>(body)]) {
  SiteOnEllipsoid(site, siteX_, siteZ_);
  sinLatitude_ = std::sin(site.latitude);
  cosLatitude_ = std::cos(site.latitude);
}

PreciseSky::PreciseSky(double ra2000, double dec2000, const GeoSite& site, double nodeSpacing)
    : star_(true), body_(Body::kSun), ra2000_(ra2000), dec2000_(dec2000), site_(site), siteX_(0.0),
      siteZ_(0.0), spacing_(nodeSpacing > 0.0 ? nodeSpacing : kPreciseStarNodeSpacing) {
  SiteOnEllipsoid(site, siteX_, siteZ_);
  sinLatitude_ = std::sin(site.latitude);
  cosLatitude_ = std::cos(site.latitude);
}

bool PreciseSky::IsSun() const { return !star_ && body_ == Body::kSun; }

PreciseSky::NodeTime PreciseSky::NodeTimeOf(double index) const {
  // MakeInstant's instant, its DeltaT kept for the node.
  const double jdUtc = index * spacing_;
  const double deltaT = timescale::DeltaT(jdUtc);
  const timescale::Instant t{jdUtc, jdUtc + deltaT / ERFA_DAYSEC};
  // One frame serves the place and the sidereal time: the search's
  // (precise::detail::MakeSearchFrame, its slow terms interpolated between
  // nodes a few hours apart), and the search's Moon (MoonBySeries): the
  // readouts' to 2e-10 rad (0.00004"), far below the interpolation's own
  // 0.03" and below what moves a printed minute or hundredth of a degree,
  // at a sixth of their cost (the Moon's nodes, eight a day, were nine
  // tenths of its search; the Sun's frame a sixth of its).
  const precise::detail::SlowTerms slow =
      spacing_ < kNutationSpacing ? InterpolatedSlowTerms(t.jdTt) : precise::detail::SlowTermsAt(t.jdTt);
  return NodeTime{t, deltaT / kSecondsPerDay, precise::detail::MakeSearchFrameWithEcliptic(t, slow)};
}

PreciseSky::Node PreciseSky::ExactNode(double index) const {
  const NodeTime n = NodeTimeOf(index);
  Node node;
  const precise::detail::DateFrame& frame = n.frames.frame;
  node.place = star_ ? precise::detail::StarGeocentric(ra2000_, dec2000_, n.t, frame)
                     : precise::detail::BodyGeocentric(body_, n.t, frame, nullptr, precise::detail::Evaluation::kSearch);
  node.gast = frame.gast;
  node.deltaT = n.deltaT;
  return node;
}

void PreciseSky::ExactMoonNodes(const double* indices, std::size_t count, Node* const* out) const {
  constexpr std::size_t kBatch = 4;
  NodeTime times[kBatch];
  precise::detail::SearchFrame frames[kBatch]{};
  double pv[kBatch][2][3];
  for (std::size_t i = 0; i < count; ++i) {
    times[i] = NodeTimeOf(indices[i]);
    frames[i] = times[i].frames;
  }
  precise::detail::MoonBySeriesOfFrames(frames, count, pv);
  for (std::size_t i = 0; i < count; ++i) {
    Node& node = *out[i];
    node.place = precise::detail::MoonGeocentric(times[i].t, pv[i], times[i].frames.frame);
    node.gast = times[i].frames.frame.gast;
    node.deltaT = times[i].deltaT;
  }
}

// The frame's slow terms for the search's nodes, each cubic through the
// four nodes of its own grid around jdTt: the nutation every half day of
// TT, within 2e-10 rad (0.00004"; its fastest terms of note, 0.23" over 13.7
// days and 0.03" over 9.1 days, bend little in half a day), and the complementary
// terms of the equation of the equinoxes every day, within 4e-14 rad (a few
// milliarcseconds, their fastest term 2 microarcseconds over 13.7 days).
// The Moon's nodes, eight a day, made them once each before.
SKYCALC_SKY_CLONES precise::detail::SlowTerms PreciseSky::InterpolatedSlowTerms(double jdTt) const {
  precise::detail::SlowTerms slow;
  double u = jdTt / kNutationSpacing;
  double index = std::floor(u), w[4];
  CubicWeights(u - index, w);
  for (int i = 0; i < 4; ++i) {
    const SlowNode& node = NodeOf(nutation_, index - 1.0 + i, kNutationSpacing, true);
    slow.dpsi += w[i] * node.a;
    slow.deps += w[i] * node.b;
  }
  u = jdTt / kEectSpacing;
  index = std::floor(u);
  CubicWeights(u - index, w);
  for (int i = 0; i < 4; ++i) slow.eect += w[i] * NodeOf(eect_, index - 1.0 + i, kEectSpacing, false).a;
  return slow;
}

// Node k of a slow term's grid, computed unless the ring holds it.
const PreciseSky::SlowNode& PreciseSky::NodeOf(SlowNode (&ring)[8], double k, double spacing, bool nutation) const {
  SlowNode& node = ring[static_cast<std::size_t>(static_cast<long long>(k) & 7)];
  if (!(node.index == k)) {
    node.index = k;
    const double jdTt = k * spacing;
    SlowNode& next = ring[static_cast<std::size_t>(static_cast<long long>(k + 1.0) & 7)];
    if (nutation && !(next.index == k + 1.0)) {
      // The next node too (a search moves on in time), both with one
      // evaluation of the series.
      next.index = k + 1.0;
      const double t[2] = {(jdTt - ERFA_DJ00) / ERFA_DJC, ((k + 1.0) * spacing - ERFA_DJ00) / ERFA_DJC};
      double dpsi[2], deps[2];
      precise::detail::Nutation2000BPair(t, dpsi, deps);
      node.a = dpsi[0];
      node.b = deps[0];
      next.a = dpsi[1];
      next.b = deps[1];
    } else if (nutation) {
      precise::detail::Nutation2000B((jdTt - ERFA_DJ00) / ERFA_DJC, node.a, node.b);
    } else {
      node.a = precise::detail::ComplementaryTerms(jdTt);
    }
  }
  return node;
}

events::Status PreciseSky::Cover(double fromJd, double toJd) const {
  // Nodes from the one before fromJd's interval to the second after toJd's.
  const double first = std::floor(fromJd / spacing_) - 1.0;
  const double last = std::floor(toJd / spacing_) + 2.0;
  if (!(last - first < 1e6)) return events::Status::kInvalidDay;  // also catches NaN
  const double cachedLast = firstIndex_ + static_cast<double>(nodes_.size()) - 1.0;
  if (nodes_.empty() || first < firstIndex_ || last > cachedLast) {
    std::vector<Node> nodes(static_cast<std::size_t>(last - first) + 1);
    // The Moon's new nodes four at a time (MoonBySeriesOfFrames takes them
    // two by two), the others one by one.
    const bool batches = !star_ && body_ == Body::kMoon;
    double batch[4];
    Node* batchOut[4];
    std::size_t pending = 0;
    for (double i = first; i <= last; i += 1.0) {
      Node& node = nodes[static_cast<std::size_t>(i - first)];
      if (!nodes_.empty() && i >= firstIndex_ && i <= cachedLast) {
        node = nodes_[static_cast<std::size_t>(i - firstIndex_)];
      } else if (!batches) {
        node = ExactNode(i);
      } else {
        batch[pending] = i;
        batchOut[pending] = &node;
        if (++pending == 4) {
          ExactMoonNodes(batch, pending, batchOut);
          pending = 0;
        }
      }
    }
    if (pending > 0) ExactMoonNodes(batch, pending, batchOut);
    nodes_.swap(nodes);
    firstIndex_ = first;
  }
  for (double i = first; i <= last; i += 1.0) {
    const precise::Status s = nodes_[static_cast<std::size_t>(i - firstIndex_)].place.status;
    if (s != precise::Status::kOk) return FromPrecise(s);
  }
  return events::Status::kOk;
}

// What the interpolation takes from the four nodes around a grid interval
// (right ascensions unwrapped about the second node's, sidereal times as
// departures from uniform rotation): the same figures for every instant of
// the interval, so they are made once per interval. A node's values depend
// on its index alone, so a window stays valid when Cover rebuilds the nodes.
SKYCALC_SKY_CLONES const PreciseSky::Window& PreciseSky::WindowAt(double jd, double& fraction) const {
  const double u = jd / spacing_;
  const double index = std::floor(u);
  fraction = u - index;
  if (window_.valid && window_.index == index) return window_;
  const double cachedLast = firstIndex_ + static_cast<double>(nodes_.size()) - 1.0;
  if (nodes_.empty() || index - 1.0 < firstIndex_ || index + 2.0 > cachedLast) Cover(jd, jd);
  const Node* n = &nodes_[static_cast<std::size_t>(index - 1.0 - firstIndex_)];
  Window& w = window_;
  w.valid = true;
  w.index = index;
  w.status = precise::Status::kOk;
  for (int i = 0; i < 4; ++i) {
    if (n[i].place.status != precise::Status::kOk) w.status = n[i].place.status;
  }
  const double base = n[1].place.rightAscension;
  w.ra[0] = Unwrapped(base, n[0].place.rightAscension);
  w.ra[1] = base;
  w.ra[2] = Unwrapped(base, n[2].place.rightAscension);
  w.ra[3] = Unwrapped(base, n[3].place.rightAscension);
  for (int i = 0; i < 4; ++i) {
    w.dec[i] = n[i].place.declination;
    w.distance[i] = n[i].place.distance;
    w.deltaT[i] = n[i].deltaT;
    // Departure of each node from uniform rotation since node 1: under an
    // arcsecond (precession and nutation), so no turn is ever ambiguous.
    w.departure[i] = events::WrapHourAngle(n[i].gast - n[1].gast - kRotationRate * spacing_ * (i - 1));
  }
  w.gast = n[1].gast;
  // TT - UTC between the nodes is a low polynomial where its third
  // difference vanishes: a search's evaluation may then take it cubic
  // through the nodes (exact to the rounding for the quadratic of 2005-2050,
  // and for a constant between leap seconds). A leap second, or the seam
  // of two pieces of the polynomials or of the table and the polynomial,
  // leaves a third difference of milliseconds or more.
  const double thirdDifference = w.deltaT[3] - 3.0 * w.deltaT[2] + 3.0 * w.deltaT[1] - w.deltaT[0];
  w.smoothDeltaT = std::fabs(thirdDifference) < kSmoothDeltaT;
  // x[k] - x[i] of InterpolatedPlace: the nodes' own separation in TT.
  for (int i = 0; i < 4; ++i) {
    double product = 1.0;
    for (int k = 0; k < 4; ++k) {
      if (k != i) product *= (i - k) * spacing_ + (w.deltaT[i] - w.deltaT[k]);
    }
    w.inverseDenominator[i] = 1.0 / product;
  }
  return w;
}

// The place moves with TT, which jumps against UTC at a leap second: the
// nodes stand at their TT instants, so no jump is smoothed over (it would
// cost the Moon half an arcsecond).
[[gnu::always_inline]] inline precise::GeocentricApparent PreciseSky::InterpolatedPlace(double jd, const Window& n, double u,
                                                                                      bool exact) const {
  double deltaT = 0.0;
  if (exact || !n.smoothDeltaT) {
    deltaT = timescale::DeltaT(jd) / kSecondsPerDay;
  } else {
    double w[4];
    CubicWeights(u, w);
    deltaT = Interpolate(w, n.deltaT);
  }
  double x[4], w[4];
  for (int i = 0; i < 4; ++i) x[i] = (u - (i - 1)) * spacing_ + (deltaT - n.deltaT[i]);
  LagrangeWeights(x, n.inverseDenominator, w);
  precise::GeocentricApparent p;
  p.status = n.status;
  const double a = Interpolate(w, n.ra);
  p.rightAscension = a - kExactTwoPi * std::floor(a / kExactTwoPi);
  if (p.rightAscension >= kExactTwoPi) p.rightAscension = 0.0;
  p.declination = Interpolate(w, n.dec);
  p.distance = Interpolate(w, n.distance);
  return p;
}

[[gnu::always_inline]] inline double PreciseSky::InterpolatedSiderealTime(const Window& n, double u) const {
  double w[4];
  CubicWeights(u, w);
  const double g = n.gast + kRotationRate * spacing_ * u + Interpolate(w, n.departure);
  const double folded = g - kExactTwoPi * std::floor(g / kExactTwoPi);
  return folded < kExactTwoPi ? folded : 0.0;
}

// The interpolated geocentric place seen from the site. In the frame that
// turns with the local meridian (x to the meridian on the equator, y 90
// degrees east of it, z to the pole) the site is the fixed point (siteX_, 0,
// siteZ_), so the topocentric direction is one subtraction away, and the
// horizon one rotation by the latitude.
events::SkyState PreciseSky::At(double jd) const { return State(jd, events::kSearchFields, true); }

events::SkyState PreciseSky::EventAt(double jd) const { return State(jd, events::kAltitudeField, true); }

events::SkyState PreciseSky::SearchAt(double jd) const { return State(jd, events::kSearchFields, false); }

events::SkyState PreciseSky::SearchFieldsAt(double jd, unsigned fields) const { return State(jd, fields, false); }

[[gnu::always_inline]] inline void PreciseSky::TopocentricAt(double jd, bool exact, double& x, double& y,
                                                             double& z) const {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &jd, sizeof bits);
  Topocentric& slot = recent_[(bits ^ (bits >> 20) ^ (bits >> 40)) % kRecentSlots];
  if (slot.jd == jd && !exact) {
    x = slot.x;
    y = slot.y;
    z = slot.z;
    return;
  }
  // The interpolated place, hour angle and distance, or a search's at this
  // very instant where it took TT - UTC as an event's At does (an event's At
  // follows the last step of its root).
  double h = slot.hourAngle, declination = slot.declination, distance = slot.distance;
  bool exactPlace = slot.exactPlace;
  if (slot.jd != jd || (exact && !slot.exactPlace)) {
    double u = 0.0;
    const Window& n = WindowAt(jd, u);
    const precise::GeocentricApparent g = InterpolatedPlace(jd, n, u, exact);
    h = InterpolatedSiderealTime(n, u) + site_.longitude - g.rightAscension;
    declination = g.declination;
    distance = g.distance;
    exactPlace = exact || !n.smoothDeltaT;
  }
  double sd = 0.0, cd = 0.0, sh = 0.0, ch = 0.0;
  if (exact) {
    sd = std::sin(declination);
    cd = std::cos(declination);
    sh = std::sin(h);
    ch = std::cos(h);
  } else {
    fasttrig::SinCos(declination, sd, cd);
    fasttrig::SinCos(h, sh, ch);
  }
  // A star (distance 0) has no parallax: its unit vector stands as it is.
  const double r = distance > 0.0 ? distance : 1.0;
  const double px = distance > 0.0 ? siteX_ : 0.0, pz = distance > 0.0 ? siteZ_ : 0.0;
  x = r * cd * ch - px;
  y = -r * cd * sh;
  z = r * sd - pz;
  // Only a search's vector is kept: At's are not asked again.
  if (!exact) slot = Topocentric{jd, h, declination, distance, exactPlace, x, y, z};
}

SKYCALC_SKY_CLONES events::SkyState PreciseSky::State(double jd, unsigned fields, bool exact) const {
  double x = 0.0, y = 0.0, z = 0.0;
  TopocentricAt(jd, exact, x, y, z);
  const double sp = sinLatitude_, cp = cosLatitude_;
  const double south = x * sp - z * cp;  // towards the south point
  const double up = x * cp + z * sp;     // towards the zenith
  const double west = -y;
  const auto angle = [exact](double b, double a) { return exact ? std::atan2(b, a) : fasttrig::Atan2(b, a); };
  events::SkyState s;
  if (fields & events::kAltitudeField) s.altitude = angle(up, std::sqrt(south * south + west * west));
  if (exact) s.azimuth = events::FoldAzimuth(angle(west, south), 0.0);
  if (fields & events::kHourAngleField) {
    // atan2 gives (-pi, pi] but for -pi itself (y = +0, x < 0), which
    // WrapHourAngle turns to pi.
    const double hourAngle = angle(-y, x);
    s.hourAngle = hourAngle == -kExactPi ? kExactPi : hourAngle;
  }
  if ((fields & events::kSemidiameterField) && !star_ && (body_ == Body::kSun || body_ == Body::kMoon)) {
    const double distance = std::sqrt(x * x + y * y + z * z);
    const double radius = body_ == Body::kSun ? kSunRadiusKm : kMoonRadiusKm;
    s.semidiameter = std::asin(radius / (distance * kAstronomicalUnitKm));
  }
  return s;
}

}  // namespace skycalc::sky
