#pragma once

#include <string>

#include "astro/sky/day_table.h"
#include "panel/day_events.h"

// How skycalc-cli --events writes one day: a text line, a JSON object or a CSV line.
namespace skycalc {

// "2025-01-01	出 06:51 (方位 117.80°)	南中 11:46 (高度 31.55°)	没 16:40 (方位 242.12°)", "なし"
// for an event the day does not have, "一日中地平線上" / "一日中地平線下" in place of
// rise and set for a body that stays up or down; for the Sun the twilights
// follow ("市民薄明 始 06:22 終 17:09", ...). Several events of one kind are
// joined with ", ".
void AppendEventsText(std::string& out, const sky::LocalDayEvents& day, bool sun);
// One JSON object per day: date, day_start_jd, rise, transit, set (lists of
// {"jd", "time", "azimuth_deg" or "altitude_deg"}), always_up, always_down,
// model, and for the Sun civil, nautical, astronomical ({"dawn", "dusk"},
// each an event or null).
void AppendEventsJson(std::string& out, const sky::LocalDayEvents& day, bool sun, bool precise);
// The CSV header and one line per day: the first rise, transit and set as
// local "HH:MM" (empty when none), their UT Julian Days, the transit's
// altitude, always_up, always_down.
std::string EventsCsvHeader();
void AppendEventsCsv(std::string& out, const sky::LocalDayEvents& day);

}  // namespace skycalc
