#include "panel/rise_set_box.h"

#include "panel/azimuth_words.h"
#include "panel/body_details.h"
#include "panel/day_events.h"
#include "panel/model_messages.h"
#include "panel/readout_format.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

namespace {

// The first event's azimuth or altitude; empty for none.
std::string Detail(const std::vector<events::Event>& list, bool altitude) {
  if (list.empty()) return std::string();
  return altitude ? FormatEventAltitude(list.front()) : FormatEventAzimuth(list.front());
}

// The labels of each twilight: caption, dawn, dusk.
constexpr const char* kTwilightLabels[events::kTwilightCount][3] = {
    {"IDC_EVENTS_CIVIL_CAPTION", "IDC_EVENTS_CIVIL_DAWN", "IDC_EVENTS_CIVIL_DUSK"},
    {"IDC_EVENTS_NAUTICAL_CAPTION", "IDC_EVENTS_NAUTICAL_DAWN", "IDC_EVENTS_NAUTICAL_DUSK"},
    {"IDC_EVENTS_ASTRONOMICAL_CAPTION", "IDC_EVENTS_ASTRONOMICAL_DAWN", "IDC_EVENTS_ASTRONOMICAL_DUSK"}};

// The labels of この時刻's figures in their order: caption, figure.
constexpr const char* kMomentLabels[kDetailsFigureCount][2] = {
    {"IDC_MOMENT_MAGNITUDE_CAPTION", "IDC_MOMENT_MAGNITUDE"},
    {"IDC_MOMENT_FRACTION_CAPTION", "IDC_MOMENT_FRACTION"},
    {"IDC_MOMENT_PHASE_CAPTION", "IDC_MOMENT_PHASE"},
    {"IDC_MOMENT_ELONGATION_CAPTION", "IDC_MOMENT_ELONGATION"},
    {"IDC_MOMENT_DIAMETER_CAPTION", "IDC_MOMENT_DIAMETER"},
    {"IDC_MOMENT_DISTANCE_CAPTION", "IDC_MOMENT_DISTANCE"},
    {"IDC_MOMENT_CONSTELLATION_CAPTION", "IDC_MOMENT_CONSTELLATION"}};

}  // namespace

RiseSetBox MakeRiseSetBox(const Observation& observation, const sky::LocalDayEvents& day,
                          const events::RiseSetConvention& convention) {
  const bool sun = observation.target.IsBody(Body::kSun);
  const events::DayEvents& e = day.events;
  RiseSetBox box;
  box.raise = sun ? 0 : kTwilightRowsHeight;
  auto& labels = box.labels;
  labels.push_back({"IDC_EVENTS_BODY", EventsTitle(observation)});
  labels.push_back({"IDC_EVENTS_SITE", EventsSiteLine(observation)});
  const struct {
    const char *caption, *time, *detail, *captionText;
    const std::vector<events::Event>& list;
    bool altitude;
  } rows[] = {{"IDC_EVENTS_RISE_CAPTION", "IDC_EVENTS_RISE_TIME", "IDC_EVENTS_RISE_DETAIL", kRiseCaption, e.rises, false},
              {"IDC_EVENTS_TRANSIT_CAPTION", "IDC_EVENTS_TRANSIT_TIME", "IDC_EVENTS_TRANSIT_DETAIL", kTransitCaption,
               e.transits, true},
              {"IDC_EVENTS_SET_CAPTION", "IDC_EVENTS_SET_TIME", "IDC_EVENTS_SET_DETAIL", kSetCaption, e.sets, false}};
  for (const auto& row : rows) {
    labels.push_back({row.caption, row.captionText});
    labels.push_back({row.time, FormatEventTimes(row.list, day.dayStartJd)});
    labels.push_back({row.detail, Detail(row.list, row.altitude)});
  }
  labels.push_back({"IDC_EVENTS_ORIGIN", AzimuthOriginWords(observation.fields.azimuth)});
  labels.push_back({"IDC_EVENTS_NOTE", EventsNote(observation, e)});
  for (int t = 0; t < events::kTwilightCount; ++t) {
    labels.push_back({kTwilightLabels[t][0], kTwilightCaptions[t], sun});
    labels.push_back({kTwilightLabels[t][1],
                      std::string(kDawnCaption) + " " + FormatEventTimes(e.twilights[t].dawns, day.dayStartJd), sun});
    labels.push_back({kTwilightLabels[t][2],
                      std::string(kDuskCaption) + " " + FormatEventTimes(e.twilights[t].dusks, day.dayStartJd), sun});
  }
  // Below the twilights, everything moves up into their place when they are hidden.
  labels.push_back({"IDC_EVENTS_CONVENTION", ConventionLine(convention), true, true});
  labels.push_back({"IDC_MOMENT_CAPTION", MomentCaption(observation), true, true});
  const BodyDetailsReadout moment = ReadBodyDetails(observation);
  for (int i = 0; i < kDetailsFigureCount; ++i) {
    labels.push_back({kMomentLabels[i][0], DetailsCaption(i), true, true});
    labels.push_back({kMomentLabels[i][1], FormatFigure(i, moment), true, true});
  }
  return box;
}

RiseSetBox StoredDayRiseSetBox(const Observation& observation) {
  const StoredFields& f = observation.fields;
  const std::unique_ptr<sky::DayEventsTable> table = MakeDayEventsTable(observation);
  const sky::LocalDayEvents day = table->Day(f.year, f.month, f.day);
  if (const char* refusal = CoverageMessage(day.coverage)) {
    RiseSetBox box;
    box.refusal = refusal;
    return box;
  }
  return MakeRiseSetBox(observation, day, table->Convention());
}

std::string RiseSetBoxJson(const RiseSetBox& box) {
  std::string out = "{\"raise\":" + std::to_string(box.raise) + ",\"labels\":[";
  for (std::size_t i = 0; i < box.labels.size(); ++i) {
    const RiseSetLabel& l = box.labels[i];
    out += std::string(i ? "," : "") + "{\"name\":\"" + l.name + "\",\"text\":" + JsonText(l.text) +
           ",\"shown\":" + (l.shown ? "true" : "false") + ",\"raised\":" + (l.raised ? "true" : "false") + "}";
  }
  return out + "]}";
}

}  // namespace skycalc
