#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "panel/phenomena_list.h"

// The 天象 box as the window and the page show it: its caption, title, the
// year steps, the groups' check boxes, the column heads and the rows, every
// text formatted; a front end lays them out and filters the rows by the
// groups ticked.
namespace skycalc {

struct BoxStep {
  std::string text;          // "前年", "翌月" ...
  bool enabled = false;      // a step stays within the years the box covers
  std::int32_t target = 0;   // the year (or month index) it shows
};

struct PhenomenaBoxRow {
  unsigned group = 0;  // kPhenomenaPlanets, kPhenomenaMoon or kPhenomenaMeteors
  std::array<std::string, kPhenomenaColumnCount> cells;
};

struct PhenomenaBoxGroup {
  const char* key;   // "planet", "moon", "meteor"
  const char* name;  // "惑星", "月", "流星群"
  unsigned bit;
};

struct PhenomenaBox {
  std::string caption;  // "天象"
  std::int32_t year = 0;
  std::string title;    // "2026年の天象　標準時 9時0分"
  BoxStep previous, next;
  std::vector<PhenomenaBoxGroup> groups;   // in the order of their bits
  std::vector<std::string> columns;        // 日付, 時刻, 天体, 現象, 数値, 位置, 意味
  std::vector<PhenomenaBoxRow> rows;       // every group's, by instant
};

// The box of year's list (every group, no refusal) in the zone named by
// zoneHour and zoneMinute.
PhenomenaBox MakePhenomenaBox(const PhenomenaListResult& list, std::int32_t year, int zoneHour, int zoneMinute);

// Whether the box lists year (phenomena::kFirstYear to kLastYear).
bool PhenomenaBoxCovers(std::int32_t year);

}  // namespace skycalc
