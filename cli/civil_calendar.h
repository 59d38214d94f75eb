#pragma once

#include <cstdint>
#include <string>

#include "astro/time/calendar.h"

// Civil date and time of the calculator's fields, stepped the way a calendar
// runs: Julian up to 1582 October 4, Gregorian from 1582 October 15 on (the
// calendar itself: astro/time/calendar.h).
namespace skycalc {

struct CivilTime {
  std::int32_t year = 2000;  // astronomical numbering (0 is 1 BC)
  int month = 1;             // 1-12
  int day = 1;               // 1-31 (may exceed the month's length as keyed)
  int hour = 0;              // 0-23
  int minute = 0;            // 0-59
};

bool operator==(const CivilTime& a, const CivilTime& b);

enum class StepUnit { kMinute, kHour, kDay };

struct TableStep {
  std::int64_t amount = 1;  // positive count of units between rows
  StepUnit unit = StepUnit::kHour;
};

// t with its date replaced by the date it actually is (astro/time/calendar.h):
// a day past the end of its month (31 February, as the calculator accepts)
// counts on into the next month (3 March 2026), 1582 October 5-14 are the
// Julian dates of October 15-24; a real date stays.
CivilTime ActualCivilTime(CivilTime t);
// The calendar day after the one t actually is, at the same time: 1582
// October 4 -> 15, 2026 February 30 (March 2) -> March 3.
CivilTime NextDay(CivilTime t);
// The instant t actually is advanced by step (minutes and hours carry into
// days, days into months and years), so that rows only move forward.
CivilTime Advance(CivilTime t, const TableStep& step);
// The largest number a step or a count may be: twelve digits (a step of
// 999999999999 days already leaves the calculator's years at its second row).
inline constexpr std::int64_t kMaxWholeNumber = 999999999999;
enum class WholeNumberText { kValid, kMalformed, kTooLarge };
// digits as a whole number from 1 to kMaxWholeNumber into value (leading
// zeros allowed); kTooLarge for any longer run of digits, kMalformed for
// anything else (empty, zero, a sign or another character).
WholeNumberText ReadWholeNumber(const std::string& digits, std::int64_t& value);
// "N" followed by m, h or d, N a whole number as ReadWholeNumber takes it;
// false when malformed or too large.
bool ParseTableStep(const std::string& text, TableStep& step);
// "YYYY-MM-DD" (years before 0 with a leading "-") and "HH:MM".
std::string FormatCivilDate(const CivilTime& t);
std::string FormatCivilTime(const CivilTime& t);
// The same texts appended to out.
void AppendCivilDate(std::string& out, const CivilTime& t);
void AppendCivilTime(std::string& out, const CivilTime& t);

}  // namespace skycalc
