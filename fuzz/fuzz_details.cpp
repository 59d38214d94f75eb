// この時刻's figures for any body or catalogue direction, in either model, at
// any instant and site (non-finite values included), and the constellation
// of any direction at any instant. After each call the figures' contract is
// checked: NaN throughout where the model has no place, otherwise every
// figure in its range and each text one line; a constellation index is
// -1 or one of the 88.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "astro/base/constants.h"
#include "astro/details/constellation.h"
#include "astro/sky/model.h"
#include "fuzz/fuzz_support.h"
#include "panel/body_details.h"

namespace skycalc {
namespace {

// A double that is often ordinary and sometimes anything at all (NaN, ±inf,
// huge, subnormal), so both the ranges and the edges are reached.
double Number(FuzzedDataProvider& data, double low, double high) {
  if (data.ConsumeBool()) return data.ConsumeFloatingPoint<double>();
  return data.ConsumeFloatingPointInRange<double>(low, high);
}

bool InRangeOrNaN(double v, double low, double high) { return std::isnan(v) || (v >= low && v <= high); }

void CheckFigures(const BodyDetailsReadout& r, bool body) {
  const details::BodyDetails& f = r.figures;
  FUZZ_CHECK(r.constellation >= -1 && r.constellation < 88, "constellation index");
  if (!body) FUZZ_CHECK(!r.hasFigures && std::isnan(f.magnitude), "a catalogue row has only a constellation");
  FUZZ_CHECK(InRangeOrNaN(f.illuminatedFraction, 0.0, 1.0), "illuminated fraction");
  FUZZ_CHECK(InRangeOrNaN(f.phaseAngle, 0.0, kExactPi), "phase angle");
  FUZZ_CHECK(InRangeOrNaN(f.elongation, 0.0, kExactPi), "elongation");
  FUZZ_CHECK(std::isnan(f.distance) || f.distance > 0.0, "distance");
  FUZZ_CHECK(std::isnan(f.diameter) || f.diameter > 0.0, "diameter");
  FUZZ_CHECK(std::isnan(f.magnitude) || std::isfinite(f.magnitude), "magnitude finite or NaN");
  for (int figure = 0; figure < kDetailsFigureCount; ++figure) {
    const std::string text = FormatFigure(figure, r);
    FUZZ_CHECK(!text.empty() && text.find('\n') == std::string::npos, "each figure one line of text");
  }
  std::string line;
  AppendDetailsLine(line, r);
  FUZZ_CHECK(line.find('\n') == std::string::npos && line.size() < 400, "the details line one bounded line");
}

}  // namespace
}  // namespace skycalc

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace skycalc;
  FuzzedDataProvider data(bytes, size);
  const sky::SkyModel& model = sky::ModelOf(data.ConsumeBool());
  const bool body = data.ConsumeBool();
  const sky::Target target =
      body ? sky::Target::OfBody(BodyOfListPosition(data.ConsumeIntegralInRange<int>(0, 9)))
           : sky::Target::OfCatalogRow(Number(data, 0.0, 360.0), Number(data, -90.0, 90.0));
  sky::Instant instant;
  instant.jd = Number(data, 2086308.0, 2816788.0);  // 1000-2999, and beyond
  instant.localYear = data.ConsumeIntegralInRange<std::int32_t>(-99999, 99999);
  if (data.ConsumeBool() && std::isfinite(instant.jd) && std::fabs(instant.jd) < 1e9) {
    instant.localYear = static_cast<std::int32_t>(std::floor((instant.jd - 1721058.5) / 365.2425));
  }
  const sky::Site site{Number(data, -180.0, 180.0), Number(data, -90.0, 90.0)};
  sky::BodyVectors vectors;
  const Place place = model.PlaceOf(target, instant, site, Number(data, 0.0, 360.0), vectors);
  const BodyDetailsReadout r = ReadBodyDetails(model, target, instant, place, vectors);
  if (model.Covers(target, instant.localYear) != sky::Coverage::kCovered) {
    FUZZ_CHECK(std::isnan(r.figures.magnitude) && r.constellation == -1, "nothing where the model has no place");
  }
  CheckFigures(r, body);
  // The constellation of any direction at any instant.
  const double ra = Number(data, 0.0, 2.0 * kExactPi), dec = Number(data, -kExactPi / 2.0, kExactPi / 2.0);
  const int index = details::ConstellationOfDate(ra, dec, Number(data, 2086308.0, 2816788.0), data.ConsumeBool());
  FUZZ_CHECK(index >= -1 && index < 88, "constellation index of any direction");
  if (std::isfinite(ra) && std::isfinite(dec) && std::fabs(dec) <= kExactPi / 2.0) {
    (void)details::ConstellationAbbreviation(index);
  }
  return 0;
}
