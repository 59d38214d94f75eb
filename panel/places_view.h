#pragma once

#include <string>
#include <vector>

#include "catalog/places.h"

// The texts every front end shows for 地点: the list's rows, the table of
// skycalc-cli --sites, the message for a name the table does not have, and
// the caption that names the chosen place.
namespace skycalc {

// A row of the 地点 list, the site as it is keyed: "札幌（さっぽろ）　北海道　141.35°　43.07°　+09:00".
std::string PlaceListRow(const PlaceEntry& place);
// The columns of the window's 地点 list: 地点, 読み, 地域, 経度, 緯度, 標準時
// (the site as it is keyed), and their headings.
std::vector<std::string> PlaceListColumns(const PlaceEntry& place);
std::vector<std::string> PlaceListHeadings();
// skycalc-cli --sites: a header line, then one tab-separated line a place
// (name, reading, romanised name, region, longitude, latitude, zone).
std::string PlaceTableHeader();
std::string PlaceTableRow(const PlaceEntry& place);
// For a name no place has: "地点「typed」は一覧にありません。近い地点: 札幌、サイパン、カイロ";
// for the start of several places' names (several): "地点「ふく」に当てはまる地点が複数あります。候補: 福島、福井、福岡".
std::string UnknownPlaceMessage(const std::string& typed, const std::vector<std::string>& suggestions,
                                bool several = false);
// Said when Places.txt could not be read.
inline constexpr char kPlacesMissingMessage[] = "地点データファイルPlaces.txtが読み込めません。";
// degrees as the keypad keys a site: to two decimals, as the longest field
// values the window is laid out for (-179.99°) and the saved settings (%5.2f)
// have them (0.01°, about 1 km; the office's whole minutes stay within
// 0.3′), trailing zeros dropped, at least one decimal ("139.74", "-0.5",
// "35.0"); "nan" or "inf" for a value that is not finite.
std::string DegreesAsKeyed(double degrees);
// The window's caption with the chosen place: "caption　地点: 札幌"; caption for "".
std::string CaptionWithPlace(const std::string& caption, const std::string& placeName);

}  // namespace skycalc
