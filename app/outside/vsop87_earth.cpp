#include "outside/vsop87_earth.h"

#include "outside/vsop87_earth_table.h"

namespace kalvest {
namespace {

using vsop87::kLanes;

// Sum of A cos(B + C tau) over one series, and of -A C sin(B + C tau) (its
// derivative) when asked for. Several hundred terms are evaluated for every
// instant, so instead of the library's cos and sin each term goes through a
// branch-free reduction to [-pi, pi] and Taylor polynomials (error below
// 2e-12 there, far below the 1e-9 rad of the smallest amplitude kept);
// kLanes terms are carried side by side so that the compiler can use
// vector registers.
struct SeriesSum {
    double value;
    double derivative;
};

constexpr double kTwoPiHigh = 6.283185307179586;
constexpr double kTwoPiLow = 2.4492935982947064e-16;
constexpr double kInverseTwoPi = 0.15915494309189535;
// Adding and subtracting 1.5 * 2^52 rounds to the nearest whole number in
// the default rounding mode, without a library call.
constexpr double kRoundingShift = 6755399441055744.0;

template <bool kWithDerivative>
SeriesSum SumSeries(const vsop87::Series& series, double tau) {
    double value[kLanes] = {};
    double derivative[kLanes] = {};
    for (int i = series.begin; i < series.end; i += kLanes) {
        for (int lane = 0; lane < kLanes; ++lane) {
            const int k = i + lane;
            const double x = vsop87::kPhase[k] + vsop87::kFrequency[k] * tau;
            const double turns = (x * kInverseTwoPi + kRoundingShift) - kRoundingShift;
            const double r = (x - turns * kTwoPiHigh) - turns * kTwoPiLow;
            const double r2 = r * r;
            // cos r and sin r by their Taylor series to r^22 and r^23.
            double c = 1.0 / 1124000727777607680000.0;
            c = c * r2 - 1.0 / 2432902008176640000.0;
            c = c * r2 + 1.0 / 6402373705728000.0;
            c = c * r2 - 1.0 / 20922789888000.0;
            c = c * r2 + 1.0 / 87178291200.0;
            c = c * r2 - 1.0 / 479001600.0;
            c = c * r2 + 1.0 / 3628800.0;
            c = c * r2 - 1.0 / 40320.0;
            c = c * r2 + 1.0 / 720.0;
            c = c * r2 - 1.0 / 24.0;
            c = c * r2 + 0.5;
            c = 1.0 - c * r2;
            value[lane] += vsop87::kAmplitude[k] * c;
            if constexpr (kWithDerivative) {
                double s = 1.0 / 25852016738884976640000.0;
                s = s * r2 - 1.0 / 51090942171709440000.0;
                s = s * r2 + 1.0 / 121645100408832000.0;
                s = s * r2 - 1.0 / 355687428096000.0;
                s = s * r2 + 1.0 / 1307674368000.0;
                s = s * r2 - 1.0 / 6227020800.0;
                s = s * r2 + 1.0 / 39916800.0;
                s = s * r2 - 1.0 / 362880.0;
                s = s * r2 + 1.0 / 5040.0;
                s = s * r2 - 1.0 / 120.0;
                s = s * r2 + 1.0 / 6.0;
                s = r - s * r2 * r;
                derivative[lane] -= vsop87::kAmplitude[k] * vsop87::kFrequency[k] * s;
            }
        }
    }
    SeriesSum sum{0.0, 0.0};
    for (int lane = 0; lane < kLanes; ++lane) {
        sum.value += value[lane];
        sum.derivative += derivative[lane];
    }
    return sum;
}

}  // namespace

HeliocentricEarth EarthFromVsop87(double tau) {
    // Each quantity is the polynomial sum of tau^k S_k; its derivative is
    // sum of (k tau^(k-1) S_k + tau^k S_k').
    double quantity[3] = {};
    double rate = 0.0;
    for (int n = 0; n < vsop87::kEarthSeriesCount; ++n) {
        const vsop87::Series& series = vsop87::kEarthSeries[n];
        double power = 1.0;
        for (int k = 0; k < series.power; ++k) power *= tau;
        if (series.quantity == vsop87::Quantity::kLongitude) {
            const SeriesSum sum = SumSeries<true>(series, tau);
            double lower_power = series.power;
            for (int k = 1; k < series.power; ++k) lower_power *= tau;
            quantity[0] += power * sum.value;
            rate += power * sum.derivative + (series.power > 0 ? lower_power * sum.value : 0.0);
        } else {
            quantity[static_cast<int>(series.quantity)] +=
                power * SumSeries<false>(series, tau).value;
        }
    }
    return {quantity[0], quantity[1], quantity[2], rate};
}

}  // namespace kalvest
