#pragma once

#include <cstdint>

// Civil date and local standard time to Julian Day (days of UT).
namespace skycalc {

// Astronomical year, month 1-12, day with fraction -> JD; Gregorian from JD 2299170.5 uncorrected.
double CalendarToJD(double year, double month, double day);
// Local date and time with zone offset (zoneHours + zoneMinutes/60, east positive) -> jd.
void LocalTimeToJD(std::int32_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                   std::uint8_t minute, std::int8_t zoneHours, std::uint8_t zoneMinutes, double& jd);
// JD of the 0h UT at or before jd.
double JDAtZeroHour(double jd);

}  // namespace skycalc
