#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "panel/control_host.h"

// A window without a toolkit: remembers every text, check, list and message.
// The tests and the command-line tool drive the calculator through it.
namespace skycalc {

class MemoryHost : public IControlHost {
 public:
  // IControlHost
  void SetText(int id, const std::string& text) override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void SetListText(int id, const std::string& text) override;
  int GetListSelection(int id) const override;
  bool AddListEntry(int id, const std::string& text) override;
  void ShowMessage(const std::string& text) override;

  // Driver side.
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
  // (time mode, coordinate system, kind of body) are cleared. The caller then
  // runs the click handler.
  void ClickRadio(int id);

  // Every message box shown, in order.
  std::vector<std::string> messages;
  // Every SetText call, in order, as (id, text).
  std::vector<std::pair<int, std::string>> textLog;
  // Number of entries a list accepts before it refuses more.
  std::size_t listCapacity = static_cast<std::size_t>(-1);

 private:
  std::map<int, std::string> m_texts;
  std::map<int, bool> m_checks;
  std::map<int, std::string> m_listTexts;
  std::map<int, int> m_listSelections;
  std::map<int, std::vector<std::string>> m_listEntries;
};

}  // namespace skycalc
