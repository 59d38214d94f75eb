#include "app/phenomena_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstring>

#include "app/dialog_units.h"

namespace skycalc {

namespace {

constexpr const char* kColumns[] = {"日付", "時刻", "天体", "現象", "数値", "位置", "意味"};
constexpr int kColumnCount = 7;
constexpr const char* kGroupNames[] = {"惑星", "月", "流星群"};
constexpr const char* kGroupKeys[] = {"planet", "moon", "meteor"};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CPhenomenaDlg::CPhenomenaDlg(const PhenomenaListResult& list, const std::string& title, QWidget* parent)
    : QDialog(parent), m_list(list) {
  setWindowTitle(QString::fromUtf8("天象"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFont(DialogFont());
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(Utf8(title), this);
  heading->setTextFormat(Qt::PlainText);
  heading->setObjectName(QStringLiteral("IDC_PHENOMENA_TITLE"));
  layout->addWidget(heading);
  auto* filters = new QHBoxLayout;
  for (int g = 0; g < 3; ++g) {
    m_groups[g] = new QCheckBox(QString::fromUtf8(kGroupNames[g]), this);
    m_groups[g]->setChecked(true);
    m_groups[g]->setObjectName(QString::fromLatin1("IDC_PHENOMENA_") + QString::fromLatin1(kGroupKeys[g]).toUpper());
    connect(m_groups[g], &QCheckBox::toggled, this, [this] {
      unsigned groups = 0;
      for (int k = 0; k < 3; ++k) groups |= m_groups[k]->isChecked() ? 1u << k : 0u;
      ShowGroups(groups);
    });
    filters->addWidget(m_groups[g]);
  }
  filters->addStretch();
  layout->addLayout(filters);
  m_table = new QTableWidget(0, kColumnCount, this);
  m_table->setObjectName(QStringLiteral("IDC_PHENOMENA_TABLE"));
  QStringList headers;
  for (const char* column : kColumns) headers << QString::fromUtf8(column);
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
  ShowGroups(kPhenomenaAll);
  // Wide enough for every column as laid out, tall enough for a month or so.
  int width = 0;
  for (int c = 0; c < kColumnCount; ++c) width += m_table->columnWidth(c);
  resize(width + 60, 480);
}

void CPhenomenaDlg::ShowGroups(unsigned groups) {
  m_table->setRowCount(0);
  for (const PhenomenaRow& row : m_list.rows) {
    int g = 0;
    while (g < 3 && std::strcmp(row.groupKey, kGroupKeys[g]) != 0) ++g;
    if (g == 3 || !(groups & (1u << g))) continue;
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    const std::string cells[kColumnCount] = {row.date, row.time, row.body, row.name, row.figure, row.detail, row.meaning};
    for (int c = 0; c < kColumnCount; ++c) m_table->setItem(r, c, new QTableWidgetItem(Utf8(cells[c])));
  }
  m_table->resizeColumnsToContents();
}

}  // namespace skycalc
