#include "app/phenomena_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialog_units.h"

namespace skycalc {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CPhenomenaDlg::CPhenomenaDlg(const PhenomenaListResult& list, std::int32_t year, int zoneMinutes, int zoneHour,
                             int zoneMinute, QWidget* parent)
    : QDialog(parent), m_year(year), m_zoneMinutes(zoneMinutes), m_zoneHour(zoneHour), m_zoneMinute(zoneMinute) {
  setWindowTitle(QString::fromUtf8("天象"));
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
  m_previous = new QPushButton(QString::fromUtf8("前年"), this);
  m_previous->setObjectName(QStringLiteral("IDC_PHENOMENA_PREVIOUS"));
  m_next = new QPushButton(QString::fromUtf8("翌年"), this);
  m_next->setObjectName(QStringLiteral("IDC_PHENOMENA_NEXT"));
  connect(m_previous, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(m_next, &QPushButton::clicked, this, [this] { Step(1); });
  heading->addWidget(m_previous);
  heading->addWidget(m_next);
  layout->addLayout(heading);
  auto* filters = new QHBoxLayout;
  for (int g = 0; g < kPhenomenaGroupCount; ++g) {
    m_groups[g] = new QCheckBox(QString::fromUtf8(kPhenomenaGroupNames[g]), this);
    m_groups[g]->setChecked(true);
    m_groups[g]->setObjectName(QString::fromLatin1("IDC_PHENOMENA_") +
                               QString::fromLatin1(kPhenomenaGroupKeys[g]).toUpper());
    connect(m_groups[g], &QCheckBox::toggled, this, [this] { ShowGroups(TickedGroups()); });
    filters->addWidget(m_groups[g]);
  }
  filters->addStretch();
  layout->addLayout(filters);
  m_table = new QTableWidget(0, kPhenomenaColumnCount, this);
  m_table->setObjectName(QStringLiteral("IDC_PHENOMENA_TABLE"));
  QStringList headers;
  for (const char* column : kPhenomenaColumns) headers << QString::fromUtf8(column);
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
  ShowYear(list, year);
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

void CPhenomenaDlg::ShowYear(const PhenomenaListResult& list, std::int32_t year) {
  m_list = list;
  m_year = year;
  m_title->setText(Utf8(PhenomenaTitle(year, m_zoneHour, m_zoneMinute)));
  m_previous->setEnabled(year > phenomena::kFirstYear);
  m_next->setEnabled(year < phenomena::kLastYear);
  ShowGroups(TickedGroups());
}

void CPhenomenaDlg::Step(int years) {
  const std::int32_t year = m_year + years;
  const PhenomenaListResult list = ListPhenomena({year, 1, m_zoneMinutes, kPhenomenaAll});
  if (list.refusal) return;
  ShowYear(list, year);
}

void CPhenomenaDlg::ShowGroups(unsigned groups) {
  m_table->setRowCount(0);
  for (const PhenomenaRow& row : m_list.rows) {
    if (!(groups & PhenomenaGroupOf(row))) continue;
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    const auto cells = PhenomenaCells(row);
    for (int c = 0; c < kPhenomenaColumnCount; ++c) m_table->setItem(r, c, new QTableWidgetItem(Utf8(cells[c])));
  }
  m_table->resizeColumnsToContents();
}

}  // namespace skycalc
