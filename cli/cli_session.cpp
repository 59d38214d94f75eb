#include "cli/cli_session.h"

#include "panel/control_ids.h"

namespace skycalc {

namespace {

// Handler of each keypad key, indexed by KeypadKey.
using Handler = void (CSkyCalcDlg::*)();
constexpr Handler kKeyHandlers[] = {
    &CSkyCalcDlg::OnDigit0, &CSkyCalcDlg::OnDigit1, &CSkyCalcDlg::OnDigit2, &CSkyCalcDlg::OnDigit3,
    &CSkyCalcDlg::OnDigit4, &CSkyCalcDlg::OnDigit5, &CSkyCalcDlg::OnDigit6, &CSkyCalcDlg::OnDigit7,
    &CSkyCalcDlg::OnDigit8, &CSkyCalcDlg::OnDigit9, &CSkyCalcDlg::OnPoint,  &CSkyCalcDlg::OnSign};

// Field button handler of each field, in kCliFields order.
constexpr Handler kFieldHandlers[] = {
    &CSkyCalcDlg::OnFieldYear,      &CSkyCalcDlg::OnFieldMonth,    &CSkyCalcDlg::OnFieldDay,
    &CSkyCalcDlg::OnFieldHour,      &CSkyCalcDlg::OnFieldMinute,   &CSkyCalcDlg::OnFieldLongitude,
    &CSkyCalcDlg::OnFieldLatitude,  &CSkyCalcDlg::OnFieldAzimuth,  &CSkyCalcDlg::OnFieldZoneHour,
    &CSkyCalcDlg::OnFieldZoneMinute};

struct ListChoice {
  int listId;
  Handler onSelect;
};
// The list and its selection handler per BodyKind.
constexpr ListChoice kBodyLists[] = {
    {IDC_PLANETLIST, &CSkyCalcDlg::OnSelPlanet},
    {IDC_STARLIST, &CSkyCalcDlg::OnSelStar},
    {IDC_CONSTLIST, &CSkyCalcDlg::OnSelConstellation}};

}  // namespace

CliSession::CliSession(ISettingsStore& store, IClock& clock, const std::vector<std::string>& catalogFolders)
    : m_dlg(m_host, store, clock) {
  m_dlg.SetCatalogFolders(catalogFolders);
}

std::vector<std::string> CliSession::Start() {
  m_dlg.OnInitDialog();
  std::vector<std::string> messages = m_host.messages;
  m_host.messages.clear();
  return messages;
}

bool CliSession::ChooseBody(BodyKind kind, const std::string& text) {
  const ListChoice& list = kBodyLists[static_cast<int>(kind)];
  const int index = ResolveBody(kind, text, m_host.ListEntries(list.listId));
  if (index < 0) return false;
  m_host.SelectListEntry(list.listId, index);
  (m_dlg.*list.onSelect)();
  return true;
}

void CliSession::ChooseFrame(CliFrame frame) {
  if (frame == CliFrame::kEquatorial) {
    m_host.ClickRadio(IDC_EQUATORIAL);
    m_dlg.OnEquatorial();
  } else if (frame == CliFrame::kHorizontal) {
    m_host.ClickRadio(IDC_HORIZONTAL);
    m_dlg.OnHorizontal();
  }
}

void CliSession::ChooseTimeMode(CliTimeMode mode) {
  if (mode == CliTimeMode::kJulianDay) {
    m_host.ClickRadio(IDC_JULIANDAY);
    m_dlg.OnJulianDayMode();
  } else if (mode == CliTimeMode::kSidereal) {
    m_host.ClickRadio(IDC_SIDEREAL);
    m_dlg.OnSiderealMode();
  }
}

void CliSession::PressKey(KeypadKey key) { (m_dlg.*kKeyHandlers[static_cast<int>(key)])(); }

void CliSession::PressFieldButton(CliField field) { (m_dlg.*kFieldHandlers[static_cast<int>(field)])(); }

std::optional<std::string> CliSession::StoreField(CliField field, const std::string& text) {
  PressFieldButton(field);
  for (const KeypadKey key : KeypadSequence(text)) PressKey(key);
  const std::size_t before = m_host.messages.size();
  m_dlg.OnSet();
  if (m_host.messages.size() == before) return std::nullopt;
  return m_host.messages.back();
}

// A stepped date and time is a plain decimal, exactly the text the keypad
// would build, so it is stored as SET stores an entry, field by field in SET's
// order; the readouts are computed once, for the row.
std::optional<std::string> CliSession::StoreCivilTime(const CivilTime& to) {
  const CivilTime from = StoredCivilTime();
  const struct {
    int fieldButton;
    int from, to;
  } parts[] = {{IDC_FIELD_YEAR, from.year, to.year},   {IDC_FIELD_MONTH, from.month, to.month},
               {IDC_FIELD_DAY, from.day, to.day},      {IDC_FIELD_HOUR, from.hour, to.hour},
               {IDC_FIELD_MINUTE, from.minute, to.minute}};
  for (const auto& part : parts) {
    if (part.from == part.to) continue;
    if (!m_dlg.StoreEntry(part.fieldButton, std::to_string(part.to))) return m_host.messages.back();
  }
  return std::nullopt;
}

CivilTime CliSession::StoredCivilTime() const {
  return {m_dlg.m_nYear, m_dlg.m_nMonth, m_dlg.m_nDay, m_dlg.m_nHour, m_dlg.m_nMinute};
}

std::optional<std::string> CliSession::TakeMessage() {
  if (m_host.messages.empty()) return std::nullopt;
  std::string message = m_host.messages.back();
  m_host.messages.clear();
  return message;
}

std::optional<std::string> CliSession::ChoosePreciseModel(bool precise) {
  m_dlg.SetPreciseModel(precise);
  return TakeMessage();
}

std::optional<std::string> CliSession::Row(CliRow& row) {
  row.fields = {m_dlg.m_nYear,      m_dlg.m_nMonth,     m_dlg.m_nDay,      m_dlg.m_nHour,
                m_dlg.m_nMinute,    m_dlg.m_fLongitude, m_dlg.m_fLatitude, m_dlg.m_fAzimuth,
                m_dlg.m_nZoneHour,  m_dlg.m_nZoneMinute};
  const ReadoutValues values = m_dlg.RefreshReadouts();
  row.jd = values.julianDay;
  row.lst = values.siderealTime;
  row.place = values.place;
  row.timeText = m_host.Text(IDC_TIME);
  row.raAzmText = m_host.Text(IDC_RAAZM);
  row.decAltText = m_host.Text(IDC_DECALT);
  row.precise = m_dlg.IsPreciseModel();
  return TakeMessage();
}

}  // namespace skycalc
