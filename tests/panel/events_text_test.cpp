// The texts that label days.
#include <gtest/gtest.h>

#include "panel/day_events.h"
#include "astro/time/calendar.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

// Dates of Julian Days (Meeus, Astronomical Algorithms, 2nd ed., examples 7.c,
// 7.d; the reform; JD 0), and keyed dates the calendar does not have.
TEST(CalendarDates, DateOfJdAndTheDayAKeyedDateStandsFor) {
  const struct { double jd; CalendarDate date; } days[] = {
      {2436116.31, {1957, 10, 4}}, {1842713.0, {333, 1, 27}}, {1507900.13, {-584, 5, 28}}, {2299159.5, {1582, 10, 4}},
      {2299160.5, {1582, 10, 15}}, {0.0, {-4712, 1, 1}}, {-0.6, {-4713, 12, 31}}, {-34803576.5, {-99999, 1, 1}}};
  for (const auto& d : days) EXPECT_EQ(DateOfJd(d.jd), d.date) << d.jd;
  const struct { CalendarDate keyed, actual; } keyed[] = {
      {{2026, 2, 30}, {2026, 3, 2}}, {{2024, 2, 31}, {2024, 3, 2}}, {{1582, 10, 10}, {1582, 10, 20}},
      {{2026, 2, 28}, {2026, 2, 28}}, {{-99999, 2, 30}, {-99999, 3, 2}}};
  for (const auto& k : keyed) EXPECT_EQ(ActualDate(k.keyed.year, k.keyed.month, k.keyed.day), k.actual);
}

TEST_F(PanelTest, RiseSetBoxNamesTheDayAThirtiethOfFebruaryIs) {
  Open();
  SetInstant("2026", 2, 30, 12, 0, "9", "139.7");
  EXPECT_EQ(EventsTitle(dlg->CurrentObservation()), "太陽　2026年3月2日");
  EXPECT_EQ(EventsNote(dlg->CurrentObservation(), {}), "2月30日は3月2日として計算しました");
}

}  // namespace
}  // namespace skycalc
