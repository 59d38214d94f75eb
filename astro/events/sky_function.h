#pragma once

#include "astro/base/site.h"

// What the rise, transit, set and twilight search needs to know of a body:
// where its centre stands at an instant. The search is the same for every
// model; each model supplies one of these.
namespace skycalc::events {

// Whether a day's events could be found.
enum class Status {
  kOk,
  kInvalidDay,         // the day's bounds are not finite, or end is not after start, or it spans over 2 days
  kInvalidBody,        // no such body in the model
  kOutsideYears,       // the model has no place for some instant of the day
  kOutsidePlutoYears,  // likewise, for Pluto's narrower span
};

// The body's centre seen from the site at one instant. Angles in radians.
struct SkyState {
  double altitude = 0.0;      // geometric (no refraction), [-pi/2, pi/2]
  double azimuth = 0.0;       // from the south point through west, [0, 2pi)
  double hourAngle = 0.0;     // local hour angle, west positive, (-pi, pi]
  double semidiameter = 0.0;  // apparent radius; 0 for a point (planet, star)
};

// The fields of a SkyState a search may ask for alone (bits, combined with |).
enum SkyField : unsigned {
  kAltitudeField = 1u,
  kHourAngleField = 2u,
  kSemidiameterField = 4u,
  kSearchFields = 7u,  // all three, as SearchAt gives them
};

// A body's place as a function of the instant (UT Julian Day).
//
// Cover is called once per day before any At, with the instants the search
// will ask for; a model that tabulates or caches prepares itself there (the
// cache is an implementation detail, hence const). Not safe for concurrent
// use of one object.
class SkyFunction {
 public:
  virtual ~SkyFunction() = default;
  // Readies [fromJd, toJd] (UT); kOk, or why At cannot be used there.
  virtual Status Cover(double fromJd, double toJd) const = 0;
  // The centre at jd (UT), jd within the last covered span.
  virtual SkyState At(double jd) const = 0;
  // The altitude and azimuth as At gives them, bit for bit: what a found
  // event reports. The other fields may be left 0. By default At.
  virtual SkyState EventAt(double jd) const { return At(jd); }
  // The same without the azimuth (left 0), which the search itself never
  // reads: every other field as At gives it, or within a few units in the
  // last place of At's where a model computes them more cheaply (the search
  // only compares them and steps on them; what it reports comes from
  // EventAt). By default it is At.
  virtual SkyState SearchAt(double jd) const { return At(jd); }
  // The fields of SearchAt that fields (SkyField bits) names, as SearchAt
  // gives them, bit for bit; the others may be left 0 (a root of the
  // altitude needs no hour angle). By default SearchAt.
  virtual SkyState SearchFieldsAt(double jd, unsigned fields) const {
    static_cast<void>(fields);
    return SearchAt(jd);
  }
  // True for the Sun: only the Sun has twilights.
  virtual bool IsSun() const = 0;
};

}  // namespace skycalc::events
