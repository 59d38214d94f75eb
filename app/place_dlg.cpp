#include "app/place_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QTreeWidget>
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
  m_list = new QTreeWidget(this);
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  QStringList headings;
  for (const std::string& heading : PlaceListHeadings()) headings << QString::fromStdString(heading);
  m_list->setHeaderLabels(headings);
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
  m_list->setMinimumHeight(m_list->fontMetrics().height() * 16);

  connect(m_search, &QLineEdit::textChanged, this, &CPlaceDlg::Filter);
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QTreeWidget::currentItemChanged, this,
          [buttons](QTreeWidgetItem* item) { buttons->button(QDialogButtonBox::Ok)->setEnabled(item != nullptr); });
  Filter();
  // Every column wide enough for its longest text (all places listed now).
  int width = 0;
  for (int column = 0; column < m_list->columnCount(); ++column) {
    m_list->resizeColumnToContents(column);
    width += m_list->columnWidth(column);
  }
  m_list->setMinimumWidth(width + m_list->frameWidth() * 2 + 24);
  m_search->setFocus(Qt::OtherFocusReason);
}

void CPlaceDlg::Filter() {
  m_list->clear();
  for (const int index : MatchPlaces(m_places, m_search->text().toStdString())) {
    QStringList texts;
    for (const std::string& text : PlaceListColumns(m_places[static_cast<std::size_t>(index)]))
      texts << QString::fromStdString(text);
    auto* item = new QTreeWidgetItem(m_list, texts);
    for (int column = 3; column < texts.size(); ++column) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(0, Qt::UserRole, index);
  }
  m_list->setCurrentItem(m_list->topLevelItem(0));
}

int CPlaceDlg::ChosenPlace() const {
  const QTreeWidgetItem* item = m_list->currentItem();
  return item == nullptr ? -1 : item->data(0, Qt::UserRole).toInt();
}

bool CPlaceDlg::WithZone() const { return m_zone->isChecked(); }

}  // namespace skycalc
