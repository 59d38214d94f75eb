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

// The precise model's message when a year asked is outside 1000-2999 (or
// years < 1); nullptr when every year can be listed.
const char* EclipseYearsRefusal(const EclipseListRequest& request);
// Every eclipse whose greatest instant falls in the local years asked, with
// the circumstances at the site (contact azimuths turned to the origin,
// [0, 2pi)).
EclipseListResult ListEclipses(const EclipseListRequest& request);
// The index of the first eclipse seen from the site (visible); -1 when none is.
int FirstSeenEclipse(const std::vector<eclipse::Eclipse>& eclipses);
// What the box says when no eclipse of the year is seen from the site.
inline constexpr const char kNoEclipseSeenText[] = "この地点で見える日食・月食はありません";

// Texts (UTF-8).
// "皆既月食", "部分月食", "半影月食", "皆既日食", "金環日食", "金環皆既日食", "部分日食".
std::string EclipseTitle(const eclipse::Eclipse& e);
// The contact's short name: "P1", "U1", "U2", "max", "U3", "U4", "P4", "C1", "C2", "C3", "C4",
// "sunrise", "sunset", "moonrise", "moonset".
const char* ContactCode(eclipse::ContactName name);
// The contact's Japanese caption: "半影食の始め", "部分食の始め", "皆既食の始め" ("金環食の始め"
// for an annular phase at the site), "食の最大", ..., "日の出", "日の入り", "月の出", "月の入り".
std::string ContactCaption(const eclipse::Eclipse& e, eclipse::ContactName name);
// Whether the contact is the body's rising or setting (kSunrise ... kMoonset).
bool IsRiseOrSet(eclipse::ContactName name);
// The name of the magnitude an eclipse is given by: "半影食分" for a
// penumbral lunar eclipse, else "食分".
const char* MagnitudeCaption(const eclipse::Eclipse& e);
// The greatest magnitude seen from the site: a solar eclipse's at the
// site's maximum, or where the Sun sets or rises before it, at that moment;
// a lunar eclipse's umbral (penumbral for a penumbral one) at greatest.
double SeenMagnitude(const eclipse::Eclipse& e);
// Local date and time of a UTC Julian Day in the zone: "2022-11-08" (of the
// instant rounded to the second), "18:08.9" (minutes to a tenth), "18:08:53"
// (whole seconds); Julian calendar before 1582-10-15.
std::string EclipseLocalDate(double jdUtc, int zoneMinutes);
std::string EclipseLocalTime(double jdUtc, int zoneMinutes);
std::string EclipseLocalTimeSeconds(double jdUtc, int zoneMinutes);
// The list's line: "2022-11-08　皆既月食　食分 1.364　見える" (a penumbral
// eclipse with "半影食分" and its penumbral magnitude; the magnitude
// SeenMagnitude; a solar eclipse not seen at the site with no magnitude:
// "2023-04-20　金環皆既日食　見えない").
std::string EclipseSummary(const eclipse::Eclipse& e, int zoneMinutes);
// The selected eclipse's lines, each ended by "\n": the magnitudes (a
// penumbral eclipse only its penumbral one), then per contact its caption,
// local time, altitude and azimuth (degrees, one decimal) and "　地平線下"
// below the horizon (a rising or setting with the magnitude then instead
// of the altitude); "この地点では見えません" (no newline) for a solar eclipse
// not seen at the site.
std::string EclipseDetails(const eclipse::Eclipse& e, int zoneMinutes);

}  // namespace skycalc
