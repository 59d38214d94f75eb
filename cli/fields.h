#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "panel/fields.h"

// The ten calculator fields as the command line names them.
namespace skycalc {

inline constexpr std::size_t kCliFieldCount = kFieldCount;

struct CliFieldInfo {
  Field field;
  const char* option;    // command-line option, e.g. "--zone-hour"
  const char* jsonKey;   // key in the JSON "fields" object, e.g. "zone_hour"
  bool takesSign;        // the keypad's +/- acts on this field
  bool takesPoint;       // the keypad's point acts on this field
};

// The fields in the order SET examines them (year first, zone minutes last).
extern const std::array<CliFieldInfo, kCliFieldCount> kCliFields;

// Whether the keypad, with field as the target, can build text: an optional
// leading "-" (sign fields only), at least one digit, at most one "." (point
// fields only), nothing else.
bool IsKeypadValue(const CliFieldInfo& field, const std::string& text);

}  // namespace skycalc
