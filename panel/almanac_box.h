#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/almanac/almanac.h"
#include "panel/display_list.h"
#include "panel/phenomena_list.h"

// The 暦 box as values: one month of the almanac in a zone as a calendar of
// six weeks, every text already formatted and each day's Moon as a display
// list, with the steps to the months before and after. The window
// (app/almanac_dlg) and the page (showAlmanac) only lay it out and draw it.
namespace skycalc {

// The colour class of a day's number and of a weekday head: red for Sundays
// and holidays, blue for Saturdays, else the text colour.
enum class AlmanacDayColour { kPlain, kSaturday, kSunday };

inline constexpr int kAlmanacWeekLength = 7;
inline constexpr int kAlmanacCells = 42;       // six weeks
inline constexpr int kAlmanacEventColumns = 3;
// The Moon icon's box (MoonIcon), square, in its own units.
inline constexpr double kMoonIconUnits = 20.0;

// One slot of the calendar: week * 7 + weekday (0 Sunday).
struct AlmanacCell {
  int day = 0;              // day of the month; 0 for a slot before or after the month (every text empty)
  std::string number;       // "20"
  std::string rokuyo;       // "先負"
  std::string age;          // the 正午月齢 to a tenth: "1.1"
  std::string lunar;        // "旧2/2", "旧閏11/30"
  std::string holiday;      // "春分の日", "秋分の日(予定)"; empty on other days
  std::vector<std::string> events;  // the day's own events ("朔", "春分"), then its 天象's names ("月・土星")
  std::string eventsLine;   // the events joined by spaces, as the cell shows them
  AlmanacDayColour colour = AlmanacDayColour::kPlain;
  double fraction = 0.0;    // the Moon's illuminated fraction at local noon, [0, 1]
  bool waxing = true;       // MoonWaxing of the noon age
  DisplayList moon;         // MoonIcon(fraction, waxing); empty for a slot outside the month
};

struct AlmanacBox {
  const char* refusal = nullptr;  // almanac::kYearsMessage for a month outside 1000-2999 (nothing else set)
  int year = 0, month = 0;        // the month shown
  std::string title;              // "2026年3月　標準時 9時0分"
  bool previousEnabled = false;   // 前月: the month before lies within the years
  int previousYear = 0, previousMonth = 0;
  bool nextEnabled = false;       // 翌月
  int nextYear = 0, nextMonth = 0;
  std::array<std::string, kAlmanacWeekLength> heads;  // "日" ... "土"
  std::array<AlmanacDayColour, kAlmanacWeekLength> headColours{};
  std::array<AlmanacCell, kAlmanacCells> cells;
  // The month's events, "20日 春分 23:46" or "17日 彼岸の入り", one a line,
  // column by column, as many in each as the longest needs.
  std::array<std::string, kAlmanacEventColumns> eventColumns;
  std::string note;  // almanac::kLunarNote, and kLunarUncertainNote on a line of its own where it applies
};

// The box of year-month (1-12) in the zone zoneHour hours and zoneMinute
// minutes east (the minutes add: -3 h 30 min is -4 and 30), with each day's
// 天象 from sky (ListPhenomena of that local year in the same zone).
AlmanacBox MakeAlmanacBox(const almanac::MonthGrid& grid, const PhenomenaListResult& sky, int zoneHour,
                          int zoneMinute);

// The boxes of one zone month after month: keeps the 天象 of the year last
// shown, so that stepping through a year lists them once.
class AlmanacBoxMaker {
 public:
  AlmanacBoxMaker(int zoneHour, int zoneMinute);
  // The box of year-month (1-12); refusal set outside 1000-2999.
  AlmanacBox Month(int year, int month);

 private:
  int m_zoneHour, m_zoneMinute;
  int m_skyYear = 0;  // the year of m_sky; 0 for none yet
  PhenomenaListResult m_sky;
};

// Whether a Moon of ageDays (days since 朔) is drawn waxing: below half the
// almanac's synodic month.
bool MoonWaxing(double ageDays);

// The Moon's phase as a kMoonIconUnits square: the dark disc, and its lit
// part with the bright limb a half circle towards the Sun (the right while
// waxing, as seen from the northern hemisphere) and the terminator a half
// ellipse whose half-width is |2 fraction - 1| of the radius, bulging to the
// dark side past half lit. fraction in [0, 1].
DisplayList MoonIcon(double fraction, bool waxing);

// "旧2/2", "旧閏11/30"
std::string AlmanacLunarText(const almanac::LunarDate& date);

// The box as JSON for the page: {"year", "month", "title", "previous":
// {"enabled", "year", "month"}, "next": {...}, "heads": [{"text", "colour"}],
// "cells": [{"day", "number", "rokuyo", "age", "lunar", "holiday",
// "eventsLine", "colour", "moon": DisplayListJson}] (42, a slot outside the
// month {"day": 0}), "eventColumns": [3 texts], "note"}; colours "plain",
// "saturday", "sunday".
std::string AlmanacBoxJson(const AlmanacBox& box);

}  // namespace skycalc
