#include "astro/time/calendar.h"

#include <gtest/gtest.h>

namespace skycalc {
namespace {

// Day numbers and weekdays of dates on both sides of the 1582 reform.
// Gregorian rows: Python's datetime (date.toordinal() + 1721425,
// isoweekday() % 7); Julian rows: E. G. Richards' Julian-calendar day number
// (Explanatory Supplement to the Astronomical Almanac, 3rd ed., 15.11), JD 0
// a Monday, and Thursday 1582 October 4 followed by Friday October 15
// (Meeus, Astronomical Algorithms, ch. 7).
TEST(CalendarDayNumbers, DayNumberAndWeekdayOfDates) {
  const struct {
    int year, month, day;
    long jdn;
    int weekday;  // 0 Sunday
  } cases[] = {
      {-4712, 1, 1, 0, 1},         {1000, 1, 1, 2086308, 1},    {1582, 10, 4, 2299160, 4},
      {1582, 10, 15, 2299161, 5},  {1900, 2, 28, 2415079, 3},   {1970, 1, 1, 2440588, 4},
      {2000, 2, 29, 2451604, 2},   {2026, 12, 8, 2461383, 2},   {2100, 3, 1, 2488129, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DayNumberOfDate(c.year, c.month, c.day), c.jdn) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(Weekday(c.jdn), c.weekday) << c.jdn;
    EXPECT_EQ(DateOfDayNumber(c.jdn), (CalendarDate{c.year, c.month, c.day})) << c.jdn;
  }
  EXPECT_EQ(Weekday(-1), 0) << "the Sunday before JD 0: the week runs on below zero";
}

// Leap years by the Julian rule up to 1582 (1500 and year 0 leap) and the
// Gregorian rule after it (1700, 1900, 2100 not; 1600, 2000 leap), as
// Python's calendar.isleap gives them from 1583 on.
TEST(CalendarDayNumbers, FebruaryLengthFollowsTheRuleOfItsCalendar) {
  const struct {
    int year, february;
  } cases[] = {{-5, 28}, {-4, 29}, {0, 29}, {1500, 29}, {1582, 28}, {1600, 29},
               {1700, 28}, {1900, 28}, {2000, 29}, {2024, 29}, {2100, 28}};
  for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.year, 2), c.february) << c.year;
}

// The local date of an instant: 2026-12-07 15:00 UTC is 00:00 of 12-08 in
// Japan (UTC+9) and still 12-07 at Greenwich and west of it.
TEST(CalendarDayNumbers, LocalDayOfAnInstantTurnsAtLocalMidnight) {
  const double jdUtc = 2461382.125;  // 2026-12-07 15:00 UTC
  EXPECT_EQ(LocalDayNumber(jdUtc, 9 * 60), 2461383);
  EXPECT_EQ(LocalDayNumber(jdUtc - 1e-6, 9 * 60), 2461382);
  EXPECT_EQ(LocalDayNumber(jdUtc, 0), 2461382);
  EXPECT_EQ(LocalDayNumber(jdUtc, -5 * 60), 2461382);
}

}  // namespace
}  // namespace skycalc
