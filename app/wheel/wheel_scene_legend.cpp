// The texts around the wheel: the title above it, the legend with a
// sample of each mark, the list of eclipses and the note on the two suns.
#include <algorithm>

#include "wheel/wheel_scene_parts.h"

namespace kalvest::wheel_scene {
namespace {

ScenePoint Offset(ScenePoint at, double dx, double dy) { return {at.x + dx, at.y + dy}; }

void AddLegendMark(SceneBuilder& scene, WheelMark mark, ScenePoint at) {
    const ScenePoint left = Offset(at, -14, 0);
    const ScenePoint right = Offset(at, 14, 0);
    switch (mark) {
    case WheelMark::kEquinoxSolstice:
        scene.Line(left, right, Pen(kQuarterColour, 3.5));
        scene.Diamond(at, 8, Pen(kWhite, 1.5), kQuarterColour);
        break;
    case WheelMark::kTrueSun:
        scene.Line(left, right, Pen(kCrossColour, 2.2));
        scene.SunDots(at, at, 6);
        break;
    case WheelMark::kMeanSun:
        scene.Line(left, right, MeanSunPen());
        scene.Circle(at, 6, Pen(kCrossColour, 2.0), Filled(kWhite));
        break;
    case WheelMark::kGap:
        scene.Line(Offset(at, -16, 0), Offset(at, 16, 0), Pen(kSoftInk, 1.0));
        scene.Line(Offset(at, -9, 0), Offset(at, 9, 0), Pen(kCrossColour, 4.0, SceneCap::kFlat));
        scene.SunDots(Offset(at, -9, 0), Offset(at, 9, 0), 4.5);
        break;
    case WheelMark::kFullMoon:
        scene.MoonMark(at, MoonPhase::kFull, 7.5);
        break;
    case WheelMark::kNewMoon:
        scene.MoonMark(at, MoonPhase::kNew, 7.5);
        break;
    case WheelMark::kEclipse:
        scene.MoonMark(at, MoonPhase::kFull, 6);
        scene.EclipseMark(at, 10);
        break;
    case WheelMark::kSolarTerm:
        scene.Line(Offset(at, 0, -7), Offset(at, 0, 7), Pen(kSoftInk, 1.5));
        break;
    }
}

}  // namespace

void AddTitle(SceneBuilder& scene, const WheelLayout& layout) {
    scene.CentredText(layout.title, {0, 18, kWheelCanvasWidth, 40}, {30, true}, kInk);
    scene.CentredText(layout.subtitle, {0, 60, kWheelCanvasWidth, 26}, {17}, kSoftInk);
}

// The legend in columns of four under the wheel, the eclipses in the
// last, and the footnote at the foot.
void AddLegend(SceneBuilder& scene, const WheelLayout& layout) {
    constexpr double kTop = 935;
    constexpr double kRow = 23;
    constexpr double kColumnWidth = 400;
    const SceneFont font{14};
    for (std::size_t i = 0; i < layout.legend.size(); ++i) {
        const double x = 40 + kColumnWidth * static_cast<double>(i / 4);
        const double y = kTop + kRow * static_cast<double>(i % 4);
        AddLegendMark(scene, layout.legend[i].mark, {x + 16, y});
        scene.Text(layout.legend[i].text, {x + 38, scene.Baseline(y, font)}, SceneAnchor::kStart,
                   font, kInk);
    }
    if (!layout.eclipse_lines.empty()) {
        // The eclipses' column moves left when its longest line ("30 Nov:
        // Central annular-total (hybrid) solar eclipse") needs the room.
        double widest = 0;
        for (const std::string& line : layout.eclipse_lines) {
            widest = std::max(widest, scene.Width(line, font));
        }
        const double x = std::min(40 + 2 * kColumnWidth + 50, kWheelCanvasWidth - 40 - widest);
        double y = kTop;
        scene.Text("Eclipses", {x, scene.Baseline(y, {14, true})}, SceneAnchor::kStart, {14, true},
                   kEclipseColour);
        for (const std::string& line : layout.eclipse_lines) {
            y += kRow * 0.9;
            scene.Text(line, {x, scene.Baseline(y, font)}, SceneAnchor::kStart, font, kInk);
        }
    }
    scene.CentredText(layout.footnote, {0, 1058, kWheelCanvasWidth, 24}, {12, false, true},
                      kSoftInk);
}

}  // namespace kalvest::wheel_scene
