#include "astro/almanac/holidays.h"

#include <algorithm>
#include <cstring>

#include "astro/time/calendar.h"

namespace skycalc::almanac {

namespace {

// Dates in the tables below are written yyyymmdd.
constexpr int kForever = 99991231;

enum class Rule {
  kFixed,          // month/day
  kNthMonday,      // the n-th Monday of month (the "Happy Monday" days)
  kSpringEquinox,  // 春分日: the day of the Sun's apparent longitude 0 deg, Japan time
  kAutumnEquinox,  // 秋分日: 180 deg
};

// One day of the law as it stood from `from` to `to` (the dates it was in
// force); an amendment that moved or renamed a day ends one row and starts
// another.
struct LawDay {
  const char* name;
  Rule rule;
  int month;
  int day;  // day of month (kFixed) or which Monday (kNthMonday)
  int from, to;
};

// Reference: 国民の祝日に関する法律 (昭和23年法律第178号, in force
// 1948-07-20), article 2, and its amendments, e-Gov 法令検索
// (laws.e-gov.go.jp/law/323AC1000000178) and the cabinet office's
// 「国民の祝日」について (www8.cao.go.jp/chosei/shukujitsu/gaiyou.html):
//   昭和41年法律第86号 (1966-06-25): 建国記念の日 (on the day the 政令 sets:
//     建国記念の日となる日を定める政令, 昭和41年政令第376号, 1966-12-09:
//     February 11), 敬老の日, 体育の日;
//   平成元年法律第5号 (1989-02-17): みどりの日 on April 29, 天皇誕生日 on December 23;
//   平成7年法律第22号 (1996-01-01): 海の日;
//   平成10年法律第141号 (2000-01-01): 成人の日 and 体育の日 on Mondays;
//   平成13年法律第59号 (2003-01-01): 海の日 and 敬老の日 on Mondays;
//   平成17年法律第43号 (2007-01-01): 昭和の日, みどりの日 on May 4;
//   平成26年法律第43号 (2016-01-01): 山の日;
//   天皇の退位等に関する皇室典範特例法 (平成29年法律第63号), 附則 article 10,
//     in force 2019-04-30: 天皇誕生日 on February 23 (so 2019 has none);
//   平成30年法律第57号 (2020-01-01): 体育の日 renamed スポーツの日.
constexpr LawDay kLawDays[] = {
    {"元日", Rule::kFixed, 1, 1, 19480720, kForever},
    {"成人の日", Rule::kFixed, 1, 15, 19480720, 19991231},
    {"成人の日", Rule::kNthMonday, 1, 2, 20000101, kForever},
    {"建国記念の日", Rule::kFixed, 2, 11, 19661209, kForever},
    {"天皇誕生日", Rule::kFixed, 2, 23, 20190430, kForever},
    {"春分の日", Rule::kSpringEquinox, 3, 0, 19480720, kForever},
    {"天皇誕生日", Rule::kFixed, 4, 29, 19480720, 19890216},
    {"みどりの日", Rule::kFixed, 4, 29, 19890217, 20061231},
    {"昭和の日", Rule::kFixed, 4, 29, 20070101, kForever},
    {"憲法記念日", Rule::kFixed, 5, 3, 19480720, kForever},
    {"みどりの日", Rule::kFixed, 5, 4, 20070101, kForever},
    {"こどもの日", Rule::kFixed, 5, 5, 19480720, kForever},
    {"海の日", Rule::kFixed, 7, 20, 19960101, 20021231},
    {"海の日", Rule::kNthMonday, 7, 3, 20030101, kForever},
    {"山の日", Rule::kFixed, 8, 11, 20160101, kForever},
    {"敬老の日", Rule::kFixed, 9, 15, 19660625, 20021231},
    {"敬老の日", Rule::kNthMonday, 9, 3, 20030101, kForever},
    {"秋分の日", Rule::kAutumnEquinox, 9, 0, 19480720, kForever},
    {"体育の日", Rule::kFixed, 10, 10, 19660625, 19991231},
    {"体育の日", Rule::kNthMonday, 10, 2, 20000101, 20191231},
    {"スポーツの日", Rule::kNthMonday, 10, 2, 20200101, kForever},
    {"文化の日", Rule::kFixed, 11, 3, 19480720, kForever},
    {"勤労感謝の日", Rule::kFixed, 11, 23, 19480720, kForever},
    {"天皇誕生日", Rule::kFixed, 12, 23, 19890217, 20190429},
};

// A day of the law moved for one year.
// Reference: 平成三十二年東京オリンピック競技大会・東京パラリンピック競技大会
// 特別措置法 (平成27年法律第33号) article 32, as amended by 平成30年法律第55号
// (2020) and 令和2年法律第68号 (2021, the Games put off a year).
struct Move {
  int year;
  const char* name;
  int month, day;
};
constexpr Move kMoves[] = {
    {2020, "海の日", 7, 23}, {2020, "スポーツの日", 7, 24}, {2020, "山の日", 8, 10},
    {2021, "海の日", 7, 22}, {2021, "スポーツの日", 7, 23}, {2021, "山の日", 8, 8},
};

// Days made holidays by laws of their own, each counted as a 国民の祝日 for
// 振替休日 and 国民の休日 (the 2019 law says so in its 附則 article 2).
// Reference: 皇太子明仁親王の結婚の儀の行われる日を休日とする法律 (昭和34年法律第16号);
// 昭和天皇の大喪の礼の行われる日を休日とする法律 (平成元年法律第4号);
// 即位礼正殿の儀の行われる日を休日とする法律 (平成2年法律第24号);
// 皇太子徳仁親王の結婚の儀の行われる日を休日とする法律 (平成5年法律第32号);
// 天皇の即位の日及び即位礼正殿の儀の行われる日を休日とする法律 (平成30年法律第99号).
struct OneOff {
  int date;
  const char* name;
};
constexpr OneOff kOneOffs[] = {
    {19590410, "皇太子明仁親王の結婚の儀"}, {19890224, "昭和天皇の大喪の礼"},
    {19901112, "即位礼正殿の儀"},           {19930609, "皇太子徳仁親王の結婚の儀"},
    {20190501, "天皇の即位の日"},           {20191022, "即位礼正殿の儀"},
};

enum class Rest {
  kNextDay,       // a 祝日 on a Sunday: the Monday after, unless itself a 祝日
  kNextFreeDay,   // a 祝日 on a Sunday: the first day after it that is not a 祝日
  kBetween,       // a day not a 祝日 with a 祝日 either side
  kBetweenWeekday,  // the same, but neither a Sunday nor a 振替休日
};

// The days off that article 3 adds to the 祝日, by the dates each wording
// was in force (the Sunday 祝日, or the day between, dated within them).
// Reference: article 3, paragraphs 2 and 3: 昭和48年法律第10号 (1973-04-12)
// added 振替休日, 昭和60年法律第103号 (1985-12-27) 国民の休日, and
// 平成17年法律第43号 (2007-01-01) gave both their present wording.
struct RestRule {
  const char* name;
  Rest rest;
  int from, to;
};
constexpr RestRule kRestRules[] = {
    {"振替休日", Rest::kNextDay, 19730412, 20061231},
    {"振替休日", Rest::kNextFreeDay, 20070101, kForever},
    {"国民の休日", Rest::kBetweenWeekday, 19851227, 20061231},
    {"国民の休日", Rest::kBetween, 20070101, kForever},
};

int Stamp(const LocalDate& d) { return d.year * 10000 + d.month * 100 + d.day; }

// A day off being put together: its civil day number (astro/time/calendar.h)
// and whether it is a 祝日.
struct Entry {
  std::int64_t days;
  Holiday holiday;
  bool shukujitsu;
};

// The date of a law day in year, before any move.
LocalDate DateOf(const LawDay& law, int year) {
  switch (law.rule) {
    case Rule::kFixed: return {year, law.month, law.day};
    case Rule::kNthMonday: {
      const int first = Weekday(DayNumberOfDate(year, law.month, 1));
      return {year, law.month, 1 + (8 - first) % 7 + 7 * (law.day - 1)};
    }
    case Rule::kSpringEquinox: return SolarTermDate(year, 0.0, kJapanZoneMinutes);
    case Rule::kAutumnEquinox: return SolarTermDate(year, 180.0, kJapanZoneMinutes);
  }
  return {};
}

// The 祝日 of year: the law's days in force on their dates, moved where a
// law moved them, and the one-off days.
std::vector<Entry> Shukujitsu(int year) {
  std::vector<Entry> days;
  const auto add = [&](const LocalDate& date, const char* name, bool planned) {
    days.push_back({DayNumberOfDate(date.year, date.month, date.day), {date, name, planned}, true});
  };
  for (const LawDay& law : kLawDays) {
    LocalDate date = DateOf(law, year);
    if (Stamp(date) < law.from || Stamp(date) > law.to) continue;
    for (const Move& move : kMoves) {
      if (move.year == year && std::strcmp(move.name, law.name) == 0) date = {year, move.month, move.day};
    }
    const bool equinox = law.rule == Rule::kSpringEquinox || law.rule == Rule::kAutumnEquinox;
    add(date, law.name, equinox && year > kLastAnnouncedYear);
  }
  for (const OneOff& day : kOneOffs) {
    if (day.date / 10000 == year) add({year, day.date / 100 % 100, day.date % 100}, day.name, false);
  }
  return days;
}

bool InForce(const RestRule& rule, std::int64_t days) {
  const int stamp = Stamp(LocalDateOfDay(days));
  return stamp >= rule.from && stamp <= rule.to;
}

}  // namespace

YearHolidays HolidaysOfYear(int year) {
  YearHolidays result;
  if (year < kFirstYear || year > kLastYear) {
    result.status = Status::kOutsideYears;
    return result;
  }
  std::vector<Entry> days = Shukujitsu(year);
  const auto find = [&days](std::int64_t day) {
    return std::find_if(days.begin(), days.end(), [day](const Entry& e) { return e.days == day; });
  };
  const auto isShukujitsu = [&](std::int64_t day) {
    const auto it = find(day);
    return it != days.end() && it->shukujitsu;
  };
  const std::size_t shukujitsuCount = days.size();
  for (const RestRule& rule : kRestRules) {
    for (std::size_t i = 0; i < shukujitsuCount; ++i) {
      const Entry holiday = days[i];
      std::int64_t day = 0;
      bool planned = holiday.holiday.planned;
      switch (rule.rest) {
        case Rest::kNextDay:
        case Rest::kNextFreeDay:
          if (Weekday(holiday.days) != 0 || !InForce(rule, holiday.days)) continue;
          day = holiday.days + 1;
          while (rule.rest == Rest::kNextFreeDay && isShukujitsu(day)) ++day;
          break;
        case Rest::kBetween:
        case Rest::kBetweenWeekday: {
          day = holiday.days + 1;
          const auto after = find(day + 1);
          if (after == days.end() || !after->shukujitsu || !InForce(rule, day)) continue;
          if (rule.rest == Rest::kBetweenWeekday && Weekday(day) == 0) continue;
          planned = planned || after->holiday.planned;
          break;
        }
      }
      if (find(day) != days.end()) continue;  // a 祝日 already, or a 振替休日 before a 国民の休日
      days.push_back({day, {LocalDateOfDay(day), rule.name, planned}, false});
    }
  }
  std::sort(days.begin(), days.end(), [](const Entry& a, const Entry& b) { return a.days < b.days; });
  for (const Entry& e : days) {
    if (e.holiday.date.year == year) result.holidays.push_back(e.holiday);
  }
  return result;
}

std::string HolidayLabel(const std::string& name, bool planned) { return planned ? name + kPlannedMark : name; }

}  // namespace skycalc::almanac
