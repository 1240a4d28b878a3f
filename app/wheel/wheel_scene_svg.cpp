#include "wheel/wheel_scene_svg.h"

#include <cmath>
#include <numbers>

#include "common/decimal_text.h"
#include "common/utf_text.h"

namespace kalvest {
namespace {

// Writes the document, one element at a time.
class SvgWriter {
public:
    explicit SvgWriter(std::string& out) : out_(out) {}

    void operator()(const SceneCircle& circle) {
        out_ += "<circle";
        Attribute("cx", circle.centre.x);
        Attribute("cy", circle.centre.y);
        Attribute("r", circle.radius);
        Paint(circle.stroke, circle.fill);
        out_ += "/>\n";
    }

    void operator()(const SceneArc& arc) {
        if (arc.span_turns <= 0) return;  // nothing to see
        std::string path;
        if (arc.span_turns >= 1) {
            // A whole turn, which one arc command cannot draw: two halves.
            const ScenePoint top = On(arc, arc.from_turn);
            const ScenePoint bottom = On(arc, arc.from_turn + 0.5);
            path = 'M' + Point(top) + ArcTo(arc, false, bottom) + ArcTo(arc, false, top) + 'Z';
        } else {
            const std::string arc_to =
                ArcTo(arc, arc.span_turns > 0.5, On(arc, arc.from_turn + arc.span_turns));
            const std::string start = Point(On(arc, arc.from_turn));
            path = arc.sector ? 'M' + Point(arc.centre) + 'L' + start + arc_to + 'Z'
                              : 'M' + start + arc_to;
        }
        out_ += "<path d=\"" + path + "\"";
        Paint(arc.stroke, arc.fill);
        out_ += "/>\n";
    }

    void operator()(const SceneLine& line) {
        out_ += "<line";
        Attribute("x1", line.from.x);
        Attribute("y1", line.from.y);
        Attribute("x2", line.to.x);
        Attribute("y2", line.to.y);
        Paint(line.stroke, {});
        out_ += "/>\n";
    }

    void operator()(const ScenePolygon& polygon) {
        out_ += "<polygon points=\"";
        for (std::size_t i = 0; i < polygon.points.size(); ++i) {
            if (i > 0) out_ += ' ';
            out_ += Point(polygon.points[i]);
        }
        out_ += "\"";
        Paint(polygon.stroke, polygon.fill);
        out_ += "/>\n";
    }

    void operator()(const SceneRect& rect) {
        out_ += "<rect";
        Attribute("x", rect.top_left.x);
        Attribute("y", rect.top_left.y);
        Attribute("width", rect.width);
        Attribute("height", rect.height);
        Attribute("rx", rect.corner_radius);
        Paint({}, {true, rect.fill});
        Frame(rect.frame);
        out_ += "/>\n";
    }

    void operator()(const SceneText& text) {
        out_ += "<text";
        Attribute("x", text.at.x);
        Attribute("y", text.at.y);
        Attribute("font-size", text.font.size);
        if (text.font.bold) out_ += " font-weight=\"bold\"";
        if (text.font.italic) out_ += " font-style=\"italic\"";
        if (text.anchor == SceneAnchor::kMiddle) out_ += " text-anchor=\"middle\"";
        if (text.anchor == SceneAnchor::kEnd) out_ += " text-anchor=\"end\"";
        Colour("fill", text.colour);
        Frame(text.frame);
        out_ += '>';
        out_ += Escaped(text.text);
        out_ += "</text>\n";
    }

    static std::string Number(double value) {
        char buffer[64];
        std::size_t length = WriteFixedDecimal(buffer, sizeof buffer, value, 2);
        std::string text(buffer, length);
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0') text.pop_back();
            if (text.back() == '.') text.pop_back();
        }
        if (text == "-0") text = "0";
        return text;
    }

    // Text for element content: the markup's own characters escaped.
    static std::string Escaped(const std::string& text) {
        const std::string valid = IsValidUtf8(text) ? text : Utf16ToUtf8(Utf8ToUtf16(text));
        std::string out;
        out.reserve(valid.size());
        for (const char c : valid) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
            }
        }
        return out;
    }

private:
    static ScenePoint On(const SceneArc& arc, double turn) {
        const double angle = 2.0 * std::numbers::pi * turn;
        return {arc.centre.x + arc.radius * std::sin(angle),
                arc.centre.y - arc.radius * std::cos(angle)};
    }

    static std::string Point(ScenePoint point) { return Number(point.x) + "," + Number(point.y); }

    // Clockwise on the canvas, whose y runs down: SVG's sweep flag 1.
    static std::string ArcTo(const SceneArc& arc, bool large, ScenePoint to) {
        const std::string radius = Number(arc.radius);
        return "A" + radius + "," + radius + " 0 " + (large ? "1" : "0") + " 1 " + Point(to);
    }

    void Attribute(const char* name, double value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"" + Number(value) + "\"";
    }

    void Colour(const char* name, SceneColour colour) {
        static const char kHex[] = "0123456789abcdef";
        out_ += ' ';
        out_ += name;
        out_ += "=\"#";
        for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
            out_ += kHex[part >> 4];
            out_ += kHex[part & 15];
        }
        out_ += '"';
        if (colour.alpha != 255) {
            out_ += ' ';
            out_ += name;
            out_ += "-opacity=\"" + Number(colour.alpha / 255.0) + "\"";
        }
    }

    void Paint(const SceneStroke& stroke, const SceneFill& fill) {
        if (fill.filled) {
            Colour("fill", fill.colour);
        } else {
            out_ += " fill=\"none\"";
        }
        if (stroke.width <= 0) return;
        Colour("stroke", stroke.colour);
        Attribute("stroke-width", stroke.width);
        if (stroke.cap == SceneCap::kSquare) out_ += " stroke-linecap=\"square\"";
        if (!stroke.dashes.empty()) {
            out_ += " stroke-dasharray=\"";
            for (std::size_t i = 0; i < stroke.dashes.size(); ++i) {
                if (i > 0) out_ += ',';
                out_ += Number(stroke.dashes[i]);
            }
            out_ += '"';
        }
    }

    void Frame(const SceneFrame& frame) {
        if (frame.origin.x == 0 && frame.origin.y == 0 && frame.degrees == 0) return;
        out_ += " transform=\"translate(" + Number(frame.origin.x) + " " + Number(frame.origin.y) +
                ") rotate(" + Number(frame.degrees) + ")\"";
    }

    std::string& out_;
};

}  // namespace

std::string WheelSceneSvg(const WheelScene& scene) {
    std::string out;
    out.reserve(64 * 1024);
    const std::string width = SvgWriter::Number(scene.width);
    const std::string height = SvgWriter::Number(scene.height);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width +
           "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\"";
    out += std::string(" font-family=\"'") + kWheelFontFamily +
           "', Verdana, sans-serif\" stroke-linejoin=\"bevel\">\n";
    out += "<title>" + SvgWriter::Escaped(scene.title) + "</title>\n";
    out += "<desc>" + SvgWriter::Escaped(scene.description) + "</desc>\n";
    SvgWriter writer(out);
    writer(SceneRect{{0, 0}, scene.width, scene.height, 0, scene.background, {}});
    for (const SceneItem& item : scene.items) std::visit(writer, item);
    out += "</svg>\n";
    return out;
}

}  // namespace kalvest
