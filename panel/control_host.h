#pragma once

#include <string>

// What the calculator's logic needs from its window, by control ID. The Qt
// window, the command-line tool and the tests each provide one. Texts UTF-8.
namespace skycalc {

class IControlHost {
 public:
  virtual ~IControlHost() = default;
  // Sets the string of a static text (readouts, displays, entry).
  virtual void SetText(int id, const std::string& text) = 0;
  // Sets or clears the check of a radio button. The logic keeps which are
  // checked itself and never asks the window.
  virtual void SetCheck(int id, bool checked) = 0;
  // Sets a drop-down list's text field; selects nothing, notifies nothing.
  virtual void SetListText(int id, const std::string& text) = 0;
  // A list's current selection, or -1 when it has none.
  virtual int GetListSelection(int id) const = 0;
  // Appends an entry to a list; false when the list refuses it.
  virtual bool AddListEntry(int id, const std::string& text) = 0;
  // Shows a modal message box (application name as title, one OK) and waits.
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace skycalc
