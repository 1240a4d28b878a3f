// The wheel of the year as a drawing: every circle, arc, line, patch and
// text of the picture, placed on a canvas of 1200 by 1100 units, in the
// order they are painted. The layout (wheel_layout.h) says what the
// picture shows; the scene says where each stroke and letter goes, once,
// for every back end: Qt's painter (window, PNG, SVG, PDF) and the core's
// own SVG writer (wheel_scene_svg.h), which needs no Qt.
//
// Where a place depends on how wide a text is (a label's box beside the
// rim, the pale patch behind a date), the scene asks a TextMeasure: Qt's
// font metrics in the Qt back end, the font's width table
// (wheel_scene_font.h) elsewhere. Texts stand on their baseline at an
// anchor, so that a renderer with a slightly different font keeps them
// where they belong.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "wheel/wheel_layout.h"

namespace kalvest {

constexpr double kWheelCanvasWidth = 1200.0;
constexpr double kWheelCanvasHeight = 1100.0;

struct ScenePoint {
    double x = 0;
    double y = 0;
};

struct SceneColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;  // 255 opaque
};

// The ends of a stroke, and of each of its dashes: flat at the end
// point, or squared off half the width beyond it.
enum class SceneCap { kFlat, kSquare };

// How an outline is drawn; a width of 0 draws none.
struct SceneStroke {
    SceneColour colour;
    double width = 0;
    // Dash and gap lengths in canvas units, alternating; empty for a
    // solid line.
    std::vector<double> dashes;
    SceneCap cap = SceneCap::kSquare;
};

// The inside of a shape; `filled` false leaves it open.
struct SceneFill {
    bool filled = false;
    SceneColour colour;
};

struct SceneCircle {
    ScenePoint centre;
    double radius = 0;
    SceneStroke stroke;
    SceneFill fill;
};

// A part of a circle from `from_turn` clockwise over `span_turns` (both
// as turns of the year: 0 at the top). A sector closes through the
// centre, a slice of the disc; otherwise only the arc is stroked.
struct SceneArc {
    ScenePoint centre;
    double radius = 0;
    double from_turn = 0;
    double span_turns = 0;
    bool sector = false;
    SceneStroke stroke;
    SceneFill fill;
};

struct SceneLine {
    ScenePoint from;
    ScenePoint to;
    SceneStroke stroke;
};

struct ScenePolygon {
    std::vector<ScenePoint> points;
    SceneStroke stroke;
    SceneFill fill;
};

// The frame an item is drawn in: its coordinates are turned by `degrees`
// (clockwise on the canvas) about the origin and moved to `origin`. The
// default is the canvas itself.
struct SceneFrame {
    ScenePoint origin;
    double degrees = 0;
};

// A filled box with rounded corners, unstroked: the patch behind a text.
struct SceneRect {
    ScenePoint top_left;
    double width = 0;
    double height = 0;
    double corner_radius = 0;
    SceneColour fill;
    SceneFrame frame;
};

// How the font of a text is chosen: the wheel's sans-serif in `size`
// canvas units.
struct SceneFont {
    double size = 12;
    bool bold = false;
    bool italic = false;
};

// Where a text stands horizontally against its anchor point.
enum class SceneAnchor { kStart, kMiddle, kEnd };

struct SceneText {
    std::string text;  // UTF-8
    ScenePoint at;     // on the baseline
    SceneAnchor anchor = SceneAnchor::kStart;
    SceneFont font;
    SceneColour colour;
    SceneFrame frame;
};

using SceneItem =
    std::variant<SceneCircle, SceneArc, SceneLine, ScenePolygon, SceneRect, SceneText>;

struct WheelScene {
    double width = kWheelCanvasWidth;
    double height = kWheelCanvasHeight;
    SceneColour background;
    std::string title;             // the layout's title, for the file's metadata
    std::string description;       // the layout's subtitle
    std::vector<SceneItem> items;  // bottom first
};

// How wide and high a text is in the font the picture is drawn with.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The advance of `text` (UTF-8) in canvas units.
    virtual double Width(const std::string& text, const SceneFont& font) const = 0;
    // How far the font reaches above and below the baseline.
    virtual double Ascent(const SceneFont& font) const = 0;
    virtual double Descent(const SceneFont& font) const = 0;
};

// The font family the scene's texts ask for.
constexpr const char* kWheelFontFamily = "DejaVu Sans";

// The paper's colour: white.
constexpr SceneColour kWheelBackground{255, 255, 255, 255};

WheelScene MakeWheelScene(const WheelLayout& layout, const TextMeasure& measure);

}  // namespace kalvest
