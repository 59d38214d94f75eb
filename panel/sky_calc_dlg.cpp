#include "panel/sky_calc_dlg.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "astro/base/body.h"
#include "astro/time/calendar.h"
#include "catalog/catalog.h"
#include "catalog/catalog_folders.h"
#include "catalog/names.h"
#include "panel/day_events.h"
#include "panel/fields.h"
#include "panel/model_messages.h"
#include "panel/places_view.h"
#include "panel/readout_format.h"
#include "panel/settings_keys.h"
#include "panel/text_numbers.h"
#include "astro/time/julian_day.h"

namespace skycalc {

std::int32_t g_nPlanetBody = 0;
std::int32_t g_nStarIndex = 0;
std::int32_t g_nConstIndex = 0;

namespace {

const char kDegreeSign[] = "°";

// The site settings: value name, default text and field (degrees).
struct SiteSetting {
  const char* name;
  const char* defaultText;
  Field field;
  float StoredFields::*stored;
};
const SiteSetting kSiteSettingList[] = {
    {kLongitudeSetting, "140.0", Field::kLongitude, &StoredFields::longitude},
    {kLatitudeSetting, "35.0", Field::kLatitude, &StoredFields::latitude},
    {kAzimuthSetting, "0.0", Field::kAzimuth, &StoredFields::azimuth}};

// The five settings' names in the order the close request writes them, and
// their texts for fields f as it writes them.
const char* const kSettingNames[kSavedSettingCount] = {kLongitudeSetting, kLatitudeSetting, kAzimuthSetting,
                                                       kZoneHourSetting, kZoneMinuteSetting};
std::array<std::string, kSavedSettingCount> SettingTexts(const StoredFields& f) {
  return {FormatSetting(f.longitude), FormatSetting(f.latitude), FormatSetting(f.azimuth),
          FormatText("%d", static_cast<int>(f.zoneHour)), FormatText("%d", static_cast<int>(f.zoneMinute))};
}

// A list's current position, counted as the first entry when it has none or one beyond count.
int ListPosition(const CComboBox& list, std::size_t count) {
  const int position = list.GetCurSel();
  if (position < 0 || static_cast<std::size_t>(position) >= count) return 0;
  return position;
}

// Planet list position 0-9 -> body number: the list starts with the Sun and never offers the Earth.
int PlanetBodyOfPosition(int position) { return BodyNumber(BodyOfListPosition(position)); }

// The three groups of radio buttons, each of which has one checked.
constexpr int kRadioGroups[][3] = {{IDC_JULIANDAY, IDC_SIDEREAL, 0},
                                   {IDC_EQUATORIAL, IDC_HORIZONTAL, 0},
                                   {IDC_PLANET, IDC_STAR, IDC_CONSTELLATION}};

const Catalogs kUnreadCatalogs{};

// A catalogue row as a target; an index beyond the table is the zero row of an unread catalogue.
sky::Target CatalogTarget(const CatalogEntry table[], std::size_t count, int index) {
  const CatalogEntry row = index >= 0 && static_cast<std::size_t>(index) < count ? table[index] : CatalogEntry{};
  return sky::Target::OfCatalogRow(row.ra, row.dec);
}

}  // namespace

// One stored field as the dialog binds it: target flag, button and display.
struct CSkyCalcDlg::FieldControl {
  std::int32_t CSkyCalcDlg::*flag;
  int buttonId;
  CStatic CSkyCalcDlg::*display;
  Field field;
};

const CSkyCalcDlg::FieldControl CSkyCalcDlg::kFields[kFieldCount] = {
    {&CSkyCalcDlg::m_bSelYear, IDC_FIELD_YEAR, &CSkyCalcDlg::m_stcYear, Field::kYear},
    {&CSkyCalcDlg::m_bSelMonth, IDC_FIELD_MONTH, &CSkyCalcDlg::m_stcMonth, Field::kMonth},
    {&CSkyCalcDlg::m_bSelDay, IDC_FIELD_DAY, &CSkyCalcDlg::m_stcDay, Field::kDay},
    {&CSkyCalcDlg::m_bSelHour, IDC_FIELD_HOUR, &CSkyCalcDlg::m_stcHour, Field::kHour},
    {&CSkyCalcDlg::m_bSelMinute, IDC_FIELD_MINUTE, &CSkyCalcDlg::m_stcMinute, Field::kMinute},
    {&CSkyCalcDlg::m_bSelLongitude, IDC_FIELD_LONGITUDE, &CSkyCalcDlg::m_stcLongitude, Field::kLongitude},
    {&CSkyCalcDlg::m_bSelLatitude, IDC_FIELD_LATITUDE, &CSkyCalcDlg::m_stcLatitude, Field::kLatitude},
    {&CSkyCalcDlg::m_bSelAzimuth, IDC_FIELD_AZIMUTH, &CSkyCalcDlg::m_stcAzimuth, Field::kAzimuth},
    {&CSkyCalcDlg::m_bSelZoneHour, IDC_FIELD_ZONEHOUR, &CSkyCalcDlg::m_stcZoneHour, Field::kZoneHour},
    {&CSkyCalcDlg::m_bSelZoneMinute, IDC_FIELD_ZONEMINUTE, &CSkyCalcDlg::m_stcZoneMinute, Field::kZoneMinute},
};

const Catalogs& CatalogsOf(const Observation& observation) {
  return observation.catalogs ? *observation.catalogs : kUnreadCatalogs;
}

ResetValues ReadResetValues(IClock& clock, ISettingsStore& store) {
  ResetValues reset;
  StoredFields& f = reset.fields;
  // One clock reading; month to minute lose a leading zero ("05" -> "5"), which is "%d".
  const ClockReading now = clock.Now();
  f.year = now.year;
  const struct {
    int value;
    Field field;
    std::uint8_t StoredFields::*stored;
  } clockFields[] = {{now.month, Field::kMonth, &StoredFields::month},
                     {now.day, Field::kDay, &StoredFields::day},
                     {now.hour, Field::kHour, &StoredFields::hour},
                     {now.minute, Field::kMinute, &StoredFields::minute}};
  reset.texts[static_cast<int>(Field::kYear)] = FormatText("%d", now.year);
  for (const auto& clockField : clockFields) {
    reset.texts[static_cast<int>(clockField.field)] = FormatText("%d", clockField.value);
    f.*(clockField.stored) = NarrowToUint8(clockField.value);
  }
  // Stored site and zone, trusted as written (no range check): numbers taken
  // as far as they go, converted once to the field's type. The display shows
  // what the field then holds: the stored text itself for a site value (the
  // design's), the narrowed integer for a zone value (a stored 128 is -128 in
  // the signed 8-bit field, and shows so). A site value that is not a finite
  // number once a float (inf, nan, 1e39) cannot be computed with: its
  // default is used instead, and said in reset.fallbacks.
  for (const SiteSetting& setting : kSiteSettingList) {
    const std::string stored = store.ReadString(kSettingsSection, setting.name, setting.defaultText);
    float value = NarrowToFloat(TextToDouble(stored + kDegreeSign));
    std::string text = stored + kDegreeSign;
    if (!std::isfinite(value)) {
      reset.fallbacks.push_back(FormatText("設定%sの値「%s」は数値として使えないため、%sを使います。", setting.name,
                                           stored.c_str(), setting.defaultText));
      value = NarrowToFloat(TextToDouble(setting.defaultText));
      text = std::string(setting.defaultText) + kDegreeSign;
    }
    reset.texts[static_cast<int>(setting.field)] = text;
    f.*(setting.stored) = value;
  }
  f.zoneHour = NarrowToInt8(TextToLong(store.ReadString(kSettingsSection, kZoneHourSetting, "9")));
  reset.texts[static_cast<int>(Field::kZoneHour)] = FormatText("%d", static_cast<int>(f.zoneHour));
  f.zoneMinute = NarrowToUint8(TextToLong(store.ReadString(kSettingsSection, kZoneMinuteSetting, "0")));
  reset.texts[static_cast<int>(Field::kZoneMinute)] = FormatText("%d", static_cast<int>(f.zoneMinute));
  return reset;
}

std::string ReadPlaceSetting(ISettingsStore& store, const std::vector<PlaceEntry>& places, const StoredFields& f) {
  const std::string name = store.ReadString(kSettingsSection, kPlaceSetting, "");
  for (const PlaceEntry& place : places) {
    if (place.name != name) continue;
    // The site as choosing the place keys it, written as the close request writes it.
    const auto written = [](double degrees) { return FormatSetting(NarrowToFloat(TextToDouble(DegreesAsKeyed(degrees)))); };
    const bool same = written(place.longitude) == FormatSetting(f.longitude) &&
                      written(place.latitude) == FormatSetting(f.latitude);
    return same ? name : std::string();
  }
  return std::string();
}

void SaveChangedSetting(ISettingsStore& store, const char* name, const std::string& asRead, const std::string& now) {
  const bool absent = store.ReadString(kSettingsSection, name, kAbsentSetting) == kAbsentSetting;
  if (now != asRead || absent) store.WriteString(kSettingsSection, name, now);
}

std::unique_ptr<sky::DayEventsTable> MakeDayEventsTable(const Observation& o,
                                                        const events::RiseSetConvention& convention) {
  return std::make_unique<sky::DayEventsTable>(*o.model, o.target, SiteOf(o.fields), o.fields.zoneHour,
                                               o.fields.zoneMinute, static_cast<double>(o.fields.azimuth), convention);
}

std::string EventsTitle(const Observation& o) {
  const StoredFields& f = o.fields;
  const CalendarDate date = ActualDate(f.year, f.month, f.day);
  return o.targetName + "　" + FormatText("%d年%d月%d日", static_cast<int>(date.year), date.month, date.day) +
         (o.model->IsPrecise() ? kPreciseModelCaption : "");
}

std::string EventsSiteLine(const Observation& o) {
  const StoredFields& f = o.fields;
  return FormatText("経度 %.2f°　緯度 %.2f°　標準時 %d時%d分", static_cast<double>(f.longitude),
                    static_cast<double>(f.latitude), static_cast<int>(f.zoneHour), f.zoneMinute);
}

std::string EventsNote(const Observation& o, const events::DayEvents& e) {
  const std::string stays = e.alwaysUp ? kAlwaysUp : e.alwaysDown ? kAlwaysDown : "";
  const std::string date = DateNote(o.fields.year, o.fields.month, o.fields.day);
  return stays + (stays.empty() || date.empty() ? "" : "　") + date;
}

std::vector<std::string> LoadCatalogs(Catalogs& catalogs, const std::vector<std::string>& folders) {
  std::vector<std::string> messages;
  if (!LoadStarCatalog(catalogs.stars, CatalogFolderFor(kStarCatalogFile, folders)))
    messages.emplace_back("恒星データファイルStarData.txtが読み込めません。");
  if (!LoadConstellationCatalog(catalogs.constellations, CatalogFolderFor(kConstellationCatalogFile, folders)))
    messages.emplace_back("星座データファイルConstData.txtが読み込めません。");
  return messages;
}

sky::Target StarTarget(const Catalogs& catalogs, int index) {
  return CatalogTarget(catalogs.stars, kStarCount, index);
}

sky::Target ConstellationTarget(const Catalogs& catalogs, int index) {
  return CatalogTarget(catalogs.constellations, kConstellationCount, index);
}

CSkyCalcDlg::CSkyCalcDlg(IControlHost& host, ISettingsStore& store, IClock& clock)
    : m_host(host),
      m_store(store),
      m_clock(clock),
      m_radPlanet(host, IDC_PLANET),
      m_cmbStar(host, IDC_STARLIST),
      m_cmbConstellation(host, IDC_CONSTLIST),
      m_cmbPlanet(host, IDC_PLANETLIST),
      m_stcDecAlt(host, IDC_DECALT),
      m_stcRaAzm(host, IDC_RAAZM),
      m_radEquatorial(host, IDC_EQUATORIAL),
      m_radJulianDay(host, IDC_JULIANDAY),
      m_btnYear(host, IDC_FIELD_YEAR),
      m_stcEntry(host, IDC_ENTRY),
      m_stcTime(host, IDC_TIME),
      m_stcZoneMinute(host, IDC_ZONEMINUTE),
      m_stcZoneHour(host, IDC_ZONEHOUR),
      m_stcMonth(host, IDC_MONTH),
      m_stcMinute(host, IDC_MINUTE),
      m_stcLongitude(host, IDC_LONGITUDE),
      m_stcLatitude(host, IDC_LATITUDE),
      m_stcHour(host, IDC_HOUR),
      m_stcDay(host, IDC_DAY),
      m_stcAzimuth(host, IDC_AZIMUTH),
      m_stcYear(host, IDC_YEAR) {}

void CSkyCalcDlg::Open() {
  OnInitDialog();
  if (m_store.ReadString(kSettingsSection, kPreciseSetting, "0") == "1") SetPreciseModel(true);
  m_bReadPrecise = m_bPrecise;
  m_bNight = m_bReadNight = m_store.ReadString(kSettingsSection, kNightSetting, "0") == "1";
}

void CSkyCalcDlg::Close() {
  OnClose();
  SaveChangedSetting(m_store, kPreciseSetting, m_bReadPrecise ? "1" : "0", m_bPrecise ? "1" : "0");
  if (m_bNight != m_bReadNight) m_store.WriteString(kSettingsSection, kNightSetting, m_bNight ? "1" : "0");
}

// Start-up: catalogues (each unreadable one reported, star first), reset, then the lists.
bool CSkyCalcDlg::OnInitDialog() {
  for (const std::string& message : LoadCatalogs(m_catalogs, m_catalogFolders)) m_host.ShowMessage(message);
  m_places = LoadPlaces(CatalogFolderFor(kPlacesFile, m_catalogFolders));
  for (const FieldControl& field : kFields) this->*(field.flag) = 0;
  ResetCalculator();
  struct ListFill {
    CComboBox& list;
    const char* const* names;
    std::size_t count;
  };
  const ListFill lists[] = {{m_cmbPlanet, PlanetNames, kPlanetNameCount},
                            {m_cmbStar, StarNames, kStarCount},
                            {m_cmbConstellation, ConstellationNames, kConstellationCount}};
  for (const ListFill& fill : lists) {
    for (std::size_t i = 0; i < fill.count && fill.list.AddString(fill.names[i]); ++i) {
    }
  }
  return true;
}

bool CSkyCalcDlg::OnCommand(int id) {
  struct Route {
    int id;
    void (CSkyCalcDlg::*handler)();
  };
  static const Route kRoutes[] = {
      {IDC_DIGIT1, &CSkyCalcDlg::OnDigit1},
      {IDC_DIGIT2, &CSkyCalcDlg::OnDigit2},
      {IDC_DIGIT3, &CSkyCalcDlg::OnDigit3},
      {IDC_DIGIT4, &CSkyCalcDlg::OnDigit4},
      {IDC_DIGIT5, &CSkyCalcDlg::OnDigit5},
      {IDC_DIGIT6, &CSkyCalcDlg::OnDigit6},
      {IDC_DIGIT7, &CSkyCalcDlg::OnDigit7},
      {IDC_DIGIT8, &CSkyCalcDlg::OnDigit8},
      {IDC_DIGIT9, &CSkyCalcDlg::OnDigit9},
      {IDC_DIGIT0, &CSkyCalcDlg::OnDigit0},
      {IDC_POINT, &CSkyCalcDlg::OnPoint},
      {IDC_SIGN, &CSkyCalcDlg::OnSign},
      {IDC_CLEAR, &CSkyCalcDlg::OnClearEntry},
      {IDC_FIELD_YEAR, &CSkyCalcDlg::OnFieldYear},
      {IDC_FIELD_MONTH, &CSkyCalcDlg::OnFieldMonth},
      {IDC_FIELD_DAY, &CSkyCalcDlg::OnFieldDay},
      {IDC_FIELD_HOUR, &CSkyCalcDlg::OnFieldHour},
      {IDC_FIELD_MINUTE, &CSkyCalcDlg::OnFieldMinute},
      {IDC_FIELD_LONGITUDE, &CSkyCalcDlg::OnFieldLongitude},
      {IDC_FIELD_LATITUDE, &CSkyCalcDlg::OnFieldLatitude},
      {IDC_FIELD_AZIMUTH, &CSkyCalcDlg::OnFieldAzimuth},
      {IDC_FIELD_ZONEHOUR, &CSkyCalcDlg::OnFieldZoneHour},
      {IDC_FIELD_ZONEMINUTE, &CSkyCalcDlg::OnFieldZoneMinute},
      {IDC_SET, &CSkyCalcDlg::OnSet},
      {IDC_ALLCLEAR, &CSkyCalcDlg::OnAllClear},
      {IDC_JULIANDAY, &CSkyCalcDlg::OnJulianDayMode},
      {IDC_SIDEREAL, &CSkyCalcDlg::OnSiderealMode},
      {IDC_EQUATORIAL, &CSkyCalcDlg::OnEquatorial},
      {IDC_HORIZONTAL, &CSkyCalcDlg::OnHorizontal},
      {IDC_PLANETLIST, &CSkyCalcDlg::OnSelPlanet},
      {IDC_STARLIST, &CSkyCalcDlg::OnSelStar},
      {IDC_CONSTLIST, &CSkyCalcDlg::OnSelConstellation},
      {IDC_PLANET, &CSkyCalcDlg::OnPlanetMode},
      {IDC_STAR, &CSkyCalcDlg::OnStarMode},
      {IDC_CONSTELLATION, &CSkyCalcDlg::OnConstellationMode},
  };
  for (const Route& route : kRoutes) {
    if (route.id == id) {
      CheckRadio(id);  // a radio button is checked by its click
      (this->*(route.handler))();
      return true;
    }
  }
  return false;
}

bool CSkyCalcDlg::CheckRadio(int id) {
  int* const checked[] = {&m_nTimeRadio, &m_nFrameRadio, &m_nKindRadio};
  for (std::size_t g = 0; g < std::size(kRadioGroups); ++g) {
    for (int member : kRadioGroups[g]) {
      if (member != 0 && member == id) {
        *checked[g] = id;
        ShowRadios();
        return true;
      }
    }
  }
  return false;
}

// The design's bound radio buttons are set through their members, the others by ID.
void CSkyCalcDlg::ShowRadios() {
  m_radJulianDay.SetCheck(m_nTimeRadio == IDC_JULIANDAY);
  m_host.SetCheck(IDC_SIDEREAL, m_nTimeRadio == IDC_SIDEREAL);
  m_radEquatorial.SetCheck(m_nFrameRadio == IDC_EQUATORIAL);
  m_host.SetCheck(IDC_HORIZONTAL, m_nFrameRadio == IDC_HORIZONTAL);
  m_radPlanet.SetCheck(m_nKindRadio == IDC_PLANET);
  m_host.SetCheck(IDC_STAR, m_nKindRadio == IDC_STAR);
  m_host.SetCheck(IDC_CONSTELLATION, m_nKindRadio == IDC_CONSTELLATION);
}

// Shows the entry text in the entry display.
void CSkyCalcDlg::ShowEntry() { m_stcEntry.SetWindowText(m_strEntry); }

// Sets the entry back to the lone "0".
void CSkyCalcDlg::ClearEntry() {
  m_strEntry = "0";
  ShowEntry();
}

// Digit key 0-9.
void CSkyCalcDlg::KeyDigit(char digit) {
  m_strEntry = EntryAfterDigit(m_strEntry, digit);
  ShowEntry();
}

// The field whose flag is set, if any.
const CSkyCalcDlg::FieldControl* CSkyCalcDlg::TargetField() const {
  for (const FieldControl& field : kFields)
    if (this->*(field.flag)) return &field;
  return nullptr;
}

bool CSkyCalcDlg::IsTarget(Field field) const {
  for (const FieldControl& control : kFields)
    if (control.field == field) return this->*(control.flag) != 0;
  return false;
}

// Field button: makes flag the only target and clears the entry.
void CSkyCalcDlg::SelectField(std::int32_t CSkyCalcDlg::*flag) {
  for (const FieldControl& field : kFields) this->*(field.flag) = 0;
  this->*flag = 1;
  ClearEntry();
}

// SET for one field: converts the entry, stores and shows it, or rejects it with the message.
bool CSkyCalcDlg::StoreField(const FieldControl& control) {
  const FieldEntry entry = CheckFieldEntry(control.field, m_strEntry);
  if (!entry.accepted) {
    ClearEntry();
    m_host.ShowMessage(entry.message);
    return false;
  }
  StoredFields fields = Fields();
  StoreFieldValue(fields, control.field, entry.value);
  SetFields(fields);
  (this->*(control.display)).SetWindowText(entry.shown);
  // A keyed site is no longer the chosen place's.
  if (control.field == Field::kLongitude || control.field == Field::kLatitude) m_strPlace.clear();
  return true;
}

void CSkyCalcDlg::OnDigit0() { KeyDigit('0'); }
void CSkyCalcDlg::OnDigit1() { KeyDigit('1'); }
void CSkyCalcDlg::OnDigit2() { KeyDigit('2'); }
void CSkyCalcDlg::OnDigit3() { KeyDigit('3'); }
void CSkyCalcDlg::OnDigit4() { KeyDigit('4'); }
void CSkyCalcDlg::OnDigit5() { KeyDigit('5'); }
void CSkyCalcDlg::OnDigit6() { KeyDigit('6'); }
void CSkyCalcDlg::OnDigit7() { KeyDigit('7'); }
void CSkyCalcDlg::OnDigit8() { KeyDigit('8'); }
void CSkyCalcDlg::OnDigit9() { KeyDigit('9'); }

// Point key: one "." at most, only for longitude, latitude and azimuth.
void CSkyCalcDlg::OnPoint() {
  if (const FieldControl* target = TargetField()) m_strEntry = EntryAfterPoint(m_strEntry, target->field);
  ShowEntry();
}

// Sign key: toggles a leading "-" for year, longitude, latitude and zone hours; zero takes none.
void CSkyCalcDlg::OnSign() {
  if (const FieldControl* target = TargetField()) m_strEntry = EntryAfterSign(m_strEntry, target->field);
  ShowEntry();
}

void CSkyCalcDlg::OnClearEntry() { ClearEntry(); }

void CSkyCalcDlg::OnFieldYear() { SelectField(&CSkyCalcDlg::m_bSelYear); }
void CSkyCalcDlg::OnFieldMonth() { SelectField(&CSkyCalcDlg::m_bSelMonth); }
void CSkyCalcDlg::OnFieldDay() { SelectField(&CSkyCalcDlg::m_bSelDay); }
void CSkyCalcDlg::OnFieldHour() { SelectField(&CSkyCalcDlg::m_bSelHour); }
void CSkyCalcDlg::OnFieldMinute() { SelectField(&CSkyCalcDlg::m_bSelMinute); }
void CSkyCalcDlg::OnFieldLongitude() { SelectField(&CSkyCalcDlg::m_bSelLongitude); }
void CSkyCalcDlg::OnFieldLatitude() { SelectField(&CSkyCalcDlg::m_bSelLatitude); }
void CSkyCalcDlg::OnFieldAzimuth() { SelectField(&CSkyCalcDlg::m_bSelAzimuth); }
void CSkyCalcDlg::OnFieldZoneHour() { SelectField(&CSkyCalcDlg::m_bSelZoneHour); }
void CSkyCalcDlg::OnFieldZoneMinute() { SelectField(&CSkyCalcDlg::m_bSelZoneMinute); }

// SET: stores the entry into the target, recomputes the time readout and the
// position of the body chosen in the lists, and clears the entry.
void CSkyCalcDlg::OnSet() {
  if (const FieldControl* target = TargetField()) StoreField(*target);
  RefreshReadouts();
  ClearEntry();
}

bool CSkyCalcDlg::StoreEntry(int fieldButtonId, const std::string& entry) {
  for (const FieldControl& field : kFields) {
    if (field.buttonId != fieldButtonId) continue;
    m_strEntry = entry;
    if (!StoreField(field)) return false;  // refused: the entry is already cleared
    ClearEntry();
    return true;
  }
  return false;
}

bool CSkyCalcDlg::ApplyPlace(const PlaceEntry& place, bool withZone) {
  const ZoneFields zone = ZoneFieldsOf(place.zoneMinutes);
  struct Keyed {
    Field field;
    std::string text;
  };
  std::vector<Keyed> keyed = {{Field::kLongitude, DegreesAsKeyed(place.longitude)},
                              {Field::kLatitude, DegreesAsKeyed(place.latitude)}};
  if (withZone) {
    keyed.push_back({Field::kZoneHour, FormatText("%d", zone.hour)});
    keyed.push_back({Field::kZoneMinute, FormatText("%d", zone.minute)});
  }
  // Every value is checked before any is stored: a place is taken whole or not at all.
  for (const Keyed& k : keyed) {
    const FieldEntry entry = CheckFieldEntry(k.field, KeyedEntry(k.field, k.text));
    if (!entry.accepted) {
      ClearEntry();
      m_host.ShowMessage(entry.message);
      return false;
    }
  }
  for (const Keyed& k : keyed) {
    m_strEntry = KeyedEntry(k.field, k.text);
    StoreField(kFields[static_cast<int>(k.field)]);
  }
  RefreshReadouts();
  ClearEntry();
  m_strPlace = place.name;
  return true;
}

// The position follows the lists' current selections, as SET reads them; a
// kind of body with no radio button checked leaves the position readout as it is.
ReadoutValues CSkyCalcDlg::RefreshReadouts() {
  if (m_nTimeRadio == IDC_JULIANDAY)
    ShowJulianDay();
  else
    ShowSiderealTime();
  ReadoutValues values;
  const bool shown = m_nKindRadio != 0;
  sky::Target target;
  if (m_nKindRadio == IDC_PLANET)
    target = sky::Target::OfBody(BodyOfListPosition(ListPosition(m_cmbPlanet, kPlanetNameCount)));
  else if (m_nKindRadio == IDC_STAR)
    target = StarTarget(m_catalogs, ListPosition(m_cmbStar, kStarCount));
  else if (m_nKindRadio == IDC_CONSTELLATION)
    target = ConstellationTarget(m_catalogs, ListPosition(m_cmbConstellation, kConstellationCount));
  if (shown) {
    values.place = TargetPlace(target);
    RefuseUncovered(target);
    ShowPosition(values.place.equatorial, values.place.horizontal);
  }
  values.julianDay = m_dJulianDay;
  values.siderealTime = Model().SiderealTime(InstantOf(Fields()), SiteOf(Fields()));
  return values;
}

const sky::SkyModel& CSkyCalcDlg::Model() const { return sky::ModelOf(m_bPrecise); }

bool CSkyCalcDlg::RefuseUncovered(const sky::Target& target) {
  const char* message = CoverageMessage(Model().Covers(target, m_nYear));
  if (message) m_host.ShowMessage(message);
  return message != nullptr;
}

void CSkyCalcDlg::SetPreciseModel(bool precise) {
  m_bPrecise = precise;
  if (m_nTimeRadio == IDC_JULIANDAY)
    ShowJulianDay();
  else
    ShowSiderealTime();
  OnEquatorial();  // the remembered choice of the checked kind, in the frame chosen
}

StoredFields CSkyCalcDlg::Fields() const {
  StoredFields f;
  f.year = m_nYear;
  f.month = m_nMonth;
  f.day = m_nDay;
  f.hour = m_nHour;
  f.minute = m_nMinute;
  f.longitude = m_fLongitude;
  f.latitude = m_fLatitude;
  f.azimuth = m_fAzimuth;
  f.zoneHour = m_nZoneHour;
  f.zoneMinute = m_nZoneMinute;
  return f;
}

void CSkyCalcDlg::SetFields(const StoredFields& f) {
  m_nYear = f.year;
  m_nMonth = f.month;
  m_nDay = f.day;
  m_nHour = f.hour;
  m_nMinute = f.minute;
  m_fLongitude = f.longitude;
  m_fLatitude = f.latitude;
  m_fAzimuth = f.azimuth;
  m_nZoneHour = f.zoneHour;
  m_nZoneMinute = f.zoneMinute;
}

sky::Target CSkyCalcDlg::RememberedTarget() const {
  switch (CheckedBodyKind()) {
    case IDC_STAR: return StarTarget(m_catalogs, g_nStarIndex);
    case IDC_CONSTELLATION: return ConstellationTarget(m_catalogs, g_nConstIndex);
    default: return sky::Target::OfBody(BodyOfNumber(g_nPlanetBody));
  }
}

std::string CSkyCalcDlg::RememberedTargetName() const {
  switch (CheckedBodyKind()) {
    case IDC_STAR: return StarNames[g_nStarIndex >= 0 && g_nStarIndex < static_cast<int>(kStarCount) ? g_nStarIndex : 0];
    case IDC_CONSTELLATION:
      return ConstellationNames[g_nConstIndex >= 0 && g_nConstIndex < static_cast<int>(kConstellationCount) ? g_nConstIndex
                                                                                                           : 0];
    default: return PlanetNames[static_cast<int>(BodyOfNumber(g_nPlanetBody))];
  }
}

Observation CSkyCalcDlg::CurrentObservation() const {
  Observation o{&Model(), RememberedTarget(), RememberedTargetName(), Fields(), &m_catalogs};
  return o;
}

// Julian Day of the stored date, time and zone, in "%f".
void CSkyCalcDlg::ShowJulianDay() {
  LocalTimeToJD(m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute, m_nZoneHour, m_nZoneMinute, m_dJulianDay);
  m_stcTime.SetWindowText(FormatJulianDay(m_dJulianDay));
}

// Local mean sidereal time at the stored instant and longitude, as "h:m"; in
// the precise model the local apparent sidereal time.
void CSkyCalcDlg::ShowSiderealTime() {
  LocalTimeToJD(m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute, m_nZoneHour, m_nZoneMinute, m_dJulianDay);
  m_stcTime.SetWindowText(FormatSiderealTime(Model().SiderealTime(InstantOf(Fields()), SiteOf(Fields()))));
}

Place CSkyCalcDlg::TargetPlace(const sky::Target& target) const {
  const StoredFields fields = Fields();
  return Model().PlaceOf(target, InstantOf(fields), SiteOf(fields), static_cast<double>(m_fAzimuth));
}

// Each position readout recomputes the Julian Day of the stored fields, then
// shows the place (and, in the precise model outside its years, the message).
void CSkyCalcDlg::ShowTargetPosition(const sky::Target& target) {
  LocalTimeToJD(m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute, m_nZoneHour, m_nZoneMinute, m_dJulianDay);
  const Place place = TargetPlace(target);
  RefuseUncovered(target);
  ShowPosition(place.equatorial, place.horizontal);
}

void CSkyCalcDlg::ShowPlanetPosition(int body) { ShowTargetPosition(sky::Target::OfBody(BodyOfNumber(body))); }
void CSkyCalcDlg::ShowStarPosition(int index) { ShowTargetPosition(StarTarget(m_catalogs, index)); }
void CSkyCalcDlg::ShowConstellationPosition(int index) {
  ShowTargetPosition(ConstellationTarget(m_catalogs, index));
}

// Writes a place into the two coordinate readouts in the frame the radio buttons choose.
void CSkyCalcDlg::ShowPosition(const double equatorial[2], const double horizontal[2]) {
  if (m_nFrameRadio == IDC_EQUATORIAL) {
    m_stcRaAzm.SetWindowText(FormatRightAscension(equatorial[0]));
    m_stcDecAlt.SetWindowText(FormatDeclination(equatorial[1]));
  } else {
    m_stcRaAzm.SetWindowText(FormatAzimuth(horizontal[0]));
    m_stcDecAlt.SetWindowText(FormatAltitude(horizontal[1]));
  }
}

void CSkyCalcDlg::OnJulianDayMode() {
  if (m_nTimeRadio == IDC_JULIANDAY) ShowJulianDay();
}

void CSkyCalcDlg::OnSiderealMode() {
  if (m_nTimeRadio == IDC_SIDEREAL) ShowSiderealTime();
}

// The remembered choice of the checked kind of body, shown again (in the frame now chosen).
void CSkyCalcDlg::OnEquatorial() {
  if (m_nKindRadio == IDC_PLANET)
    ShowPlanetPosition(g_nPlanetBody);
  else if (m_nKindRadio == IDC_STAR)
    ShowStarPosition(g_nStarIndex);
  else if (m_nKindRadio == IDC_CONSTELLATION)
    ShowConstellationPosition(g_nConstIndex);
}

void CSkyCalcDlg::OnHorizontal() { OnEquatorial(); }

void CSkyCalcDlg::OnSelPlanet() {
  CheckRadio(IDC_PLANET);
  g_nPlanetBody = PlanetBodyOfPosition(ListPosition(m_cmbPlanet, kPlanetNameCount));
  ShowPlanetPosition(g_nPlanetBody);
}

void CSkyCalcDlg::OnSelStar() {
  CheckRadio(IDC_STAR);
  g_nStarIndex = ListPosition(m_cmbStar, kStarCount);
  ShowStarPosition(g_nStarIndex);
}

void CSkyCalcDlg::OnSelConstellation() {
  CheckRadio(IDC_CONSTELLATION);
  g_nConstIndex = ListPosition(m_cmbConstellation, kConstellationCount);
  ShowConstellationPosition(g_nConstIndex);
}

void CSkyCalcDlg::OnPlanetMode() { ShowPlanetPosition(g_nPlanetBody); }
void CSkyCalcDlg::OnStarMode() { ShowStarPosition(g_nStarIndex); }
void CSkyCalcDlg::OnConstellationMode() { ShowConstellationPosition(g_nConstIndex); }

bool CSkyCalcDlg::OnCtlColor(int id) const {
  switch (id) {
    case IDC_TIME:
    case IDC_RAAZM:
    case IDC_DECALT:
    case IDC_ENTRY:
      return true;
    case IDC_FIELD_YEAR:
      return m_bSelYear != 0;
    default:
      return false;
  }
}

// Start values: radio buttons, list texts, remembered choices, entry, the clock's
// date and time, the stored site and zone, then the Julian Day and the Sun.
void CSkyCalcDlg::ResetCalculator() {
  m_nTimeRadio = IDC_JULIANDAY;
  m_nFrameRadio = IDC_HORIZONTAL;
  m_nKindRadio = IDC_PLANET;
  ShowRadios();

  m_cmbPlanet.SetWindowText(PlanetNames[0]);
  m_cmbStar.SetWindowText(StarNames[0]);
  m_cmbConstellation.SetWindowText(ConstellationNames[0]);
  g_nPlanetBody = kSunBody;
  g_nStarIndex = 0;
  g_nConstIndex = 0;
  ClearEntry();

  const ResetValues reset = ReadResetValues(m_clock, m_store);
  SetFields(reset.fields);
  m_readSettings = SettingTexts(reset.fields);
  m_strPlace = m_readPlace = ReadPlaceSetting(m_store, m_places, reset.fields);
  for (const FieldControl& field : kFields) (this->*(field.display)).SetWindowText(reset.texts[static_cast<int>(field.field)]);

  ShowJulianDay();
  ShowPlanetPosition(kSunBody);
}

void CSkyCalcDlg::OnAllClear() { ResetCalculator(); }

// Close request: the site, azimuth origin and zone are written back, each
// only when this window changed it since it read it (another window closed
// before may have stored its own change, which must stand) or when the store
// does not hold it yet (the first run writes all five, as the design has it).
void CSkyCalcDlg::OnClose() {
  const std::array<std::string, kSavedSettingCount> now = SettingTexts(Fields());
  for (int i = 0; i < kSavedSettingCount; ++i) SaveChangedSetting(m_store, kSettingNames[i], m_readSettings[i], now[i]);
  // The place name beside them, written when it changed (a store without one stays without one).
  if (m_strPlace != m_readPlace) m_store.WriteString(kSettingsSection, kPlaceSetting, m_strPlace);
}

}  // namespace skycalc
