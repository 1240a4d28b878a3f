// The solar-longitude search apart from its accuracy (which the reference
// tables hold): our nutation series against ERFA's, and how the search
// treats its start and its angle.
#include <gtest/gtest.h>

#include <erfa.h>

#include <cmath>
#include <limits>

#include "ephemeris/nutation_longitude.h"
#include "ephemeris/solar_longitude_search.h"

namespace kalvest {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST(NutationInLongitude, IsErfasSeriesWithItsRate) {
    // Years -3000..6000, every 373.3 days.
    for (double jd = 625000.5; jd < 4000000.0; jd += 373.3) {
        double dpsi = 0.0;
        double deps = 0.0;
        eraNut00b(jd, 0.0, &dpsi, &deps);
        const NutationInLongitude nutation = NutationInLongitudeAt(jd);
        ASSERT_NEAR(nutation.value, dpsi, 1e-15) << jd;
        // Central difference over six minutes: good to about 1e-13 rad/day.
        constexpr double h = 1.0 / 480.0;
        double before = 0.0;
        double after = 0.0;
        eraNut00b(jd - h, 0.0, &before, &deps);
        eraNut00b(jd + h, 0.0, &after, &deps);
        ASSERT_NEAR(nutation.rate, (after - before) / (2.0 * h), 1e-12) << jd;
    }
}

TEST(SolarLongitudeSearch, TheStartOnlyPicksTheCrossing) {
    // A start anywhere within half a year of the crossing finds it; the
    // instant moves by no more than the search's own tolerance.
    for (double degrees : {0.0, 15.0, 137.5, 270.0, 359.9}) {
        for (double year_start : {-1000.0, 1000.0, 2021.0, 4000.0}) {
            const double near = 2451545.0 + (year_start - 2000.0) * 365.2422 + degrees;
            const double instant = SolarLongitudeInstant(degrees, near);
            for (double shift : {-170.0, -30.0, -0.2, 0.01, 45.0, 170.0}) {
                EXPECT_NEAR(SolarLongitudeInstant(degrees, instant + shift), instant,
                            0.05 * kSecond)
                    << degrees << " " << year_start << " " << shift;
            }
        }
    }
}

TEST(SolarLongitudeSearch, WholeTurnsOfTheAngleDoNotMatter) {
    const double near = 2459300.0;
    const double instant = SolarLongitudeInstant(15.0, near);
    EXPECT_NEAR(SolarLongitudeInstant(375.0, near), instant, 1e-3 * kSecond);
    EXPECT_NEAR(SolarLongitudeInstant(-345.0, near), instant, 1e-3 * kSecond);
    EXPECT_NEAR(SolarLongitudeInstant(15.0 + 360.0 * 40, near), instant, 1e-3 * kSecond);
}

TEST(SolarLongitudeSearch, NonFiniteArgumentsGiveNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(SolarLongitudeInstant(nan, 2451545.0)));
    EXPECT_TRUE(std::isnan(SolarLongitudeInstant(inf, 2451545.0)));
    EXPECT_TRUE(std::isnan(SolarLongitudeInstant(90.0, nan)));
    EXPECT_TRUE(std::isnan(SolarLongitudeInstant(90.0, -inf)));
}

}  // namespace
}  // namespace kalvest
