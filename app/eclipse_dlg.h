#pragma once

#include <QDialog>
#include <QWidget>
#include <memory>

#include "panel/display_list.h"
#include "panel/eclipse_box.h"

namespace Ui {
class EclipseDlg;
}

namespace skycalc {

// A drawing of the panel's (DrawEclipse), the list's background filling the
// whole widget round the square picture.
class CEclipsePicture : public QWidget {
 public:
  explicit CEclipsePicture(QWidget* parent = nullptr);
  void SetPicture(const DisplayList& picture);
  const DisplayList& Picture() const { return m_picture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DisplayList m_picture;
};

// The 日食・月食 box (form eclipse_dlg.ui), as the panel describes it
// (EclipseBox): the eclipses of the stored year in a list, and for the one
// selected its lines of detail and its drawing; OK, Esc or the close box end
// it. It opens on the first eclipse seen from the site, or says that none is.
class CEclipseDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CEclipseDlg(EclipseBox box, QWidget* parent = nullptr);
  ~CEclipseDlg() override;

  // Shows the row-th eclipse of the list (-1: none).
  void ShowEclipse(int row);

 private:
  std::unique_ptr<Ui::EclipseDlg> m_ui;
  EclipseBox m_box;
  CEclipsePicture* m_picture;
};

}  // namespace skycalc
