#include <gtest/gtest.h>

#include <cmath>

#include "solar/solar_events.h"

namespace kalvest {
namespace {

constexpr double kDay = 1e-5;  // tolerance of the published check values

class SolarEvents : public ::testing::Test {
protected:
    void SetUp() override { InitPeriodicTerms(); }
};

TEST_F(SolarEvents, March2021CheckValues) {
    const double jde0 = 2459293.89972;
    const double T = (jde0 - 2451545.0) / 36525.0;
    EXPECT_NEAR(PeriodicTermsSum(T), 216.41824, 1e-3);
    EXPECT_NEAR(EquinoxSolsticeJDE(0, 2021), 2459293.90186, kDay);
    EXPECT_NEAR(DeltaTMinutes(2021), 1.38107, 1e-5);
    EXPECT_NEAR(EquinoxSolsticeJD(0, 2021), 2459293.90091, kDay);
}

TEST_F(SolarEvents, OtherEventsOf2021) {
    EXPECT_NEAR(EquinoxSolsticeJD(1, 2021), 2459386.64706, kDay);
    EXPECT_NEAR(EquinoxSolsticeJD(2, 2021), 2459480.30606, kDay);
    EXPECT_NEAR(EquinoxSolsticeJD(3, 2021), 2459570.16606, kDay);
}

TEST_F(SolarEvents, DistantYearsCheckValues) {
    EXPECT_NEAR(EquinoxSolsticeJDE(0, 1000), 2086381.48518, kDay);
    EXPECT_NEAR(EquinoxSolsticeJD(0, 1000), 2086381.46340, kDay);
    EXPECT_NEAR(EquinoxSolsticeJDE(0, 0), 1721139.28542, kDay);
    EXPECT_NEAR(EquinoxSolsticeJD(0, 0), 1721139.16381, kDay);
    EXPECT_NEAR(EquinoxSolsticeJDE(3, -3000), 625685.92401, kDay);
    EXPECT_NEAR(EquinoxSolsticeJD(3, -3000), 625684.92549, kDay);
}

TEST_F(SolarEvents, AnyOtherCodeIsTheDecemberSolstice) {
    for (std::int16_t code : {3, 4, 7, -1, 32767, -32768}) {
        EXPECT_EQ(EquinoxSolsticeJDE(code, 2021), EquinoxSolsticeJDE(3, 2021)) << code;
    }
}

TEST_F(SolarEvents, CoefficientSwitchAt1000KeepsTheYearLength) {
    // 999 uses the first set, 1000 the second; the tropical year must not
    // jump across the switch.
    for (std::int16_t event = 0; event < 4; ++event) {
        const double step = EquinoxSolsticeJDE(event, 1000) - EquinoxSolsticeJDE(event, 999);
        EXPECT_NEAR(step, 365.24, 0.02) << event;
    }
}

TEST_F(SolarEvents, EventsFollowEachOtherThroughEveryYear) {
    // Over the whole range the four events come in order, about a quarter
    // year apart, and each year's March equinox follows the last one.
    double previous_march = EquinoxSolsticeJD(0, -3001);
    for (int year = -3000; year <= 3000; ++year) {
        double last = EquinoxSolsticeJD(3, year - 1);
        for (std::int16_t event = 0; event < 4; ++event) {
            const double jd = EquinoxSolsticeJD(event, year);
            ASSERT_GT(jd - last, 88.0) << year << " " << event;
            ASSERT_LT(jd - last, 95.0) << year << " " << event;
            last = jd;
        }
        const double march = EquinoxSolsticeJD(0, year);
        ASSERT_NEAR(march - previous_march, 365.2422, 0.03) << year;
        previous_march = march;
    }
}

TEST_F(SolarEvents, InitialisingTwiceLeavesTheSameTable) {
    const double before = PeriodicTermsSum(0.21);
    InitPeriodicTerms();
    EXPECT_EQ(PeriodicTermsSum(0.21), before);
}

}  // namespace
}  // namespace kalvest
