#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/phenomena/phenomena.h"

// The sky events (天象) of the stored local year(s), every text formatted,
// for skycalc-cli --phenomena and the window's and page's 天象 box.
namespace skycalc {

// Which groups to list (bits): 惑星 (the planets and the Earth), 月, 流星群.
inline constexpr unsigned kPhenomenaPlanets = 1, kPhenomenaMoon = 2, kPhenomenaMeteors = 4;
inline constexpr unsigned kPhenomenaAll = 7;

struct PhenomenaListRequest {
  std::int32_t year = 2000;  // first local year, 1000-2999
  std::int64_t years = 1;    // how many years from it
  int zoneMinutes = 0;       // local zone offset from UTC, minutes, east positive
  unsigned groups = kPhenomenaAll;
};

// One event, as shown.
struct PhenomenaRow {
  phenomena::Event event;
  std::string date;     // "2024-01-03": local date of the rounded minute (Julian calendar before 1582-10-15)
  std::string time;     // "09:38": local time rounded to the nearest minute (30 s up), as the almanac
  const char* kindKey;  // "opposition", "moon_conjunction" ... (JSON, CSV)
  const char* groupKey; // "planet", "moon", "meteor"
  std::string body;     // "火星", "月・土星", "金星・木星", "地球", "しぶんぎ座流星群"
  std::string name;     // "衝", "東方最大離角", "留", "近地点", "合", "極大" ...
  std::string figure;   // "46.2°", "0.3727 au", "356915 km", "-4.7等", "太陽黄経 283.15°" (J2000.0); empty for none
  const char* unitKey;  // "deg", "au", "km", "mag" or "" (JSON, CSV)
  std::string detail;   // "月の南 2.1°" (where the star or planet passes), "金星の北 0.5°", "順行→逆行"; may be empty
  std::string meaning;  // one line: "夕方の西の空で見やすい", "一晩中見える" ...
};

struct PhenomenaListResult {
  const char* refusal = nullptr;  // phenomena::kYearsMessage when a year is outside 1000-2999
  std::vector<PhenomenaRow> rows; // by instant
};

PhenomenaListResult ListPhenomena(const PhenomenaListRequest& request);

// The box's column heads (日付, 時刻, 天体, 現象, 数値, 位置, 意味) and a row's
// texts in their order.
inline constexpr int kPhenomenaColumnCount = 7;
extern const char* const kPhenomenaColumns[kPhenomenaColumnCount];
std::array<std::string, kPhenomenaColumnCount> PhenomenaCells(const PhenomenaRow& row);

// The groups' keys (as PhenomenaRow::groupKey) and their names on the box's
// check boxes, in the order of the bits kPhenomenaPlanets, kPhenomenaMoon,
// kPhenomenaMeteors.
inline constexpr int kPhenomenaGroupCount = 3;
extern const char* const kPhenomenaGroupKeys[kPhenomenaGroupCount];
extern const char* const kPhenomenaGroupNames[kPhenomenaGroupCount];
// The bit of a row's group (kPhenomenaPlanets ...).
unsigned PhenomenaGroupOf(const PhenomenaRow& row);

// The box's title: "2026年の天象　標準時 9時0分".
std::string PhenomenaTitle(std::int32_t year, int zoneHour, int zoneMinute);

// The name a calendar's day shows for a row, or "" for a row a calendar
// leaves to the 天象 box: the phenomena of the planets seen by eye (水星 to
// 土星) but their quadratures and closest approaches (near their 衝 and 内合):
// "火星衝", "水星東方最大離角", "金星最大光度", "木星留"; the Moon's
// conjunctions with the bright planets 金星 to 土星 ("月・土星"); the maxima
// of the three major meteor showers (しぶんぎ座, ペルセウス座, ふたご座). The
// Moon's conjunctions with 水星 and bright stars, its perigees and apogees,
// the Earth's perihelion and aphelion, the planets' pairs, 天王星, 海王星 and
// the minor showers are left out, so that a cell keeps room for the almanac's
// own events and the holiday.
std::string CalendarPhenomenonName(const PhenomenaRow& row);

// The calendar's names of the rows on a local date (as the rows' dates), by
// instant; the Moon's conjunctions of one day share one name ("月・火星・金星").
std::vector<std::string> CalendarPhenomena(const PhenomenaListResult& list, int year, int month, int day);

// The groups named in a comma-separated list of planet, moon and meteor;
// 0 for an empty list or an unknown name.
unsigned PhenomenaGroupsOf(const std::string& list);

}  // namespace skycalc
