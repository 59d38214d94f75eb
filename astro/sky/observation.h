#pragma once

#include <cstdint>

#include "astro/base/body.h"

// What every model is asked about: a target, a site and an instant, as the
// calculator's fields give them.
namespace skycalc::sky {

// A body of the planet list, or a catalogue row (a star or a constellation point).
struct Target {
  enum class Kind { kBody, kCatalog };
  Kind kind = Kind::kBody;
  Body body = Body::kSun;  // for kBody
  double ra2000 = 0.0;     // for kCatalog: right ascension of J2000.0, degrees
  double dec2000 = 0.0;    // for kCatalog: declination of J2000.0, degrees

  static Target OfBody(Body body) { return Target{Kind::kBody, body, 0.0, 0.0}; }
  static Target OfCatalogRow(double ra2000, double dec2000) { return Target{Kind::kCatalog, Body::kSun, ra2000, dec2000}; }
  bool IsBody(Body b) const { return kind == Kind::kBody && body == b; }
};

// An observer as the calculator's fields give it: degrees, as the calculator
// stores them (its 32-bit fields widened), at sea level. Each model turns it
// into a GeoSite (astro/base/site.h) by its own factor (SkyModel::SiteRadians):
// the calculator's model must see these very degrees times its truncated
// factor, which a site kept in radians could not give back bit for bit.
struct Site {
  double longitude = 0.0;  // east positive
  double latitude = 0.0;   // north positive
};

// One instant: the UT Julian Day of a local date and time, with the local
// year that decides whether a model covers it.
struct Instant {
  double jd = 0.0;
  std::int32_t localYear = 0;
};

// The instant of the calculator's fields (local date and time, zone offset
// zoneHours + zoneMinutes / 60 hours east), converted exactly as its time
// readout converts them (LocalTimeToJD).
Instant LocalInstant(std::int32_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                     std::uint8_t minute, std::int8_t zoneHours, std::uint8_t zoneMinutes);

// Whether a model has places for a target in a local year.
enum class Coverage { kCovered, kOutsideYears, kOutsidePlutoYears };

}  // namespace skycalc::sky
