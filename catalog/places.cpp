#include "catalog/places.h"
#include "catalog/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace skycalc {
namespace {

// UTF-8 text as code points (a malformed byte stands for itself).
std::u32string Decode(const std::string& text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
      out += c;
      ++i;
      continue;
    }
    char32_t code = length == 1 ? c : c & (0x7F >> length);
    for (int k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out += code;
    i += length;
  }
  return out;
}

std::string Encode(const std::u32string& text) {
  std::string out;
  for (const char32_t c : text) catalog::AppendUtf8(out, c);
  return out;
}

// Half-width katakana U+FF66..U+FF9D and their full-width forms (UAX #15 <narrow>).
const char32_t kNarrowKana[] = U"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";

// The katakana a voiced (dakuten) or semi-voiced (handakuten) mark turns c
// into, or 0: each voiced letter follows its plain one in the Unicode
// katakana block, the semi-voiced two places on.
char32_t Voiced(char32_t c, bool semi) {
  const std::u32string voiceable = U"カキクケコサシスセソタチツテトハヒフヘホ";
  const std::u32string semiVoiceable = U"ハヒフヘホ";
  if (semi) return semiVoiceable.find(c) != std::u32string::npos ? c + 2 : 0;
  if (c == U'ウ') return U'ヴ';
  return voiceable.find(c) != std::u32string::npos ? c + 1 : 0;
}

// Latin letters with a macron or circumflex, as their base letters.
char32_t Unaccented(char32_t c) {
  switch (c) {
    case U'ā': case U'Ā': case U'â': case U'Â': return U'a';
    case U'ē': case U'Ē': case U'ê': case U'Ê': return U'e';
    case U'ī': case U'Ī': case U'î': case U'Î': return U'i';
    case U'ō': case U'Ō': case U'ô': case U'Ô': case U'ö': case U'Ö': return U'o';
    case U'ū': case U'Ū': case U'û': case U'Û': case U'ü': case U'Ü': return U'u';
    case U'å': case U'Å': return U'a';
    default: return c;
  }
}

bool Dropped(char32_t c) {
  return c == U' ' || c == U'-' || c == U'_' || c == U'\'' || c == U'.' || c == U'・' || c == U'\t' ||
         c == U'’';
}

std::u32string KeyOf(const std::string& text) {
  std::u32string out;
  for (char32_t c : Decode(text)) {
    if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;  // full-width ASCII
    if (c == 0x3000) c = U' ';                     // ideographic space
    if (c >= 0xFF66 && c <= 0xFF9D) c = kNarrowKana[c - 0xFF66];
    if (c == 0xFF65) c = U'・';
    if ((c == 0xFF9E || c == 0xFF9F || c == 0x3099 || c == 0x309A || c == 0x309B || c == 0x309C) && !out.empty()) {
      const bool semi = c == 0xFF9F || c == 0x309A || c == 0x309C;
      // The previous letter is already hiragana: voice its katakana form.
      const char32_t last = out.back() >= U'ぁ' && out.back() <= U'ゖ' ? out.back() + 0x60 : out.back();
      if (const char32_t voiced = Voiced(last, semi)) {
        out.back() = voiced - 0x60;
        continue;
      }
    }
    c = Unaccented(c);
    if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
    if (c >= U'ァ' && c <= U'ヶ') c -= 0x60;  // katakana as hiragana
    if (Dropped(c)) continue;
    out += c;
  }
  return out;
}

bool StartsWith(const std::u32string& text, const std::u32string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::size_t EditDistance(const std::u32string& a, const std::u32string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::vector<std::u32string> NameKeys(const PlaceEntry& place) {
  return {KeyOf(place.name), KeyOf(place.reading), KeyOf(place.romanised)};
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

// A decimal number filling the whole text, read in the C locale's form.
bool ParseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  return static_cast<bool>(in >> value) && in.peek() == std::char_traits<char>::eof();
}

bool ParseZone(const std::string& text, int& minutes) {
  int hours = 0, mins = 0;
  char sign = 0;
  if (text.size() != 6 || std::sscanf(text.c_str(), "%c%2d:%2d", &sign, &hours, &mins) != 3) return false;
  if ((sign != '+' && sign != '-') || mins < 0 || mins > 59 || hours < 0 || hours > 23) return false;
  minutes = (sign == '-' ? -1 : 1) * (hours * 60 + mins);
  return true;
}

bool ParseRow(const std::string& line, PlaceEntry& place) {
  const std::vector<std::string> f = SplitTabs(line);
  if (f.size() != 8 || f[0].empty()) return false;
  place.name = f[0];
  place.reading = f[1];
  place.romanised = f[2];
  place.region = f[3];
  place.longitudeText = f[4];
  place.latitudeText = f[5];
  if (!ParseNumber(f[4], place.longitude) || !ParseNumber(f[5], place.latitude)) return false;
  place.hasHeight = f[6] != "-";
  if (place.hasHeight && !ParseNumber(f[6], place.height)) return false;
  return ParseZone(f[7], place.zoneMinutes);
}

}  // namespace

std::vector<PlaceEntry> ReadPlaces(std::istream& in) {
  std::vector<PlaceEntry> places;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    PlaceEntry place;
    if (!line.empty() && line[0] != '#' && ParseRow(line, place)) places.push_back(place);
  }
  return places;
}

std::vector<PlaceEntry> LoadPlaces(const std::string& directory) {
  const std::string path =
      directory.empty() ? kPlacesFile : directory + (directory.back() == '/' ? "" : "/") + kPlacesFile;
  std::ifstream in(path);
  return ReadPlaces(in);
}

std::string PlaceKey(const std::string& text) { return Encode(KeyOf(text)); }

int FindPlace(const std::vector<PlaceEntry>& places, const std::string& text) {
  const std::u32string key = KeyOf(text);
  if (key.empty()) return -1;
  for (std::size_t i = 0; i < places.size(); ++i)
    for (const std::u32string& name : NameKeys(places[i]))
      if (name == key) return static_cast<int>(i);
  int found = -1;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const std::vector<std::u32string> names = NameKeys(places[i]);
    if (std::none_of(names.begin(), names.end(), [&](const std::u32string& n) { return StartsWith(n, key); }))
      continue;
    if (found >= 0) return -1;  // more than one: the text does not name a place
    found = static_cast<int>(i);
  }
  return found;
}

bool PlaceNameIsAmbiguous(const std::vector<PlaceEntry>& places, const std::string& text) {
  const std::u32string key = KeyOf(text);
  if (key.empty() || FindPlace(places, text) >= 0) return false;
  return std::count_if(places.begin(), places.end(), [&](const PlaceEntry& place) {
           const std::vector<std::u32string> names = NameKeys(place);
           return std::any_of(names.begin(), names.end(), [&](const std::u32string& n) { return StartsWith(n, key); });
         }) > 1;
}

std::vector<int> MatchPlaces(const std::vector<PlaceEntry>& places, const std::string& text) {
  const std::u32string key = KeyOf(text);
  std::vector<int> starting, containing;
  for (std::size_t i = 0; i < places.size(); ++i) {
    std::vector<std::u32string> keys = NameKeys(places[i]);
    keys.push_back(KeyOf(places[i].region));
    if (std::any_of(keys.begin(), keys.end(), [&](const std::u32string& k) { return StartsWith(k, key); }))
      starting.push_back(static_cast<int>(i));
    else if (std::any_of(keys.begin(), keys.end(), [&](const std::u32string& k) { return k.find(key) != std::u32string::npos; }))
      containing.push_back(static_cast<int>(i));
  }
  starting.insert(starting.end(), containing.begin(), containing.end());
  return starting;
}

std::vector<std::string> SuggestPlaces(const std::vector<PlaceEntry>& places, const std::string& text, int count) {
  const std::u32string key = KeyOf(text);
  std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, position
  for (std::size_t i = 0; i < places.size(); ++i) {
    std::size_t best = SIZE_MAX;
    for (const std::u32string& name : NameKeys(places[i]))
      best = std::min(best, !key.empty() && StartsWith(name, key) ? 0 : EditDistance(key, name));
    ranked.emplace_back(best, i);
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (std::size_t i = 0; i < ranked.size() && static_cast<int>(names.size()) < count; ++i)
    names.push_back(places[ranked[i].second].name);
  return names;
}

ZoneFields ZoneFieldsOf(int zoneMinutes) {
  ZoneFields z;
  z.hour = zoneMinutes >= 0 ? zoneMinutes / 60 : -((-zoneMinutes + 59) / 60);
  z.minute = zoneMinutes - z.hour * 60;
  return z;
}

std::string FormatZoneOffset(int zoneMinutes) {
  char text[16];
  const int magnitude = std::abs(zoneMinutes);
  std::snprintf(text, sizeof text, "%c%02d:%02d", zoneMinutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
  return text;
}

}  // namespace skycalc
