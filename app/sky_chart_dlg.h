#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

#include "catalog/chart_data.h"
#include "panel/sky_chart.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace skycalc {

class CSkyCalcDlg;

// The chart itself: fills the widget, turns with a drag, tells a click on a
// planet, a named star or a constellation name.
class CSkyChartView : public QWidget {
  Q_OBJECT

 public:
  explicit CSkyChartView(QWidget* parent = nullptr);
  void SetChart(SkyChart chart);
  const SkyChart& Chart() const { return m_chart; }
  QSize sizeHint() const override { return QSize(560, 560); }

 signals:
  // A click on object (index into the chart's objects) that a list offers.
  void ObjectClicked(int object);
  // A drag turned the chart by degrees (positive: the sky turns clockwise).
  void Turned(double degrees);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The box point under a widget point.
  QPointF BoxPoint(const QPointF& at) const;
  // The angle of a widget point about the chart's centre, degrees.
  double AngleAt(const QPointF& at) const;

  SkyChart m_chart;
  bool m_dragging = false;
  bool m_moved = false;
  QPointF m_pressAt;
  double m_lastAngle = 0.0;
};

// The 星図 box: the chart of the calculator's site and instant, stepped in
// time and turned without touching the calculator's fields; a click on a
// named object chooses it in the calculator as its list would.
class CSkyChartDlg : public QDialog {
  Q_OBJECT

 public:
  // choose(listId, index) picks an entry of a selection list in the calculator.
  CSkyChartDlg(const CSkyCalcDlg& calculator, ChartData data, std::function<void(int, int)> choose,
               QWidget* parent = nullptr);
  // Redraws from the calculator's current fields, choice and model.
  void Refresh();
  CSkyChartView* View() const { return m_view; }

 private:
  void Step(int minutes);
  void SetFacing(double facing);

  const CSkyCalcDlg& m_calculator;
  ChartData m_data;
  std::function<void(int, int)> m_choose;
  ChartView m_options;
  CSkyChartView* m_view = nullptr;
  QComboBox* m_facing = nullptr;
  QLabel* m_time = nullptr;
};

}  // namespace skycalc
