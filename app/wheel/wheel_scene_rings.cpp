// The rings inside the rim: the year's full and new moons with their
// eclipses, and the 24 solar terms.
#include "wheel/wheel_scene_parts.h"

namespace kalvest::wheel_scene {
namespace {

// A short text on a pale patch inside the circle of `radius` at `turn`,
// readable over spokes and tints.
void AddPatchedText(SceneBuilder& scene, double turn, double radius, const std::string& text,
                    SceneFont font, SceneColour colour) {
    const Box box = BoxAt(turn, radius, scene.Width(text, font) + 4, scene.LineHeight(font), false);
    scene.Patch(box);
    scene.CentredText(text, box, font, colour);
}

}  // namespace

void AddMoonRing(SceneBuilder& scene, const WheelLayout& layout, double radius) {
    scene.Circle(kCentre, radius, DottedPen(kSoftInk, 1.0));
    for (const WheelMoon& moon : layout.moons) {
        const ScenePoint at = At(moon.turn, radius);
        scene.MoonMark(at, moon.phase, 8.5);
        const bool eclipse = moon.eclipse_class != kNoEclipse;
        if (eclipse) scene.EclipseMark(at, 14);
        AddPatchedText(scene, moon.turn, radius - (eclipse ? 17 : 12), moon.label, {12, eclipse},
                       eclipse ? kEclipseColour : kInk);
    }
}

// Each term's name runs along its radius, inward from the tick, turned so
// that it never reads upside down.
void AddTermRing(SceneBuilder& scene, const WheelLayout& layout, double radius) {
    scene.Circle(kCentre, radius, DottedPen(kSoftInk, 1.0));
    for (const WheelTerm& term : layout.terms) {
        scene.Line(At(term.turn, radius - 5), At(term.turn, radius + 5), Pen(kSoftInk, 1.5));
        const SceneFont font{12, term.turning_point};
        const double width = scene.Width(term.name, font) + 4;
        const double height = scene.LineHeight(font);
        const bool right_half = term.turn < 0.5;
        const SceneFrame frame{At(term.turn, radius - 9),
                               360.0 * term.turn + (right_half ? -90.0 : 90.0)};
        const Box box{right_half ? -width : 0.0, -height / 2, width, height};
        scene.Patch(box, frame);
        scene.CentredText(term.name, box, font, kInk, frame);
    }
}

}  // namespace kalvest::wheel_scene
