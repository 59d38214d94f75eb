// The calculator's logic in a web page: the control host, the settings store
// and the clock are the page's (skycalc_page.js, as Module.skycalcHost), and
// the page drives the logic through the C functions below, exported to
// JavaScript. Everything the calculator computes, checks and shows comes
// from the panel; the page only draws its controls.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "catalog/catalog_folders.h"
#include "panel/day_events.h"
#include "panel/model_messages.h"
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
};
std::unique_ptr<Page> g_page;

// The first event's azimuth or altitude; empty for none.
std::string Detail(const std::vector<events::Event>& list, bool altitude) {
  if (list.empty()) return std::string();
  return altitude ? FormatEventAltitude(list.front()) : FormatEventAzimuth(list.front());
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
  return g_page->dlg.IsPreciseModel() ? 1 : 0;
}

// A click or a list pick (its selection already made) by control ID; 0 for an ID without a handler.
EMSCRIPTEN_KEEPALIVE int skycalc_command(int id) { return g_page->dlg.OnCommand(id) ? 1 : 0; }

// 1 when control id is painted white.
EMSCRIPTEN_KEEPALIVE int skycalc_ctl_color(int id) { return g_page->dlg.OnCtlColor(id) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void skycalc_set_precise(int precise) { g_page->dlg.SetPreciseModel(precise != 0); }

EMSCRIPTEN_KEEPALIVE int skycalc_is_precise() { return g_page->dlg.IsPreciseModel() ? 1 : 0; }

// The page is closed: the site, azimuth origin, zone and model are written;
// when the browser refused a write, the window's message says so (seen when
// the page is shown again from the browser's cache).
EMSCRIPTEN_KEEPALIVE void skycalc_close() {
  using namespace skycalc;
  g_page->dlg.OnClose();
  g_page->store.WriteString(kSettingsSection, kPreciseSetting, g_page->dlg.IsPreciseModel() ? "1" : "0");
  if (!g_page->store.WritesSucceeded())
    g_page->host.ShowMessage(std::string(kSettingsNotSavedMessage) + "\n" + g_page->store.Location());
}

// The 出没時刻 box's texts for the stored date, one a line: title, site, "1"
// for the Sun (twilights shown) else "0", rise time and azimuth, transit time
// and altitude, set time and azimuth, the note, then dawn and dusk of each
// twilight. "" after the precise model's message when the year is outside it.
EMSCRIPTEN_KEEPALIVE const char* skycalc_day_events() {
  using namespace skycalc;
  static std::string texts;
  const Observation observation = g_page->dlg.CurrentObservation();
  const StoredFields& f = observation.fields;
  const sky::LocalDayEvents day = MakeDayEventsTable(observation)->Day(f.year, f.month, f.day);
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
      e.alwaysUp ? kAlwaysUp : e.alwaysDown ? kAlwaysDown : "",
  };
  for (const std::string& line : lines) texts += line + "\n";
  for (int t = 0; t < events::kTwilightCount; ++t) {
    texts += std::string(kDawnCaption) + " " + FormatEventTimes(e.twilights[t].dawns, day.dayStartJd) + "\n";
    texts += std::string(kDuskCaption) + " " + FormatEventTimes(e.twilights[t].dusks, day.dayStartJd) + "\n";
  }
  return texts.c_str();
}

}  // extern "C"
