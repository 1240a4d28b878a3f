// The window-free year check: form, range and the 32-bit limit.
#include <gtest/gtest.h>

#include <limits>

#include "run/year_input.h"

namespace kalvest {
namespace {

TEST(CheckYearText, FormAndRange) {
    struct Case {
        const char* text;
        YearVerdict verdict;
        const char* trimmed;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"  2024 ", YearVerdict::kAccepted, "2024", 2024},
        {"+5", YearVerdict::kAccepted, "+5", 5},
        {"1", YearVerdict::kAccepted, "1", 1},
        {"0", YearVerdict::kOutOfRange, "0", 0},
        {"-0", YearVerdict::kOutOfRange, "-0", 0},
        {"+", YearVerdict::kOutOfRange, "+", 0},
        {"3001", YearVerdict::kOutOfRange, "3001", 3001},
        {"-3000", YearVerdict::kOutOfRange, "-3000", -3000},
        {"\t2024", YearVerdict::kNotWhole, "\t2024", std::nullopt},
        {"1e3", YearVerdict::kNotWhole, "1e3", std::nullopt},
        {"+-1", YearVerdict::kNotWhole, "+-1", std::nullopt},
        {"", YearVerdict::kMissing, "", std::nullopt},
        {"    ", YearVerdict::kMissing, "", std::nullopt},
    };
    for (const Case& c : cases) {
        const YearCheck check = CheckYearText(c.text);
        EXPECT_EQ(check.verdict, c.verdict) << c.text;
        EXPECT_EQ(check.trimmed, c.trimmed) << c.text;
        EXPECT_EQ(check.value, c.value) << c.text;
    }
}

TEST(CheckYearText, DigitsBeyond32BitsAreOutOfRange) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CheckYearText("2147483647").value, kMax);
    EXPECT_EQ(CheckYearText("-2147483648").value, kMin);
    EXPECT_EQ(CheckYearText("000000000002024").verdict, YearVerdict::kAccepted);
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999999"}) {
        const YearCheck check = CheckYearText(text);
        EXPECT_EQ(check.verdict, YearVerdict::kOutOfRange) << text;
        EXPECT_FALSE(check.value.has_value()) << text;
    }
}

TEST(CurrentYear, IsThisCentury) {
    EXPECT_GE(CurrentYear(), 2024);
    EXPECT_LT(CurrentYear(), 2200);
}

}  // namespace
}  // namespace kalvest
