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

// Astronomical year, month 1-12, day with fraction (any size) -> JD in days; Julian before the switch.
double CalendarToJD(double year, double month, double day) {
  if (month < 2.5) {
    month += 12.0;
    year -= 1.0;
  }
  const double jd = std::floor(365.25 * year) + std::floor(30.6001 * (month + 1.0)) + day + kCalendarOffset;
  if (jd < kGregorianSwitch) return jd;
  const double century = std::floor(year * kInv100);
  return jd + (2.0 - century) + std::floor(century * kQuarter);
}

// Local standard date and time with zone offset (zoneHours + zoneMinutes/60 h, east positive) -> JD (UT).
void LocalTimeToJD(std::int32_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                   std::uint8_t minute, std::int8_t zoneHours, std::uint8_t zoneMinutes, double& jd) {
  const double clock = (hour + minute * kInv60) * kInv24;
  const double zone = (zoneHours + zoneMinutes * kInv60) * kInv24;
  jd = CalendarToJD(year, month, day + clock - zone);
}

// JD (days) of the 0h UT at or before jd.
double JDAtZeroHour(double jd) { return std::floor(jd - 0.5) + 0.5; }

}  // namespace skycalc
