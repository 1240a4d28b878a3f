#include "wheel/wheel_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kalvest {
namespace {

// Where the wheel stands on the canvas, and its rings' radii.
constexpr QPointF kCentre{600.0, 530.0};
constexpr double kRim = 300.0;
constexpr double kHub = 52.0;
constexpr double kMonthNameRadius = kRim - 30.0;
constexpr double kMonthTick = 11.0;
constexpr double kLabelRadius = kRim + 16.0;
constexpr double kOuterRing = kRim * 0.78;  // the first ring inside the month names
constexpr double kInnerRing = kRim * 0.57;  // the second, when both rings are drawn

// Colours: dark ink on light tints, so that every text keeps a contrast
// of at least 7:1, and marks that differ in shape and line as well as in
// colour, so that a black-and-white print tells them apart.
const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kSoftInk(0x40, 0x40, 0x40);
const QColor kQuarterColour(0x17, 0x37, 0x5e);  // navy
const QColor kCrossColour(0x9c, 0x3d, 0x10);    // rust
const QColor kEclipseColour(0xb0, 0x00, 0x2a);  // crimson
const QColor kFullMoonFill(0xff, 0xf4, 0xc9);
const QColor kNewMoonFill(0x26, 0x26, 0x26);
// Spring, summer, autumn, winter.
const QColor kSeasonTints[4] = {QColor(0xe3, 0xf1, 0xdc), QColor(0xfb, 0xf0, 0xcc),
                                QColor(0xf6, 0xe0, 0xcf), QColor(0xdf, 0xe8, 0xf4)};

QFont Font(double pixel_size, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(pixel_size));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The point at `turn` of the year, `radius` from the centre: the top at 0,
// clockwise.
QPointF At(double turn, double radius) {
    const double angle = 2.0 * std::numbers::pi * turn;
    return {kCentre.x() + radius * std::sin(angle), kCentre.y() - radius * std::cos(angle)};
}

// Qt measures arcs in degrees counter-clockwise from three o'clock.
double ArcAngle(double turn) { return 90.0 - 360.0 * turn; }

double Forward(double from, double to) {
    const double span = to - from;
    return span - std::floor(span);
}

QRectF Circle(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

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

QPen MeanSunPen();
void DrawSunDots(QPainter& painter, QPointF true_sun, QPointF mean_sun, double radius);

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

// Where a box of `size` stands beside the circle at `turn`: outside it
// (`outward`) or inside, its nearest edge at `radius` from the centre, so
// that boxes slide round the circle without crossing it.
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

// The true sun a filled dot, the mean sun a ring: told apart by shape.
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

void DrawHub(QPainter& painter, const WheelLayout& layout) {
    painter.setPen(QPen(kInk, 2.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(Circle(kCentre, kHub));
    painter.setFont(Font(24, true));
    painter.drawText(Circle(kCentre, kHub), Qt::AlignCenter, Text(layout.year_text));
}

void DrawTitle(QPainter& painter, const WheelLayout& layout) {
    painter.setPen(kInk);
    painter.setFont(Font(30, true));
    painter.drawText(QRectF(0, 18, kWheelCanvas.width(), 40), Qt::AlignCenter, Text(layout.title));
    painter.setFont(Font(17));
    painter.setPen(kSoftInk);
    painter.drawText(QRectF(0, 60, kWheelCanvas.width(), 26), Qt::AlignCenter,
                     Text(layout.subtitle));
}

void DrawLegendMark(QPainter& painter, WheelMark mark, QPointF at) {
    switch (mark) {
    case WheelMark::kEquinoxSolstice:
        painter.setPen(QPen(kQuarterColour, 3.5));
        painter.drawLine(at - QPointF(14, 0), at + QPointF(14, 0));
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(kQuarterColour);
        DrawDiamond(painter, at, 8);
        break;
    case WheelMark::kTrueSun:
        painter.setPen(QPen(kCrossColour, 2.2));
        painter.drawLine(at - QPointF(14, 0), at + QPointF(14, 0));
        DrawSunDots(painter, at, at, 6);
        break;
    case WheelMark::kMeanSun:
        painter.setPen(MeanSunPen());
        painter.drawLine(at - QPointF(14, 0), at + QPointF(14, 0));
        painter.setPen(QPen(kCrossColour, 2.0));
        painter.setBrush(Qt::white);
        painter.drawEllipse(Circle(at, 6));
        break;
    case WheelMark::kGap: {
        const QRectF row(at.x() - 16, at.y() - 8, 32, 16);
        painter.setPen(QPen(kSoftInk, 1.0));
        painter.drawLine(QPointF(row.left(), at.y()), QPointF(row.right(), at.y()));
        QPen band(kCrossColour, 4.0);
        band.setCapStyle(Qt::FlatCap);
        painter.setPen(band);
        painter.drawLine(at - QPointF(9, 0), at + QPointF(9, 0));
        DrawSunDots(painter, at - QPointF(9, 0), at + QPointF(9, 0), 4.5);
        break;
    }
    case WheelMark::kFullMoon:
        DrawMoonMark(painter, at, MoonPhase::kFull, 7.5);
        break;
    case WheelMark::kNewMoon:
        DrawMoonMark(painter, at, MoonPhase::kNew, 7.5);
        break;
    case WheelMark::kEclipse:
        DrawMoonMark(painter, at, MoonPhase::kFull, 6);
        DrawEclipseMark(painter, at, 10);
        break;
    case WheelMark::kSolarTerm:
        painter.setPen(QPen(kSoftInk, 1.5));
        painter.drawLine(at - QPointF(0, 7), at + QPointF(0, 7));
        break;
    }
}

// The legend in columns of four under the wheel, the eclipses in the
// last, and the footnote at the foot.
void DrawLegend(QPainter& painter, const WheelLayout& layout) {
    constexpr double kTop = 935;
    constexpr double kRow = 23;
    constexpr double kColumnWidth = 400;
    const QFont font = Font(14);
    for (std::size_t i = 0; i < layout.legend.size(); ++i) {
        const double x = 40 + kColumnWidth * static_cast<double>(i / 4);
        const double y = kTop + kRow * static_cast<double>(i % 4);
        DrawLegendMark(painter, layout.legend[i].mark, QPointF(x + 16, y));
        painter.setFont(font);
        painter.setPen(kInk);
        painter.drawText(QRectF(x + 38, y - kRow / 2, kColumnWidth - 40, kRow),
                         Qt::AlignLeft | Qt::AlignVCenter, Text(layout.legend[i].text));
    }
    if (!layout.eclipse_lines.empty()) {
        const double x = 40 + 2 * kColumnWidth + 50;
        double y = kTop - kRow / 2;
        painter.setFont(Font(14, true));
        painter.setPen(kEclipseColour);
        painter.drawText(QRectF(x, y, 300, kRow), Qt::AlignLeft | Qt::AlignVCenter, "Eclipses");
        painter.setFont(font);
        painter.setPen(kInk);
        for (const std::string& line : layout.eclipse_lines) {
            y += kRow * 0.9;
            painter.drawText(QRectF(x, y, 300, kRow), Qt::AlignLeft | Qt::AlignVCenter, Text(line));
        }
    }
    painter.setFont(Font(12, false, true));
    painter.setPen(kSoftInk);
    painter.drawText(QRectF(0, 1058, kWheelCanvas.width(), 24), Qt::AlignCenter,
                     Text(layout.footnote));
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
