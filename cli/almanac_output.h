#pragma once

#include <cstdint>
#include <string>

#include "astro/almanac/almanac.h"
#include "astro/almanac/holidays.h"
#include "cli/cli_options.h"

// skycalc-cli --almanac and --calendar: the year's events and the month's
// days of the Japanese almanac (astro/almanac), always from the accurate
// Sun and Moon whatever the model chosen.
namespace skycalc {

// One event: text "2026-03-20	23:46	春分" (a day-only 雑節 has an empty
// time: "2026-02-03		節分"); JSON {"jd","date","time","kind","name",
// "longitude_deg"}, every key always there and null where it does not apply
// (jd and time of a day-only 雑節, longitude_deg of a phase and of the 雑節
// counted in days); CSV in the same columns, empty where JSON has null.
void AppendAlmanacEventText(std::string& out, const almanac::Event& event);
void AppendAlmanacEventJson(std::string& out, const almanac::Event& event);
std::string AlmanacCsvHeader();
void AppendAlmanacEventCsv(std::string& out, const almanac::Event& event);

// One day of a month: text "2026-02-17	29.3	0.002	旧1月1日	先勝	朔 21:01"
// (age to 0.1 day, fraction to 0.001, events joined by ", "), on a holiday
// followed by a tab and its name ("春分の日(予定)" when planned); JSON
// {"date","moon_age_noon","illuminated_fraction","lunar_date":{"month","day",
// "leap"},"lunar_uncertain","rokuyo","holiday","holiday_planned","events":[...]},
// lunar_uncertain true on the days whose lunar month has no settled rule,
// "holiday" the name or null, "holiday_planned" true/false on a holiday
// (an equinox day not yet announced) and null on other days; CSV date,
// moon_age_noon, illuminated_fraction, lunar_month, lunar_day, lunar_leap,
// lunar_uncertain, rokuyo, events (as in the text), holiday, holiday_planned
// (empty on a day that is no holiday).
void AppendCalendarDayText(std::string& out, const almanac::Day& day);
void AppendCalendarDayJson(std::string& out, const almanac::Day& day);
std::string CalendarCsvHeader();
void AppendCalendarDayCsv(std::string& out, const almanac::Day& day);

// One of Japan's holidays: text "2026-01-01	元日" ("2028-03-20	春分の日(予定)"
// when planned); JSON {"date","name","planned"} (planned: resting on an
// equinox day not yet announced); CSV date, name, planned.
void AppendHolidayText(std::string& out, const almanac::Holiday& holiday);
void AppendHolidayJson(std::string& out, const almanac::Holiday& holiday);
std::string HolidaysCsvHeader();
void AppendHolidayCsv(std::string& out, const almanac::Holiday& holiday);

// Writes count years of events from year (or count months of days from
// year-month) to standard output in format; a text calendar ends with the
// notes on the lunar calendar ("※..."). zoneMinutes: the stored zone,
// minutes east. Returns the exit status: 0, or 2 with almanac::kYearsMessage
// on standard error for a year outside 1000-2999 (what was written before
// it stays). The output goes out a year (a block of 12 months) at a time, in
// the same memory whatever the count; showProgress: draw TableProgress's
// line on standard error (rows: the events, whose total is estimated, or the
// days).
int WriteAlmanac(int year, int zoneMinutes, std::int64_t count, CliFormat format, bool showProgress);
int WriteCalendar(int year, int month, int zoneMinutes, std::int64_t count, CliFormat format, bool showProgress);
// Writes Japan's holidays of count years from year (none before
// 1948-07-20); the exit status as WriteAlmanac's.
int WriteHolidays(int year, std::int64_t count, CliFormat format);

}  // namespace skycalc
