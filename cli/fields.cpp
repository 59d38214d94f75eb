#include "cli/fields.h"

namespace skycalc {

const std::array<CliFieldInfo, kCliFieldCount> kCliFields = {{
    {Field::kYear, "--year", "year", true, false},
    {Field::kMonth, "--month", "month", false, false},
    {Field::kDay, "--day", "day", false, false},
    {Field::kHour, "--hour", "hour", false, false},
    {Field::kMinute, "--minute", "minute", false, false},
    {Field::kLongitude, "--longitude", "longitude", true, true},
    {Field::kLatitude, "--latitude", "latitude", true, true},
    {Field::kAzimuth, "--azimuth", "azimuth", false, true},
    {Field::kZoneHour, "--zone-hour", "zone_hour", true, false},
    {Field::kZoneMinute, "--zone-minute", "zone_minute", false, false},
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

}  // namespace skycalc
