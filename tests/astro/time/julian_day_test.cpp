#include "astro/time/julian_day.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace skycalc {
namespace {

struct LocalTimeCase {
  std::int32_t year;
  std::uint8_t month, day, hour, minute;
  std::int8_t zoneHours;
  std::uint8_t zoneMinutes;
  double jd;
};

// Whole-double results: the calendar arithmetic must match to the last bit.
const LocalTimeCase kLocalTimeCases[] = {
    {2000, 1, 1, 12, 0, 0, 0, 2451545.0},            // J2000.0
    {1957, 10, 4, 19, 26, 0, 0, 2436116.3097222224},  // minutes through the 1/60 and 1/24 multipliers
    {1582, 10, 15, 0, 0, 0, 0, 2299160.5},           // first Gregorian day
    {1582, 10, 4, 0, 0, 0, 0, 2299159.5},            // last Julian day
    {1582, 10, 5, 0, 0, 0, 0, 2299160.5},            // October 5-14 stay Julian dates
    {1582, 10, 15, 0, 0, 9, 0, 2299170.125},         // zone pulls the sum below the switch: Julian
    {1582, 10, 15, 9, 0, 9, 0, 2299160.5},           // 0h UT of the same date: Gregorian
    {-4712, 1, 1, 12, 0, 0, 0, 0.0},                 // origin of the day count
    {0, 1, 1, 0, 0, 0, 0, 1721057.5},                // year 0 becomes -1 in the formula: floor, not trunc
    {-1, 3, 1, 0, 0, 0, 0, 1720751.5},               // negative year in March
    {2001, 1, 1, 0, 0, 9, 0, 2451910.125},           // east zone moves UT into the previous day
    {2001, 1, 1, 9, 30, 9, 30, 2451910.5},           // zone minutes add to the zone hours
    {2001, 1, 1, 8, 30, -4, 30, 2451911.0},          // -3 h 30 min is entered as -4 and 30
    {2001, 2, 30, 0, 0, 0, 0, 2451970.5},            // February 30 counts on into March 2
};

TEST(LocalTimeToJD, Table) {
  for (const LocalTimeCase& c : kLocalTimeCases) {
    double jd = -1.0;
    LocalTimeToJD(c.year, c.month, c.day, c.hour, c.minute, c.zoneHours, c.zoneMinutes, jd);
    EXPECT_EQ(jd, c.jd) << c.year << '-' << int(c.month) << '-' << int(c.day) << ' ' << int(c.hour) << ':'
                        << int(c.minute) << " zone " << int(c.zoneHours) << ':' << int(c.zoneMinutes);
  }
}

struct ZeroHourCase {
  double jd, zero;
};

const ZeroHourCase kZeroHourCases[] = {
    {2451545.0, 2451544.5},
    {2451544.5, 2451544.5},  // already at 0h
    {2451545.4999, 2451544.5},
    {-0.25, -0.5},           // floor below the origin, not truncation
};

TEST(JDAtZeroHour, Table) {
  for (const ZeroHourCase& c : kZeroHourCases) EXPECT_EQ(JDAtZeroHour(c.jd), c.zero) << c.jd;
}

}  // namespace
}  // namespace skycalc
