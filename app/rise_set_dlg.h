#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "astro/sky/day_table.h"
#include "panel/body_details.h"
#include "panel/day_events.h"
#include "panel/sky_calc_dlg.h"

namespace Ui {
class RiseSetDlg;
}

namespace skycalc {

// The 出没時刻 box (form rise_set_dlg.ui): for one body and local day, 出,
// 南中 and 没 with their times and azimuth or altitude, "なし" where an event
// does not happen, "一日中地平線上" / "一日中地平線下" for a body that stays up or
// down, how the azimuths count (方位は南から西回り), the note of a stored date
// the calendar does not have, and for the Sun the three twilights; the convention of rise and set
// in one line; the block この時刻 with what the body looks like at the stored
// instant; OK, Esc or the close box end it.
class CRiseSetDlg : public QDialog {
  Q_OBJECT

 public:
  // The events day of observation's target, seen from its site in its zone,
  // rise and set as convention defines them; then the convention's line and
  // what the target looks like at the stored time (この時刻).
  CRiseSetDlg(const Observation& observation, const sky::LocalDayEvents& day,
              const events::RiseSetConvention& convention, QWidget* parent = nullptr);
  ~CRiseSetDlg() override;

 private:
  std::unique_ptr<Ui::RiseSetDlg> m_ui;
};

}  // namespace skycalc
