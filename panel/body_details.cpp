#include "panel/body_details.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "astro/details/constellation.h"
#include "catalog/names.h"
#include "panel/control_ids.h"
#include "panel/precise_readout.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

namespace {

constexpr double kExactRadToDeg = 180.0 / 3.14159265358979323846;
constexpr int kSunBody = 1;
constexpr int kEarthBody = 4;
constexpr int kMoonBody = 11;

std::string Fixed(double value, int precision) {
  char buffer[48];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  return std::string(buffer, result.ptr);
}

// Significant digits for a distance: au to 5 decimals from 1 au, more below.
std::string Distance(double au) { return Fixed(au, au >= 1.0 ? 5 : au >= 0.1 ? 6 : 7); }

}  // namespace

BodyDetailsReadout ReadBodyDetails(const CSkyCalcDlg& dlg, double jd, const Place& place) {
  BodyDetailsReadout r;
  const bool precise = dlg.IsPreciseModel();
  const int kind = dlg.CheckedBodyKind();
  const int body = g_nPlanetBody >= 1 && g_nPlanetBody <= 11 && g_nPlanetBody != kEarthBody ? g_nPlanetBody : kSunBody;
  double jdTt = jd;  // the calculator's model takes UT as it is
  if (precise) {
    const precise::Instant t = precise::MakeInstant(jd);
    jdTt = t.jdTt;
    if (kind != IDC_STAR && kind != IDC_CONSTELLATION) {
      details::Geometry g;
      if (details::PreciseGeometry(PreciseBodyOf(body), jd, g) != precise::Status::kOk) return r;
      r.figures = details::DetailsOf(g);
    }
  } else if (kind != IDC_STAR && kind != IDC_CONSTELLATION) {
    details::Geometry g;
    details::CalculatorGeometry(body, jd, g);
    r.figures = details::DetailsOf(g);
  }
  r.hasFigures = kind != IDC_STAR && kind != IDC_CONSTELLATION;
  r.moon = r.hasFigures && body == kMoonBody;
  if (std::isfinite(place.equatorial[0]) && std::isfinite(place.equatorial[1]))
    r.constellation = details::ConstellationOfDate(place.equatorial[0], place.equatorial[1], jdTt, precise);
  return r;
}

BodyDetailsReadout ReadStoredBodyDetails(CSkyCalcDlg& dlg) {
  Place place;
  switch (dlg.CheckedBodyKind()) {
    case IDC_STAR: place = dlg.StarPlace(g_nStarIndex); break;
    case IDC_CONSTELLATION: place = dlg.ConstellationPlace(g_nConstIndex); break;
    default: place = dlg.PlanetPlace(g_nPlanetBody); break;
  }
  return ReadBodyDetails(dlg, dlg.m_dJulianDay, place);
}

std::string ConventionLine(const events::RiseSetConvention& convention) {
  if (std::string_view(convention.name) == events::kJapanConvention.name) return "国立天文台の定義 (太陽は上辺、月は中心、大気差35′08″)";
  return "国際的な定義 (太陽と月は上辺、大気差34′)";
}

std::string FormatMagnitude(const BodyDetailsReadout& r) {
  return std::isfinite(r.figures.magnitude) ? Fixed(r.figures.magnitude, 2) : kNotApplicable;
}

std::string FormatIlluminatedFraction(const BodyDetailsReadout& r) {
  return std::isfinite(r.figures.illuminatedFraction) ? Fixed(r.figures.illuminatedFraction, 3) : kNotApplicable;
}

std::string FormatPhaseAngle(const BodyDetailsReadout& r) {
  return std::isfinite(r.figures.phaseAngle) ? Fixed(r.figures.phaseAngle * kExactRadToDeg, 1) + "°" : kNotApplicable;
}

std::string FormatElongation(const BodyDetailsReadout& r) {
  if (!std::isfinite(r.figures.elongation)) return kNotApplicable;
  return std::string(r.figures.east ? "東 " : "西 ") + Fixed(r.figures.elongation * kExactRadToDeg, 2) + "°";
}

std::string FormatDiameter(const BodyDetailsReadout& r) {
  if (!std::isfinite(r.figures.diameter)) return kNotApplicable;
  const double arcsec = r.figures.diameter * kExactRadToDeg * 3600.0;
  return Fixed(arcsec, arcsec >= 100.0 ? 0 : 1) + "″";
}

std::string FormatDistance(const BodyDetailsReadout& r) {
  if (!std::isfinite(r.figures.distance)) return kNotApplicable;
  std::string text = Distance(r.figures.distance) + " au";
  if (r.moon) text += " (" + Fixed(r.figures.distance * details::kAuKm, 0) + " km)";
  return text;
}

std::string FormatConstellation(const BodyDetailsReadout& r) {
  const int row = details::ConstellationListRow(r.constellation);
  if (row < 0) return kNotApplicable;
  return std::string(ConstellationNames[row]) + " (" + details::ConstellationAbbreviation(r.constellation) + ")";
}

std::string FormatDetailsLine(const BodyDetailsReadout& r) {
  const std::pair<const char*, std::string> items[] = {
      {kMagnitudeCaption, FormatMagnitude(r)},   {kIlluminatedCaption, FormatIlluminatedFraction(r)},
      {kPhaseAngleCaption, FormatPhaseAngle(r)}, {kElongationCaption, FormatElongation(r)},
      {kDiameterCaption, FormatDiameter(r)},     {kDistanceCaption, FormatDistance(r)},
      {kConstellationCaption, FormatConstellation(r)}};
  std::string line;
  for (const auto& [caption, value] : items) {
    if (!line.empty()) line += "  ";
    line += caption;
    line += ' ';
    line += value;
  }
  return line;
}

}  // namespace skycalc
