#pragma once

#include <string>

// The texts of the calculator's readouts, character for character the C
// library's printf formats named below. A NaN, an infinity or a value outside
// the range a readout shows (given with each function) is written with dashes
// in place of its digits.
namespace skycalc {

// value as printf's "%.*f" writes it, into [first, last): the end of the text, or first (nothing
// written) when it does not fit.
char* WriteFixed(char* first, char* last, double value, int precision);
// printf-style formatting into a string of any length.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Julian Day (days) in "%f": "2451545.000000".
std::string FormatJulianDay(double jd);
// Local sidereal time (radians, [0, kTwoPi]) as rounded "%d:%d" hours and minutes; "--:--" unless
// it is [0, 25) hours.
std::string FormatSiderealTime(double lst);
// Right ascension (radians, [0, kTwoPi]) as "%dh%3.1fm"; minutes printed as 60.0 carry into the
// hour and hour 24 wraps to 0; "--h--.-m" unless it is [0, 25) hours.
std::string FormatRightAscension(double ra);
// Declination (radians, [-kHalfPi, kHalfPi]) as "%d°%d′" of whole degrees and truncated arcminutes;
// negative values as "-" and the text of the absolute value; "--°--′" unless |dec| < 91°.
std::string FormatDeclination(double dec);
// Azimuth (radians) as "Azm %4.2f°" in degrees; "Azm --.--°" unless it is [-1000, 1000) degrees.
std::string FormatAzimuth(double azimuth);
// Altitude (radians) as "Alt %4.2f°" in degrees; "Alt --.--°" unless it is [-1000, 1000) degrees.
std::string FormatAltitude(double altitude);
// Whole hours and fractional minutes -> minutes rounded half away from zero, 60 carried, hour 24 wrapped.
void RoundHourMinute(double hours, double minutes, double& hoursOut, double& minutesOut);
// A site setting (degrees, 32-bit float widened) as stored: "%5.2f", e.g. " 0.00", "140.00".
std::string FormatSetting(float degrees);
// text (UTF-8) as a JSON string literal, quotes and backslashes escaped and
// control characters as \n or \u00XX, for the page's view-models.
std::string JsonText(const std::string& text);
// JsonText(text) appended to out.
void AppendJsonText(std::string& out, const std::string& text);

}  // namespace skycalc
