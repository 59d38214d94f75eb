#pragma once

#include <cstdint>

#include "astro/time/calendar.h"

// The local calendar day as a span of UT Julian Days.
namespace skycalc::events {

struct DaySpan {
  double startJd = 0.0;  // UT Julian Day of local 00:00
  double endJd = 0.0;    // UT Julian Day of local 24:00, startJd + 1
};

// Local date (astronomical year, so 1 BC is 0; month 1-12; day 1-31; Julian
// calendar up to 1582 October 4, Gregorian from October 15) in a zone of
// zoneHours + zoneMinutes / 60 hours east of Greenwich, zoneMinutes 0-59 as the
// calculator takes them (-3 h 30 min is -4 and 30) -> the day's UT span. Unlike
// the calculator's local-time conversion, the calendar is chosen by the local
// date alone, so that no zone can move a date across the 1582 reform.
DaySpan LocalDay(std::int32_t year, int month, int day, int zoneHours, int zoneMinutes);

}  // namespace skycalc::events
