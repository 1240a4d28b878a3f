// The rings inside the rim: the year's full and new moons with their
// eclipses, and the 24 solar terms.
#include <QFontMetricsF>
#include <QPainter>

#include "wheel/wheel_drawing.h"

namespace kalvest::wheel_drawing {
namespace {

// A short text on a pale patch inside the circle of `radius` at `turn`,
// readable over spokes and tints.
void DrawPatchedText(QPainter& painter, double turn, double radius, const QString& text,
                     const QFont& font, const QColor& colour) {
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(text) + 4, metrics.height());
    const QRectF box = BoxAt(turn, radius, size, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRoundedRect(box, 3, 3);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void DrawMoonRing(QPainter& painter, const WheelLayout& layout, double radius) {
    painter.setPen(QPen(kSoftInk, 1.0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Circle(kCentre, radius));
    const QFont label = Font(12);
    const QFont eclipse_label = Font(12, true);
    for (const WheelMoon& moon : layout.moons) {
        const QPointF at = At(moon.turn, radius);
        DrawMoonMark(painter, at, moon.phase, 8.5);
        const bool eclipse = moon.eclipse_class != kNoEclipse;
        if (eclipse) DrawEclipseMark(painter, at, 14);
        DrawPatchedText(painter, moon.turn, radius - (eclipse ? 17 : 12), Text(moon.label),
                        eclipse ? eclipse_label : label, eclipse ? kEclipseColour : kInk);
    }
}

// Each term's name runs along its radius, inward from the tick, turned so
// that it never reads upside down.
void DrawTermRing(QPainter& painter, const WheelLayout& layout, double radius) {
    painter.setPen(QPen(kSoftInk, 1.0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Circle(kCentre, radius));
    for (const WheelTerm& term : layout.terms) {
        painter.setPen(QPen(kSoftInk, 1.5));
        painter.drawLine(At(term.turn, radius - 5), At(term.turn, radius + 5));
        const QFont font = Font(12, term.turning_point);
        const QFontMetricsF metrics(font);
        const QString name = Text(term.name);
        const double width = metrics.horizontalAdvance(name) + 4;
        const double outer = radius - 9;
        const bool right_half = term.turn < 0.5;
        painter.save();
        painter.translate(At(term.turn, outer));
        painter.rotate(360.0 * term.turn + (right_half ? -90.0 : 90.0));
        const QRectF box = right_half ? QRectF(-width, -metrics.height() / 2, width, metrics.height())
                                      : QRectF(0, -metrics.height() / 2, width, metrics.height());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawRoundedRect(box, 3, 3);
        painter.setFont(font);
        painter.setPen(kInk);
        painter.drawText(box, Qt::AlignCenter, name);
        painter.restore();
    }
}

}  // namespace kalvest::wheel_drawing
