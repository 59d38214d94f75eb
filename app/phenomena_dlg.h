#pragma once

#include <QDialog>
#include <string>

#include "panel/phenomena_list.h"

class QCheckBox;
class QTableWidget;

namespace skycalc {

// The 天象 box: the sky events of the stored year in the stored zone, one a
// row (日付, 時刻, 天体, 現象, 数値, 位置, 意味), with 惑星, 月 and 流星群 to
// show or hide each group; OK, Esc or the close box end it. It lays out the
// texts of the list as they come.
class CPhenomenaDlg : public QDialog {
  Q_OBJECT

 public:
  // list: every group of the year; title: "2026年の天象　標準時 9時0分".
  CPhenomenaDlg(const PhenomenaListResult& list, const std::string& title, QWidget* parent = nullptr);

  // The table's rows for the groups ticked (kPhenomenaPlanets | ...).
  void ShowGroups(unsigned groups);
  QTableWidget* Table() const { return m_table; }

 private:
  PhenomenaListResult m_list;
  QTableWidget* m_table;
  QCheckBox* m_groups[3];
};

}  // namespace skycalc
