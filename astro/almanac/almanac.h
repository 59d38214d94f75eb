#pragma once

#include <string>
#include <vector>

// The Japanese almanac (暦) computed from the accurate Sun and Moon
// (accurate.h): the 24 solar terms, the Moon's phases, the 雑節, the Moon's
// age, the old lunisolar calendar (旧暦) and the 六曜, as the national
// almanac office defines them. Dates are local dates in a zone given as
// minutes east of Greenwich; the calendar is Julian up to 1582-10-04 and
// Gregorian from 1582-10-15, as the calculator's. Instants are UTC Julian
// Days (TT from timescale::DeltaT). Years 1000 to 2999 only.
//
// Reference: 国立天文台 暦計算室, 暦要項 (each year's edition) and its 暦Wiki,
// for the definitions of the terms, phases and 雑節.
namespace skycalc::almanac {

inline constexpr int kFirstYear = 1000;
inline constexpr int kLastYear = 2999;
// The mean synodic month (days) the almanac's phase search steps by; a day
// whose age is below half of it shows a waxing Moon.
// Reference: J. Meeus, Astronomical Algorithms (2nd ed. 1998), eq. 49.1.
inline constexpr double kSynodicMonth = 29.530588861;
// What the front ends say when asked for the almanac outside those years.
inline constexpr char kYearsMessage[] = "暦は1000年～2999年にだけ計算できます。";
static_assert(kFirstYear == 1000 && kLastYear == 2999, "kYearsMessage names the years");

// Whether the almanac could be made: kOutsideYears when a date lies outside
// kFirstYear..kLastYear (every list then empty).
enum class Status { kOk, kOutsideYears };

enum class EventKind { kSolarTerm, kMoonPhase, kZassetsu };

struct LocalDate {
  int year = 0, month = 0, day = 0;
};

// The date of the civil day number jdn (the day whose noon is JD jdn;
// astro/time/calendar.h's DateOfDayNumber, in the almanac's type).
LocalDate LocalDateOfDay(long jdn);

struct Event {
  EventKind kind = EventKind::kSolarTerm;
  std::string name;        // 春分, 朔, 土用の入り, 節分 ...
  LocalDate date;          // local date of the rounded minute (or the day); the days counted
                           // from 立春, 春分 and 秋分 go by their exact instants
  bool hasTime = false;    // false for the 雑節 that are days only (節分, 彼岸の入り, 社日, 八十八夜, 二百十日, 二百二十日)
  int hour = 0, minute = 0;  // local time rounded to the nearest minute (30 s up), as the almanac office publishes it
  double jdUtc = 0;        // the exact instant (hasTime); else UTC Julian Day of the day's local 00:00
  bool hasLongitude = false;
  double longitudeDeg = 0;  // the Sun's apparent longitude that defines it (solar terms, 入梅, 半夏生, 土用の入り)
};

// Every event of the local year, in order of date and time (days-only 雑節
// before the timed events of their day).
struct YearEvents {
  Status status = Status::kOk;
  std::vector<Event> events;
};
YearEvents EventsOfYear(int year, int zoneMinutes);

// The local date on which the Sun's apparent longitude reaches longitudeDeg
// (a solar term: 0 春分, 15 清明, ... 345 啓蟄) within the local year; the
// date {0, 0, 0} for a year outside kFirstYear..kLastYear. The day of the
// exact instant (EventsOfYear dates the rounded minute, a day later when the
// term falls in the last 30 s before local midnight).
LocalDate SolarTermDate(int year, double longitudeDeg, int zoneMinutes);

// The Moon at an instant: age (days since the last 朔), the illuminated
// fraction of its disc [0, 1] and the phase angle (Sun-Moon-Earth, radians
// [0, pi]), geocentric. For an instant outside the years (UT, a day's margin
// either side) or not finite, every field is NaN.
struct MoonState {
  double age = 0;
  double illuminatedFraction = 0;
  double phaseAngle = 0;
};
MoonState MoonAt(double jdUtc);

// A date of the old lunisolar calendar (旧暦; unofficial: no body publishes
// it since 1873). Months begin on the local day of 朔 and are numbered by the
// 中気 they contain (天保暦); the month containing 冬至 is the 11th; between
// two 冬至 months of 13 months, the first without a 中気 is the leap month.
// Where that differs from numbering each month by its own 中気 (a month with
// two, a month without and no leap: 2033-2034), uncertain is set and the
// leap month is the 11th (閏十一月), the resolution most published calendars
// adopted.
struct LunarDate {
  int month = 0;  // 1-12
  int day = 0;    // 1-30
  bool leap = false;
  bool uncertain = false;
};

// 六曜 from a lunar date: (month + day) mod 6 -> 大安, 赤口, 先勝, 友引, 先負, 仏滅.
const char* Rokuyo(const LunarDate& date);

// One day of a month grid.
struct Day {
  LocalDate date;
  double moonAgeNoon = 0;          // 正午月齢: age at local 12:00, days
  double illuminatedFraction = 0;  // at local 12:00
  double phaseAngle = 0;           // at local 12:00, radians
  LunarDate lunar;
  std::string rokuyo;
  std::vector<Event> events;       // that day's events, as in EventsOfYear
  std::string holiday;             // Japan's holiday (holidays.h) on that date, empty if none
  bool holidayPlanned = false;     // the holiday rests on an equinox not yet announced (予定)
};

struct MonthGrid {
  Status status = Status::kOk;
  int year = 0, month = 0;
  std::vector<Day> days;
  bool lunarUncertain = false;  // some day's lunar date is uncertain: show kLunarUncertainNote
};

// count consecutive months from year-month, computed together; empty for
// count < 1 or a month outside 1-12. Should any month lie outside the years,
// every grid has kOutsideYears and no days.
std::vector<MonthGrid> Months(int year, int month, int count, int zoneMinutes);

// Notes for a display of the lunar calendar.
inline constexpr char kLunarNote[] = "旧暦・六曜は公式の暦ではありません（天保暦の規則による推算）。";
inline constexpr char kLunarUncertainNote[] =
    "2033年～2034年の旧暦は閏月の置き方に定説がありません。ここでは閏十一月としています。";

}  // namespace skycalc::almanac
