#include "app/almanac_dlg.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/dialog_units.h"
#include "app/display_list_painter.h"
#include "ui_almanac_dlg.h"

namespace skycalc {

namespace {

// The colour classes' colours, and the events'.
const QColor kSundayColour(0xc0, 0x00, 0x00);
const QColor kSaturdayColour(0x00, 0x40, 0xc0);
const QColor kEventColour(0x90, 0x30, 0x00);

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CMonthGridView::CMonthGridView(QWidget* parent) : QWidget(parent) {}

void CMonthGridView::SetBox(const AlmanacBox& box) {
  m_box = box;
  update();
}

const AlmanacCell* CMonthGridView::CellOf(int day) const {
  for (const AlmanacCell& cell : m_box.cells) {
    if (cell.day != 0 && cell.day == day) return &cell;
  }
  return nullptr;
}

QStringList CMonthGridView::CellTexts(int day) const {
  const AlmanacCell* cell = CellOf(day);
  if (!cell) return {};
  QStringList texts{Utf8(cell->number), Utf8(cell->age), Utf8(cell->lunar), Utf8(cell->rokuyo)};
  for (const std::string& event : cell->events) texts << Utf8(event);
  if (!cell->holiday.empty()) texts << Utf8(cell->holiday);
  return texts;
}

QColor CMonthGridView::ColourOf(AlmanacDayColour colour) const {
  return colour == AlmanacDayColour::kSunday     ? kSundayColour
         : colour == AlmanacDayColour::kSaturday ? kSaturdayColour
                                                 : palette().color(QPalette::WindowText);
}

QColor CMonthGridView::DayColour(int day) const {
  const AlmanacCell* cell = CellOf(day);
  return ColourOf(cell ? cell->colour : AlmanacDayColour::kPlain);
}

void CMonthGridView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  const int header = line + 4;
  constexpr int kWeeks = kAlmanacCells / kAlmanacWeekLength;
  const double w = (width() - 1) / 7.0, h = (height() - 1 - header) / static_cast<double>(kWeeks);
  const QColor grey(0xa0, 0xa0, 0xa0);

  painter.fillRect(QRectF(0, 0, width(), height()), Qt::white);
  painter.fillRect(QRectF(0, 0, width(), header), QColor(0xe8, 0xe8, 0xe8));
  for (int d = 0; d < kAlmanacWeekLength; ++d) {
    painter.setPen(ColourOf(m_box.headColours[d]));
    painter.drawText(QRectF(d * w, 0, w, header), Qt::AlignCenter, Utf8(m_box.heads[d]));
  }
  painter.setPen(QPen(grey, 1));
  for (int d = 0; d <= 7; ++d) painter.drawLine(QPointF(d * w + 0.5, 0), QPointF(d * w + 0.5, height()));
  painter.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
  for (int k = 0; k <= kWeeks; ++k) {
    painter.drawLine(QPointF(0, header + k * h + 0.5), QPointF(width(), header + k * h + 0.5));
  }

  const int pad = 3;
  for (int slot = 0; slot < kAlmanacCells; ++slot) {
    const AlmanacCell& cell = m_box.cells[slot];
    if (cell.day == 0) continue;
    const QRectF box((slot % 7) * w, header + (slot / 7) * h, w, h);
    const QRectF inner = box.adjusted(pad + 1, 2, -pad, -1);
    painter.save();
    painter.setClipRect(inner);
    const double moon = 2 * line - 4;
    PaintDisplayList(painter, cell.moon, QRectF(inner.right() - moon, inner.top() + 2, moon, moon));
    const auto row = [&](int i, double indent) {
      return QRectF(inner.left() + indent, inner.top() + i * line, inner.width() - indent, line);
    };
    // The day in bold with its 六曜 beside it, the age and the lunar date below.
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(ColourOf(cell.colour));
    const QString number = Utf8(cell.number);
    painter.drawText(row(0, 0), Qt::AlignLeft | Qt::AlignVCenter, number);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const double rokuyoIndent = QFontMetrics(bold).horizontalAdvance(number) + line / 3;
    painter.drawText(row(0, rokuyoIndent), Qt::AlignLeft | Qt::AlignVCenter, Utf8(cell.rokuyo));
    painter.drawText(row(1, 0), Qt::AlignLeft | Qt::AlignVCenter, Utf8(cell.age));
    painter.drawText(row(2, 0), Qt::AlignLeft | Qt::AlignVCenter, Utf8(cell.lunar));
    // The holiday in red, then the events run on over the rest of the cell, wrapped.
    double top = 3 * line;
    if (!cell.holiday.empty()) {
      QRectF used;
      painter.setPen(kSundayColour);
      painter.drawText(inner.adjusted(0, top, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
                       Utf8(cell.holiday), &used);
      top += used.height();
    }
    painter.setPen(kEventColour);
    painter.drawText(inner.adjusted(0, top, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     Utf8(cell.eventsLine));
    painter.restore();
  }
}

CAlmanacDlg::CAlmanacDlg(AlmanacBoxMaker maker, const AlmanacBox& box, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AlmanacDlg>()), m_maker(std::move(maker)) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  ApplyDialogUnits(this, size());  // the form's size, in dialog units until converted
  m_view = new CMonthGridView(m_ui->IDC_ALMANAC_GRID);
  auto* layout = new QVBoxLayout(m_ui->IDC_ALMANAC_GRID);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_view);
  connect(m_ui->IDC_ALMANAC_PREVIOUS, &QPushButton::clicked, this,
          [this] { Step(m_box.previousYear, m_box.previousMonth); });
  connect(m_ui->IDC_ALMANAC_NEXT, &QPushButton::clicked, this, [this] { Step(m_box.nextYear, m_box.nextMonth); });
  Show(box);
}

CAlmanacDlg::~CAlmanacDlg() = default;

void CAlmanacDlg::Show(const AlmanacBox& box) {
  m_box = box;
  m_ui->IDC_ALMANAC_MONTH->setText(Utf8(box.title));
  m_view->SetBox(box);
  QLabel* const columns[kAlmanacEventColumns] = {m_ui->IDC_ALMANAC_EVENTS1, m_ui->IDC_ALMANAC_EVENTS2,
                                                  m_ui->IDC_ALMANAC_EVENTS3};
  for (int c = 0; c < kAlmanacEventColumns; ++c) columns[c]->setText(Utf8(box.eventColumns[c]));
  m_ui->IDC_ALMANAC_NOTE->setText(Utf8(box.note));
  m_ui->IDC_ALMANAC_PREVIOUS->setEnabled(box.previousEnabled);
  m_ui->IDC_ALMANAC_NEXT->setEnabled(box.nextEnabled);
}

void CAlmanacDlg::Step(int year, int month) {
  const AlmanacBox box = m_maker.Month(year, month);
  if (!box.refusal) Show(box);
}

}  // namespace skycalc
