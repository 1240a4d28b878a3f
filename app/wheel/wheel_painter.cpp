#include "wheel/wheel_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "wheel/wheel_drawing.h"

namespace kalvest {
namespace {

using namespace wheel_drawing;

void DrawSeasons(QPainter& painter, const WheelLayout& layout) {
    painter.setPen(Qt::NoPen);
    for (int event = 0; event < 4; ++event) {
        const double from = layout.quarters[event].turn;
        const double span = Forward(from, layout.quarters[(event + 1) % 4].turn);
        // From the March equinox the north has spring, the south autumn.
        painter.setBrush(kSeasonTints[(event + (layout.southern ? 2 : 0)) % 4]);
        QPainterPath sector(kCentre);
        sector.arcTo(Circle(kCentre, kRim), ArcAngle(from), -360.0 * span);
        sector.closeSubpath();
        painter.drawPath(sector);
    }
}

void DrawRimAndMonths(QPainter& painter, const WheelLayout& layout) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 2.5));
    painter.drawEllipse(Circle(kCentre, kRim));
    painter.setPen(QPen(kSoftInk, 1.5));
    for (const WheelMonth& month : layout.months) {
        painter.drawLine(At(month.turn, kRim), At(month.turn, kRim - kMonthTick));
    }
    const QFont font = Font(15, true);
    painter.setFont(font);
    painter.setPen(kSoftInk);
    for (const WheelMonth& month : layout.months) {
        const QPointF at = At((month.turn + month.end_turn) / 2, kMonthNameRadius);
        painter.drawText(QRectF(at.x() - 30, at.y() - 12, 60, 24), Qt::AlignCenter,
                         Text(month.name));
    }
}

void DrawSpoke(QPainter& painter, double turn, const QPen& pen) {
    painter.setPen(pen);
    painter.drawLine(At(turn, kHub), At(turn, kRim));
}

void DrawSpokes(QPainter& painter, const WheelLayout& layout) {
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        DrawSpoke(painter, day.mean_turn, MeanSunPen());
        DrawSpoke(painter, day.true_turn, QPen(kCrossColour, 2.2));
    }
    for (const WheelQuarter& quarter : layout.quarters) {
        DrawSpoke(painter, quarter.turn, QPen(kQuarterColour, 3.5));
    }
}

// The marks on the rim; the gap between the two suns of a cross-quarter
// day as a band on it (the label's gauge shows it larger).
void DrawRimMarks(QPainter& painter, const WheelLayout& layout) {
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        const double from = std::min(day.true_turn, day.mean_turn);
        const double span = std::fabs(day.true_turn - day.mean_turn);
        QPainterPath gap;
        gap.arcMoveTo(Circle(kCentre, kRim), ArcAngle(from));
        gap.arcTo(Circle(kCentre, kRim), ArcAngle(from), -360.0 * span);
        QPen band(kCrossColour, 7.0);
        band.setCapStyle(Qt::FlatCap);
        painter.setPen(band);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(gap);
        // The mean sun's ring just inside the rim, so that it shows
        // beside the true sun's dot however near they are.
        DrawSunDots(painter, At(day.true_turn, kRim), At(day.mean_turn, kRim - 15), 6.5);
    }
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(kQuarterColour);
    for (const WheelQuarter& quarter : layout.quarters) {
        DrawDiamond(painter, At(quarter.turn, kRim), 10);
    }
}

void DrawHub(QPainter& painter, const WheelLayout& layout) {
    painter.setPen(QPen(kInk, 2.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(Circle(kCentre, kHub));
    painter.setFont(Font(24, true));
    painter.drawText(Circle(kCentre, kHub), Qt::AlignCenter, Text(layout.year_text));
}

}  // namespace

QColor WheelBackground() { return Qt::white; }

void PaintWheel(QPainter& painter, const WheelLayout& layout, const QRectF& target) {
    painter.save();
    painter.fillRect(target, WheelBackground());
    const double scale = std::min(target.width() / kWheelCanvas.width(),
                                  target.height() / kWheelCanvas.height());
    painter.translate(target.x() + (target.width() - kWheelCanvas.width() * scale) / 2,
                      target.y() + (target.height() - kWheelCanvas.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    DrawSeasons(painter, layout);
    DrawSpokes(painter, layout);
    DrawRimAndMonths(painter, layout);
    const bool both_rings = !layout.moons.empty() && !layout.terms.empty();
    if (!layout.moons.empty()) DrawMoonRing(painter, layout, kOuterRing);
    if (!layout.terms.empty()) DrawTermRing(painter, layout, both_rings ? kInnerRing : kOuterRing);
    DrawHub(painter, layout);
    DrawRimMarks(painter, layout);
    DrawEventLabels(painter, layout);
    DrawTitle(painter, layout);
    DrawLegend(painter, layout);
    painter.restore();
}

}  // namespace kalvest
