#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "panel/body_details.h"
#include "panel/day_events.h"

namespace Ui {
class RiseSetDlg;
}

namespace skycalc {

// The 出没時刻 box (form rise_set_dlg.ui): for one body and local day, 出,
// 南中 and 没 with their times and azimuth or altitude, "なし" where an event
// does not happen, "一日中地平線上" / "一日中地平線下" for a body that stays up or
// down, and for the Sun the three twilights; the convention of rise and set
// in one line; the block この時刻 with what the body looks like at the stored
// instant; OK, Esc or the close box end it.
class CRiseSetDlg : public QDialog {
  Q_OBJECT

 public:
  // title: the body and the date; site: the site and zone line; convention:
  // its line; moment: the stored time ("18:00") and moment the figures then.
  CRiseSetDlg(const LocalDayEvents& day, bool sun, const std::string& title, const std::string& site,
              const std::string& convention, const std::string& time, const BodyDetailsReadout& moment,
              QWidget* parent = nullptr);
  ~CRiseSetDlg() override;

 private:
  std::unique_ptr<Ui::RiseSetDlg> m_ui;
};

}  // namespace skycalc
