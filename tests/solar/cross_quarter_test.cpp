#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "outside/fendrick.h"
#include "solar/cross_quarter.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

constexpr double kDay = 1e-5;  // tolerance of the published check values

class CrossQuarter : public ::testing::Test {
protected:
    void SetUp() override { InitPeriodicTerms(); }
};

struct Brackets {
    double first;
    double second;
};

// The bracketing equinox or solstice instants (UT), written out here
// independently of the code under test.
Brackets BracketsOf(std::int32_t year, std::int16_t code) {
    switch (code) {
    case 0: return {EquinoxSolsticeJD(3, year - 1), EquinoxSolsticeJD(0, year)};
    case 1: return {EquinoxSolsticeJD(0, year), EquinoxSolsticeJD(1, year)};
    case 2: return {EquinoxSolsticeJD(1, year), EquinoxSolsticeJD(2, year)};
    default: return {EquinoxSolsticeJD(2, year), EquinoxSolsticeJD(3, year)};
    }
}

TEST_F(CrossQuarter, MeanSunCheckValuesOf2021) {
    EXPECT_NEAR(CrossQuarterMeanSun(2021, 0), 2459249.40971, kDay);
    EXPECT_NEAR(CrossQuarterMeanSun(2021, 1), 2459340.27398, kDay);
}

TEST_F(CrossQuarter, MeanSunIsExactlyHalfwayBetweenItsBrackets) {
    for (std::int32_t year : {-3000, -1, 0, 1, 999, 1000, 2021, 3000}) {
        for (std::int16_t code = 0; code < 4; ++code) {
            const Brackets b = BracketsOf(year, code);
            EXPECT_EQ(CrossQuarterMeanSun(year, code), b.first + (b.second - b.first) / 2.0)
                << year << " " << code;
        }
    }
}

TEST_F(CrossQuarter, ImbolcReachesIntoTheYearBefore) {
    // Year 1 brackets from the December solstice of year 0, year 1000 from
    // that of 999, computed with the other coefficient set.
    EXPECT_EQ(CrossQuarterMeanSun(1, 0),
              (EquinoxSolsticeJD(3, 0) + EquinoxSolsticeJD(0, 1)) / 2.0);
    EXPECT_EQ(CrossQuarterMeanSun(1000, 0),
              (EquinoxSolsticeJD(3, 999) + EquinoxSolsticeJD(0, 1000)) / 2.0);
    for (std::int32_t year : {1, 1000}) {
        const double imbolc = CrossQuarterMeanSun(year, 0);
        const Brackets b = BracketsOf(year, 0);
        EXPECT_NEAR(b.second - b.first, 89.5, 1.5) << year;  // one season, not a year
        EXPECT_GT(CrossQuarterTrueSun(year, 0), b.first) << year;
        EXPECT_LT(std::fabs(CrossQuarterTrueSun(year, 0) - imbolc), 3.0) << year;
    }
}

TEST_F(CrossQuarter, TrueSunIsTheRoutinesInstantLessDeltaTOfTheYear) {
    for (std::int32_t year : {1, 1000, 2021}) {
        for (std::int16_t code = 0; code < 4; ++code) {
            const Brackets b = BracketsOf(year, code);
            const double d = DeltaTMinutes(year) / 60.0 / 24.0;
            EXPECT_EQ(CrossQuarterTrueSun(year, code),
                      crossquarterday_true_sun3(b.first + d, b.second + d, code) - d);
        }
    }
}

TEST_F(CrossQuarter, TrueSun2021) {
    // Imbolc 2021: the Sun reached 315 degrees on 3 February at 14:58 UT.
    const double imbolc = CrossQuarterTrueSun(2021, 0);
    EXPECT_NEAR(imbolc, 2459249.0 + (14.0 + 58.7 / 60.0) / 24.0 - 0.5, 1.0 / 1440.0);
}

TEST_F(CrossQuarter, EveryYearLiesStrictlyBetweenItsBracketsAndNearTheMeanSun) {
    double largest_gap = 0.0;
    for (std::int32_t year = 1; year <= 3000; ++year) {
        for (std::int16_t code = 0; code < 4; ++code) {
            const Brackets b = BracketsOf(year, code);
            const double mean = CrossQuarterMeanSun(year, code);
            const double truth = CrossQuarterTrueSun(year, code);
            ASSERT_GT(truth, b.first) << year << " " << code;
            ASSERT_LT(truth, b.second) << year << " " << code;
            ASSERT_GT(mean, b.first) << year << " " << code;
            ASSERT_LT(mean, b.second) << year << " " << code;
            const double gap = std::fabs(truth - mean);
            ASSERT_LT(gap, 3.0) << year << " " << code;
            if (gap > largest_gap) largest_gap = gap;
        }
    }
    // The Sun's uneven speed puts the true sun up to about a day and a
    // half from the mean sun; a routine that ignored it would not.
    EXPECT_GT(largest_gap, 0.5);
}

}  // namespace
}  // namespace kalvest
