#pragma once

#include <cstdint>

// The civil calendar: dates and Julian Days both ways, leap years, month
// lengths, weekdays and the local date of an instant, for every model, list
// and front end. The calendar is Julian before 1582 October 15 (JD
// 2299160.5), Gregorian from it, as CalendarToJD (julian_day.h) counts it;
// CalendarToJD is the one date -> Julian Day conversion, this is its inverse.
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

// The civil day number (the day whose noon is JD n) of a date, as
// CalendarToJD counts it: a day past its month's end counts on (2026
// February 30 is March 2), and 1582 October 5-14 are the Julian dates of
// October 15-24. Years -200000..200000, months 1-12.
std::int64_t DayNumberOfDate(std::int32_t year, int month, int day);

// The date a keyed date stands for: DateOfDayNumber(DayNumberOfDate(...)),
// so 2026 February 30 is March 2 and 1582 October 5-14 are October 15-24. A
// real date is itself.
CalendarDate ActualDate(std::int32_t year, int month, int day);

// Whether year (astronomical) has a 29 February: every fourth year up to
// 1582 (Julian, also for years before 0), the Gregorian rule from 1583 on.
bool IsLeapYear(std::int32_t year);

// The number of the last day of month (1-12) in year: 28 to 31. 1582
// October is numbered up to 31 although it has only 21 days (5-14 skipped).
int DaysInMonth(std::int32_t year, int month);

// The day of the week of the civil day number jdn: 0 Sunday to 6 Saturday.
// Any jdn (the week runs on through the 1582 reform: Thursday October 4 was
// followed by Friday October 15).
// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 7
//   (the day of the week is (JD + 1.5) mod 7 for JD at 0h).
int Weekday(std::int64_t jdn);

// The civil day number of the local date in which the UTC instant jdUtc
// (Julian Day) falls, in a zone zoneMinutes east of Greenwich (|zoneMinutes|
// up to a day or so): floor(jdUtc + zoneMinutes / 1440 + 0.5).
std::int64_t LocalDayNumber(double jdUtc, int zoneMinutes);

// The day of the week of date: Weekday(DayNumberOfDate(date)), 0 Sunday to
// 6 Saturday.
int Weekday(const CalendarDate& date);

}  // namespace skycalc
