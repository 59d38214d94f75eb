#include "astro/events/local_day.h"

#include <gtest/gtest.h>

#include "astro/time/julian_day.h"

namespace skycalc::events {
namespace {

struct LocalDayCase {
  std::int32_t year;
  int month, day, zoneHours, zoneMinutes;
  double startJd;
};

const LocalDayCase kLocalDays[] = {
    {2000, 1, 1, 9, 0, 2451544.5 - 9.0 / 24.0},
    {2024, 6, 1, 5, 45, 2460462.5 - 5.75 / 24.0},  // Nepal
    {2024, 6, 1, -4, 30, 2460462.5 + 3.5 / 24.0},  // -3:30, keyed as -4 and 30
    {1582, 10, 4, 0, 0, 2299159.5},                // last Julian day
    {1582, 10, 15, 9, 0, 2299160.5 - 9.0 / 24.0},  // first Gregorian, east of Greenwich
    {-3000, 3, 1, 2, 0, 625367.5 - 2.0 / 24.0},    // Julian calendar, astronomical year
};

TEST(LocalDay, Table) {
  for (const LocalDayCase& c : kLocalDays) {
    const DaySpan span = LocalDay(c.year, c.month, c.day, c.zoneHours, c.zoneMinutes);
    EXPECT_NEAR(span.startJd, c.startJd, 1e-9) << c.year << '-' << c.month << '-' << c.day;
    EXPECT_EQ(span.endJd, span.startJd + 1.0);
  }
}

// Regression: the calculator's local-time conversion lets a zone east of
// Greenwich pull 1582 October 15 below the reform, read as a Julian date ten
// days later; the events' day must stay the date keyed.
TEST(LocalDay, ZoneDoesNotMoveTheDateAcrossTheCalendarReform) {
  double calculatorJd = 0.0;
  LocalTimeToJD(1582, 10, 15, 0, 0, 9, 0, calculatorJd);
  EXPECT_NEAR(calculatorJd - LocalDay(1582, 10, 15, 9, 0).startJd, 10.0, 1e-9);
  // Elsewhere the day starts where the calculator puts local 00:00.
  LocalTimeToJD(-3000, 7, 14, 0, 0, -4, 30, calculatorJd);
  EXPECT_NEAR(LocalDay(-3000, 7, 14, -4, 30).startJd, calculatorJd, 1e-9);
}

}  // namespace
}  // namespace skycalc::events
