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

// Night mode: every colour painted from then on (display lists and the boxes'
// own drawings through NightColour) is mapped to red on black.
void SetNightDrawing(bool night);
bool IsNightDrawing();
// colour as night mode paints it: its luminance (Rec. 709 weights) as red, alpha
// kept; colour itself outside night mode.
QColor NightColour(const QColor& colour);

}  // namespace skycalc
