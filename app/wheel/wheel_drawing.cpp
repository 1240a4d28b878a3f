#include "wheel/wheel_drawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalvest::wheel_drawing {

QFont Font(double pixel_size, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(pixel_size));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

QPointF At(double turn, double radius) {
    const double angle = 2.0 * std::numbers::pi * turn;
    return {kCentre.x() + radius * std::sin(angle), kCentre.y() - radius * std::cos(angle)};
}

double ArcAngle(double turn) { return 90.0 - 360.0 * turn; }

double Forward(double from, double to) {
    const double span = to - from;
    return span - std::floor(span);
}

QRectF Circle(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

QRectF BoxAt(double turn, double radius, QSizeF size, bool outward) {
    const double sign = outward ? 1.0 : -1.0;
    const double dx = sign * std::sin(2.0 * std::numbers::pi * turn);
    const double dy = sign * -std::cos(2.0 * std::numbers::pi * turn);
    for (double r = radius;; r += sign * 2.0) {
        const QPointF anchor = At(turn, r);
        const QRectF box(anchor.x() - size.width() / 2 + dx * size.width() / 2,
                         anchor.y() - size.height() / 2 + dy * size.height() / 2, size.width(),
                         size.height());
        // The box's point nearest the centre (outside), or farthest from
        // it (inside), must keep its distance from the circle.
        QPointF probe;
        if (outward) {
            probe = QPointF(std::clamp(kCentre.x(), box.left(), box.right()),
                            std::clamp(kCentre.y(), box.top(), box.bottom()));
        } else {
            probe = QPointF(kCentre.x() < box.center().x() ? box.right() : box.left(),
                            kCentre.y() < box.center().y() ? box.bottom() : box.top());
        }
        const double distance = std::hypot(probe.x() - kCentre.x(), probe.y() - kCentre.y());
        if (outward ? distance >= radius : distance <= radius) return box;
        if (std::fabs(r - radius) > radius) return box;
    }
}

void DrawSunDots(QPainter& painter, QPointF true_sun, QPointF mean_sun, double radius) {
    painter.setPen(QPen(kCrossColour, 2.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(Circle(mean_sun, radius));
    painter.setBrush(kCrossColour);
    painter.drawEllipse(Circle(true_sun, radius));
}

QPen MeanSunPen() {
    QPen pen(kCrossColour, 2.2);
    pen.setDashPattern({4.0, 3.0});
    return pen;
}

void DrawDiamond(QPainter& painter, QPointF at, double size) {
    const QPointF points[4] = {{at.x(), at.y() - size}, {at.x() + size, at.y()},
                               {at.x(), at.y() + size}, {at.x() - size, at.y()}};
    painter.drawPolygon(points, 4);
}

void DrawMoonMark(QPainter& painter, QPointF at, MoonPhase phase, double radius) {
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(phase == MoonPhase::kFull ? kFullMoonFill : kNewMoonFill);
    painter.drawEllipse(Circle(at, radius));
}

void DrawEclipseMark(QPainter& painter, QPointF at, double radius) {
    painter.setPen(QPen(kEclipseColour, 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Circle(at, radius));
}

}  // namespace kalvest::wheel_drawing
