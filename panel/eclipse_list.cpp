#include "panel/eclipse_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/base/constants.h"
#include "astro/sky/model.h"
#include "astro/time/calendar.h"
#include "astro/time/julian_day.h"
#include "panel/model_messages.h"
#include "panel/readout_format.h"

namespace skycalc {

namespace {


struct LocalClock {
  std::int32_t year;
  int month, day;
  double dayMinutes;  // minutes since local midnight, [0, 1440)
};

// The local date (astro/time/calendar.h) and time of day of a UTC instant.
LocalClock ToLocal(double jdUtc, int zoneMinutes) {
  const double jd = jdUtc + zoneMinutes / 1440.0 + 0.5;
  const double z = std::floor(jd);
  const CalendarDate date = DateOfDayNumber(static_cast<std::int64_t>(z));
  LocalClock c{};
  c.dayMinutes = (jd - z) * 1440.0;
  c.year = date.year;
  c.month = date.month;
  c.day = date.day;
  return c;
}

// jdUtc moved forward to where a clock showing units of `unit` minutes rounds
// it to the nearest unit, so that the rounding can carry into the date.
double Rounded(double jdUtc, double unitMinutes) {
  const double minutes = jdUtc * 1440.0;
  return std::round(minutes / unitMinutes) * unitMinutes / 1440.0;
}

}  // namespace

bool IsRiseOrSet(eclipse::ContactName name) { return name >= eclipse::ContactName::kSunrise; }

const char* EclipseYearsRefusal(const EclipseListRequest& request) {
  // The precise model's years, for the Sun and the Moon.
  const sky::Target moon = sky::Target::OfBody(Body::kMoon);
  if (request.years < 1 || request.years > 1000000 ||
      sky::PreciseModel().Covers(moon, request.year) != sky::Coverage::kCovered ||
      sky::PreciseModel().Covers(moon, request.year + (request.years - 1)) != sky::Coverage::kCovered) {
    return kEclipseYearsMessage;
  }
  return nullptr;
}

int FirstSeenEclipse(const std::vector<eclipse::Eclipse>& eclipses) {
  for (std::size_t i = 0; i < eclipses.size(); ++i)
    if (eclipses[i].visible) return static_cast<int>(i);
  return -1;
}

EclipseListResult ListEclipses(const EclipseListRequest& request) {
  EclipseListResult result;
  result.refusal = EclipseYearsRefusal(request);
  if (result.refusal) return result;
  const double zoneDays = request.zoneMinutes / 1440.0;
  const double first = CalendarToJD(request.year, 1, 1) - zoneDays;
  const double end = CalendarToJD(static_cast<double>(request.year + request.years), 1, 1) - zoneDays;
  const GeoSite site{request.longitudeDeg * kExactDegToRad, request.latitudeDeg * kExactDegToRad};
  eclipse::EclipseList list = eclipse::FindEclipses(first, end, site);
  if (list.status != precise::Status::kOk) {
    result.refusal = kEclipseYearsMessage;
    return result;
  }
  const double origin = request.azimuthOriginDeg * kExactDegToRad;
  for (eclipse::Eclipse& e : list.eclipses) {
    for (eclipse::Contact& c : e.contacts) {
      double a = std::fmod(c.azimuth - origin, kExactTwoPi);
      if (a < 0.0) a += kExactTwoPi;
      c.azimuth = a < kExactTwoPi ? a : 0.0;
    }
  }
  result.eclipses = std::move(list.eclipses);
  return result;
}

std::string EclipseTitle(const eclipse::Eclipse& e) {
  using eclipse::Type;
  if (e.kind == eclipse::Kind::kLunar) {
    switch (e.type) {
      case Type::kTotal: return "皆既月食";
      case Type::kPartial: return "部分月食";
      default: return "半影月食";
    }
  }
  switch (e.type) {
    case Type::kTotal: return "皆既日食";
    case Type::kAnnular: return "金環日食";
    case Type::kHybrid: return "金環皆既日食";
    default: return "部分日食";
  }
}

const char* ContactCode(eclipse::ContactName name) {
  static const char* const kCodes[] = {"P1", "U1", "U2", "max", "U3", "U4", "P4", "C1", "C2", "C3", "C4",
                                       "sunrise", "sunset", "moonrise", "moonset"};
  return kCodes[static_cast<int>(name)];
}

std::string ContactCaption(const eclipse::Eclipse& e, eclipse::ContactName name) {
  using eclipse::ContactName;
  // The inner phase seen at the site: total when the Moon's disc is the larger at maximum.
  const bool annular = e.kind == eclipse::Kind::kSolar && e.magnitude < 1.0;
  switch (name) {
    case ContactName::kP1: return "半影食の始め";
    case ContactName::kU1: return "部分食の始め";
    case ContactName::kU2: return "皆既食の始め";
    case ContactName::kMax: return "食の最大";
    case ContactName::kU3: return "皆既食の終わり";
    case ContactName::kU4: return "部分食の終わり";
    case ContactName::kP4: return "半影食の終わり";
    case ContactName::kC1: return "食の始め";
    case ContactName::kC2: return annular ? "金環食の始め" : "皆既食の始め";
    case ContactName::kC3: return annular ? "金環食の終わり" : "皆既食の終わり";
    case ContactName::kC4: return "食の終わり";
    case ContactName::kSunrise: return "日の出";
    case ContactName::kSunset: return "日の入り";
    case ContactName::kMoonrise: return "月の出";
    case ContactName::kMoonset: return "月の入り";
  }
  return "";
}

const char* MagnitudeCaption(const eclipse::Eclipse& e) {
  return e.kind == eclipse::Kind::kLunar && e.type == eclipse::Type::kPenumbral ? "半影食分" : "食分";
}

double SeenMagnitude(const eclipse::Eclipse& e) {
  if (e.kind == eclipse::Kind::kLunar) return e.type == eclipse::Type::kPenumbral ? e.penumbralMagnitude : e.magnitude;
  double seen = 0.0;
  for (const eclipse::Contact& c : e.contacts) {
    if (c.name == eclipse::ContactName::kMax && !c.belowHorizon) return e.magnitude;
    if (IsRiseOrSet(c.name)) seen = std::max(seen, c.magnitude);
  }
  return seen;
}

std::string EclipseLocalDate(double jdUtc, int zoneMinutes) {
  const LocalClock c = ToLocal(Rounded(jdUtc, 1.0 / 60.0), zoneMinutes);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(c.year), c.month, c.day);
  return text;
}

std::string EclipseLocalTime(double jdUtc, int zoneMinutes) {
  const LocalClock c = ToLocal(Rounded(jdUtc, 0.1), zoneMinutes);
  const long tenths = std::lround(c.dayMinutes * 10.0) % 14400;
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld.%ld", tenths / 600, tenths / 10 % 60, tenths % 10);
  return text;
}

std::string EclipseLocalTimeSeconds(double jdUtc, int zoneMinutes) {
  const LocalClock c = ToLocal(Rounded(jdUtc, 1.0 / 60.0), zoneMinutes);
  const long seconds = std::lround(c.dayMinutes * 60.0) % 86400;
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

std::string EclipseSummary(const eclipse::Eclipse& e, int zoneMinutes) {
  std::string text = EclipseLocalDate(e.greatestJdUtc, zoneMinutes) + "　" + EclipseTitle(e);
  if (e.kind == eclipse::Kind::kLunar || e.visible)
    text += std::string("　") + MagnitudeCaption(e) + " " + FormatText("%.3f", SeenMagnitude(e));
  return text + (e.visible ? "　見える" : "　見えない");
}

std::string EclipseDetails(const eclipse::Eclipse& e, int zoneMinutes) {
  std::string text;
  if (e.kind == eclipse::Kind::kLunar) {
    text = e.type == eclipse::Type::kPenumbral
               ? "半影食分 " + FormatText("%.3f", e.penumbralMagnitude) + "\n"
               : "本影食分 " + FormatText("%.3f", e.magnitude) + "　半影食分 " + FormatText("%.3f", e.penumbralMagnitude) + "\n";
  } else if (e.contacts.empty()) {
    return "この地点では見えません";
  } else {
    text = "食分 " + FormatText("%.3f", e.magnitude) + "　面積比 " + FormatText("%.3f", e.obscuration) + "\n";
  }
  for (const eclipse::Contact& c : e.contacts) {
    text += ContactCaption(e, c.name) + "　" + EclipseLocalTime(c.jdUtc, zoneMinutes) + "　" +
            (IsRiseOrSet(c.name) ? std::string(MagnitudeCaption(e)) + " " + FormatText("%.3f", c.magnitude)
                                 : "高度 " + FormatText("%.1f", c.altitude * kExactRadToDeg) + "°") +
            "　方位 " + FormatText("%.1f", c.azimuth * kExactRadToDeg) + "°" + (c.belowHorizon ? "　地平線下" : "") + "\n";
  }
  return text;
}

}  // namespace skycalc
