#pragma once

#include <string>
#include <vector>

#include "astro/events/day_events.h"
#include "astro/events/local_day.h"

// The texts of the rise, transit, set and twilight readouts, shared by the
// window's 出没時刻 box and skycalc-cli --events (the events themselves come
// from sky::DayEventsTable).
namespace skycalc {

// Texts (UTF-8). An event's local time "HH:MM", rounded to the nearest
// minute from the day's local midnight (an event in the day's last half
// minute shows as "24:00").
std::string FormatEventTime(double jd, double dayStartJd);
// The times of a list of events joined with ", "; "なし" for none.
std::string FormatEventTimes(const std::vector<events::Event>& list, double dayStartJd);
// "方位 123.45°" (the azimuth from the origin) and "高度 31.55°" (the transit's altitude).
std::string FormatEventAzimuth(const events::Event& event);
std::string FormatEventAltitude(const events::Event& event);
// The same texts appended to text, for outputs that write many of them.
void AppendEventTime(std::string& text, double jd, double dayStartJd);
void AppendEventTimes(std::string& text, const std::vector<events::Event>& list, double dayStartJd);
void AppendEventAzimuth(std::string& text, const events::Event& event);
void AppendEventAltitude(std::string& text, const events::Event& event);
// The calculator keeps a keyed date that the calendar does not have (31
// February, 1582 October 10) as keyed and computes the day it counts on to;
// what labels a day shows that actual date and says once:
// "2月30日は3月2日として計算しました" ("" for a real date; the years are named
// when they differ).
std::string DateNote(std::int32_t year, int month, int day);

// Caption of the kind of event, and of each twilight.
inline constexpr char kRiseCaption[] = "出";
inline constexpr char kTransitCaption[] = "南中";
inline constexpr char kSetCaption[] = "没";
inline constexpr char kNoEvent[] = "なし";
inline constexpr char kAlwaysUp[] = "一日中地平線上";
inline constexpr char kAlwaysDown[] = "一日中地平線下";
inline constexpr const char* kTwilightCaptions[events::kTwilightCount] = {"市民薄明", "航海薄明", "天文薄明"};
inline constexpr char kDawnCaption[] = "始";
inline constexpr char kDuskCaption[] = "終";

}  // namespace skycalc
