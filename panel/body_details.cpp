#include "panel/body_details.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

#include "astro/base/constants.h"
#include "astro/details/constellation.h"
#include "astro/precise/precise.h"
#include "astro/time/time_scales.h"
#include "catalog/names.h"
#include "panel/readout_format.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

BodyDetailsReadout ReadBodyDetails(const sky::SkyModel& model, const sky::Target& target, const sky::Instant& instant,
                                   const Place& place, const sky::BodyVectors& vectors) {
  BodyDetailsReadout r;
  const bool body = target.kind == sky::Target::Kind::kBody;
  if (body && !vectors.valid) return r;
  r.hasFigures = body;
  r.moon = target.IsBody(Body::kMoon);
  if (body) r.figures = details::DetailsOf(details::GeometryOf(target.body, vectors));
  // The constellation on the equator of date of the model's time scale.
  const double jdOfDate = body ? vectors.jd : model.IsPrecise() ? timescale::MakeInstant(instant.jd).jdTt : instant.jd;
  if (std::isfinite(place.equatorial[0]) && std::isfinite(place.equatorial[1]))
    r.constellation = details::ConstellationOfDate(place.equatorial[0], place.equatorial[1], jdOfDate, model.IsPrecise());
  return r;
}

BodyDetailsReadout ReadBodyDetails(const Observation& observation) {
  const sky::Instant instant = InstantOf(observation.fields);
  sky::BodyVectors vectors;
  const Place place = observation.model->PlaceOf(observation.target, instant, SiteOf(observation.fields),
                                                 static_cast<double>(observation.fields.azimuth), vectors);
  return ReadBodyDetails(*observation.model, observation.target, instant, place, vectors);
}

std::string MomentCaption(const Observation& observation) {
  const StoredFields& f = observation.fields;
  return std::string(kMomentCaption) + " " + FormatText("%02d:%02d", static_cast<int>(f.hour), static_cast<int>(f.minute));
}

std::string ConventionLine(const events::RiseSetConvention& convention) {
  if (std::string_view(convention.name) == events::kJapanConvention.name) return "国立天文台の定義 (太陽は上辺、月は中心、大気差35′08″)";
  return "国際的な定義 (太陽と月は上辺、大気差34′)";
}

namespace {

// A line written in place, appended to its string at once: the figures are
// many short pieces, and a string's append costs more than their copying.
// Longer text than a details line holds (at most about 200 bytes) is cut.
class TextLine {
 public:
  void append(const char* first, const char* last) {
    const std::size_t n = std::min(static_cast<std::size_t>(last - first), sizeof m_text - m_size);
    std::memcpy(m_text + m_size, first, n);
    m_size += n;
  }
  TextLine& operator+=(std::string_view text) {
    append(text.data(), text.data() + text.size());
    return *this;
  }
  TextLine& operator+=(char c) { return *this += std::string_view(&c, 1); }
  void AppendTo(std::string& out) const { out.append(m_text, m_size); }

 private:
  char m_text[512];
  std::size_t m_size = 0;
};

// value with precision decimals, exactly as printf's "%.*f" writes it.
void AppendFixed(TextLine& out, double value, int precision) {
  char buffer[48];
  out.append(buffer, WriteFixed(buffer, buffer + sizeof buffer, value, precision));
}

// Each figure appended to out, kNotApplicable when it does not apply.
bool AppendIfFinite(TextLine& out, double value) {
  if (std::isfinite(value)) return true;
  out += kNotApplicable;
  return false;
}

void AppendMagnitude(TextLine& out, const BodyDetailsReadout& r) {
  if (AppendIfFinite(out, r.figures.magnitude)) AppendFixed(out, r.figures.magnitude, 2);
}

void AppendFraction(TextLine& out, const BodyDetailsReadout& r) {
  if (AppendIfFinite(out, r.figures.illuminatedFraction)) AppendFixed(out, r.figures.illuminatedFraction, 3);
}

void AppendPhaseAngle(TextLine& out, const BodyDetailsReadout& r) {
  if (!AppendIfFinite(out, r.figures.phaseAngle)) return;
  AppendFixed(out, r.figures.phaseAngle * kExactRadToDeg, 1);
  out += "°";
}

void AppendElongation(TextLine& out, const BodyDetailsReadout& r) {
  if (!AppendIfFinite(out, r.figures.elongation)) return;
  out += r.figures.east ? "東 " : "西 ";
  AppendFixed(out, r.figures.elongation * kExactRadToDeg, 2);
  out += "°";
}

void AppendDiameter(TextLine& out, const BodyDetailsReadout& r) {
  if (!AppendIfFinite(out, r.figures.diameter)) return;
  const double arcsec = r.figures.diameter * kExactRadToDeg * 3600.0;
  AppendFixed(out, arcsec, arcsec >= 100.0 ? 0 : 1);
  out += "″";
}

void AppendDistance(TextLine& out, const BodyDetailsReadout& r) {
  const double au = r.figures.distance;
  if (!AppendIfFinite(out, au)) return;
  // Significant digits: au to 5 decimals from 1 au, more below.
  AppendFixed(out, au, au >= 1.0 ? 5 : au >= 0.1 ? 6 : 7);
  if (!r.moon) {
    out += " au";
    return;
  }
  out += " au (";
  AppendFixed(out, au * details::kAuKm, 0);
  out += " km)";
}

void AppendConstellation(TextLine& out, const BodyDetailsReadout& r) {
  const int row = details::ConstellationListRow(r.constellation);
  if (row < 0) {
    out += kNotApplicable;
    return;
  }
  // "ふたご (Gem)" for each constellation, made once.
  static const std::array<std::string, details::kConstellationCount> texts = [] {
    std::array<std::string, details::kConstellationCount> made;
    for (int i = 0; i < details::kConstellationCount; ++i)
      made[i] = std::string(ConstellationNames[details::ConstellationListRow(i)]) + " (" +
                details::ConstellationAbbreviation(i) + ")";
    return made;
  }();
  out += texts[r.constellation];
}

struct Figure {
  std::string_view caption;
  void (*append)(TextLine& out, const BodyDetailsReadout& r);
};
constexpr Figure kFigures[kDetailsFigureCount] = {
    {"等級", AppendMagnitude},     {"輝面比", AppendFraction},  {"位相角", AppendPhaseAngle},
    {"離角", AppendElongation},    {"視直径", AppendDiameter},  {"距離", AppendDistance},
    {"星座", AppendConstellation}};

}  // namespace

const char* DetailsCaption(int figure) {
  return figure >= 0 && figure < kDetailsFigureCount ? kFigures[figure].caption.data() : "";
}

std::string FormatFigure(int figure, const BodyDetailsReadout& r) {
  std::string text;
  if (figure < 0 || figure >= kDetailsFigureCount) return text;
  TextLine line;
  kFigures[figure].append(line, r);
  line.AppendTo(text);
  return text;
}

void AppendDetailsLine(std::string& out, const BodyDetailsReadout& r) {
  // Each figure's caption with the space after it and the separator before it, made once.
  static const std::array<std::string, kDetailsFigureCount> prefixes = [] {
    std::array<std::string, kDetailsFigureCount> made;
    for (int i = 0; i < kDetailsFigureCount; ++i) made[i] = (i > 0 ? "  " : "") + std::string(kFigures[i].caption) + " ";
    return made;
  }();
  TextLine line;
  for (int i = 0; i < kDetailsFigureCount; ++i) {
    line += prefixes[i];
    kFigures[i].append(line, r);
  }
  line.AppendTo(out);
}

}  // namespace skycalc
