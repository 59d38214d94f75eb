#pragma once

#include <string>

#include "panel/control_host.h"

// Thin handles that bind a control member to its ID in the host window, the
// way a dialog framework's data exchange binds them.
namespace skycalc {

class CControlHandle {
 public:
  CControlHandle(IControlHost& host, int id) : m_host(host), m_id(id) {}

 protected:
  IControlHost& m_host;
  int m_id;
};

class CStatic : public CControlHandle {
 public:
  using CControlHandle::CControlHandle;
  void SetWindowText(const std::string& text) { m_host.SetText(m_id, text); }
};

class CButton : public CControlHandle {
 public:
  using CControlHandle::CControlHandle;
  void SetCheck(bool checked) { m_host.SetCheck(m_id, checked); }
};

class CComboBox : public CControlHandle {
 public:
  using CControlHandle::CControlHandle;
  void SetWindowText(const std::string& text) { m_host.SetListText(m_id, text); }
  int GetCurSel() const { return m_host.GetListSelection(m_id); }
  bool AddString(const std::string& text) { return m_host.AddListEntry(m_id, text); }
};

}  // namespace skycalc
