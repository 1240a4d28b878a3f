// The shared string routines: 1-based positions, exact character
// comparison, the whole-number test of the year box, and the accent-aware
// case folding used when an address is rewritten.
#include <gtest/gtest.h>

#include "common/str_proc.h"
#include "common/utf_text.h"

namespace kalvest {
namespace {

TEST(SafeLeft, CutsAtCountAndNeverBeyond) {
    EXPECT_EQ(SafeLeft(u"abc", 0), u"");
    EXPECT_EQ(SafeLeft(u"abc", -4), u"");
    EXPECT_EQ(SafeLeft(u"abc", 2), u"ab");
    EXPECT_EQ(SafeLeft(u"abc", 3), u"abc");
    EXPECT_EQ(SafeLeft(u"abc", 5), u"abc");
}

TEST(FindFirstOf, ReportsPositionAndIndexInSet) {
    StrPos index = -1;
    EXPECT_EQ(FindFirstOf(u"year 2024", 1, u"0123456789", &index), 6);
    EXPECT_EQ(index, 3);  // "2" is the third character of the set
    EXPECT_EQ(FindFirstOf(u"year 2024", 7, u"24", &index), 8);
    EXPECT_EQ(index, 1);
    // A start below 1 counts as 1.
    EXPECT_EQ(FindFirstOf(u"a1", -3, u"a", &index), 1);
}

TEST(FindFirstOf, NothingFoundGivesZero) {
    StrPos index = 7;
    EXPECT_EQ(FindFirstOf(u"abc", 1, u"xyz", &index), 0);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(FindFirstOf(u"", 1, u"a", &index), 0);
    EXPECT_EQ(FindFirstOf(u"abc", 1, u"", &index), 0);
    EXPECT_EQ(FindFirstOf(u"abc", 4, u"c"), 0);
    EXPECT_EQ(FindFirstOf(u"abc", 3, u"c"), 3);
}

TEST(FindFirstNotOf, SkipsSetCharacters) {
    EXPECT_EQ(FindFirstNotOf(u"  12", 1, u" "), 3);
    EXPECT_EQ(FindFirstNotOf(u"1,2x", 0, u"0123456789,"), 4);
    EXPECT_EQ(FindFirstNotOf(u"111", 1, u"1"), 0);
    EXPECT_EQ(FindFirstNotOf(u"", 1, u"1"), 0);
    EXPECT_EQ(FindFirstNotOf(u"abc", 1, u""), 1);
}

TEST(RemoveChars, RemovesEveryRunWherever) {
    std::u16string text = u",1,,2x,,,3,";
    RemoveChars(text, u",");
    EXPECT_EQ(text, u"12x3");
    text = u"1234";
    RemoveChars(text, u"0123456789");
    EXPECT_EQ(text, u"");
    text = u"a1b22c";
    RemoveChars(text, u"12");
    EXPECT_EQ(text, u"abc");
    text = u"abc";
    RemoveChars(text, u"");
    EXPECT_EQ(text, u"abc");
}

TEST(IsInteger, SignedWithoutComma) {
    EXPECT_TRUE(IsInteger(u"2024", true, false));
    EXPECT_TRUE(IsInteger(u"  2024  ", true, false));
    EXPECT_TRUE(IsInteger(u"-500", true, false));
    EXPECT_TRUE(IsInteger(u"+5", true, false));
    EXPECT_TRUE(IsInteger(u"+", true, false));
    EXPECT_TRUE(IsInteger(u"-", true, false));

    EXPECT_FALSE(IsInteger(u"20a4", true, false));
    EXPECT_FALSE(IsInteger(u"20 24", true, false));
    EXPECT_FALSE(IsInteger(u"--5", true, false));
    EXPECT_FALSE(IsInteger(u"2,024", true, false));
    EXPECT_FALSE(IsInteger(u"", true, false));
    EXPECT_FALSE(IsInteger(u"   ", true, false));
    EXPECT_FALSE(IsInteger(u"- 5", true, false));
    EXPECT_FALSE(IsInteger(u"1.5", true, false));
    EXPECT_FALSE(IsInteger(u"1e3", true, false));
    // Only the space character counts as a blank.
    EXPECT_FALSE(IsInteger(u"\t12", true, false));
}

TEST(TrimBlanks, OnlySpacesAtEitherEndGo) {
    EXPECT_EQ(TrimBlanks(std::string("  2024 ")), "2024");
    EXPECT_EQ(TrimBlanks(std::string("   ")), "");
    EXPECT_EQ(TrimBlanks(std::string("\t2 0\r\n")), "\t2 0\r\n");
    EXPECT_EQ(TrimBlanks(std::u16string(u" \u00e9 ")), u"\u00e9");
}

TEST(TrimChars, AnySetOfCharactersAtEitherEnd) {
    EXPECT_EQ(TrimChars(" \t 12 = x\t ", " \t"), "12 = x");
    EXPECT_EQ(TrimChars("\t\t", " \t"), "");
    EXPECT_EQ(TrimChars("\tx ", " "), "\tx");
}

// The one reader of whole numbers: a sign and digits, nothing else, within
// 32 bits.
TEST(ParseWholeNumber, SignAndDigitsWithin32Bits) {
    EXPECT_EQ(ParseWholeNumber("0012"), 12);
    EXPECT_EQ(ParseWholeNumber("+5"), 5);
    EXPECT_EQ(ParseWholeNumber("-0"), 0);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), INT32_MIN);
    for (const char* text : {"", "+", "-", "+-1", "--1", "++1", " 1", "1 ", "1e3", "1.0", "1,000",
                             "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << text;
    }
}

TEST(IsInteger, SignOnlyWhenAllowed) {
    EXPECT_FALSE(IsInteger(u"-5", false, false));
    EXPECT_FALSE(IsInteger(u"+", false, false));
    EXPECT_TRUE(IsInteger(u"5", false, false));
}

TEST(IsInteger, CommasWhenAllowed) {
    EXPECT_TRUE(IsInteger(u"1,234,567", false, true));
    EXPECT_TRUE(IsInteger(u"-1,234", true, true));
    EXPECT_TRUE(IsInteger(u",,,", false, true));
    EXPECT_FALSE(IsInteger(u"1.234", false, true));
}

TEST(LowerCaseAccented, MapsTableAndLeavesTheRestToPlatform) {
    EXPECT_EQ(LowerCaseAccented(u"\u00C0B\u00C7"), u"\u00E0b\u00E7");
    // The OE ligature is not in the table; the platform lower-cases it.
    EXPECT_EQ(LowerCaseAccented(u"\u0152UVRE"), u"\u0153uvre");
    EXPECT_EQ(LowerCaseAccented(u"\u0160KODA \u0178"), u"\u0161koda \u00FF");
    EXPECT_EQ(LowerCaseAccented(u""), u"");
}

TEST(LowerCaseAccented, TablesCorrespondOneToOne) {
    ASSERT_EQ(kAccentedCapitals.size(), 30U);
    ASSERT_EQ(kAccentedSmallLetters.size(), 30U);
    EXPECT_EQ(LowerCaseAccented(kAccentedCapitals), kAccentedSmallLetters);
}

TEST(LowerCase, KeepsLengthSoPositionsCarryOver) {
    // Capital I with dot above lower-cases to two characters in full case
    // mapping; the simple mapping keeps one.
    const std::u16string text = u"\u0130STANBUL \U00010400";  // Deseret capital
    const std::u16string lower = LowerCase(text);
    ASSERT_EQ(lower.size(), text.size());
    EXPECT_EQ(lower, u"istanbul \U00010428");
    // A lone surrogate passes through unchanged.
    const std::u16string broken(1, u'\xD800');
    EXPECT_EQ(LowerCase(broken), broken);
}

TEST(ReplaceIgnoringCase, ReplacesEveryCaseVariantUnchanged) {
    EXPECT_EQ(ReplaceIgnoringCase(u"http://a and HTTP://b", u"http:", u"https:"),
              u"https://a and https://b");
    EXPECT_EQ(ReplaceIgnoringCase(u"no match", u"xyz", u"Q"), u"no match");
    EXPECT_EQ(ReplaceIgnoringCase(u"CAF\u00C9 caf\u00E9", u"caf\u00E9", u"tea"),
              u"tea tea");
}

TEST(ReplaceIgnoringCase, NeverSearchesInsideOrSkipsPastReplacement) {
    // A replacement that holds `find` would otherwise grow without end.
    EXPECT_EQ(ReplaceIgnoringCase(u"a-a", u"a", u"aa"), u"aa-aa");
    EXPECT_EQ(ReplaceIgnoringCase(u"abb", u"ab", u"xya"), u"xyab");
    // A shorter replacement must not make the search jump over text.
    EXPECT_EQ(ReplaceIgnoringCase(u"abcabc", u"abc", u"x"), u"xx");
    EXPECT_EQ(ReplaceIgnoringCase(u"text", u"", u"x"), u"text");
}

TEST(UtfText, RoundTripsAndReplacesMalformedInput) {
    const std::string utf8 = "\xC3\x80 \xE2\x82\xAC \xF0\x9F\x8C\x9E";  // À € 🌞
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    EXPECT_EQ(utf16, u"\u00C0 \u20AC \U0001F31E");
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_FALSE(IsValidUtf8("a\xFF"));
    EXPECT_FALSE(IsValidUtf8("\xC3"));  // cut sequence
}

}  // namespace
}  // namespace kalvest
