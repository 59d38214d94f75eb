#include <cmath>
#include <limits>

#include "astro/base/angles.h"
#include "astro/base/constants.h"
#include "astro/horizon/precession.h"
#include "astro/planets/geocentric.h"
#include "astro/precise/precise.h"
#include "astro/sky/calculator_sky.h"
#include "astro/sky/model.h"
#include "astro/sky/precise_sky.h"
#include "astro/time/julian_day.h"
#include "astro/time/sidereal.h"
#include "astro/time/time_scales.h"

namespace skycalc::sky {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Place NaNPlace() {
  Place place;
  place.equatorial[0] = place.equatorial[1] = place.horizontal[0] = place.horizontal[1] = kNaN;
  return place;
}

// The calculator's model: its own degree factor, mean sidereal time, every year.
class CalculatorSkyModel final : public SkyModel {
 public:
  bool IsPrecise() const override { return false; }
  double DegreesPerRadian() const override { return kRadToDeg; }
  double RadiansPerDegree() const override { return kDegToRad; }
  Coverage Covers(const Target&, std::int32_t) const override { return Coverage::kCovered; }

  double SiderealTime(const Instant& instant, const Site& site) const override {
    return LocalSiderealTime(instant.jd, site.longitude * kDegToRad);
  }

  std::unique_ptr<events::SkyFunction> Sky(const Target& target, const Site& site) const override {
    const GeoSite radians = SiteRadians(site);
    if (target.kind == Target::Kind::kCatalog)
      return std::make_unique<CalculatorCatalogSky>(target.ra2000 * kDegToRad, target.dec2000 * kDegToRad, radians);
    return std::make_unique<CalculatorBodySky>(BodyNumber(target.body), radians);
  }

 protected:
  Place Locate(const Target& target, const Instant& instant, const Site& site, double azimuthOrigin,
               BodyVectors* vectors) const override {
    Place place;
    if (target.kind == Target::Kind::kCatalog) {
      CatalogPlace(instant.jd, site.longitude * kDegToRad, site.latitude * kDegToRad, azimuthOrigin * kDegToRad,
                   target.ra2000 * kDegToRad, target.dec2000 * kDegToRad, place);
      return place;
    }
    const double lst = LocalSiderealTime(instant.jd, site.longitude * kDegToRad);
    if (!vectors) {
      GeocentricPlace(BodyNumber(target.body), instant.jd, lst, site.latitude * kDegToRad, azimuthOrigin * kDegToRad,
                      place);
      return place;
    }
    GeocentricPlace(BodyNumber(target.body), instant.jd, lst, site.latitude * kDegToRad, azimuthOrigin * kDegToRad,
                    place, vectors->earth, vectors->helio, vectors->geo);
    vectors->valid = true;
    vectors->jd = instant.jd;
    return place;
  }
};

// The precise model: true radians for the site and the rows; only the
// azimuth origin keeps the calculator's factor, so that it moves the zero
// exactly as the calculator's readouts do.
class PreciseSkyModel final : public SkyModel {
 public:
  // The local years the readouts and the events are given for.
  static constexpr std::int32_t kFirstYear = 1000, kLastYear = 2999;
  static constexpr std::int32_t kFirstPlutoYear = 1885, kLastPlutoYear = 2099;

  bool IsPrecise() const override { return true; }
  double DegreesPerRadian() const override { return kExactRadToDeg; }
  double RadiansPerDegree() const override { return kExactDegToRad; }

  Coverage Covers(const Target& target, std::int32_t year) const override {
    if (year < kFirstYear || year > kLastYear) return Coverage::kOutsideYears;
    if (target.IsBody(Body::kPluto) && (year < kFirstPlutoYear || year > kLastPlutoYear))
      return Coverage::kOutsidePlutoYears;
    return Coverage::kCovered;
  }

  double SiderealTime(const Instant& instant, const Site& site) const override {
    if (instant.localYear < kFirstYear || instant.localYear > kLastYear) return kNaN;
    const double lst = std::fmod(precise::ApparentSiderealTime(timescale::MakeInstant(instant.jd)) +
                                     site.longitude * kExactDegToRad,
                                 kExactTwoPi);
    return lst < 0.0 ? lst + kExactTwoPi : lst;
  }

  std::unique_ptr<events::SkyFunction> Sky(const Target& target, const Site& site) const override {
    const GeoSite radians = SiteRadians(site);
    if (target.kind == Target::Kind::kCatalog)
      return std::make_unique<PreciseSky>(target.ra2000 * kExactDegToRad, target.dec2000 * kExactDegToRad, radians);
    return std::make_unique<PreciseSky>(target.body, radians);
  }

 protected:
  Place Locate(const Target& target, const Instant& instant, const Site& site, double azimuthOrigin,
               BodyVectors* vectors) const override {
    if (Covers(target, instant.localYear) != Coverage::kCovered) return NaNPlace();
    const GeoSite observer = SiteRadians(site);
    precise::TopocentricPlace topo;
    if (target.kind == Target::Kind::kCatalog) {
      topo = precise::StarPlace(target.ra2000 * kExactDegToRad, target.dec2000 * kExactDegToRad, instant.jd, observer);
    } else if (!vectors) {
      topo = precise::BodyPlace(target.body, instant.jd, observer);
    } else {
      precise::SolarSystemVectors v;
      topo = precise::BodyPlace(target.body, instant.jd, observer, v);
      if (topo.status == precise::Status::kOk) {
        vectors->valid = true;
        vectors->icrsAxes = true;
        for (int i = 0; i < 3; ++i) {
          vectors->earth[i] = v.earth[i];
          vectors->geo[i] = v.body[i];
          vectors->helio[i] = v.earth[i] + v.body[i];
        }
        vectors->jd = timescale::MakeInstant(instant.jd).jdTt;
      }
    }
    if (topo.status != precise::Status::kOk) return NaNPlace();
    Place place;
    place.equatorial[0] = topo.rightAscension;
    place.equatorial[1] = topo.declination;
    place.horizontal[0] = ReduceRadians(topo.azimuth - azimuthOrigin * kDegToRad);
    place.horizontal[1] = topo.altitude;
    return place;
  }
};

}  // namespace

Instant LocalInstant(std::int32_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                     std::uint8_t minute, std::int8_t zoneHours, std::uint8_t zoneMinutes) {
  Instant instant;
  instant.localYear = year;
  LocalTimeToJD(year, month, day, hour, minute, zoneHours, zoneMinutes, instant.jd);
  return instant;
}

const SkyModel& CalculatorModel() {
  static const CalculatorSkyModel model;
  return model;
}

const SkyModel& PreciseModel() {
  static const PreciseSkyModel model;
  return model;
}

}  // namespace skycalc::sky
