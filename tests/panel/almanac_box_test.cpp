// The 暦 box's values against published references: the almanac office's
// 暦要項 2023 (二十四節気 and 朔弦望 in JST, 春分の日), the same phases in
// the USNO's table of Moon phases (UT + 9 h: 朔 2023-03-21 17:23 UT), the
// leap months 閏2月 2023 and 閏11月 2033 as calendars print them with their
// 六曜, the holidays by the holiday law, and weekdays by Python's datetime.
#include <gtest/gtest.h>

#include <string>

#include "panel/almanac_box.h"

namespace skycalc {
namespace {

using Colour = AlmanacDayColour;

struct MonthCase {
  int year, month;
  int firstWeekday;  // of day 1, Python: date(y, m, 1).isoweekday() % 7
  int days;
  bool uncertain;    // the 2033-2034 note
};

constexpr MonthCase kMonths[] = {{2023, 3, 3, 31, false}, {2033, 11, 2, 30, true}, {2033, 12, 4, 31, true}};

struct DayCase {
  int year, month, day;
  const char* age;       // nullptr: not checked
  const char* lunar;
  const char* rokuyo;
  const char* holiday;
  Colour colour;
  const char* eventLine;  // a line of the event columns, nullptr for none checked
};

constexpr DayCase kDays[] = {
    {2023, 3, 6, nullptr, nullptr, nullptr, "", Colour::kPlain, "6日 啓蟄 05:36"},
    {2023, 3, 7, nullptr, nullptr, nullptr, "", Colour::kPlain, "7日 望 21:40"},
    {2023, 3, 15, nullptr, nullptr, nullptr, "", Colour::kPlain, "15日 下弦 11:08"},
    {2023, 3, 21, nullptr, nullptr, nullptr, "春分の日", Colour::kSunday, "21日 春分 06:24"},
    {2023, 3, 22, "0.4", "旧閏2/1", "友引", "", Colour::kPlain, "22日 朔 02:23"},  // noon 9 h 37 min after 朔
    {2023, 3, 25, nullptr, nullptr, nullptr, "", Colour::kSaturday, nullptr},
    {2023, 3, 29, nullptr, nullptr, nullptr, "", Colour::kPlain, "29日 上弦 11:32"},
    {2033, 11, 3, nullptr, nullptr, nullptr, "文化の日", Colour::kSunday, nullptr},
    {2033, 11, 23, nullptr, nullptr, nullptr, "勤労感謝の日", Colour::kSunday, nullptr},
    {2033, 12, 22, nullptr, "旧閏11/1", "大安", "", Colour::kPlain, nullptr},
    {2033, 12, 25, nullptr, nullptr, nullptr, "", Colour::kSunday, nullptr},
};

const AlmanacCell* CellOf(const AlmanacBox& box, int day) {
  for (const AlmanacCell& cell : box.cells) {
    if (cell.day == day) return &cell;
  }
  return nullptr;
}

TEST(AlmanacBoxPublished, MonthsWithTheirLeapMonths) {
  for (const MonthCase& m : kMonths) {
    SCOPED_TRACE(std::to_string(m.year) + "-" + std::to_string(m.month));
    const AlmanacBox box = AlmanacBoxMaker(9, 0).Month(m.year, m.month);
    ASSERT_EQ(box.refusal, nullptr);
    EXPECT_EQ(box.title, std::to_string(m.year) + "年" + std::to_string(m.month) + "月　標準時 9時0分");
    EXPECT_EQ(box.cells[m.firstWeekday].day, 1);
    EXPECT_EQ(box.cells[m.firstWeekday + m.days - 1].day, m.days);
    EXPECT_EQ(box.note.find(almanac::kLunarUncertainNote) != std::string::npos, m.uncertain);
    EXPECT_EQ(box.note.rfind(almanac::kLunarNote, 0), 0u);
    for (const DayCase& d : kDays) {
      if (d.year != m.year || d.month != m.month) continue;
      const AlmanacCell* cell = CellOf(box, d.day);
      ASSERT_NE(cell, nullptr) << d.day;
      if (d.age) EXPECT_EQ(cell->age, d.age) << d.day;
      if (d.lunar) EXPECT_EQ(cell->lunar, d.lunar) << d.day;
      if (d.rokuyo) EXPECT_EQ(cell->rokuyo, d.rokuyo) << d.day;
      EXPECT_EQ(cell->holiday, d.holiday) << d.day;
      EXPECT_EQ(cell->colour, d.colour) << d.day;
      if (d.eventLine) {
        const std::string all = box.eventColumns[0] + "\n" + box.eventColumns[1] + "\n" + box.eventColumns[2] + "\n";
        EXPECT_NE(all.find(std::string(d.eventLine) + "\n"), std::string::npos) << d.eventLine;
      }
    }
  }
}

// The Moon of a day whose noon age lies between half the almanac's synodic
// month (29.530588861 / 2 = 14.76529443 d) and half the rounded 29.530589
// (14.7652945 d) has passed full: it wanes. The box cut it at the rounded
// month, so such a Moon was drawn waxing, lit on the wrong side.
TEST(AlmanacBoxMoon, AlmanacMoonIconWaxingCutOff) {
  const struct {
    double age;
    bool waxing;
  } cases[] = {{14.7652944, true}, {14.76529444, false}, {14.7652946, false}};
  for (const auto& c : cases) {
    almanac::MonthGrid grid;
    grid.year = 2026;
    grid.month = 3;
    almanac::Day day;
    day.date = {2026, 3, 1};
    day.moonAgeNoon = c.age;
    day.illuminatedFraction = 0.25;
    grid.days = {day};
    const AlmanacBox box = MakeAlmanacBox(grid, PhenomenaListResult{}, 9, 0);
    const AlmanacCell& cell = box.cells[0];  // 2026-03-01 is a Sunday
    ASSERT_EQ(cell.day, 1);
    EXPECT_EQ(cell.waxing, c.waxing) << c.age;
    // The lit part on the Sun's side: its points right of the centre while waxing, left while waning.
    ASSERT_EQ(cell.moon.items.size(), 2u);
    const std::vector<double>& lit = cell.moon.items[1].points;
    double sum = 0;
    for (std::size_t i = 0; i < lit.size(); i += 2) sum += lit[i] - kMoonIconUnits / 2;
    EXPECT_EQ(sum > 0, c.waxing) << c.age;
  }
}

// Each day's cell names its 天象 after its own events, as the almanac office's
// 天象 page and the press give them for January 2026 (JST): 木星 衝 1-10 17:42;
// the full Moon by Jupiter on the night of 1-3/4 and again on 1-31; the Moon by
// Mars and Venus on 1-19 (朔 04:52); しぶんぎ座流星群 at its maximum on 1-4;
// 火星 合 1-9. Not named: the Moon's passes of Mercury (1-19), of bright stars
// (1-1 アルデバラン, 1-15 アンタレス) and of 天王星 and 海王星 (1-28), Jupiter's
// closest approach (1-9), perigees and apogees, and planet pairs (1-18 水星・火星).
// (Moved from the window's tests: the rule is the view-model's.)
TEST(AlmanacBoxSky, DaysNameTheirSkyEventsButNotTheMinorOnes) {
  const AlmanacBox box = AlmanacBoxMaker(9, 0).Month(2026, 1);
  const struct {
    int day;
    const char* shown;  // the cell's events line; "" for none
  } cases[] = {{10, "木星衝"}, {4, "しぶんぎ座流星群 月・木星"}, {31, "月・木星"}, {19, "朔 月・火星・金星"},
               {9, "火星合"},  {15, ""},                         {18, ""},         {28, ""},         {1, ""}};
  for (const auto& c : cases) EXPECT_EQ(CellOf(box, c.day)->eventsLine, c.shown) << c.day;
  EXPECT_EQ(CellOf(box, 1)->holiday, "元日");
}

}  // namespace
}  // namespace skycalc
