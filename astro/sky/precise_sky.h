#pragma once

#include <vector>

#include "astro/events/sky_function.h"
#include "astro/precise/frame.h"
#include "astro/precise/precise.h"

// The precise model as a events::SkyFunction, fast enough to be asked a hundred
// times a day. Its geocentric apparent place and sidereal time cost
// microseconds each, but both are smooth: they are computed exactly at nodes
// on a grid fixed in time (so the value at an instant never depends on which
// day asked first) and interpolated between them, cubic through the four
// surrounding nodes (the place against TT, so that a leap second is no jump),
// right ascension unwrapped, sidereal time as its small departure from
// uniform rotation. The parallax (WGS84 site at its height), the horizon and
// the semidiameter are computed at every instant from the interpolated
// place, as precise::Topocentric does. Nodes already computed are kept for
// the next Cover, so consecutive days share them.
namespace skycalc::sky {

// Node spacing in days, indexed by Body: the longest whose
// interpolation error in altitude, azimuth and hour angle stays under 0.05"
// (measured against the full model at random instants of 1000-3000, bodies
// more than 3 degrees from the Sun; the figures in the comments, and
// tests/astro/events/precise_sky_test.cpp holds them). Closer to the Sun the
// light deflection changes too fast for any of these spacings and the error
// reaches 1" at conjunction (Neptune), when the body is invisible anyway and
// its times move by a fraction of a second.
inline constexpr double kPreciseNodeSpacing[10] = {
    2.0,      // Sun: 0.013" (1 day: 0.003")
    0.5,      // Mercury: 0.026" (1 day: 0.4")
    1.0,      // Venus: 0.029" (2 days: 0.46")
    1.0,      // Mars: 0.003" (2 days: 0.05")
    2.0,      // Jupiter: 0.006"
    2.0,      // Saturn: 0.007"
    1.0,      // Uranus: 0.001" (2 days: 0.022")
    1.0,      // Neptune: 0.001" (2 days: 0.084")
    2.0,      // Pluto: 0.003"
    1.0 / 8,  // Moon: 0.027" (1/4 day: 0.12")
};
inline constexpr double kPreciseStarNodeSpacing = 2.0;

class PreciseSky final : public events::SkyFunction {
 public:
  // The Sun, a planet, Pluto or the Moon at a site (WGS84, at its height).
  // nodeSpacing (days) 0 takes the table's; others are for measuring.
  PreciseSky(Body body, const GeoSite& site, double nodeSpacing = 0.0);
  // A catalogue place of J2000.0 (ICRS, radians) at a site.
  PreciseSky(double ra2000, double dec2000, const GeoSite& site, double nodeSpacing = 0.0);

  // Computes the nodes [fromJd, toJd] needs, keeping those already known;
  // the model's status if any of them is outside its years.
  events::Status Cover(double fromJd, double toJd) const override;
  events::SkyState At(double jd) const override;
  events::SkyState EventAt(double jd) const override;
  events::SkyState SearchAt(double jd) const override;
  events::SkyState SearchFieldsAt(double jd, unsigned fields) const override;
  bool IsSun() const override;

 private:
  struct Node {
    precise::GeocentricApparent place;
    double gast;    // Greenwich apparent sidereal time
    double deltaT;  // TT - UTC, days
  };
  // The four nodes around one grid interval, as the interpolation takes them.
  struct Window {
    bool valid = false;
    double index = 0.0;  // grid index of the second node
    precise::Status status = precise::Status::kOk;
    double ra[4], dec[4], distance[4], deltaT[4], departure[4];
    double inverseDenominator[4];  // of the Lagrange weights in TT
    bool smoothDeltaT = false;     // TT - UTC a low polynomial across the nodes
    double gast = 0.0;  // the second node's
  };
  // A node's instant, its TT - UTC (days) and the search's frames there.
  struct NodeTime {
    timescale::Instant t;
    double deltaT;
    precise::detail::SearchFrame frames;
  };
  NodeTime NodeTimeOf(double index) const;
  Node ExactNode(double index) const;
  // Up to four of the Moon's nodes (grid indices indices[i] into *out[i])
  // with one evaluation of the series for all.
  void ExactMoonNodes(const double* indices, std::size_t count, Node* const* out) const;
  // The search frame's slow terms at TT jdTt, interpolated.
  precise::detail::SlowTerms InterpolatedSlowTerms(double jdTt) const;
  // The window of jd's interval (computing its nodes if no Cover did) and
  // jd's fraction of the way from the second node to the third.
  const Window& WindowAt(double jd, double& fraction) const;
  // Interpolated geocentric place at jd (UT) from jd's window n, u of the
  // way; TT - UTC at jd from timescale::DeltaT when exact (an event's
  // figures) or when the window's is not smooth, otherwise cubic through
  // the nodes' (a search's evaluation, within 1e-17 days).
  inline precise::GeocentricApparent InterpolatedPlace(double jd, const Window& n, double u, bool exact) const;
  // Interpolated Greenwich apparent sidereal time at jd, [0, 2pi).
  inline double InterpolatedSiderealTime(const Window& n, double u) const;
  // The direction (and distance) of the body from the site at jd in the
  // frame of State, AU. exact: with the library's sine and cosine, as an
  // event's readout (At) takes them; otherwise with the searches' own
  // (fasttrig, within an ulp), the same bits again for an instant among the
  // last few.
  inline void TopocentricAt(double jd, bool exact, double& x, double& y, double& z) const;
  // The fields named by fields (events::SkyField bits); exact: At's, with the
  // azimuth and the library's trigonometry; otherwise a search's.
  events::SkyState State(double jd, unsigned fields, bool exact) const;

  bool star_;
  Body body_;
  double ra2000_, dec2000_;
  GeoSite site_;
  double siteX_, siteZ_;  // site's distance from the axis and the equator, AU
  double sinLatitude_ = 0.0, cosLatitude_ = 1.0;
  double spacing_;
  mutable double firstIndex_ = 0.0;  // grid index of nodes_[0]
  mutable std::vector<Node> nodes_;
  mutable Window window_;
  // A node of a slow term's grid: the nutation's (dpsi, deps) or the
  // complementary terms' (a alone).
  struct SlowNode {
    double index = -1e300;  // on its grid
    double a = 0.0, b = 0.0;
  };
  const SlowNode& NodeOf(SlowNode (&ring)[8], double k, double spacing, bool nutation) const;
  mutable SlowNode nutation_[8], eect_[8];  // by grid index modulo 8
  // The site's topocentric vector (meridian frame, AU) at instants the
  // search evaluated lately, with the interpolated hour angle, declination
  // and distance it came from, each in the slot its bits hash to: an
  // extremum's state is taken at a point its search evaluated, and an
  // event's At at the last point of its root.
  struct Topocentric {
    double jd = -1e300;
    double hourAngle = 0.0, declination = 0.0, distance = 0.0;
    bool exactPlace = false;  // TT - UTC from timescale::DeltaT, as At takes it
    double x = 0.0, y = 0.0, z = 0.0;
  };
  static constexpr unsigned kRecentSlots = 16;
  mutable Topocentric recent_[kRecentSlots];
};

}  // namespace skycalc::sky
