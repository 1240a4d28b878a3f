// What the parts of the wheel's drawing share: where the wheel stands on
// the canvas, its colours and fonts, and the marks that the wheel and its
// legend both draw. Only the painter's own files include it.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <string>

#include "wheel/wheel_layout.h"

class QPainter;

namespace kalvest::wheel_drawing {

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
inline const QColor kInk(0x1a, 0x1a, 0x1a);
inline const QColor kSoftInk(0x40, 0x40, 0x40);
inline const QColor kQuarterColour(0x17, 0x37, 0x5e);  // navy
inline const QColor kCrossColour(0x9c, 0x3d, 0x10);    // rust
inline const QColor kEclipseColour(0xb0, 0x00, 0x2a);  // crimson
inline const QColor kFullMoonFill(0xff, 0xf4, 0xc9);
inline const QColor kNewMoonFill(0x26, 0x26, 0x26);
// Spring, summer, autumn, winter.
inline const QColor kSeasonTints[4] = {QColor(0xe3, 0xf1, 0xdc), QColor(0xfb, 0xf0, 0xcc),
                                QColor(0xf6, 0xe0, 0xcf), QColor(0xdf, 0xe8, 0xf4)};

// A sans-serif font of `pixel_size` canvas units.
QFont Font(double pixel_size, bool bold = false, bool italic = false);

QString Text(const std::string& text);

// The point at `turn` of the year, `radius` from the centre: the top at 0,
// clockwise.
QPointF At(double turn, double radius);

// Qt measures arcs in degrees counter-clockwise from three o'clock.
double ArcAngle(double turn);

// How far the year runs from `from` to `to`, going round: in [0, 1).
double Forward(double from, double to);

QRectF Circle(QPointF centre, double radius);

// Where a box of `size` stands beside the circle at `turn`: outside it
// (`outward`) or inside, its nearest edge at `radius` from the centre, so
// that boxes slide round the circle without crossing it.
QRectF BoxAt(double turn, double radius, QSizeF size, bool outward);

// The true sun a filled dot, the mean sun a ring: told apart by shape.
void DrawSunDots(QPainter& painter, QPointF true_sun, QPointF mean_sun, double radius);
QPen MeanSunPen();
void DrawDiamond(QPainter& painter, QPointF at, double size);
void DrawMoonMark(QPainter& painter, QPointF at, MoonPhase phase, double radius);
void DrawEclipseMark(QPainter& painter, QPointF at, double radius);

// The parts, each in a file of its own.
void DrawEventLabels(QPainter& painter, const WheelLayout& layout);  // wheel_labels.cpp
void DrawMoonRing(QPainter& painter, const WheelLayout& layout, double radius);  // wheel_rings.cpp
void DrawTermRing(QPainter& painter, const WheelLayout& layout, double radius);
void DrawTitle(QPainter& painter, const WheelLayout& layout);  // wheel_legend.cpp
void DrawLegend(QPainter& painter, const WheelLayout& layout);

}  // namespace kalvest::wheel_drawing
