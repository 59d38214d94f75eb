#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/sky/model.h"
#include "cli/body_names.h"
#include "cli/civil_calendar.h"
#include "cli/cli_options.h"
#include "cli/fields.h"
#include "cli/output_format.h"
#include "panel/clock.h"
#include "panel/fields.h"
#include "panel/settings_store.h"
#include "panel/sky_calc_dlg.h"

// One run of the calculator without a window: the fields start as the
// window's reset leaves them, each value given is checked and stored as SET
// stores it, and every row is computed by the sky core and shown with the
// window's own texts.
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

  // Loads the catalogues and takes the reset's fields; returns the start-up
  // messages (unreadable catalogues, then stored settings replaced by their
  // defaults).
  std::vector<std::string> Start();
  // Picks a body from its list; false when text names no entry of that list.
  bool ChooseBody(BodyKind kind, const std::string& text);
  // The coordinate system and the time readout (kDefault: as after a reset,
  // horizontal and Julian Day).
  void ChooseFrame(CliFrame frame) { m_frame = frame; }
  void ChooseTimeMode(CliTimeMode mode) { m_timeMode = mode; }
  // Chooses the precise model (or the calculator's); the model's message
  // when it has no place for the chosen body in the stored year.
  std::optional<std::string> ChoosePreciseModel(bool precise);
  // Stores the value text (as the keypad builds it) into field as SET does;
  // the field's message when SET would refuse it.
  std::optional<std::string> StoreField(Field field, const std::string& text);
  // Stores, as SET does, the date and time fields in which to differs from
  // the stored ones; the year's message beyond its range.
  std::optional<std::string> StoreCivilTime(const CivilTime& to);
  // The stored date and time.
  CivilTime StoredCivilTime() const;
  // The readouts and the place of the chosen body at the stored fields, with
  // the window's texts, into row; the model's message instead when it has no
  // place there.
  std::optional<std::string> Row(CliRow& row);
  // The same, and the vectors the body's place was made from into vectors
  // (for --details, from the same evaluation).
  std::optional<std::string> Row(CliRow& row, sky::BodyVectors& vectors);

  // What the rows are computed from.
  const sky::SkyModel& Model() const { return sky::ModelOf(m_precise); }
  const sky::Target& Target() const { return m_target; }
  const StoredFields& Fields() const { return m_fields; }
  Observation CurrentObservation() const {
    return Observation{&Model(), m_target, std::string(), m_fields, &m_catalogs};
  }

 private:
  ISettingsStore& m_store;
  IClock& m_clock;
  std::vector<std::string> m_catalogFolders;
  Catalogs m_catalogs;  // the star and constellation tables, read by Start
  StoredFields m_fields;
  sky::Target m_target;  // the Sun until a body is chosen
  CliFrame m_frame = CliFrame::kDefault;
  CliTimeMode m_timeMode = CliTimeMode::kDefault;
  bool m_precise = false;

  std::optional<std::string> MakeRow(CliRow& row, sky::BodyVectors* vectors);
};

}  // namespace skycalc
