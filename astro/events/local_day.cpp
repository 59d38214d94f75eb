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

bool operator==(const CalendarDate& a, const CalendarDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// Days from the civil day number z (JD + 0.5, floored) to the date, by the
// inversion of the Julian and Gregorian day counts.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 7; shifted by whole
//   400-year Gregorian or 4-year Julian cycles so that it holds before JD 0 as well.
CalendarDate DateOfJd(double jd) {
  constexpr std::int64_t kGregorianStart = 2299161;  // civil day number of 1582 October 15
  std::int64_t z = static_cast<std::int64_t>(std::floor(jd + 0.5));
  const bool gregorian = z >= kGregorianStart;
  // Whole cycles of 146097 (Gregorian) or 1461 (Julian) days moved out of z, put back as years.
  const std::int64_t cycleDays = gregorian ? 146097 : 1461;
  const std::int64_t cycleYears = gregorian ? 400 : 4;
  std::int64_t cycles = 0;
  if (z < 0) {
    cycles = (-z) / cycleDays + 1;
    z += cycles * cycleDays;
  }
  std::int64_t a = z;
  if (gregorian) {
    const std::int64_t alpha = static_cast<std::int64_t>(std::floor((z - 1867216.25) / 36524.25));
    a = z + 1 + alpha - alpha / 4;
  }
  const std::int64_t b = a + 1524;
  const std::int64_t c = static_cast<std::int64_t>(std::floor((b - 122.1) / 365.25));
  const std::int64_t d = static_cast<std::int64_t>(std::floor(365.25 * c));
  const std::int64_t e = static_cast<std::int64_t>(std::floor((b - d) / 30.6001));
  CalendarDate date;
  date.day = static_cast<int>(b - d - static_cast<std::int64_t>(std::floor(30.6001 * e)));
  date.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  date.year = static_cast<std::int32_t>((date.month > 2 ? c - 4716 : c - 4715) - cycles * cycleYears);
  return date;
}

CalendarDate ActualDate(std::int32_t year, int month, int day) {
  return DateOfJd(CalendarToJD(year, month, day));
}

}  // namespace skycalc::events
