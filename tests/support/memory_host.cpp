#include "tests/support/memory_host.h"

#include <initializer_list>

#include "panel/control_ids.h"

namespace skycalc {

namespace {

// Exclusive groups of radio buttons: time mode, coordinate system, kind of body, field buttons.
const std::initializer_list<int> kRadioGroups[] = {
    {IDC_JULIANDAY, IDC_SIDEREAL},
    {IDC_EQUATORIAL, IDC_HORIZONTAL},
    {IDC_PLANET, IDC_STAR, IDC_CONSTELLATION},
    {IDC_FIELD_YEAR, IDC_FIELD_MONTH, IDC_FIELD_DAY, IDC_FIELD_HOUR, IDC_FIELD_MINUTE, IDC_FIELD_BLANK1,
     IDC_FIELD_LONGITUDE, IDC_FIELD_LATITUDE, IDC_FIELD_AZIMUTH, IDC_FIELD_ZONEHOUR, IDC_FIELD_ZONEMINUTE,
     IDC_FIELD_BLANK2},
};

const std::vector<std::string> kNoEntries;

}  // namespace

void MemoryHost::SetText(int id, const std::string& text) {
  m_texts[id] = text;
}

void MemoryHost::SetCheck(int id, bool checked) { m_checks[id] = checked; }

bool MemoryHost::IsChecked(int id) const {
  const auto it = m_checks.find(id);
  return it != m_checks.end() && it->second;
}

void MemoryHost::SetListText(int id, const std::string& text) { m_listTexts[id] = text; }

int MemoryHost::GetListSelection(int id) const {
  const auto it = m_listSelections.find(id);
  return it == m_listSelections.end() ? -1 : it->second;
}

bool MemoryHost::AddListEntry(int id, const std::string& text) {
  m_listEntries[id].push_back(text);
  return true;
}

void MemoryHost::ShowMessage(const std::string& text) { messages.push_back(text); }

std::string MemoryHost::Text(int id) const {
  const auto it = m_texts.find(id);
  return it == m_texts.end() ? std::string() : it->second;
}

std::string MemoryHost::ListText(int id) const {
  const auto it = m_listTexts.find(id);
  return it == m_listTexts.end() ? std::string() : it->second;
}

const std::vector<std::string>& MemoryHost::ListEntries(int id) const {
  const auto it = m_listEntries.find(id);
  return it == m_listEntries.end() ? kNoEntries : it->second;
}

// An index beyond the entries leaves the list without a selection, as a list control does.
void MemoryHost::SelectListEntry(int id, int index) {
  const std::vector<std::string>& entries = ListEntries(id);
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
    m_listSelections[id] = -1;
    return;
  }
  m_listSelections[id] = index;
  m_listTexts[id] = entries[static_cast<std::size_t>(index)];
}

void MemoryHost::ClickRadio(int id) {
  for (const auto& group : kRadioGroups) {
    bool inGroup = false;
    for (int member : group) inGroup = inGroup || member == id;
    if (!inGroup) continue;
    for (int member : group) m_checks[member] = false;
    m_checks[id] = true;
  }
}

}  // namespace skycalc
