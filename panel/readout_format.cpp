#include "panel/readout_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "astro/base/constants.h"

namespace skycalc {

namespace {

// Radians to hours as the readouts do it: to degrees with the system's pi, then to hours.
double RadiansToHours(double angle) { return angle * kRadToDeg * kInv360 * 24.0; }

// True when v is a number in [low, high) (false for NaN and infinities).
bool InRange(double v, double low, double high) { return v >= low && v < high; }

void AppendFixed(std::string& text, double value, int precision) {
  char buffer[64];
  text.append(buffer, WriteFixed(buffer, buffer + sizeof buffer, value, precision));
}

void AppendInt(std::string& text, int value) {
  char buffer[16];
  const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

// Horizontal coordinate text: label, then "%4.2f°" of the degrees, or dashes when
// the degrees are not a number of at most three integer digits.
std::string FormatHorizontal(const char* label, double angle) {
  const double degrees = angle * kRadToDeg;
  std::string text(label);
  if (!InRange(degrees, -1000.0, 1000.0)) return text + " --.--°";
  text += ' ';
  AppendFixed(text, degrees, 2);
  return text + "°";
}

// The two digits of n (0-99) written before end; the new start.
char* PutTwoDigits(char* end, unsigned long long n) {
  static constexpr char kDigits[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  end -= 2;
  std::memcpy(end, kDigits + 2 * n, 2);
  return end;
}

// value with precision (0-7) decimals as printf's "%.*f" writes it, at the
// end of text (start set to its first character), when that is sure without
// the exact decimal value: where value * 10^precision (within half an ulp of
// the exact product) is clearly off a tie, the rounded whole number of units
// is the same as the exact one. False (nothing written) near a tie, for
// other precisions and for values of 10^15 units or more.
bool ClearOfTie(double value, int precision, char (&text)[24], const char*& start) {
  static constexpr unsigned long long kTens[8] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
  const double scaled = precision >= 0 && precision < 8 ? std::fabs(value) * static_cast<double>(kTens[precision]) : 1e15;
  if (!(scaled < 1e15)) return false;
  unsigned long long units = static_cast<unsigned long long>(scaled);  // the whole part
  const double fraction = scaled - static_cast<double>(units);          // exact below 2^52
  if (!(std::fabs(fraction - 0.5) > 1e-15 * (scaled > 1.0 ? scaled : 1.0))) return false;
  units += fraction > 0.5 ? 1 : 0;
  char* first = text + sizeof text;  // at most 16 digits, the point and the sign
  int decimals = precision;
  for (; decimals >= 2; decimals -= 2, units /= 100) first = PutTwoDigits(first, units % 100);
  if (decimals == 1) {
    *--first = static_cast<char>('0' + units % 10);
    units /= 10;
  }
  if (precision > 0) *--first = '.';
  for (; units >= 100; units /= 100) first = PutTwoDigits(first, units % 100);
  if (units >= 10) {
    first = PutTwoDigits(first, units);
  } else {
    *--first = static_cast<char>('0' + units);
  }
  if (std::signbit(value)) *--first = '-';
  start = first;
  return true;
}

}  // namespace

// The readouts are written for every row of a long table, so their numbers
// are formatted with std::to_chars, which gives the same characters as
// printf's "%.Nf" and "%d" (the exact decimal value, rounded half to even)
// without printf's parsing of the format and without allocating. None of the
// readout formats pads: "%4.2f" and "%3.1f" of a finite number are never
// shorter than their width.
char* WriteFixed(char* first, char* last, double value, int precision) {
  char text[24];
  const char* start = nullptr;
  if (ClearOfTie(value, precision, text, start)) {
    const std::size_t length = static_cast<std::size_t>(text + sizeof text - start);
    if (static_cast<std::size_t>(last - first) < length) return first;
    std::memcpy(first, start, length);
    return first + length;
  }
#if defined(__cpp_lib_to_chars)
  const std::to_chars_result result = std::to_chars(first, last, value, std::chars_format::fixed, precision);
  return result.ec == std::errc() ? result.ptr : first;
#else
  // A C++ library without floating-point to_chars (Emscripten's libc++): printf's "%.*f" itself.
  const std::size_t size = static_cast<std::size_t>(last - first);
  const int length = size == 0 ? -1 : std::snprintf(first, size, "%.*f", precision, value);
  return length < 0 || static_cast<std::size_t>(length) >= size ? first : first + length;
#endif
}

void RoundHourMinute(double hours, double minutes, double& hoursOut, double& minutesOut) {
  const double sign = minutes > 0.0 ? 1.0 : (minutes < 0.0 ? -1.0 : 0.0);
  const double rounded = std::trunc((std::fabs(minutes) + 0.5) * sign);
  double h = hours;
  if (rounded >= 60.0) {
    minutesOut = rounded - 60.0;
    h = hours + 1.0;
  } else {
    minutesOut = rounded;
  }
  if (h >= 24.0) h -= 24.0;
  hoursOut = h;
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  char small[64];
  const int length = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  std::string text;
  if (length > 0 && static_cast<std::size_t>(length) < sizeof small) {
    text.assign(small, static_cast<std::size_t>(length));
  } else if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
  }
  va_end(args);
  return text;
}

std::string FormatJulianDay(double jd) {
  std::string text;
  AppendFixed(text, jd, 6);
  return text;
}

std::string FormatSiderealTime(double lst) {
  const double hours = RadiansToHours(lst);
  // A reduced sidereal time gives [0, 24] hours; anything else has no clock text.
  if (!InRange(hours, 0.0, 25.0)) return "--:--";
  double h = 0.0;
  double m = 0.0;
  RoundHourMinute(std::floor(hours), (hours - std::floor(hours)) * 60.0, h, m);
  std::string text;
  AppendInt(text, static_cast<int>(h));
  text += ':';
  AppendInt(text, static_cast<int>(m));
  return text;
}

std::string FormatRightAscension(double ra) {
  const double hours = RadiansToHours(ra);
  if (!InRange(hours, 0.0, 25.0)) return "--h--.-m";
  int wholeHours = static_cast<int>(std::floor(hours));
  const double minutes = (hours - std::floor(hours)) * 60.0;
  // The minutes are rounded by the formatting alone; a rounding up to 60.0
  // belongs to the next hour, and the hour after 23 is 0.
  std::string minuteText;
  AppendFixed(minuteText, minutes, 1);
  if (minuteText == "60.0") {
    ++wholeHours;
    minuteText = "0.0";
  }
  if (wholeHours >= 24) wholeHours -= 24;
  std::string text;
  AppendInt(text, wholeHours);
  text += 'h';
  text += minuteText;
  text += 'm';
  return text;
}

std::string FormatDeclination(double dec) {
  const double d = dec * kRadToDeg;
  const double magnitude = std::fabs(d);
  // Declinations lie within +-90 degrees (a hair more from the arc sine's tolerance).
  if (!InRange(magnitude, 0.0, 91.0)) return "--°--′";
  const double degrees = std::floor(magnitude);
  const int arcminutes = static_cast<int>((magnitude - degrees) * 60.0);
  std::string text(d < 0.0 ? "-" : "");
  AppendInt(text, static_cast<int>(degrees));
  text += "°";
  AppendInt(text, arcminutes);
  return text + "′";
}

std::string FormatAzimuth(double azimuth) { return FormatHorizontal("Azm", azimuth); }

std::string FormatAltitude(double altitude) { return FormatHorizontal("Alt", altitude); }

std::string FormatSetting(float degrees) { return FormatText("%5.2f", static_cast<double>(degrees)); }

void AppendJsonText(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      out += FormatText("\\u%04x", c);
    } else {
      out += c;
    }
  }
  out += '"';
}

std::string JsonText(const std::string& text) {
  std::string out;
  AppendJsonText(out, text);
  return out;
}

}  // namespace skycalc
