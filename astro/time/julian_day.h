#pragma once

#include <cstdint>

// Civil date and local standard time to Julian Day (days of UT).
namespace skycalc {

// Astronomical year (0 = 1 BC), month 1-12, day with fraction (any size: it counts on, so February 30
// is March 2) -> JD. Julian calendar while the uncorrected sum is below 2299170.5, the sum of 1582
// October 15.0, Gregorian from there, so October 5-14 of 1582 count as Julian dates. Months -9 to 14
// also come out right, running into the neighbouring years (0 = the previous December, 13 = the next
// January); further out the result drifts by days. A NaN argument gives NaN.
double CalendarToJD(double year, double month, double day);
// Local date and time with zone offset zoneHours + zoneMinutes/60 h, east positive (the minutes always
// add: -3 h 30 min is entered as -4 and 30) -> jd (UT). No field is range-checked; each counts on as in
// CalendarToJD, and the Julian/Gregorian choice is made on the UT instant.
void LocalTimeToJD(std::int32_t year, std::uint8_t month, std::uint8_t day, std::uint8_t hour,
                   std::uint8_t minute, std::int8_t zoneHours, std::uint8_t zoneMinutes, double& jd);
// JD of the 0h UT at or before jd (by floor, so also below JD 0); a NaN passes through.
double JDAtZeroHour(double jd);

}  // namespace skycalc
