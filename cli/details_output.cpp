#include "cli/details_output.h"

#include <cmath>
#include <utility>

#include "astro/base/constants.h"
#include "astro/details/constellation.h"
#include "catalog/names.h"
#include "cli/output_format.h"

namespace skycalc {

namespace {

struct Column {
  const char* key;
  double (*value)(const BodyDetailsReadout&);
};

double Magnitude(const BodyDetailsReadout& r) { return r.figures.magnitude; }
double Fraction(const BodyDetailsReadout& r) { return r.figures.illuminatedFraction; }
double PhaseAngle(const BodyDetailsReadout& r) { return r.figures.phaseAngle * kExactRadToDeg; }
double Elongation(const BodyDetailsReadout& r) {
  return (r.figures.east ? 1.0 : -1.0) * r.figures.elongation * kExactRadToDeg;
}
double Diameter(const BodyDetailsReadout& r) { return r.figures.diameter * kExactRadToDeg * 3600.0; }
double DistanceAu(const BodyDetailsReadout& r) { return r.figures.distance; }
double DistanceKm(const BodyDetailsReadout& r) { return r.moon ? r.figures.distance * details::kAuKm : details::kNaN; }

constexpr Column kColumns[] = {
    {"magnitude", Magnitude},          {"illuminated_fraction", Fraction}, {"phase_angle_deg", PhaseAngle},
    {"elongation_deg", Elongation},    {"diameter_arcsec", Diameter},      {"distance_au", DistanceAu},
    {"distance_km", DistanceKm},
};

std::string ConstellationName(const BodyDetailsReadout& r) {
  const int row = details::ConstellationListRow(r.constellation);
  return row < 0 ? std::string() : std::string(ConstellationNames[row]);
}

std::string ConstellationAbbr(const BodyDetailsReadout& r) {
  const char* abbr = details::ConstellationAbbreviation(r.constellation);
  return abbr ? abbr : "";
}

}  // namespace

void AppendDetailsJson(std::string& out, const BodyDetailsReadout& r) {
  out.resize(out.size() - 2);  // the row's closing "}\n"
  out += ",\"details\":{";
  bool first = true;
  for (const Column& c : kColumns) {
    if (!first) out += ',';
    first = false;
    out += '"';
    out += c.key;
    out += "\":";
    AppendNumber(out, c.value(r));  // null for NaN
  }
  const std::string name = ConstellationName(r);
  for (const auto& [key, value] : {std::pair{",\"constellation\":", name}, std::pair{",\"constellation_abbr\":", ConstellationAbbr(r)}}) {
    out += key;
    if (name.empty()) {
      out += "null";
    } else {
      AppendJsonString(out, value);
    }
  }
  out += "}}\n";
}

void AppendDetailsCsvHeader(std::string& out) {
  out.pop_back();  // the header's line break
  for (const Column& c : kColumns) {
    out += ',';
    out += c.key;
  }
  out += ",constellation,constellation_abbr\n";
}

void AppendDetailsCsv(std::string& out, const BodyDetailsReadout& r) {
  out.pop_back();
  for (const Column& c : kColumns) {
    out += ',';
    const double v = c.value(r);
    if (std::isfinite(v)) AppendNumber(out, v);
  }
  out += ',';
  AppendCsvField(out, ConstellationName(r));
  out += ',';
  out += ConstellationAbbr(r);
  out += '\n';
}

void AppendDetailsText(std::string& out, const BodyDetailsReadout& r) {
  AppendDetailsLine(out, r);
  out += '\n';
}

}  // namespace skycalc
