#pragma once

#include <cstdint>
#include <string>

#include "astro/frames/place.h"
#include "cli/civil_calendar.h"

// How skycalc-cli writes one computed instant: the readout texts, JSON or CSV.
namespace skycalc {

// The stored fields, as the calculator holds them after SET.
struct CliFieldValues {
  std::int32_t year = 0;
  int month = 0, day = 0, hour = 0, minute = 0;
  float longitude = 0.0f, latitude = 0.0f, azimuth = 0.0f;  // degrees, as stored (32-bit)
  int zoneHour = 0, zoneMinute = 0;
};

// Everything printed for one instant.
struct CliRow {
  CliFieldValues fields;
  double jd = 0.0;   // Julian Day (UT)
  double lst = 0.0;  // local sidereal time, radians
  Place place;       // of the chosen body, radians
  std::string timeText, raAzmText, decAltText;  // the three readouts as shown
  bool precise = false;                         // which model computed it
  bool horizontal = true;                       // raAzmText is an azimuth (else a right ascension)
};

// The civil date and time of the row's fields, the date as it actually is
// (stored 2026-02-30 is 2026-03-02), which labels the row.
CivilTime RowCivilTime(const CliRow& row);

// Shortest text that reads back to the identical double; "null" for NaN and
// the infinities, which JSON cannot hold (a CSV row never holds one: a row
// the model has no place for is refused before it is written).
std::string FormatJsonNumber(double value);
void AppendNumber(std::string& out, double value);
// A value stored as a 32-bit float: the shortest text that reads back to the
// identical float (139.7, not its widened double 139.6999969482422).
std::string FormatJsonNumber(float value);
void AppendNumber(std::string& out, float value);
// value as a JSON string (quoted, with '"', '\\' and control characters escaped).
void AppendJsonString(std::string& out, const std::string& value);
// value as a CSV field (quoted when it holds a comma, a quote or a line break).
void AppendCsvField(std::string& out, const std::string& value);
// value as a JSON string literal (quotes, backslashes and control characters escaped).
std::string FormatJsonString(const std::string& value);
// value as a CSV field, quoted only when it holds a comma, quote or line break.
std::string FormatCsvField(const std::string& value);

// One table line: date, time and the three readouts, separated by tabs, and
// for horizontal readouts how the azimuth counts (AzimuthOriginWords).
std::string FormatTextTableLine(const CliRow& row);
// One JSON object on one line; "azimuth_origin" is the origin in degrees
// (as fields.azimuth) and "azimuth_words" how the horizontal azimuth counts.
std::string FormatJsonLine(const CliRow& row);
// The CSV header line and one CSV data line (coordinates in degrees), ending
// with azimuth_origin_deg and azimuth_words.
std::string FormatCsvHeader();
std::string FormatCsvLine(const CliRow& row);

// The same texts appended to out, for writing long tables without a string per row.
void AppendTextReadouts(std::string& out, const CliRow& row);
void AppendTextTableLine(std::string& out, const CliRow& row);
void AppendJsonLine(std::string& out, const CliRow& row);
void AppendCsvLine(std::string& out, const CliRow& row);

}  // namespace skycalc
