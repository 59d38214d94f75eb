#include "panel/readout_format.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "astro/base/constants.h"

namespace skycalc {

namespace {

// Radians to hours as the readouts do it: to degrees with the system's pi, then to hours.
double RadiansToHours(double angle) { return angle * kRadToDeg * kInv360 * 24.0; }

// True when v is a number in [low, high) (false for NaN and infinities).
bool InRange(double v, double low, double high) { return v >= low && v < high; }

// Horizontal coordinate text: label, then "%4.2f°" of the degrees, or dashes when
// the degrees are not a number of at most three integer digits.
std::string FormatHorizontal(const char* label, double angle) {
  const double degrees = angle * kRadToDeg;
  if (!InRange(degrees, -1000.0, 1000.0)) return std::string(label) + " --.--°";
  return FormatText("%s %4.2f°", label, degrees);
}

}  // namespace

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
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return text;
}

std::string FormatJulianDay(double jd) { return FormatText("%f", jd); }

std::string FormatSiderealTime(double lst) {
  const double hours = RadiansToHours(lst);
  // A reduced sidereal time gives [0, 24] hours; anything else has no clock text.
  if (!InRange(hours, 0.0, 25.0)) return "--:--";
  double h = 0.0;
  double m = 0.0;
  RoundHourMinute(std::floor(hours), (hours - std::floor(hours)) * 60.0, h, m);
  return FormatText("%d:%d", static_cast<int>(h), static_cast<int>(m));
}

std::string FormatRightAscension(double ra) {
  const double hours = RadiansToHours(ra);
  if (!InRange(hours, 0.0, 25.0)) return "--h--.-m";
  int wholeHours = static_cast<int>(std::floor(hours));
  const double minutes = (hours - std::floor(hours)) * 60.0;
  // The minutes are rounded by the formatting alone; a rounding up to 60.0
  // belongs to the next hour, and the hour after 23 is 0.
  std::string minuteText = FormatText("%3.1f", minutes);
  if (minuteText == "60.0") {
    ++wholeHours;
    minuteText = "0.0";
  }
  if (wholeHours >= 24) wholeHours -= 24;
  return FormatText("%dh%sm", wholeHours, minuteText.c_str());
}

std::string FormatDeclination(double dec) {
  const double d = dec * kRadToDeg;
  const double magnitude = std::fabs(d);
  // Declinations lie within +-90 degrees (a hair more from the arc sine's tolerance).
  if (!InRange(magnitude, 0.0, 91.0)) return "--°--′";
  const double degrees = std::floor(magnitude);
  const int arcminutes = static_cast<int>((magnitude - degrees) * 60.0);
  return FormatText("%s%d°%d′", d < 0.0 ? "-" : "", static_cast<int>(degrees), arcminutes);
}

std::string FormatAzimuth(double azimuth) { return FormatHorizontal("Azm", azimuth); }

std::string FormatAltitude(double altitude) { return FormatHorizontal("Alt", altitude); }

std::string FormatSetting(float degrees) { return FormatText("%5.2f", static_cast<double>(degrees)); }

}  // namespace skycalc
