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

std::int64_t DayNumberOfDate(std::int32_t year, int month, int day) {
  // CalendarToJD gives 0h of the day, exactly (whole numbers well inside a double).
  return std::lround(CalendarToJD(year, month, day) + 0.5);
}

CalendarDate ActualDate(std::int32_t year, int month, int day) {
  return DateOfDayNumber(DayNumberOfDate(year, month, day));
}

bool IsLeapYear(std::int32_t year) {
  if (year <= 1582) return year % 4 == 0;  // % keeps the sign; 0 is still 0 for -4, -8, ...
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(std::int32_t year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[(month - 1) % 12];
}

int Weekday(std::int64_t jdn) { return static_cast<int>(((jdn + 1) % 7 + 7) % 7); }

std::int64_t LocalDayNumber(double jdUtc, int zoneMinutes) {
  return static_cast<std::int64_t>(std::floor(jdUtc + zoneMinutes / 1440.0 + 0.5));
}

int Weekday(const CalendarDate& date) { return Weekday(DayNumberOfDate(date.year, date.month, date.day)); }

}  // namespace skycalc
