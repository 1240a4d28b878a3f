// Delta T by consensus of nine published long-term formulas.
//
// The array order of the nine estimates is the order of summation and the
// order in which a lone survivor is picked, so it must stay as it is.

#include <math.h>

#include "varquel.h"

namespace {

constexpr int kEstimateCount = 9;
constexpr double kInvalid = 1.0e10;
constexpr double kMinutesPerSecond = 1.0 / 60.0;

// Lunar tidal acceleration of the formula minus the common -26"/cy^2, as
// (26 - n) / 60; rounded once in double, as the published values are used.
constexpr double kTidalFix0 = 0.059333333333333314;  // n = -22.44
constexpr double kTidalFix6 = 0.03508999999999999;   // n = -23.8946
constexpr double kTidalFix7 = 0.004373333333333325;  // n = -25.7376

double ModernParabola(double t) {
    return (65.04 + 76.14 * t + 41.61 * t * t) * kMinutesPerSecond;
}

bool Plausible(double e) {
    return e >= -1000.0 && e <= 60000.0;  // false for NaN as well
}

}  // namespace

extern "C" double VARQUEL_CALL deltat(double x, int32_t pivot) {
    const double t = (x - 2000.0) * 0.01;
    const double e5 = ModernParabola(t);
    if (x >= pivot) return e5;

    const double u = (x - 1955.5) * 0.01;
    const double w = (x - 1900.0) * 0.01;
    const double a = (x - 1810.0) * 0.01;
    const double b = (x - 1800.0) * 0.01;
    const double c = (x - 1850.0) * 0.01;
    const double d = (x - 948.0) * 0.01;
    const double g = (x - 1820.0) * 0.01;
    const double tidal = x < 1955.5 ? 0.91072 * u * u : 0.0;
    const bool late = x > 948.0;
    const double k = kMinutesPerSecond;

    double e[kEstimateCount];
    e[0] = (24.349 + 72.3165 * w + 29.949 * w * w) * k + kTidalFix0 * tidal;
    e[1] = (4.87 + 35.06 * w + 36.79 * w * w) * k;
    e[2] = (32.5 * a * a - 15.0) * k;
    e[3] = (late ? 25.5 * b * b : 1360.0 + 320.0 * b + 44.3 * b * b) * k;
    e[4] = (late ? 22.5 * c * c : 1830.0 - 405.0 * d + 46.5 * d * d) * k;
    e[5] = e5;
    e[6] = (late ? 102.0 + 100.0 * t + 23.6 * t * t
                 : 2177.0 + 495.0 * t + 42.4 * t * t) * k +
           kTidalFix6 * tidal;
    e[7] = (late ? 102.0 + 102.0 * t + 25.3 * t * t
                 : 2177.0 + 497.0 * t + 44.1 * t * t) * k +
           kTidalFix7 * tidal;
    e[8] = (late ? 50.6 + 67.5 * t + 22.5 * t * t : 31.0 * g * g) * k +
           kTidalFix7 * tidal;

    int valid = 0;
    for (double& v : e) {
        if (Plausible(v)) {
            ++valid;
        } else {
            v = kInvalid;
        }
    }
    if (valid == 0) return 0.0;
    if (valid == 1) {
        for (double v : e) {
            if (v != kInvalid) return v;
        }
    }

    double sum = 0.0;
    double sum_sq = 0.0;
    for (double v : e) {
        if (v == kInvalid) continue;
        sum += v;
        sum_sq += v * v;
    }
    const double n = valid;
    const double mean = sum / n;
    // The population variance divided by n - 1: narrower than the sample
    // standard deviation by sqrt(n). The rejection below is tuned to it.
    const double spread = sqrt((sum_sq / n - mean * mean) / (n - 1.0));

    int kept = 0;
    for (double& v : e) {
        if (v != kInvalid && 3.0 * spread >= fabs(v - mean)) {
            ++kept;
        } else {
            v = 0.0;  // NaN spread rejects everything
        }
    }
    if (kept <= 1) return mean;

    double kept_sum = 0.0;
    for (double v : e) kept_sum += v;
    return kept_sum / kept;
}
