// The cross-quarter days to the second: built on the precise equinoxes and
// solstices and the true-sun terms, and near what the window shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>

#include "ephemeris/modern_delta_t.h"
#include "solar/cross_quarter.h"
#include "solar/precise_cross_quarter.h"
#include "solar/precise_equinox_solstice.h"
#include "solar/solar_events.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

bool SameInstant(const SolarInstant& a, const SolarInstant& b) {
    return a.jd_tt == b.jd_tt && a.jd_ut == b.jd_ut && a.delta_t_seconds == b.delta_t_seconds;
}

TEST(PreciseCrossQuarter, FromThePreciseTurningPointsAndTheTrueSunTerms) {
    InitPeriodicTerms();
    double worst_mean = 0.0;
    double worst_true = 0.0;
    for (std::int32_t year = -1000; year <= 3000; year += 13) {
        const std::array<double, kSolarTermCount> tt = TrueSunSolarTermsJDE(year);
        for (int i = 0; i < kSolarTermCount; ++i) {
            EXPECT_EQ(TrueSunSolarTermJDE(year, i), tt[i]) << year << " " << i;
        }
        const auto terms = SolarTermsOfYear(year, SolarTermMethod::kTrueSun, true);
        for (std::int16_t code = 0; code < 4; ++code) {
            // The true sun is the term Lichun, Lixia, Liqiu or Lidong itself.
            const SolarInstant true_sun = PreciseCrossQuarterTrueSun(year, code);
            EXPECT_TRUE(SameInstant(true_sun, terms[6 * code + 2].instant)) << year << code;

            // The mean sun lies midway between the precise brackets, with
            // the modern Delta T of its own instant.
            const double first = code == 0
                                     ? PreciseEquinoxSolsticeJDE(kDecemberSolstice, year - 1)
                                     : PreciseEquinoxSolsticeJDE(code - 1, year);
            const double second = PreciseEquinoxSolsticeJDE(code, year);
            const SolarInstant mean_sun = PreciseCrossQuarterMeanSun(year, code);
            EXPECT_DOUBLE_EQ(mean_sun.jd_tt, (first + second) / 2.0);
            EXPECT_EQ(mean_sun.delta_t_seconds, ModernDeltaTSecondsAt(mean_sun.jd_tt));
            EXPECT_NEAR(mean_sun.jd_tt - mean_sun.jd_ut, mean_sun.delta_t_seconds / 86400.0,
                        1e-9);

            // Over 1900..2100 both stay near the window's instants: the
            // series is good to a minute there, and the two Delta T differ
            // by less than 20 s.
            if (year < 1900 || year > 2100) continue;
            const double mean_off = (mean_sun.jd_ut - CrossQuarterMeanSun(year, code)) * 86400.0;
            const double true_off = (true_sun.jd_ut - CrossQuarterTrueSun(year, code)) * 86400.0;
            const double delta_t_off = true_sun.delta_t_seconds - DeltaTMinutes(year) * 60.0;
            EXPECT_LT(std::fabs(mean_off), 60.0) << year << " " << code;
            EXPECT_NEAR(true_off, -delta_t_off, 0.1) << year << " " << code;
            worst_mean = std::fmax(worst_mean, std::fabs(mean_off));
            worst_true = std::fmax(worst_true, std::fabs(true_off));
        }
    }
    std::cout << "1900..2100, precise against the window's cross-quarter days: mean sun within "
              << worst_mean << " s, true sun within " << worst_true << " s\n";
}

}  // namespace
}  // namespace kalvest
