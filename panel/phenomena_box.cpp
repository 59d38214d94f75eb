#include "panel/phenomena_box.h"

namespace skycalc {

bool PhenomenaBoxCovers(std::int32_t year) { return year >= phenomena::kFirstYear && year <= phenomena::kLastYear; }

PhenomenaBox MakePhenomenaBox(const PhenomenaListResult& list, std::int32_t year, int zoneHour, int zoneMinute) {
  PhenomenaBox box;
  box.caption = "天象";
  box.year = year;
  box.title = PhenomenaTitle(year, zoneHour, zoneMinute);
  box.previous = {"前年", PhenomenaBoxCovers(year - 1), year - 1};
  box.next = {"翌年", PhenomenaBoxCovers(year + 1), year + 1};
  for (int g = 0; g < kPhenomenaGroupCount; ++g)
    box.groups.push_back({kPhenomenaGroupKeys[g], kPhenomenaGroupNames[g], 1u << g});
  box.columns.assign(kPhenomenaColumns, kPhenomenaColumns + kPhenomenaColumnCount);
  box.rows.reserve(list.rows.size());
  for (const PhenomenaRow& row : list.rows) box.rows.push_back({PhenomenaGroupOf(row), PhenomenaCells(row)});
  return box;
}

}  // namespace skycalc
