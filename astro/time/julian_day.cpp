#include "astro/time/julian_day.h"

#include <cmath>

#include "astro/base/constants.h"

namespace skycalc {

namespace {

constexpr double kCalendarOffset = 1720994.5;   // day offset of the calendar formula
constexpr double kGregorianSwitch = 2299170.5;  // uncorrected sum of 1582 October 15.0
constexpr double kInv100 = 0.01;
constexpr double kQuarter = 0.25;

}  // namespace

double CalendarToJD(double year, double month, double day) {
  // Months below 2.5 move to the year before: January and February become 13 and 14.
  if (month < 2.5) {
    month += 12.0;
    year -= 1.0;
  }
  // floor, not truncation, for negative years (year 0's January and February among them).
  const double jd = std::floor(365.25 * year) + std::floor(30.6001 * (month + 1.0)) + day + kCalendarOffset;
  if (jd < kGregorianSwitch) return jd;
  const double century = std::floor(year * kInv100);
  return jd + (2.0 - century) + std::floor(century * kQuarter);
}

void LocalTimeToJD(std::int32_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                   std::uint8_t minute, std::int8_t zoneHours, std::uint8_t zoneMinutes, double& jd) {
  const double clock = (hour + minute * kInv60) * kInv24;
  const double zone = (zoneHours + zoneMinutes * kInv60) * kInv24;
  // The zone comes off the day before the calendar formula, so the Julian/Gregorian test
  // sees the UT instant.
  jd = CalendarToJD(year, month, day + clock - zone);
}

double JDAtZeroHour(double jd) { return std::floor(jd - 0.5) + 0.5; }

}  // namespace skycalc
