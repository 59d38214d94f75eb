#pragma once

#include <cstdint>
#include <string>

// Conversions between the entry and store texts and the calculator's fields.
// Every one is defined for any text and any value: no overflow, no undefined
// narrowing.
namespace skycalc {

// Keyed integer: optional "-" then digits, converted up to the first other character (no digits
// gives 0). Exact for any length; false when the magnitude exceeds 999999999999 (no field takes it).
bool ParseEntryInteger(const std::string& text, long long& value);
// Keyed decimal completed for conversion: ".0" appended without a point, "0" after a final point.
std::string CompleteDecimalEntry(const std::string& text);
// The C library's text-to-double conversion (leading blanks, stops at the first foreign character;
// no number gives 0.0; overflow gives +-HUGE_VAL).
double TextToDouble(const std::string& text);
// The C library's text-to-integer conversion in 64 bits (strtoll, base 10): saturates at the
// long long range, the same on every platform (a 32-bit long would saturate sooner).
long long TextToLong(const std::string& text);
// A double narrowed to a 32-bit float; beyond the float range it becomes +-infinity as IEEE overflow does.
float NarrowToFloat(double value);
// An integer narrowed to 8 bits modulo 256: unsigned 0..255, signed -128..127 (two's complement).
std::uint8_t NarrowToUint8(long long value);
std::int8_t NarrowToInt8(long long value);

}  // namespace skycalc
