#include "app/sky_chart_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtMath>
#include <cmath>
#include <utility>

#include "app/display_list_painter.h"
#include "panel/chart_box.h"
#include "panel/sky_calc_dlg.h"
#include "panel/svg_writer.h"

namespace skycalc {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

CSkyChartView::CSkyChartView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 240);
  setMouseTracking(true);
}

void CSkyChartView::SetChart(SkyChart chart) {
  m_chart = std::move(chart);
  update();
}

void CSkyChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(m_chart.list.background.r, m_chart.list.background.g, m_chart.list.background.b));
  PaintDisplayList(painter, m_chart.list, QRectF(rect()));
}

QPointF CSkyChartView::BoxPoint(const QPointF& at) const {
  return DisplayListTransform(m_chart.list, QRectF(rect())).inverted().map(at);
}

double CSkyChartView::AngleAt(const QPointF& at) const {
  const QPointF box = BoxPoint(at);
  return qRadiansToDegrees(std::atan2(box.x() - m_chart.projection.centreX, box.y() - m_chart.projection.centreY));
}

void CSkyChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  m_dragging = true;
  m_moved = false;
  m_pressAt = event->position();
  m_lastAngle = AngleAt(m_pressAt);
}

void CSkyChartView::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging) return;
  if (!m_moved && QLineF(m_pressAt, event->position()).length() < kChartDragThreshold) return;
  m_moved = true;
  const double angle = AngleAt(event->position());
  double turn = angle - m_lastAngle;
  if (turn > 180.0) turn -= 360.0;
  if (turn < -180.0) turn += 360.0;
  m_lastAngle = angle;
  if (turn != 0.0) emit Turned(turn);
}

void CSkyChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_dragging) return QWidget::mouseReleaseEvent(event);
  m_dragging = false;
  if (m_moved) return;
  const QPointF box = BoxPoint(event->position());
  const int object = ChosenObjectAt(m_chart.list, box.x(), box.y(), kChartClickReach * m_chart.list.width / kChartUnitsWide);
  if (object >= 0) emit ObjectClicked(object);
}

bool CSkyChartView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QPointF box = BoxPoint(help->pos());
    const int object = ChosenObjectAt(m_chart.list, box.x(), box.y(), kChartClickReach * m_chart.list.width / kChartUnitsWide);
    if (object >= 0) {
      QToolTip::showText(help->globalPos(), QString::fromStdString(ObjectTitle(m_chart.list.objects[object])), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

CSkyChartDlg::CSkyChartDlg(const CSkyCalcDlg& calculator, ChartData data, std::function<void(int, int)> choose,
                           QWidget* parent)
    : QDialog(parent), m_calculator(calculator), m_data(std::move(data)), m_choose(std::move(choose)) {
  const ChartBoxTexts& texts = kChartBoxTexts;
  setWindowTitle(Utf8(texts.caption));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);

  auto* timeRow = new QHBoxLayout;
  for (const ChartTimeStep& step : kChartTimeSteps) {
    auto* button = new QPushButton(Utf8(step.text), this);
    button->setAutoDefault(false);
    const int minutes = step.minutes;
    connect(button, &QPushButton::clicked, this, [this, minutes] { Step(minutes); });
    timeRow->addWidget(button);
  }
  auto* reset = new QPushButton(Utf8(texts.reset), this);
  reset->setAutoDefault(false);
  connect(reset, &QPushButton::clicked, this, [this] { Step(-m_options.offsetMinutes); });
  timeRow->addWidget(reset);
  timeRow->addStretch();
  layout->addLayout(timeRow);

  auto* viewRow = new QHBoxLayout;
  viewRow->addWidget(new QLabel(Utf8(texts.facingLabel), this));
  m_facing = new QComboBox(this);
  for (const ChartFacing& f : kChartFacings) m_facing->addItem(Utf8(f.text));
  m_facing->setCurrentIndex(kChartSouthFacing);
  connect(m_facing, &QComboBox::activated, this, [this](int index) { SetFacing(kChartFacings[index].azimuth); });
  viewRow->addWidget(m_facing);
  auto* whole = new QPushButton(Utf8(texts.whole), this);
  whole->setAutoDefault(false);
  connect(whole, &QPushButton::clicked, this, [this] {
    m_facing->setCurrentIndex(kChartSouthFacing);
    SetFacing(kChartFacings[kChartSouthFacing].azimuth);
  });
  viewRow->addWidget(whole);
  auto* ecliptic = new QCheckBox(Utf8(texts.ecliptic), this);
  ecliptic->setChecked(m_options.ecliptic);
  connect(ecliptic, &QCheckBox::toggled, this, [this](bool on) {
    m_options.ecliptic = on;
    Refresh();
  });
  viewRow->addWidget(ecliptic);
  auto* equator = new QCheckBox(Utf8(texts.equator), this);
  equator->setChecked(m_options.equator);
  connect(equator, &QCheckBox::toggled, this, [this](bool on) {
    m_options.equator = on;
    Refresh();
  });
  viewRow->addWidget(equator);
  viewRow->addStretch();
  layout->addLayout(viewRow);

  m_view = new CSkyChartView(this);
  layout->addWidget(m_view, 1);
  connect(m_view, &CSkyChartView::Turned, this, [this](double degrees) {
    m_facing->setCurrentIndex(-1);
    SetFacing(m_options.facing - degrees);
  });
  connect(m_view, &CSkyChartView::ObjectClicked, this, [this](int object) {
    const DisplayObject& o = m_view->Chart().list.objects[object];
    m_choose(o.listId, o.listIndex);
    Refresh();
  });
  resize(640, 720);
  Refresh();
}

void CSkyChartDlg::Refresh() {
  m_view->SetChart(MakeSkyChart(m_calculator.CurrentObservation(), m_data, m_options, 800.0));
}

void CSkyChartDlg::Step(int minutes) {
  m_options.offsetMinutes += minutes;
  Refresh();
}

void CSkyChartDlg::SetFacing(double facing) {
  facing = std::fmod(facing, 360.0);
  m_options.facing = facing < 0.0 ? facing + 360.0 : facing;
  Refresh();
}

}  // namespace skycalc
