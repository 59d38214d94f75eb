#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The ten calculator fields as the command line names them, and how a value
// given for one is keyed on the calculator's keypad.
namespace skycalc {

enum class CliField : int {
  kYear,
  kMonth,
  kDay,
  kHour,
  kMinute,
  kLongitude,
  kLatitude,
  kAzimuth,
  kZoneHour,
  kZoneMinute,
};
inline constexpr std::size_t kCliFieldCount = 10;

struct CliFieldInfo {
  CliField field;
  const char* option;    // command-line option, e.g. "--zone-hour"
  const char* jsonKey;   // key in the JSON "fields" object, e.g. "zone_hour"
  bool takesSign;        // the keypad's +/- acts on this field
  bool takesPoint;       // the keypad's point acts on this field
};

// The fields in the order SET examines them (year first, zone minutes last).
extern const std::array<CliFieldInfo, kCliFieldCount> kCliFields;

// One keypad key: a digit 0-9, the point or the sign key.
enum class KeypadKey : int { k0, k1, k2, k3, k4, k5, k6, k7, k8, k9, kPoint, kSign };

// Whether the keypad, with field as the target, can build text: an optional
// leading "-" (sign fields only), at least one digit, at most one "." (point
// fields only), nothing else.
bool IsKeypadValue(const CliFieldInfo& field, const std::string& text);

// The keys a user presses to build text (which IsKeypadValue accepts): the
// digits and the point in order, then the sign key, because the sign key
// does nothing on the lone "0" the entry starts from.
std::vector<KeypadKey> KeypadSequence(const std::string& text);

}  // namespace skycalc
