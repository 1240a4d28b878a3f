// The browser's UTF-8 conversions (common/utf_text_portable.cpp) against
// ICU's, which the Linux build uses: the same text for every input, the
// malformed ones above all, whose U+FFFD replacements must fall alike.
#include <gtest/gtest.h>
#include <unicode/ustring.h>

#include <cstdint>
#include <random>
#include <string>

#include "common/utf_text.h"

namespace kalvest {
namespace {

std::u16string IcuUtf16(const std::string& text) {
    std::u16string result(text.size(), u'\0');
    std::int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(result.data()), static_cast<int32_t>(text.size()),
                         &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr,
                         &error);
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::string IcuUtf8(const std::u16string& text) {
    std::string result(text.size() * 3, '\0');
    std::int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strToUTF8WithSub(result.data(), static_cast<int32_t>(result.size()), &length,
                       reinterpret_cast<const UChar*>(text.data()),
                       static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &error);
    result.resize(static_cast<std::size_t>(length));
    return result;
}

bool IcuValid(const std::string& text) {
    std::int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &error);
    return text.empty() || error == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(error);
}

// Bytes drawn mostly from those that start or continue a sequence, and
// the edges of Table 3-7 (E0 A0, ED 9F, F0 90, F4 8F and one beyond).
TEST(PortableUtfText, MatchesIcuOnEveryKindOfByteString) {
    const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0,
                                   0xC1, 0xC2, 0xDF, 0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0,
                                   0xF1, 0xF3, 0xF4, 0xF5, 0xFF};
    std::mt19937 random(24);
    for (int n = 0; n < 200000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 9);
        for (int i = 0; i < length; ++i) {
            text += static_cast<char>(random() % 2 ? edges[random() % sizeof edges]
                                                   : static_cast<unsigned char>(random()));
        }
        ASSERT_EQ(Utf8ToUtf16(text), IcuUtf16(text)) << testing::PrintToString(text);
        ASSERT_EQ(IsValidUtf8(text), IcuValid(text)) << testing::PrintToString(text);
    }
}

TEST(PortableUtfText, MatchesIcuOnLoneAndPairedSurrogates) {
    const char16_t units[] = {u'a', 0x7F, 0x80, 0x7FF, 0x800, 0xD7FF, 0xD800, 0xDBFF,
                              0xDC00, 0xDFFF, 0xE000, 0xFFFD, 0xFFFF};
    std::mt19937 random(22);
    for (int n = 0; n < 100000; ++n) {
        std::u16string text;
        const int length = static_cast<int>(random() % 6);
        for (int i = 0; i < length; ++i) text += units[random() % std::size(units)];
        ASSERT_EQ(Utf16ToUtf8(text), IcuUtf8(text));
        ASSERT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), IcuUtf16(IcuUtf8(text)));
    }
}

}  // namespace
}  // namespace kalvest
