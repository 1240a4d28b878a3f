#include "wheel/wheel_scene_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace kalvest::wheel_scene {

ScenePoint At(double turn, double radius) {
    const double angle = 2.0 * std::numbers::pi * turn;
    return {kCentre.x + radius * std::sin(angle), kCentre.y - radius * std::cos(angle)};
}

double Forward(double from, double to) {
    const double span = to - from;
    return span - std::floor(span);
}

namespace {

double FarthestFromCentre(const Box& box) {
    const ScenePoint corner{kCentre.x < box.Centre().x ? box.Right() : box.left,
                            kCentre.y < box.Centre().y ? box.Bottom() : box.top};
    return std::hypot(corner.x - kCentre.x, corner.y - kCentre.y);
}

}  // namespace

double DistanceFromCentre(const Box& box) {
    const ScenePoint nearest{std::clamp(kCentre.x, box.left, box.Right()),
                             std::clamp(kCentre.y, box.top, box.Bottom())};
    return std::hypot(nearest.x - kCentre.x, nearest.y - kCentre.y);
}

Box BoxAt(double turn, double radius, double width, double height, bool outward) {
    const double sign = outward ? 1.0 : -1.0;
    const double dx = sign * std::sin(2.0 * std::numbers::pi * turn);
    const double dy = sign * -std::cos(2.0 * std::numbers::pi * turn);
    for (double r = radius;; r += sign * 2.0) {
        const ScenePoint anchor = At(turn, r);
        const Box box{anchor.x - width / 2 + dx * width / 2,
                      anchor.y - height / 2 + dy * height / 2, width, height};
        // The box's point nearest the centre (outside), or farthest from
        // it (inside), must keep its distance from the circle.
        const double distance = outward ? DistanceFromCentre(box) : FarthestFromCentre(box);
        if (outward ? distance >= radius : distance <= radius) return box;
        if (std::fabs(r - radius) > radius) return box;
    }
}

SceneStroke Pen(SceneColour colour, double width, SceneCap cap) { return {colour, width, {}, cap}; }

SceneStroke DottedPen(SceneColour colour, double width) {
    return {colour, width, {width, 2 * width}, SceneCap::kSquare};
}

SceneStroke MeanSunPen() { return {kCrossColour, 2.2, {4.0 * 2.2, 3.0 * 2.2}, SceneCap::kSquare}; }

SceneFill Filled(SceneColour colour) { return {true, colour}; }

void SceneBuilder::Circle(ScenePoint centre, double radius, const SceneStroke& stroke,
                          SceneFill fill) {
    scene_.items.emplace_back(SceneCircle{centre, radius, stroke, fill});
}

void SceneBuilder::Line(ScenePoint from, ScenePoint to, const SceneStroke& stroke) {
    scene_.items.emplace_back(SceneLine{from, to, stroke});
}

void SceneBuilder::Polygon(std::vector<ScenePoint> points, const SceneStroke& stroke,
                           SceneFill fill) {
    scene_.items.emplace_back(ScenePolygon{std::move(points), stroke, fill});
}

void SceneBuilder::Patch(const Box& box, SceneFrame frame) {
    scene_.items.emplace_back(
        SceneRect{{box.left, box.top}, box.width, box.height, 3.0, kPatchColour, frame});
}

void SceneBuilder::Text(const std::string& text, ScenePoint at, SceneAnchor anchor, SceneFont font,
                        SceneColour colour, SceneFrame frame) {
    scene_.items.emplace_back(SceneText{text, at, anchor, font, colour, frame});
}

void SceneBuilder::CentredText(const std::string& text, const Box& box, SceneFont font,
                               SceneColour colour, SceneFrame frame) {
    const ScenePoint middle = box.Centre();
    Text(text, {middle.x, Baseline(middle.y, font)}, SceneAnchor::kMiddle, font, colour, frame);
}

void SceneBuilder::SunDots(ScenePoint true_sun, ScenePoint mean_sun, double radius) {
    Circle(mean_sun, radius, Pen(kCrossColour, 2.0), Filled(kWhite));
    Circle(true_sun, radius, Pen(kCrossColour, 2.0), Filled(kCrossColour));
}

void SceneBuilder::Diamond(ScenePoint at, double size, const SceneStroke& stroke,
                           SceneColour fill) {
    Polygon({{at.x, at.y - size}, {at.x + size, at.y}, {at.x, at.y + size}, {at.x - size, at.y}},
            stroke, Filled(fill));
}

void SceneBuilder::MoonMark(ScenePoint at, MoonPhase phase, double radius) {
    Circle(at, radius, Pen(kInk, 1.5),
           Filled(phase == MoonPhase::kFull ? kFullMoonFill : kNewMoonFill));
}

void SceneBuilder::EclipseMark(ScenePoint at, double radius) {
    Circle(at, radius, Pen(kEclipseColour, 3.0));
}

}  // namespace kalvest::wheel_scene
