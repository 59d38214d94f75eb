#include "app/almanac_dlg.h"

#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <cmath>

#include "app/dialog_units.h"
#include "astro/almanac/holidays.h"
#include "astro/time/julian_day.h"

namespace skycalc {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfSynodicMonth = 29.530589 / 2;  // days
constexpr int kWeeks = 6;
// A cell's texts: the day, the age, the lunar date, the 六曜, then the events.
constexpr int kRokuyo = 3, kFirstEvent = 4;

const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
const QColor kSundayColour(0xc0, 0x00, 0x00);
const QColor kSaturdayColour(0x00, 0x40, 0xc0);
const QColor kEventColour(0x90, 0x30, 0x00);

// The box's size and its controls in dialog units.
constexpr QSize kBoxSize(380, 366);
const QRect kTitleRect(11, 10, 180, 10);
const QRect kPreviousRect(214, 7, 50, 14);
const QRect kNextRect(268, 7, 50, 14);
const QRect kOkRect(322, 7, 50, 14);
const QRect kGridRect(8, 26, 364, 264);
constexpr int kEventColumns = 3;
const QRect kEventsRect(11, 294, 119, 36);  // the first column; the others follow at kEventsStep
constexpr int kEventsStep = 121;
const QRect kNoteRect(11, 334, 358, 26);

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// 0 Sunday to 6 Saturday, of a date of the calculator's calendar.
int Weekday(const almanac::LocalDate& date) {
  const double jd = CalendarToJD(date.year, date.month, date.day);  // 0h, so x.5
  return static_cast<int>(std::fmod(std::floor(jd + 1.5), 7.0) + 7) % 7;
}

// "旧2/2", "旧閏11/30"
QString LunarText(const almanac::LunarDate& date) {
  const QString leap = date.leap ? QString::fromUtf8("閏") : QString();
  return QString::fromUtf8("旧%1%2/%3").arg(leap).arg(date.month).arg(date.day);
}

// "20日 春分 23:46", "17日 彼岸の入り"
QString EventLine(const almanac::Event& event) {
  QString line = QString::fromUtf8("%1日 %2").arg(event.date.day).arg(Utf8(event.name));
  if (event.hasTime) line += QString::asprintf(" %02d:%02d", event.hour, event.minute);
  return line;
}

// The Moon's disc in box, dark, with its lit part: the bright limb a half
// circle on the Sun's side, the terminator a half ellipse whose half-width is
// |2 fraction - 1| of the radius, bulging to the dark side past half lit.
void DrawMoon(QPainter& painter, const QRectF& box, double fraction, bool waxing) {
  painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8));
  painter.setBrush(QColor(0x48, 0x48, 0x50));
  painter.drawEllipse(box);
  const double r = box.width() / 2, side = waxing ? 1 : -1, bulge = 2 * fraction - 1;
  const QPointF centre = box.center();
  constexpr int kSteps = 24;
  QPolygonF lit;
  for (int i = 0; i <= kSteps; ++i) {  // the limb, top to bottom
    const double t = kPi * i / kSteps;
    lit << centre + QPointF(side * r * std::sin(t), -r * std::cos(t));
  }
  for (int i = 0; i <= kSteps; ++i) {  // the terminator, bottom to top
    const double t = kPi * i / kSteps;
    lit << centre + QPointF(-side * bulge * r * std::sin(t), r * std::cos(t));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xf6, 0xdc, 0x60));
  painter.drawPolygon(lit);
}

}  // namespace

CMonthGridView::CMonthGridView(QWidget* parent) : QWidget(parent) {}

void CMonthGridView::SetMonth(const almanac::MonthGrid& grid) {
  m_cells.clear();
  if (!grid.days.empty()) {
    // The days run on without gaps in the week, even across the 1582 reform.
    const int first = Weekday(grid.days.front().date);
    for (std::size_t i = 0; i < grid.days.size(); ++i) {
      const almanac::Day& day = grid.days[i];
      Cell cell;
      cell.day = day.date.day;
      cell.slot = first + static_cast<int>(i);
      cell.fraction = day.illuminatedFraction;
      cell.waxing = day.moonAgeNoon < kHalfSynodicMonth;
      cell.texts << QString::number(day.date.day) << QString::asprintf("%.1f", day.moonAgeNoon) << LunarText(day.lunar)
                 << Utf8(day.rokuyo);
      for (const almanac::Event& event : day.events) cell.texts << Utf8(event.name);
      if (!day.holiday.empty()) cell.holiday = Utf8(almanac::HolidayLabel(day.holiday, day.holidayPlanned));
      m_cells.push_back(cell);
    }
  }
  update();
}

QStringList CMonthGridView::CellTexts(int day) const {
  for (const Cell& cell : m_cells) {
    if (cell.day == day) return cell.holiday.isEmpty() ? cell.texts : cell.texts + QStringList{cell.holiday};
  }
  return {};
}

QColor CMonthGridView::ColourOf(const Cell& cell) const {
  const int weekday = cell.slot % 7;
  return weekday == 0 || !cell.holiday.isEmpty() ? kSundayColour
         : weekday == 6                          ? kSaturdayColour
                                                 : palette().color(QPalette::WindowText);
}

QColor CMonthGridView::DayColour(int day) const {
  for (const Cell& cell : m_cells) {
    if (cell.day == day) return ColourOf(cell);
  }
  return palette().color(QPalette::WindowText);
}

void CMonthGridView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  const int header = line + 4;
  const double w = (width() - 1) / 7.0, h = (height() - 1 - header) / static_cast<double>(kWeeks);
  const QColor grey(0xa0, 0xa0, 0xa0);
  const auto colourOf = [this](int weekday) {
    return weekday == 0 ? kSundayColour : weekday == 6 ? kSaturdayColour : palette().color(QPalette::WindowText);
  };

  painter.fillRect(QRectF(0, 0, width(), height()), Qt::white);
  painter.fillRect(QRectF(0, 0, width(), header), QColor(0xe8, 0xe8, 0xe8));
  for (int d = 0; d < 7; ++d) {
    painter.setPen(colourOf(d));
    painter.drawText(QRectF(d * w, 0, w, header), Qt::AlignCenter, QString::fromUtf8(kWeekdays[d]));
  }
  painter.setPen(QPen(grey, 1));
  for (int d = 0; d <= 7; ++d) painter.drawLine(QPointF(d * w + 0.5, 0), QPointF(d * w + 0.5, height()));
  painter.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
  for (int k = 0; k <= kWeeks; ++k) {
    painter.drawLine(QPointF(0, header + k * h + 0.5), QPointF(width(), header + k * h + 0.5));
  }

  const int pad = 3;
  for (const Cell& cell : m_cells) {
    const QRectF box((cell.slot % 7) * w, header + (cell.slot / 7) * h, w, h);
    const QRectF inner = box.adjusted(pad + 1, 2, -pad, -1);
    painter.save();
    painter.setClipRect(inner);
    const double moon = 2 * line - 4;
    DrawMoon(painter, QRectF(inner.right() - moon, inner.top() + 2, moon, moon), cell.fraction, cell.waxing);
    const auto row = [&](int i, double indent) {
      return QRectF(inner.left() + indent, inner.top() + i * line, inner.width() - indent, line);
    };
    // The day in bold with its 六曜 beside it, the age and the lunar date below.
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(ColourOf(cell));
    painter.drawText(row(0, 0), Qt::AlignLeft | Qt::AlignVCenter, cell.texts[0]);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const double rokuyoIndent = QFontMetrics(bold).horizontalAdvance(cell.texts[0]) + line / 3;
    painter.drawText(row(0, rokuyoIndent), Qt::AlignLeft | Qt::AlignVCenter, cell.texts[kRokuyo]);
    for (int i = 1; i < kRokuyo; ++i) painter.drawText(row(i, 0), Qt::AlignLeft | Qt::AlignVCenter, cell.texts[i]);
    // The holiday in red, then the events run on over the rest of the cell, wrapped.
    double top = kRokuyo * line;
    if (!cell.holiday.isEmpty()) {
      QRectF used;
      painter.setPen(kSundayColour);
      painter.drawText(inner.adjusted(0, top, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, cell.holiday,
                       &used);
      top += used.height();
    }
    painter.setPen(kEventColour);
    painter.drawText(inner.adjusted(0, top, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     cell.texts.mid(kFirstEvent).join(QLatin1Char(' ')));
    painter.restore();
  }
}

CAlmanacDlg::CAlmanacDlg(const almanac::MonthGrid& grid, int zoneMinutes, const QString& zone, QWidget* parent)
    : QDialog(parent), m_zoneMinutes(zoneMinutes), m_zone(zone) {
  setWindowTitle(QString::fromUtf8("暦"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  // Every control is placed in dialog units first, then converted together.
  const auto label = [this](const char* name, const QRect& units) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(units);
    return l;
  };
  const auto button = [this](const char* name, const char* text, const QRect& units) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(units);
    return b;
  };
  m_title = label("IDC_ALMANAC_MONTH", kTitleRect);
  m_previous = button("IDC_ALMANAC_PREVIOUS", "前月", kPreviousRect);
  m_next = button("IDC_ALMANAC_NEXT", "翌月", kNextRect);
  QPushButton* ok = button("IDOK", "OK", kOkRect);
  ok->setDefault(true);
  m_view = new CMonthGridView(this);
  m_view->setObjectName(QStringLiteral("IDC_ALMANAC_GRID"));
  m_view->setGeometry(kGridRect);
  for (int c = 0; c < kEventColumns; ++c) {
    const QByteArray name = "IDC_ALMANAC_EVENTS" + QByteArray::number(c + 1);
    m_eventColumns.push_back(label(name.constData(), kEventsRect.translated(c * kEventsStep, 0)));
  }
  m_note = label("IDC_ALMANAC_NOTE", kNoteRect);
  m_note->setWordWrap(true);
  ApplyDialogUnits(this, kBoxSize);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_previous, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(m_next, &QPushButton::clicked, this, [this] { Step(1); });
  Show(grid);
}

void CAlmanacDlg::Show(const almanac::MonthGrid& grid) {
  m_year = grid.year;
  m_month = grid.month;
  m_title->setText(QString::fromUtf8("%1年%2月　%3").arg(grid.year).arg(grid.month).arg(m_zone));
  m_view->SetMonth(grid);
  QStringList lines;
  for (const almanac::Day& day : grid.days) {
    for (const almanac::Event& event : day.events) lines << EventLine(event);
  }
  // Column by column, as many lines in each as the longest needs.
  const int perColumn = (static_cast<int>(lines.size()) + kEventColumns - 1) / kEventColumns;
  for (int c = 0; c < kEventColumns; ++c) {
    m_eventColumns[c]->setText(lines.mid(c * perColumn, perColumn).join(QLatin1Char('\n')));
  }
  QString note = QString::fromUtf8(almanac::kLunarNote);
  if (grid.lunarUncertain) note += QLatin1Char('\n') + QString::fromUtf8(almanac::kLunarUncertainNote);
  m_note->setText(note);
  m_previous->setEnabled(!(m_year == almanac::kFirstYear && m_month == 1));
  m_next->setEnabled(!(m_year == almanac::kLastYear && m_month == 12));
}

void CAlmanacDlg::Step(int months) {
  const int index = m_year * 12 + (m_month - 1) + months;
  const std::vector<almanac::MonthGrid> grids = almanac::Months(index / 12, index % 12 + 1, 1, m_zoneMinutes);
  if (grids.empty() || grids.front().status != almanac::Status::kOk) return;
  Show(grids.front());
}

}  // namespace skycalc
