#include "cli/fields.h"

namespace skycalc {

const std::array<CliFieldInfo, kCliFieldCount> kCliFields = {{
    {CliField::kYear, "--year", "year", true, false},
    {CliField::kMonth, "--month", "month", false, false},
    {CliField::kDay, "--day", "day", false, false},
    {CliField::kHour, "--hour", "hour", false, false},
    {CliField::kMinute, "--minute", "minute", false, false},
    {CliField::kLongitude, "--longitude", "longitude", true, true},
    {CliField::kLatitude, "--latitude", "latitude", true, true},
    {CliField::kAzimuth, "--azimuth", "azimuth", false, true},
    {CliField::kZoneHour, "--zone-hour", "zone_hour", true, false},
    {CliField::kZoneMinute, "--zone-minute", "zone_minute", false, false},
}};

bool IsKeypadValue(const CliFieldInfo& field, const std::string& text) {
  std::size_t i = 0;
  if (!text.empty() && text[0] == '-') {
    if (!field.takesSign) return false;
    i = 1;
  }
  bool digit = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && field.takesPoint && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

std::vector<KeypadKey> KeypadSequence(const std::string& text) {
  std::vector<KeypadKey> keys;
  for (const char c : text) {
    if (c >= '0' && c <= '9') keys.push_back(static_cast<KeypadKey>(c - '0'));
    if (c == '.') keys.push_back(KeypadKey::kPoint);
  }
  if (!text.empty() && text[0] == '-') keys.push_back(KeypadKey::kSign);
  return keys;
}

}  // namespace skycalc
