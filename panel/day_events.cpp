#include "panel/day_events.h"

#include <cmath>

#include "astro/base/constants.h"
#include "astro/time/calendar.h"
#include "panel/readout_format.h"

namespace skycalc {

namespace {

void AppendFixed(std::string& text, double value, int precision) {
  char buffer[32];
  text.append(buffer, WriteFixed(buffer, buffer + sizeof buffer, value, precision));
}

}  // namespace

std::string DateNote(std::int32_t year, int month, int day) {
  const CalendarDate actual = ActualDate(year, month, day);
  if (actual == CalendarDate{year, month, day}) return std::string();
  if (actual.year != year) {
    return FormatText("%d年%d月%d日は%d年%d月%d日として計算しました", static_cast<int>(year), month, day,
                      static_cast<int>(actual.year), actual.month, actual.day);
  }
  return FormatText("%d月%d日は%d月%d日として計算しました", month, day, actual.month, actual.day);
}

void AppendEventTime(std::string& text, double jd, double dayStartJd) {
  const long long minutes = std::llround((jd - dayStartJd) * 1440.0);
  const long long hours = minutes / 60;
  const long long rest = minutes % 60;
  const char digits[5] = {static_cast<char>('0' + hours / 10), static_cast<char>('0' + hours % 10), ':',
                          static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
  text.append(digits, sizeof digits);
}

std::string FormatEventTime(double jd, double dayStartJd) {
  std::string text;
  AppendEventTime(text, jd, dayStartJd);
  return text;
}

void AppendEventTimes(std::string& text, const std::vector<events::Event>& list, double dayStartJd) {
  if (list.empty()) {
    text += kNoEvent;
    return;
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += ", ";
    AppendEventTime(text, list[i].jd, dayStartJd);
  }
}

std::string FormatEventTimes(const std::vector<events::Event>& list, double dayStartJd) {
  std::string text;
  AppendEventTimes(text, list, dayStartJd);
  return text;
}

void AppendEventAzimuth(std::string& text, const events::Event& event) {
  text += "方位 ";
  AppendFixed(text, event.azimuthFromOrigin * kExactRadToDeg, 2);
  text += "°";
}

void AppendEventAltitude(std::string& text, const events::Event& event) {
  text += "高度 ";
  AppendFixed(text, event.altitude * kExactRadToDeg, 2);
  text += "°";
}

std::string FormatEventAzimuth(const events::Event& event) {
  std::string text;
  AppendEventAzimuth(text, event);
  return text;
}

std::string FormatEventAltitude(const events::Event& event) {
  std::string text;
  AppendEventAltitude(text, event);
  return text;
}

}  // namespace skycalc
