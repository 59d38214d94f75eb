#pragma once

#include <string>
#include <vector>

#include "astro/almanac/almanac.h"

// Japan's national holidays (祝日) and the days off the law adds to them
// (振替休日, 国民の休日), from the law's first day, 1948-07-20, with every
// amendment and the one-off days set by laws of their own. 春分の日 and
// 秋分の日 are the days of the equinoxes in Japan's standard time (UTC+9),
// from the almanac's accurate Sun. Dates are Gregorian. No regional or
// company holidays.
namespace skycalc::almanac {

// The last year whose 春分日 and 秋分日 the cabinet has announced (官報,
// each February for the year after). The equinox days of later years are
// computed and marked planned; move this on when the next announcement is out.
inline constexpr int kLastAnnouncedYear = 2027;

// Japan's standard time, minutes east of Greenwich.
inline constexpr int kJapanZoneMinutes = 9 * 60;

// Appended to the name of a planned holiday where it is shown.
inline constexpr char kPlannedMark[] = "(予定)";

struct Holiday {
  LocalDate date;
  std::string name;      // 元日, 春分の日, 振替休日, 国民の休日, 即位礼正殿の儀 ...
  bool planned = false;  // rests on an equinox day not yet announced (a year after kLastAnnouncedYear)
};

struct YearHolidays {
  Status status = Status::kOk;
  std::vector<Holiday> holidays;  // in order of date; none before 1948-07-20
};

// The holidays of year; kOutsideYears (and none) for a year outside
// kFirstYear..kLastYear, where the equinoxes are not computed.
YearHolidays HolidaysOfYear(int year);

// The name as shown: name, followed by kPlannedMark when planned.
std::string HolidayLabel(const std::string& name, bool planned);

}  // namespace skycalc::almanac
