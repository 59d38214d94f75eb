// The calculator's logic in a web page: the control host, the settings store
// and the clock are the page's (skycalc_page.js, as Module.skycalcHost), and
// the page drives the logic through the C functions below, exported to
// JavaScript. Everything the calculator computes, checks and shows comes
// from the panel; the page only draws its controls.
#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "astro/almanac/almanac.h"
#include "astro/almanac/holidays.h"
#include "astro/time/julian_day.h"

#include "catalog/catalog_folders.h"
#include "panel/box_menu.h"
#include "panel/chart_box.h"
#include "panel/azimuth_words.h"
#include "catalog/chart_data.h"
#include "panel/display_list.h"
#include "panel/sky_chart.h"
#include "panel/body_details.h"
#include "panel/day_events.h"
#include "panel/eclipse_list.h"
#include "panel/model_messages.h"
#include "panel/phenomena_box.h"
#include "panel/phenomena_list.h"
#include "panel/readout_format.h"
#include "panel/settings_keys.h"
#include "panel/sky_calc_dlg.h"

// The page's side of each call (texts UTF-8; a string returned from the page
// is allocated with malloc and freed here).
EM_JS(void, PageSetText, (int id, const char* text), { Module.skycalcHost.setText(id, UTF8ToString(text)); });
EM_JS(void, PageSetCheck, (int id, int checked), { Module.skycalcHost.setCheck(id, checked !== 0); });
EM_JS(int, PageIsChecked, (int id), { return Module.skycalcHost.isChecked(id) ? 1 : 0; });
EM_JS(void, PageSetListText, (int id, const char* text), { Module.skycalcHost.setListText(id, UTF8ToString(text)); });
EM_JS(int, PageGetListSelection, (int id), { return Module.skycalcHost.getListSelection(id); });
EM_JS(int, PageAddListEntry, (int id, const char* text), {
  return Module.skycalcHost.addListEntry(id, UTF8ToString(text)) ? 1 : 0;
});
EM_JS(void, PageShowMessage, (const char* text), { Module.skycalcHost.showMessage(UTF8ToString(text)); });
EM_JS(char*, PageReadSetting, (const char* name), {
  const value = Module.skycalcHost.readSetting(UTF8ToString(name));
  if (value === null) return 0;
  const size = lengthBytesUTF8(value) + 1;
  const text = _malloc(size);
  stringToUTF8(value, text, size);
  return text;
});
EM_JS(int, PageWriteSetting, (const char* name, const char* value), {
  return Module.skycalcHost.writeSetting(UTF8ToString(name), UTF8ToString(value)) ? 1 : 0;
});
EM_JS(char*, PageSettingsLocation, (), {
  const value = Module.skycalcHost.settingsLocation();
  const size = lengthBytesUTF8(value) + 1;
  const text = _malloc(size);
  stringToUTF8(value, text, size);
  return text;
});
EM_JS(void, PageClock, (int* fields), {
  const now = new Date();
  const values = [ now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(), now.getMinutes() ];
  for (let i = 0; i < 5; ++i) HEAP32[(fields >> 2) + i] = values[i];
});

namespace skycalc {
namespace {

class PageHost : public IControlHost {
 public:
  void SetText(int id, const std::string& text) override { PageSetText(id, text.c_str()); }
  void SetCheck(int id, bool checked) override { PageSetCheck(id, checked ? 1 : 0); }
  bool IsChecked(int id) const override { return PageIsChecked(id) != 0; }
  void SetListText(int id, const std::string& text) override { PageSetListText(id, text.c_str()); }
  int GetListSelection(int id) const override { return PageGetListSelection(id); }
  bool AddListEntry(int id, const std::string& text) override { return PageAddListEntry(id, text.c_str()) != 0; }
  void ShowMessage(const std::string& text) override { PageShowMessage(text.c_str()); }
};

// The page's localStorage, one item per value name (the section is always the
// calculator's one). A write the browser refuses (storage full or blocked) is
// remembered, as the window's store remembers a file it could not write.
class PageSettingsStore : public ISettingsStore {
 public:
  std::string ReadString(const std::string&, const std::string& name, const std::string& defaultValue) override {
    char* value = PageReadSetting(name.c_str());
    if (!value) return defaultValue;
    std::string text(value);
    std::free(value);
    return text;
  }
  void WriteString(const std::string&, const std::string& name, const std::string& value) override {
    if (PageWriteSetting(name.c_str(), value.c_str()) == 0) m_writeFailed = true;
  }
  bool WritesSucceeded() const override { return !m_writeFailed; }
  std::string Location() const override {
    char* value = PageSettingsLocation();
    std::string text(value);
    std::free(value);
    return text;
  }

 private:
  bool m_writeFailed = false;
};

// The browser's local time.
class PageClock : public IClock {
 public:
  ClockReading Now() override {
    int fields[5] = {};
    ::PageClock(fields);
    return ClockReading{fields[0], fields[1], fields[2], fields[3], fields[4]};
  }
};

// The catalogues sit in the bundle's /usr/share/skycalc, beside a program in /usr/bin.
const char kProgramFolder[] = "/usr/bin";

struct Page {
  PageHost host;
  PageSettingsStore store;
  PageClock clock;
  CSkyCalcDlg dlg{host, store, clock};
  bool readPrecise = false;  // the model the store named when the page opened
  bool readNight = false;    // night mode as the store named it when the page opened
  bool night = false;
};
std::unique_ptr<Page> g_page;

// The first event's azimuth or altitude; empty for none.
std::string Detail(const std::vector<events::Event>& list, bool altitude) {
  if (list.empty()) return std::string();
  return altitude ? FormatEventAltitude(list.front()) : FormatEventAzimuth(list.front());
}


// A JSON string literal of UTF-8 text.
std::string Json(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\', out += c;
    else if (c == '\n') out += "\\n";
    else if (static_cast<unsigned char>(c) < 0x20) out += FormatText("\\u%04x", c);
    else out += c;
  }
  return out + "\"";
}

// A JSON number; 17 digits, so that the page draws from the very values.
std::string Json(double value) { return FormatText("%.17g", value); }

// JSON array of already-written elements.
std::string JsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
  return out + "]";
}

// 0 Sunday to 6 Saturday, of a date of the calculator's calendar.
int Weekday(const almanac::LocalDate& date) {
  const double jd = CalendarToJD(date.year, date.month, date.day);  // 0h, so x.5
  return static_cast<int>(std::fmod(std::floor(jd + 1.5), 7.0) + 7) % 7;
}

// The 暦 box's month as JSON (texts as the window's box shows them).
// sky: the 天象 of the grid's year in the same zone, whose calendar names
// follow each day's own events in its cell.
std::string AlmanacJson(const almanac::MonthGrid& grid, const PhenomenaListResult& sky, const std::string& zone) {
  constexpr double kHalfSynodicMonth = 29.530589 / 2;  // days
  std::vector<std::string> days, lines;
  for (const almanac::Day& day : grid.days) {
    std::vector<std::string> names;
    for (const almanac::Event& event : day.events) {
      names.push_back(Json(event.name));
      lines.push_back(Json(FormatText("%d日 ", event.date.day) + event.name +
                           (event.hasTime ? FormatText(" %02d:%02d", event.hour, event.minute) : "")));
    }
    for (const std::string& name : CalendarPhenomena(sky, day.date.year, day.date.month, day.date.day))
      names.push_back(Json(name));
    const almanac::LunarDate& l = day.lunar;
    days.push_back("{\"day\":" + std::to_string(day.date.day) + ",\"weekday\":" + std::to_string(Weekday(day.date)) +
                   ",\"age\":" + Json(FormatText("%.1f", day.moonAgeNoon)) +
                   ",\"lunar\":" + Json(FormatText("旧%s%d/%d", l.leap ? "閏" : "", l.month, l.day)) +
                   ",\"rokuyo\":" + Json(day.rokuyo) + ",\"fraction\":" + Json(day.illuminatedFraction) +
                   ",\"waxing\":" + (day.moonAgeNoon < kHalfSynodicMonth ? "true" : "false") +
                   ",\"holiday\":" + Json(almanac::HolidayLabel(day.holiday, day.holidayPlanned)) +
                   ",\"events\":" + JsonArray(names) + "}");
  }
  std::string note = almanac::kLunarNote;
  if (grid.lunarUncertain) note += std::string("\n") + almanac::kLunarUncertainNote;
  return "{\"year\":" + std::to_string(grid.year) + ",\"month\":" + std::to_string(grid.month) +
         ",\"title\":" + Json(FormatText("%d年%d月　", grid.year, grid.month) + zone) +
         ",\"previous\":" + (grid.year == almanac::kFirstYear && grid.month == 1 ? "false" : "true") +
         ",\"next\":" + (grid.year == almanac::kLastYear && grid.month == 12 ? "false" : "true") +
         ",\"days\":" + JsonArray(days) + ",\"eventLines\":" + JsonArray(lines) + ",\"note\":" + Json(note) + "}";
}

// The 日食・月食 box as JSON: title, site, and per eclipse its list line, its
// lines of detail and its look at maximum (View, radians) for the drawing;
// the index of the first eclipse seen (-1: none) and the words for none.
std::string EclipsesJson(const EclipseListResult& list, const std::string& title, const std::string& site, int zone) {
  std::vector<std::string> items;
  for (const eclipse::Eclipse& e : list.eclipses) {
    const eclipse::Eclipse::View& v = e.view;
    const bool lunar = e.kind == eclipse::Kind::kLunar;
    items.push_back("{\"summary\":" + Json(EclipseSummary(e, zone)) + ",\"details\":" + Json(EclipseDetails(e, zone)) +
                    ",\"lunar\":" + (lunar ? "true" : "false") +
                    ",\"shown\":" + (lunar || !e.contacts.empty() ? "true" : "false") +
                    ",\"view\":{\"sun\":" + Json(v.sun) + ",\"umbra\":" + Json(v.umbra) + ",\"penumbra\":" +
                    Json(v.penumbra) + ",\"moon\":" + Json(v.moon) + ",\"moonX\":" + Json(v.moonX) +
                    ",\"moonY\":" + Json(v.moonY) + "}}");
  }
  return "{\"title\":" + Json(title) + ",\"site\":" + Json(site) + ",\"eclipses\":" + JsonArray(items) +
         ",\"first\":" + std::to_string(FirstSeenEclipse(list.eclipses)) + ",\"noneSeen\":" + Json(kNoEclipseSeenText) +
         "}";
}

// The 天象 of a local year in a zone, kept for the next call (the 暦 box
// steps through the months of one year).
const PhenomenaListResult& YearPhenomena(std::int32_t year, int zoneMinutes) {
  static PhenomenaListResult list;
  static std::int32_t listYear = 0;
  static int listZone = 0;
  if (listYear != year || listZone != zoneMinutes) {
    list = ListPhenomena({year, 1, zoneMinutes, kPhenomenaAll});
    listYear = year;
    listZone = zoneMinutes;
  }
  return list;
}

// The 天象 box (PhenomenaBox) as JSON: {"caption", "year", "title",
// "previous"/"next": {"text", "enabled", "year"}, "columns", "groups": [{"key",
// "name"}] in the order of their bits, "rows": [{"group": key, "cells"}]}.
std::string PhenomenaJson(const PhenomenaBox& box) {
  std::vector<std::string> columns, groups, rows;
  for (const std::string& column : box.columns) columns.push_back(Json(column));
  for (const PhenomenaBoxGroup& group : box.groups)
    groups.push_back("{\"key\":" + Json(group.key) + ",\"name\":" + Json(group.name) + "}");
  for (const PhenomenaBoxRow& row : box.rows) {
    std::vector<std::string> cells;
    for (const std::string& cell : row.cells) cells.push_back(Json(cell));
    const char* key = "";
    for (const PhenomenaBoxGroup& group : box.groups)
      if (group.bit == row.group) key = group.key;
    rows.push_back("{\"group\":" + Json(key) + ",\"cells\":" + JsonArray(cells) + "}");
  }
  const auto step = [](const BoxStep& s) {
    return "{\"text\":" + Json(s.text) + ",\"enabled\":" + (s.enabled ? "true" : "false") +
           ",\"year\":" + std::to_string(s.target) + "}";
  };
  return "{\"caption\":" + Json(box.caption) + ",\"year\":" + std::to_string(box.year) +
         ",\"title\":" + Json(box.title) + ",\"previous\":" + step(box.previous) + ",\"next\":" + step(box.next) +
         ",\"columns\":" + JsonArray(columns) + ",\"groups\":" + JsonArray(groups) + ",\"rows\":" + JsonArray(rows) +
         "}";
}

}  // namespace
}  // namespace skycalc

using skycalc::g_page;

extern "C" {

// Start-up, as the window's: the catalogues, the lists, the reset, then the
// model saved with the site. Returns 1 when that is the precise model.
EMSCRIPTEN_KEEPALIVE int skycalc_open() {
  g_page = std::make_unique<skycalc::Page>();
  g_page->dlg.SetCatalogFolders(skycalc::CatalogSearchFolders(skycalc::kProgramFolder));
  g_page->dlg.OnInitDialog();
  if (g_page->store.ReadString(skycalc::kSettingsSection, skycalc::kPreciseSetting, "0") == "1")
    g_page->dlg.SetPreciseModel(true);
  g_page->readPrecise = g_page->dlg.IsPreciseModel();
  g_page->night = g_page->readNight =
      g_page->store.ReadString(skycalc::kSettingsSection, skycalc::kNightSetting, "0") == "1";
  return g_page->dlg.IsPreciseModel() ? 1 : 0;
}

// A click or a list pick (its selection already made) by control ID; 0 for an ID without a handler.
EMSCRIPTEN_KEEPALIVE int skycalc_command(int id) { return g_page->dlg.OnCommand(id) ? 1 : 0; }

// 1 when control id is painted white.
EMSCRIPTEN_KEEPALIVE int skycalc_ctl_color(int id) { return g_page->dlg.OnCtlColor(id) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void skycalc_set_precise(int precise) { g_page->dlg.SetPreciseModel(precise != 0); }

EMSCRIPTEN_KEEPALIVE int skycalc_is_precise() { return g_page->dlg.IsPreciseModel() ? 1 : 0; }

// Night mode (夜間表示), saved with the settings; the page draws it.
EMSCRIPTEN_KEEPALIVE void skycalc_set_night(int night) { g_page->night = night != 0; }
EMSCRIPTEN_KEEPALIVE int skycalc_is_night() { return g_page->night ? 1 : 0; }

// The page is closed: the site, azimuth origin, zone and model are written,
// each only when this page changed it (another tab's later change stands);
// when the browser refused a write, the window's message says so (seen when
// the page is shown again from the browser's cache).
EMSCRIPTEN_KEEPALIVE void skycalc_close() {
  using namespace skycalc;
  g_page->dlg.OnClose();
  SaveChangedSetting(g_page->store, kPreciseSetting, g_page->readPrecise ? "1" : "0",
                     g_page->dlg.IsPreciseModel() ? "1" : "0");
  // Night mode only once switched: a page that never used it leaves the store as it was.
  if (g_page->night != g_page->readNight) g_page->store.WriteString(kSettingsSection, kNightSetting, g_page->night ? "1" : "0");
  if (!g_page->store.WritesSucceeded())
    g_page->host.ShowMessage(std::string(kSettingsNotSavedMessage) + "\n" + g_page->store.Location());
}

// The 出没時刻 box's texts for the stored date, one a line: title, site, "1"
// for the Sun (twilights shown) else "0", rise time and azimuth, transit time
// and altitude, set time and azimuth, the note (EventsNote), how the azimuths
// count, then dawn and dusk of each
// twilight, the convention line, the この時刻 caption with the stored time and
// the figures of the body at that time in their order. "" after the precise
// model's message when the year is outside it.
EMSCRIPTEN_KEEPALIVE const char* skycalc_day_events() {
  using namespace skycalc;
  static std::string texts;
  const Observation observation = g_page->dlg.CurrentObservation();
  const StoredFields& f = observation.fields;
  const std::unique_ptr<sky::DayEventsTable> table = MakeDayEventsTable(observation);
  const sky::LocalDayEvents day = table->Day(f.year, f.month, f.day);
  texts.clear();
  if (const char* refusal = CoverageMessage(day.coverage)) {
    g_page->host.ShowMessage(refusal);
    return texts.c_str();
  }
  const events::DayEvents& e = day.events;
  const std::string lines[] = {
      EventsTitle(observation),
      EventsSiteLine(observation),
      observation.target.IsBody(Body::kSun) ? "1" : "0",
      FormatEventTimes(e.rises, day.dayStartJd), Detail(e.rises, false),
      FormatEventTimes(e.transits, day.dayStartJd), Detail(e.transits, true),
      FormatEventTimes(e.sets, day.dayStartJd), Detail(e.sets, false),
      EventsNote(observation, e),
      AzimuthOriginWords(f.azimuth),
  };
  for (const std::string& line : lines) texts += line + "\n";
  for (int t = 0; t < events::kTwilightCount; ++t) {
    texts += std::string(kDawnCaption) + " " + FormatEventTimes(e.twilights[t].dawns, day.dayStartJd) + "\n";
    texts += std::string(kDuskCaption) + " " + FormatEventTimes(e.twilights[t].dusks, day.dayStartJd) + "\n";
  }
  texts += ConventionLine(table->Convention()) + "\n";
  texts += MomentCaption(observation) + "\n";
  const BodyDetailsReadout moment = ReadBodyDetails(observation);
  for (int i = 0; i < kDetailsFigureCount; ++i) texts += FormatFigure(i, moment) + "\n";
  return texts.c_str();
}

// The 暦 box's month as JSON: year 0 for the stored month (the almanac's
// message shown and "" returned when it is outside 1000-2999), else
// year-month (1-12) in the stored zone ("" outside the years, no message).
EMSCRIPTEN_KEEPALIVE const char* skycalc_almanac(int year, int month) {
  using namespace skycalc;
  static std::string json;
  const StoredFields f = g_page->dlg.Fields();
  const int zoneMinutes = ZoneMinutesOf(f);
  const bool stored = year == 0;
  const std::vector<almanac::MonthGrid> grids =
      almanac::Months(stored ? static_cast<int>(f.year) : year, stored ? f.month : month, 1, zoneMinutes);
  json.clear();
  if (grids.empty() || grids.front().status != almanac::Status::kOk) {
    if (stored) g_page->host.ShowMessage(almanac::kYearsMessage);
    return json.c_str();
  }
  json = AlmanacJson(grids.front(), YearPhenomena(grids.front().year, zoneMinutes), FormatText("標準時 %d時%d分", static_cast<int>(f.zoneHour), f.zoneMinute));
  return json.c_str();
}

// The 日食・月食 box of the stored year at the stored site as JSON; "" after
// kEclipseYearsMessage when the year is outside 1000-2999.
EMSCRIPTEN_KEEPALIVE const char* skycalc_eclipses() {
  using namespace skycalc;
  static std::string json;
  const StoredFields f = g_page->dlg.Fields();
  const int zone = ZoneMinutesOf(f);
  const EclipseListResult list = ListEclipses({f.year, 1, zone, f.longitude, f.latitude, f.azimuth});
  json.clear();
  if (list.refusal) {
    g_page->host.ShowMessage(list.refusal);
    return json.c_str();
  }
  json = EclipsesJson(list, FormatText("%d年の日食・月食　", static_cast<int>(f.year)) + AzimuthOriginWords(f.azimuth),
                      EventsSiteLine(g_page->dlg.CurrentObservation()), zone);
  return json.c_str();
}

// The 天象 box as JSON (PhenomenaJson): year 0 for the stored year (the
// years' message shown and "" returned when it is outside 1000-2999), else
// that year in the stored zone ("" outside the years, no message).
EMSCRIPTEN_KEEPALIVE const char* skycalc_phenomena(int year) {
  using namespace skycalc;
  static std::string json;
  const StoredFields f = g_page->dlg.Fields();
  const std::int32_t shown = year == 0 ? f.year : year;
  json.clear();
  if (!PhenomenaBoxCovers(shown)) {
    if (year == 0) g_page->host.ShowMessage(phenomena::kYearsMessage);
    return json.c_str();
  }
  json = PhenomenaJson(MakePhenomenaBox(YearPhenomena(shown, ZoneMinutesOf(f)), shown, static_cast<int>(f.zoneHour),
                                        f.zoneMinute));
  return json.c_str();
}

// The 星図 box's controls (ChartBoxJson): the window's texts, steps and facings.
EMSCRIPTEN_KEEPALIVE const char* skycalc_chart_box() {
  static const std::string json = skycalc::ChartBoxJson();
  return json.c_str();
}

// The menu's entries (MenuJson): the same entries, captions and keys as the window's.
EMSCRIPTEN_KEEPALIVE const char* skycalc_menu() {
  static const std::string json = skycalc::MenuJson();
  return json.c_str();
}

// The help's paragraph on the 方位 field (the window's own words).
EMSCRIPTEN_KEEPALIVE const char* skycalc_azimuth_help() {
  static const std::string text = skycalc::AzimuthOriginHelp();
  return text.c_str();
}

// The 星図 box's chart of the stored fields, offsetMinutes later, facing
// (degrees) at the bottom, with the ecliptic and the equator when asked,
// size x size units: {"title", "centre": [x, y] the zenith in box units (a
// drag turns the chart about it), "list": the display list (DisplayListJson)}.
// The star field and figures are read once, from where the bundle keeps them.
EMSCRIPTEN_KEEPALIVE const char* skycalc_chart(int offsetMinutes, double facing, int ecliptic, int equator,
                                               double size) {
  using namespace skycalc;
  static std::string json;
  static const ChartData data = LoadChartData("/usr/share/skycalc", "/usr/share/skycalc");
  ChartView view;
  view.offsetMinutes = offsetMinutes;
  view.facing = facing;
  view.ecliptic = ecliptic != 0;
  view.equator = equator != 0;
  const SkyChart chart = MakeSkyChart(g_page->dlg.CurrentObservation(), data, view, size);
  json = "{\"title\":\"" + chart.title + "\",\"centre\":[" + FormatText("%.2f,%.2f", chart.projection.centreX,
                                                                       chart.projection.centreY) +
         "],\"list\":" + DisplayListJson(chart.list) + "}";
  return json.c_str();
}

}  // extern "C"
