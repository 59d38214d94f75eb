#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/body_names.h"
#include "cli/civil_calendar.h"
#include "cli/fields.h"

// The command line of skycalc-cli, parsed but not yet applied.
namespace skycalc {

enum class CliFrame { kDefault, kEquatorial, kHorizontal };
enum class CliTimeMode { kDefault, kJulianDay, kSidereal };
enum class CliFormat { kText, kJson, kCsv };

struct CliOptions {
  bool help = false;
  // Keypad text per field (kCliFields order); empty optional keeps the reset's value.
  std::array<std::optional<std::string>, kCliFieldCount> fields;
  std::optional<BodyKind> bodyKind;  // none: the Sun, as after a reset
  std::string bodyText;              // the name or position as given
  CliFrame frame = CliFrame::kDefault;
  CliTimeMode timeMode = CliTimeMode::kDefault;
  CliFormat format = CliFormat::kText;
  std::optional<TableStep> step;     // set together with count (not with events)
  std::int64_t count = 1;            // rows, days (--events), years (--almanac, --holidays) or months (--calendar)
  bool precise = false;              // the precise model instead of the calculator's
  bool events = false;               // rise, transit and set (and twilight) per day instead of readouts
  bool eclipses = false;             // the eclipses of the stored year (--count years) at the stored site
  bool almanac = false;              // the almanac's events of --count years instead of readouts
  bool calendar = false;             // the almanac's days of --count months instead of readouts
  bool holidays = false;             // Japan's holidays of --count years instead of readouts
  bool phenomena = false;            // the sky events (天象) of --count years instead of readouts
  unsigned phenomenaGroups = 7;      // --kind: bits of planet (1), moon (2), meteor (4)
  std::optional<std::string> dataDir;
  std::string convention = "jp";     // rise and set as "jp" (Japan's almanac office) or "intl" define them
  bool details = false;              // magnitude, phase, size, distance and constellation on every row
  std::optional<std::string> chart;  // the sky chart's file (.svg or .json) instead of readouts
  std::int64_t chartWidth = 800;     // the SVG's width in pixels (--width)
  std::optional<std::string> site;   // --site: a place of Places.txt by name, reading or romanised name
  bool sites = false;                // --sites: list the places instead of readouts
};

struct CliParseResult {
  CliOptions options;
  std::string error;  // one-line reason of a usage error; empty when parsing succeeded
};

// Parses the arguments after the program name. Options take their value as
// the next argument or after "=" (--year=2000); a value may begin with "-".
CliParseResult ParseCommandLine(const std::vector<std::string>& args);

// text in double quotes for a one-line message: '"' and '\\' escaped with a
// backslash, control characters as \n, \t or \xNN (so that an argument can
// neither break the line nor send a terminal its escape sequences).
std::string QuoteForMessage(const std::string& text);

}  // namespace skycalc
