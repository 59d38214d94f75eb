// The eclipse entry points on arbitrary requests: a local year (and a count
// of years), a zone and a site anywhere in their ranges and beyond them
// (non-finite numbers included), and a raw span of instants. A request is
// either refused or answered; an answer's eclipses lie in the span asked, in
// time order, each with its contacts in time order, azimuths in [0, 2pi),
// rising and setting rows above the horizon and texts for every line.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "astro/eclipse/eclipse.h"
#include "fuzz/fuzz_support.h"
#include "panel/eclipse_list.h"

namespace skycalc {
namespace {

// Reads the input a field at a time; zeros once it runs out.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  std::uint32_t Bits(int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | (m_at < m_size ? m_data[m_at++] : 0u);
    return v;
  }
  // A number in [low, high], or now and then a non-finite or out-of-range one.
  double Number(double low, double high) {
    const std::uint32_t kind = Bits(1);
    const double unit = Bits(3) / 16777215.0;
    switch (kind % 16) {
      case 0: return std::numeric_limits<double>::quiet_NaN();
      case 1: return kind & 16 ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
      case 2: return low - 1.0 - unit * 1e6;
      case 3: return high + 1.0 + unit * 1e6;
      default: return low + unit * (high - low);
    }
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

void CheckEclipses(const std::vector<eclipse::Eclipse>& list, double first, double end, int zone) {
  double previous = -std::numeric_limits<double>::infinity();
  for (const eclipse::Eclipse& e : list) {
    FUZZ_CHECK(e.greatestJdUtc >= first && e.greatestJdUtc < end, "an eclipse in the span asked");
    FUZZ_CHECK(e.greatestJdUtc >= previous, "eclipses in time order");
    previous = e.greatestJdUtc;
    FUZZ_CHECK(e.kind == eclipse::Kind::kLunar || e.visible || e.contacts.empty(), "an unseen solar eclipse has no contacts");
    double last = -std::numeric_limits<double>::infinity();
    for (const eclipse::Contact& c : e.contacts) {
      FUZZ_CHECK(!(c.jdUtc < last), "contacts in time order");
      last = c.jdUtc;
      FUZZ_CHECK(!(c.azimuth < 0.0) && !(c.azimuth >= 2.0 * M_PI), "azimuth in [0, 2pi)");
      FUZZ_CHECK(!IsRiseOrSet(c.name) || !c.belowHorizon, "a rising or setting on the horizon");
      FUZZ_CHECK(!ContactCaption(e, c.name).empty() && ContactCode(c.name)[0] != '\0', "a caption for every contact");
    }
    FUZZ_CHECK(!EclipseSummary(e, zone).empty() && !EclipseDetails(e, zone).empty(), "texts for every eclipse");
  }
}

}  // namespace
}  // namespace skycalc

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skycalc;
  Reader in(data, size);
  const bool raw = in.Bits(1) & 1;
  const double longitude = in.Number(-180.0, 180.0), latitude = in.Number(-90.0, 90.0);
  if (raw) {
    // A span of up to two months anywhere near the model's years.
    const double first = in.Number(precise::kFirstJdUtc - 100.0, precise::kEndJdUtc + 100.0);
    const double length = in.Number(0.0, 60.0);
    const double end = first + (length > 60.0 ? 60.0 : length);  // NaN, -inf and negative lengths kept
    const GeoSite site{longitude * M_PI / 180.0, latitude * M_PI / 180.0};
    const eclipse::EclipseList list = eclipse::FindEclipses(first, end, site);
    FUZZ_CHECK(list.status == precise::Status::kOk || list.eclipses.empty(), "a refused span has no eclipses");
    CheckEclipses(list.eclipses, first, end, 0);
    return 0;
  }
  EclipseListRequest request;
  request.year = static_cast<std::int32_t>(in.Bits(4));
  if (in.Bits(1) & 1) request.year = 990 + static_cast<std::int32_t>(request.year % 2030u);
  request.years = static_cast<std::int64_t>(in.Bits(1) % 3) + ((in.Bits(1) & 0x80) ? static_cast<std::int64_t>(in.Bits(4)) << 8 : 0) -
                  (in.Bits(1) & 1);
  if (request.years > 2) request.years = -request.years;  // long listings are the command line's; keep runs short
  request.zoneMinutes = static_cast<int>(in.Bits(2) % 2881) - 1440;
  request.longitudeDeg = longitude;
  request.latitudeDeg = latitude;
  request.azimuthOriginDeg = in.Number(0.0, 360.0);
  const EclipseListResult result = ListEclipses(request);
  FUZZ_CHECK((result.refusal != nullptr) == (EclipseYearsRefusal(request) != nullptr), "the refusal told beforehand");
  if (result.refusal) {
    FUZZ_CHECK(result.eclipses.empty(), "a refused request has no eclipses");
    return 0;
  }
  const int first = FirstSeenEclipse(result.eclipses);
  FUZZ_CHECK(first < static_cast<int>(result.eclipses.size()) && (first < 0 || result.eclipses[first].visible),
             "the first eclipse seen is seen");
  CheckEclipses(result.eclipses, -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                request.zoneMinutes);
  return 0;
}
