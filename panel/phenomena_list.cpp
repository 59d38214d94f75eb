#include "panel/phenomena_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/time/calendar.h"
#include "panel/readout_format.h"

namespace skycalc {

namespace {

using phenomena::Event;
using phenomena::Kind;
using phenomena::Object;

// Per kind: its key, its name and what it means to an observer.
struct KindText {
  const char* key;
  const char* name;
  const char* meaning;
};
constexpr KindText kKindTexts[phenomena::kKindCount] = {
    {"conjunction", "合", "太陽と同じ方向にあり見えない"},
    {"inferior_conjunction", "内合", "太陽と地球の間を通り見えない"},
    {"superior_conjunction", "外合", "太陽の向こう側にあり見えない"},
    {"opposition", "衝", "一晩中見える"},
    {"eastern_quadrature", "東矩", "夕方に南中する"},
    {"western_quadrature", "西矩", "明け方に南中する"},
    {"greatest_eastern_elongation", "東方最大離角", "夕方の西の空で見やすい"},
    {"greatest_western_elongation", "西方最大離角", "明け方の東の空で見やすい"},
    {"stationary_retrograde", "留", "星座の間で止まり、逆行に移る"},
    {"stationary_direct", "留", "星座の間で止まり、順行に移る"},
    {"greatest_brilliancy", "最大光度", "もっとも明るく輝く"},
    {"closest_to_earth", "地球最近", "地球にもっとも近づく"},
    {"perigee", "近地点", "月が地球にもっとも近づく"},
    {"apogee", "遠地点", "月が地球からもっとも遠ざかる"},
    {"moon_conjunction", "合", "月と並んで見える"},
    {"perihelion", "近日点", "地球が太陽にもっとも近づく"},
    {"aphelion", "遠日点", "地球が太陽からもっとも遠ざかる"},
    {"planet_conjunction", "合", "二つの惑星が並んで見える"},
    {"meteor_shower", "極大", "流星がもっとも多く流れるころ"},
};

constexpr const char* kObjectNames[] = {"水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "月",
                                        "地球", "アルデバラン", "レグルス", "スピカ", "アンタレス", ""};

const char* NameOf(Object o) { return kObjectNames[static_cast<int>(o)]; }


std::string Figure(const Event& e) {
  switch (e.unit) {
    case phenomena::Unit::kDegree:
      return FormatText(e.kind == Kind::kMeteorShower ? "太陽黄経 %.2f°" : "%.1f°", e.value);
    case phenomena::Unit::kAu: return FormatText("%.4f au", e.value);
    case phenomena::Unit::kKm: return FormatText("%.0f km", e.value);
    case phenomena::Unit::kMagnitude: return FormatText("%.1f等", e.value);
    case phenomena::Unit::kNone: break;
  }
  return "";
}

const char* UnitKey(phenomena::Unit unit) {
  static const char* const kKeys[] = {"", "deg", "au", "km", "mag"};
  return kKeys[static_cast<int>(unit)];
}

const char* GroupKey(phenomena::Group group) {
  static const char* const kKeys[] = {"planet", "moon", "meteor"};
  return kKeys[static_cast<int>(group)];
}

PhenomenaRow RowOf(const Event& e, int zoneMinutes) {
  PhenomenaRow row;
  row.event = e;
  // The minute as the almanac rounds it (30 s up); the date is that minute's.
  const double minutes = std::floor(e.jdUtc * 1440.0 + 720.0 + zoneMinutes + 0.5);
  const long jdn = static_cast<long>(std::floor(minutes / 1440.0));
  const long minuteOfDay = static_cast<long>(minutes - 1440.0 * jdn);
  const CalendarDate date = DateOfDayNumber(jdn);
  row.date = FormatText("%04d-%02d-%02d", static_cast<int>(date.year), date.month, date.day);
  row.time = FormatText("%02ld:%02ld", minuteOfDay / 60, minuteOfDay % 60);
  const KindText& text = kKindTexts[static_cast<int>(e.kind)];
  row.kindKey = text.key;
  row.groupKey = GroupKey(phenomena::GroupOf(e.kind));
  row.name = text.name;
  row.meaning = text.meaning;
  row.figure = Figure(e);
  row.unitKey = UnitKey(e.unit);
  switch (e.kind) {
    case Kind::kMoonConjunction:
    case Kind::kPlanetConjunction:
      row.body = std::string(NameOf(e.body)) + "・" + NameOf(e.other);
      // Where the second body passes: "月の南 2.1°" (south of the Moon).
      row.detail = std::string(NameOf(e.body)) + (e.north ? "の北 " : "の南 ") + row.figure;
      break;
    case Kind::kMeteorShower: {
      std::size_t count = 0;
      const phenomena::Shower* showers = phenomena::Showers(&count);
      row.body = showers[e.shower].name;
      break;
    }
    case Kind::kStationaryToRetrograde: row.body = NameOf(e.body); row.detail = "順行→逆行"; break;
    case Kind::kStationaryToDirect: row.body = NameOf(e.body); row.detail = "逆行→順行"; break;
    default: row.body = NameOf(e.body); break;
  }
  return row;
}

}  // namespace

PhenomenaListResult ListPhenomena(const PhenomenaListRequest& request) {
  PhenomenaListResult result;
  if (request.years < 1 || request.year < phenomena::kFirstYear ||
      request.year > phenomena::kLastYear - (request.years - 1)) {
    result.refusal = phenomena::kYearsMessage;
    return result;
  }
  for (std::int64_t i = 0; i < request.years; ++i) {
    const phenomena::YearPhenomena year =
        phenomena::PhenomenaOfYear(static_cast<int>(request.year + i), request.zoneMinutes);
    for (const Event& e : year.events) {
      const unsigned group = 1u << static_cast<int>(phenomena::GroupOf(e.kind));  // as PhenomenaGroupOf
      if (request.groups & group) result.rows.push_back(RowOf(e, request.zoneMinutes));
    }
  }
  return result;
}

const char* const kPhenomenaColumns[kPhenomenaColumnCount] = {"日付", "時刻", "天体", "現象", "数値", "位置", "意味"};
const char* const kPhenomenaGroupKeys[kPhenomenaGroupCount] = {"planet", "moon", "meteor"};
const char* const kPhenomenaGroupNames[kPhenomenaGroupCount] = {"惑星", "月", "流星群"};

std::array<std::string, kPhenomenaColumnCount> PhenomenaCells(const PhenomenaRow& row) {
  return {row.date, row.time, row.body, row.name, row.figure, row.detail, row.meaning};
}

unsigned PhenomenaGroupOf(const PhenomenaRow& row) { return 1u << static_cast<int>(phenomena::GroupOf(row.event.kind)); }

std::string PhenomenaTitle(std::int32_t year, int zoneHour, int zoneMinute) {
  return FormatText("%d年の天象　標準時 %d時%d分", static_cast<int>(year), zoneHour, zoneMinute);
}

std::string CalendarPhenomenonName(const PhenomenaRow& row) {
  const Event& e = row.event;
  switch (e.kind) {
    case Kind::kEasternQuadrature:
    case Kind::kWesternQuadrature:
    case Kind::kClosestToEarth:
    case Kind::kPerigee:
    case Kind::kApogee:
    case Kind::kPerihelion:
    case Kind::kAphelion:
    case Kind::kPlanetConjunction: return "";
    case Kind::kMoonConjunction:
      return e.other >= Object::kVenus && e.other <= Object::kSaturn ? row.body : "";
    case Kind::kMeteorShower: {
      // Reference: 国立天文台 ほしぞら情報, the three major showers (三大流星群).
      std::size_t count = 0;
      const std::string code = phenomena::Showers(&count)[e.shower].code;
      return code == "QUA" || code == "PER" || code == "GEM" ? row.body : "";
    }
    default: return e.body <= Object::kSaturn ? row.body + row.name : "";
  }
}

std::vector<std::string> CalendarPhenomena(const PhenomenaListResult& list, int year, int month, int day) {
  const std::string date = FormatText("%04d-%02d-%02d", year, month, day);
  std::vector<std::string> names;
  std::size_t moon = std::string::npos;  // the day's first Moon conjunction shown, which takes the others' planets
  for (const PhenomenaRow& row : list.rows) {
    if (row.date != date) continue;
    std::string name = CalendarPhenomenonName(row);
    if (name.empty()) continue;
    if (row.event.kind != Kind::kMoonConjunction) {
      names.push_back(std::move(name));
    } else if (moon == std::string::npos) {
      moon = names.size();
      names.push_back(std::move(name));
    } else {
      names[moon] += std::string("・") + NameOf(row.event.other);
    }
  }
  return names;
}

unsigned PhenomenaGroupsOf(const std::string& list) {
  static const char* const kNames[] = {"planet", "moon", "meteor"};
  unsigned groups = 0;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, comma - start);
    unsigned bit = 0;
    for (unsigned k = 0; k < 3; ++k) {
      if (name == kNames[k]) bit = 1u << k;
    }
    if (!bit) return 0;
    groups |= bit;
    start = comma + 1;
  }
  return groups;
}

}  // namespace skycalc
