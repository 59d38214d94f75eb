#include "cli/civil_calendar.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "astro/time/calendar.h"

namespace skycalc {

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;
constexpr std::int64_t kMinutesPerHour = 60;
// Past this year the calculator refuses the date anyway; stepping stops there
// so that a huge step ends quickly and the year cannot overflow.
constexpr std::int32_t kLastSteppedYear = 100000;

// Moves t forward by days whole days, a month at a time where possible
// (stopping at kLastSteppedYear).
CivilTime AdvanceDays(CivilTime t, std::int64_t days) {
  while (days > 0 && t.year < kLastSteppedYear) {
    const int left = DaysInMonth(t.year, t.month) - t.day;  // days before the month's last
    const bool reform = t.year == 1582 && t.month == 10 && t.day <= 4;
    if (!reform && left > 0 && days > left) {
      t.day += left;
      days -= left;
    } else {
      t = NextDay(t);
      --days;
    }
  }
  return t;
}

}  // namespace

bool operator==(const CivilTime& a, const CivilTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute;
}

CivilTime ActualCivilTime(CivilTime t) {
  const CalendarDate date = ActualDate(t.year, t.month, t.day);
  t.year = date.year;
  t.month = date.month;
  t.day = date.day;
  return t;
}

CivilTime NextDay(CivilTime t) {
  t = ActualCivilTime(t);
  if (t.year == 1582 && t.month == 10 && t.day == 4) {
    t.day = 15;
  } else if (t.day < DaysInMonth(t.year, t.month)) {
    ++t.day;
  } else {
    t.day = 1;
    if (++t.month > 12) {
      t.month = 1;
      ++t.year;
    }
  }
  return t;
}

CivilTime Advance(CivilTime t, const TableStep& step) {
  t = ActualCivilTime(t);
  if (step.unit == StepUnit::kDay) return AdvanceDays(t, step.amount);
  const std::int64_t perUnit = step.unit == StepUnit::kHour ? kMinutesPerHour : 1;
  // Split first so that amount * perUnit cannot overflow.
  const std::int64_t days = step.amount / (kMinutesPerDay / perUnit);
  const std::int64_t rest = (step.amount % (kMinutesPerDay / perUnit)) * perUnit;
  std::int64_t clock = t.hour * kMinutesPerHour + t.minute + rest;
  t = AdvanceDays(t, days + clock / kMinutesPerDay);
  clock %= kMinutesPerDay;
  t.hour = static_cast<int>(clock / kMinutesPerHour);
  t.minute = static_cast<int>(clock % kMinutesPerHour);
  return t;
}

WholeNumberText ReadWholeNumber(const std::string& digits, std::int64_t& value) {
  if (digits.empty()) return WholeNumberText::kMalformed;
  std::int64_t amount = 0;
  bool tooLarge = false;
  for (const char c : digits) {
    if (c < '0' || c > '9') return WholeNumberText::kMalformed;
    if (!tooLarge) amount = amount * 10 + (c - '0');  // at most 10 * kMaxWholeNumber + 9: no overflow
    tooLarge = tooLarge || amount > kMaxWholeNumber;
  }
  if (tooLarge) return WholeNumberText::kTooLarge;
  if (amount == 0) return WholeNumberText::kMalformed;
  value = amount;
  return WholeNumberText::kValid;
}

bool ParseTableStep(const std::string& text, TableStep& step) {
  if (text.size() < 2) return false;
  StepUnit unit = StepUnit::kMinute;
  switch (text.back()) {
    case 'm': unit = StepUnit::kMinute; break;
    case 'h': unit = StepUnit::kHour; break;
    case 'd': unit = StepUnit::kDay; break;
    default: return false;
  }
  std::int64_t amount = 0;
  if (ReadWholeNumber(text.substr(0, text.size() - 1), amount) != WholeNumberText::kValid) return false;
  step.amount = amount;
  step.unit = unit;
  return true;
}

namespace {

// value (>= 0) in decimal with at least width digits, zeros in front.
void AppendPadded(std::string& out, long long value, int width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  for (long long n = end - digits; n < width; ++n) out += '0';
  out.append(digits, end);
}

}  // namespace

void AppendCivilDate(std::string& out, const CivilTime& t) {
  if (t.year < 0) out += '-';
  AppendPadded(out, std::llabs(static_cast<long long>(t.year)), 4);
  out += '-';
  AppendPadded(out, t.month, 2);
  out += '-';
  AppendPadded(out, t.day, 2);
}

void AppendCivilTime(std::string& out, const CivilTime& t) {
  AppendPadded(out, t.hour, 2);
  out += ':';
  AppendPadded(out, t.minute, 2);
}

std::string FormatCivilDate(const CivilTime& t) {
  std::string out;
  AppendCivilDate(out, t);
  return out;
}

std::string FormatCivilTime(const CivilTime& t) {
  std::string out;
  AppendCivilTime(out, t);
  return out;
}

}  // namespace skycalc
