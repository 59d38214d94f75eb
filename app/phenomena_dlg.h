#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "panel/phenomena_box.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace skycalc {

// The 天象 box: the sky events of the stored year in the stored zone, one a
// row (日付, 時刻, 天体, 現象, 数値, 位置, 意味), with 惑星, 月 and 流星群 to
// show or hide each group and 前年 and 翌年 to step through the years of
// 1000-2999; OK, Esc or the close box end it. It lays out the texts of the
// list as they come.
class CPhenomenaDlg : public QDialog {
  Q_OBJECT

 public:
  // list: every group of year (no refusal); the zone east of Greenwich in
  // minutes, as ListPhenomena takes it, and as the title names it (hours, minutes).
  CPhenomenaDlg(const PhenomenaListResult& list, std::int32_t year, int zoneMinutes, int zoneHour, int zoneMinute,
                QWidget* parent = nullptr);

  // The table's rows for the groups ticked (kPhenomenaPlanets | ...).
  void ShowGroups(unsigned groups);
  QTableWidget* Table() const { return m_table; }

 private:
  // Shows box, with the groups ticked.
  void ShowYear(PhenomenaBox box);
  // Shows the year a step leads to.
  void Step(const BoxStep& step);
  unsigned TickedGroups() const;

  PhenomenaBox m_box;
  int m_zoneMinutes, m_zoneHour, m_zoneMinute;
  QLabel* m_title;
  QPushButton* m_previous;
  QPushButton* m_next;
  QTableWidget* m_table;
  QCheckBox* m_groups[kPhenomenaGroupCount];
};

}  // namespace skycalc
