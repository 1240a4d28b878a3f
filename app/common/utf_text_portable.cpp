// The conversions of utf_text.h in plain C++, for platforms with neither
// ICU nor a system conversion (the browser). They give what ICU gives:
// each maximal part of a malformed sequence that could begin a well-formed
// one becomes one U+FFFD (the Unicode standard's recommended practice),
// and so does an unpaired surrogate on the way back.
#include "common/utf_text.h"

#include <cstdint>

namespace kalvest {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The bounds of a sequence's second byte, which depend on its first: the
// rest of a sequence always lies in 80..BF. Outside them the first byte
// stands alone (Table 3-7 of the Unicode standard).
struct LeadByte {
    int length;  // 0: no lead byte
    unsigned char second_low;
    unsigned char second_high;
};

LeadByte Lead(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
    if (byte == 0xE0) return {3, 0xA0, 0xBF};
    if (byte == 0xED) return {3, 0x80, 0x9F};  // no surrogates
    if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
    if (byte == 0xF0) return {4, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
    if (byte == 0xF4) return {4, 0x80, 0x8F};  // up to U+10FFFF
    return {0, 0, 0};
}

// The code point that starts at `i`, or U+FFFD for a malformed part, and
// `i` moved past what was read. `valid` turns false at a malformed part.
char32_t NextCodePoint(std::string_view text, std::size_t& i, bool& valid) {
    const auto byte = static_cast<unsigned char>(text[i++]);
    if (byte < 0x80) return byte;
    const LeadByte lead = Lead(byte);
    if (lead.length == 0) {
        valid = false;
        return kReplacementCharacter;
    }
    char32_t code = byte & (0xFF >> (lead.length + 1));
    for (int k = 1; k < lead.length; ++k) {
        const unsigned char low = k == 1 ? lead.second_low : 0x80;
        const unsigned char high = k == 1 ? lead.second_high : 0xBF;
        if (i >= text.size()) {
            valid = false;
            return kReplacementCharacter;
        }
        const auto next = static_cast<unsigned char>(text[i]);
        if (next < low || next > high) {
            valid = false;
            return kReplacementCharacter;  // the byte starts the next part
        }
        code = (code << 6) | (next & 0x3F);
        ++i;
    }
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    bool valid = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t code = NextCodePoint(text, i, valid);
        if (code < 0x10000) {
            result += static_cast<char16_t>(code);
        } else {
            result += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            result += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return result;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        char32_t code = unit;
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                   (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            code = kReplacementCharacter;
        }
        AppendUtf8(result, code);
    }
    return result;
}

bool IsValidUtf8(std::string_view text) {
    bool valid = true;
    std::size_t i = 0;
    while (valid && i < text.size()) NextCodePoint(text, i, valid);
    return valid;
}

}  // namespace kalvest
