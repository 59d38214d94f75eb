#pragma once

#include <QDialog>
#include <memory>

#include "panel/rise_set_box.h"

namespace Ui {
class RiseSetDlg;
}

namespace skycalc {

// The 出没時刻 box (form rise_set_dlg.ui) as the panel describes it
// (RiseSetBox): each label's text, the labels shown, and those moved up with
// the box's bottom when the twilights are hidden; OK, Esc or the close box end it.
class CRiseSetDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CRiseSetDlg(const RiseSetBox& box, QWidget* parent = nullptr);
  ~CRiseSetDlg() override;

 private:
  std::unique_ptr<Ui::RiseSetDlg> m_ui;
};

}  // namespace skycalc
