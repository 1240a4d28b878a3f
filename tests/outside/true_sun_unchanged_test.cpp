// The true-sun cross-quarter instants, bit for bit as they were before the
// search behind them was generalised to any angle: FNV-1a digests of the
// results' bit patterns, taken from the code of that time, by span of years.
// A failing span names where to look; the instants of 2021 are spelled out
// as an example.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "outside/fendrick.h"
#include "solar/cross_quarter.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

class Digest {
public:
    void Add(double value) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (bits >> (8 * i)) & 0xff;
            hash_ *= 0x100000001b3ull;
        }
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

// The instants depend on the C library's sine, cosine and arc tangent
// (through ERFA and the theory), so the digests hold where they were taken.
bool DigestsApplyHere() {
#if defined(__GLIBC__) && defined(__x86_64__)
    return true;
#else
    return false;
#endif
}

// CrossQuarterTrueSun (UT, as the window shows it), every year and code of
// each century 1-100, ..., 2901-3000.
constexpr std::uint64_t kWindowDigests[30] = {
    0xa7081f54dbc42382ull, 0x2f5d4bf9f6c10bb3ull, 0x3277cce4e33c5afeull,
    0x802f8fabed03ae50ull, 0xdfd70cb144985dd0ull, 0x6f5e62a783208659ull,
    0x28cbb48397532322ull, 0xa5745c4538a4fc29ull, 0xef1c3709f8f346dull,
    0x25c7dc97f27cc358ull, 0x7cb99817bef216f0ull, 0x1ce14b0f8cc47b43ull,
    0x1865abacf55a3734ull, 0x59fd22f9bab665e7ull, 0x95fdf5d6dacaa4e4ull,
    0xc152352eb5eac713ull, 0xfdc9ad713ed491daull, 0xd112d204bcfa1bd3ull,
    0x4cbb138d2c257affull, 0xfc465242c8c5add1ull, 0x32f3fbc3cd4d3f2eull,
    0x26c34110f63397eull, 0x821583c50a8a219ull, 0x77d9a2a821439bb9ull,
    0x950715ffed4d8fddull, 0x2d16f35705fbdf0cull, 0xa87bd300d4f75398ull,
    0xbb5e08b3a2cab49dull, 0xc487c4739b28e056ull, 0xeaa8da56a71b3c50ull,
};

// The true-sun routine with TT brackets, every seventh year and every code
// of each millennium from -3000 to 5999.
constexpr std::uint64_t kRoutineDigests[9] = {
    0xcee3cbcabb32aa71ull, 0xbda3805cdfa0ea0dull, 0xcf8d80bfde9c1d30ull,
    0xfd0bcd1fb8a8c0b5ull, 0x2aaa1034ae7c8f01ull, 0x6772c5fdfcc2bc71ull,
    0x8d9d89e959a9a766ull, 0x94565a1568e2de81ull, 0xc3163a1d08b388a1ull,
};

TEST(TrueSunUnchanged, EveryYearAsTheWindowShowsIt) {
    if (!DigestsApplyHere()) GTEST_SKIP() << "digests taken with glibc on x86-64";
    InitPeriodicTerms();
    for (int century = 0; century < 30; ++century) {
        Digest digest;
        for (std::int32_t year = century * 100 + 1; year <= century * 100 + 100; ++year) {
            for (std::int16_t code = 0; code < 4; ++code) {
                digest.Add(CrossQuarterTrueSun(year, code));
            }
        }
        EXPECT_EQ(digest.Value(), kWindowDigests[century])
            << "years " << century * 100 + 1 << ".." << century * 100 + 100;
    }
}

TEST(TrueSunUnchanged, TheRoutineFromMinus3000To6000) {
    if (!DigestsApplyHere()) GTEST_SKIP() << "digests taken with glibc on x86-64";
    InitPeriodicTerms();
    for (int millennium = 0; millennium < 9; ++millennium) {
        Digest digest;
        const std::int32_t first = -3000 + 1000 * millennium;
        for (std::int32_t year = first; year < first + 1000; year += 7) {
            for (std::int16_t code = 0; code < 4; ++code) {
                const double opening =
                    code == 0 ? EquinoxSolsticeJDE(kDecemberSolstice, year - 1)
                              : EquinoxSolsticeJDE(static_cast<std::int16_t>(code - 1), year);
                digest.Add(crossquarterday_true_sun3(opening, EquinoxSolsticeJDE(code, year),
                                                     code));
            }
        }
        EXPECT_EQ(digest.Value(), kRoutineDigests[millennium]) << "from " << first;
    }
}

TEST(TrueSunUnchanged, TheInstantsOf2021) {
    if (!DigestsApplyHere()) GTEST_SKIP() << "digests taken with glibc on x86-64";
    InitPeriodicTerms();
    const double expected[4] = {0x1.2c3388fdf5f1dp+21, 0x1.2c365e42c4284p+21, 0x1.2c394e4c7013ep+21, 0x1.2c3c2da896049p+21};
    for (std::int16_t code = 0; code < 4; ++code) {
        EXPECT_EQ(CrossQuarterTrueSun(2021, code), expected[code]) << code;
    }
}

}  // namespace
}  // namespace kalvest
