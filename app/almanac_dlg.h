#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "astro/almanac/almanac.h"

class QLabel;
class QPushButton;

namespace skycalc {

// A month of the almanac drawn as a calendar: a row of weekday names (日 to
// 土) over six weeks of cells; each day's cell holds its number, the Moon's
// lit part at local noon (waxing lit on the right, as seen from the northern
// hemisphere), the 正午月齢, the 旧暦 date with its 六曜, Japan's holiday in
// red (its day too), and the names of the day's phases, solar terms and 雑節.
class CMonthGridView : public QWidget {
  Q_OBJECT

 public:
  explicit CMonthGridView(QWidget* parent = nullptr);

  // Shows the days of grid (an empty calendar for a grid without days).
  void SetMonth(const almanac::MonthGrid& grid);
  // The texts of the cell of day of month: "20", "1.3" (the age), "旧2/2",
  // "大安", then each event's name, then the holiday's name ("春分の日",
  // "春分の日(予定)") on a holiday; empty for a day the month lacks.
  QStringList CellTexts(int day) const;
  // The colour of the day's number: red on Sundays and holidays, blue on
  // Saturdays, else the text colour.
  QColor DayColour(int day) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Cell {
    int day = 0;
    int slot = 0;  // 0-41: week * 7 + weekday (0 Sunday)
    double fraction = 0;
    bool waxing = true;
    QStringList texts;
    QString holiday;  // the holiday's name as shown, empty if none
  };
  QColor ColourOf(const Cell& cell) const;
  std::vector<Cell> m_cells;
};

// The 暦 box: one month of the almanac in the calculator's zone, the month's
// events with their local times under the calendar, 前月 and 翌月 to step
// through the months of 1000-2999, and the note that 旧暦 and 六曜 are
// unofficial (with the 2033-2034 note where it applies); OK, Esc or the close
// box end it.
class CAlmanacDlg : public QDialog {
  Q_OBJECT

 public:
  // grid: the first month shown (status kOk); zoneMinutes: the zone east of
  // Greenwich, as almanac::Months takes it; zone: the zone line's text.
  CAlmanacDlg(const almanac::MonthGrid& grid, int zoneMinutes, const QString& zone, QWidget* parent = nullptr);

 private:
  // Shows grid and enables the steps that stay within the almanac's years.
  void Show(const almanac::MonthGrid& grid);
  // Moves months (-1 or +1) from the month shown.
  void Step(int months);

  int m_zoneMinutes;
  QString m_zone;
  int m_year = 0, m_month = 0;
  CMonthGridView* m_view;
  QLabel* m_title;
  std::vector<QLabel*> m_eventColumns;
  QLabel* m_note;
  QPushButton* m_previous;
  QPushButton* m_next;
};

}  // namespace skycalc
