#include "wheel/wheel_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace kalvest {
namespace {

QFont Font(const SceneFont& font) {
    QFont qt_font(QString::fromLatin1(kWheelFontFamily));
    qt_font.setStyleHint(QFont::SansSerif);
    qt_font.setPixelSize(static_cast<int>(font.size));
    qt_font.setBold(font.bold);
    qt_font.setItalic(font.italic);
    return qt_font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

class QtTextMeasure final : public TextMeasure {
public:
    double Width(const std::string& text, const SceneFont& font) const override {
        return QFontMetricsF(Font(font)).horizontalAdvance(Text(text));
    }
    double Ascent(const SceneFont& font) const override {
        return QFontMetricsF(Font(font)).ascent();
    }
    double Descent(const SceneFont& font) const override {
        return QFontMetricsF(Font(font)).descent();
    }
};

QColor Colour(SceneColour colour) {
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

QPointF Point(ScenePoint point) { return {point.x, point.y}; }

QRectF Circle(ScenePoint centre, double radius) {
    return {centre.x - radius, centre.y - radius, 2 * radius, 2 * radius};
}

// Qt measures arcs in degrees counter-clockwise from three o'clock.
double ArcAngle(double turn) { return 90.0 - 360.0 * turn; }

// Draws each item of the scene with the painter.
class ScenePainter {
public:
    explicit ScenePainter(QPainter& painter) : painter_(painter) {}

    void operator()(const SceneCircle& circle) {
        Paint(circle.stroke, circle.fill);
        painter_.drawEllipse(Circle(circle.centre, circle.radius));
    }

    void operator()(const SceneArc& arc) {
        const QRectF circle = Circle(arc.centre, arc.radius);
        QPainterPath path;
        if (arc.sector) {
            path.moveTo(Point(arc.centre));
        } else {
            path.arcMoveTo(circle, ArcAngle(arc.from_turn));
        }
        path.arcTo(circle, ArcAngle(arc.from_turn), -360.0 * arc.span_turns);
        if (arc.sector) path.closeSubpath();
        Paint(arc.stroke, arc.fill);
        painter_.drawPath(path);
    }

    void operator()(const SceneLine& line) {
        Paint(line.stroke, {});
        painter_.drawLine(Point(line.from), Point(line.to));
    }

    void operator()(const ScenePolygon& polygon) {
        QPolygonF points;
        for (const ScenePoint& point : polygon.points) points << Point(point);
        Paint(polygon.stroke, polygon.fill);
        painter_.drawPolygon(points);
    }

    void operator()(const SceneRect& rect) {
        const bool framed = Enter(rect.frame);
        Paint({}, {true, rect.fill});
        painter_.drawRoundedRect(QRectF(rect.top_left.x, rect.top_left.y, rect.width, rect.height),
                                 rect.corner_radius, rect.corner_radius);
        if (framed) painter_.restore();
    }

    void operator()(const SceneText& text) {
        const bool framed = Enter(text.frame);
        const QFont font = Font(text.font);
        const QString string = Text(text.text);
        double x = text.at.x;
        if (text.anchor != SceneAnchor::kStart) {
            const double width = QFontMetricsF(font).horizontalAdvance(string);
            x -= text.anchor == SceneAnchor::kMiddle ? width / 2 : width;
        }
        painter_.setFont(font);
        painter_.setPen(Colour(text.colour));
        painter_.drawText(QPointF(x, text.at.y), string);
        if (framed) painter_.restore();
    }

private:
    void Paint(const SceneStroke& stroke, const SceneFill& fill) {
        if (stroke.width <= 0) {
            painter_.setPen(Qt::NoPen);
        } else {
            QPen pen(Colour(stroke.colour), stroke.width);
            pen.setCapStyle(stroke.cap == SceneCap::kFlat ? Qt::FlatCap : Qt::SquareCap);
            if (!stroke.dashes.empty()) {
                // Qt counts dashes in units of the line's width.
                QList<qreal> pattern;
                for (const double dash : stroke.dashes) pattern << dash / stroke.width;
                pen.setDashPattern(pattern);
            }
            painter_.setPen(pen);
        }
        if (fill.filled) {
            painter_.setBrush(Colour(fill.colour));
        } else {
            painter_.setBrush(Qt::NoBrush);
        }
    }

    // Moves the painter into the frame; true when it saved its state for it.
    bool Enter(const SceneFrame& frame) {
        if (frame.origin.x == 0 && frame.origin.y == 0 && frame.degrees == 0) return false;
        painter_.save();
        painter_.translate(Point(frame.origin));
        painter_.rotate(frame.degrees);
        return true;
    }

    QPainter& painter_;
};

}  // namespace

QColor WheelBackground() { return Colour(kWheelBackground); }

const TextMeasure& QtWheelTextMeasure() {
    static const QtTextMeasure measure;
    return measure;
}

void PaintWheelScene(QPainter& painter, const WheelScene& scene, const QRectF& target) {
    painter.save();
    painter.fillRect(target, Colour(scene.background));
    const double scale = std::min(target.width() / scene.width, target.height() / scene.height);
    painter.translate(target.x() + (target.width() - scene.width * scale) / 2,
                      target.y() + (target.height() - scene.height * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ScenePainter paint(painter);
    for (const SceneItem& item : scene.items) std::visit(paint, item);
    painter.restore();
}

void PaintWheel(QPainter& painter, const WheelLayout& layout, const QRectF& target) {
    PaintWheelScene(painter, MakeWheelScene(layout, QtWheelTextMeasure()), target);
}

}  // namespace kalvest
