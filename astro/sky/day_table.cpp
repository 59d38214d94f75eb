#include "astro/sky/day_table.h"

#include "astro/base/constants.h"
#include "astro/base/vector_state.h"
#include "astro/events/local_day.h"

namespace skycalc::sky {

DayEventsTable::DayEventsTable(const SkyModel& model, const Target& target, const Site& site, int zoneHours,
                               int zoneMinutes, double azimuthOrigin,
                               const events::RiseSetConvention& convention)
    : m_model(model),
      m_target(target),
      m_sky(model.Sky(target, site)),
      m_zoneHours(zoneHours),
      m_zoneMinutes(zoneMinutes),
      m_azimuthOriginDegrees(azimuthOrigin),
      m_azimuthOrigin(azimuthOrigin * kDegToRad),
      m_convention(convention) {}

DayEventsTable::~DayEventsTable() = default;

LocalDayEvents DayEventsTable::Day(std::int32_t year, int month, int day) const {
  ClearUpperVectorState();
  LocalDayEvents result;
  result.year = year;
  result.month = month;
  result.day = day;
  result.date = ActualDate(year, month, day);
  const events::DaySpan span = events::LocalDay(year, month, day, m_zoneHours, m_zoneMinutes);
  result.dayStartJd = span.startJd;
  result.coverage = m_model.Covers(m_target, year);
  if (result.coverage != Coverage::kCovered) {
    result.events.status = result.coverage == Coverage::kOutsidePlutoYears ? events::Status::kOutsidePlutoYears
                                                                           : events::Status::kOutsideYears;
    return result;
  }
  result.events = events::FindDayEvents(*m_sky, span.startJd, span.endJd, m_azimuthOrigin, m_convention, m_samples);
  return result;
}

}  // namespace skycalc::sky
