// Draws the wheel of the year with Qt's painter: the one drawing code of
// the window and of the SVG, PNG and PDF files. The picture's geometry is
// the scene's (wheel_scene.h); this back end only turns each of its items
// into a painter call, and measures the texts with Qt's font metrics.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include "wheel/wheel_layout.h"
#include "wheel/wheel_scene.h"

class QPainter;

namespace kalvest {

// The drawing's own coordinates: every length of the scene is in these
// units, and a target of another size gets the drawing scaled to fit.
inline constexpr QSizeF kWheelCanvas{kWheelCanvasWidth, kWheelCanvasHeight};

// The paper's colour, which fills the target outside the drawing too.
QColor WheelBackground();

// The texts' widths and heights as Qt sets them in the fonts the painter
// draws with. Needs a QGuiApplication when it measures.
const TextMeasure& QtWheelTextMeasure();

// Fills `target` with the background and draws `scene` into it, as large
// as it fits, centred, its shape kept.
void PaintWheelScene(QPainter& painter, const WheelScene& scene, const QRectF& target);

// The scene of `layout`, measured by Qt's metrics, painted.
void PaintWheel(QPainter& painter, const WheelLayout& layout, const QRectF& target);

}  // namespace kalvest
