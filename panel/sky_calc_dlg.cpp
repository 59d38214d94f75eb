#include "panel/sky_calc_dlg.h"

#include <cstddef>
#include <limits>

#include "astro/base/constants.h"
#include "astro/planets/geocentric.h"
#include "astro/time/julian_day.h"
#include "astro/time/sidereal.h"
#include "catalog/catalog.h"
#include "catalog/catalog_folders.h"
#include "catalog/names.h"
#include "catalog/precession.h"
#include "panel/precise_readout.h"
#include "panel/readout_format.h"
#include "panel/text_numbers.h"

namespace skycalc {

std::int32_t g_nPlanetBody = 0;
std::int32_t g_nStarIndex = 0;
std::int32_t g_nConstIndex = 0;

namespace {

const char kSection[] = "Config";
const char kDegreeSign[] = "°";

// One stored field as SET sees it: target flag, button, display, range and message.
struct FieldDef {
  std::int32_t CSkyCalcDlg::*flag;
  int buttonId;
  CStatic CSkyCalcDlg::*display;
  bool decimal;      // longitude, latitude, azimuth: completed text, double, shown with "°"
  double low, high;  // accepted range, both ends included unless openEnds
  bool openEnds;
  const char* message;
  void (*store)(CSkyCalcDlg&, double);  // takes an accepted value (exact for the integers)
};

// The ten fields in the order SET examines them.
const FieldDef kFields[] = {
    {&CSkyCalcDlg::m_bSelYear, IDC_FIELD_YEAR, &CSkyCalcDlg::m_stcYear, false, -99999, 99999, false,
     "年は-99999～99999にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nYear = static_cast<std::int32_t>(v); }},
    {&CSkyCalcDlg::m_bSelMonth, IDC_FIELD_MONTH, &CSkyCalcDlg::m_stcMonth, false, 1, 12, false,
     "月は1～12にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nMonth = static_cast<std::uint8_t>(v); }},
    {&CSkyCalcDlg::m_bSelDay, IDC_FIELD_DAY, &CSkyCalcDlg::m_stcDay, false, 1, 31, false, "日は1～31にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nDay = static_cast<std::uint8_t>(v); }},
    {&CSkyCalcDlg::m_bSelHour, IDC_FIELD_HOUR, &CSkyCalcDlg::m_stcHour, false, 0, 23, false, "時は0～23にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nHour = static_cast<std::uint8_t>(v); }},
    {&CSkyCalcDlg::m_bSelMinute, IDC_FIELD_MINUTE, &CSkyCalcDlg::m_stcMinute, false, 0, 59, false,
     "分は0～59にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nMinute = static_cast<std::uint8_t>(v); }},
    {&CSkyCalcDlg::m_bSelLongitude, IDC_FIELD_LONGITUDE, &CSkyCalcDlg::m_stcLongitude, true, -180, 180, true,
     "経度は-179.99～179.99にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_fLongitude = static_cast<float>(v); }},
    {&CSkyCalcDlg::m_bSelLatitude, IDC_FIELD_LATITUDE, &CSkyCalcDlg::m_stcLatitude, true, -90, 90, false,
     "緯度は-90.0～90.0にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_fLatitude = static_cast<float>(v); }},
    {&CSkyCalcDlg::m_bSelAzimuth, IDC_FIELD_AZIMUTH, &CSkyCalcDlg::m_stcAzimuth, true, 0, 359.99, false,
     "方位は0.0～359.99にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_fAzimuth = static_cast<float>(v); }},
    {&CSkyCalcDlg::m_bSelZoneHour, IDC_FIELD_ZONEHOUR, &CSkyCalcDlg::m_stcZoneHour, false, -23, 23, false,
     "標準時 時は-23～23にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nZoneHour = static_cast<std::int8_t>(v); }},
    {&CSkyCalcDlg::m_bSelZoneMinute, IDC_FIELD_ZONEMINUTE, &CSkyCalcDlg::m_stcZoneMinute, false, 0, 59, false,
     "標準時 分は0～59にしてください。",
     [](CSkyCalcDlg& d, double v) { d.m_nZoneMinute = static_cast<std::uint8_t>(v); }},
};

// Whether value lies in the field's range (NaN never does).
bool Accepts(const FieldDef& field, double value) {
  if (field.openEnds) return value > field.low && value < field.high;
  return value >= field.low && value <= field.high;
}

// Site settings read by the reset: value name, default, display and field (degrees).
struct SiteSetting {
  const char* name;
  const char* defaultText;
  CStatic CSkyCalcDlg::*display;
  float CSkyCalcDlg::*field;
};

const SiteSetting kSiteSettings[] = {
    {"Longitude", "140.0", &CSkyCalcDlg::m_stcLongitude, &CSkyCalcDlg::m_fLongitude},
    {"Latitude", "35.0", &CSkyCalcDlg::m_stcLatitude, &CSkyCalcDlg::m_fLatitude},
    {"Azimuth", "0.0", &CSkyCalcDlg::m_stcAzimuth, &CSkyCalcDlg::m_fAzimuth},
};

// Entry keys. The entry "starts with" a text when that text is found at position 0.
bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Shows the entry text in the entry display.
void ShowEntry(CSkyCalcDlg& dlg) { dlg.m_stcEntry.SetWindowText(dlg.m_strEntry); }

// Sets the entry back to the lone "0".
void ClearEntry(CSkyCalcDlg& dlg) {
  dlg.m_strEntry = "0";
  ShowEntry(dlg);
}

// Digit key 0-9: a lone "0" is replaced (or kept, for the 0 key), otherwise the digit is appended.
void KeyDigit(CSkyCalcDlg& dlg, char digit) {
  std::string& entry = dlg.m_strEntry;
  const bool loneZero = !StartsWith(entry, "0.") && StartsWith(entry, "0");
  if (digit == '0' && loneZero) {
    entry = "0";
  } else {
    if (loneZero) entry.erase(0, 1);
    entry += digit;
  }
  ShowEntry(dlg);
}

// Field button: makes flag the only target and clears the entry.
void SelectField(CSkyCalcDlg& dlg, std::int32_t CSkyCalcDlg::*flag) {
  for (const FieldDef& field : kFields) dlg.*(field.flag) = 0;
  dlg.*flag = 1;
  ClearEntry(dlg);
}

// SET for one field: converts the entry, stores and shows it, or rejects it with the message.
bool StoreField(CSkyCalcDlg& dlg, IControlHost& host, const FieldDef& field) {
  double value = 0.0;
  std::string shown = dlg.m_strEntry;
  bool accepted = false;
  if (field.decimal) {
    shown = CompleteDecimalEntry(dlg.m_strEntry);
    value = TextToDouble(shown);
    shown += kDegreeSign;
    accepted = Accepts(field, value);
  } else {
    long long integer = 0;
    accepted = ParseEntryInteger(dlg.m_strEntry, integer) && Accepts(field, static_cast<double>(integer));
    value = static_cast<double>(integer);
  }
  if (!accepted) {
    ClearEntry(dlg);
    host.ShowMessage(field.message);
    return false;
  }
  field.store(dlg, value);
  (dlg.*(field.display)).SetWindowText(shown);
  return true;
}

// A list's current position, counted as the first entry when it has none or one beyond count.
int ListPosition(const CComboBox& list, std::size_t count) {
  const int position = list.GetCurSel();
  if (position < 0 || static_cast<std::size_t>(position) >= count) return 0;
  return position;
}

constexpr int kSunBody = 1;
constexpr int kEarthBody = 4;
constexpr int kPlutoBody = 10;
constexpr int kMoonBody = 11;

// The place the precise model gives outside its years: every readout dashes.
Place NoPlace() {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Place place;
  place.equatorial[0] = place.equatorial[1] = place.horizontal[0] = place.horizontal[1] = nan;
  return place;
}

// Planet list position 0-9 -> body number: the list starts with the Sun and never offers the Earth.
int PlanetBodyOfPosition(int position) {
  const int body = kSunBody + position;
  return body < kEarthBody ? body : body + 1;
}

// Checks one kind-of-body radio button (惑星, 恒星, 星座) and clears the other two.
void CheckKind(IControlHost& host, int kindId) {
  for (int id : {IDC_PLANET, IDC_STAR, IDC_CONSTELLATION}) host.SetCheck(id, id == kindId);
}

// Whether body is one the planet readout can compute (1-11 except the Earth).
bool IsPlanetBody(int body) { return body >= kSunBody && body <= kMoonBody && body != kEarthBody; }

}  // namespace

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

// Start-up: catalogues (each unreadable one reported, star first), reset, then the lists.
bool CSkyCalcDlg::OnInitDialog() {
  if (!LoadStarCatalog(StarCatalog, CatalogFolderFor(kStarCatalogFile, m_catalogFolders)))
    m_host.ShowMessage("恒星データファイルStarData.txtが読み込めません。");
  if (!LoadConstellationCatalog(ConstellationCatalog, CatalogFolderFor(kConstellationCatalogFile, m_catalogFolders)))
    m_host.ShowMessage("星座データファイルConstData.txtが読み込めません。");
  for (const FieldDef& field : kFields) this->*(field.flag) = 0;
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
  if (const int digit = DigitOfKey(id); digit > 0) {
    KeyDigit(*this, static_cast<char>('0' + digit));
    return true;
  }
  for (const FieldDef& field : kFields) {
    if (field.buttonId == id) {
      SelectField(*this, field.flag);
      return true;
    }
  }
  struct Route {
    int id;
    void (CSkyCalcDlg::*handler)();
  };
  static const Route kRoutes[] = {
      {IDC_DIGIT0, &CSkyCalcDlg::OnDigit0},
      {IDC_POINT, &CSkyCalcDlg::OnPoint},
      {IDC_SIGN, &CSkyCalcDlg::OnSign},
      {IDC_CLEAR, &CSkyCalcDlg::OnClearEntry},
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
      (this->*(route.handler))();
      return true;
    }
  }
  return false;
}

void CSkyCalcDlg::OnDigit0() { KeyDigit(*this, '0'); }
void CSkyCalcDlg::OnDigit1() { KeyDigit(*this, '1'); }
void CSkyCalcDlg::OnDigit2() { KeyDigit(*this, '2'); }
void CSkyCalcDlg::OnDigit3() { KeyDigit(*this, '3'); }
void CSkyCalcDlg::OnDigit4() { KeyDigit(*this, '4'); }
void CSkyCalcDlg::OnDigit5() { KeyDigit(*this, '5'); }
void CSkyCalcDlg::OnDigit6() { KeyDigit(*this, '6'); }
void CSkyCalcDlg::OnDigit7() { KeyDigit(*this, '7'); }
void CSkyCalcDlg::OnDigit8() { KeyDigit(*this, '8'); }
void CSkyCalcDlg::OnDigit9() { KeyDigit(*this, '9'); }

// Point key: one "." at most, only for longitude, latitude and azimuth.
void CSkyCalcDlg::OnPoint() {
  if ((m_bSelLongitude || m_bSelLatitude || m_bSelAzimuth) && m_strEntry.find('.') == std::string::npos)
    m_strEntry += '.';
  ShowEntry(*this);
}

// Sign key: toggles a leading "-" for year, longitude, latitude and zone hours; zero takes none.
void CSkyCalcDlg::OnSign() {
  if (m_bSelYear || m_bSelLongitude || m_bSelLatitude || m_bSelZoneHour) {
    if (m_strEntry.size() == 1 && StartsWith(m_strEntry, "0")) {
      // the lone zero stays unsigned
    } else if (StartsWith(m_strEntry, "-")) {
      m_strEntry.erase(0, 1);
    } else {
      m_strEntry.insert(0, "-");
    }
  }
  ShowEntry(*this);
}

void CSkyCalcDlg::OnClearEntry() { ClearEntry(*this); }

void CSkyCalcDlg::OnFieldYear() { SelectField(*this, &CSkyCalcDlg::m_bSelYear); }
void CSkyCalcDlg::OnFieldMonth() { SelectField(*this, &CSkyCalcDlg::m_bSelMonth); }
void CSkyCalcDlg::OnFieldDay() { SelectField(*this, &CSkyCalcDlg::m_bSelDay); }
void CSkyCalcDlg::OnFieldHour() { SelectField(*this, &CSkyCalcDlg::m_bSelHour); }
void CSkyCalcDlg::OnFieldMinute() { SelectField(*this, &CSkyCalcDlg::m_bSelMinute); }
void CSkyCalcDlg::OnFieldLongitude() { SelectField(*this, &CSkyCalcDlg::m_bSelLongitude); }
void CSkyCalcDlg::OnFieldLatitude() { SelectField(*this, &CSkyCalcDlg::m_bSelLatitude); }
void CSkyCalcDlg::OnFieldAzimuth() { SelectField(*this, &CSkyCalcDlg::m_bSelAzimuth); }
void CSkyCalcDlg::OnFieldZoneHour() { SelectField(*this, &CSkyCalcDlg::m_bSelZoneHour); }
void CSkyCalcDlg::OnFieldZoneMinute() { SelectField(*this, &CSkyCalcDlg::m_bSelZoneMinute); }

// SET: stores the entry into the target, recomputes the time readout and the
// position of the body chosen in the lists, and clears the entry.
void CSkyCalcDlg::OnSet() {
  for (const FieldDef& field : kFields) {
    if (this->*(field.flag)) {
      StoreField(*this, m_host, field);
      break;
    }
  }
  RefreshReadouts();
  ClearEntry(*this);
}

bool CSkyCalcDlg::StoreEntry(int fieldButtonId, const std::string& entry) {
  for (const FieldDef& field : kFields) {
    if (field.buttonId != fieldButtonId) continue;
    m_strEntry = entry;
    if (!StoreField(*this, m_host, field)) return false;  // refused: the entry is already cleared
    ClearEntry(*this);
    return true;
  }
  return false;
}

// The position follows the lists' current selections, as SET reads them; a
// kind of body with no radio button checked leaves the position readout as it is.
ReadoutValues CSkyCalcDlg::RefreshReadouts() {
  if (m_radJulianDay.GetCheck())
    ShowJulianDay();
  else
    ShowSiderealTime();
  ReadoutValues values;
  const bool shown = m_radPlanet.GetCheck() || m_host.IsChecked(IDC_STAR) || m_host.IsChecked(IDC_CONSTELLATION);
  if (m_radPlanet.GetCheck()) {
    const int body = PlanetBodyOfPosition(ListPosition(m_cmbPlanet, kPlanetNameCount));
    values.place = PlanetPlace(body);
    RefusePreciseYears(body == kPlutoBody);
  } else if (m_host.IsChecked(IDC_STAR))
    values.place = StarPlace(ListPosition(m_cmbStar, kStarCount));
  else if (m_host.IsChecked(IDC_CONSTELLATION))
    values.place = ConstellationPlace(ListPosition(m_cmbConstellation, kConstellationCount));
  if (shown && !m_radPlanet.GetCheck()) RefusePreciseYears(false);
  if (shown) ShowPosition(values.place.equatorial, values.place.horizontal);
  values.julianDay = m_dJulianDay;
  values.siderealTime = m_bPrecise ? PreciseSiderealTime(m_dJulianDay, static_cast<double>(m_fLongitude))
                                   : LocalSiderealTime(m_dJulianDay, static_cast<double>(m_fLongitude) * kDegToRad);
  return values;
}

int CSkyCalcDlg::CheckedBodyKind() const {
  for (int id : {IDC_PLANET, IDC_STAR, IDC_CONSTELLATION})
    if (m_host.IsChecked(id)) return id;
  return 0;
}

bool CSkyCalcDlg::RefusePreciseYears(bool pluto) {
  if (!m_bPrecise) return false;
  const char* message = PreciseYearsRefusal(m_nYear, pluto);
  if (message) m_host.ShowMessage(message);
  return message != nullptr;
}

void CSkyCalcDlg::SetPreciseModel(bool precise) {
  m_bPrecise = precise;
  if (m_radJulianDay.GetCheck())
    ShowJulianDay();
  else
    ShowSiderealTime();
  OnEquatorial();  // the remembered choice of the checked kind, in the frame chosen
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
  const double lst = m_bPrecise ? PreciseSiderealTime(m_dJulianDay, static_cast<double>(m_fLongitude))
                                : LocalSiderealTime(m_dJulianDay, static_cast<double>(m_fLongitude) * kDegToRad);
  m_stcTime.SetWindowText(FormatSiderealTime(lst));
}

Place CSkyCalcDlg::PlanetPlace(int body) {
  LocalTimeToJD(m_nYear, m_nMonth, m_nDay, m_nHour, m_nMinute, m_nZoneHour, m_nZoneMinute, m_dJulianDay);
  if (m_bPrecise) {
    const bool pluto = body == kPlutoBody;
    if (PreciseYearsRefusal(m_nYear, pluto)) return NoPlace();
    return PreciseBodyPlace(IsPlanetBody(body) ? body : kSunBody, m_dJulianDay, m_fLongitude, m_fLatitude,
                            m_fAzimuth);
  }
  const double lst = LocalSiderealTime(m_dJulianDay, static_cast<double>(m_fLongitude) * kDegToRad);
  Place place;
  // A body number no list position gives is computed as the Sun.
  GeocentricPlace(IsPlanetBody(body) ? body : kSunBody, m_dJulianDay, lst, static_cast<double>(m_fLatitude) * kDegToRad,
                  static_cast<double>(m_fAzimuth) * kDegToRad, place);
  return place;
}

// Place of one catalogue row for the stored instant and site; an index beyond the
// table is computed from the zero row of an unread catalogue.
static Place CatalogRowPlace(CSkyCalcDlg& dlg, const CatalogEntry table[], std::size_t count, int index) {
  LocalTimeToJD(dlg.m_nYear, dlg.m_nMonth, dlg.m_nDay, dlg.m_nHour, dlg.m_nMinute, dlg.m_nZoneHour,
                dlg.m_nZoneMinute, dlg.m_dJulianDay);
  const CatalogEntry row = index >= 0 && static_cast<std::size_t>(index) < count ? table[index] : CatalogEntry{};
  if (dlg.IsPreciseModel()) {
    if (PreciseYearsRefusal(dlg.m_nYear, false)) return NoPlace();
    return PreciseCatalogPlace(row.ra, row.dec, dlg.m_dJulianDay, dlg.m_fLongitude, dlg.m_fLatitude, dlg.m_fAzimuth);
  }
  Place place;
  CatalogPlace(dlg.m_dJulianDay, static_cast<double>(dlg.m_fLongitude) * kDegToRad,
               static_cast<double>(dlg.m_fLatitude) * kDegToRad, static_cast<double>(dlg.m_fAzimuth) * kDegToRad,
               row.ra * kDegToRad, row.dec * kDegToRad, place);
  return place;
}

Place CSkyCalcDlg::StarPlace(int index) { return CatalogRowPlace(*this, StarCatalog, kStarCount, index); }

Place CSkyCalcDlg::ConstellationPlace(int index) {
  return CatalogRowPlace(*this, ConstellationCatalog, kConstellationCount, index);
}

void CSkyCalcDlg::ShowPlanetPosition(int body) {
  const Place place = PlanetPlace(body);
  RefusePreciseYears(body == kPlutoBody);
  ShowPosition(place.equatorial, place.horizontal);
}

void CSkyCalcDlg::ShowStarPosition(int index) {
  const Place place = StarPlace(index);
  RefusePreciseYears(false);
  ShowPosition(place.equatorial, place.horizontal);
}

void CSkyCalcDlg::ShowConstellationPosition(int index) {
  const Place place = ConstellationPlace(index);
  RefusePreciseYears(false);
  ShowPosition(place.equatorial, place.horizontal);
}

// Writes a place into the two coordinate readouts in the frame the radio buttons choose.
void CSkyCalcDlg::ShowPosition(const double equatorial[2], const double horizontal[2]) {
  if (m_radEquatorial.GetCheck()) {
    m_stcRaAzm.SetWindowText(FormatRightAscension(equatorial[0]));
    m_stcDecAlt.SetWindowText(FormatDeclination(equatorial[1]));
  } else {
    m_stcRaAzm.SetWindowText(FormatAzimuth(horizontal[0]));
    m_stcDecAlt.SetWindowText(FormatAltitude(horizontal[1]));
  }
}

void CSkyCalcDlg::OnJulianDayMode() {
  if (m_radJulianDay.GetCheck()) ShowJulianDay();
}

void CSkyCalcDlg::OnSiderealMode() {
  if (m_host.IsChecked(IDC_SIDEREAL)) ShowSiderealTime();
}

// The remembered choice of the checked kind of body, shown again (in the frame now chosen).
void CSkyCalcDlg::OnEquatorial() {
  if (m_radPlanet.GetCheck())
    ShowPlanetPosition(g_nPlanetBody);
  else if (m_host.IsChecked(IDC_STAR))
    ShowStarPosition(g_nStarIndex);
  else if (m_host.IsChecked(IDC_CONSTELLATION))
    ShowConstellationPosition(g_nConstIndex);
}

void CSkyCalcDlg::OnHorizontal() { OnEquatorial(); }

void CSkyCalcDlg::OnSelPlanet() {
  CheckKind(m_host, IDC_PLANET);
  g_nPlanetBody = PlanetBodyOfPosition(ListPosition(m_cmbPlanet, kPlanetNameCount));
  ShowPlanetPosition(g_nPlanetBody);
}

void CSkyCalcDlg::OnSelStar() {
  CheckKind(m_host, IDC_STAR);
  g_nStarIndex = ListPosition(m_cmbStar, kStarCount);
  ShowStarPosition(g_nStarIndex);
}

void CSkyCalcDlg::OnSelConstellation() {
  CheckKind(m_host, IDC_CONSTELLATION);
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
  m_radJulianDay.SetCheck(true);
  m_radEquatorial.SetCheck(false);
  m_radPlanet.SetCheck(true);
  m_host.SetCheck(IDC_SIDEREAL, false);
  m_host.SetCheck(IDC_HORIZONTAL, true);
  m_host.SetCheck(IDC_STAR, false);
  m_host.SetCheck(IDC_CONSTELLATION, false);

  m_cmbPlanet.SetWindowText(PlanetNames[0]);
  m_cmbStar.SetWindowText(StarNames[0]);
  m_cmbConstellation.SetWindowText(ConstellationNames[0]);
  g_nPlanetBody = kSunBody;
  g_nStarIndex = 0;
  g_nConstIndex = 0;
  ClearEntry(*this);

  // One clock reading; month to minute lose a leading zero ("05" -> "5"), which is "%d".
  const ClockReading now = m_clock.Now();
  m_stcYear.SetWindowText(FormatText("%d", now.year));
  m_nYear = now.year;
  const struct {
    int value;
    CStatic CSkyCalcDlg::*display;
    std::uint8_t CSkyCalcDlg::*field;
  } clockFields[] = {{now.month, &CSkyCalcDlg::m_stcMonth, &CSkyCalcDlg::m_nMonth},
                     {now.day, &CSkyCalcDlg::m_stcDay, &CSkyCalcDlg::m_nDay},
                     {now.hour, &CSkyCalcDlg::m_stcHour, &CSkyCalcDlg::m_nHour},
                     {now.minute, &CSkyCalcDlg::m_stcMinute, &CSkyCalcDlg::m_nMinute}};
  for (const auto& clockField : clockFields) {
    (this->*(clockField.display)).SetWindowText(FormatText("%d", clockField.value));
    this->*(clockField.field) = NarrowToUint8(clockField.value);
  }

  // Stored site and zone, trusted as written: numbers taken as far as they go.
  for (const SiteSetting& setting : kSiteSettings) {
    const std::string text = m_store.ReadString(kSection, setting.name, setting.defaultText) + kDegreeSign;
    (this->*(setting.display)).SetWindowText(text);
    this->*(setting.field) = NarrowToFloat(TextToDouble(text));
  }
  const std::string zoneHour = m_store.ReadString(kSection, "SDHour", "9");
  m_stcZoneHour.SetWindowText(zoneHour);
  m_nZoneHour = NarrowToInt8(TextToLong(zoneHour));
  const std::string zoneMinute = m_store.ReadString(kSection, "SDMinute", "0");
  m_stcZoneMinute.SetWindowText(zoneMinute);
  m_nZoneMinute = NarrowToUint8(TextToLong(zoneMinute));

  ShowJulianDay();
  ShowPlanetPosition(kSunBody);
}

void CSkyCalcDlg::OnAllClear() { ResetCalculator(); }

// Close request: the site, azimuth origin and zone are written back.
void CSkyCalcDlg::OnClose() {
  for (const SiteSetting& setting : kSiteSettings)
    m_store.WriteString(kSection, setting.name, FormatSetting(this->*(setting.field)));
  m_store.WriteString(kSection, "SDHour", FormatText("%d", static_cast<int>(m_nZoneHour)));
  m_store.WriteString(kSection, "SDMinute", FormatText("%d", static_cast<int>(m_nZoneMinute)));
}

}  // namespace skycalc
