#include "wheel/wheel_scene_font.h"

#include <string>

namespace kalvest {
namespace {

using wheel_font::kDejaVuSans;

// The table's index of a code point, or -1 outside it.
int TableIndex(char32_t code_point) {
    if (code_point >= 0x20 && code_point <= 0x7E) return static_cast<int>(code_point - 0x20);
    if (code_point >= 0xA0 && code_point <= 0xFF) return static_cast<int>(code_point - 0xA0 + 95);
    return -1;
}

class FontTableMeasure final : public TextMeasure {
public:
    double Width(const std::string& text, const SceneFont& font) const override {
        const std::uint16_t* advances = font.bold ? kDejaVuSans.bold : kDejaVuSans.regular;
        const int fallback = advances[TableIndex(U'n')];
        long units = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if ((byte & 0xC0) == 0x80) continue;  // inside a sequence, counted at its lead
            char32_t code_point = byte;
            // U+0080..U+00FF, the only sequences the table holds.
            if ((byte == 0xC2 || byte == 0xC3) && i + 1 < text.size() &&
                (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
                code_point =
                    ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            } else if (byte >= 0x80) {
                code_point = 0x100;  // beyond the table
            }
            const int index = TableIndex(code_point);
            units += index >= 0 ? advances[index] : fallback;
        }
        return static_cast<double>(units) * Scale(font);
    }
    double Ascent(const SceneFont& font) const override { return kDejaVuSans.ascent * Scale(font); }
    double Descent(const SceneFont& font) const override {
        return kDejaVuSans.descent * Scale(font);
    }

private:
    static double Scale(const SceneFont& font) { return font.size / kDejaVuSans.units_per_em; }
};

}  // namespace

const TextMeasure& WheelFontTableMeasure() {
    static const FontTableMeasure measure;
    return measure;
}

}  // namespace kalvest
