#include "cli/output_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "astro/base/constants.h"

namespace skycalc {

namespace {

// Shortest round-trip text of a finite double.
std::string Shortest(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonPair(double first, double second) {
  return "[" + FormatJsonNumber(first) + "," + FormatJsonNumber(second) + "]";
}

std::string JsonFields(const CliFieldValues& f) {
  return "{\"year\":" + std::to_string(f.year) + ",\"month\":" + std::to_string(f.month) +
         ",\"day\":" + std::to_string(f.day) + ",\"hour\":" + std::to_string(f.hour) +
         ",\"minute\":" + std::to_string(f.minute) + ",\"longitude\":" + FormatJsonNumber(f.longitude) +
         ",\"latitude\":" + FormatJsonNumber(f.latitude) + ",\"azimuth\":" + FormatJsonNumber(f.azimuth) +
         ",\"zone_hour\":" + std::to_string(f.zoneHour) + ",\"zone_minute\":" + std::to_string(f.zoneMinute) + "}";
}

}  // namespace

CivilTime RowCivilTime(const CliRow& row) {
  return {row.fields.year, row.fields.month, row.fields.day, row.fields.hour, row.fields.minute};
}

std::string FormatJsonNumber(double value) {
  return std::isfinite(value) ? Shortest(value) : "null";
}

std::string FormatJsonString(const std::string& value) {
  std::string out = "\"";
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
  return out + "\"";
}

std::string FormatCsvField(const std::string& value) {
  if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
  std::string out = "\"";
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string FormatTextReadouts(const CliRow& row) {
  return row.timeText + "\n" + row.raAzmText + "\n" + row.decAltText + "\n";
}

std::string FormatTextTableLine(const CliRow& row) {
  const CivilTime t = RowCivilTime(row);
  return FormatCivilDate(t) + "\t" + FormatCivilTime(t) + "\t" + row.timeText + "\t" + row.raAzmText + "\t" +
         row.decAltText + "\n";
}

std::string FormatJsonLine(const CliRow& row) {
  return "{\"jd\":" + FormatJsonNumber(row.jd) + ",\"lst\":" + FormatJsonNumber(row.lst) +
         ",\"equatorial\":" + JsonPair(row.place.equatorial[0], row.place.equatorial[1]) +
         ",\"horizontal\":" + JsonPair(row.place.horizontal[0], row.place.horizontal[1]) +
         ",\"time_text\":" + FormatJsonString(row.timeText) + ",\"ra_azm_text\":" + FormatJsonString(row.raAzmText) +
         ",\"dec_alt_text\":" + FormatJsonString(row.decAltText) + ",\"fields\":" + JsonFields(row.fields) + "}\n";
}

std::string FormatCsvHeader() {
  return "date,time,jd,lst_rad,ra_deg,dec_deg,azimuth_deg,altitude_deg,time_text,ra_azm_text,dec_alt_text\n";
}

std::string FormatCsvLine(const CliRow& row) {
  const CivilTime t = RowCivilTime(row);
  std::string line = FormatCivilDate(t) + "," + FormatCivilTime(t) + "," + Shortest(row.jd) + "," + Shortest(row.lst);
  for (const double radians : {row.place.equatorial[0], row.place.equatorial[1], row.place.horizontal[0],
                               row.place.horizontal[1]}) {
    line += "," + Shortest(radians * kRadToDeg);
  }
  return line + "," + FormatCsvField(row.timeText) + "," + FormatCsvField(row.raAzmText) + "," +
         FormatCsvField(row.decAltText) + "\n";
}

}  // namespace skycalc
