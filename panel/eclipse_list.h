#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astro/eclipse/eclipse.h"

// The eclipses of the stored local year(s) seen from the stored site, and
// their texts, shared by the window's 日食・月食 box and skycalc-cli --eclipses.
// Plain values in, so that either front end calls it with its stored fields.
namespace skycalc {

struct EclipseListRequest {
  std::int32_t year = 2000;     // first local year, 1000-2999
  std::int64_t years = 1;       // how many years from it
  int zoneMinutes = 0;          // local zone offset from UTC, minutes, east positive
  double longitudeDeg = 0.0;    // east positive
  double latitudeDeg = 0.0;     // north positive
  double azimuthOriginDeg = 0;  // 0: from the south through the west; 180: from the north through the east
};

struct EclipseListResult {
  const char* refusal = nullptr;            // kEclipseYearsMessage when a year is outside 1000-2999
  std::vector<eclipse::Eclipse> eclipses;   // by greatest instant; azimuths already from the origin
};

// Every eclipse whose greatest instant falls in the local years asked, with
// the circumstances at the site (contact azimuths turned to the origin,
// [0, 2pi)).
EclipseListResult ListEclipses(const EclipseListRequest& request);

// Texts (UTF-8).
// "皆既月食", "部分月食", "半影月食", "皆既日食", "金環日食", "金環皆既日食", "部分日食".
std::string EclipseTitle(const eclipse::Eclipse& e);
// The contact's short name: "P1", "U1", "U2", "max", "U3", "U4", "P4", "C1", "C2", "C3", "C4".
const char* ContactCode(eclipse::ContactName name);
// The contact's Japanese caption: "半影食の始め", "部分食の始め", "皆既食の始め" ("金環食の始め"
// for an annular phase at the site), "食の最大", ...
std::string ContactCaption(const eclipse::Eclipse& e, eclipse::ContactName name);
// Local date and time of a UTC Julian Day in the zone: "2022-11-08" (of the
// instant rounded to the second), "18:08.9" (minutes to a tenth), "18:08:53"
// (whole seconds); Julian calendar before 1582-10-15.
std::string EclipseLocalDate(double jdUtc, int zoneMinutes);
std::string EclipseLocalTime(double jdUtc, int zoneMinutes);
std::string EclipseLocalTimeSeconds(double jdUtc, int zoneMinutes);
// The list's line: "2022-11-08　皆既月食　食分 1.364　見える" (a penumbral
// eclipse with its penumbral magnitude).
std::string EclipseSummary(const eclipse::Eclipse& e, int zoneMinutes);
// The selected eclipse's lines, each ended by "\n": the magnitudes, then per
// contact its caption, local time, altitude and azimuth (degrees, one
// decimal) and "　地平線下" below the horizon; "この地点では見えません" (no
// newline) for a solar eclipse not seen at the site.
std::string EclipseDetails(const eclipse::Eclipse& e, int zoneMinutes);

}  // namespace skycalc
