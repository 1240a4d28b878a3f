// The modern Delta T: published values, the Swiss Ephemeris where the two
// share their sources (table made by tools/reference/delta_t_sweph.mjs), and
// the joins between its parts.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "ephemeris/modern_delta_t.h"

namespace kalvest {
namespace {

TEST(ModernDeltaT, PublishedValues) {
    // The Astronomical Almanac's table and the IERS: at the start of the
    // year.
    EXPECT_NEAR(ModernDeltaTSeconds(2000.0), 63.8, 0.05);
    EXPECT_NEAR(ModernDeltaTSeconds(1900.0), -2.7, 0.05);
    EXPECT_NEAR(ModernDeltaTSeconds(1950.0), 29.15, 0.005);
    EXPECT_NEAR(ModernDeltaTSeconds(1800.0), 13.7, 0.005);
    EXPECT_NEAR(ModernDeltaTSeconds(1620.0), 124.0, 0.005);
    // Over 2021 it fell from 69.36 s to 69.29 s.
    EXPECT_NEAR(ModernDeltaTSeconds(2021.0), 69.36, 0.005);
    EXPECT_NEAR(ModernDeltaTSeconds(2021.5), 69.2, 0.15);
    // Stephenson, Morrison and Hohenkerk's spline at its knots.
    EXPECT_NEAR(ModernDeltaTSeconds(1000.0), 1467.654, 1e-9);
    EXPECT_NEAR(ModernDeltaTSeconds(-720.0), 20550.593, 1e-9);
    // The same through an instant: 2000 January 1, 0h.
    EXPECT_EQ(DecimalYear(2451544.5), 2000.0);
    EXPECT_EQ(ModernDeltaTSecondsAt(2451544.5), ModernDeltaTSeconds(2000.0));
    EXPECT_EQ(ModernDeltaTMeasuredSpan().first_year, 1620);
    EXPECT_GE(ModernDeltaTMeasuredSpan().last_year, 2026);
}

struct Row {
    double year;
    double seconds;
};

std::vector<Row> SwissEphemerisTable() {
    std::vector<Row> rows;
    std::ifstream file(KALVEST_SOURCE_DIR "/tests/ephemeris/data/delta_t_sweph.csv");
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        Row row{};
        char comma = 0;
        if (fields >> row.year >> comma >> row.seconds && comma == ',') rows.push_back(row);
    }
    return rows;
}

TEST(ModernDeltaT, AgreesWithTheSwissEphemerisWhereTheyShareSources) {
    const std::vector<Row> table = SwissEphemerisTable();
    ASSERT_GT(table.size(), 300u);
    for (const Row& row : table) {
        const double difference = ModernDeltaTSeconds(row.year) - row.seconds;
        if (row.year <= 1600.0) {
            // Their spline and parabola: the library places the knots on
            // day numbers rather than years.
            EXPECT_NEAR(difference, 0.0, 0.05) << row.year;
        } else {
            // Measured values, interpolated a little differently.
            EXPECT_NEAR(difference, 0.0, 0.02) << row.year;
        }
    }
}

TEST(ModernDeltaT, ThePartsJoinWithoutAJump) {
    const double last = ModernDeltaTMeasuredSpan().last_year;
    // Value continuous everywhere; the rate too where the measured values
    // are joined to each other and to the extrapolation.
    for (double join : {-720.0, 1600.0, 1620.0, 1700.0, 2000.0, last, last + 100.0}) {
        constexpr double h = 1e-6;
        EXPECT_NEAR(ModernDeltaTSeconds(join - h), ModernDeltaTSeconds(join + h), 1e-3)
            << join;
    }
    for (double join : {1700.0, 2000.0, last, last + 100.0}) {
        constexpr double h = 1e-4;
        const double before = (ModernDeltaTSeconds(join) - ModernDeltaTSeconds(join - h)) / h;
        const double after = (ModernDeltaTSeconds(join + h) - ModernDeltaTSeconds(join)) / h;
        EXPECT_NEAR(before, after, 1e-3) << join;
    }
    // No jumps anywhere: the steepest slope, 31 s a year, is at -3000.
    for (double year = -3000.0; year < 3000.0; year += 0.01) {
        ASSERT_LT(std::fabs(ModernDeltaTSeconds(year + 0.01) - ModernDeltaTSeconds(year)), 0.35)
            << year;
    }
}

TEST(ModernDeltaT, TheExtrapolationEndsOnTheLongTermParabola) {
    // A century after the last measured value it grows as -320 + 32.5 u^2
    // (u in centuries from 1825) does: by 65 s a century, per century.
    const double y = ModernDeltaTMeasuredSpan().last_year + 250.0;
    const double second_difference = ModernDeltaTSeconds(y + 100.0) -
                                     2.0 * ModernDeltaTSeconds(y) +
                                     ModernDeltaTSeconds(y - 100.0);
    EXPECT_NEAR(second_difference, 65.0, 1e-6);
    EXPECT_GT(ModernDeltaTSeconds(2100.0), ModernDeltaTSeconds(2030.0));
}

TEST(ModernDeltaT, NonFiniteYearsGiveNaN) {
    EXPECT_TRUE(std::isnan(ModernDeltaTSeconds(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(ModernDeltaTSeconds(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(ModernDeltaTSecondsAt(-std::numeric_limits<double>::infinity())));
}

}  // namespace
}  // namespace kalvest
