// The five settings-store strings the reset reads, arbitrary: the first byte
// says which of Longitude, Latitude, Azimuth, SDHour and SDMinute are present,
// the rest is split at newlines into their texts. The calculator opens on
// them, shows every kind of readout, writes the settings back at the close
// request and resets again from what it wrote.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

namespace skycalc {
namespace {

const char* const kNames[] = {"Longitude", "Latitude", "Azimuth", "SDHour", "SDMinute"};
const char* const kDefaults[] = {"140.0", "35.0", "0.0", "9", "0"};
const int kDisplays[] = {IDC_LONGITUDE, IDC_LATITUDE, IDC_AZIMUTH, IDC_ZONEHOUR, IDC_ZONEMINUTE};
constexpr int kSiteValues = 3;  // the first three are shown with a degree sign

// The settings are shown as the fields hold them: a site value as its stored
// text followed by "°" (or its default's, when the text is no finite number
// once a float, and the field then holds that default); a zone value as the
// integer its narrow field holds (a stored 128 is -128).
void CheckDisplays(const MemoryHost& host, const MemorySettingsStore& store, const CSkyCalcDlg& d) {
  const float site[] = {d.Fields().longitude, d.Fields().latitude, d.Fields().azimuth};
  for (int v = 0; v < kSiteValues; ++v) {
    const bool present = store.Has("Config", kNames[v]);
    const std::string read = (present ? store.Get("Config", kNames[v]) : std::string(kDefaults[v])) + "°";
    const std::string fallback = std::string(kDefaults[v]) + "°";
    const std::string& shown = host.Text(kDisplays[v]);
    FUZZ_CHECK(std::isfinite(site[v]), "a site value computed with is finite");
    FUZZ_CHECK(shown == read || (shown == fallback && site[v] == std::strtof(kDefaults[v], nullptr)),
               "a site value is shown as read, or as its default when it is used instead");
  }
  FUZZ_CHECK(host.Text(kDisplays[3]) == std::to_string(d.Fields().zoneHour), "the zone hours shown as held");
  FUZZ_CHECK(host.Text(kDisplays[4]) == std::to_string(d.Fields().zoneMinute), "the zone minutes shown as held");
}

// Every readout the panel can show, for the time modes, both frames, all ten
// planet-list bodies and one star and constellation chosen by the input.
void ShowEverything(HeadlessCalculator& calc, int star, int constellation) {
  MemoryHost& host = calc.host;
  CSkyCalcDlg& dlg = *calc.dlg;
  for (int timeMode : {IDC_SIDEREAL, IDC_JULIANDAY}) {
    host.ClickRadio(timeMode);
    dlg.OnCommand(timeMode);
    CheckReadoutLengths(host);
  }
  for (int frame : {IDC_EQUATORIAL, IDC_HORIZONTAL}) {
    host.ClickRadio(frame);
    dlg.OnCommand(frame);
    for (int p = 0; p < 10; ++p) {
      host.SelectListEntry(IDC_PLANETLIST, p);
      dlg.OnCommand(IDC_PLANETLIST);
      CheckReadoutLengths(host);
    }
    host.SelectListEntry(IDC_STARLIST, star);
    dlg.OnCommand(IDC_STARLIST);
    CheckReadoutLengths(host);
    host.SelectListEntry(IDC_CONSTLIST, constellation);
    dlg.OnCommand(IDC_CONSTLIST);
    CheckReadoutLengths(host);
  }
}

// What the close request left: a setting this window did not change keeps
// the text it had (earlier), any other is written: "%5.2f" of each site
// value (at least five characters, reading back to the value within the
// rounding) and "%d" of each zone value (reading back exactly).
void CheckWritten(const CSkyCalcDlg& d, const MemorySettingsStore& store, const std::vector<std::optional<std::string>>& earlier) {
  const float site[] = {d.Fields().longitude, d.Fields().latitude, d.Fields().azimuth};
  for (int v = 0; v < 5; ++v) {
    FUZZ_CHECK(store.Has("Config", kNames[v]), "every setting is in the store after a close");
  }
  for (int v = 0; v < kSiteValues; ++v) {
    const std::string text = store.Get("Config", kNames[v]);
    if (earlier[v] && text == *earlier[v]) continue;  // unchanged, not rewritten
    FUZZ_CHECK(text.size() >= 5, "a site value is written in at least five characters");
    const double back = std::strtod(text.c_str(), nullptr);
    FUZZ_CHECK(std::fabs(back - site[v]) <= 0.005 + std::fabs(site[v]) * 1e-15, "a site value reads back");
  }
  const std::int64_t zone[] = {d.Fields().zoneHour, d.Fields().zoneMinute};
  for (int v = kSiteValues; v < 5; ++v) {
    const std::string text = store.Get("Config", kNames[v]);
    if (earlier[v] && text == *earlier[v]) continue;
    FUZZ_CHECK(std::strtoll(text.c_str(), nullptr, 10) == zone[v - kSiteValues], "a zone value reads back");
  }
}

}  // namespace
}  // namespace skycalc

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skycalc;
  if (size < 3) return 0;
  const unsigned present = data[0];
  const int star = data[1] % 21, constellation = data[2] % 88;
  std::vector<std::string> texts(1);
  for (std::size_t i = 3; i < size && texts.size() <= 5; ++i) {
    if (data[i] == '\n') {
      texts.emplace_back();
    } else {
      texts.back() += static_cast<char>(data[i]);
    }
  }
  HeadlessCalculator calc;
  for (std::size_t v = 0; v < 5 && v < texts.size(); ++v) {
    if (present & (1u << v)) calc.store.values[{"Config", kNames[v]}] = texts[v];
  }
  calc.Open();
  CheckReadoutLengths(calc.host);
  CheckDisplays(calc.host, calc.store, *calc.dlg);
  ShowEverything(calc, star, constellation);

  std::vector<std::optional<std::string>> earlier(5);  // the texts before the close
  for (int v = 0; v < 5; ++v) {
    if (calc.store.Has("Config", kNames[v])) earlier[v] = calc.store.Get("Config", kNames[v]);
  }
  calc.dlg->OnClose();
  CheckWritten(*calc.dlg, calc.store, earlier);
  const std::int8_t zoneHour = calc.dlg->Fields().zoneHour;
  const std::uint8_t zoneMinute = calc.dlg->Fields().zoneMinute;
  calc.dlg->OnAllClear();
  CheckDisplays(calc.host, calc.store, *calc.dlg);
  FUZZ_CHECK(calc.dlg->Fields().zoneHour == zoneHour && calc.dlg->Fields().zoneMinute == zoneMinute, "the zone survives a close");
  ShowEverything(calc, star, constellation);
  return 0;
}
