// The day of the week of a civil date, Gregorian against Python's datetime
// (date.isoweekday() % 7), Julian against the reform of 1582 (Thursday 4
// October was followed by Friday 15 October, bull Inter gravissimas) and the
// Julian calendar's 28-year cycle (10227 days, whole weeks).
#include <gtest/gtest.h>

#include "astro/time/calendar.h"

namespace skycalc {
namespace {

struct WeekdayCase {
  CalendarDate date;
  int weekday;  // 0 Sunday
};

constexpr WeekdayCase kWeekdays[] = {
    {{1582, 10, 15}, 5}, {{1600, 2, 29}, 2}, {{1900, 3, 1}, 4},  {{2000, 2, 29}, 2},  {{2023, 3, 1}, 3},
    {{2033, 11, 1}, 2},  {{2033, 12, 1}, 4}, {{2100, 3, 1}, 1},  {{9999, 12, 31}, 5}, {{1582, 10, 4}, 4},
    {{1582 - 28 * 99, 10, 4}, 4},   // JD still positive
    {{1582 - 28 * 7000, 10, 4}, 4}, // before JD 0
};

TEST(CalendarWeekday, GregorianAndJulianDates) {
  for (const WeekdayCase& c : kWeekdays) {
    EXPECT_EQ(Weekday(c.date), c.weekday) << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
}

}  // namespace
}  // namespace skycalc
