#include "panel/places_view.h"

#include <cmath>
#include <cstdio>

namespace skycalc {

std::string PlaceListRow(const PlaceEntry& p) {
  return p.name + "（" + p.reading + "）　" + p.region + "　" + DegreesAsKeyed(p.longitude) + "°　" +
         DegreesAsKeyed(p.latitude) + "°　" +
         FormatZoneOffset(p.zoneMinutes);
}

std::vector<std::string> PlaceListColumns(const PlaceEntry& p) {
  return {p.name, p.reading, p.region, DegreesAsKeyed(p.longitude) + "°", DegreesAsKeyed(p.latitude) + "°",
          FormatZoneOffset(p.zoneMinutes)};
}

std::vector<std::string> PlaceListHeadings() { return {"地点", "読み", "地域", "経度", "緯度", "標準時"}; }

std::string PlaceTableHeader() { return "地点\t読み\tローマ字\t地域\t経度\t緯度\t標準時\n"; }

std::string PlaceTableRow(const PlaceEntry& p) {
  return p.name + "\t" + p.reading + "\t" + p.romanised + "\t" + p.region + "\t" + p.longitudeText + "\t" +
         p.latitudeText + "\t" + FormatZoneOffset(p.zoneMinutes) + "\n";
}

std::string UnknownPlaceMessage(const std::string& typed, const std::vector<std::string>& suggestions, bool several) {
  std::string message = "地点「" + typed + (several ? "」に当てはまる地点が複数あります。" : "」は一覧にありません。");
  for (std::size_t i = 0; i < suggestions.size(); ++i)
    message += (i == 0 ? (several ? "候補: " : "近い地点: ") : "、") + suggestions[i];
  return message;
}

std::string DegreesAsKeyed(double degrees) {
  if (!std::isfinite(degrees)) return std::isnan(degrees) ? "nan" : degrees < 0 ? "-inf" : "inf";
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", degrees);
  std::string keyed = text;
  while (keyed.back() == '0') keyed.pop_back();
  if (keyed.back() == '.') keyed += '0';
  if (keyed == "-0.0") keyed = "0.0";
  return keyed;
}

std::string CaptionWithPlace(const std::string& caption, const std::string& placeName) {
  return placeName.empty() ? caption : caption + "　地点: " + placeName;
}

}  // namespace skycalc
