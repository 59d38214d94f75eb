#include "astro/time/calendar.h"

#include <cmath>

#include "astro/time/julian_day.h"

namespace skycalc {

bool operator==(const CalendarDate& a, const CalendarDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

CalendarDate DateOfDayNumber(std::int64_t jdn) {
  constexpr std::int64_t kGregorianStart = 2299161;  // civil day number of 1582 October 15
  std::int64_t z = jdn;
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

CalendarDate DateOfJd(double jd) { return DateOfDayNumber(static_cast<std::int64_t>(std::floor(jd + 0.5))); }

int Weekday(const CalendarDate& date) {
  // The civil day number of the date's 0h (x.5), whose day 0 was a Monday.
  const auto jdn = static_cast<std::int64_t>(std::floor(CalendarToJD(date.year, date.month, date.day) + 0.5));
  return static_cast<int>(((jdn + 1) % 7 + 7) % 7);
}

}  // namespace skycalc
