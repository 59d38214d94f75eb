#pragma once

#include <string>
#include <vector>

#include "astro/events/day_events.h"

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
