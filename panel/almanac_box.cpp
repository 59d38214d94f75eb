#include "panel/almanac_box.h"

#include <cmath>
#include <cstdio>

#include "astro/almanac/holidays.h"
#include "astro/base/constants.h"
#include "astro/time/calendar.h"
#include "panel/readout_format.h"

namespace skycalc {

namespace {

const char* const kWeekdayHeads[kAlmanacWeekLength] = {"日", "月", "火", "水", "木", "金", "土"};

// The icon's colours: the disc, its rim and the lit part.
constexpr Rgba kMoonDisc{0x48, 0x48, 0x50, 255};
constexpr Rgba kMoonRim{0x70, 0x70, 0x70, 255};
constexpr Rgba kMoonLit{0xf6, 0xdc, 0x60, 255};
constexpr double kMoonRimWidth = 0.8;
constexpr int kMoonSteps = 24;  // points per half outline

AlmanacDayColour ColourOfWeekday(int weekday) {
  return weekday == 0 ? AlmanacDayColour::kSunday : weekday == 6 ? AlmanacDayColour::kSaturday : AlmanacDayColour::kPlain;
}

// "20日 春分 23:46", "17日 彼岸の入り"
std::string EventLine(const almanac::Event& event) {
  std::string line = FormatText("%d日 ", event.date.day) + event.name;
  if (event.hasTime) line += FormatText(" %02d:%02d", event.hour, event.minute);
  return line;
}

// The month index (year * 12 + month - 1) as a year and a month.
void MonthOfIndex(int index, int& year, int& month) {
  year = index / 12;
  month = index % 12 + 1;
}


const char* ColourKey(AlmanacDayColour colour) {
  return colour == AlmanacDayColour::kSunday ? "sunday" : colour == AlmanacDayColour::kSaturday ? "saturday" : "plain";
}

}  // namespace

bool MoonWaxing(double ageDays) { return ageDays < almanac::kSynodicMonth / 2; }

DisplayList MoonIcon(double fraction, bool waxing) {
  DisplayList list;
  list.width = list.height = kMoonIconUnits;
  const double c = kMoonIconUnits / 2, r = c - kMoonRimWidth / 2;
  list.Circle(c, c, r, kMoonDisc, kMoonRim, kMoonRimWidth);
  const double side = waxing ? 1 : -1, bulge = 2 * fraction - 1;
  std::vector<double> lit;
  lit.reserve(4 * (kMoonSteps + 1));
  for (int i = 0; i <= kMoonSteps; ++i) {  // the limb, top to bottom
    const double t = kExactPi * i / kMoonSteps;
    lit.push_back(c + side * r * std::sin(t));
    lit.push_back(c - r * std::cos(t));
  }
  for (int i = 0; i <= kMoonSteps; ++i) {  // the terminator, bottom to top
    const double t = kExactPi * i / kMoonSteps;
    lit.push_back(c - side * bulge * r * std::sin(t));
    lit.push_back(c + r * std::cos(t));
  }
  list.Polyline(std::move(lit), {0, 0, 0, 0}, 0.0, true, kMoonLit);
  return list;
}

std::string AlmanacLunarText(const almanac::LunarDate& date) {
  return FormatText("旧%s%d/%d", date.leap ? "閏" : "", date.month, date.day);
}

AlmanacBox MakeAlmanacBox(const almanac::MonthGrid& grid, const PhenomenaListResult& sky, int zoneHour,
                          int zoneMinute) {
  AlmanacBox box;
  if (grid.status != almanac::Status::kOk) {
    box.refusal = almanac::kYearsMessage;
    return box;
  }
  box.year = grid.year;
  box.month = grid.month;
  box.title = FormatText("%d年%d月　標準時 %d時%d分", grid.year, grid.month, zoneHour, zoneMinute);
  const int index = grid.year * 12 + grid.month - 1;
  box.previousEnabled = index - 1 >= almanac::kFirstYear * 12;
  box.nextEnabled = index + 1 <= almanac::kLastYear * 12 + 11;
  MonthOfIndex(index - 1, box.previousYear, box.previousMonth);
  MonthOfIndex(index + 1, box.nextYear, box.nextMonth);
  for (int d = 0; d < kAlmanacWeekLength; ++d) {
    box.heads[d] = kWeekdayHeads[d];
    box.headColours[d] = ColourOfWeekday(d);
  }

  std::vector<std::string> lines;
  if (!grid.days.empty()) {
    // The days run on without gaps in the week, even across the 1582 reform.
    const almanac::LocalDate& first = grid.days.front().date;
    const int start = Weekday(CalendarDate{first.year, first.month, first.day});
    for (std::size_t i = 0; i < grid.days.size() && start + i < kAlmanacCells; ++i) {
      const almanac::Day& day = grid.days[i];
      AlmanacCell& cell = box.cells[start + i];
      cell.day = day.date.day;
      cell.number = std::to_string(day.date.day);
      cell.rokuyo = day.rokuyo;
      cell.age = FormatText("%.1f", day.moonAgeNoon);
      cell.lunar = AlmanacLunarText(day.lunar);
      cell.holiday = day.holiday.empty() ? std::string() : almanac::HolidayLabel(day.holiday, day.holidayPlanned);
      for (const almanac::Event& event : day.events) {
        cell.events.push_back(event.name);
        lines.push_back(EventLine(event));
      }
      for (std::string& name : CalendarPhenomena(sky, day.date.year, day.date.month, day.date.day))
        cell.events.push_back(std::move(name));
      for (std::size_t e = 0; e < cell.events.size(); ++e) cell.eventsLine += (e ? " " : "") + cell.events[e];
      const AlmanacDayColour weekday = ColourOfWeekday(static_cast<int>((start + i) % 7));
      cell.colour = cell.holiday.empty() ? weekday : AlmanacDayColour::kSunday;
      cell.fraction = day.illuminatedFraction;
      cell.waxing = MoonWaxing(day.moonAgeNoon);
      cell.moon = MoonIcon(cell.fraction, cell.waxing);
    }
  }
  // Column by column, as many lines in each as the longest needs.
  const std::size_t perColumn = (lines.size() + kAlmanacEventColumns - 1) / kAlmanacEventColumns;
  for (std::size_t l = 0; l < lines.size(); ++l) {
    std::string& column = box.eventColumns[l / perColumn];
    column += (column.empty() ? "" : "\n") + lines[l];
  }
  box.note = almanac::kLunarNote;
  if (grid.lunarUncertain) box.note += std::string("\n") + almanac::kLunarUncertainNote;
  return box;
}

AlmanacBoxMaker::AlmanacBoxMaker(int zoneHour, int zoneMinute) : m_zoneHour(zoneHour), m_zoneMinute(zoneMinute) {}

AlmanacBox AlmanacBoxMaker::Month(int year, int month) {
  const int zoneMinutes = m_zoneHour * 60 + m_zoneMinute;
  const std::vector<almanac::MonthGrid> grids = almanac::Months(year, month, 1, zoneMinutes);
  if (grids.empty() || grids.front().status != almanac::Status::kOk) {
    AlmanacBox refused;
    refused.refusal = almanac::kYearsMessage;
    return refused;
  }
  if (m_skyYear != grids.front().year) {
    m_sky = ListPhenomena({grids.front().year, 1, zoneMinutes, kPhenomenaAll});
    m_skyYear = grids.front().year;
  }
  return MakeAlmanacBox(grids.front(), m_sky, m_zoneHour, m_zoneMinute);
}

std::string AlmanacBoxJson(const AlmanacBox& box) {
  std::string out = "{\"year\":" + std::to_string(box.year) + ",\"month\":" + std::to_string(box.month) + ",\"title\":";
  AppendJsonText(out, box.title);
  const auto step = [&out](const char* name, bool enabled, int year, int month) {
    out += FormatText(",\"%s\":{\"enabled\":%s,\"year\":%d,\"month\":%d}", name, enabled ? "true" : "false", year, month);
  };
  step("previous", box.previousEnabled, box.previousYear, box.previousMonth);
  step("next", box.nextEnabled, box.nextYear, box.nextMonth);
  out += ",\"heads\":[";
  for (int d = 0; d < kAlmanacWeekLength; ++d) {
    out += d ? ",{\"text\":" : "{\"text\":";
    AppendJsonText(out, box.heads[d]);
    out += ",\"colour\":\"" + std::string(ColourKey(box.headColours[d])) + "\"}";
  }
  out += "],\"cells\":[";
  for (int s = 0; s < kAlmanacCells; ++s) {
    const AlmanacCell& cell = box.cells[s];
    out += s ? ",{\"day\":" : "{\"day\":";
    out += std::to_string(cell.day);
    if (cell.day != 0) {
      const std::pair<const char*, const std::string*> texts[] = {
          {"number", &cell.number}, {"rokuyo", &cell.rokuyo},   {"age", &cell.age},
          {"lunar", &cell.lunar},   {"holiday", &cell.holiday}, {"eventsLine", &cell.eventsLine}};
      for (const auto& [name, text] : texts) {
        out += FormatText(",\"%s\":", name);
        AppendJsonText(out, *text);
      }
      out += ",\"colour\":\"" + std::string(ColourKey(cell.colour)) + "\",\"moon\":" + DisplayListJson(cell.moon);
    }
    out += '}';
  }
  out += "],\"eventColumns\":[";
  for (int c = 0; c < kAlmanacEventColumns; ++c) {
    if (c) out += ',';
    AppendJsonText(out, box.eventColumns[c]);
  }
  out += "],\"note\":";
  AppendJsonText(out, box.note);
  return out + "}";
}

}  // namespace skycalc
