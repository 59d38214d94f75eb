#include "panel/day_events.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cmath>

#include "astro/base/constants.h"
#include "astro/events/calculator_sky.h"
#include "astro/events/local_day.h"
#include "astro/events/precise_sky.h"
#include "catalog/catalog.h"
#include "catalog/names.h"
#include "panel/control_ids.h"
#include "panel/precise_readout.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

namespace {

constexpr double kExactRadToDeg = 180.0 / 3.14159265358979323846;
constexpr int kSunBody = 1;
constexpr int kEarthBody = 4;
constexpr int kPlutoBody = 10;

// Planet list position of body (the list skips the Earth).
int PlanetListPosition(int body) { return body < kEarthBody ? body - 1 : body - 2; }

void AppendFixed(std::string& text, double value, int precision) {
  char buffer[32];
#if defined(__cpp_lib_to_chars)
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  text.append(buffer, result.ptr);
#else
  // A C++ library without floating-point to_chars (Emscripten's libc++): printf's "%.*f" itself.
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  text.append(buffer, length < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
#endif
}

}  // namespace

DayEventsTable::DayEventsTable(const CSkyCalcDlg& dlg)
    : m_precise(dlg.IsPreciseModel()),
      m_zoneHours(dlg.m_nZoneHour),
      m_zoneMinutes(dlg.m_nZoneMinute),
      m_azimuthOrigin(static_cast<double>(dlg.m_fAzimuth) * kDegToRad) {
  // Each model takes the site as its readouts do: the calculator with its own
  // degree factor, the precise model in true radians.
  const double factor = m_precise ? kExactDegToRad : kDegToRad;
  const events::Site site{static_cast<double>(dlg.m_fLongitude) * factor,
                          static_cast<double>(dlg.m_fLatitude) * factor};
  const CatalogEntry* row = nullptr;
  if (dlg.CheckedBodyKind() == IDC_STAR) {
    const int index = g_nStarIndex >= 0 && g_nStarIndex < static_cast<int>(kStarCount) ? g_nStarIndex : 0;
    row = &StarCatalog[index];
    m_name = StarNames[index];
  } else if (dlg.CheckedBodyKind() == IDC_CONSTELLATION) {
    const int index = g_nConstIndex >= 0 && g_nConstIndex < static_cast<int>(kConstellationCount) ? g_nConstIndex : 0;
    row = &ConstellationCatalog[index];
    m_name = ConstellationNames[index];
  }
  if (row) {
    if (m_precise)
      m_sky = std::make_unique<events::PreciseSky>(row->ra * kExactDegToRad, row->dec * kExactDegToRad, site);
    else
      m_sky = std::make_unique<events::CalculatorCatalogSky>(row->ra * kDegToRad, row->dec * kDegToRad, site);
    return;
  }
  const int body = g_nPlanetBody >= 1 && g_nPlanetBody <= 11 && g_nPlanetBody != kEarthBody ? g_nPlanetBody : kSunBody;
  m_name = PlanetNames[PlanetListPosition(body)];
  m_sun = body == kSunBody;
  m_pluto = body == kPlutoBody;
  if (m_precise)
    m_sky = std::make_unique<events::PreciseSky>(PreciseBodyOf(body), site);
  else
    m_sky = std::make_unique<events::CalculatorBodySky>(body, site);
}

DayEventsTable::~DayEventsTable() = default;

LocalDayEvents DayEventsTable::Day(std::int32_t year, int month, int day) const {
  LocalDayEvents result;
  result.year = year;
  result.month = month;
  result.day = day;
  const events::DaySpan span = events::LocalDay(year, month, day, m_zoneHours, m_zoneMinutes);
  result.dayStartJd = span.startJd;
  if (m_precise) result.refusal = PreciseYearsRefusal(year, m_pluto);
  if (result.refusal) {
    result.events.status = m_pluto && year >= 1000 && year <= 2999 ? events::Status::kOutsidePlutoYears
                                                                    : events::Status::kOutsideYears;
    return result;
  }
  result.events = events::FindDayEvents(*m_sky, span.startJd, span.endJd, m_azimuthOrigin);
  return result;
}

std::string FormatEventTime(double jd, double dayStartJd) {
  const long long minutes = std::llround((jd - dayStartJd) * 1440.0);
  const long long hours = minutes / 60;
  const long long rest = minutes % 60;
  std::string text;
  text += static_cast<char>('0' + hours / 10);
  text += static_cast<char>('0' + hours % 10);
  text += ':';
  text += static_cast<char>('0' + rest / 10);
  text += static_cast<char>('0' + rest % 10);
  return text;
}

std::string FormatEventTimes(const std::vector<events::Event>& list, double dayStartJd) {
  if (list.empty()) return kNoEvent;
  std::string text;
  for (const events::Event& event : list) {
    if (!text.empty()) text += ", ";
    text += FormatEventTime(event.jd, dayStartJd);
  }
  return text;
}

std::string FormatEventAzimuth(const events::Event& event) {
  std::string text = "方位 ";
  AppendFixed(text, event.azimuthFromOrigin * kExactRadToDeg, 2);
  return text + "°";
}

std::string FormatEventAltitude(const events::Event& event) {
  std::string text = "高度 ";
  AppendFixed(text, event.altitude * kExactRadToDeg, 2);
  return text + "°";
}

}  // namespace skycalc
