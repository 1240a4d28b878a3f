#include <gtest/gtest.h>

#include <string>

#include "common/display_width.h"

namespace kalvest {
namespace {

TEST(DisplayWidth, WideCharactersTakeTwoColumnsAndBadBytesOne) {
    EXPECT_EQ(DisplayWidth(""), 0u);
    EXPECT_EQ(DisplayWidth("Lichun"), 6u);
    EXPECT_EQ(DisplayWidth("Lìchūn"), 6u);          // accents: one column each
    EXPECT_EQ(DisplayWidth("立春"), 4u);
    EXPECT_EQ(DisplayWidth("惊蛰 / 驚蟄"), 11u);
    EXPECT_EQ(DisplayWidth("315°"), 4u);
    EXPECT_EQ(DisplayWidth("ｶﾅ"), 2u);               // half-width kana stay narrow
    EXPECT_EQ(DisplayWidth("ＡＢ"), 4u);             // full-width letters
    EXPECT_EQ(DisplayWidth("한국"), 4u);
    EXPECT_EQ(DisplayWidth("\xF0\xA0\x80\x80"), 2u);  // U+20000, beyond the first plane
    // A cut character and stray bytes: one column each, as the
    // replacement character they become.
    EXPECT_EQ(DisplayWidth("\xE7\xAB"), 1u);
    EXPECT_EQ(DisplayWidth("a\x80\xFF"), 3u);

    std::string line;
    AppendPaddedToWidth(line, "立春", 11);
    EXPECT_EQ(line, "立春       ");
    AppendPaddedToWidth(line, "Awakening of Insects, long", 4);
    EXPECT_EQ(line, "立春       Awakening of Insects, long");
}

}  // namespace
}  // namespace kalvest
