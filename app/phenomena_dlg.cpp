#include "app/phenomena_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/dialog_units.h"

namespace skycalc {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CPhenomenaDlg::CPhenomenaDlg(const PhenomenaListResult& list, std::int32_t year, int zoneMinutes, int zoneHour,
                             int zoneMinute, QWidget* parent)
    : QDialog(parent), m_zoneMinutes(zoneMinutes), m_zoneHour(zoneHour), m_zoneMinute(zoneMinute) {
  const PhenomenaBox box = MakePhenomenaBox(list, year, zoneHour, zoneMinute);
  setWindowTitle(Utf8(box.caption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFont(DialogFont());
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QHBoxLayout;
  m_title = new QLabel(this);
  m_title->setTextFormat(Qt::PlainText);
  m_title->setObjectName(QStringLiteral("IDC_PHENOMENA_TITLE"));
  heading->addWidget(m_title);
  heading->addStretch();
  m_previous = new QPushButton(Utf8(box.previous.text), this);
  m_previous->setObjectName(QStringLiteral("IDC_PHENOMENA_PREVIOUS"));
  m_next = new QPushButton(Utf8(box.next.text), this);
  m_next->setObjectName(QStringLiteral("IDC_PHENOMENA_NEXT"));
  connect(m_previous, &QPushButton::clicked, this, [this] { Step(m_box.previous); });
  connect(m_next, &QPushButton::clicked, this, [this] { Step(m_box.next); });
  heading->addWidget(m_previous);
  heading->addWidget(m_next);
  layout->addLayout(heading);
  auto* filters = new QHBoxLayout;
  for (int g = 0; g < kPhenomenaGroupCount; ++g) {
    m_groups[g] = new QCheckBox(QString::fromUtf8(box.groups[g].name), this);
    m_groups[g]->setChecked(true);
    m_groups[g]->setObjectName(QString::fromLatin1("IDC_PHENOMENA_") + QString::fromLatin1(box.groups[g].key).toUpper());
    connect(m_groups[g], &QCheckBox::toggled, this, [this] { ShowGroups(TickedGroups()); });
    filters->addWidget(m_groups[g]);
  }
  filters->addStretch();
  layout->addLayout(filters);
  m_table = new QTableWidget(0, kPhenomenaColumnCount, this);
  m_table->setObjectName(QStringLiteral("IDC_PHENOMENA_TABLE"));
  QStringList headers;
  for (const std::string& column : box.columns) headers << Utf8(column);
  m_table->setHorizontalHeaderLabels(headers);
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setWordWrap(false);
  layout->addWidget(m_table);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->setObjectName(QStringLiteral("IDC_PHENOMENA_BUTTONS"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  ShowYear(box);
  // Wide enough for every column as laid out, tall enough for a month or so.
  int width = 0;
  for (int c = 0; c < kPhenomenaColumnCount; ++c) width += m_table->columnWidth(c);
  resize(width + 60, 480);
}

unsigned CPhenomenaDlg::TickedGroups() const {
  unsigned groups = 0;
  for (int g = 0; g < kPhenomenaGroupCount; ++g) groups |= m_groups[g]->isChecked() ? 1u << g : 0u;
  return groups;
}

void CPhenomenaDlg::ShowYear(PhenomenaBox box) {
  m_box = std::move(box);
  m_title->setText(Utf8(m_box.title));
  m_previous->setEnabled(m_box.previous.enabled);
  m_next->setEnabled(m_box.next.enabled);
  ShowGroups(TickedGroups());
}

void CPhenomenaDlg::Step(const BoxStep& step) {
  if (!step.enabled) return;
  const PhenomenaListResult list = ListPhenomena({step.target, 1, m_zoneMinutes, kPhenomenaAll});
  if (list.refusal) return;
  ShowYear(MakePhenomenaBox(list, step.target, m_zoneHour, m_zoneMinute));
}

void CPhenomenaDlg::ShowGroups(unsigned groups) {
  m_table->setRowCount(0);
  for (const PhenomenaBoxRow& row : m_box.rows) {
    if (!(groups & row.group)) continue;
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    for (int c = 0; c < kPhenomenaColumnCount; ++c) m_table->setItem(r, c, new QTableWidgetItem(Utf8(row.cells[c])));
  }
  m_table->resizeColumnsToContents();
}

}  // namespace skycalc
