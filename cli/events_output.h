#pragma once

#include <string>

#include "astro/sky/day_table.h"
#include "panel/day_events.h"

// How skycalc-cli --events writes one day: a text line, a JSON object or a CSV line.
namespace skycalc {

// Every line is labelled with the date the day actually is (day.date: a
// stored 2026-02-31 is 2026-03-03) and says how its azimuths count
// (AzimuthOriginWords of table's origin).
//
// "2025-01-01	出 06:51 (方位 117.80°)	南中 11:46 (高度 31.55°)	没 16:40 (方位 242.12°)", "なし"
// for an event the day does not have, "一日中地平線上" / "一日中地平線下" in place of
// rise and set for a body that stays up or down; for the Sun the twilights
// follow ("市民薄明 始 06:22 終 17:09", ...); last the azimuth words
// ("方位は北から東回り"). Several events of one kind are joined with ", ".
void AppendEventsText(std::string& out, const sky::LocalDayEvents& day, const sky::DayEventsTable& table);
// One JSON object per day: date, day_start_jd, rise, transit, set (lists of
// {"jd", "time", "azimuth_deg" or "altitude_deg"}), always_up, always_down,
// model, convention ("jp" or "intl"), azimuth_origin (degrees, the stored
// field), azimuth_words, and for the Sun civil, nautical, astronomical
// ({"dawn", "dusk"}, each an event or null).
void AppendEventsJson(std::string& out, const sky::LocalDayEvents& day, const sky::DayEventsTable& table);
// The CSV header and one line per day: the first rise, transit and set as
// local "HH:MM" (empty when none), their UT Julian Days, the transit's
// altitude, always_up, always_down; then the first rise's and set's azimuths,
// each twilight's first dawn and dusk as "HH:MM" and as UT Julian Days (empty
// when none, and for bodies other than the Sun), azimuth_origin_deg and
// azimuth_words.
std::string EventsCsvHeader();
void AppendEventsCsv(std::string& out, const sky::LocalDayEvents& day, const sky::DayEventsTable& table);

}  // namespace skycalc
