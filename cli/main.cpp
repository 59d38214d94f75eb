// skycalc-cli: the calculator's logic driven from the command line.

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "astro/base/vector_state.h"
#include "cli/almanac_output.h"
#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/details_output.h"
#include "cli/eclipse_output.h"
#include "cli/phenomena_output.h"
#include "cli/events_output.h"
#include "cli/output_format.h"
#include "cli/standard_output.h"
#include "cli/table_stream.h"
#include "cli/usage_text.h"
#include "panel/clock.h"
#include "catalog/catalog_folders.h"
#include "catalog/places.h"
#include "panel/places_view.h"
#include "astro/sky/day_table.h"
#include "panel/model_messages.h"
#include "panel/settings_keys.h"
#include "panel/sky_chart.h"
#include "panel/svg_writer.h"
#include "store/ini_settings_store.h"

namespace {

constexpr int kExitRejected = 2;
constexpr int kExitUsage = 64;
constexpr int kExitIoError = 74;  // EX_IOERR of <sysexits.h>: the output could not be written

int UsageError(const std::string& reason) {
  std::cerr << "skycalc-cli: " << reason << " (see skycalc-cli --help)\n";
  return kExitUsage;
}

int Rejected(const std::string& message) {
  std::cerr << message << "\n";
  return kExitRejected;
}

// Appends one row in the chosen format (text: a table line per row with --step).
void AppendRow(const skycalc::CliOptions& options, const skycalc::CliRow& row, std::string& out) {
  switch (options.format) {
    case skycalc::CliFormat::kJson: skycalc::AppendJsonLine(out, row); break;
    case skycalc::CliFormat::kCsv: skycalc::AppendCsvLine(out, row); break;
    case skycalc::CliFormat::kText:
      options.step ? skycalc::AppendTextTableLine(out, row) : skycalc::AppendTextReadouts(out, row);
      break;
  }
}

// --details: what the body looks like at the row's instant, after the row,
// from the vectors its place was made from.
void AppendDetails(const skycalc::CliOptions& options, const skycalc::CliSession& session, const skycalc::CliRow& row,
                   const skycalc::sky::BodyVectors& vectors, std::string& out) {
  const skycalc::BodyDetailsReadout details =
      skycalc::ReadBodyDetails(session.Model(), session.Target(), {row.jd, row.fields.year}, row.place, vectors);
  switch (options.format) {
    case skycalc::CliFormat::kJson: skycalc::AppendDetailsJson(out, details); break;
    case skycalc::CliFormat::kCsv: skycalc::AppendDetailsCsv(out, details); break;
    case skycalc::CliFormat::kText: skycalc::AppendDetailsText(out, details); break;
  }
}

// Stores the given fields in the order SET examines them; the first refusal.
std::optional<std::string> StoreFields(skycalc::CliSession& session, const skycalc::CliOptions& options) {
  for (std::size_t i = 0; i < skycalc::kCliFieldCount; ++i) {
    if (!options.fields[i]) continue;
    if (auto message = session.StoreField(skycalc::kCliFields[i].field, *options.fields[i])) return message;
  }
  return std::nullopt;
}

// --events: the stored date and the days after it, one line (or object) a day.
template <typename Fail>
int WriteEvents(const skycalc::CliOptions& options, skycalc::CliSession& session, skycalc::StreamWriter& out,
                skycalc::TableProgress& progress, const Fail& fail) {
  const std::unique_ptr<skycalc::sky::DayEventsTable> events = skycalc::MakeDayEventsTable(
      session.CurrentObservation(), *skycalc::events::ConventionNamed(options.convention.c_str()));
  const skycalc::sky::DayEventsTable& table = *events;
  if (options.format == skycalc::CliFormat::kCsv) out.Buffer() += skycalc::EventsCsvHeader();
  skycalc::CivilTime date = session.StoredCivilTime();
  for (std::int64_t i = 0; i < options.count; ++i) {
    if (i > 0) date = skycalc::NextDay(date);
    if (date.year > skycalc::kLastFieldYear)  // the year field's message, as a table stepping past it says
      return fail(skycalc::CheckFieldEntry(skycalc::Field::kYear, std::to_string(date.year)).message);
    const skycalc::sky::LocalDayEvents day = table.Day(date.year, date.month, date.day);
    if (const char* refusal = skycalc::CoverageMessage(day.coverage)) return fail(refusal);
    switch (options.format) {
      case skycalc::CliFormat::kJson: skycalc::AppendEventsJson(out.Buffer(), day, table); break;
      case skycalc::CliFormat::kCsv: skycalc::AppendEventsCsv(out.Buffer(), day, table); break;
      case skycalc::CliFormat::kText: skycalc::AppendEventsText(out.Buffer(), day, table); break;
    }
    out.Commit();
    progress.Update(i + 1);
  }
  progress.Finish();
  out.Flush();
  return 0;
}

// --chart: the sky chart of the stored fields as SVG or as its display list in
// JSON (by the file name's ending), --width pixels wide.
int WriteChart(const skycalc::CliOptions& options, const skycalc::CliSession& session,
               const std::vector<std::string>& folders) {
  const skycalc::ChartData data =
      skycalc::LoadChartData(skycalc::CatalogFolderFor(skycalc::kChartStarsFile, folders),
                             skycalc::CatalogFolderFor(skycalc::kChartLinesFile, folders));
  if (data.stars.empty()) std::cerr << "星図の恒星データファイル" << skycalc::kChartStarsFile << "が読み込めません。\n";
  const std::string& file = *options.chart;
  const bool json = file.size() >= 5 && file.compare(file.size() - 5, 5, ".json") == 0;
  const double width = static_cast<double>(options.chartWidth);
  const skycalc::SkyChart chart = skycalc::MakeSkyChart(session.CurrentObservation(), data, skycalc::ChartView{}, width);
  const std::string text = json ? skycalc::ChartJson(chart) : skycalc::SvgOf(chart.list, width);
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return Rejected("skycalc-cli: cannot write " + file);
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return std::fclose(out) == 0 && written ? 0 : Rejected("skycalc-cli: cannot write " + file);
}

// --sites: the table of places, one tab-separated line a place after a header.
int WriteSites(const std::vector<skycalc::PlaceEntry>& places) {
  if (places.empty()) return Rejected(skycalc::kPlacesMissingMessage);
  std::string text = skycalc::PlaceTableHeader();
  for (const skycalc::PlaceEntry& place : places) text += skycalc::PlaceTableRow(place);
  skycalc::WriteChecked(stdout, text);
  return 0;
}

// --site: the place's longitude and latitude, and its zone unless --zone-hour
// is given, stored as the keypad keys them; a name the table lacks is a usage
// error that names the closest places.
std::optional<int> StoreSite(const skycalc::CliOptions& options, const std::vector<skycalc::PlaceEntry>& places,
                             skycalc::CliSession& session) {
  if (places.empty()) return Rejected(skycalc::kPlacesMissingMessage);
  const int index = skycalc::FindPlace(places, *options.site);
  if (index < 0) {
    std::cerr << "skycalc-cli: "
              << skycalc::UnknownPlaceMessage(*options.site, skycalc::SuggestPlaces(places, *options.site),
                                              skycalc::PlaceNameIsAmbiguous(places, *options.site))
              << "（一覧は skycalc-cli --sites）\n";
    return kExitUsage;
  }
  const skycalc::PlaceEntry& place = places[static_cast<std::size_t>(index)];
  const bool zoneGiven = options.fields[static_cast<std::size_t>(skycalc::Field::kZoneHour)].has_value();
  const skycalc::ZoneFields zone = skycalc::ZoneFieldsOf(place.zoneMinutes);
  const std::pair<skycalc::Field, std::string> keyed[] = {
      {skycalc::Field::kLongitude, skycalc::DegreesAsKeyed(place.longitude)},
      {skycalc::Field::kLatitude, skycalc::DegreesAsKeyed(place.latitude)},
      {skycalc::Field::kZoneHour, std::to_string(zone.hour)},
      {skycalc::Field::kZoneMinute, std::to_string(zone.minute)}};
  for (const auto& [field, text] : keyed) {
    if (zoneGiven && (field == skycalc::Field::kZoneHour || field == skycalc::Field::kZoneMinute)) continue;
    if (auto message = session.StoreField(field, text)) return Rejected(*message);
  }
  return std::nullopt;
}

int Run(const skycalc::CliOptions& options) {
  // The window's own settings, read from the files QSettings keeps them in,
  // as QSettings reads them; never written.
  skycalc::IniSettingsStore iniStore(skycalc::kCompanyName, skycalc::kApplicationName);
  skycalc::ReadOnlySettingsStore store(iniStore);
  skycalc::SystemClock clock;
  // --data-dir names the one folder of the catalogues; without it they are
  // looked for in the current folder, then in the installed share folder.
  const std::vector<std::string> folders =
      options.dataDir ? std::vector<std::string>{*options.dataDir}
                      : skycalc::CatalogSearchFolders(skycalc::RunningProgramFolder());
  // The places are read only for the options that use them.
  const std::vector<skycalc::PlaceEntry> places =
      options.sites || options.site ? skycalc::LoadPlaces(skycalc::CatalogFolderFor(skycalc::kPlacesFile, folders))
                                    : std::vector<skycalc::PlaceEntry>();
  if (options.sites) return WriteSites(places);
  skycalc::CliSession session(store, clock, folders);
  for (const std::string& message : session.Start()) std::cerr << message << "\n";
  skycalc::ClearUpperVectorState();  // what reading the settings and the catalogues left behind

  if (options.bodyKind && !session.ChooseBody(*options.bodyKind, options.bodyText)) {
    return UsageError("no such body in the list: " + skycalc::QuoteForMessage(options.bodyText));
  }
  session.ChooseFrame(options.frame);
  session.ChooseTimeMode(options.timeMode);
  if (options.site) {
    if (const std::optional<int> status = StoreSite(options, places, session)) return *status;
  }
  if (auto message = StoreFields(session, options)) return Rejected(*message);
  if (options.holidays) return skycalc::WriteHolidays(session.StoredCivilTime().year, options.count, options.format);
  if (options.almanac || options.calendar) {  // the almanac: always its own accurate model
    const skycalc::CivilTime date = session.StoredCivilTime();
    const int zoneMinutes = skycalc::ZoneMinutesOf(session.Fields());
    // As for tables: a progress line on a terminal, unless the rows go there too.
    const bool progress = options.count > 1 && skycalc::TableProgress::StandardErrorIsTerminal() &&
                          !::isatty(STDOUT_FILENO);
    return options.almanac
               ? skycalc::WriteAlmanac(date.year, zoneMinutes, options.count, options.format, progress)
               : skycalc::WriteCalendar(date.year, date.month, zoneMinutes, options.count, options.format, progress);
  }
  if (options.phenomena) {  // the stored year(s), always the accurate theories
    const bool progress = options.count > 1 && skycalc::TableProgress::StandardErrorIsTerminal() &&
                          !::isatty(STDOUT_FILENO);
    return skycalc::WritePhenomena(session.StoredCivilTime().year, skycalc::ZoneMinutesOf(session.Fields()),
                                   options.count, options.phenomenaGroups, options.format, progress);
  }
  if (options.eclipses) {  // the stored year(s) and site, written out a year at a time
    const skycalc::StoredFields& f = session.Fields();
    skycalc::StreamWriter out(stdout);
    skycalc::TableProgress progress(options.count, options.count > 1 &&
                                                       skycalc::TableProgress::StandardErrorIsTerminal() &&
                                                       !::isatty(STDOUT_FILENO));
    const auto message = skycalc::AppendEclipses(
        out.Buffer(), {f.year, options.count, skycalc::ZoneMinutesOf(f), f.longitude, f.latitude, f.azimuth},
        options.format, [&](std::int64_t years) {
          out.Flush();
          skycalc::FlushChecked(stdout);
          progress.Update(years);
        });
    progress.Finish();
    out.Flush();
    return message ? Rejected(*message) : 0;
  }
  if (options.precise) {
    if (auto message = session.ChoosePreciseModel(true)) return Rejected(*message);
  }

  if (options.chart) return WriteChart(options, session, folders);

  // Rows are written as they are made, in blocks, so that a table of any
  // length runs in the same memory; a long one shows its progress on a
  // terminal (unless the rows themselves go to the terminal).
  skycalc::StreamWriter out(stdout);
  skycalc::TableProgress progress(options.count, options.count > 1 &&
                                                     skycalc::TableProgress::StandardErrorIsTerminal() &&
                                                     !::isatty(STDOUT_FILENO));
  const auto fail = [&](const std::string& message) {
    progress.Finish();
    out.Flush();
    return Rejected(message);
  };
  // Rows are labelled with the date a stored 31 February actually is; said once.
  const skycalc::CivilTime stored = session.StoredCivilTime();
  if (const std::string note = skycalc::DateNote(stored.year, stored.month, stored.day); !note.empty())
    std::cerr << note << "\n";
  if (options.events) return WriteEvents(options, session, out, progress, fail);

  if (options.format == skycalc::CliFormat::kCsv) {
    out.Buffer() += skycalc::FormatCsvHeader();
    if (options.details) skycalc::AppendDetailsCsvHeader(out.Buffer());
  }
  skycalc::CivilTime instant = session.StoredCivilTime();
  skycalc::CliRow row;
  skycalc::sky::BodyVectors vectors;
  for (std::int64_t i = 0; i < options.count; ++i) {
    if (i > 0) {
      instant = skycalc::Advance(instant, *options.step);
      if (auto message = session.StoreCivilTime(instant)) return fail(*message);
    }
    if (auto message = options.details ? session.Row(row, vectors) : session.Row(row)) return fail(*message);
    AppendRow(options, row, out.Buffer());
    if (options.details) AppendDetails(options, session, row, vectors, out.Buffer());
    out.Commit();
    progress.Update(i + 1);
  }
  progress.Finish();
  out.Flush();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Every output, whichever way it is written, is checked here: a failed
  // write stops the run at once, and the final flush and close are checked.
  skycalc::StandardOutput output;
  try {
    const skycalc::CliParseResult parsed = skycalc::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    int status = 0;
    if (parsed.options.help) {
      std::cout << skycalc::kCliUsageText;
    } else {
      status = parsed.error.empty() ? Run(parsed.options) : UsageError(parsed.error);
    }
    output.Close();
    return status;
  } catch (const skycalc::OutputError& error) {
    output.Abandon();
    std::cerr << skycalc::OutputErrorMessage(error.Error()) << "\n";
    return kExitIoError;
  }
}
