// What the parts of the wheel's scene share: where the wheel stands on the
// canvas, its colours, the geometry of places round the circle, and the
// marks that the wheel and its legend both draw. Only the scene's own
// files include it.
#pragma once

#include <string>
#include <vector>

#include "wheel/wheel_scene.h"

namespace kalvest::wheel_scene {

// Where the wheel stands on the canvas, and its rings' radii.
constexpr ScenePoint kCentre{600.0, 530.0};
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
constexpr SceneColour kInk{0x1a, 0x1a, 0x1a};
constexpr SceneColour kSoftInk{0x40, 0x40, 0x40};
constexpr SceneColour kWhite{0xff, 0xff, 0xff};
constexpr SceneColour kQuarterColour{0x17, 0x37, 0x5e};  // navy
constexpr SceneColour kCrossColour{0x9c, 0x3d, 0x10};    // rust
constexpr SceneColour kEclipseColour{0xb0, 0x00, 0x2a};  // crimson
constexpr SceneColour kFullMoonFill{0xff, 0xf4, 0xc9};
constexpr SceneColour kNewMoonFill{0x26, 0x26, 0x26};
constexpr SceneColour kPatchColour{0xff, 0xff, 0xff, 200};  // pale, over spokes and tints
// Spring, summer, autumn, winter.
constexpr SceneColour kSeasonTints[4] = {
    {0xe3, 0xf1, 0xdc}, {0xfb, 0xf0, 0xcc}, {0xf6, 0xe0, 0xcf}, {0xdf, 0xe8, 0xf4}};

struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    ScenePoint Centre() const { return {left + width / 2, top + height / 2}; }
};

// The point at `turn` of the year, `radius` from the centre: the top at 0,
// clockwise.
ScenePoint At(double turn, double radius);

// How far the year runs from `from` to `to`, going round: in [0, 1).
double Forward(double from, double to);

// Where a box of `width` by `height` stands beside the circle at `turn`:
// outside it (`outward`) or inside, its nearest edge at `radius` from the
// centre, so that boxes slide round the circle without crossing it.
Box BoxAt(double turn, double radius, double width, double height, bool outward);

// How far the point of `box` nearest the centre lies from it (0 when the
// box covers the centre).
double DistanceFromCentre(const Box& box);

SceneStroke Pen(SceneColour colour, double width, SceneCap cap = SceneCap::kSquare);
// One unit of line and two of gap, in units of the line's width.
SceneStroke DottedPen(SceneColour colour, double width);
SceneStroke MeanSunPen();
SceneFill Filled(SceneColour colour);

// Adds items to a scene in paint order, and measures texts.
class SceneBuilder {
public:
    SceneBuilder(WheelScene& scene, const TextMeasure& measure)
        : scene_(scene), measure_(measure) {}

    void Circle(ScenePoint centre, double radius, const SceneStroke& stroke, SceneFill fill = {});
    void Arc(const SceneArc& arc) { scene_.items.emplace_back(arc); }
    void Line(ScenePoint from, ScenePoint to, const SceneStroke& stroke);
    void Polygon(std::vector<ScenePoint> points, const SceneStroke& stroke, SceneFill fill);
    // A pale patch with corners of 3 units.
    void Patch(const Box& box, SceneFrame frame = {});
    void Text(const std::string& text, ScenePoint at, SceneAnchor anchor, SceneFont font,
              SceneColour colour, SceneFrame frame = {});
    // A one-line text centred in `box` as a painter centres it: across by
    // its anchor, down by the font's height.
    void CentredText(const std::string& text, const Box& box, SceneFont font, SceneColour colour,
                     SceneFrame frame = {});

    double Width(const std::string& text, SceneFont font) const {
        return measure_.Width(text, font);
    }
    // The height of a line of text: the font's ascent and descent.
    double LineHeight(SceneFont font) const {
        return measure_.Ascent(font) + measure_.Descent(font);
    }
    // The baseline of a line whose box of LineHeight is centred on `middle`.
    double Baseline(double middle, SceneFont font) const {
        return middle + (measure_.Ascent(font) - measure_.Descent(font)) / 2;
    }
    double Ascent(SceneFont font) const { return measure_.Ascent(font); }

    // The true sun a filled dot, the mean sun a ring: told apart by shape.
    void SunDots(ScenePoint true_sun, ScenePoint mean_sun, double radius);
    void Diamond(ScenePoint at, double size, const SceneStroke& stroke, SceneColour fill);
    void MoonMark(ScenePoint at, MoonPhase phase, double radius);
    void EclipseMark(ScenePoint at, double radius);

private:
    WheelScene& scene_;
    const TextMeasure& measure_;
};

// The parts, each in a file of its own.
void AddEventLabels(SceneBuilder& scene, const WheelLayout& layout);  // wheel_scene_labels.cpp
void AddMoonRing(SceneBuilder& scene, const WheelLayout& layout,
                 double radius);  // wheel_scene_rings.cpp
void AddTermRing(SceneBuilder& scene, const WheelLayout& layout, double radius);
void AddTitle(SceneBuilder& scene, const WheelLayout& layout);  // wheel_scene_legend.cpp
void AddLegend(SceneBuilder& scene, const WheelLayout& layout);

}  // namespace kalvest::wheel_scene
