#pragma once

#include <cstdint>

// Calendar dates of Julian Days: the one inversion of the day count that the
// almanac, the events, the eclipse list, the sky events and the chart share.
// The calendar is Julian before 1582 October 15 (JD 2299160.5), Gregorian
// from it, as CalendarToJD (julian_day.h) counts it.
namespace skycalc {

struct CalendarDate {
  std::int32_t year = 0;  // astronomical (0 = 1 BC)
  int month = 1;          // 1-12
  int day = 1;            // 1 to the month's length
};
bool operator==(const CalendarDate& a, const CalendarDate& b);

// The date of the civil day number jdn (the day whose noon is JD jdn). Any
// jdn of the years -200000..200000.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 7; shifted
//   by whole 400-year Gregorian or 4-year Julian cycles so that it holds before
//   JD 0 as well.
CalendarDate DateOfDayNumber(std::int64_t jdn);

// The date of the Julian Day jd (its calendar day runs from x.5 to x+1.5).
// Any finite jd of the years -200000..200000.
CalendarDate DateOfJd(double jd);

// The day of the week of date: 0 Sunday, 1 Monday, ... 6 Saturday. The week
// runs on without a break across the 1582 reform (Thursday 1582-10-04 is
// followed by Friday 1582-10-15). Any date of the years -200000..200000.
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 7: the
//   weekday is (JD + 1.5) mod 7 of the date's 0h.
int Weekday(const CalendarDate& date);

}  // namespace skycalc
