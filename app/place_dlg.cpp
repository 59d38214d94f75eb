#include "app/place_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "panel/places_view.h"

namespace skycalc {

CPlaceDlg::CPlaceDlg(const std::vector<PlaceEntry>& places, bool withZone, QWidget* parent)
    : QDialog(parent), m_places(places) {
  setWindowTitle(QString::fromUtf8("地点"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QString::fromUtf8("地点を選ぶと経度・緯度を設定します。"), this);
  m_search = new QLineEdit(this);
  m_search->setPlaceholderText(QString::fromUtf8("読み・漢字・ローマ字で検索 (さっぽろ, 札幌, Sapporo)"));
  m_search->setClearButtonEnabled(true);
  m_list = new QListWidget(this);
  m_zone = new QCheckBox(QString::fromUtf8("標準時(標時・標分)も設定する(&Z)"), this);
  m_zone->setChecked(withZone);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("設定"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("IDOK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
  layout->addWidget(label);
  layout->addWidget(m_search);
  layout->addWidget(m_list);
  layout->addWidget(m_zone);
  layout->addWidget(buttons);
  label->setBuddy(m_search);
  // Wide enough for the longest row at the list's font.
  int width = 0;
  for (const PlaceEntry& place : places)
    width = std::max(width, m_list->fontMetrics().horizontalAdvance(QString::fromStdString(PlaceListRow(place))));
  m_list->setMinimumWidth(width + 40);
  m_list->setMinimumHeight(m_list->fontMetrics().height() * 16);

  connect(m_search, &QLineEdit::textChanged, this, &CPlaceDlg::Filter);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::currentRowChanged, this,
          [buttons](int row) { buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });
  Filter();
  m_search->setFocus(Qt::OtherFocusReason);
}

void CPlaceDlg::Filter() {
  m_list->clear();
  for (const int index : MatchPlaces(m_places, m_search->text().toStdString())) {
    auto* item = new QListWidgetItem(QString::fromStdString(PlaceListRow(m_places[static_cast<std::size_t>(index)])));
    item->setData(Qt::UserRole, index);
    m_list->addItem(item);
  }
  m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
}

int CPlaceDlg::ChosenPlace() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item == nullptr ? -1 : item->data(Qt::UserRole).toInt();
}

bool CPlaceDlg::WithZone() const { return m_zone->isChecked(); }

}  // namespace skycalc
