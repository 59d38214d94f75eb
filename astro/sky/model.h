#pragma once

#include <cstdint>
#include <memory>

#include "astro/events/sky_function.h"
#include "astro/frames/place.h"
#include "astro/sky/observation.h"

// The two models behind one interface: the calculator's own (mean elements,
// the short lunar series, precession of the catalogue rows, its truncated
// circle constants, every year) and the precise one (ERFA, VSOP87, apparent
// topocentric places, the years 1000-2999 and Pluto's 1885-2099). The
// readouts, the events search and every front end ask them through this.
namespace skycalc::sky {

// The Sun, the Earth and a body as a model's place of the body was made
// from them, AU. Axes: the ICRS for the precise model, the ecliptic and
// equinox of date for the calculator's.
struct BodyVectors {
  bool valid = false;                 // false for a catalogue row and where the model has no place
  bool icrsAxes = false;              // the precise model's axes
  double earth[3] = {0.0, 0.0, 0.0};  // Sun to the Earth's centre
  double helio[3] = {0.0, 0.0, 0.0};  // Sun to the body (zero for the Sun)
  double geo[3] = {0.0, 0.0, 0.0};    // the Earth's centre to the body (precise: where the light left it)
  double jd = 0.0;                    // the instant in the model's series: TT (precise), UT as is (calculator)
};

class SkyModel {
 public:
  virtual ~SkyModel() = default;
  // True for the precise model.
  virtual bool IsPrecise() const = 0;
  // Degrees per radian of the model's angles: the calculator's truncated
  // factor (kRadToDeg, as its readouts have it) for its own model, 180 / pi
  // (kExactRadToDeg) for the precise model.
  virtual double DegreesPerRadian() const = 0;
  // One of the model's angles (radians) in its own degrees.
  double Degrees(double radians) const { return radians * DegreesPerRadian(); }
  // Radians per degree of the fields the model is given (the site, a
  // catalogue row): kDegToRad for the calculator's model, pi / 180
  // (kExactDegToRad) for the precise one. Not exactly 1 / DegreesPerRadian().
  virtual double RadiansPerDegree() const = 0;
  // The site (degrees, as the fields give it) in radians by the model's own
  // factor, at sea level.
  GeoSite SiteRadians(const Site& site) const {
    return GeoSite{site.longitude * RadiansPerDegree(), site.latitude * RadiansPerDegree()};
  }
  // Whether the model has places for target in the local year.
  virtual Coverage Covers(const Target& target, std::int32_t localYear) const = 0;
  // Where target stands at instant for site, radians: equatorial = {right
  // ascension, declination}, horizontal = {azimuth from the south through
  // west minus azimuthOrigin (degrees, converted by the calculator's factor)
  // folded into one turn, altitude}. Every number NaN where Covers refuses
  // instant.localYear.
  Place PlaceOf(const Target& target, const Instant& instant, const Site& site, double azimuthOrigin) const {
    return Locate(target, instant, site, azimuthOrigin, nullptr);
  }
  // The same place, and the vectors it was made from into vectors (from the
  // one evaluation of the body and the Earth; the Moon's Earth is added).
  Place PlaceOf(const Target& target, const Instant& instant, const Site& site, double azimuthOrigin,
                BodyVectors& vectors) const {
    vectors = BodyVectors{};
    return Locate(target, instant, site, azimuthOrigin, &vectors);
  }
  // Local sidereal time at instant for site (radians, one turn): the mean one
  // of the calculator's model, the apparent one of the precise model; NaN
  // where the model covers no target in instant.localYear.
  virtual double SiderealTime(const Instant& instant, const Site& site) const = 0;
  // target seen from site as the events search asks for it (centre, geometric
  // altitude, hour angle, semidiameter). The search applies no year limit:
  // callers check Covers for the local date first.
  virtual std::unique_ptr<events::SkyFunction> Sky(const Target& target, const Site& site) const = 0;

 protected:
  // PlaceOf's place; the vectors into *vectors (left as given for a catalogue
  // row or where the model has no place) when vectors is not null.
  virtual Place Locate(const Target& target, const Instant& instant, const Site& site, double azimuthOrigin,
                       BodyVectors* vectors) const = 0;
};

// The two models (static objects, never destroyed before exit).
const SkyModel& CalculatorModel();
const SkyModel& PreciseModel();
// One of the two.
inline const SkyModel& ModelOf(bool precise) { return precise ? PreciseModel() : CalculatorModel(); }

}  // namespace skycalc::sky
