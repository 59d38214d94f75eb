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

class SkyModel {
 public:
  virtual ~SkyModel() = default;
  // True for the precise model.
  virtual bool IsPrecise() const = 0;
  // Whether the model has places for target in the local year.
  virtual Coverage Covers(const Target& target, std::int32_t localYear) const = 0;
  // Where target stands at instant for site, radians: equatorial = {right
  // ascension, declination}, horizontal = {azimuth from the south through
  // west minus azimuthOrigin (degrees, converted by the calculator's factor)
  // folded into one turn, altitude}. Every number NaN where Covers refuses
  // instant.localYear.
  virtual Place PlaceOf(const Target& target, const Instant& instant, const Site& site,
                        double azimuthOrigin) const = 0;
  // Local sidereal time at instant for site (radians, one turn): the mean one
  // of the calculator's model, the apparent one of the precise model; NaN
  // where the model covers no target in instant.localYear.
  virtual double SiderealTime(const Instant& instant, const Site& site) const = 0;
  // target seen from site as the events search asks for it (centre, geometric
  // altitude, hour angle, semidiameter). The search applies no year limit:
  // callers check Covers for the local date first.
  virtual std::unique_ptr<events::SkyFunction> Sky(const Target& target, const Site& site) const = 0;
};

// The two models (static objects, never destroyed before exit).
const SkyModel& CalculatorModel();
const SkyModel& PreciseModel();
// One of the two.
inline const SkyModel& ModelOf(bool precise) { return precise ? PreciseModel() : CalculatorModel(); }

}  // namespace skycalc::sky
