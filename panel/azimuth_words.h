#pragma once

#include <string>

// How the azimuths this program prints count, in words: every box and output
// that shows an azimuth says it with this one text, so that no reader takes a
// south-based figure for a north-based one.
namespace skycalc {

// The words for the azimuth origin originDegrees (the stored 方位 field, the
// south-based azimuth that shows as 0; any finite value, folded into one
// turn). Azimuths always count from there through the next cardinal point
// clockwise seen from above (south, west, north, east): 0 gives
// "方位は南から西回り", 90 "方位は西から北回り", 180 "方位は北から東回り",
// 270 "方位は東から南回り"; any other origin names its direction from the
// cardinal point before it, "方位0°は南から西へ37.50°、西回り" (short
// enough for a box's title line).
std::string AzimuthOriginWords(double originDegrees);
// The same words appended to out, without a string of their own for the
// four cardinal origins (a table of any length then writes them without
// allocating). The words never hold a quote, a backslash, an ASCII comma or a
// control character, so they go into JSON strings and CSV fields as they are.
void AppendAzimuthOriginWords(std::string& out, double originDegrees);
// The paragraph of the calculator's help on the 方位 field, with the words
// of the origins 0, 180 and 90.
std::string AzimuthOriginHelp();

}  // namespace skycalc
