#pragma once

#include <optional>
#include <string>

#include "cli/cli_options.h"
#include "panel/eclipse_list.h"

// skycalc-cli --eclipses: the eclipses of the stored year(s) with their
// circumstances at the stored site, one line (JSON object, or CSV rows) an
// eclipse.
namespace skycalc {

// Appends the listing in format to out; the refusal message instead (out
// unchanged) when a year is outside the precise model's 1000-2999.
//   text: date, kind, magnitudes, whether seen, then each contact with its
//         local time to a tenth of a minute, altitude and azimuth, tab-separated,
//         last how the azimuths count (AzimuthOriginWords);
//   JSON: {"kind","type","greatest_jd","date","magnitude",("penumbral_magnitude"),
//          "obscuration","visible","contacts":[{"name","jd","time","altitude_deg","azimuth_deg"}],
//          "azimuth_origin" (degrees),"azimuth_words"};
//   CSV:  a header, then one row per contact (one row with empty contact
//         fields for an eclipse with none), ending with azimuth_origin_deg and azimuth_words.
std::optional<std::string> AppendEclipses(std::string& out, const EclipseListRequest& request, CliFormat format);

}  // namespace skycalc
