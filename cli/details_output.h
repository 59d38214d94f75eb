#pragma once

#include <string>

#include "panel/body_details.h"

// How skycalc-cli --details adds what the body looks like to each row.
namespace skycalc {

// JSON: the row's object (out must end with its "}\n") gains
// "details":{"magnitude","illuminated_fraction","phase_angle_deg",
// "elongation_deg" (positive east of the Sun, negative west),
// "diameter_arcsec","distance_au","distance_km" (the Moon only),
// "constellation","constellation_abbr"}, each null where it does not apply.
void AppendDetailsJson(std::string& out, const BodyDetailsReadout& r);
// CSV: the header line (out must end with its "\n") gains the same columns;
// each data line likewise gains the values, empty where they do not apply.
void AppendDetailsCsvHeader(std::string& out);
void AppendDetailsCsv(std::string& out, const BodyDetailsReadout& r);
// Text: one more line, AppendDetailsLine's.
void AppendDetailsText(std::string& out, const BodyDetailsReadout& r);

}  // namespace skycalc
