#pragma once

#include <cstdint>
#include <string>

#include "cli/cli_options.h"
#include "panel/phenomena_list.h"

// skycalc-cli --phenomena: the sky events (天象) of the stored year(s), one
// line (JSON object, CSV row) an event, from the accurate theories whatever
// the model chosen.
namespace skycalc {

// One event: text "2024-01-03	09:38	近日点	地球	0.9833 au		地球が太陽にもっとも近づく"
// (date, time, name, body, figure, detail, meaning; tab-separated); JSON
// {"jd","date","time","kind","body","name","value","unit","detail"} (value
// and unit null for an event without a figure, detail "" when none); CSV in
// the JSON's columns.
void AppendPhenomenonText(std::string& out, const PhenomenaRow& row);
void AppendPhenomenonJson(std::string& out, const PhenomenaRow& row);
std::string PhenomenaCsvHeader();
void AppendPhenomenonCsv(std::string& out, const PhenomenaRow& row);

// Writes count years of events from year, a year at a time, to standard
// output (a progress line by years when showProgress); groups:
// kPhenomenaPlanets | ... Returns 0, or 2 with phenomena::kYearsMessage on
// standard error for a year outside 1000-2999 (nothing written then); a
// failed write ends the program as the other listings' do.
int WritePhenomena(int year, int zoneMinutes, std::int64_t count, unsigned groups, CliFormat format,
                   bool showProgress);

}  // namespace skycalc
