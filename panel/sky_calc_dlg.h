#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "astro/frames/place.h"
#include "astro/sky/day_table.h"
#include "astro/sky/model.h"
#include "catalog/catalog.h"
#include "catalog/places.h"
#include "panel/clock.h"
#include "panel/control_host.h"
#include "panel/control_ids.h"
#include "panel/controls.h"
#include "panel/fields.h"
#include "panel/settings_keys.h"
#include "panel/settings_store.h"

// The names here (CSkyCalcDlg, its m_ members with their type tags, the
// g_ remembered choices, the On handlers) and the module-level state they
// describe follow the calculator's design, which fixes them together with the
// widths of the fields; they are kept as they are on purpose.
namespace skycalc {

// Remembered list choices, one per kind of body (module level, zero at start).
extern std::int32_t g_nPlanetBody;  // body number of the planet last chosen (1-11, never 4)
extern std::int32_t g_nStarIndex;   // star list position last chosen (0-20)
extern std::int32_t g_nConstIndex;  // constellation list position last chosen (0-87)

// The numbers behind the readouts after a refresh.
struct ReadoutValues {
  double julianDay = 0.0;     // days, UT, of the stored date, time and zone
  double siderealTime = 0.0;  // local mean sidereal time at the stored longitude, radians
  Place place;                // of the body of the checked kind, radians
};

// What the dialog shows now, for a box that computes from it: the model in
// use, the remembered choice of the checked kind of body with its list name,
// and the stored fields (site, zone, azimuth origin, date), with the
// catalogues its named stars and constellations come from.
struct Observation {
  const sky::SkyModel* model = nullptr;
  sky::Target target;
  std::string targetName;
  StoredFields fields;
  const Catalogs* catalogs = nullptr;  // none: every row zero, as before a load
};
// The catalogues of observation (all-zero tables when it names none).
const Catalogs& CatalogsOf(const Observation& observation);

// What the reset stores: the clock's date and time and the saved site,
// azimuth origin and zone, each with the text its display shows (indexed by Field).
struct ResetValues {
  StoredFields fields;
  std::string texts[kFieldCount];
  std::vector<std::string> fallbacks;  // one line for each stored value replaced by its default
};
// One clock reading and the five settings (defaults 140.0, 35.0, 0.0, 9, 0),
// read as the reset reads them: numbers taken as far as they go, narrowed to
// the fields' widths; the zone's displays show the narrowed integers; a site
// value that is no finite float takes its default (and a line in fallbacks).
ResetValues ReadResetValues(IClock& clock, ISettingsStore& store);

// The place name of the settings (kPlaceSetting) when it still names where
// the site settings read into fields are: a place of places of that name
// whose longitude and latitude the close request would write as it wrote
// the stored ones; "" otherwise (no name stored, an unknown name, or a site
// changed since, by this window or another).
std::string ReadPlaceSetting(ISettingsStore& store, const std::vector<PlaceEntry>& places, const StoredFields& fields);

// The close request's write of one setting of section Config: now (the text
// it would write) is written when it differs from asRead (the text it would
// have written for the value read at the last reset) or when the store holds
// no value of that name; otherwise the store keeps what it has, which may be
// another window's later change.
void SaveChangedSetting(ISettingsStore& store, const char* name, const std::string& asRead, const std::string& now);

// The rise, transit, set and twilight table of observation's target at its
// site, in its zone, azimuths from its azimuth origin, rise and set as
// convention defines them.
std::unique_ptr<sky::DayEventsTable> MakeDayEventsTable(
    const Observation& observation, const events::RiseSetConvention& convention = events::kJapanConvention);

// The 出没時刻 box's heading lines: the body and the date the stored one
// actually is (2026年3月2日 for a stored 2026年2月30日; and the precise model's
// mark), and the site and zone.
std::string EventsTitle(const Observation& observation);
std::string EventsSiteLine(const Observation& observation);
// The box's note line: "一日中地平線上" / "一日中地平線下" for a body that stays up
// or down, the DateNote of a stored date the calendar does not have, both
// joined with "　", or "".
std::string EventsNote(const Observation& observation, const events::DayEvents& events);

// Start-up's catalogue load into catalogs, each file from the first of
// folders that holds it; the message of each file that cannot be read, the
// star catalogue's first.
std::vector<std::string> LoadCatalogs(Catalogs& catalogs, const std::vector<std::string>& folders);
// A catalogue row of the star or constellation list position as a target;
// a position beyond the table is the zero row.
sky::Target StarTarget(const Catalogs& catalogs, int index);
sky::Target ConstellationTarget(const Catalogs& catalogs, int index);

// The calculator's logic: its state, keypad, field buttons and SET, readouts,
// selectors, reset and settings. It reaches its window only through the host,
// and the front ends reach it only through the calls below: start and close
// with the settings, a command by control ID, and the getters; what a control
// shows is read from the host.
class CSkyCalcDlg {
 public:
  CSkyCalcDlg(IControlHost& host, ISettingsStore& store, IClock& clock);

  // Folders to look in, in order, for each catalogue file (see CatalogFolderFor).
  void SetCatalogFolders(const std::vector<std::string>& folders) { m_catalogFolders = folders; }

  // Start-up with the settings: OnInitDialog, then the model the store names
  // (setting kPreciseSetting "1": the precise one, with its message when it has
  // no place for the Sun in the clock's year).
  void Open();
  // The close request with the settings: OnClose, then the model written back
  // as SaveChangedSetting writes ("1" precise, "0" the calculator's).
  void Close();

  // Start-up: loads the catalogues (reporting unreadable ones), resets, fills the lists.
  bool OnInitDialog();
  // Routes a click (buttons, radios) or a selection change (lists) by control
  // ID to its handler; a radio button clicked is checked first, and the others
  // of its group cleared. Returns false, changing nothing, for an ID that has
  // no handler.
  bool OnCommand(int id);

  // Keypad.
  void OnDigit0();
  void OnDigit1();
  void OnDigit2();
  void OnDigit3();
  void OnDigit4();
  void OnDigit5();
  void OnDigit6();
  void OnDigit7();
  void OnDigit8();
  void OnDigit9();
  void OnPoint();
  void OnSign();
  void OnClearEntry();

  // Field buttons and SET.
  void OnFieldYear();
  void OnFieldMonth();
  void OnFieldDay();
  void OnFieldHour();
  void OnFieldMinute();
  void OnFieldLongitude();
  void OnFieldLatitude();
  void OnFieldAzimuth();
  void OnFieldZoneHour();
  void OnFieldZoneMinute();
  void OnSet();

  // Readouts.
  void ShowJulianDay();
  void ShowSiderealTime();
  void ShowPlanetPosition(int body);
  void ShowStarPosition(int index);
  void ShowConstellationPosition(int index);
  void ShowPosition(const double equatorial[2], const double horizontal[2]);

  // The place of target at the stored fields in the model in use (NaN where
  // the model has no place for the stored year); changes nothing.
  Place TargetPlace(const sky::Target& target) const;
  // The stored fields, and all ten stored at once (the displays untouched).
  StoredFields Fields() const;
  void SetFields(const StoredFields& fields);
  // The entry as keyed so far ("0" when cleared).
  const std::string& Entry() const { return m_strEntry; }
  // Whether field is the target of the keypad (its field button was the last pressed).
  bool IsTarget(Field field) const;
  // The Julian Day (UT) the last readout computed; 0 before the first.
  double JulianDay() const { return m_dJulianDay; }
  // The dialog's target, site, zone and model, for the 出没時刻 box.
  Observation CurrentObservation() const;
  // The model in use.
  const sky::SkyModel& Model() const;
  // The star and constellation tables read at start-up.
  const Catalogs& CatalogTables() const { return m_catalogs; }

  // For tools that drive the calculator row by row (skycalc-cli). StoreEntry
  // stores entry into the field of button fieldButtonId exactly as SET does
  // (same checks, conversion and display text, the entry cleared after; the
  // field's message and false when SET would refuse it; false for a button
  // that is not a field's) but leaves the readouts alone; RefreshReadouts
  // then recomputes and shows the time and position readouts once, as SET
  // does after storing, and returns the numbers behind them.
  bool StoreEntry(int fieldButtonId, const std::string& entry);
  ReadoutValues RefreshReadouts();

  // 地点: stores place's longitude and latitude as the keypad keys them
  // (DegreesAsKeyed: two decimals), and with withZone its zone in 標時 and
  // 標分, each exactly as keying that text on the keypad and SET would (the same checks, conversion and display texts), then recomputes
  // the readouts once, as SET does, and remembers the place's name. When SET
  // would refuse one of the values nothing is stored: the field's message is
  // shown and false returned. The entry is left as SET leaves it ("0").
  bool ApplyPlace(const PlaceEntry& place, bool withZone);
  // The name of the place the site was last chosen as; "" once a 経度 or
  // 緯度 is keyed with SET, and after a reset whose stored site no longer is
  // the stored place's.
  const std::string& PlaceName() const { return m_strPlace; }
  // The places read at start-up (empty when Places.txt could not be read).
  const std::vector<PlaceEntry>& Places() const { return m_places; }
  void SetPlaces(const std::vector<PlaceEntry>& places) { m_places = places; }

  // The model of the readouts: the calculator's own (the default) or the
  // precise one. Switching recomputes the time readout and the position of
  // the checked kind's remembered choice at once. AC leaves the model as it is.
  void SetPreciseModel(bool precise);
  bool IsPreciseModel() const { return m_bPrecise; }
  // Night mode (夜間表示, red on black), read at Open and written at Close
  // when it was switched (a store that never had it is left without it); the
  // front ends draw it.
  bool IsNightMode() const { return m_bNight; }
  void SetNightMode(bool night) { m_bNight = night; }
  // The kind-of-body radio button checked (IDC_PLANET, IDC_STAR or IDC_CONSTELLATION), 0 for none.
  int CheckedBodyKind() const { return m_nKindRadio; }

  // Mode selectors.
  void OnJulianDayMode();
  void OnSiderealMode();
  void OnEquatorial();
  void OnHorizontal();
  void OnSelPlanet();
  void OnSelStar();
  void OnSelConstellation();
  void OnPlanetMode();
  void OnStarMode();
  void OnConstellationMode();
  // True when control id is painted on white (readouts, entry, 年 while it is the target).
  bool OnCtlColor(int id) const;

  // Reset (start-up and AC) and the close request's settings write.
  void ResetCalculator();
  void OnAllClear();
  void OnClose();

 private:
  struct FieldControl;
  // The ten fields in the order SET examines them.
  static const FieldControl kFields[kFieldCount];

  // Calculation state.
  std::string m_strEntry;
  std::int32_t m_bSelYear = 0, m_bSelMonth = 0, m_bSelDay = 0, m_bSelHour = 0, m_bSelMinute = 0,
               m_bSelLongitude = 0, m_bSelLatitude = 0, m_bSelAzimuth = 0, m_bSelZoneHour = 0,
               m_bSelZoneMinute = 0;
  std::int32_t m_nYear = 0;
  std::uint8_t m_nMonth = 0;
  std::uint8_t m_nDay = 0;
  std::uint8_t m_nHour = 0;
  std::uint8_t m_nMinute = 0;
  float m_fLongitude = 0.0f;
  float m_fLatitude = 0.0f;
  float m_fAzimuth = 0.0f;
  std::int8_t m_nZoneHour = 0;
  std::uint8_t m_nZoneMinute = 0;
  double m_dJulianDay = 0.0;
  // The checked radio button of each group, kept here and shown by the host:
  // time readout (IDC_JULIANDAY, IDC_SIDEREAL), coordinate system
  // (IDC_EQUATORIAL, IDC_HORIZONTAL) and kind of body (IDC_PLANET, IDC_STAR,
  // IDC_CONSTELLATION); 0 before the first reset.
  int m_nTimeRadio = 0;
  int m_nFrameRadio = 0;
  int m_nKindRadio = 0;

  std::string m_strPlace;  // the place the site was chosen as, "" when keyed

  std::vector<PlaceEntry> m_places;
  std::string m_readPlace;  // the place name as the last reset read it
  IControlHost& m_host;
  ISettingsStore& m_store;
  IClock& m_clock;
  std::vector<std::string> m_catalogFolders{std::string()};
  Catalogs m_catalogs;
  bool m_bPrecise = false;
  bool m_bReadPrecise = false;  // the model the store named at Open
  bool m_bNight = false, m_bReadNight = false;  // night mode, and as the store named it at Open
  // The five settings as the close request would write them, for the values
  // the last reset read: OnClose writes only those that differ now.
  std::array<std::string, kSavedSettingCount> m_readSettings;

  // Checks radio button id in its group (the others cleared) and has the host
  // show the three groups; false, changing nothing, for an ID in no group.
  bool CheckRadio(int id);
  void ShowRadios();
  // Entry and keypad.
  void ShowEntry();
  void ClearEntry();
  void KeyDigit(char digit);
  const FieldControl* TargetField() const;
  void SelectField(std::int32_t CSkyCalcDlg::*flag);
  bool StoreField(const FieldControl& control);
  // Shows the model's message when it has no place for target in the stored
  // year; returns whether it did.
  bool RefuseUncovered(const sky::Target& target);
  // Recomputes m_dJulianDay and shows target's place in the position readouts.
  void ShowTargetPosition(const sky::Target& target);
  sky::Target RememberedTarget() const;
  std::string RememberedTargetName() const;

  // Control members, bound to their IDs.
  CButton m_radPlanet;
  CComboBox m_cmbStar;
  CComboBox m_cmbConstellation;
  CComboBox m_cmbPlanet;
  CStatic m_stcDecAlt;
  CStatic m_stcRaAzm;
  CButton m_radEquatorial;
  CButton m_radJulianDay;
  CButton m_btnYear;
  CStatic m_stcEntry;
  CStatic m_stcTime;
  CStatic m_stcZoneMinute;
  CStatic m_stcZoneHour;
  CStatic m_stcMonth;
  CStatic m_stcMinute;
  CStatic m_stcLongitude;
  CStatic m_stcLatitude;
  CStatic m_stcHour;
  CStatic m_stcDay;
  CStatic m_stcAzimuth;
  CStatic m_stcYear;
};

}  // namespace skycalc
