#pragma once

#include <QDialog>
#include <vector>

#include "catalog/places.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;

// The 地点 box: the table of places with a search field (reading, kanji,
// romanised name or region, as catalog/places.h matches them) and whether
// the place's zone is to be stored too. Accepted with a place chosen.
namespace skycalc {

class CPlaceDlg : public QDialog {
  Q_OBJECT

 public:
  CPlaceDlg(const std::vector<PlaceEntry>& places, bool withZone, QWidget* parent = nullptr);

  // The position in places of the place chosen, -1 for none.
  int ChosenPlace() const;
  bool WithZone() const;
  // The search field, the list and the zone box (for the tests).
  QLineEdit* Search() const { return m_search; }
  QTreeWidget* List() const { return m_list; }

 private:
  // Lists the places that match the search text, the first one current.
  void Filter();

  const std::vector<PlaceEntry>& m_places;
  QLineEdit* m_search;
  QTreeWidget* m_list;
  QCheckBox* m_zone;
};

}  // namespace skycalc
