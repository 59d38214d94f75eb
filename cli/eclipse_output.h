#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cli/cli_options.h"
#include "panel/eclipse_list.h"

// skycalc-cli --eclipses: the eclipses of the stored year(s) with their
// circumstances at the stored site, one line (JSON object, or CSV rows) an
// eclipse.
namespace skycalc {

// Appends the listing in format to out, a year at a time, calling yearDone
// (if any) with the count of years done after each (out may be written
// away and cleared there); the refusal message instead (out unchanged)
// when a year is outside the precise model's 1000-2999.
//   text: date, kind, magnitudes (a penumbral eclipse its penumbral one, a
//         solar eclipse not seen none), whether seen, then each contact with
//         its local time to a tenth of a minute, altitude (a rising or
//         setting: the magnitude then) and azimuth, tab-separated, last
//         how the azimuths count (AzimuthOriginWords);
//   JSON: {"kind","type","greatest_jd","date","magnitude",("penumbral_magnitude"),
//          "obscuration","visible","contacts":[{"name","jd","time","altitude_deg",
//          "azimuth_deg",("magnitude": risings and settings)}],
//          "azimuth_origin" (degrees),"azimuth_words"};
//   CSV:  a header, then one row per contact (one row with empty contact
//         fields for an eclipse with none); contact_magnitude for risings
//         and settings only; last azimuth_origin_deg and azimuth_words.
std::optional<std::string> AppendEclipses(std::string& out, const EclipseListRequest& request, CliFormat format,
                                          const std::function<void(std::int64_t)>& yearDone = {});

}  // namespace skycalc
