#include "app/display_list_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace skycalc {
namespace {

bool g_nightDrawing = false;

QColor ColourOf(const Rgba& c) { return NightColour(QColor(c.r, c.g, c.b, c.a)); }

QPen PenOf(const DisplayItem& item) {
  if (item.stroke.a == 0) return Qt::NoPen;
  QPen pen(ColourOf(item.stroke), item.strokeWidth);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  // Qt counts dashes in pen widths.
  if (!item.dash.empty() && item.strokeWidth > 0.0) {
    QList<qreal> pattern;
    for (const double length : item.dash) pattern << length / item.strokeWidth;
    pen.setDashPattern(pattern);
  }
  return pen;
}

QBrush BrushOf(const DisplayItem& item) { return item.fill.a == 0 ? Qt::NoBrush : QBrush(ColourOf(item.fill)); }

// Text is laid out in device pixels, so that its size is not rounded to a
// whole number of box units; y is the middle of the text's height.
void PaintText(QPainter& painter, const DisplayItem& item, const QTransform& transform, double scale) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(item.fontSize * scale))));
  const QFontMetricsF metrics(font);
  const QString text = QString::fromStdString(item.text);
  const QPointF at = transform.map(QPointF(item.points[0], item.points[1]));
  const double advance = metrics.horizontalAdvance(text);
  const double x = item.anchor == DisplayItem::Anchor::kStart    ? at.x()
                   : item.anchor == DisplayItem::Anchor::kMiddle ? at.x() - advance / 2.0
                                                                 : at.x() - advance;
  painter.setFont(font);
  painter.setPen(ColourOf(item.fill));
  painter.drawText(QPointF(x, at.y() + (metrics.ascent() - metrics.descent()) / 2.0), text);
}

}  // namespace

void SetNightDrawing(bool night) { g_nightDrawing = night; }
bool IsNightDrawing() { return g_nightDrawing; }

QColor NightColour(const QColor& colour) {
  if (!g_nightDrawing) return colour;
  // Reference: ITU-R BT.709-6, luma coefficients.
  const int red = static_cast<int>(std::lround(0.2126 * colour.red() + 0.7152 * colour.green() + 0.0722 * colour.blue()));
  return QColor(std::min(255, red), 0, 0, colour.alpha());
}

QTransform DisplayListTransform(const DisplayList& list, const QRectF& target) {
  if (list.width <= 0.0 || list.height <= 0.0) return QTransform();
  const double scale = std::min(target.width() / list.width, target.height() / list.height);
  QTransform t;
  t.translate(target.x() + (target.width() - list.width * scale) / 2.0,
              target.y() + (target.height() - list.height * scale) / 2.0);
  t.scale(scale, scale);
  return t;
}

void PaintDisplayList(QPainter& painter, const DisplayList& list, const QRectF& target) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Box units onto target, then whatever the painter already applies.
  const QTransform transform = DisplayListTransform(list, target) * painter.transform();
  const double scale = std::hypot(transform.m11(), transform.m12());
  if (list.background.a != 0) {
    painter.setTransform(transform);
    painter.fillRect(QRectF(0.0, 0.0, list.width, list.height), ColourOf(list.background));
  }
  for (const DisplayItem& item : list.items) {
    if (item.shape == DisplayItem::Shape::kText) {
      painter.resetTransform();
      PaintText(painter, item, transform, scale);
      continue;
    }
    painter.setTransform(transform);
    painter.setPen(PenOf(item));
    painter.setBrush(BrushOf(item));
    if (item.shape == DisplayItem::Shape::kCircle) {
      painter.drawEllipse(QPointF(item.points[0], item.points[1]), item.radius, item.radius);
    } else {
      QPolygonF polygon;
      for (std::size_t i = 0; i + 1 < item.points.size(); i += 2) polygon << QPointF(item.points[i], item.points[i + 1]);
      if (item.closed) {
        painter.drawPolygon(polygon);
      } else {
        painter.drawPolyline(polygon);
      }
    }
  }
  painter.restore();
}

}  // namespace skycalc
