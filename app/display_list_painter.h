#pragma once

#include <QPainter>
#include <QRectF>
#include <QTransform>

#include "panel/display_list.h"

// The window's renderer of display lists.
namespace skycalc {

// The turn from box units to target: the box scaled evenly to fit, centred.
QTransform DisplayListTransform(const DisplayList& list, const QRectF& target);
// Paints list into target of painter (antialiased; the painter's state is restored).
void PaintDisplayList(QPainter& painter, const DisplayList& list, const QRectF& target);

}  // namespace skycalc
