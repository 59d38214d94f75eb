#include "cli/events_output.h"

#include <charconv>
#include <vector>

#include "astro/base/constants.h"
#include "cli/civil_calendar.h"
#include "cli/output_format.h"
#include "panel/azimuth_words.h"

namespace skycalc {

namespace {

// The date the day actually is.
void AppendDate(std::string& out, const sky::LocalDayEvents& day) {
  AppendCivilDate(out, CivilTime{day.date.year, day.date.month, day.date.day, 0, 0});
}

// "06:51 (方位 117.80°)" for each event, joined; "なし" for none.
void AppendTextEvents(std::string& out, const std::vector<events::Event>& list, const sky::LocalDayEvents& day,
                      bool altitude) {
  if (list.empty()) {
    out += kNoEvent;
    return;
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += ", ";
    AppendEventTime(out, list[i].jd, day.dayStartJd);
    out += " (";
    if (altitude) {
      AppendEventAltitude(out, list[i]);
    } else {
      AppendEventAzimuth(out, list[i]);
    }
    out += ')';
  }
}

enum class Detail { kAzimuth, kAltitude };

void AppendJsonEvent(std::string& out, const events::Event& event, const sky::LocalDayEvents& day, Detail detail) {
  out += "{\"jd\":";
  AppendNumber(out, event.jd);
  out += ",\"time\":\"" + FormatEventTime(event.jd, day.dayStartJd) + "\"";
  if (detail == Detail::kAzimuth) {
    out += ",\"azimuth_deg\":";
    AppendNumber(out, event.azimuthFromOrigin * kExactRadToDeg);
  } else {
    out += ",\"altitude_deg\":";
    AppendNumber(out, event.altitude * kExactRadToDeg);
  }
  out += '}';
}

void AppendJsonList(std::string& out, const char* key, const std::vector<events::Event>& list,
                    const sky::LocalDayEvents& day, Detail detail) {
  out += ",\"";
  out += key;
  out += "\":[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += ',';
    AppendJsonEvent(out, list[i], day, detail);
  }
  out += ']';
}

void AppendJsonFirst(std::string& out, const char* key, const std::vector<events::Event>& list,
                     const sky::LocalDayEvents& day) {
  out += '"';
  out += key;
  out += "\":";
  if (list.empty()) {
    out += "null";
  } else {
    AppendJsonEvent(out, list.front(), day, Detail::kAzimuth);
  }
}

const char* const kTwilightKeys[events::kTwilightCount] = {"civil", "nautical", "astronomical"};

}  // namespace

void AppendEventsText(std::string& out, const sky::LocalDayEvents& day, const sky::DayEventsTable& table) {
  const bool sun = table.IsSun();
  const events::DayEvents& e = day.events;
  AppendDate(out, day);
  if (e.alwaysUp || e.alwaysDown) {
    out += '\t';
    out += e.alwaysUp ? kAlwaysUp : kAlwaysDown;
    out += '\t';
    out += kTransitCaption;
    out += ' ';
    AppendTextEvents(out, e.transits, day, true);
  } else {
    const struct {
      const char* caption;
      const std::vector<events::Event>* list;
      bool altitude;
    } columns[] = {{kRiseCaption, &e.rises, false}, {kTransitCaption, &e.transits, true}, {kSetCaption, &e.sets, false}};
    for (const auto& column : columns) {
      out += '\t';
      out += column.caption;
      out += ' ';
      AppendTextEvents(out, *column.list, day, column.altitude);
    }
  }
  if (sun) {
    for (int t = 0; t < events::kTwilightCount; ++t) {
      out += '\t';
      out += kTwilightCaptions[t];
      out += ' ';
      out += kDawnCaption;
      out += ' ';
      AppendEventTimes(out, e.twilights[t].dawns, day.dayStartJd);
      out += ' ';
      out += kDuskCaption;
      out += ' ';
      AppendEventTimes(out, e.twilights[t].dusks, day.dayStartJd);
    }
  }
  out += '\t';
  AppendAzimuthOriginWords(out, table.AzimuthOrigin());
  out += '\n';
}

void AppendEventsJson(std::string& out, const sky::LocalDayEvents& day, const sky::DayEventsTable& table) {
  const bool sun = table.IsSun();
  const events::DayEvents& e = day.events;
  out += "{\"date\":\"";
  AppendDate(out, day);
  out += "\",\"day_start_jd\":";
  AppendNumber(out, day.dayStartJd);
  AppendJsonList(out, "rise", e.rises, day, Detail::kAzimuth);
  AppendJsonList(out, "transit", e.transits, day, Detail::kAltitude);
  AppendJsonList(out, "set", e.sets, day, Detail::kAzimuth);
  out += e.alwaysUp ? ",\"always_up\":true" : ",\"always_up\":false";
  out += e.alwaysDown ? ",\"always_down\":true" : ",\"always_down\":false";
  out += table.IsPrecise() ? ",\"model\":\"precise\"" : ",\"model\":\"calculator\"";
  out += ",\"convention\":\"";
  out += table.Convention().name;
  out += '"';
  out += ",\"azimuth_origin\":";
  AppendNumber(out, table.AzimuthOrigin());
  out += ",\"azimuth_words\":\"";
  AppendAzimuthOriginWords(out, table.AzimuthOrigin());
  out += '"';
  if (sun) {
    for (int t = 0; t < events::kTwilightCount; ++t) {
      out += ",\"";
      out += kTwilightKeys[t];
      out += "\":{";
      AppendJsonFirst(out, "dawn", e.twilights[t].dawns, day);
      out += ',';
      AppendJsonFirst(out, "dusk", e.twilights[t].dusks, day);
      out += '}';
    }
  }
  out += "}\n";
}

std::string EventsCsvHeader() {
  std::string header = "date,rise,transit,set,rise_jd,transit_jd,set_jd,transit_altitude_deg,always_up,always_down,"
                       "rise_azimuth_deg,set_azimuth_deg";
  for (const char* twilight : kTwilightKeys) {
    for (const char* end : {"_dawn", "_dusk", "_dawn_jd", "_dusk_jd"}) header += std::string(",") + twilight + end;
  }
  return header + ",azimuth_origin_deg,azimuth_words\n";
}

void AppendEventsCsv(std::string& out, const sky::LocalDayEvents& day, const sky::DayEventsTable& table) {
  const events::DayEvents& e = day.events;
  AppendDate(out, day);
  const std::vector<events::Event>* lists[] = {&e.rises, &e.transits, &e.sets};
  for (const auto* list : lists) {
    out += ',';
    if (!list->empty()) out += FormatEventTime(list->front().jd, day.dayStartJd);
  }
  for (const auto* list : lists) {
    out += ',';
    if (!list->empty()) AppendNumber(out, list->front().jd);
  }
  out += ',';
  if (!e.transits.empty()) AppendNumber(out, e.transits.front().altitude * kExactRadToDeg);
  out += e.alwaysUp ? ",true" : ",false";
  out += e.alwaysDown ? ",true" : ",false";
  for (const auto* list : {&e.rises, &e.sets}) {
    out += ',';
    if (!list->empty()) AppendNumber(out, list->front().azimuthFromOrigin * kExactRadToDeg);
  }
  for (const events::TwilightEvents& twilight : e.twilights) {
    for (const auto* list : {&twilight.dawns, &twilight.dusks}) {
      out += ',';
      if (!list->empty()) out += FormatEventTime(list->front().jd, day.dayStartJd);
    }
    for (const auto* list : {&twilight.dawns, &twilight.dusks}) {
      out += ',';
      if (!list->empty()) AppendNumber(out, list->front().jd);
    }
  }
  out += ',';
  AppendNumber(out, table.AzimuthOrigin());
  out += ',';
  AppendAzimuthOriginWords(out, table.AzimuthOrigin());
  out += '\n';
}

}  // namespace skycalc
