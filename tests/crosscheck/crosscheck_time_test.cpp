// Calendar and sidereal time against ERFA and a textbook Julian-calendar
// formula. Dates and ranges are chosen to cover every month length, leap rule
// and the negative years where floor and truncation part ways.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "astro/time/julian_day.h"
#include "astro/time/sidereal.h"
#include "tests/crosscheck/crosscheck_util.h"

namespace skycalc {
namespace {

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool GregorianLeap(long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
bool JulianLeap(long y) { return ((y % 4) + 4) % 4 == 0; }

int MonthLength(int month, bool leap) { return month == 2 && leap ? 29 : kDaysInMonth[month - 1]; }

// Julian Day Number of a Julian-calendar date (the integer-arithmetic form in
// the Explanatory Supplement, valid for year >= -4800); earlier years are
// shifted by whole four-year cycles of 1461 days so that all divisions stay
// on non-negative numbers.
std::int64_t JulianCalendarDayNumber(std::int64_t year, std::int64_t month, std::int64_t day) {
  std::int64_t cycles = 0;
  if (year < -4799) cycles = (-4799 - year + 3) / 4;
  const std::int64_t a = (14 - month) / 12;
  const std::int64_t y = year + 4 * cycles + 4800 - a;
  const std::int64_t m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083 - 1461 * cycles;
}

double Jd(std::int32_t year, int month, int day, int hour = 0, int minute = 0, int zoneHours = 0,
          int zoneMinutes = 0) {
  double jd = 0.0;
  LocalTimeToJD(year, static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
                static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute),
                static_cast<std::int8_t>(zoneHours), static_cast<std::uint8_t>(zoneMinutes), jd);
  return jd;
}

// Every Gregorian day from 1583 to 9999, then every 97th year to 99999, at 0h:
// both sides are whole days plus one half, so they must agree exactly.
TEST(CrossCheckCalendar, GregorianMatchesErfaExactly) {
  long mismatches = 0;
  for (int year = 1583; year <= 99999; year += (year < 9999 ? 1 : 97)) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= MonthLength(month, GregorianLeap(year)); ++day) {
        double djm0 = 0.0, djm = 0.0;
        ASSERT_EQ(eraCal2jd(year, month, day, &djm0, &djm), 0);
        const double expected = djm0 + djm;
        const double got = Jd(year, month, day);
        if (got != expected && ++mismatches <= 5) {
          ADD_FAILURE() << year << "-" << month << "-" << day << ": " << got << " vs ERFA " << expected;
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Every Julian-calendar day from year -99999 to 1582 October 4, at 0h, exact.
TEST(CrossCheckCalendar, JulianMatchesTextbookFormulaExactly) {
  long mismatches = 0;
  for (int year = -99999; year <= 1582; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int last = (year == 1582 && month == 10) ? 4 : MonthLength(month, JulianLeap(year));
      for (int day = 1; day <= last; ++day) {
        const double expected = static_cast<double>(JulianCalendarDayNumber(year, month, day)) - 0.5;
        const double got = Jd(year, month, day);
        if (got != expected && ++mismatches <= 5) {
          ADD_FAILURE() << year << "-" << month << "-" << day << ": " << got << " vs " << expected;
        }
      }
      if (year == 1582 && month == 10) break;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Time of day and zone offset: the fraction is formed with the 1/60 and 1/24
// multipliers, so it may differ from ERFA's division by the last bits only.
// Measured maximum |difference|: 9.3e-10 day (one unit in the last place of a
// JD above 4.2e6, i.e. after year 6800). Bound: 2e-9 day (0.17 ms).
TEST(CrossCheckCalendar, TimeOfDayAndZoneMatchErfa) {
  TestRandom rng(20260101);
  double worst = 0.0;
  for (int i = 0; i < 200000; ++i) {
    const int year = 1583 + static_cast<int>(rng.Below(8400));
    const int month = 1 + static_cast<int>(rng.Below(12));
    const int day = 1 + static_cast<int>(rng.Below(MonthLength(month, GregorianLeap(year))));
    const int hour = static_cast<int>(rng.Below(24)), minute = static_cast<int>(rng.Below(60));
    const int zoneHours = static_cast<int>(rng.Below(47)) - 23, zoneMinutes = static_cast<int>(rng.Below(60));
    double djm0 = 0.0, djm = 0.0;
    ASSERT_EQ(eraCal2jd(year, month, day, &djm0, &djm), 0);
    const double expected = djm0 + djm + (hour + minute / 60.0 - (zoneHours + zoneMinutes / 60.0)) / 24.0;
    worst = std::fmax(worst, std::fabs(Jd(year, month, day, hour, minute, zoneHours, zoneMinutes) - expected));
  }
  std::printf("[measured] LocalTimeToJD with time and zone vs ERFA: max %.3g day\n", worst);
  EXPECT_LE(worst, 2e-9);
}

// Sidereal time: the 1900-based Newcomb polynomial against ERFA's IAU 1982
// GMST. The 1982 expression refers to the FK5 equinox, the Newcomb one to the
// FK4 equinox; the two equinoxes part by a drift of about 0.085 s per century
// (Fricke's equinox correction), so the difference is nearly linear in time:
// measured +0.007 s at 1900, -0.079 s at 2000, -0.252 s at 2200, +2.65 s at
// -2000 and -3.46 s at 6000. Bound: 0.02 s + 0.095 s per century from 1900;
// the measured difference reaches at most 0.92 of it. A wrong coefficient,
// epoch or rate breaks it by far more.
double SiderealBoundSeconds(double jd) { return 0.02 + 0.095 * std::fabs(jd - 2415020.0) / 36525.0; }

TEST(CrossCheckSidereal, MatchesErfaGmst82) {
  const double firstJd = 990557.5, lastJd = 3912515.5;  // -2000 January 1 .. 6000 January 1
  const double toSeconds = 86400.0 / (2.0 * kTruePi);
  TestRandom rng(42);
  double worstZero = 0.0, worstLocal = 0.0, worstRatio = 0.0;
  for (int i = 0; i < 40000; ++i) {
    const double jd = firstJd + rng.Unit() * (lastJd - firstJd);
    const double zeroHour = JDAtZeroHour(jd);
    const double longitude = (rng.Unit() * 2.0 - 1.0) * 3.14;
    const double zero =
        std::fabs(WrapDifference(SiderealTimeAtZeroHour(jd), eraGmst82(zeroHour, 0.0))) * toSeconds;
    const double local =
        std::fabs(WrapDifference(LocalSiderealTime(jd, longitude), eraGmst82(jd, 0.0) + longitude)) * toSeconds;
    worstZero = std::fmax(worstZero, zero);
    worstLocal = std::fmax(worstLocal, local);
    worstRatio = std::fmax(worstRatio, std::fmax(zero, local) / SiderealBoundSeconds(jd));
    ASSERT_LE(zero, SiderealBoundSeconds(jd)) << "0h, jd " << jd;
    ASSERT_LE(local, SiderealBoundSeconds(jd)) << "local, jd " << jd;
  }
  std::printf("[measured] GMST vs eraGmst82, -2000..6000: 0h max %.4f s, local max %.4f s, max/bound %.3f\n",
              worstZero, worstLocal, worstRatio);
}

}  // namespace
}  // namespace skycalc
