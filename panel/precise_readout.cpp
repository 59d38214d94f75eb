#include "panel/precise_readout.h"

#include <cmath>
#include <limits>

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/precise/precise.h"

namespace skycalc {

namespace {

constexpr precise::Body kPreciseBodies[] = {
    precise::Body::kSun,     precise::Body::kSun,     precise::Body::kMercury, precise::Body::kVenus,
    precise::Body::kSun,     precise::Body::kMars,    precise::Body::kJupiter, precise::Body::kSaturn,
    precise::Body::kUranus,  precise::Body::kNeptune, precise::Body::kPluto,   precise::Body::kMoon,
};  // indexed by the calculator's body number; 0 and 4 (the Earth) fall back to the Sun

// The precise model works in true radians; only the azimuth origin keeps the
// calculator's own conversion (ToPlace), so that it moves the zero exactly as there.
precise::Observer Site(double longitude, double latitude) {
  return {longitude * kExactDegToRad, latitude * kExactDegToRad};
}

Place ToPlace(const precise::TopocentricPlace& topo, double azimuthOrigin) {
  Place place;
  if (topo.status != precise::Status::kOk) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    place.equatorial[0] = place.equatorial[1] = place.horizontal[0] = place.horizontal[1] = nan;
    return place;
  }
  place.equatorial[0] = topo.rightAscension;
  place.equatorial[1] = topo.declination;
  place.horizontal[0] = ReduceRadians(topo.azimuth - azimuthOrigin * kDegToRad);
  place.horizontal[1] = topo.altitude;
  return place;
}

}  // namespace

precise::Body PreciseBodyOf(int body) {
  return body >= 1 && body <= 11 ? kPreciseBodies[body] : precise::Body::kSun;
}

const char* PreciseYearsRefusal(std::int32_t year, bool pluto) {
  if (year < 1000 || year > 2999) return kPreciseYearsMessage;
  if (pluto && (year < 1885 || year > 2099)) return kPrecisePlutoYearsMessage;
  return nullptr;
}

Place PreciseBodyPlace(int body, double jd, double longitude, double latitude, double azimuthOrigin) {
  return ToPlace(precise::BodyPlace(PreciseBodyOf(body), jd, Site(longitude, latitude)), azimuthOrigin);
}

Place PreciseCatalogPlace(double ra2000, double dec2000, double jd, double longitude, double latitude,
                          double azimuthOrigin) {
  return ToPlace(precise::StarPlace(ra2000 * kExactDegToRad, dec2000 * kExactDegToRad, jd, Site(longitude, latitude)),
                 azimuthOrigin);
}

double PreciseSiderealTime(double jd, double longitude) {
  if (!(jd >= precise::kFirstJdUtc && jd < precise::kEndJdUtc)) return std::numeric_limits<double>::quiet_NaN();
  const double lst = std::fmod(precise::ApparentSiderealTime(precise::MakeInstant(jd)) + longitude * kExactDegToRad,
                               2.0 * 3.14159265358979323846);
  return lst < 0.0 ? lst + 2.0 * 3.14159265358979323846 : lst;
}

}  // namespace skycalc
