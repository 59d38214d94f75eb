#include "panel/text_numbers.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace skycalc {

namespace {

// Larger than every field's range, small enough that the digits never overflow.
constexpr long long kEntryMagnitudeLimit = 999999999999LL;

}  // namespace

bool ParseEntryInteger(const std::string& text, long long& value) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kEntryMagnitudeLimit) return false;
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

std::string CompleteDecimalEntry(const std::string& text) {
  if (text.find('.') == std::string::npos) return text + ".0";
  if (text.back() == '.') return text + "0";
  return text;
}

double TextToDouble(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

long long TextToLong(const std::string& text) { return std::strtoll(text.c_str(), nullptr, 10); }

float NarrowToFloat(double value) {
  if (std::isfinite(value) && std::fabs(value) > static_cast<double>(FLT_MAX))
    return value < 0.0 ? -HUGE_VALF : HUGE_VALF;
  return static_cast<float>(value);
}

std::uint8_t NarrowToUint8(long long value) { return static_cast<std::uint8_t>(value); }

std::int8_t NarrowToInt8(long long value) {
  const int low = NarrowToUint8(value);
  return static_cast<std::int8_t>(low >= 128 ? low - 256 : low);
}

}  // namespace skycalc
