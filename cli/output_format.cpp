#include "cli/output_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "astro/sky/model.h"
#include "panel/azimuth_words.h"

namespace skycalc {

namespace {

void AppendInt(std::string& out, long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void AppendJsonPair(std::string& out, const char* key, const double pair[2]) {
  out += key;
  out += '[';
  AppendNumber(out, pair[0]);
  out += ',';
  AppendNumber(out, pair[1]);
  out += ']';
}

void AppendJsonFields(std::string& out, const CliFieldValues& f) {
  const std::pair<const char*, long long> integers[] = {
      {"{\"year\":", f.year}, {",\"month\":", f.month}, {",\"day\":", f.day}, {",\"hour\":", f.hour},
      {",\"minute\":", f.minute}};
  for (const auto& [key, value] : integers) {
    out += key;
    AppendInt(out, value);
  }
  const std::pair<const char*, float> decimals[] = {
      {",\"longitude\":", f.longitude}, {",\"latitude\":", f.latitude}, {",\"azimuth\":", f.azimuth}};
  for (const auto& [key, value] : decimals) {
    out += key;
    AppendNumber(out, value);
  }
  out += ",\"zone_hour\":";
  AppendInt(out, f.zoneHour);
  out += ",\"zone_minute\":";
  AppendInt(out, f.zoneMinute);
  out += '}';
}

}  // namespace

void AppendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void AppendNumber(std::string& out, float value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);  // shortest round trip of the float
  out.append(buffer, result.ptr);
}

void AppendJsonString(std::string& out, const std::string& value) {
  out += '"';
  for (const char c : value) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendCsvField(std::string& out, const std::string& value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) {
    out += value;
    return;
  }
  out += '"';
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

CivilTime RowCivilTime(const CliRow& row) {
  return ActualCivilTime({row.fields.year, row.fields.month, row.fields.day, row.fields.hour, row.fields.minute});
}

std::string FormatJsonNumber(double value) {
  std::string out;
  AppendNumber(out, value);
  return out;
}

std::string FormatJsonNumber(float value) {
  std::string out;
  AppendNumber(out, value);
  return out;
}

std::string FormatJsonString(const std::string& value) {
  std::string out;
  AppendJsonString(out, value);
  return out;
}

std::string FormatCsvField(const std::string& value) {
  std::string out;
  AppendCsvField(out, value);
  return out;
}

void AppendTextReadouts(std::string& out, const CliRow& row) {
  for (const std::string* text : {&row.timeText, &row.raAzmText, &row.decAltText}) {
    out += *text;
    out += '\n';
  }
}

void AppendTextTableLine(std::string& out, const CliRow& row) {
  const CivilTime t = RowCivilTime(row);
  AppendCivilDate(out, t);
  out += '\t';
  AppendCivilTime(out, t);
  for (const std::string* text : {&row.timeText, &row.raAzmText, &row.decAltText}) {
    out += '\t';
    out += *text;
  }
  if (row.horizontal) {
    out += '\t';
    AppendAzimuthOriginWords(out, row.fields.azimuth);
  }
  out += '\n';
}

void AppendJsonLine(std::string& out, const CliRow& row) {
  out += "{\"jd\":";
  AppendNumber(out, row.jd);
  out += ",\"lst\":";
  AppendNumber(out, row.lst);
  AppendJsonPair(out, ",\"equatorial\":", row.place.equatorial);
  AppendJsonPair(out, ",\"horizontal\":", row.place.horizontal);
  out += ",\"time_text\":";
  AppendJsonString(out, row.timeText);
  out += ",\"ra_azm_text\":";
  AppendJsonString(out, row.raAzmText);
  out += ",\"dec_alt_text\":";
  AppendJsonString(out, row.decAltText);
  out += ",\"fields\":";
  AppendJsonFields(out, row.fields);
  out += ",\"azimuth_origin\":";
  AppendNumber(out, row.fields.azimuth);
  out += ",\"azimuth_words\":\"";
  AppendAzimuthOriginWords(out, row.fields.azimuth);
  out += '"';
  out += row.precise ? ",\"model\":\"precise\"}\n" : ",\"model\":\"calculator\"}\n";
}

std::string FormatCsvHeader() {
  return "date,time,jd,lst_rad,ra_deg,dec_deg,azimuth_deg,altitude_deg,time_text,ra_azm_text,dec_alt_text,azimuth_origin_deg,"
         "azimuth_words\n";
}

void AppendCsvLine(std::string& out, const CliRow& row) {
  const CivilTime t = RowCivilTime(row);
  AppendCivilDate(out, t);
  out += ',';
  AppendCivilTime(out, t);
  out += ',';
  AppendNumber(out, row.jd);
  out += ',';
  AppendNumber(out, row.lst);
  for (const double radians : {row.place.equatorial[0], row.place.equatorial[1], row.place.horizontal[0],
                               row.place.horizontal[1]}) {
    out += ',';
    AppendNumber(out, sky::ModelOf(row.precise).Degrees(radians));  // each model's own degrees
  }
  for (const std::string* text : {&row.timeText, &row.raAzmText, &row.decAltText}) {
    out += ',';
    AppendCsvField(out, *text);
  }
  out += ',';
  AppendNumber(out, row.fields.azimuth);
  out += ',';
  AppendAzimuthOriginWords(out, row.fields.azimuth);
  out += '\n';
}

std::string FormatTextTableLine(const CliRow& row) {
  std::string out;
  AppendTextTableLine(out, row);
  return out;
}

std::string FormatJsonLine(const CliRow& row) {
  std::string out;
  AppendJsonLine(out, row);
  return out;
}

std::string FormatCsvLine(const CliRow& row) {
  std::string out;
  AppendCsvLine(out, row);
  return out;
}

}  // namespace skycalc
