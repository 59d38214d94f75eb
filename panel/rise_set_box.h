#pragma once

#include <string>
#include <vector>

#include "astro/events/convention.h"
#include "astro/sky/day_table.h"

// The 出没時刻 box as the window and the page show it (form rise_set_dlg.ui):
// every label's text, which labels are shown, and which move up, so that
// each front end only places them.
namespace skycalc {

struct Observation;

struct RiseSetLabel {
  const char* name;    // the label's control name in the form
  std::string text;    // UTF-8, plain text
  bool shown = true;
  bool raised = false;  // moves up by RiseSetBox::raise
};

struct RiseSetBox {
  std::vector<RiseSetLabel> labels;  // every label of the form, in the form's reading order
  // Dialog units that the raised labels and the box's bottom move up: the
  // twilights' rows for a body other than the Sun (they are hidden), else 0.
  int raise = 0;
  const char* refusal = nullptr;  // the model's message when it cannot compute the day (no labels then)
};

// The rows of the three twilights, dialog units.
inline constexpr int kTwilightRowsHeight = 40;

// The box of observation's target on the day (events computed with
// convention): title and site; 出, 南中 and 没 with their times and azimuth or
// altitude; how the azimuths count; the note; the twilights (the Sun only);
// the convention line; この時刻 and the body's figures at the stored instant.
RiseSetBox MakeRiseSetBox(const Observation& observation, const sky::LocalDayEvents& day,
                          const events::RiseSetConvention& convention);
// The same for observation's stored date, the events in its model; refusal
// set (CoverageMessage) when the day is outside the model's years.
RiseSetBox StoredDayRiseSetBox(const Observation& observation);
// The box as JSON for the page: {"raise", "labels": [{"name", "text", "shown", "raised"}]}.
std::string RiseSetBoxJson(const RiseSetBox& box);

}  // namespace skycalc
