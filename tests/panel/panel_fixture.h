#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "panel/control_ids.h"
#include "panel/fixed_clock.h"
#include "panel/memory_host.h"
#include "panel/memory_settings_store.h"
#include "panel/sky_calc_dlg.h"

namespace skycalc {

// A calculator opened on the in-memory window, driven key by key.
class PanelTest : public ::testing::Test {
 protected:
  // Opens the calculator: catalogues from directory, then the reset at the clock's reading.
  void Open(const std::string& directory = SKYCALC_DATA_DIR) {
    dlg.reset();
    const std::size_t capacity = host.listCapacity;
    host = MemoryHost();  // a fresh window, empty lists
    host.listCapacity = capacity;
    dlg = std::make_unique<CSkyCalcDlg>(host, store, clock);
    dlg->SetCatalogDirectory(directory);
    ASSERT_TRUE(dlg->OnInitDialog());
  }

  // Presses keys given as space-separated captions: "0"-"9", ".", "+/-", "C", "SET", "AC",
  // the field captions "年" ... "標分", the radio captions and "list:<id>:<index>".
  void Press(const std::string& keys) {
    static const std::map<std::string, int> kIds = {
        {"1", 1000}, {"2", 1001}, {"3", 1002}, {"4", 1003}, {"5", 1004}, {"6", 1005}, {"7", 1006},
        {"8", 1007}, {"9", 1008}, {"0", IDC_DIGIT0}, {"+/-", IDC_SIGN}, {".", IDC_POINT}, {"C", IDC_CLEAR},
        {"SET", IDC_SET}, {"AC", IDC_ALLCLEAR}, {"年", IDC_FIELD_YEAR}, {"月", IDC_FIELD_MONTH},
        {"日", IDC_FIELD_DAY}, {"時", IDC_FIELD_HOUR}, {"分", IDC_FIELD_MINUTE}, {"経度", IDC_FIELD_LONGITUDE},
        {"緯度", IDC_FIELD_LATITUDE}, {"方位", IDC_FIELD_AZIMUTH}, {"標時", IDC_FIELD_ZONEHOUR},
        {"標分", IDC_FIELD_ZONEMINUTE}, {"ﾕﾘｳｽ日", IDC_JULIANDAY}, {"地方恒星時", IDC_SIDEREAL},
        {"赤道座標系", IDC_EQUATORIAL}, {"地平座標系", IDC_HORIZONTAL}, {"惑星", IDC_PLANET},
        {"恒星", IDC_STAR}, {"星座", IDC_CONSTELLATION}};
    static const int kRadios[] = {IDC_FIELD_YEAR,     IDC_FIELD_MONTH,    IDC_FIELD_DAY,       IDC_FIELD_HOUR,
                                  IDC_FIELD_MINUTE,   IDC_FIELD_LONGITUDE, IDC_FIELD_LATITUDE, IDC_FIELD_AZIMUTH,
                                  IDC_FIELD_ZONEHOUR, IDC_FIELD_ZONEMINUTE, IDC_JULIANDAY,     IDC_SIDEREAL,
                                  IDC_EQUATORIAL,     IDC_HORIZONTAL,     IDC_PLANET,          IDC_STAR,
                                  IDC_CONSTELLATION};
    std::istringstream in(keys);
    std::string key;
    while (in >> key) {
      if (key.rfind("list:", 0) == 0) {
        const int id = std::stoi(key.substr(5, 4));
        host.SelectListEntry(id, std::stoi(key.substr(10)));
        ASSERT_TRUE(dlg->OnCommand(id));
        continue;
      }
      const auto it = kIds.find(key);
      ASSERT_NE(it, kIds.end()) << key;
      for (int radio : kRadios)
        if (radio == it->second) host.ClickRadio(radio);
      ASSERT_TRUE(dlg->OnCommand(it->second)) << key;
    }
  }

  // Sets the instant and site with the keys: date, time, zone and longitude.
  void SetInstant(const std::string& year, int month, int day, int hour, int minute, const std::string& zoneHour,
                  const std::string& longitude) {
    std::ostringstream keys;
    keys << "年 " << Spaced(year) << " SET 月 " << Spaced(std::to_string(month)) << " SET 日 "
         << Spaced(std::to_string(day)) << " SET 時 " << Spaced(std::to_string(hour)) << " SET 分 "
         << Spaced(std::to_string(minute)) << " SET 標時 " << Spaced(zoneHour) << " SET 標分 0 SET 経度 "
         << Spaced(longitude) << " SET";
    Press(keys.str());
  }

  // "-12.5" -> "1 2 . 5 +/-": the keys that build a number on the keypad.
  static std::string Spaced(const std::string& number) {
    std::string keys;
    for (char c : number) {
      if (c == '-') continue;
      keys += std::string(1, c) + " ";
    }
    if (!number.empty() && number[0] == '-') keys += "+/-";
    return keys;
  }

  std::string Text(int id) const { return host.Text(id); }

  MemoryHost host;
  MemorySettingsStore store;
  FixedClock clock{ClockReading{2026, 3, 5, 0, 7}};
  std::unique_ptr<CSkyCalcDlg> dlg;
};

// An empty folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skycalc-panel-XXXXXX").string();
    path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }
  std::string path;
};

}  // namespace skycalc
