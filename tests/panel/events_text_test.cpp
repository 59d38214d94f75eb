// The texts that label days and azimuths.
#include <gtest/gtest.h>

#include "panel/azimuth_words.h"
#include "panel/day_events.h"
#include "panel_fixture.h"

namespace skycalc {
namespace {

// Meeus, Astronomical Algorithms (2nd ed.), examples 7.c and 7.d and the
// reform: the dates of Julian Days on both calendars, before JD 0 too; and
// keyed dates the calendar does not have, counted on as CalendarToJD counts.
TEST(CalendarDates, DateOfJdAndTheDayAKeyedDateStandsFor) {
  const struct {
    double jd;
    events::CalendarDate date;
  } days[] = {{2436116.31, {1957, 10, 4}}, {1842713.0, {333, 1, 27}},  {1507900.13, {-584, 5, 28}},
              {2299159.5, {1582, 10, 4}},  {2299160.5, {1582, 10, 15}}, {0.0, {-4712, 1, 1}},
              {-0.6, {-4713, 12, 31}},     {-34803576.5, {-99999, 1, 1}}};
  for (const auto& d : days) EXPECT_EQ(events::DateOfJd(d.jd), d.date) << d.jd;
  const struct {
    events::CalendarDate keyed, actual;
  } keyed[] = {{{2026, 2, 30}, {2026, 3, 2}}, {{2024, 2, 31}, {2024, 3, 2}},   {{2026, 4, 31}, {2026, 5, 1}},
               {{1582, 10, 10}, {1582, 10, 20}}, {{2026, 2, 28}, {2026, 2, 28}}, {{99999, 12, 31}, {99999, 12, 31}},
               {{-99999, 2, 30}, {-99999, 3, 2}}};
  for (const auto& k : keyed)
    EXPECT_EQ(events::ActualDate(k.keyed.year, k.keyed.month, k.keyed.day), k.actual) << k.keyed.month << "/" << k.keyed.day;
}

// The 出没時刻 box names the day it computed, not the one keyed.
TEST_F(PanelTest, RiseSetTitleNamesTheDayAThirtiethOfFebruaryIs) {
  Open();
  SetInstant("2026", 2, 30, 12, 0, "9", "139.7");
  const Observation o = dlg->CurrentObservation();
  EXPECT_EQ(EventsTitle(o), "太陽　2026年3月2日");
  EXPECT_EQ(DateNote(o.fields.year, o.fields.month, o.fields.day), "2月30日は3月2日として計算しました");
  EXPECT_EQ(DateNote(2026, 3, 2), "");
}

// The words for every way the origin can point.
TEST(AzimuthWords, NameTheDirectionOfZeroAndTheWayAzimuthsRun) {
  const struct {
    double origin;
    const char* words;
  } cases[] = {{0.0, "方位は南から西回り"},   {90.0, "方位は西から北回り"},
               {180.0, "方位は北から東回り"}, {270.0, "方位は東から南回り"},
               {360.0, "方位は南から西回り"}, {-90.0, "方位は東から南回り"},
               {37.5, "方位は南から西へ37.50°の向きを0°として西回り"},
               {200.0, "方位は北から東へ20.00°の向きを0°として東回り"}};
  for (const auto& c : cases) EXPECT_EQ(AzimuthOriginWords(c.origin), c.words) << c.origin;
}

}  // namespace
}  // namespace skycalc
