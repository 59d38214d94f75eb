#pragma once

#include <array>
#include <vector>

#include "astro/base/constants.h"
#include "astro/events/convention.h"
#include "astro/events/sky_function.h"

// Rise, transit, set and twilight of one body over one local day, for any
// model that supplies a SkyFunction. Angles in radians, instants as UT Julian
// Days.
//
// Definitions: a body rises or sets when the geometric altitude of its centre
// equals -kHorizonRefraction - semidiameter (the upper limb for the Sun and the
// Moon, the centre for points), as seen by an observer at sea level; it
// transits when its local hour angle passes 0 from east to west, above the
// horizon or not; the Sun's twilights begin (dawn, rising through) and end
// (dusk, setting through) with its centre at -6, -12 and -18 degrees.
namespace skycalc::events {

// Refraction at the horizon for the standard atmosphere, 34 arcminutes.
inline constexpr double kHorizonRefraction = 34.0 / 60.0 * kExactPi / 180.0;

enum class Twilight { kCivil, kNautical, kAstronomical };
inline constexpr int kTwilightCount = 3;
// Depression of the Sun's centre below the horizon, indexed by Twilight.
inline constexpr double kTwilightDepression[kTwilightCount] = {6.0 * kExactPi / 180.0, 12.0 * kExactPi / 180.0,
                                                               18.0 * kExactPi / 180.0};

// One event: a rise, set, transit, dawn or dusk.
struct Event {
  double jd = 0.0;                 // UT Julian Day, to better than 0.1 s of the model's crossing
  double azimuth = 0.0;            // of the centre, from the south point through west, [0, 2pi)
  double azimuthFromOrigin = 0.0;  // azimuth - azimuthOrigin folded into [0, 2pi)
  double altitude = 0.0;           // altitude of the centre (the useful figure of a transit): geometric,
                                   // but apparent for a transit in a convention with apparentTransit
};

// Dawns and dusks of one twilight. Usually at most one each; near the polar
// circles a 24-hour day can hold two of the same kind, so both are lists.
struct TwilightEvents {
  std::vector<Event> dawns;
  std::vector<Event> dusks;
};

// Everything found for one day, each list in time order. With a status other
// than kOk every list is empty and both flags are false.
struct DayEvents {
  Status status = Status::kOk;
  std::vector<Event> rises;
  std::vector<Event> transits;
  std::vector<Event> sets;
  bool alwaysUp = false;    // no rise and no set, above the horizon all day
  bool alwaysDown = false;  // no rise and no set, below it all day
  std::array<TwilightEvents, kTwilightCount> twilights;  // the Sun's only, indexed by Twilight
};

// What a day's search leaves for the next day's: its hourly samples of the
// sky (fixed in absolute time, so consecutive days share those around their
// common boundary). Only for the same SkyFunction, whose state at an instant
// never depends on what it was asked before.
struct DaySamples {
  double first = 0.0;             // grid index (hours from JD 0) of states[0]
  std::vector<SkyState> states;   // at first, first + 1, ... (all kSearchFields)
};

// The events of body sky in the day [dayStartJd, dayEndJd) (UT Julian Days of
// local 00:00 and 24:00): an event exactly at dayEndJd belongs to the next
// day. azimuthOrigin (radians) sets Event::azimuthFromOrigin: 0 counts from
// the south through west, pi from the north through east. The day may be up
// to 2 days long (kInvalidDay otherwise).
DayEvents FindDayEvents(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin = 0.0);
// The same with the rise and set of convention (refraction and limb) in place
// of the definitions above; kIntlConvention gives the very events of the
// function above.
DayEvents FindDayEvents(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin,
                        const RiseSetConvention& convention);
// The same, taking the samples it shares with the day before from *samples
// (the previous day's search of the same sky with the same samples, or
// empty) and leaving its own there: the very events, fewer evaluations.
DayEvents FindDayEvents(const SkyFunction& sky, double dayStartJd, double dayEndJd, double azimuthOrigin,
                        const RiseSetConvention& convention, DaySamples& samples);

// azimuth - origin folded into [0, 2pi) (radians).
double FoldAzimuth(double azimuth, double origin);
// An angle folded into (-pi, pi] (radians).
double WrapHourAngle(double angle);

}  // namespace skycalc::events
