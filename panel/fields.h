#pragma once

#include <cstdint>
#include <string>

#include "astro/sky/observation.h"

// The calculator's ten fields: SET's check of an entry, the values it stores,
// and the entry the keypad builds. One definition for the window and every
// tool that stores fields without it.
namespace skycalc {

// In the order SET examines them.
enum class Field { kYear, kMonth, kDay, kHour, kMinute, kLongitude, kLatitude, kAzimuth, kZoneHour, kZoneMinute };
inline constexpr int kFieldCount = 10;

// The stored fields with the calculator's widths.
struct StoredFields {
  std::int32_t year = 0;
  std::uint8_t month = 0, day = 0, hour = 0, minute = 0;
  float longitude = 0.0f, latitude = 0.0f, azimuth = 0.0f;  // degrees
  std::int8_t zoneHour = 0;
  std::uint8_t zoneMinute = 0;
};

// SET's verdict on an entry text for field: the value and the text the
// field's display then shows, or the field's message.
struct FieldEntry {
  bool accepted = false;
  double value = 0.0;       // exact for the integer fields
  std::string shown;        // the display's text ("135.0°" for a keyed "135")
  const char* message = nullptr;  // the field's range message when refused
};
// Integer fields take an optional "-" and digits (any other character ends
// the number); longitude, latitude and azimuth are completed to a decimal
// (".0" or a final "0") and read as the C library reads them. Ranges, both
// ends included: year -99999..99999, month 1..12, day 1..31, hour 0..23,
// minute 0..59, latitude -90..90, azimuth 0..359.99, zone hours -23..23,
// zone minutes 0..59; longitude strictly between -180 and 180. NaN is refused.
FieldEntry CheckFieldEntry(Field field, const std::string& entry);
// The last year the year field holds: tables and --events stop before they
// would pass it, with the year field's message.
inline constexpr std::int32_t kLastFieldYear = 99999;
// Stores an accepted value into its field, narrowed to the field's width.
void StoreFieldValue(StoredFields& fields, Field field, double value);

// The entry after a key. A digit replaces the lone "0" the entry starts from
// (the 0 key keeps it); the point is taken once, by the longitude, latitude
// and azimuth only; the sign toggles a leading "-" for the year, longitude,
// latitude and zone hours, never on the lone "0".
std::string EntryAfterDigit(const std::string& entry, char digit);
std::string EntryAfterPoint(const std::string& entry, Field target);
std::string EntryAfterSign(const std::string& entry, Field target);
// The entry a user builds for field by keying text's digits and point in
// order from the lone "0", then the sign key for a leading "-".
std::string KeyedEntry(Field field, const std::string& text);

// The instant and the site of the stored fields, as the readouts take them.
sky::Instant InstantOf(const StoredFields& fields);
sky::Site SiteOf(const StoredFields& fields);
// The stored zone as minutes east of UT: zoneHour * 60 + zoneMinute (the
// minutes are added to the hours, so -3h30m is stored as -4 and 30).
int ZoneMinutesOf(const StoredFields& fields);

}  // namespace skycalc
