// varquel's environment lookups getenv1 (unbounded, as published) and
// getenv2 (bounded), through the loaded library.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstring>
#include <string>

#include "portable_test_support.h"
#include "varquel_exports.h"

namespace kalvest::testing {
namespace {

constexpr char kName[] = "KALVEST_VARQUEL_TEST_VALUE";
constexpr char kUnset[] = "KALVEST_VARQUEL_TEST_NEVER_SET";

class EnvironmentLookup : public ::testing::Test {
protected:
    void SetUp() override {
        SetEnvironment(kName, "lunar phases");
        UnsetEnvironment(kUnset);
    }
    void TearDown() override { UnsetEnvironment(kName); }
};

TEST_F(EnvironmentLookup, Getenv1CopiesTheValueWithItsNul) {
    char buffer[32];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadGetenv1()(kName, buffer), 0);
    EXPECT_STREQ(buffer, "lunar phases");
    EXPECT_EQ(buffer[13], 'x');  // nothing written past the NUL
}

TEST_F(EnvironmentLookup, Getenv1GivesTheEmptyStringForAnUnsetVariable) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadGetenv1()(kUnset, buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'x');
}

TEST_F(EnvironmentLookup, Getenv1ToleratesNullPointers) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(LoadGetenv1()(nullptr, buffer), 0);  // as if unset
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(LoadGetenv1()(kName, nullptr), 0);   // receives nothing
    EXPECT_EQ(LoadGetenv1()(nullptr, nullptr), 0);
}

TEST_F(EnvironmentLookup, Getenv2ReturnsTheLengthAndCopiesWhatFits) {
    char buffer[32];
    EXPECT_EQ(LoadGetenv2()(kName, buffer, sizeof buffer), 12);
    EXPECT_STREQ(buffer, "lunar phases");
    // Exactly enough room.
    EXPECT_EQ(LoadGetenv2()(kName, buffer, 13), 12);
    EXPECT_STREQ(buffer, "lunar phases");
}

TEST_F(EnvironmentLookup, Getenv2NeverWritesPastTheBuffer) {
    char buffer[16];
    for (int size = 1; size <= 12; ++size) {
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(LoadGetenv2()(kName, buffer, size), 12) << size;
        EXPECT_EQ(std::string(buffer), std::string("lunar phases", size - 1)) << size;
        for (int i = size; i < 16; ++i) ASSERT_EQ(buffer[i], 'x') << size << " " << i;
    }
    // Nothing at all for no room, a negative size or no buffer.
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadGetenv2()(kName, buffer, 0), 12);
    EXPECT_EQ(LoadGetenv2()(kName, buffer, -5), 12);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(LoadGetenv2()(kName, nullptr, 100), 12);
}

TEST_F(EnvironmentLookup, Getenv2AsksForTheSizeFirst) {
    const std::int32_t length = LoadGetenv2()(kName, nullptr, 0);
    std::string value(length + 1, '?');
    EXPECT_EQ(LoadGetenv2()(kName, value.data(), length + 1), length);
    value.resize(length);
    EXPECT_EQ(value, "lunar phases");
}

TEST_F(EnvironmentLookup, Getenv2TellsUnsetFromEmpty) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(LoadGetenv2()(kUnset, buffer, sizeof buffer), -1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'x');
    EXPECT_EQ(LoadGetenv2()(nullptr, buffer, sizeof buffer), -1);
    EXPECT_EQ(LoadGetenv2()(nullptr, nullptr, 0), -1);

#if !defined(_WIN32)  // Windows's runtime removes a variable set empty
    setenv(kName, "", 1);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadGetenv2()(kName, buffer, sizeof buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
#endif
}

}  // namespace
}  // namespace kalvest::testing
