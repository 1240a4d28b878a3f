// deltat, called through the built library by its exported name, the way
// other programs call it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "outside/dynamic_library.h"
#include "outside/varquel_binding.h"

namespace kalvest {
namespace {

using DeltaT = double (*)(double, std::int32_t);

DeltaT LoadDeltaT() {
    static DynamicLibrary library("varquel", DefaultVarquelFileName());
    return reinterpret_cast<DeltaT>(library.Symbol(VarquelExportName("deltat", 12)));
}

double DeltaTAt(double year, std::int32_t pivot = 1915) {
    return LoadDeltaT()(year, pivot);
}

TEST(DeltaT, FromThePivotOnTheModernParabolaAlone) {
    EXPECT_NEAR(DeltaTAt(2000), 1.084, 1e-12);
    EXPECT_NEAR(DeltaTAt(3000), 83.124, 1e-9);
    // The year equal to the pivot takes the single formula.
    const double t = (1915.0 - 2000.0) * 0.01;
    EXPECT_DOUBLE_EQ(DeltaTAt(1915), (65.04 + 76.14 * t + 41.61 * t * t) / 60.0);
}

TEST(DeltaT, ConsensusCheckValues) {
    EXPECT_NEAR(DeltaTAt(0), 175.112431, 5e-7);
    EXPECT_NEAR(DeltaTAt(1900), 0.379123, 5e-7);
    EXPECT_NEAR(DeltaTAt(-3000), 1437.872586, 5e-7);
    EXPECT_NEAR(DeltaTAt(1800), -0.011743, 5e-7);
    EXPECT_NEAR(DeltaTAt(1000), 31.370699, 5e-7);
    EXPECT_NEAR(DeltaTAt(1914), 0.501480, 5e-7);
    EXPECT_NEAR(DeltaTAt(1600), 2.226954, 5e-7);
    EXPECT_NEAR(DeltaTAt(2021), 1.38107, 5e-6);
}

TEST(DeltaT, EarlyAndLateColumnsSplitAfter948) {
    // At 948 the early column applies; a hair later the late one, whose
    // formulas differ by hundreds of minutes there.
    const double at948 = DeltaTAt(948);
    const double after = DeltaTAt(948.0001);
    const double before = DeltaTAt(947.9999);
    EXPECT_NEAR(at948, before, 0.01);
    EXPECT_GT(std::fabs(after - at948), 1.0);
}

TEST(DeltaT, FractionalYearsAreUsedAsGiven) {
    EXPECT_NE(DeltaTAt(1000.5), DeltaTAt(1000));
    EXPECT_GT(DeltaTAt(1000.5), DeltaTAt(1001));
    EXPECT_LT(DeltaTAt(1000.5), DeltaTAt(1000));
}

TEST(DeltaT, PivotChoosesTheRegime) {
    // A pivot below every year: always the parabola.
    const double t = (-2000.0 - 2000.0) * 0.01;
    EXPECT_DOUBLE_EQ(DeltaTAt(-2000, -5000), (65.04 + 76.14 * t + 41.61 * t * t) / 60.0);
    // A pivot far in the future: the consensus also for modern years, where
    // it differs from the parabola.
    EXPECT_NE(DeltaTAt(2000, 100000), DeltaTAt(2000, 1915));
    // From 1955.5 on the tidal term is left out: with it, E0, E6, E7 and E8
    // would be larger and so would the consensus of six kept estimates.
    EXPECT_NEAR(DeltaTAt(2000, 100000), 1.528013888888889, 1e-12);
    EXPECT_TRUE(std::isfinite(DeltaTAt(2500, 100000)));
}

TEST(DeltaT, EveryHistoricalYearGivesAPlausibleConsensus) {
    // All nine estimates are valid from -3000 through 1914 and lie between
    // -0.25 and about 1671.4 minutes, so the consensus does as well.
    for (int year = -3000; year <= 1914; ++year) {
        const double value = DeltaTAt(year);
        ASSERT_TRUE(std::isfinite(value)) << year;
        ASSERT_GE(value, -0.25) << year;
        ASSERT_LE(value, 1671.5) << year;
    }
}

TEST(DeltaT, NothingPlausibleGivesZero) {
    // Far enough back every estimate exceeds 60000 minutes.
    EXPECT_EQ(DeltaTAt(-200000), 0.0);
    EXPECT_EQ(DeltaTAt(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(DeltaT, ASingleSurvivorIsReturnedAsItIs) {
    // At -32000 only E8 (31 G^2 seconds and its tidal adjustment) stays
    // under 60000 minutes; it comes back unchanged, not averaged.
    const double g = (-32000.0 - 1820.0) * 0.01;
    const double u = (-32000.0 - 1955.5) * 0.01;
    const double e8 = 31.0 * g * g * (1.0 / 60.0) + 0.004373333333333325 * (0.91072 * u * u);
    EXPECT_EQ(DeltaTAt(-32000), e8);
    EXPECT_NEAR(DeltaTAt(-32000), 59555.157410, 5e-7);

    // Around -9000 only a few of the wide early-column formulas stay under
    // 60000 minutes; whatever survives, the result must be one of the
    // plausible estimates or their consensus, never the invalid marker.
    for (double year = -20000; year <= -3000; year += 250) {
        const double value = DeltaTAt(year);
        EXPECT_TRUE(value == 0.0 || (value >= -1000 && value <= 60000)) << year;
    }
}

}  // namespace
}  // namespace kalvest
