#include "tests/support/headless_calculator.h"

#include "panel/control_ids.h"

namespace skycalc {

void RecordingHost::SetText(int id, const std::string& text) {
  MemoryHost::SetText(id, text);
  textLog.emplace_back(id, text);
}

bool RecordingHost::AddListEntry(int id, const std::string& text) {
  if (ListEntries(id).size() >= listCapacity) return false;
  return MemoryHost::AddListEntry(id, text);
}

HeadlessCalculator::HeadlessCalculator(const ClockReading& now) : clock(now) {}

void HeadlessCalculator::Open(const std::string& dataDir) { Open(std::vector<std::string>{dataDir}); }

void HeadlessCalculator::Open(const std::vector<std::string>& folders) {
  dlg.reset();
  const std::size_t capacity = host.listCapacity;
  host = RecordingHost();
  host.listCapacity = capacity;
  dlg = std::make_unique<CSkyCalcDlg>(host, store, clock);
  dlg->SetCatalogFolders(folders);
  dlg->Open();
}

void HeadlessCalculator::Press(int id) {
  host.ClickRadio(id);
  dlg->OnCommand(id);
}

void HeadlessCalculator::Key(int fieldButton, const std::string& number) {
  Press(fieldButton);
  for (const char c : number) {
    if (c == '.') dlg->OnCommand(IDC_POINT);
    if (c >= '0' && c <= '9') dlg->OnCommand(DigitKeyId(c - '0'));
  }
  if (!number.empty() && number[0] == '-') dlg->OnCommand(IDC_SIGN);
  dlg->OnCommand(IDC_SET);
}

void HeadlessCalculator::Select(int listId, int index) {
  host.SelectListEntry(listId, index);
  dlg->OnCommand(listId);
}

}  // namespace skycalc
