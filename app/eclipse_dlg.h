#pragma once

#include <QDialog>
#include <QWidget>
#include <memory>
#include <string>

#include "panel/eclipse_list.h"

namespace Ui {
class EclipseDlg;
}

namespace skycalc {

// A small drawing of an eclipse at its maximum as seen from the site, the
// zenith up: the Moon's disc over the Sun's, or the Moon in the Earth's
// umbra and penumbra. Nothing is drawn for a solar eclipse not seen there.
class CEclipsePicture : public QWidget {
 public:
  explicit CEclipsePicture(QWidget* parent = nullptr);
  void SetEclipse(const eclipse::Eclipse* eclipse);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  eclipse::Eclipse m_eclipse;
  bool m_shown = false;
};

// The 日食・月食 box (form eclipse_dlg.ui): the eclipses of the stored year in
// a list, and for the one selected its magnitude, each contact's local time
// with the altitude and azimuth of the Sun or the Moon at the stored site,
// and the drawing; OK, Esc or the close box end it. It opens on the first
// eclipse seen from the site, or says that none is.
class CEclipseDlg : public QDialog {
  Q_OBJECT

 public:
  // title: the year; site: the site and zone line; zoneMinutes: the stored zone.
  CEclipseDlg(const EclipseListResult& list, const std::string& title, const std::string& site, int zoneMinutes,
              QWidget* parent = nullptr);
  ~CEclipseDlg() override;

  // Shows the circumstances of the row-th eclipse of the list.
  void ShowEclipse(int row);

 private:
  std::unique_ptr<Ui::EclipseDlg> m_ui;
  EclipseListResult m_list;
  int m_zoneMinutes;
  CEclipsePicture* m_picture;
};

}  // namespace skycalc
