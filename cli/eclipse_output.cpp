#include "cli/eclipse_output.h"

#include <cstdio>
#include <functional>

#include "astro/base/constants.h"
#include "cli/output_format.h"
#include "panel/azimuth_words.h"
#include "panel/readout_format.h"

namespace skycalc {

namespace {

const char* KindKey(const eclipse::Eclipse& e) { return e.kind == eclipse::Kind::kLunar ? "lunar" : "solar"; }

const char* TypeKey(const eclipse::Eclipse& e) {
  static const char* const kTypes[] = {"penumbral", "partial", "total", "annular", "hybrid"};
  return kTypes[static_cast<int>(e.type)];
}

std::string LocalStamp(double jd, int zoneMinutes) {
  return EclipseLocalDate(jd, zoneMinutes) + " " + EclipseLocalTimeSeconds(jd, zoneMinutes);
}

void AppendText(std::string& out, const eclipse::Eclipse& e, int zone, const std::string& words) {
  out += EclipseLocalDate(e.greatestJdUtc, zone);
  out += '\t';
  out += EclipseTitle(e);
  if (e.kind == eclipse::Kind::kLunar) {
    if (e.type != eclipse::Type::kPenumbral) out += "\t食分 " + FormatText("%.3f", e.magnitude) + ' ';
    else out += '\t';
    out += "半影食分 " + FormatText("%.3f", e.penumbralMagnitude);
  } else {
    out += '\t';  // the field stays, empty for an eclipse not seen
    if (e.visible) out += "食分 " + FormatText("%.3f", e.magnitude) + " 面積比 " + FormatText("%.3f", e.obscuration);
  }
  out += e.visible ? "\t見える" : "\t見えない";
  for (const eclipse::Contact& c : e.contacts) {
    out += '\t';
    out += ContactCaption(e, c.name);
    out += ' ';
    out += EclipseLocalTime(c.jdUtc, zone);
    out += IsRiseOrSet(c.name) ? std::string(" (") + MagnitudeCaption(e) + " " + FormatText("%.3f", c.magnitude)
                               : " (高度 " + FormatText("%.1f", c.altitude * kExactRadToDeg) + "°";
    out += " 方位 " + FormatText("%.1f", c.azimuth * kExactRadToDeg) + "°";
    if (c.belowHorizon) out += " 地平線下";
    out += ')';
  }
  out += '\t' + words + '\n';
}

void AppendJson(std::string& out, const eclipse::Eclipse& e, int zone, const std::string& origin, const std::string& words) {
  out += "{\"kind\":\"";
  out += KindKey(e);
  out += "\",\"type\":\"";
  out += TypeKey(e);
  out += "\",\"greatest_jd\":" + FormatJsonNumber(e.greatestJdUtc);
  out += ",\"date\":" + FormatJsonString(EclipseLocalDate(e.greatestJdUtc, zone));
  out += ",\"magnitude\":" + FormatJsonNumber(e.magnitude);
  if (e.kind == eclipse::Kind::kLunar) out += ",\"penumbral_magnitude\":" + FormatJsonNumber(e.penumbralMagnitude);
  out += ",\"obscuration\":" + FormatJsonNumber(e.obscuration);
  out += e.visible ? ",\"visible\":true" : ",\"visible\":false";
  out += ",\"contacts\":[";
  for (std::size_t i = 0; i < e.contacts.size(); ++i) {
    const eclipse::Contact& c = e.contacts[i];
    if (i > 0) out += ',';
    out += "{\"name\":\"";
    out += ContactCode(c.name);
    out += "\",\"jd\":" + FormatJsonNumber(c.jdUtc);
    out += ",\"time\":" + FormatJsonString(LocalStamp(c.jdUtc, zone));
    out += ",\"altitude_deg\":" + FormatJsonNumber(c.altitude * kExactRadToDeg);
    out += ",\"azimuth_deg\":" + FormatJsonNumber(c.azimuth * kExactRadToDeg);
    if (IsRiseOrSet(c.name)) out += ",\"magnitude\":" + FormatJsonNumber(c.magnitude);
    out += '}';
  }
  out += "],\"azimuth_origin\":" + origin + ",\"azimuth_words\":" + FormatJsonString(words) + "}\n";
}

void AppendCsv(std::string& out, const eclipse::Eclipse& e, int zone, const std::string& origin, const std::string& words) {
  std::string head = std::string(KindKey(e)) + ',' + TypeKey(e) + ',' + FormatJsonNumber(e.greatestJdUtc) + ',' +
                     EclipseLocalDate(e.greatestJdUtc, zone) + ',' + FormatJsonNumber(e.magnitude) + ',' +
                     (e.kind == eclipse::Kind::kLunar ? FormatJsonNumber(e.penumbralMagnitude) : std::string()) +
                     ',' + FormatJsonNumber(e.obscuration) + ',' + (e.visible ? "true" : "false");
  if (e.contacts.empty()) {
    out += head + ",,,,,," + ',' + origin + ',' + FormatCsvField(words) + '\n';
    return;
  }
  for (const eclipse::Contact& c : e.contacts) {
    out += head + ',' + ContactCode(c.name) + ',' + FormatJsonNumber(c.jdUtc) + ',' + LocalStamp(c.jdUtc, zone) +
           ',' + FormatJsonNumber(c.altitude * kExactRadToDeg) + ',' + FormatJsonNumber(c.azimuth * kExactRadToDeg) +
           ',' + (IsRiseOrSet(c.name) ? FormatJsonNumber(c.magnitude) : std::string()) + ',' + origin + ',' +
           FormatCsvField(words) + '\n';
  }
}

}  // namespace

std::optional<std::string> AppendEclipses(std::string& out, const EclipseListRequest& request, CliFormat format,
                                          const std::function<void(std::int64_t)>& yearDone) {
  if (const char* refusal = EclipseYearsRefusal(request)) return std::string(refusal);
  if (format == CliFormat::kCsv) {
    out += "kind,type,greatest_jd,date,magnitude,penumbral_magnitude,obscuration,visible,"
           "contact,jd,time,altitude_deg,azimuth_deg,contact_magnitude,azimuth_origin_deg,azimuth_words\n";
  }
  const std::string origin = FormatJsonNumber(request.azimuthOriginDeg);
  const std::string words = AzimuthOriginWords(request.azimuthOriginDeg);
  // A year at a time, so that a listing of any length runs in the same memory.
  for (std::int64_t i = 0; i < request.years; ++i) {
    EclipseListRequest year = request;
    year.year = static_cast<std::int32_t>(request.year + i);
    year.years = 1;
    const EclipseListResult result = ListEclipses(year);
    if (result.refusal) return std::string(result.refusal);
    for (const eclipse::Eclipse& e : result.eclipses) {
      switch (format) {
        case CliFormat::kText: AppendText(out, e, request.zoneMinutes, words); break;
        case CliFormat::kJson: AppendJson(out, e, request.zoneMinutes, origin, words); break;
        case CliFormat::kCsv: AppendCsv(out, e, request.zoneMinutes, origin, words); break;
      }
    }
    if (yearDone) yearDone(i + 1);
  }
  return std::nullopt;
}

}  // namespace skycalc
