// The texts around the wheel: the title above it, the legend with a
// sample of each mark, the list of eclipses and the note on the two suns.
#include <QPainter>

#include "wheel/wheel_drawing.h"
#include "wheel/wheel_painter.h"

namespace kalvest::wheel_drawing {
namespace {

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

}  // namespace

void DrawTitle(QPainter& painter, const WheelLayout& layout) {
    painter.setPen(kInk);
    painter.setFont(Font(30, true));
    painter.drawText(QRectF(0, 18, kWheelCanvas.width(), 40), Qt::AlignCenter, Text(layout.title));
    painter.setFont(Font(17));
    painter.setPen(kSoftInk);
    painter.drawText(QRectF(0, 60, kWheelCanvas.width(), 26), Qt::AlignCenter,
                     Text(layout.subtitle));
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

}  // namespace kalvest::wheel_drawing
