#pragma once

#include <istream>
#include <string>
#include <vector>

// 地点: the table of places chosen by name (Places.txt, found as the other
// catalogues are; written by scripts/make_places.py), and finding a place by
// what a user types: its name, its reading or its romanised name.
namespace skycalc {

inline constexpr char kPlacesFile[] = "Places.txt";

struct PlaceEntry {
  std::string name;       // 札幌
  std::string reading;    // さっぽろ (hiragana)
  std::string romanised;  // Sapporo
  std::string region;     // 北海道
  // Longitude (degrees, east positive) and latitude (degrees, north
  // positive) as the file writes them ("141.35", "43.0667"), and their values.
  std::string longitudeText, latitudeText;
  double longitude = 0.0, latitude = 0.0;
  bool hasHeight = false;
  double height = 0.0;  // metres, when hasHeight
  int zoneMinutes = 0;  // standard zone, minutes east of UT (+09:00 is 540)
};

// The rows of a Places.txt stream: UTF-8, '#' lines skipped, eight
// tab-separated columns (name, reading, romanised, region, longitude,
// latitude, height or "-", zone as +HH:MM). A row that does not parse is
// skipped.
std::vector<PlaceEntry> ReadPlaces(std::istream& in);
// Places.txt of directory ("" = the current directory); empty when missing.
std::vector<PlaceEntry> LoadPlaces(const std::string& directory);

// The form in which typed text and the table's names are compared: the
// compatibility forms a Japanese keyboard produces folded as Unicode NFKC
// folds them (full-width Latin letters and digits, the ideographic space,
// half-width katakana with their voiced marks), katakana as hiragana, Latin
// letters in lower case with macrons and circumflexes dropped (Tōkyō is
// tokyo), and blanks, hyphens, apostrophes, periods and the middle dot left
// out (Hong Kong, hong-kong and ホン・コン compare with hongkong).
// Reference: Unicode Standard Annex #15, Unicode Normalization Forms (the
// <wide>, <narrow> and <compat> decompositions of these characters).
std::string PlaceKey(const std::string& text);

// The position in places of the place text names, or -1: the first whose
// name, reading or romanised name equals text (compared as PlaceKey), else
// the one place whose name, reading or romanised name starts with text
// (さっ finds 札幌; ふく, which begins 福島, 福井 and 福岡, finds none).
int FindPlace(const std::vector<PlaceEntry>& places, const std::string& text);
// Whether text begins the name, reading or romanised name of more than one
// place (ふく: 福島, 福井, 福岡) and is no place's whole name.
bool PlaceNameIsAmbiguous(const std::vector<PlaceEntry>& places, const std::string& text);
// The positions of the places whose name, reading, romanised name or region
// contains text (as PlaceKey): those where one of them starts with text
// first, each group in table order; all for "".
std::vector<int> MatchPlaces(const std::vector<PlaceEntry>& places, const std::string& text);
// The names of the count places closest to text: least edit distance
// (Levenshtein, over characters of PlaceKey) to any of a place's name,
// reading and romanised name, where a place whose names start with text
// counts as distance 0; ties in table order.
std::vector<std::string> SuggestPlaces(const std::vector<PlaceEntry>& places, const std::string& text, int count = 3);

// A zone offset in minutes as the calculator's two zone fields hold it: the
// hours rounded down and the minutes 0-59 added to them (-210 is -4 and 30).
struct ZoneFields {
  int hour = 0;
  int minute = 0;
};
ZoneFields ZoneFieldsOf(int zoneMinutes);
// "+09:00", "-03:30".
std::string FormatZoneOffset(int zoneMinutes);

}  // namespace skycalc
