#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "astro/events/day_events.h"
#include "astro/events/sky_function.h"

// The calculator's rise, transit, set and twilight readouts: the body of the
// checked kind and its remembered choice, at the stored site, zone and
// azimuth origin, in the model in use, for any local date; and their texts,
// shared by the window's 出没時刻 box and skycalc-cli --events.
namespace skycalc {

class CSkyCalcDlg;

// One day's events with the local date they belong to.
struct LocalDayEvents {
  std::int32_t year = 0;
  int month = 0, day = 0;
  double dayStartJd = 0.0;        // UT Julian Day of local 00:00
  events::DayEvents events;
  const char* refusal = nullptr;  // the precise model's message outside its years (no events then)
};

class DayEventsTable {
 public:
  // A snapshot of what dlg shows now: body, site, zone, azimuth origin and model.
  // Rise and set follow convention (Japan's almanac office unless told).
  explicit DayEventsTable(const CSkyCalcDlg& dlg,
                          const events::RiseSetConvention& convention = events::kJapanConvention);
  ~DayEventsTable();
  DayEventsTable(const DayEventsTable&) = delete;
  DayEventsTable& operator=(const DayEventsTable&) = delete;

  // The events of the local date year-month-day (astronomical year) in the
  // stored zone. Consecutive days share the precise model's work.
  LocalDayEvents Day(std::int32_t year, int month, int day) const;
  // Whether the body is the Sun (the only one with twilights).
  bool IsSun() const { return m_sun; }
  // The name of the body as its list shows it.
  const std::string& BodyName() const { return m_name; }
  bool IsPrecise() const { return m_precise; }
  const events::RiseSetConvention& Convention() const { return m_convention; }
  int ZoneHours() const { return m_zoneHours; }
  int ZoneMinutes() const { return m_zoneMinutes; }

 private:
  std::unique_ptr<events::SkyFunction> m_sky;
  std::string m_name;
  bool m_sun = false;
  bool m_pluto = false;
  bool m_precise = false;
  int m_zoneHours = 0, m_zoneMinutes = 0;
  double m_azimuthOrigin = 0.0;
  events::RiseSetConvention m_convention;
};

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
