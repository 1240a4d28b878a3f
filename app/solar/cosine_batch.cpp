#include "solar/cosine_batch.h"

#include <cmath>
#include <cstdint>

namespace kalvest {
namespace {

constexpr double kTwoOverPi = 0.63661977236758134308;
// pi/2 split into parts of 33 significant bits, so that q times the first
// two parts is exact for every quadrant count q below 2^20 (Cody and Waite).
constexpr double kHalfPi1 = 1.57079632673412561417e+00;
constexpr double kHalfPi2 = 6.07710050650619224932e-11;
constexpr double kHalfPi3 = 2.02226624871116645580e-21;

// Taylor series of cos and sin on |r| <= pi/4; the first omitted terms
// (r^18/18!, r^19/19!) are below 1e-17 there.
double CosPolynomial(double r2) {
    return 1.0 + r2 * (-1.0 / 2 + r2 * (1.0 / 24 + r2 * (-1.0 / 720 +
           r2 * (1.0 / 40320 + r2 * (-1.0 / 3628800 + r2 * (1.0 / 479001600 +
           r2 * (-1.0 / 87178291200.0 + r2 * (1.0 / 20922789888000.0))))))));
}

double SinPolynomial(double r, double r2) {
    return r * (1.0 + r2 * (-1.0 / 6 + r2 * (1.0 / 120 + r2 * (-1.0 / 5040 +
           r2 * (1.0 / 362880 + r2 * (-1.0 / 39916800 + r2 * (1.0 / 6227020800.0 +
           r2 * (-1.0 / 1307674368000.0 + r2 * (1.0 / 355687428096000.0)))))))));
}

double FastCosine(double x) {
    // Adding and removing 1.5 * 2^52 rounds to the nearest whole number
    // without a library call, for magnitudes far beyond the fast range.
    constexpr double kRoundingShift = 6755399441055744.0;
    const double q = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    const double r = ((x - q * kHalfPi1) - q * kHalfPi2) - q * kHalfPi3;
    const double r2 = r * r;
    const std::int64_t quadrant = static_cast<std::int64_t>(q) & 3;
    const double value = (quadrant & 1) ? SinPolynomial(r, r2) : CosPolynomial(r2);
    return (quadrant == 1 || quadrant == 2) ? -value : value;
}

}  // namespace

void CosineBatch(const double* x, double* out, std::size_t n) {
    bool fast = true;
    for (std::size_t i = 0; i < n; ++i) {
        fast = fast && std::fabs(x[i]) <= kFastCosineLimit;  // false for NaN
    }
    if (!fast) {
        for (std::size_t i = 0; i < n; ++i) out[i] = std::cos(x[i]);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) out[i] = FastCosine(x[i]);
}

}  // namespace kalvest
