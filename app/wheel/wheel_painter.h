// Draws the wheel of the year with Qt's painter: the one drawing code of
// the window and of the SVG, PNG and PDF files. It draws what the layout
// (wheel_layout.h) holds and decides only how it looks: sizes, fonts,
// colours and where a text stands.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include "wheel/wheel_layout.h"

class QPainter;

namespace kalvest {

// The drawing's own coordinates: every length below is in these units,
// and a target of another size gets the drawing scaled to fit.
inline constexpr QSizeF kWheelCanvas{1200.0, 1100.0};

// The paper's colour, which fills the target outside the drawing too.
QColor WheelBackground();

// Fills `target` with the background and draws `layout` into it, as large
// as it fits, centred, its shape kept.
void PaintWheel(QPainter& painter, const WheelLayout& layout, const QRectF& target);

}  // namespace kalvest
