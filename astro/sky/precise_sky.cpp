#include "astro/sky/precise_sky.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/sky/calculator_sky.h"
#include "astro/events/day_events.h"
#include "astro/time/time_scales.h"

namespace skycalc::sky {

namespace {

// Rate of the Earth rotation angle, radians per UT1 day; the sidereal time
// is interpolated as its departure from this uniform turning, which is
// small and smooth (precession, nutation).
constexpr double kRotationRate = kExactTwoPi * 1.00273781191135448;
constexpr double kSecondsPerDay = 86400.0;

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

// Lagrange weights for nodes at offsets x[i] (days) before the point.
void LagrangeWeights(const double x[4], double w[4]) {
  for (int i = 0; i < 4; ++i) {
    w[i] = 1.0;
    for (int k = 0; k < 4; ++k) {
      if (k != i) w[i] *= x[k] / (x[k] - x[i]);
    }
  }
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

// Angle b as the turn nearest to a.
double Unwrapped(double a, double b) { return a + events::WrapHourAngle(b - a); }

}  // namespace

PreciseSky::PreciseSky(Body body, const GeoSite& site, double nodeSpacing)
    : star_(false), body_(body), ra2000_(0.0), dec2000_(0.0), site_(site), siteX_(0.0), siteZ_(0.0),
      spacing_(nodeSpacing > 0.0 ? nodeSpacing : kPreciseNodeSpacing[static_cast<int>(body)]) {
  SiteOnEllipsoid(site, siteX_, siteZ_);
}

PreciseSky::PreciseSky(double ra2000, double dec2000, const GeoSite& site, double nodeSpacing)
    : star_(true), body_(Body::kSun), ra2000_(ra2000), dec2000_(dec2000), site_(site), siteX_(0.0),
      siteZ_(0.0), spacing_(nodeSpacing > 0.0 ? nodeSpacing : kPreciseStarNodeSpacing) {
  SiteOnEllipsoid(site, siteX_, siteZ_);
}

bool PreciseSky::IsSun() const { return !star_ && body_ == Body::kSun; }

PreciseSky::Node PreciseSky::ExactNode(double index) const {
  const timescale::Instant t = timescale::MakeInstant(index * spacing_);
  Node node;
  node.place = star_ ? precise::StarGeocentric(ra2000_, dec2000_, t) : precise::BodyGeocentric(body_, t);
  node.gast = precise::ApparentSiderealTime(t);
  node.deltaT = timescale::DeltaT(t.jdUtc) / kSecondsPerDay;
  return node;
}

events::Status PreciseSky::Cover(double fromJd, double toJd) const {
  // Nodes from the one before fromJd's interval to the second after toJd's.
  const double first = std::floor(fromJd / spacing_) - 1.0;
  const double last = std::floor(toJd / spacing_) + 2.0;
  if (!(last - first < 1e6)) return events::Status::kInvalidDay;  // also catches NaN
  const double cachedLast = firstIndex_ + static_cast<double>(nodes_.size()) - 1.0;
  if (nodes_.empty() || first < firstIndex_ || last > cachedLast) {
    std::vector<Node> nodes;
    nodes.reserve(static_cast<std::size_t>(last - first) + 1);
    for (double i = first; i <= last; i += 1.0) {
      const bool known = !nodes_.empty() && i >= firstIndex_ && i <= cachedLast;
      nodes.push_back(known ? nodes_[static_cast<std::size_t>(i - firstIndex_)] : ExactNode(i));
    }
    nodes_.swap(nodes);
    firstIndex_ = first;
  }
  for (double i = first; i <= last; i += 1.0) {
    const precise::Status s = nodes_[static_cast<std::size_t>(i - firstIndex_)].place.status;
    if (s != precise::Status::kOk) return FromPrecise(s);
  }
  return events::Status::kOk;
}

// The four nodes around jd (computing them if no Cover did) and jd's
// fraction of the way from the second to the third.
const PreciseSky::Node* PreciseSky::Nodes(double jd, double& fraction) const {
  const double u = jd / spacing_;
  const double index = std::floor(u);
  fraction = u - index;
  const double cachedLast = firstIndex_ + static_cast<double>(nodes_.size()) - 1.0;
  if (nodes_.empty() || index - 1.0 < firstIndex_ || index + 2.0 > cachedLast) Cover(jd, jd);
  return &nodes_[static_cast<std::size_t>(index - 1.0 - firstIndex_)];
}

// The place moves with TT, which jumps against UTC at a leap second: the
// nodes stand at their TT instants, so no jump is smoothed over (it would
// cost the Moon half an arcsecond).
precise::GeocentricApparent PreciseSky::InterpolatedPlace(double jd) const {
  double u = 0.0;
  const Node* n = Nodes(jd, u);
  const double deltaT = timescale::DeltaT(jd) / kSecondsPerDay;
  double x[4], w[4];
  for (int i = 0; i < 4; ++i) x[i] = (u - (i - 1)) * spacing_ + (deltaT - n[i].deltaT);
  LagrangeWeights(x, w);
  precise::GeocentricApparent p;
  for (int i = 0; i < 4; ++i) {
    if (n[i].place.status != precise::Status::kOk) p.status = n[i].place.status;
  }
  const double base = n[1].place.rightAscension;
  const double ra[4] = {Unwrapped(base, n[0].place.rightAscension), base,
                        Unwrapped(base, n[2].place.rightAscension), Unwrapped(base, n[3].place.rightAscension)};
  const double dec[4] = {n[0].place.declination, n[1].place.declination, n[2].place.declination,
                         n[3].place.declination};
  const double dist[4] = {n[0].place.distance, n[1].place.distance, n[2].place.distance, n[3].place.distance};
  const double a = Interpolate(w, ra);
  p.rightAscension = a - kExactTwoPi * std::floor(a / kExactTwoPi);
  if (p.rightAscension >= kExactTwoPi) p.rightAscension = 0.0;
  p.declination = Interpolate(w, dec);
  p.distance = Interpolate(w, dist);
  return p;
}

double PreciseSky::InterpolatedSiderealTime(double jd) const {
  double u = 0.0;
  const Node* n = Nodes(jd, u);
  double w[4];
  CubicWeights(u, w);
  // Departure of each node from uniform rotation since node 1: under an
  // arcsecond (precession and nutation), so no turn is ever ambiguous.
  double departure[4];
  for (int i = 0; i < 4; ++i) {
    departure[i] = events::WrapHourAngle(n[i].gast - n[1].gast - kRotationRate * spacing_ * (i - 1));
  }
  const double g = n[1].gast + kRotationRate * spacing_ * u + Interpolate(w, departure);
  const double folded = g - kExactTwoPi * std::floor(g / kExactTwoPi);
  return folded < kExactTwoPi ? folded : 0.0;
}

// The interpolated geocentric place seen from the site. In the frame that
// turns with the local meridian (x to the meridian on the equator, y 90
// degrees east of it, z to the pole) the site is the fixed point (siteX_, 0,
// siteZ_), so the topocentric direction is one subtraction away, and the
// horizon one rotation by the latitude.
events::SkyState PreciseSky::At(double jd) const {
  const precise::GeocentricApparent g = InterpolatedPlace(jd);
  const double lst = InterpolatedSiderealTime(jd) + site_.longitude;
  const double h = lst - g.rightAscension;
  const double cd = std::cos(g.declination), sd = std::sin(g.declination);
  // A star (distance 0) has no parallax: its unit vector stands as it is.
  const double r = g.distance > 0.0 ? g.distance : 1.0;
  const double px = g.distance > 0.0 ? siteX_ : 0.0, pz = g.distance > 0.0 ? siteZ_ : 0.0;
  const double x = r * cd * std::cos(h) - px;
  const double y = -r * cd * std::sin(h);
  const double z = r * sd - pz;
  const double sp = std::sin(site_.latitude), cp = std::cos(site_.latitude);
  const double south = x * sp - z * cp;  // towards the south point
  const double up = x * cp + z * sp;     // towards the zenith
  const double west = -y;
  events::SkyState s;
  s.altitude = std::atan2(up, std::sqrt(south * south + west * west));
  s.azimuth = events::FoldAzimuth(std::atan2(west, south), 0.0);
  s.hourAngle = events::WrapHourAngle(std::atan2(-y, x));
  const double distance = std::sqrt(x * x + y * y + z * z);
  if (!star_ && body_ == Body::kSun) {
    s.semidiameter = std::asin(kSunRadiusKm / (distance * kAstronomicalUnitKm));
  } else if (!star_ && body_ == Body::kMoon) {
    s.semidiameter = std::asin(kMoonRadiusKm / (distance * kAstronomicalUnitKm));
  }
  return s;
}

}  // namespace skycalc::sky
