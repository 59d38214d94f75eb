#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/memory_host.h"
#include "panel/sky_calc_dlg.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/memory_settings_store.h"

// The calculator as the tests, benchmarks and fuzz targets drive it: the
// window logic on an in-memory window that also logs every text it is given,
// a fixed clock and a settings store in memory, reading the catalogues of the
// source tree.
namespace skycalc {

// An in-memory window that also remembers every SetText call, in order, and
// whose lists can be made to refuse entries.
class RecordingHost : public MemoryHost {
 public:
  void SetText(int id, const std::string& text) override;
  bool AddListEntry(int id, const std::string& text) override;

  // Every SetText call since the last clear, as (id, text).
  std::vector<std::pair<int, std::string>> textLog;
  // Number of entries a list accepts before it refuses more.
  std::size_t listCapacity = static_cast<std::size_t>(-1);
};

// The folder of the shipped catalogue files.
inline const char kSourceDataDir[] = SKYCALC_DATA_DIR;

class HeadlessCalculator {
 public:
  // The clock's reading at every reset; the store starts empty.
  explicit HeadlessCalculator(const ClockReading& now = ClockReading{2026, 12, 7, 21, 30});
  virtual ~HeadlessCalculator() = default;

  // Starts the calculator afresh on the same store and clock: a new window
  // with empty lists (keeping its list capacity), catalogues from dataDir,
  // then the start-up of the window logic with the settings (Open).
  void Open(const std::string& dataDir = kSourceDataDir);
  // The same, each catalogue read from the first of folders that holds it.
  void Open(const std::vector<std::string>& folders);
  // A click on button id or a pick in list id (whose selection is already
  // made): a radio button is checked, its group cleared, then the handler runs.
  void Press(int id);
  // The field button, the keys that build number on the keypad (the sign key
  // last), then SET.
  void Key(int fieldButton, const std::string& number);
  // The user picks entry index of list id, then its selection handler runs.
  void Select(int listId, int index);

  RecordingHost host;
  MemorySettingsStore store;
  FixedClock clock;
  std::unique_ptr<CSkyCalcDlg> dlg;
};

}  // namespace skycalc
