#include "astro/events/local_day.h"

#include <cmath>

#include "astro/time/julian_day.h"

namespace skycalc::events {

DaySpan LocalDay(std::int32_t year, int month, int day, int zoneHours, int zoneMinutes) {
  // 0h UT of the date first (a whole day, so the calendar test in
  // CalendarToJD sees the date itself), then the zone; minutes exact in days.
  const double midnightUt = CalendarToJD(year, month, day);
  const double zoneDays = (zoneHours * 60.0 + zoneMinutes) / 1440.0;
  DaySpan span;
  span.startJd = midnightUt - zoneDays;
  span.endJd = span.startJd + 1.0;
  return span;
}

}  // namespace skycalc::events
