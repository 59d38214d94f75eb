// The almanac's entry points with any year, month, count (bounded, since
// each month costs the search of its events), zone and instant, non-finite
// instants included. After each call its contract is checked: a refusal
// exactly outside the years, events in order and on their local year, every
// solar term once, month grids of whole months with lunar dates and 六曜,
// the Moon's age, fraction and phase angle within their ranges.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "astro/almanac/almanac.h"
#include "fuzz/fuzz_support.h"

namespace skycalc::almanac {
namespace {

constexpr int kZoneLimit = 24 * 60;  // minutes either side of Greenwich
constexpr int kCountLimit = 14;      // months a call

bool InYears(long long year) { return year >= kFirstYear && year <= kLastYear; }

long DayIndex(const LocalDate& d) { return (static_cast<long>(d.year) * 12 + d.month) * 32 + d.day; }

void CheckYear(int year, int zone) {
  const YearEvents result = EventsOfYear(year, zone);
  FUZZ_CHECK((result.status == Status::kOk) == InYears(year), "refused exactly outside the years");
  if (result.status != Status::kOk) {
    FUZZ_CHECK(result.events.empty(), "no events when refused");
    return;
  }
  std::map<std::string, int> terms;
  for (std::size_t i = 0; i < result.events.size(); ++i) {
    const Event& e = result.events[i];
    FUZZ_CHECK(e.date.year == year && e.date.month >= 1 && e.date.month <= 12 && e.date.day >= 1 && e.date.day <= 31,
               "event on a day of its year");
    FUZZ_CHECK(!e.name.empty(), "event named");
    FUZZ_CHECK(!e.hasTime || (e.hour >= 0 && e.hour < 24 && e.minute >= 0 && e.minute < 60), "time of day");
    FUZZ_CHECK(std::isfinite(e.jdUtc), "finite instant");
    if (i > 0) FUZZ_CHECK(DayIndex(result.events[i - 1].date) <= DayIndex(e.date), "events in order of date");
    if (e.kind == EventKind::kSolarTerm) ++terms[e.name];
  }
  // Every solar term once a year, but 小寒 (near 6 January in Gregorian years) falls on 30 or
  // 31 December in the Julian calendar's years before 1400 or so, and a zone far east carries
  // it over New Year's Day: at +22:48, 1011 has none (1010-12-31 20:11) and 1012 has two.
  const auto first = terms.find("小寒");
  const int shokan = first == terms.end() ? 0 : first->second;
  FUZZ_CHECK(terms.size() - (shokan > 0 ? 1 : 0) == 23 && shokan <= 2 && (shokan == 1 || year < 1583),
             "every solar term once a year (小寒 0-2 times in Julian years)");
  for (const auto& [name, count] : terms) FUZZ_CHECK(name == "小寒" || count == 1, "every solar term but 小寒 once");
}

void CheckMonths(int year, int month, int count, int zone) {
  const std::vector<MonthGrid> grids = Months(year, month, count, zone);
  if (count < 1 || month < 1 || month > 12) {
    FUZZ_CHECK(grids.empty(), "no grids for a count below 1 or a month outside 1-12");
    return;
  }
  FUZZ_CHECK(grids.size() == static_cast<std::size_t>(count), "one grid a month");
  const long long lastIndex = static_cast<long long>(year) * 12 + (month - 1) + (count - 1);
  const bool covered = InYears(year) && InYears(lastIndex / 12);
  for (const MonthGrid& grid : grids) {
    FUZZ_CHECK((grid.status == Status::kOk) == covered, "refused when any month is outside the years");
    if (grid.status != Status::kOk) {
      FUZZ_CHECK(grid.days.empty(), "no days when refused");
      continue;
    }
    FUZZ_CHECK(grid.days.size() >= 21 && grid.days.size() <= 31, "a whole month of days");
    bool uncertain = false;
    for (const Day& d : grid.days) {
      FUZZ_CHECK(d.date.year == grid.year && d.date.month == grid.month, "days of their month");
      FUZZ_CHECK(d.lunar.month >= 1 && d.lunar.month <= 12 && d.lunar.day >= 1 && d.lunar.day <= 30, "lunar date");
      FUZZ_CHECK(d.rokuyo == Rokuyo(d.lunar), "六曜 of the lunar date");
      FUZZ_CHECK(d.moonAgeNoon >= 0.0 && d.moonAgeNoon < 30.0, "age at noon");
      FUZZ_CHECK(d.illuminatedFraction >= 0.0 && d.illuminatedFraction <= 1.0, "illuminated fraction");
      uncertain = uncertain || d.lunar.uncertain;
    }
    FUZZ_CHECK(uncertain == grid.lunarUncertain, "the month's note as its days");
  }
}

void CheckMoon(double jdUtc) {
  const MoonState moon = MoonAt(jdUtc);
  // 1000-01-01 (Julian, Gregorian 1000-01-06) and 3000-01-01 at 0h UT, a
  // day's margin either side (ERFA eraCal2jd).
  if (!(jdUtc >= 2086306.5 && jdUtc < 2816788.5)) {
    FUZZ_CHECK(std::isnan(moon.age) && std::isnan(moon.illuminatedFraction) && std::isnan(moon.phaseAngle),
               "no Moon outside the years");
    return;
  }
  FUZZ_CHECK(moon.age >= 0.0 && moon.age < 30.0, "age");
  FUZZ_CHECK(moon.illuminatedFraction >= 0.0 && moon.illuminatedFraction <= 1.0, "fraction");
  FUZZ_CHECK(moon.phaseAngle >= 0.0 && moon.phaseAngle <= 3.141592653589794, "phase angle");
}

}  // namespace
}  // namespace skycalc::almanac

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skycalc::almanac;
  FuzzedDataProvider in(data, size);
  const int zone = in.ConsumeIntegralInRange<int>(-kZoneLimit, kZoneLimit);
  // Years mostly near the almanac's, now and then anything an int holds.
  const int year = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(kFirstYear - 2, kLastYear + 2)
                                    : in.ConsumeIntegral<int>();
  switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0: CheckYear(year, zone); break;
    case 1: {
      const int month = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(1, 12) : in.ConsumeIntegral<int>();
      CheckMonths(year, month, in.ConsumeIntegralInRange<int>(-2, kCountLimit), zone);
      break;
    }
    default: {
      // An instant of the years, any finite double, or a non-finite one.
      constexpr double kSpecial[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity()};
      switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: CheckMoon(in.ConsumeFloatingPointInRange<double>(2086300.0, 2816795.0)); break;
        case 1: CheckMoon(in.ConsumeFloatingPoint<double>()); break;
        default: CheckMoon(kSpecial[in.ConsumeIntegralInRange<int>(0, 2)]); break;
      }
      break;
    }
  }
  return 0;
}
