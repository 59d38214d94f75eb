#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "panel/control_ids.h"
#include "panel/sky_calc_dlg.h"
#include "tests/support/headless_calculator.h"

namespace skycalc {

// A calculator opened on the in-memory window, driven key by key.
class PanelTest : public ::testing::Test, public HeadlessCalculator {
 protected:
  PanelTest() : HeadlessCalculator(ClockReading{2026, 3, 5, 0, 7}) {}

  // Opens the calculator: catalogues from directory, then the reset at the clock's reading.
  void Open(const std::string& directory = kSourceDataDir) { HeadlessCalculator::Open(directory); }
  void Open(const std::vector<std::string>& folders) { HeadlessCalculator::Open(folders); }

  // Presses keys given as space-separated captions: "0"-"9", ".", "+/-", "C", "SET", "AC",
  // the field captions "年" ... "標分", the radio captions, and "planets:<i>", "stars:<i>" or
  // "constellations:<i>" for picking entry i of a list.
  void Press(const std::string& keys) {
    static const std::map<std::string, int> kIds = {
        {"1", IDC_DIGIT1}, {"2", IDC_DIGIT2}, {"3", IDC_DIGIT3}, {"4", IDC_DIGIT4}, {"5", IDC_DIGIT5},
        {"6", IDC_DIGIT6}, {"7", IDC_DIGIT7}, {"8", IDC_DIGIT8}, {"9", IDC_DIGIT9}, {"0", IDC_DIGIT0},
        {"+/-", IDC_SIGN}, {".", IDC_POINT}, {"C", IDC_CLEAR}, {"SET", IDC_SET}, {"AC", IDC_ALLCLEAR},
        {"年", IDC_FIELD_YEAR}, {"月", IDC_FIELD_MONTH}, {"日", IDC_FIELD_DAY}, {"時", IDC_FIELD_HOUR},
        {"分", IDC_FIELD_MINUTE}, {"経度", IDC_FIELD_LONGITUDE}, {"緯度", IDC_FIELD_LATITUDE},
        {"方位", IDC_FIELD_AZIMUTH}, {"標時", IDC_FIELD_ZONEHOUR}, {"標分", IDC_FIELD_ZONEMINUTE},
        {"ﾕﾘｳｽ日", IDC_JULIANDAY}, {"地方恒星時", IDC_SIDEREAL}, {"赤道座標系", IDC_EQUATORIAL},
        {"地平座標系", IDC_HORIZONTAL}, {"惑星", IDC_PLANET}, {"恒星", IDC_STAR}, {"星座", IDC_CONSTELLATION}};
    std::istringstream in(keys);
    std::string key;
    while (in >> key) {
      static const std::map<std::string, int> kLists = {
          {"planets", IDC_PLANETLIST}, {"stars", IDC_STARLIST}, {"constellations", IDC_CONSTLIST}};
      if (const std::size_t colon = key.find(':'); colon != std::string::npos) {
        const auto list = kLists.find(key.substr(0, colon));
        ASSERT_NE(list, kLists.end()) << key;
        Select(list->second, std::stoi(key.substr(colon + 1)));
        continue;
      }
      const auto it = kIds.find(key);
      ASSERT_NE(it, kIds.end()) << key;
      HeadlessCalculator::Press(it->second);
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
