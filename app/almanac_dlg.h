#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "panel/almanac_box.h"

namespace Ui {
class AlmanacDlg;
}

namespace skycalc {

// The 暦 box's calendar (AlmanacBox): a row of weekday heads over six weeks
// of cells; each day's cell holds its number (in its colour class) with its
// 六曜, the Moon icon, the age, the lunisolar date, the holiday in red and the
// day's events, wrapped.
class CMonthGridView : public QWidget {
  Q_OBJECT

 public:
  explicit CMonthGridView(QWidget* parent = nullptr);

  // Shows the heads and cells of box.
  void SetBox(const AlmanacBox& box);
  // The texts of the cell of day of month: its number, age, lunisolar date
  // and 六曜 (AlmanacCell), then each event's name, then the holiday's name;
  // empty for a day the month lacks.
  QStringList CellTexts(int day) const;
  // The colour of the day's number: red on Sundays and holidays, blue on
  // Saturdays, else the text colour.
  QColor DayColour(int day) const;
  // The cell of day of month as painted (its Moon icon the list drawn); nullptr for a day the month lacks.
  const AlmanacCell* CellOf(int day) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor ColourOf(AlmanacDayColour colour) const;
  AlmanacBox m_box;
};

// The 暦 box (form almanac_dlg.ui): one month of the almanac in the
// calculator's zone as the panel's AlmanacBox gives it, 前月 and 翌月 to step
// through the months it enables; OK, Esc or the close box end it.
class CAlmanacDlg : public QDialog {
  Q_OBJECT

 public:
  // maker: the boxes of the calculator's zone; box: the first month shown (no refusal).
  CAlmanacDlg(AlmanacBoxMaker maker, const AlmanacBox& box, QWidget* parent = nullptr);
  ~CAlmanacDlg() override;

  // The box shown.
  const AlmanacBox& Box() const { return m_box; }

 private:
  void Show(const AlmanacBox& box);
  // Shows the month year-month (a step the box enabled).
  void Step(int year, int month);

  std::unique_ptr<Ui::AlmanacDlg> m_ui;
  AlmanacBoxMaker m_maker;
  AlmanacBox m_box;
  CMonthGridView* m_view;
};

}  // namespace skycalc
