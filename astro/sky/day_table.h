#pragma once

#include <cstdint>
#include <memory>

#include "astro/events/day_events.h"
#include "astro/events/local_day.h"
#include "astro/sky/model.h"
#include "astro/time/calendar.h"

// Rise, transit, set and twilight of one target at one site, local day by
// local day, in either model.
namespace skycalc::sky {

// One local day's events.
struct LocalDayEvents {
  std::int32_t year = 0;
  int month = 0, day = 0;     // as asked for (may be 31 February)
  CalendarDate date;  // the date the day actually is (ActualDate), which labels it
  double dayStartJd = 0.0;  // UT Julian Day of local 00:00
  Coverage coverage = Coverage::kCovered;  // otherwise no events (status kOutsideYears or kOutsidePlutoYears)
  events::DayEvents events;
};

class DayEventsTable {
 public:
  // target seen from site by model, in the zone zoneHours + zoneMinutes / 60
  // hours east (zoneMinutes 0-59 add, as the calculator takes them), azimuths
  // counted from azimuthOrigin (degrees, converted by the calculator's factor),
  // rise and set as convention defines them (Japan's almanac office unless told).
  DayEventsTable(const SkyModel& model, const Target& target, const Site& site, int zoneHours, int zoneMinutes,
                 double azimuthOrigin, const events::RiseSetConvention& convention = events::kJapanConvention);
  ~DayEventsTable();
  DayEventsTable(const DayEventsTable&) = delete;
  DayEventsTable& operator=(const DayEventsTable&) = delete;

  // The events of the local date year-month-day (astronomical year), or the
  // model's coverage refusal for that year. Consecutive days share the
  // model's work.
  LocalDayEvents Day(std::int32_t year, int month, int day) const;
  bool IsSun() const { return m_target.IsBody(Body::kSun); }
  bool IsPrecise() const { return m_model.IsPrecise(); }
  const events::RiseSetConvention& Convention() const { return m_convention; }
  // The azimuth origin as given (degrees).
  double AzimuthOrigin() const { return m_azimuthOriginDegrees; }

 private:
  const SkyModel& m_model;
  Target m_target;
  std::unique_ptr<events::SkyFunction> m_sky;
  int m_zoneHours, m_zoneMinutes;
  double m_azimuthOriginDegrees;
  double m_azimuthOrigin;  // radians
  events::RiseSetConvention m_convention;
  // The last day's hourly samples, which the next day shares.
  mutable events::DaySamples m_samples;
};

}  // namespace skycalc::sky
