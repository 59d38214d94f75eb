#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/body_names.h"
#include "cli/civil_calendar.h"
#include "cli/cli_options.h"
#include "cli/fields.h"
#include "cli/output_format.h"
#include "panel/clock.h"
#include "panel/memory_host.h"
#include "panel/settings_store.h"
#include "panel/sky_calc_dlg.h"

// One run of the calculator without a window: the command line's choices are
// made the way a user makes them, through the handlers of the window logic.
namespace skycalc {

// A settings store that can be read but never written: the tool must leave
// the window's saved site alone.
class ReadOnlySettingsStore : public ISettingsStore {
 public:
  explicit ReadOnlySettingsStore(ISettingsStore& store) : m_store(store) {}
  std::string ReadString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override {
    return m_store.ReadString(section, name, defaultValue);
  }
  void WriteString(const std::string&, const std::string&, const std::string&) override {}

 private:
  ISettingsStore& m_store;
};

class CliSession {
 public:
  // catalogFolders: where to look for each catalogue file, in order ("" is
  // the current folder).
  CliSession(ISettingsStore& store, IClock& clock, const std::vector<std::string>& catalogFolders);

  // Opens the calculator; returns the start-up messages (unreadable catalogues).
  std::vector<std::string> Start();
  // Picks a body from its list; false when text names no entry of that list.
  bool ChooseBody(BodyKind kind, const std::string& text);
  // Clicks the coordinate-system or time-mode radio button (kDefault: nothing).
  void ChooseFrame(CliFrame frame);
  void ChooseTimeMode(CliTimeMode mode);
  // Chooses the precise model (or the calculator's) as the window's menu
  // does; the model's message when it has no place for the stored year.
  std::optional<std::string> ChoosePreciseModel(bool precise);
  // Keys text (a keypad value) into field and presses SET; the calculator's
  // message when it refuses the value.
  std::optional<std::string> StoreField(CliField field, const std::string& text);
  // Stores, as SET does, the date and time fields in which to differs from the
  // stored ones, without computing the readouts; the calculator's message when
  // it refuses one (a year beyond its range).
  std::optional<std::string> StoreCivilTime(const CivilTime& to);
  // The stored date and time.
  CivilTime StoredCivilTime() const;
  // The readouts and the place of the chosen body at the stored fields,
  // computed once and shown in the window as SET shows them, into row; the
  // model's message instead when it has no place there.
  std::optional<std::string> Row(CliRow& row);
  // The calculator logic, for what is computed from its state (events).
  const CSkyCalcDlg& Dialog() const { return m_dlg; }

 private:
  void PressKey(KeypadKey key);
  void PressFieldButton(CliField field);
  // The last message shown since the previous call, if any (the rest are dropped).
  std::optional<std::string> TakeMessage();

  MemoryHost m_host;
  CSkyCalcDlg m_dlg;
};

}  // namespace skycalc
