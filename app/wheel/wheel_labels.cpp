// The labels round the wheel: each event's name, date and time, and for
// a cross-quarter day the gauge of the gap between its two suns.
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "wheel/wheel_drawing.h"

namespace kalvest::wheel_drawing {
namespace {

// The gauge of a cross-quarter day's label: two days of time, the true
// sun's dot and the mean sun's ring apart by their gap, so that a gap of
// hours shows, which on the wheel is a fraction of a degree.
constexpr double kGaugeWidth = 170.0;
constexpr double kGaugeHeight = 20.0;
constexpr double kGaugeMinutes = 2 * 1440.0;

// One row of a label: a text in its font, or the gauge of a gap.
struct Row {
    QString text;
    QFont font;
    QColor colour = kInk;
    bool gauge = false;
    std::int64_t gap_minutes = 0;

    double Width() const {
        return gauge ? kGaugeWidth : QFontMetricsF(font).horizontalAdvance(text);
    }
    double Height() const { return gauge ? kGaugeHeight : QFontMetricsF(font).height(); }
};

void DrawGauge(QPainter& painter, const QRectF& row, std::int64_t gap_minutes) {
    const double y = row.center().y();
    const double scale = kGaugeWidth / kGaugeMinutes;
    painter.setPen(QPen(kSoftInk, 1.0));
    painter.drawLine(QPointF(row.left(), y), QPointF(row.right(), y));
    for (int hours = -24; hours <= 24; hours += 6) {
        const double x = row.center().x() + hours * 60 * scale;
        const double tick = hours % 24 == 0 ? 5.0 : 2.5;
        painter.drawLine(QPointF(x, y - tick), QPointF(x, y + tick));
    }
    const double half = std::clamp(gap_minutes * scale / 2, -kGaugeWidth / 2, kGaugeWidth / 2);
    const QPointF true_sun(row.center().x() - half, y);
    const QPointF mean_sun(row.center().x() + half, y);
    QPen band(kCrossColour, 4.0);
    band.setCapStyle(Qt::FlatCap);
    painter.setPen(band);
    painter.drawLine(true_sun, mean_sun);
    DrawSunDots(painter, true_sun, mean_sun, 5.0);
}

// Rows stacked into a label outside the wheel at `turn`.
void DrawBlock(QPainter& painter, double turn, double radius, const std::vector<Row>& rows) {
    QSizeF size(0, 0);
    for (const Row& row : rows) {
        size.setWidth(std::max(size.width(), row.Width()));
        size.setHeight(size.height() + row.Height());
    }
    const QRectF box = BoxAt(turn, radius, size, true);
    const double dx = std::sin(2.0 * std::numbers::pi * turn);
    const Qt::Alignment align = dx > 0.35 ? Qt::AlignLeft : dx < -0.35 ? Qt::AlignRight
                                                                       : Qt::AlignHCenter;
    double top = box.top();
    for (const Row& row : rows) {
        QRectF line(box.left(), top, box.width(), row.Height());
        top += row.Height();
        if (row.gauge) {
            const double left = align == Qt::AlignLeft    ? line.left()
                                : align == Qt::AlignRight ? line.right() - kGaugeWidth
                                                          : line.center().x() - kGaugeWidth / 2;
            DrawGauge(painter, QRectF(left, line.top(), kGaugeWidth, line.height()),
                      row.gap_minutes);
            continue;
        }
        painter.setFont(row.font);
        painter.setPen(row.colour);
        painter.drawText(line, align | Qt::AlignVCenter, row.text);
    }
}

}  // namespace

void DrawEventLabels(QPainter& painter, const WheelLayout& layout) {
    const QFont name = Font(18, true);
    const QFont time = Font(14);
    const QFont gap = Font(13, false, true);
    for (const WheelQuarter& quarter : layout.quarters) {
        DrawBlock(painter, quarter.turn, kLabelRadius,
                  {{Text(quarter.name), name, kQuarterColour}, {Text(quarter.time_text), time}});
    }
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        Row gauge;
        gauge.gauge = true;
        gauge.gap_minutes = day.gap_minutes;
        DrawBlock(painter, (day.true_turn + day.mean_turn) / 2, kLabelRadius,
                  {{Text(day.name), name, kCrossColour},
                   gauge,
                   {Text(day.true_text), time},
                   {Text(day.mean_text), time},
                   {Text(day.gap_text), gap, kCrossColour}});
    }
}

}  // namespace kalvest::wheel_drawing
