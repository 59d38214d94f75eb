#include <erfa.h>
#include <erfam.h>

#include <limits>

#include "astro/precise/frame.h"
#include "astro/precise/precise.h"

namespace skycalc::precise {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TopocentricPlace NaNPlace(Status status) { return TopocentricPlace{status, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}; }

}  // namespace

TopocentricPlace Topocentric(const GeocentricApparent& place, double gast, const GeoSite& site) {
  if (place.status != Status::kOk) return NaNPlace(place.status);
  TopocentricPlace topo;
  topo.localSiderealTime = detail::FoldAngle(gast + site.longitude);
  topo.rightAscension = place.rightAscension;
  topo.declination = place.declination;
  if (place.distance > 0.0) {
    // Without polar motion the site's true-of-date vector is its terrestrial
    // one turned by the sidereal time, which is the ellipsoid point at the
    // local sidereal time taken as longitude.
    double observer[3], body[3], seen[3];
    eraGd2gc(ERFA_WGS84, topo.localSiderealTime, site.latitude, site.height, observer);  // metres
    eraSxp(1.0 / ERFA_DAU, observer, observer);
    eraS2p(place.rightAscension, place.declination, place.distance, body);
    eraPmp(body, observer, seen);
    eraP2s(seen, &topo.rightAscension, &topo.declination, &topo.distance);
    topo.rightAscension = detail::FoldAngle(topo.rightAscension);
  }
  // eraHd2ae counts from the north through the east; ours starts half a turn later.
  double northAzimuth = 0.0;
  eraHd2ae(topo.localSiderealTime - topo.rightAscension, topo.declination, site.latitude, &northAzimuth,
           &topo.altitude);
  topo.azimuth = detail::FoldAngle(northAzimuth - ERFA_DPI);
  return topo;
}

namespace {

TopocentricPlace PlaceAndVectors(Body body, double jdUtc, const GeoSite& site, SolarSystemVectors* vectors) {
  const Status status = detail::YearsStatus(jdUtc, body == Body::kPluto);
  if (status != Status::kOk) {
    if (vectors) *vectors = SolarSystemVectors{{kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}};
    return NaNPlace(status);
  }
  const Instant t = timescale::MakeInstant(jdUtc);
  const detail::DateFrame frame = detail::MakeDateFrame(t);
  return Topocentric(detail::BodyGeocentric(body, t, frame, vectors), frame.gast, site);
}

}  // namespace

TopocentricPlace BodyPlace(Body body, double jdUtc, const GeoSite& site) {
  return PlaceAndVectors(body, jdUtc, site, nullptr);
}

TopocentricPlace BodyPlace(Body body, double jdUtc, const GeoSite& site, SolarSystemVectors& vectors) {
  return PlaceAndVectors(body, jdUtc, site, &vectors);
}

TopocentricPlace StarPlace(double ra2000, double dec2000, double jdUtc, const GeoSite& site) {
  const Status status = detail::YearsStatus(jdUtc, false);
  if (status != Status::kOk) return NaNPlace(status);
  const Instant t = timescale::MakeInstant(jdUtc);
  const detail::DateFrame frame = detail::MakeDateFrame(t);
  return Topocentric(detail::StarGeocentric(ra2000, dec2000, t, frame), frame.gast, site);
}

}  // namespace skycalc::precise
