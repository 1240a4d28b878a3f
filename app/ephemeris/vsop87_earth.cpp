#include "ephemeris/vsop87_earth.h"

#include "common/fast_trig.h"
#include "ephemeris/vsop87_earth_table.h"

namespace kalvest {
namespace {

using vsop87::kLanes;

// Sum of A cos(B + C tau) over one series, and of -A C sin(B + C tau) (its
// derivative) when asked for. Several hundred terms are evaluated for every
// instant, so they go through the fast sine and cosine rather than the
// library's; kLanes terms are carried side by side so that the compiler
// can use vector registers.
struct SeriesSum {
    double value;
    double derivative;
};

template <bool kWithDerivative>
SeriesSum SumSeries(const vsop87::Series& series, double tau) {
    double value[kLanes] = {};
    double derivative[kLanes] = {};
    for (int i = series.begin; i < series.end; i += kLanes) {
        for (int lane = 0; lane < kLanes; ++lane) {
            const int k = i + lane;
            const fast_trig::Reduced angle =
                fast_trig::Reduce(vsop87::kPhase[k] + vsop87::kFrequency[k] * tau);
            value[lane] += vsop87::kAmplitude[k] * fast_trig::Cos(angle);
            if constexpr (kWithDerivative) {
                derivative[lane] -=
                    vsop87::kAmplitude[k] * vsop87::kFrequency[k] * fast_trig::Sin(angle);
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
