#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "solar/cosine_batch.h"

namespace kalvest {
namespace {

std::vector<double> Cosines(const std::vector<double>& x) {
    std::vector<double> out(x.size());
    CosineBatch(x.data(), out.data(), x.size());
    return out;
}

TEST(CosineBatch, AgreesWithTheLibraryCosineOverTheFastRange) {
    std::vector<double> x;
    for (double v = -kFastCosineLimit; v <= kFastCosineLimit; v += 12.3456789) x.push_back(v);
    // Quadrant boundaries and their neighbours.
    for (int k = -8; k <= 8; ++k) {
        const double edge = k * std::numbers::pi / 4;
        x.insert(x.end(), {edge, std::nextafter(edge, 10.0), std::nextafter(edge, -10.0)});
    }
    const std::vector<double> c = Cosines(x);
    for (std::size_t i = 0; i < x.size(); ++i) {
        ASSERT_NEAR(c[i], std::cos(x[i]), 4e-15) << x[i];
    }
}

TEST(CosineBatch, LargeOrInvalidArgumentsFallBackToTheLibrary) {
    const std::vector<double> x = {0.5, 3.0e7, -1.0e12};
    const std::vector<double> c = Cosines(x);
    for (std::size_t i = 0; i < x.size(); ++i) EXPECT_EQ(c[i], std::cos(x[i]));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(Cosines({0.0, nan})[1]));
    EXPECT_TRUE(std::isnan(Cosines({std::numeric_limits<double>::infinity()})[0]));
}

}  // namespace
}  // namespace kalvest
