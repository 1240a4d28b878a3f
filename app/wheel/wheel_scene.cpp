// The wheel itself: the seasons' tints, the spokes, the rim with its
// months and marks, and the hub; the rings, labels, title and legend come
// from the other wheel_scene_*.cpp files.
#include "wheel/wheel_scene.h"

#include <algorithm>
#include <cmath>

#include "wheel/wheel_scene_parts.h"

namespace kalvest {
namespace {

using namespace wheel_scene;

void AddSeasons(SceneBuilder& scene, const WheelLayout& layout) {
    for (int event = 0; event < 4; ++event) {
        const double from = layout.quarters[event].turn;
        SceneArc sector;
        sector.centre = kCentre;
        sector.radius = kRim;
        sector.from_turn = from;
        sector.span_turns = Forward(from, layout.quarters[(event + 1) % 4].turn);
        sector.sector = true;
        // From the March equinox the north has spring, the south autumn.
        sector.fill = Filled(kSeasonTints[(event + (layout.southern ? 2 : 0)) % 4]);
        scene.Arc(sector);
    }
}

void AddRimAndMonths(SceneBuilder& scene, const WheelLayout& layout) {
    scene.Circle(kCentre, kRim, Pen(kInk, 2.5));
    for (const WheelMonth& month : layout.months) {
        scene.Line(At(month.turn, kRim), At(month.turn, kRim - kMonthTick), Pen(kSoftInk, 1.5));
    }
    const SceneFont font{15, true};
    for (const WheelMonth& month : layout.months) {
        const ScenePoint at = At((month.turn + month.end_turn) / 2, kMonthNameRadius);
        scene.CentredText(month.name, {at.x - 30, at.y - 12, 60, 24}, font, kSoftInk);
    }
}

void AddSpoke(SceneBuilder& scene, double turn, const SceneStroke& stroke) {
    scene.Line(At(turn, kHub), At(turn, kRim), stroke);
}

void AddSpokes(SceneBuilder& scene, const WheelLayout& layout) {
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        AddSpoke(scene, day.mean_turn, MeanSunPen());
        AddSpoke(scene, day.true_turn, Pen(kCrossColour, 2.2));
    }
    for (const WheelQuarter& quarter : layout.quarters) {
        AddSpoke(scene, quarter.turn, Pen(kQuarterColour, 3.5));
    }
}

// The marks on the rim; the gap between the two suns of a cross-quarter
// day as a band on it (the label's gauge shows it larger).
void AddRimMarks(SceneBuilder& scene, const WheelLayout& layout) {
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        SceneArc gap;
        gap.centre = kCentre;
        gap.radius = kRim;
        gap.from_turn = std::min(day.true_turn, day.mean_turn);
        gap.span_turns = std::fabs(day.true_turn - day.mean_turn);
        gap.stroke = Pen(kCrossColour, 7.0, SceneCap::kFlat);
        scene.Arc(gap);
        // The mean sun's ring just inside the rim, so that it shows
        // beside the true sun's dot however near they are.
        scene.SunDots(At(day.true_turn, kRim), At(day.mean_turn, kRim - 15), 6.5);
    }
    for (const WheelQuarter& quarter : layout.quarters) {
        scene.Diamond(At(quarter.turn, kRim), 10, Pen(kWhite, 1.5), kQuarterColour);
    }
}

void AddHub(SceneBuilder& scene, const WheelLayout& layout) {
    scene.Circle(kCentre, kHub, Pen(kInk, 2.0), Filled(kWhite));
    scene.CentredText(layout.year_text, {kCentre.x - kHub, kCentre.y - kHub, 2 * kHub, 2 * kHub},
                      {24, true}, kInk);
}

}  // namespace

WheelScene MakeWheelScene(const WheelLayout& layout, const TextMeasure& measure) {
    WheelScene scene;
    scene.background = kWheelBackground;
    scene.title = layout.title;
    scene.description = layout.subtitle;
    SceneBuilder builder(scene, measure);
    AddSeasons(builder, layout);
    AddSpokes(builder, layout);
    AddRimAndMonths(builder, layout);
    const bool both_rings = !layout.moons.empty() && !layout.terms.empty();
    if (!layout.moons.empty()) AddMoonRing(builder, layout, kOuterRing);
    if (!layout.terms.empty()) AddTermRing(builder, layout, both_rings ? kInnerRing : kOuterRing);
    AddHub(builder, layout);
    AddRimMarks(builder, layout);
    AddEventLabels(builder, layout);
    AddTitle(builder, layout);
    AddLegend(builder, layout);
    return scene;
}

}  // namespace kalvest
