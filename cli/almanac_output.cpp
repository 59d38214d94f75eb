#include "cli/almanac_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/time/julian_day.h"
#include "astro/almanac/holidays.h"
#include "cli/output_format.h"
#include "cli/standard_output.h"
#include "cli/table_stream.h"

namespace skycalc {

namespace {

constexpr int kExitRejected = 2;

std::string Printf(const char* format, double a, double b = 0, double c = 0) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

std::string DateText(const almanac::LocalDate& d) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buffer;
}

std::string TimeText(const almanac::Event& e) {
  if (!e.hasTime) return "";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", e.hour, e.minute);
  return buffer;
}

const char* KindKey(almanac::EventKind kind) {
  switch (kind) {
    case almanac::EventKind::kSolarTerm: return "solar_term";
    case almanac::EventKind::kMoonPhase: return "moon_phase";
    case almanac::EventKind::kZassetsu: return "zassetsu";
  }
  return "";
}

std::string LunarText(const almanac::LunarDate& d) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "旧%s%d月%d日", d.leap ? "閏" : "", d.month, d.day);
  return buffer;
}

// "朔 21:01, 春分 23:46", "節分"
std::string EventsText(const almanac::Day& day) {
  std::string text;
  for (const almanac::Event& e : day.events) {
    if (!text.empty()) text += ", ";
    text += e.name;
    if (e.hasTime) text += " " + TimeText(e);
  }
  return text;
}

// Writes out what the rows so far hold (and the C library's buffer).
void Flush(StreamWriter& out) {
  out.Flush();
  FlushChecked(stdout);
}

// What was written stays; the message after it.
int Rejected(StreamWriter& out, TableProgress& progress) {
  progress.Finish();
  Flush(out);
  std::fputs(almanac::kYearsMessage, stderr);
  std::fputs("\n", stderr);
  return kExitRejected;
}

// The events of a year on average: 24 solar terms, 14 雑節 and four phases
// a synodic month (29.530589 days, Meeus, Astronomical Algorithms, ch. 49).
constexpr double kEventsPerYear = 24.0 + 14.0 + 4.0 * 365.2425 / 29.530588861;

// Julian Day Number of the 1st of a month of the calculator's calendar.
std::int64_t DayNumber(std::int64_t year, std::int64_t month) {
  return std::llround(CalendarToJD(static_cast<double>(year), static_cast<double>(month), 1.0) + 0.5);
}

}  // namespace

void AppendAlmanacEventText(std::string& out, const almanac::Event& event) {
  out += DateText(event.date) + "\t" + TimeText(event) + "\t" + event.name + "\n";
}

void AppendAlmanacEventJson(std::string& out, const almanac::Event& event) {
  out += "{\"jd\":" + (event.hasTime ? FormatJsonNumber(event.jdUtc) : std::string("null"));
  out += ",\"date\":" + FormatJsonString(DateText(event.date));
  out += ",\"time\":" + (event.hasTime ? FormatJsonString(TimeText(event)) : std::string("null"));
  out += ",\"kind\":" + FormatJsonString(KindKey(event.kind));
  out += ",\"name\":" + FormatJsonString(event.name);
  out += ",\"longitude_deg\":" + (event.hasLongitude ? FormatJsonNumber(event.longitudeDeg) : std::string("null"));
  out += "}";
}

std::string AlmanacCsvHeader() { return "jd,date,time,kind,name,longitude_deg\n"; }

void AppendAlmanacEventCsv(std::string& out, const almanac::Event& event) {
  out += (event.hasTime ? FormatJsonNumber(event.jdUtc) : std::string()) + "," + DateText(event.date) + "," +
         TimeText(event) + "," + KindKey(event.kind) + "," + FormatCsvField(event.name) + "," +
         (event.hasLongitude ? FormatJsonNumber(event.longitudeDeg) : std::string()) + "\n";
}

void AppendCalendarDayText(std::string& out, const almanac::Day& day) {
  out += DateText(day.date) + "\t" + Printf("%.1f", day.moonAgeNoon) + "\t" + Printf("%.3f", day.illuminatedFraction) +
         "\t" + LunarText(day.lunar) + "\t" + day.rokuyo + "\t" + EventsText(day);
  if (!day.holiday.empty()) out += "\t" + almanac::HolidayLabel(day.holiday, day.holidayPlanned);
  out += "\n";
}

void AppendCalendarDayJson(std::string& out, const almanac::Day& day) {
  out += "{\"date\":" + FormatJsonString(DateText(day.date));
  out += ",\"moon_age_noon\":" + FormatJsonNumber(day.moonAgeNoon);
  out += ",\"illuminated_fraction\":" + FormatJsonNumber(day.illuminatedFraction);
  out += ",\"lunar_date\":{\"month\":" + std::to_string(day.lunar.month) + ",\"day\":" + std::to_string(day.lunar.day) +
         ",\"leap\":" + (day.lunar.leap ? "true" : "false") + "}";
  out += std::string(",\"lunar_uncertain\":") + (day.lunar.uncertain ? "true" : "false");
  out += ",\"rokuyo\":" + FormatJsonString(day.rokuyo);
  out += ",\"holiday\":" + (day.holiday.empty() ? std::string("null") : FormatJsonString(day.holiday));
  out += std::string(",\"holiday_planned\":") + (day.holiday.empty() ? "null" : day.holidayPlanned ? "true" : "false");
  out += ",\"events\":[";
  for (std::size_t i = 0; i < day.events.size(); ++i) {
    if (i > 0) out += ",";
    AppendAlmanacEventJson(out, day.events[i]);
  }
  out += "]}\n";
}

std::string CalendarCsvHeader() {
  return "date,moon_age_noon,illuminated_fraction,lunar_month,lunar_day,lunar_leap,lunar_uncertain,rokuyo,events,holiday,holiday_planned\n";
}

void AppendCalendarDayCsv(std::string& out, const almanac::Day& day) {
  out += DateText(day.date) + "," + FormatJsonNumber(day.moonAgeNoon) + "," + FormatJsonNumber(day.illuminatedFraction) +
         "," + std::to_string(day.lunar.month) + "," + std::to_string(day.lunar.day) + "," +
         (day.lunar.leap ? "true" : "false") + "," + (day.lunar.uncertain ? "true" : "false") + "," + day.rokuyo + "," +
         FormatCsvField(EventsText(day)) + "," + FormatCsvField(day.holiday) + "," +
         (day.holiday.empty() ? "" : day.holidayPlanned ? "true" : "false") + "\n";
}

void AppendHolidayText(std::string& out, const almanac::Holiday& holiday) {
  out += DateText(holiday.date) + "\t" + almanac::HolidayLabel(holiday.name, holiday.planned) + "\n";
}

void AppendHolidayJson(std::string& out, const almanac::Holiday& holiday) {
  out += "{\"date\":" + FormatJsonString(DateText(holiday.date)) + ",\"name\":" + FormatJsonString(holiday.name) +
         ",\"planned\":" + (holiday.planned ? "true" : "false") + "}\n";
}

std::string HolidaysCsvHeader() { return "date,name,planned\n"; }

void AppendHolidayCsv(std::string& out, const almanac::Holiday& holiday) {
  out += DateText(holiday.date) + "," + FormatCsvField(holiday.name) + "," + (holiday.planned ? "true" : "false") + "\n";
}

int WriteHolidays(int year, std::int64_t count, CliFormat format) {
  StreamWriter out(stdout);
  TableProgress progress(count, false);
  if (format == CliFormat::kCsv) out.Buffer() += HolidaysCsvHeader();
  for (std::int64_t i = 0; i < count; ++i) {
    const almanac::YearHolidays list = almanac::HolidaysOfYear(static_cast<int>(year + i));
    if (list.status != almanac::Status::kOk) return Rejected(out, progress);
    for (const almanac::Holiday& h : list.holidays) {
      switch (format) {
        case CliFormat::kText: AppendHolidayText(out.Buffer(), h); break;
        case CliFormat::kJson: AppendHolidayJson(out.Buffer(), h); break;
        case CliFormat::kCsv: AppendHolidayCsv(out.Buffer(), h); break;
      }
    }
    out.Commit();
  }
  Flush(out);
  return 0;
}

int WriteAlmanac(int year, int zoneMinutes, std::int64_t count, CliFormat format, bool showProgress) {
  StreamWriter out(stdout);
  // The rows are the events, whose number a year only averages: the total
  // shown is that average times the years (those before the last one the
  // almanac has), the rows done counted exactly.
  const std::int64_t yearsLeft = almanac::kLastYear - static_cast<std::int64_t>(year) + 1;
  const std::int64_t years = std::clamp<std::int64_t>(yearsLeft, 1, count);
  const std::int64_t expected = std::llround(static_cast<double>(years) * kEventsPerYear);
  TableProgress progress(expected, showProgress);
  std::int64_t done = 0;
  if (format == CliFormat::kCsv) out.Buffer() += AlmanacCsvHeader();
  for (std::int64_t i = 0; i < count; ++i) {
    const almanac::YearEvents events = almanac::EventsOfYear(static_cast<int>(year + i), zoneMinutes);
    if (events.status != almanac::Status::kOk) return Rejected(out, progress);
    for (const almanac::Event& e : events.events) {
      switch (format) {
        case CliFormat::kText: AppendAlmanacEventText(out.Buffer(), e); break;
        case CliFormat::kJson: AppendAlmanacEventJson(out.Buffer(), e); out.Buffer() += "\n"; break;
        case CliFormat::kCsv: AppendAlmanacEventCsv(out.Buffer(), e); break;
      }
      out.Commit();
      progress.Update(std::min(++done, expected - 1));
    }
    Flush(out);  // a year at a time
  }
  progress.Finish();
  return 0;
}

int WriteCalendar(int year, int month, int zoneMinutes, std::int64_t count, CliFormat format, bool showProgress) {
  StreamWriter out(stdout);
  // The rows are the days, from the 1st of the first month to the 1st after
  // the last (or after the almanac's last month).
  const std::int64_t monthsLeft = (almanac::kLastYear - static_cast<std::int64_t>(year)) * 12 + (12 - month) + 1;
  const std::int64_t lastIndex = (month - 1) + std::clamp<std::int64_t>(monthsLeft, 1, count);
  TableProgress progress(DayNumber(year + lastIndex / 12, lastIndex % 12 + 1) - DayNumber(year, month), showProgress);
  std::int64_t done = 0;
  if (format == CliFormat::kCsv) out.Buffer() += CalendarCsvHeader();
  bool uncertain = false;
  // A year of months at a time: the lunar months and events are shared.
  constexpr std::int64_t kBlock = 12;
  for (std::int64_t first = 0; first < count; first += kBlock) {
    const std::int64_t months = std::min(kBlock, count - first);
    const std::int64_t index = (month - 1) + first;
    const auto grids = almanac::Months(static_cast<int>(year + index / 12), static_cast<int>(index % 12 + 1),
                                       static_cast<int>(months), zoneMinutes);
    for (const almanac::MonthGrid& grid : grids) {
      if (grid.status != almanac::Status::kOk) return Rejected(out, progress);
      uncertain = uncertain || grid.lunarUncertain;
      for (const almanac::Day& day : grid.days) {
        switch (format) {
          case CliFormat::kText: AppendCalendarDayText(out.Buffer(), day); break;
          case CliFormat::kJson: AppendCalendarDayJson(out.Buffer(), day); break;
          case CliFormat::kCsv: AppendCalendarDayCsv(out.Buffer(), day); break;
        }
        out.Commit();
        progress.Update(++done);
      }
    }
    Flush(out);  // a block of months at a time
  }
  progress.Finish();
  if (format == CliFormat::kText) {
    out.Buffer() += std::string("※") + almanac::kLunarNote + "\n";
    if (uncertain) out.Buffer() += std::string("※") + almanac::kLunarUncertainNote + "\n";
  }
  Flush(out);
  return 0;
}

}  // namespace skycalc
