// How the true-sun routine treats its arguments: the brackets only guide
// it, and a code it does not know gives a defined answer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "outside/fendrick.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

class TrueSunSearch : public ::testing::Test {
protected:
    void SetUp() override { InitPeriodicTerms(); }

    // The TT brackets of the cross-quarter day.
    static void Brackets(std::int32_t year, std::int16_t code, double& first, double& second) {
        first = code == 0 ? EquinoxSolsticeJDE(3, year - 1)
                          : EquinoxSolsticeJDE(static_cast<std::int16_t>(code - 1), year);
        second = EquinoxSolsticeJDE(code, year);
    }
};

TEST_F(TrueSunSearch, BracketsOffByMinutesOrDaysGiveTheSameInstant) {
    constexpr double kMillisecond = 1e-3 / 86400.0;
    for (std::int32_t year : {1, 999, 1000, 2021, 3000}) {
        for (std::int16_t code = 0; code < 4; ++code) {
            double first = 0.0;
            double second = 0.0;
            Brackets(year, code, first, second);
            const double instant = crossquarterday_true_sun3(first, second, code);
            for (double shift : {-5.0, -0.01, 0.007, 3.0}) {
                EXPECT_NEAR(crossquarterday_true_sun3(first + shift, second + shift, code),
                            instant, 10 * kMillisecond)
                    << year << " " << code << " " << shift;
            }
            // Both brackets on the same instant, or given the wrong way round.
            EXPECT_NEAR(crossquarterday_true_sun3(instant + 2.0, instant + 2.0, code), instant,
                        10 * kMillisecond);
            EXPECT_NEAR(crossquarterday_true_sun3(second, first, code), instant,
                        10 * kMillisecond);
        }
    }
}

TEST_F(TrueSunSearch, CodesOutsideZeroToThreeAndNonFiniteBracketsGiveNaN) {
    double first = 0.0;
    double second = 0.0;
    Brackets(2021, 1, first, second);
    for (std::int32_t code : {-1, 4, 5, 65535, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max()}) {
        EXPECT_TRUE(std::isnan(crossquarterday_true_sun3(first, second, code))) << code;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(crossquarterday_true_sun3(nan, second, 1)));
    EXPECT_TRUE(std::isnan(crossquarterday_true_sun3(first, inf, 1)));
    EXPECT_TRUE(std::isnan(crossquarterday_true_sun3(-inf, inf, 1)));
}

TEST_F(TrueSunSearch, FarOutBracketsEndWithoutHanging) {
    // Far outside the theory's span the answer means little, but the
    // search still ends with a number.
    for (double middle : {-1e9, 0.0, 1e8, 1e15}) {
        EXPECT_FALSE(std::isinf(crossquarterday_true_sun3(middle, middle + 90.0, 2))) << middle;
    }
}

}  // namespace
}  // namespace kalvest
