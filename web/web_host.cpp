// The calculator's logic in a web page: the control host, the settings store
// and the clock are the page's (skycalc_page.js, as Module.skycalcHost), and
// the page drives the logic through the C functions below, exported to
// JavaScript. Everything the calculator computes, checks and shows comes
// from the panel; the page only draws its controls.
#include <emscripten/console.h>
#include <emscripten/emscripten.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "catalog/catalog_folders.h"
#include "panel/about_box.h"
#include "panel/almanac_box.h"
#include "panel/box_menu.h"
#include "panel/chart_box.h"
#include "panel/help_text.h"
#include "panel/azimuth_words.h"
#include "catalog/chart_data.h"
#include "panel/display_list.h"
#include "panel/sky_chart.h"
#include "panel/body_details.h"
#include "panel/day_events.h"
#include "panel/eclipse_box.h"
#include "panel/eclipse_list.h"
#include "panel/model_messages.h"
#include "panel/phenomena_box.h"
#include "panel/phenomena_list.h"
#include "panel/places_view.h"
#include "panel/rise_set_box.h"
#include "panel/readout_format.h"
#include "panel/settings_keys.h"
#include "panel/sky_calc_dlg.h"

// The page's side of each call (texts UTF-8; a string returned from the page
// is allocated with malloc and freed here).
EM_JS(void, PageSetText, (int id, const char* text), { Module.skycalcHost.setText(id, UTF8ToString(text)); });
EM_JS(void, PageSetCheck, (int id, int checked), { Module.skycalcHost.setCheck(id, checked !== 0); });
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
};
std::unique_ptr<Page> g_page;

// A JSON string literal of UTF-8 text.
std::string Json(const std::string& text) { return JsonText(text); }

// A JSON number; 17 digits, so that the page draws from the very values.
std::string Json(double value) { return FormatText("%.17g", value); }

// JSON array of already-written elements.
std::string JsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
  return out + "]";
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
  g_page->dlg.Open();
  return g_page->dlg.IsPreciseModel() ? 1 : 0;
}

// A click or a list pick (its selection already made) by control ID; 0 for an ID without a handler.
EMSCRIPTEN_KEEPALIVE int skycalc_command(int id) { return g_page->dlg.OnCommand(id) ? 1 : 0; }

// 1 when control id is painted white.
EMSCRIPTEN_KEEPALIVE int skycalc_ctl_color(int id) { return g_page->dlg.OnCtlColor(id) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void skycalc_set_precise(int precise) { g_page->dlg.SetPreciseModel(precise != 0); }

EMSCRIPTEN_KEEPALIVE int skycalc_is_precise() { return g_page->dlg.IsPreciseModel() ? 1 : 0; }

// 地点: the places matching query (reading, kanji, romanised name or region,
// as catalog/places.h matches them) as JSON [{"index":i,"name":...,"row":...}];
// "[]" when none (or Places.txt was not in the bundle).
EMSCRIPTEN_KEEPALIVE const char* skycalc_places(const char* query) {
  using namespace skycalc;
  static std::string json;
  const std::vector<PlaceEntry>& places = g_page->dlg.Places();
  std::vector<std::string> items;
  for (const int i : MatchPlaces(places, query)) {
    const PlaceEntry& place = places[static_cast<std::size_t>(i)];
    items.push_back("{\"index\":" + std::to_string(i) + ",\"name\":" + Json(place.name) + ",\"row\":" +
                    Json(PlaceListRow(place)) + "}");
  }
  json = JsonArray(items);
  return json.c_str();
}

// Stores place index of the table as keying it with SET would (its zone
// too when withZone); 0 when refused (the logic has shown the message) or no such place.
EMSCRIPTEN_KEEPALIVE int skycalc_apply_place(int index, int withZone) {
  const std::vector<skycalc::PlaceEntry>& places = g_page->dlg.Places();
  if (index < 0 || static_cast<std::size_t>(index) >= places.size()) return 0;
  return g_page->dlg.ApplyPlace(places[static_cast<std::size_t>(index)], withZone != 0) ? 1 : 0;
}

// 現在地: a position from the browser (degrees), stored rounded as the
// keypad keys a site (two decimals) with SET's checks; 0 when refused.
EMSCRIPTEN_KEEPALIVE int skycalc_apply_position(double longitude, double latitude) {
  skycalc::PlaceEntry here;
  here.longitude = longitude;
  here.latitude = latitude;
  return g_page->dlg.ApplyPlace(here, false) ? 1 : 0;
}

// The chosen place's name, "" when the site was keyed.
EMSCRIPTEN_KEEPALIVE const char* skycalc_place_name() { return g_page->dlg.PlaceName().c_str(); }

// Night mode (夜間表示), saved with the settings (CSkyCalcDlg); the page draws it.
EMSCRIPTEN_KEEPALIVE void skycalc_set_night(int night) { g_page->dlg.SetNightMode(night != 0); }
EMSCRIPTEN_KEEPALIVE int skycalc_is_night() { return g_page->dlg.IsNightMode() ? 1 : 0; }

// The page is closed: the site, azimuth origin, zone and model are written,
// each only when this page changed it (another tab's later change stands);
// when the browser refused a write, the window's message says so (seen when
// the page is shown again from the browser's cache).
EMSCRIPTEN_KEEPALIVE void skycalc_close() {
  using namespace skycalc;
  g_page->dlg.Close();
  if (!g_page->store.WritesSucceeded())
    g_page->host.ShowMessage(std::string(kSettingsNotSavedMessage) + "\n" + g_page->store.Location());
}

// The 出没時刻 box for the stored date as JSON (RiseSetBoxJson); "" after
// the precise model's message when the year is outside it.
EMSCRIPTEN_KEEPALIVE const char* skycalc_day_events() {
  using namespace skycalc;
  static std::string json;
  const RiseSetBox box = StoredDayRiseSetBox(g_page->dlg.CurrentObservation());
  if (box.refusal) g_page->host.ShowMessage(box.refusal);
  json = box.refusal ? std::string() : RiseSetBoxJson(box);
  return json.c_str();
}

// The 暦 box's month as JSON (AlmanacBoxJson): year 0 for the stored month
// (the almanac's message shown and "" returned when it is outside
// 1000-2999), else year-month (1-12) in the stored zone ("" outside the
// years, no message).
EMSCRIPTEN_KEEPALIVE const char* skycalc_almanac(int year, int month) {
  using namespace skycalc;
  static std::string json;
  static std::unique_ptr<AlmanacBoxMaker> maker;
  static int makerZone = 0;
  const StoredFields f = g_page->dlg.Fields();
  if (!maker || makerZone != ZoneMinutesOf(f)) {
    maker = std::make_unique<AlmanacBoxMaker>(f.zoneHour, f.zoneMinute);
    makerZone = ZoneMinutesOf(f);
  }
  const bool stored = year == 0;
  const AlmanacBox box = maker->Month(stored ? static_cast<int>(f.year) : year, stored ? f.month : month);
  json.clear();
  if (box.refusal) {
    if (stored) g_page->host.ShowMessage(box.refusal);
    return json.c_str();
  }
  json = AlmanacBoxJson(box);
  return json.c_str();
}

// The 日食・月食 box of the stored year at the stored site as JSON
// (EclipseBoxJson); "" after
// kEclipseYearsMessage when the year is outside 1000-2999.
EMSCRIPTEN_KEEPALIVE const char* skycalc_eclipses() {
  using namespace skycalc;
  static std::string json;
  const EclipseBox box = StoredYearEclipseBox(g_page->dlg.CurrentObservation());
  if (box.refusal) g_page->host.ShowMessage(box.refusal);
  json = box.refusal ? std::string() : EclipseBoxJson(box);
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

// The help as the page shows it (HelpText).
EMSCRIPTEN_KEEPALIVE const char* skycalc_help() {
  static const std::string text = skycalc::HelpText(skycalc::FrontEnd::kPage);
  return text.c_str();
}

// The version box as JSON: {"caption", "title", "lines": [4 texts]}.
EMSCRIPTEN_KEEPALIVE const char* skycalc_about() {
  using namespace skycalc;
  static std::string json;
  const AboutBox box = MakeAboutBox();
  std::vector<std::string> lines;
  for (const std::string& line : box.lines) lines.push_back(Json(line));
  json = "{\"caption\":" + Json(box.caption) + ",\"title\":" + Json(box.title) + ",\"lines\":" + JsonArray(lines) + "}";
  return json.c_str();
}

// The 星図 box's chart of the stored fields, offsetMinutes later, facing
// (degrees) at the bottom, with the ecliptic and the equator when asked,
// size x size units: {"title", "centre": [x, y] the zenith in box units (a
// drag turns the chart about it), "list": the display list (DisplayListJson)}.
// The star field and figures are read once, from where the page has written
// them (after its first readout); called before that, the module aborts
// rather than keep an empty chart.
EMSCRIPTEN_KEEPALIVE const char* skycalc_chart(int offsetMinutes, double facing, int ecliptic, int equator,
                                               double size) {
  using namespace skycalc;
  static std::string json;
  static const ChartData data = [] {
    const std::string folder = "/usr/share/skycalc";
    if (access((folder + "/" + kChartStarsFile).c_str(), R_OK) != 0 ||
        access((folder + "/" + kChartLinesFile).c_str(), R_OK) != 0) {
      emscripten_console_error("skycalc: the chart is drawn before its files are loaded");
      std::abort();
    }
    return LoadChartData(folder, folder);
  }();
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
