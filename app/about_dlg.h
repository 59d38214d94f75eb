#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDlg;
}

namespace skycalc {

// The version box (form about_dlg.ui): the icon and the panel's AboutBox
// (caption, program name and version, four lines about the maker); OK, Esc
// or the close box end it.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  ~CAboutDlg() override;

 private:
  std::unique_ptr<Ui::AboutDlg> m_ui;
};

}  // namespace skycalc
