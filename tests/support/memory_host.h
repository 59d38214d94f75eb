#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "panel/control_host.h"

// A window without a toolkit: holds the current text, check, list and
// selection of each control and the messages shown. The tests, benchmarks and
// fuzz targets drive the calculator through it; it keeps no history of texts,
// so a long run stays in constant memory.
namespace skycalc {

class MemoryHost : public IControlHost {
 public:
  // IControlHost
  void SetText(int id, const std::string& text) override;
  void SetCheck(int id, bool checked) override;
  void SetListText(int id, const std::string& text) override;
  int GetListSelection(int id) const override;
  bool AddListEntry(int id, const std::string& text) override;
  void ShowMessage(const std::string& text) override;

  // Driver side.
  // Whether a radio or field button is shown checked.
  bool IsChecked(int id) const;
  // Current text of a static text ("" when never set).
  std::string Text(int id) const;
  // Current text field of a list ("" when never set).
  std::string ListText(int id) const;
  // Entries added to a list, in order.
  const std::vector<std::string>& ListEntries(int id) const;
  // The user picks entry index of a list: the selection moves and the text
  // field shows that entry. The caller then runs the selection handler.
  void SelectListEntry(int id, int index);
  // The user clicks a radio button: it is checked and the others of its group
  // (time mode, coordinate system, kind of body, field buttons) are cleared;
  // an ID in none of these groups changes nothing. The caller then runs the
  // click handler.
  void ClickRadio(int id);

  // Every message box shown, in order (the driver empties it as it reads them).
  std::vector<std::string> messages;

 private:
  std::map<int, std::string> m_texts;
  std::map<int, bool> m_checks;
  std::map<int, std::string> m_listTexts;
  std::map<int, int> m_listSelections;
  std::map<int, std::vector<std::string>> m_listEntries;
};

}  // namespace skycalc
