// The precise phases of a year, over the whole range of years the program
// takes, where no reference reaches: they come in their order, new moon,
// first quarter, full moon, last quarter, each 6 to 9 days after the last.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "ephemeris/lunar_phase_search.h"
#include "outside/varquel_binding.h"

namespace kalvest {
namespace {

constexpr double kLunationsPerYear = 12.3685;

TEST(LunarPhaseOrder, EveryPhaseOfTheYearInTurnSixToNineDaysApart) {
    for (std::int32_t year = -3000; year <= 3000; year += 50) {
        // From the lunation before the year's first to the one after its
        // last: every phase of the year lies among these.
        const auto first =
            static_cast<std::int32_t>(std::floor((year - 2000) * kLunationsPerYear)) - 1;
        double previous = 0.0;
        for (std::int32_t lunation = first; lunation <= first + 14; ++lunation) {
            for (int phase = 0; phase < 4; ++phase) {
                const double start = VarquelPhase(lunation, phase, nullptr);
                const double jd_tt = PreciseLunarPhase(phase, start).jd_tt;
                ASSERT_TRUE(std::isfinite(jd_tt)) << year << " " << lunation << " " << phase;
                if (previous != 0.0) {
                    EXPECT_GE(jd_tt - previous, 6.0) << year << " " << lunation << " " << phase;
                    EXPECT_LE(jd_tt - previous, 9.0) << year << " " << lunation << " " << phase;
                }
                previous = jd_tt;
            }
        }
    }
}

}  // namespace
}  // namespace kalvest
