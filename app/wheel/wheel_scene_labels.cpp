// The labels round the wheel: each event's name, date and time, and for
// a cross-quarter day the gauge of the gap between its two suns.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "wheel/wheel_scene_parts.h"

namespace kalvest::wheel_scene {
namespace {

// The gauge of a cross-quarter day's label: two days of time, the true
// sun's dot and the mean sun's ring apart by their gap, so that a gap of
// hours shows, which on the wheel is a fraction of a degree.
constexpr double kGaugeWidth = 170.0;
constexpr double kGaugeHeight = 20.0;
constexpr double kGaugeMinutes = 2 * 1440.0;
// The least room between a label and the canvas's side.
constexpr double kSideMargin = 6.0;

// One row of a label: a text in its font, or the gauge of a gap.
struct Row {
    std::string text;
    SceneFont font;
    SceneColour colour = kInk;
    bool gauge = false;
    std::int64_t gap_minutes = 0;
};

double RowWidth(const SceneBuilder& scene, const Row& row) {
    return row.gauge ? kGaugeWidth : scene.Width(row.text, row.font);
}

double RowHeight(const SceneBuilder& scene, const Row& row) {
    return row.gauge ? kGaugeHeight : scene.LineHeight(row.font);
}

void AddGauge(SceneBuilder& scene, const Box& row, std::int64_t gap_minutes) {
    const double y = row.Centre().y;
    const double middle = row.Centre().x;
    const double scale = kGaugeWidth / kGaugeMinutes;
    scene.Line({row.left, y}, {row.Right(), y}, Pen(kSoftInk, 1.0));
    for (int hours = -24; hours <= 24; hours += 6) {
        const double x = middle + hours * 60 * scale;
        const double tick = hours % 24 == 0 ? 5.0 : 2.5;
        scene.Line({x, y - tick}, {x, y + tick}, Pen(kSoftInk, 1.0));
    }
    const double half =
        std::clamp(static_cast<double>(gap_minutes) * scale / 2, -kGaugeWidth / 2, kGaugeWidth / 2);
    const ScenePoint true_sun{middle - half, y};
    const ScenePoint mean_sun{middle + half, y};
    scene.Line(true_sun, mean_sun, Pen(kCrossColour, 4.0, SceneCap::kFlat));
    scene.SunDots(true_sun, mean_sun, 5.0);
}

// A label that would run off the picture's side (a long zone name in the
// Julian calendar, whose dates come early) slides inward, and then up or
// down, away from the centre, until it keeps clear of the circle of
// `radius` again.
Box KeptOnCanvas(Box box, double radius) {
    const double left =
        std::clamp(box.left, kSideMargin, kWheelCanvasWidth - kSideMargin - box.width);
    if (left == box.left) return box;
    box.left = left;
    const double step = box.Centre().y < kCentre.y ? -2.0 : 2.0;
    for (int i = 0; i < 200 && DistanceFromCentre(box) < radius; ++i) box.top += step;
    return box;
}

// Rows stacked into a label outside the wheel at `turn`, aligned towards
// the wheel's side they stand on.
void AddBlock(SceneBuilder& scene, double turn, double radius, const std::vector<Row>& rows) {
    double width = 0;
    double height = 0;
    for (const Row& row : rows) {
        width = std::max(width, RowWidth(scene, row));
        height += RowHeight(scene, row);
    }
    const Box box = KeptOnCanvas(BoxAt(turn, radius, width, height, true), radius);
    const double dx = std::sin(2.0 * std::numbers::pi * turn);
    const SceneAnchor anchor = dx > 0.35    ? SceneAnchor::kStart
                               : dx < -0.35 ? SceneAnchor::kEnd
                                            : SceneAnchor::kMiddle;
    const double x = anchor == SceneAnchor::kStart ? box.left
                     : anchor == SceneAnchor::kEnd ? box.Right()
                                                   : box.Centre().x;
    double top = box.top;
    for (const Row& row : rows) {
        const double row_height = RowHeight(scene, row);
        if (row.gauge) {
            const double left = anchor == SceneAnchor::kStart ? x
                                : anchor == SceneAnchor::kEnd ? x - kGaugeWidth
                                                              : x - kGaugeWidth / 2;
            AddGauge(scene, {left, top, kGaugeWidth, row_height}, row.gap_minutes);
        } else {
            scene.Text(row.text, {x, top + scene.Ascent(row.font)}, anchor, row.font, row.colour);
        }
        top += row_height;
    }
}

}  // namespace

void AddEventLabels(SceneBuilder& scene, const WheelLayout& layout) {
    const SceneFont name{18, true};
    const SceneFont time{14};
    const SceneFont gap{13, false, true};
    for (const WheelQuarter& quarter : layout.quarters) {
        AddBlock(scene, quarter.turn, kLabelRadius,
                 {{quarter.name, name, kQuarterColour}, {quarter.time_text, time}});
    }
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        Row gauge;
        gauge.gauge = true;
        gauge.gap_minutes = day.gap_minutes;
        AddBlock(scene, (day.true_turn + day.mean_turn) / 2, kLabelRadius,
                 {{day.name, name, kCrossColour},
                  gauge,
                  {day.true_text, time},
                  {day.mean_text, time},
                  {day.gap_text, gap, kCrossColour}});
    }
}

}  // namespace kalvest::wheel_scene
