// The library's quick remainder modulo 360 must equal fmod exactly (sign,
// zeros and all), since the phase series depends on the very angles, and
// its degrees-per-radian constant must equal 45 / atan(1).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "lunation.h"

namespace kalvest::moon {
namespace {

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectLikeFmod(double x) {
    const double expected = std::fmod(x, 360.0);
    const double got = Mod360(x);
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(got)) << x;
    } else {
        EXPECT_TRUE(SameBits(got, expected)) << std::hexfloat << x << " gave " << got
                                             << " instead of " << expected;
    }
}

TEST(AngleReduction, EqualsFmodAroundEveryKindOfBoundary) {
    for (double x : {0.0, -0.0, 1e-300, -1e-300, 359.99999999999994, 360.0, -360.0, 720.0,
                     -720.0, 255.9, 256.0, 511.99999999999994, 512.0, 0x1p52 - 1.0,
                     -(0x1p52 - 1.0), 0x1p52, 0x1p60, -0x1p60, 1e300, -1e300}) {
        ExpectLikeFmod(x);
    }
    ExpectLikeFmod(std::numeric_limits<double>::infinity());
    ExpectLikeFmod(std::numeric_limits<double>::quiet_NaN());
    // Either side of whole multiples of 360, where a rounded quotient can
    // land on the wrong whole number.
    for (std::int64_t n = -2000000; n <= 2000000; n += 9973) {
        const double m = 360.0 * static_cast<double>(n);
        ExpectLikeFmod(m);
        ExpectLikeFmod(std::nextafter(m, 1e300));
        ExpectLikeFmod(std::nextafter(m, -1e300));
    }
    for (int e = 0; e < 52; ++e) {
        const double m = std::ldexp(360.0, e);  // 360 * 2^e, all exact
        ExpectLikeFmod(std::nextafter(m, 0.0));
        ExpectLikeFmod(-std::nextafter(m, 0.0));
    }
}

TEST(AngleReduction, EqualsFmodOverTheRangeOfLunarArguments) {
    std::mt19937_64 random(20260107);
    std::uniform_real_distribution<double> exponent(-3.0, 15.5);
    for (int i = 0; i < 200000; ++i) {
        const double x = std::pow(10.0, exponent(random)) * (i % 2 ? 1.0 : -1.0);
        ExpectLikeFmod(x);
        if (HasFailure()) return;
    }
}

TEST(AngleReduction, DegreesPerRadianIs45OverAtanOfOne) {
    volatile double one = 1.0;  // evaluated by the C library at run time
    EXPECT_TRUE(SameBits(kDegreesPerRadian, 45.0 / std::atan(one)));
}

}  // namespace
}  // namespace kalvest::moon
