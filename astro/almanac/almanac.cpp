#include "astro/almanac/almanac.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/almanac/accurate.h"
#include "astro/almanac/holidays.h"
#include "astro/base/vector_state.h"
#include "astro/precise/precise.h"
#include "astro/time/calendar.h"
#include "astro/time/julian_day.h"
#include "astro/time/time_scales.h"

namespace skycalc::almanac {

namespace {

constexpr double kDegree = ERFA_DD2R;
constexpr double kTropicalYear = 365.2422;  // days, for first guesses only
// Days by which a solved crossing or phase may stand before its first
// guess (a tropical year or a mean month on): the year between crossings
// varies by minutes, a true phase from its mean one by under a day.
constexpr double kGuessSlack = 5.0;
// Reference: J. Meeus, Astronomical Algorithms (2nd ed. 1998), eq. 49.1: the
// mean new moon of lunation 0 (TT), a first guess for each phase.
constexpr double kMeanNewMoonEpoch = 2451550.09766;

// Reference: 国立天文台 暦要項: the 24 solar terms from the Sun's apparent
// longitude 0 deg in steps of 15 deg.
constexpr const char* kSolarTermNames[24] = {
    "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};
constexpr const char* kPhaseNames[4] = {"朔", "上弦", "望", "下弦"};

// Reference: 国立天文台 暦要項: the 雑節 fixed by the Sun's apparent longitude.
struct LongitudeZassetsu {
  double longitudeDeg;
  const char* name;
};
constexpr LongitudeZassetsu kLongitudeZassetsu[] = {
    {27, "土用の入り"}, {80, "入梅"}, {100, "半夏生"}, {117, "土用の入り"}, {207, "土用の入り"}, {297, "土用の入り"}};

// Reference: 国立天文台 暦要項: days counted from 立春 as day 1.
struct CountedZassetsu {
  int day;
  const char* name;
};
constexpr CountedZassetsu kCountedZassetsu[] = {{88, "八十八夜"}, {210, "二百十日"}, {220, "二百二十日"}};

// Reference: cassiopeia.a.la9.jp/reki/reki.htm: the 1st of months 1 and 7 is
// 先勝, of 2 and 8 友引, 3 and 9 先負, 4 and 10 仏滅, 5 and 11 大安, 6 and 12
// 赤口, then in turn; so (month + day) mod 6 indexes this list.
constexpr const char* kRokuyoNames[6] = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};

// The instants of the local days of the years, in any zone of a day either
// side of Greenwich.
constexpr double kZoneMarginDays = 1.0;

constexpr double kSpring = 0.0, kAutumn = 180.0, kWinterSolstice = 270.0, kRisshun = 315.0;

double Wrap(double angle) { return std::remainder(angle, 2.0 * ERFA_DPI); }

double TtOf(double jdUtc) { return timescale::MakeInstant(jdUtc).jdTt; }

double UtcOf(double jdTt) { return timescale::InstantOfTt(jdTt).jdUtc; }

// UTC Julian Day of the local 00:00 of a day.
double LocalMidnight(long jdn, int zoneMinutes) { return jdn - 0.5 - zoneMinutes / 1440.0; }

// Newton's steps shrink quadratically: once a step is below kLastStep (about
// a minute and a half) the one after it would be below a millisecond, so the
// search takes the next step on the next theory instead.
constexpr double kLastStep = 1e-3;  // days

// The instant at which the Sun's apparent longitude is target (radians),
// near guess (TT): Newton steps on the coarse Earth to kLastStep (within a
// minute of the truth), then one on the whole theory (below 1 ms after it).
double SolveSun(double target, double guessTt) {
  double t = guessTt, rate;
  for (int i = 0; i < 12; ++i) {
    const double step = Wrap(accurate::SunApparentLongitude(t, &rate, true) - target) / rate;
    t -= step;
    if (std::fabs(step) < kLastStep) break;
  }
  return t - Wrap(accurate::SunApparentLongitude(t, &rate) - target) / rate;
}

// The instant at which the Moon's apparent longitude less the Sun's is
// target (radians), near guess (TT): Newton steps on the coarse lunar series
// to kLastStep (within 40 s of the truth), then, when full, one on the full
// series (its error then is below 0.1 s).
double SolvePhase(double target, double guessTt, bool full = true) {
  double t = guessTt;
  for (int i = 0; i < 12; ++i) {
    const accurate::Longitudes l = accurate::ApparentLongitudes(t, true);
    const double step = Wrap(l.moon - l.sun - target) / (l.moonRate - l.sunRate);
    t -= step;
    if (std::fabs(step) < kLastStep) break;
  }
  if (!full) return t;
  const accurate::Longitudes l = accurate::ApparentLongitudes(t, false);
  return t - Wrap(l.moon - l.sun - target) / (l.moonRate - l.sunRate);
}

// Every instant (TT) in [tt0, tt1) at which the Sun's longitude is longitudeDeg.
std::vector<double> SunCrossings(double longitudeDeg, double tt0, double tt1) {
  std::vector<double> found;
  const double start = accurate::SunApparentLongitude(tt0, nullptr);
  double ahead = std::fmod(longitudeDeg * kDegree - start, 2.0 * ERFA_DPI);
  if (ahead < 0) ahead += 2.0 * ERFA_DPI;
  for (double t = SolveSun(longitudeDeg * kDegree, tt0 + ahead / (2.0 * ERFA_DPI) * kTropicalYear); t < tt1;
       t = SolveSun(longitudeDeg * kDegree, t + kTropicalYear)) {
    if (t >= tt0) found.push_back(t);
    // The next crossing is within a day of a tropical year on (the year
    // between two crossings of one longitude varies by minutes): past the
    // span by more than kGuessSlack, it is not solved only to be dropped.
    if (t + kTropicalYear - kGuessSlack >= tt1) break;
  }
  return found;
}

struct Crossing {
  double jdTt;
  int index;  // solar term 0-23 from 春分; phase 0-3 from 朔
};

std::vector<Crossing> SolarTerms(double tt0, double tt1, int every = 1) {
  std::vector<Crossing> terms;
  for (int k = 0; k < 24; k += every) {
    for (const double t : SunCrossings(15.0 * k, tt0, tt1)) terms.push_back({t, k});
  }
  std::sort(terms.begin(), terms.end(), [](const Crossing& a, const Crossing& b) { return a.jdTt < b.jdTt; });
  return terms;
}

std::vector<Crossing> Phases(double tt0, double tt1, int every = 1, bool full = true) {
  std::vector<Crossing> phases;
  for (long k = static_cast<long>(std::floor((tt0 - kMeanNewMoonEpoch) / kSynodicMonth)) - 1;; ++k) {
    const double mean = kMeanNewMoonEpoch + kSynodicMonth * k;
    if (mean > tt1 + 2.0) break;
    for (int q = 0; q < 4; q += every) {
      const double guess = mean + kSynodicMonth * q / 4.0;
      if (guess + kGuessSlack < tt0 || guess - kGuessSlack >= tt1) continue;  // cannot fall in the span
      const double t = SolvePhase(q * ERFA_DPI / 2.0, guess, full);
      if (t >= tt0 && t < tt1) phases.push_back({t, q});
    }
  }
  return phases;
}

// A timed event at the UTC instant jdUtc, rounded to the minute.
// Reference: suchowan.at.webry.info/201602/article_4.html: 暦要項 rounds the
// seconds (29 down, 30 up; its 2017-02-26 朔 at 23:58), where the office's
// online calculator cuts them.
Event TimedEvent(EventKind kind, const char* name, double jdUtc, int zoneMinutes) {
  Event e;
  e.kind = kind;
  e.name = name;
  e.hasTime = true;
  e.jdUtc = jdUtc;
  const double local = jdUtc + zoneMinutes / 1440.0 + 0.5;
  long jdn = static_cast<long>(std::floor(local));
  long minutes = static_cast<long>(std::floor((local - jdn) * 1440.0 + 0.5));
  if (minutes >= 1440) {
    minutes -= 1440;
    ++jdn;
  }
  e.date = LocalDateOfDay(jdn);
  e.hour = static_cast<int>(minutes / 60);
  e.minute = static_cast<int>(minutes % 60);
  return e;
}

Event DayEvent(const char* name, long jdn, int zoneMinutes) {
  Event e;
  e.kind = EventKind::kZassetsu;
  e.name = name;
  e.date = LocalDateOfDay(jdn);
  e.jdUtc = LocalMidnight(jdn, zoneMinutes);
  return e;
}

// Reference: 国立天文台 暦計算室 暦Wiki「社日とは？」
// (eco.mtk.nao.ac.jp/koyomi/wiki/B5A8C0E12FBBA8C0E1A4C8A4CFA1A9.html, as
// quoted at www.arachne.jp/blog/): the 戊 day nearest the
// day of 春分 (秋分); when that day is a 癸 day, midway between two 戊 days,
// the earlier one if the instant is before local noon, else the later one
// (the rule since the almanac of 1881). Day stems: (JDN + 9) mod 10, 戊 = 4.
long Shanichi(double equinoxUtc, int zoneMinutes) {
  const long day = LocalDayNumber(equinoxUtc, zoneMinutes);
  const long stem = ((day + 9) % 10 + 10) % 10;
  long offset = 4 - stem;  // to the 戊 of the same ten days, -5..4
  if (offset == -5) {
    const double local = equinoxUtc + zoneMinutes / 1440.0 + 0.5;
    offset = (local - std::floor(local)) < 0.5 ? -5 : 5;
  }
  return day + offset;
}

bool InYears(int year) { return year >= kFirstYear && year <= kLastYear; }

bool EventBefore(const Event& a, const Event& b) {
  const long da = DayNumberOfDate(a.date.year, a.date.month, a.date.day), db = DayNumberOfDate(b.date.year, b.date.month, b.date.day);
  if (da != db) return da < db;
  if (a.hasTime != b.hasTime) return !a.hasTime;
  return a.jdUtc < b.jdUtc;
}

}  // namespace

namespace {

// The events whose local date lies in the days [first, end) (Julian Day Numbers).
std::vector<Event> EventsInDays(long first, long end, int zoneMinutes) {
  const double tt0 = TtOf(LocalMidnight(first, zoneMinutes)) - 1.0, tt1 = TtOf(LocalMidnight(end, zoneMinutes)) + 1.0;
  std::vector<Event> all;
  for (const Crossing& c : SolarTerms(tt0, tt1)) {
    Event e = TimedEvent(EventKind::kSolarTerm, kSolarTermNames[c.index], UtcOf(c.jdTt), zoneMinutes);
    e.hasLongitude = true;
    e.longitudeDeg = 15.0 * c.index;
    all.push_back(e);
  }
  for (const LongitudeZassetsu& z : kLongitudeZassetsu) {
    for (const double t : SunCrossings(z.longitudeDeg, tt0, tt1)) {
      Event e = TimedEvent(EventKind::kZassetsu, z.name, UtcOf(t), zoneMinutes);
      e.hasLongitude = true;
      e.longitudeDeg = z.longitudeDeg;
      all.push_back(e);
    }
  }
  for (const Crossing& c : Phases(tt0, tt1)) {
    all.push_back(TimedEvent(EventKind::kMoonPhase, kPhaseNames[c.index], UtcOf(c.jdTt), zoneMinutes));
  }
  // The 雑節 counted in days from 立春, 春分 and 秋分 of each year touched.
  for (int year = LocalDateOfDay(first).year; year <= LocalDateOfDay(end - 1).year; ++year) {
    const double yearStart = TtOf(LocalMidnight(DayNumberOfDate(year, 1, 1), zoneMinutes));
    const double yearEnd = TtOf(LocalMidnight(DayNumberOfDate(year + 1, 1, 1), zoneMinutes));
    const auto instant = [&](double longitude) { return UtcOf(SunCrossings(longitude, yearStart, yearEnd).front()); };
    const long risshunDay = LocalDayNumber(instant(kRisshun), zoneMinutes);
    all.push_back(DayEvent("節分", risshunDay - 1, zoneMinutes));
    for (const CountedZassetsu& z : kCountedZassetsu) {
      all.push_back(DayEvent(z.name, risshunDay + z.day - 1, zoneMinutes));
    }
    for (const double longitude : {kSpring, kAutumn}) {
      const double equinox = instant(longitude);
      all.push_back(DayEvent("彼岸の入り", LocalDayNumber(equinox, zoneMinutes) - 3, zoneMinutes));
      all.push_back(DayEvent("社日", Shanichi(equinox, zoneMinutes), zoneMinutes));
    }
  }
  std::vector<Event> events;
  for (Event& e : all) {
    const long day = DayNumberOfDate(e.date.year, e.date.month, e.date.day);
    if (day >= first && day < end) events.push_back(std::move(e));
  }
  std::sort(events.begin(), events.end(), EventBefore);
  return events;
}

}  // namespace

YearEvents EventsOfYear(int year, int zoneMinutes) {
  ClearUpperVectorState();
  YearEvents result;
  if (!InYears(year)) {
    result.status = Status::kOutsideYears;
    return result;
  }
  result.events = EventsInDays(DayNumberOfDate(year, 1, 1), DayNumberOfDate(year + 1, 1, 1), zoneMinutes);
  return result;
}

LocalDate SolarTermDate(int year, double longitudeDeg, int zoneMinutes) {
  if (!InYears(year)) return {};
  ClearUpperVectorState();
  const double start = TtOf(LocalMidnight(DayNumberOfDate(year, 1, 1), zoneMinutes));
  const double end = TtOf(LocalMidnight(DayNumberOfDate(year + 1, 1, 1), zoneMinutes));
  const std::vector<double> found = SunCrossings(longitudeDeg, start, end);
  if (found.empty()) return {};
  return LocalDateOfDay(LocalDayNumber(UtcOf(found.front()), zoneMinutes));
}

namespace {

// The illuminated fraction and phase angle at the TT instant tt (the
// coarse lunar series moves the fraction by less than 1e-5).
void Illumination(double tt, MoonState& state) {
  const accurate::ApparentPlace sun = accurate::SunApparent(tt), moon = accurate::MoonApparentCoarse(tt);
  const double cosElongation = std::sin(sun.declination) * std::sin(moon.declination) +
                               std::cos(sun.declination) * std::cos(moon.declination) *
                                   std::cos(sun.rightAscension - moon.rightAscension);
  const double elongation = std::acos(std::clamp(cosElongation, -1.0, 1.0));
  state.phaseAngle = std::atan2(sun.distance * std::sin(elongation), moon.distance - sun.distance * std::cos(elongation));
  state.illuminatedFraction = (1.0 + std::cos(state.phaseAngle)) / 2.0;
}

}  // namespace

MoonState MoonAt(double jdUtc) {
  // Beyond the years the theories promise nothing, and far beyond them (or
  // for no number at all) the count of lunations overflows.
  static const double first = CalendarToJD(kFirstYear, 1, 1) - kZoneMarginDays;
  static const double end = CalendarToJD(kLastYear + 1, 1, 1) + kZoneMarginDays;
  if (!(jdUtc >= first && jdUtc < end)) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    return {none, none, none};
  }
  const double tt = TtOf(jdUtc);
  long k = static_cast<long>(std::floor((tt - kMeanNewMoonEpoch) / kSynodicMonth)) + 1;
  double newMoon = SolvePhase(0.0, kMeanNewMoonEpoch + kSynodicMonth * k);
  while (newMoon > tt) newMoon = SolvePhase(0.0, kMeanNewMoonEpoch + kSynodicMonth * --k);
  MoonState state;
  state.age = tt - newMoon;
  Illumination(tt, state);
  return state;
}

const char* Rokuyo(const LunarDate& date) { return kRokuyoNames[(date.month + date.day) % 6]; }

namespace {

// The lunisolar months over a span of local days: each month's first day,
// number, leap flag and uncertainty.
struct LunarMonth {
  long firstDay = 0;
  int number = 0;
  bool leap = false;
  bool uncertain = false;
};

// The local day of 朔 from the coarse instant tt (TT), refined on the full
// series when within two minutes of a local midnight.
long NewMoonDay(double tt, int zoneMinutes) {
  const double local = UtcOf(tt) + zoneMinutes / 1440.0 + 0.5;
  const double fraction = local - std::floor(local);
  if (fraction < 2.0 / 1440.0 || fraction > 1.0 - 2.0 / 1440.0) tt = SolvePhase(0.0, tt);
  return LocalDayNumber(UtcOf(tt), zoneMinutes);
}

// Reference (the leap month of 2033): 日本カレンダー暦文化振興協会, view of
// 2015-08-28 recommending 閏十一月, as reported in Wikipedia「旧暦2033年問題」
// (www.weblio.jp/wkpja/content/旧暦2033年問題_現状とこれから) and
// wiki.suikawiki.org/n/閏11月案; the 冬至-anchored rule below gives it, as the
// Chinese 時憲暦 does (astis.html.xdomain.jp/column_correspondence.html).
//
// The months that cover the local days [first, end), and the instants of
// their 朔 (UTC, within 40 s) into newMoons.
//
// A month is numbered from the 冬至 months on either side of it, so the
// months are numbered the same whatever days are asked: the span runs from
// the 冬至 at or before the first day to the second 冬至 after the last day.
// (Up to the first only, the month holding that 冬至, which may begin before
// the end, was left unnumbered, and its days counted on from the month
// before: 旧10月31日 to 旧10月37日 in 2022 November.)
std::vector<LunarMonth> LunarMonths(long first, long end, int zoneMinutes, std::vector<double>& newMoons) {
  const double ttFirst = TtOf(LocalMidnight(first, zoneMinutes)), ttEnd = TtOf(LocalMidnight(end, zoneMinutes));
  const std::vector<double> solstices = SunCrossings(kWinterSolstice, ttFirst - 400.0, ttEnd + 800.0);
  double before = solstices.front(), after = solstices.back();
  for (const double t : solstices) {
    if (LocalDayNumber(UtcOf(t), zoneMinutes) <= first) before = t;
  }
  int afterEnd = 0;  // the solstices on or after the end day so far
  for (const double t : solstices) {
    if (LocalDayNumber(UtcOf(t), zoneMinutes) >= end && ++afterEnd == 2) {
      after = t;
      break;
    }
  }
  const double tt0 = before - 31.0, tt1 = after + 31.0;
  std::vector<long> starts;
  for (const Crossing& c : Phases(tt0, tt1, 4, false)) {
    starts.push_back(NewMoonDay(c.jdTt, zoneMinutes));
    newMoons.push_back(UtcOf(c.jdTt));
  }
  // 中気: the terms at multiples of 30 deg; count per month and the month of each 冬至.
  std::vector<int> chuki(starts.size(), 0);
  std::vector<std::size_t> solsticeMonths;
  for (const Crossing& c : SolarTerms(tt0, tt1, 2)) {
    const long day = LocalDayNumber(UtcOf(c.jdTt), zoneMinutes);
    const auto it = std::upper_bound(starts.begin(), starts.end(), day);
    if (it == starts.begin() || it == starts.end()) continue;
    const std::size_t month = static_cast<std::size_t>(it - starts.begin()) - 1;
    ++chuki[month];
    if (15 * c.index == kWinterSolstice) solsticeMonths.push_back(month);
  }
  std::vector<LunarMonth> months(starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) months[i].firstDay = starts[i];
  for (std::size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
    const std::size_t a = solsticeMonths[s], b = solsticeMonths[s + 1];
    std::size_t leap = b;  // none
    if (b - a == 13) {
      for (std::size_t i = a + 1; i < b && leap == b; ++i) {
        if (chuki[i] == 0) leap = i;
      }
    }
    // Numbering each month by its own 中気 agrees when every month has one
    // but the leap month of a 13-month span, which has none. Where it does
    // not, the months from the first that disagrees (or the leap month, if
    // earlier) to the last (or the leap month) are uncertain.
    std::size_t firstOdd = b, lastOdd = a;
    for (std::size_t i = a; i < b; ++i) {
      if (chuki[i] != (i == leap ? 0 : 1)) {
        firstOdd = std::min(firstOdd, i);
        lastOdd = i;
      }
    }
    if (firstOdd < b && leap < b) {
      firstOdd = std::min(firstOdd, leap);
      lastOdd = std::max(lastOdd, leap);
    }
    int number = 11;
    for (std::size_t i = a; i < b; ++i) {
      if (i > a && i != leap) number = number % 12 + 1;
      months[i].number = number;
      months[i].leap = i == leap;
      months[i].uncertain = i >= firstOdd && i <= lastOdd;
    }
  }
  // Keep the numbered months only (those between the first and last 冬至 month).
  std::vector<LunarMonth> numbered;
  for (const LunarMonth& m : months) {
    if (m.number != 0) numbered.push_back(m);
  }
  return numbered;
}

}  // namespace

std::vector<MonthGrid> Months(int year, int month, int count, int zoneMinutes) {
  ClearUpperVectorState();
  std::vector<MonthGrid> grids;
  if (count < 1 || month < 1 || month > 12) return grids;
  // In 64 bits: a run from a year near the int's limit goes past it (such
  // grids are all refused; their year stops at the limit).
  long long y = year;
  int m = month;
  for (int i = 0; i < count; ++i) {
    MonthGrid grid;
    grid.year = static_cast<int>(std::min<long long>(y, std::numeric_limits<int>::max()));
    grid.month = m;
    grid.status = y >= kFirstYear && y <= kLastYear ? Status::kOk : Status::kOutsideYears;
    grids.push_back(grid);
    if (++m > 12) {
      m = 1;
      ++y;
    }
  }
  for (const MonthGrid& g : grids) {
    if (g.status == Status::kOk) continue;
    for (MonthGrid& each : grids) each.status = Status::kOutsideYears;
    return grids;
  }
  const long first = DayNumberOfDate(year, month, 1);
  const long end = DayNumberOfDate(static_cast<int>(y), m, 1);
  std::vector<double> newMoons;
  const std::vector<LunarMonth> lunar = LunarMonths(first, end, zoneMinutes, newMoons);
  const std::vector<Event> events = EventsInDays(first, end, zoneMinutes);
  std::vector<Holiday> holidays;  // Japan's, whatever the zone
  for (int y2 = year; y2 <= LocalDateOfDay(end - 1).year; ++y2) {
    const std::vector<Holiday> ofYear = HolidaysOfYear(y2).holidays;
    holidays.insert(holidays.end(), ofYear.begin(), ofYear.end());
  }
  long day = first;
  for (MonthGrid& grid : grids) {
    for (LocalDate date = LocalDateOfDay(day); date.month == grid.month; date = LocalDateOfDay(++day)) {
      Day d;
      d.date = date;
      const double noon = static_cast<double>(day) - zoneMinutes / 1440.0;
      const auto nm = std::upper_bound(newMoons.begin(), newMoons.end(), noon);
      MoonState state;
      Illumination(TtOf(noon), state);
      d.moonAgeNoon = nm != newMoons.begin() ? noon - *(nm - 1) : MoonAt(noon).age;
      d.illuminatedFraction = state.illuminatedFraction;
      d.phaseAngle = state.phaseAngle;
      const auto lm = std::upper_bound(lunar.begin(), lunar.end(), day,
                                       [](long v, const LunarMonth& x) { return v < x.firstDay; });
      if (lm != lunar.begin()) {
        const LunarMonth& mo = *(lm - 1);
        d.lunar = {mo.number, static_cast<int>(day - mo.firstDay + 1), mo.leap, mo.uncertain};
        d.rokuyo = Rokuyo(d.lunar);
        grid.lunarUncertain = grid.lunarUncertain || mo.uncertain;
      }
      for (const Event& e : events) {
        if (e.date.year == date.year && e.date.month == date.month && e.date.day == date.day) d.events.push_back(e);
      }
      for (const Holiday& h : holidays) {
        if (h.date.year == date.year && h.date.month == date.month && h.date.day == date.day) {
          d.holiday = h.name;
          d.holidayPlanned = h.planned;
        }
      }
      grid.days.push_back(d);
    }
  }
  return grids;
}

LocalDate LocalDateOfDay(long jdn) {
  const CalendarDate d = DateOfDayNumber(jdn);
  return LocalDate{d.year, d.month, d.day};
}

}  // namespace skycalc::almanac
