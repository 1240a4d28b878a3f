// varquel's lunar phases and eclipse records: the documented check values,
// the record's clearing, unusual arguments and the saros arithmetic at the
// ends of the 32-bit lunation range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#include "varquel_exports.h"

namespace kalvest::testing {
namespace {

constexpr std::int32_t kNew = VARQUEL_NEW_MOON;
constexpr std::int32_t kFirst = VARQUEL_FIRST_QUARTER;
constexpr std::int32_t kFull = VARQUEL_FULL_MOON;
constexpr std::int32_t kLast = VARQUEL_LAST_QUARTER;

TEST(LunarPhase, NewAndFullMoonOfJanuary2000) {
    const Phase new_moon = PhaseOf(0, kNew);
    EXPECT_NEAR(new_moon.result, 2451550.26, 0.005);
    EXPECT_EQ(new_moon.record.jde, new_moon.result);
    EXPECT_EQ(new_moon.record.saros, 112);
    EXPECT_EQ(new_moon.record.eclipse, VARQUEL_NO_ECLIPSE);

    // The total lunar eclipse of 2000 January 21.
    const Phase full = PhaseOf(0, kFull);
    EXPECT_NEAR(full.result, 2451564.70, 0.005);
    EXPECT_EQ(full.record.eclipse, VARQUEL_LUNAR_TOTAL);
    EXPECT_EQ(full.record.saros, 124);
    EXPECT_NEAR(full.record.mag_umbral, 1.32, 0.005);
    EXPECT_GT(full.record.mag_penumbral, full.record.mag_umbral);
    EXPECT_GT(full.record.sd_penumbral, full.record.sd_partial);
    EXPECT_GT(full.record.sd_partial, full.record.sd_total);
    EXPECT_GT(full.record.sd_total, 0.0);
    EXPECT_NEAR(full.record.jde_max, full.result, 0.1);

    // A partial solar eclipse a fortnight later.
    const Phase next = PhaseOf(1, kNew);
    EXPECT_EQ(next.record.eclipse, VARQUEL_SOLAR_PARTIAL);
    EXPECT_EQ(next.record.saros, 150);
}

TEST(LunarPhase, PhasesFollowEachOtherAboutAWeekApart) {
    for (std::int32_t lunation : {-1000, -1, 0, 1, 250, 1000}) {
        double previous = PhaseOf(lunation, kNew).result;
        for (std::int32_t phase : {kFirst, kFull, kLast}) {
            const double now = PhaseOf(lunation, phase).result;
            EXPECT_GT(now - previous, 5.5) << lunation << " " << phase;
            EXPECT_LT(now - previous, 9.0) << lunation << " " << phase;
            previous = now;
        }
        const double next = PhaseOf(lunation + 1, kNew).result;
        EXPECT_GT(next - previous, 5.5) << lunation;
        EXPECT_LT(next - previous, 9.0) << lunation;
    }
}

TEST(LunarPhase, AQuarterRecordHoldsOnlyTheArguments) {
    for (std::int32_t phase : {kFirst, kLast}) {
        phase_record record;
        std::memset(&record, 0x5a, sizeof record);  // stale content
        const double jde = LoadPhase()(7, phase, &record);
        EXPECT_GT(jde, 2451550.0);
        phase_record expected{};
        expected.lunation = 7;
        expected.phase = phase;
        EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0) << phase;
    }
}

TEST(LunarPhase, TheRecordIsClearedBeforeItIsFilled) {
    // A stale partial-eclipse record must not leak semidurations into a
    // full moon without an eclipse, nor lunar fields into a solar one.
    for (std::int32_t phase : {kNew, kFull}) {
        for (std::int32_t lunation = -40; lunation <= 40; ++lunation) {
            phase_record record;
            std::memset(&record, 0x5a, sizeof record);
            LoadPhase()(lunation, phase, &record);
            const Phase fresh = PhaseOf(lunation, phase);
            ASSERT_EQ(std::memcmp(&record, &fresh.record, sizeof record), 0)
                << lunation << " " << phase;
            if (phase == kNew) {
                EXPECT_EQ(record.mag_umbral, 0.0);
                EXPECT_EQ(record.sd_penumbral, 0.0);
            }
        }
    }
}

TEST(LunarPhase, ANullRecordGivesTheSameInstant) {
    for (std::int32_t lunation : {-12000, -3, 0, 1, 5000, 12000}) {
        for (std::int32_t phase : {kNew, kFirst, kFull, kLast, 4, -1}) {
            EXPECT_EQ(LoadPhase()(lunation, phase, nullptr), PhaseOf(lunation, phase).result)
                << lunation << " " << phase;
        }
    }
}

TEST(LunarPhase, SarosOfNegativeLunationsWrapsToAPositiveSeries) {
    // 38 * -3 + 111 = -3, whose remainder -3 becomes 220.
    EXPECT_EQ(PhaseOf(-3, kNew).record.saros, 221);
    // Saros series of well-known eclipses.
    EXPECT_EQ(PhaseOf(218, kNew).record.saros, 145);  // total, 2017 Aug 21
    EXPECT_EQ(PhaseOf(300, kNew).record.saros, 139);  // total, 2024 Apr 8
    // Each lunation moves the series by 38 and 223 lunations (one saros
    // cycle apart in series numbers) bring it back, for both signs.
    for (std::int32_t lunation = -500; lunation <= 500; ++lunation) {
        const int here = PhaseOf(lunation, kNew).record.saros;
        ASSERT_GE(here, 1);
        ASSERT_LE(here, 223);
        ASSERT_EQ(PhaseOf(lunation + 223, kNew).record.saros, here) << lunation;
        ASSERT_EQ(PhaseOf(lunation + 1, kNew).record.saros, (here - 1 + 38) % 223 + 1);
        ASSERT_EQ(PhaseOf(lunation, kFull).record.saros, (here - 1 + 12) % 223 + 1);
    }
}

// (38 L + 111) mod 223 by residues, which cannot overflow: the series the
// routine must give for any 32-bit lunation.
int ExpectedSaros(std::int64_t lunation, std::int32_t phase) {
    const std::int64_t residue = ((lunation % 223) + 223) % 223;
    const std::int64_t h = (38 * residue + 111) % 223;
    return static_cast<int>(phase == kFull ? (h + 12) % 223 + 1 : h + 1);
}

TEST(LunarPhase, SarosIsRightAtTheEndsOfTheLunationRange) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    // 38 * lunation leaves 32 bits from about +-56.5 million on.
    const std::int32_t lunations[] = {kMax,      kMin,      kMax - 1, kMin + 1,
                                      56512727,  56512728,  -56512727, -56512728,
                                      1000000000, -1000000000};
    for (std::int32_t lunation : lunations) {
        for (std::int32_t phase : {kNew, kFull}) {
            const Phase p = PhaseOf(lunation, phase);
            EXPECT_EQ(p.record.saros, ExpectedSaros(lunation, phase)) << lunation;
            EXPECT_EQ(p.record.lunation, lunation);
            EXPECT_EQ(p.record.phase, phase);
        }
    }
    // Worked out by hand for the two ends.
    EXPECT_EQ(PhaseOf(kMax, kNew).record.saros, 207);
    EXPECT_EQ(PhaseOf(kMin, kFull).record.saros, 214);
    EXPECT_EQ(PhaseOf(56512728, kNew).record.saros, 20);
    EXPECT_EQ(PhaseOf(-56512728, kNew).record.saros, 204);
}

TEST(LunarPhase, APartialLunarEclipse) {
    // Find the partial lunar eclipses of a century and check each one.
    int found = 0;
    for (std::int32_t lunation = -600; lunation <= 600; ++lunation) {
        const Phase p = PhaseOf(lunation, kFull);
        if (p.record.eclipse != VARQUEL_LUNAR_PARTIAL) continue;
        ++found;
        EXPECT_GT(p.record.mag_umbral, 0.0);
        EXPECT_LE(p.record.mag_umbral, 1.0);
        EXPECT_GT(p.record.sd_partial, 0.0);
        EXPECT_GT(p.record.sd_penumbral, p.record.sd_partial);
        EXPECT_EQ(p.record.sd_total, 0.0);
    }
    EXPECT_GT(found, 30);
    // The partial eclipse of 2008 August 16 (lunation 106).
    const Phase august2008 = PhaseOf(106, kFull);
    EXPECT_EQ(august2008.record.eclipse, VARQUEL_LUNAR_PARTIAL);
    EXPECT_NEAR(august2008.record.mag_umbral, 0.81, 0.01);
}

TEST(LunarPhase, ANewMoonBeyondTheLimitsStillReportsItsCircumstances) {
    // Lunation -3: |gamma| far above 1.5433 + u.
    const Phase p = PhaseOf(-3, kNew);
    EXPECT_GT(std::fabs(p.record.gamma), 1.5433 + p.record.u);
    EXPECT_EQ(p.record.eclipse, VARQUEL_NO_ECLIPSE);
    EXPECT_EQ(p.record.saros, 221);
    EXPECT_NEAR(p.record.jde_max, p.result, 0.1);
    EXPECT_NE(p.record.u, 0.0);
    EXPECT_EQ(p.record.mag_penumbral, 0.0);
    EXPECT_EQ(p.record.sd_penumbral, 0.0);
}

TEST(LunarPhase, EveryEclipseClassOccurs) {
    std::vector<int> seen(11, 0);
    for (std::int32_t lunation = -3000; lunation <= 3000; ++lunation) {
        const Phase solar = PhaseOf(lunation, kNew);
        const Phase lunar = PhaseOf(lunation, kFull);
        ASSERT_GE(solar.record.eclipse, 0);
        ASSERT_LE(solar.record.eclipse, 7);
        ASSERT_TRUE(lunar.record.eclipse == 0 || lunar.record.eclipse >= 8);
        ++seen[solar.record.eclipse];
        ++seen[lunar.record.eclipse];
        // A lunar eclipse's magnitudes and semidurations agree with its class.
        const phase_record& r = lunar.record;
        EXPECT_EQ(r.sd_penumbral > 0, r.mag_penumbral > 0) << lunation;
        EXPECT_EQ(r.sd_partial > 0, r.mag_umbral > 0) << lunation;
        EXPECT_EQ(r.sd_total > 0, r.mag_umbral > 1) << lunation;
    }
    // All but the rarest, the non-central hybrid (code 7).
    for (int code = 0; code <= 10; ++code) {
        if (code != VARQUEL_SOLAR_NONCENTRAL_HYBRID) {
            EXPECT_GT(seen[code], 0) << code;
        }
    }
}

// The solar classification, recomputed from a record's gamma and u: where
// the shadow's axis passes (central, or only the umbra's edge reaching
// the Earth, or the penumbra alone) and whether the umbra or the
// antumbra reaches the surface (u against the Earth's curvature omega).
int SolarClassOf(double gamma, double u) {
    const double distance = std::fabs(gamma);
    const double omega = distance < 1.0 ? 0.00464 * std::sqrt(1.0 - gamma * gamma) : 0.0;
    const bool annular = u > 0.0047 || (u > 0.0 && u > omega);
    const bool hybrid = u > 0.0 && !annular;
    if (distance < 0.9972) {
        return annular ? VARQUEL_SOLAR_CENTRAL_ANNULAR
                       : hybrid ? VARQUEL_SOLAR_CENTRAL_HYBRID : VARQUEL_SOLAR_CENTRAL_TOTAL;
    }
    if (distance < 0.9972 + std::fabs(u)) {
        return annular ? VARQUEL_SOLAR_NONCENTRAL_ANNULAR
                       : hybrid ? VARQUEL_SOLAR_NONCENTRAL_HYBRID
                                : VARQUEL_SOLAR_NONCENTRAL_TOTAL;
    }
    return distance < 1.5433 + u ? VARQUEL_SOLAR_PARTIAL : VARQUEL_NO_ECLIPSE;
}

TEST(LunarPhase, SolarClassesFollowGammaAndU) {
    // The rare non-central classes, each pinned by a new moon: total
    // (u < 0), annular with u above omega (|gamma| >= 1, so omega is 0)
    // and with u above 0.0047, and the annular-total one, whose u lies
    // between 0 and omega: it takes |gamma| in [0.9972, 0.9972 + u).
    struct Pinned {
        std::int32_t lunation;
        int eclipse;
    };
    for (const Pinned& pinned : {Pinned{-398, VARQUEL_SOLAR_NONCENTRAL_TOTAL},
                                 Pinned{177, VARQUEL_SOLAR_NONCENTRAL_ANNULAR},
                                 Pinned{-616, VARQUEL_SOLAR_NONCENTRAL_ANNULAR},
                                 Pinned{-675677, VARQUEL_SOLAR_NONCENTRAL_HYBRID}}) {
        const phase_record r = PhaseOf(pinned.lunation, kNew).record;
        EXPECT_EQ(r.eclipse, pinned.eclipse) << pinned.lunation;
        EXPECT_EQ(SolarClassOf(r.gamma, r.u), pinned.eclipse)
            << pinned.lunation << ": gamma " << r.gamma << ", u " << r.u;
    }
    // Every new moon of five centuries either way agrees with the rule.
    for (std::int32_t lunation = -6000; lunation <= 6000; ++lunation) {
        const phase_record r = PhaseOf(lunation, kNew).record;
        ASSERT_EQ(r.eclipse, SolarClassOf(r.gamma, r.u))
            << lunation << ": gamma " << r.gamma << ", u " << r.u;
    }
}

TEST(LunarPhase, AnUnknownPhaseIsFilledLikeASolarEclipseWithoutTimeTerms) {
    // k = lunation + phase / 4: phase 4 of lunation 0 shares k with the
    // new moon of lunation 1, but lacks the periodic terms.
    const Phase odd = PhaseOf(0, 4);
    const Phase new_moon = PhaseOf(1, kNew);
    EXPECT_EQ(odd.record.lunation, 0);
    EXPECT_EQ(odd.record.phase, 4);
    EXPECT_EQ(odd.record.saros, 112);  // new-moon saros of the lunation given
    EXPECT_EQ(odd.record.gamma, new_moon.record.gamma);
    EXPECT_EQ(odd.record.u, new_moon.record.u);
    EXPECT_EQ(odd.record.eclipse, new_moon.record.eclipse);
    EXPECT_EQ(odd.record.jde, odd.result);
    EXPECT_GT(std::fabs(odd.result - new_moon.result), 0.01);  // no Table A
    EXPECT_NEAR(odd.result, new_moon.result, 0.5);
    // Greatest eclipse without the series' time terms: the mean instant
    // with the two small node and planetary corrections only.
    EXPECT_NEAR(odd.record.jde_max, odd.result, 0.01);
    EXPECT_EQ(odd.record.mag_umbral, 0.0);

    // Extreme phase values are formed in double and do not overflow.
    for (std::int32_t phase : {std::numeric_limits<std::int32_t>::min(), -5,
                               std::numeric_limits<std::int32_t>::max()}) {
        const Phase p = PhaseOf(10, phase);
        EXPECT_TRUE(std::isfinite(p.result)) << phase;
        EXPECT_EQ(p.record.phase, phase);
        EXPECT_EQ(p.record.saros, ExpectedSaros(10, phase));
    }
}

TEST(LunarPhase, ExtremeLunationsGiveFiniteValues) {
    for (std::int32_t lunation : {std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()}) {
        for (std::int32_t phase : {kNew, kFirst, kFull, kLast}) {
            const Phase p = PhaseOf(lunation, phase);
            EXPECT_TRUE(std::isfinite(p.result));
            EXPECT_TRUE(std::isfinite(p.record.jde_max));
            EXPECT_TRUE(std::isfinite(p.record.gamma));
        }
    }
}

TEST(LunarPhase, CallsFromSeveralThreadsAgree) {
    std::vector<phase_record> expected(200);
    for (int i = 0; i < 200; ++i) LoadPhase()(i - 100, kFull, &expected[i]);
    const PhaseFunction phase = LoadPhase();
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                for (int i = 0; i < 200; ++i) {
                    phase_record r;
                    phase(i - 100, kFull, &r);
                    if (std::memcmp(&r, &expected[i], sizeof r) != 0) ++mismatches[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int m : mismatches) EXPECT_EQ(m, 0);
}

}  // namespace
}  // namespace kalvest::testing
