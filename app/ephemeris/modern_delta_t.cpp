#include "ephemeris/modern_delta_t.h"

#include <cmath>
#include <limits>

#include "ephemeris/delta_t_measured.h"

namespace kalvest {
namespace {

using delta_t::kFirstMeasuredYear;
using delta_t::kLastMeasuredYear;
using delta_t::kMeasured;

constexpr int kMeasuredCount = kLastMeasuredYear - kFirstMeasuredYear + 1;

// The cubic spline of Stephenson, Morrison and Hohenkerk (2016), its pieces
// up to the first measured value: on [from, to], with t = (y - from) / (to -
// from), Delta T = a0 + a1 t + a2 t^2 + a3 t^3 seconds.
struct SplinePiece {
    double from;
    double to;
    double a[4];
};

constexpr SplinePiece kSpline[] = {
    {-720.0, 400.0, {20550.593, -21268.478, 11863.418, -4541.129}},
    {400.0, 1000.0, {6604.404, -5981.266, -505.093, 1349.609}},
    {1000.0, 1500.0, {1467.654, -2452.187, 2460.927, -1183.759}},
    {1500.0, 1600.0, {292.635, -216.322, -43.614, 56.681}},
    {1600.0, 1650.0, {89.380, -66.754, 31.607, -10.497}},
};
constexpr double kSplineStart = -720.0;

// The years over which the spline is bent onto the first measured value.
constexpr double kBendStart = 1600.0;

// Their long-term parabola: -320 + 32.5 u^2 seconds, u in centuries from
// 1825, the trend of a day lengthening by 1.78 ms a century.
double Parabola(double year) {
    const double u = (year - 1825.0) / 100.0;
    return -320.0 + 32.5 * u * u;
}

double ParabolaRate(double year) {  // seconds per year
    return 0.65 * (year - 1825.0) / 100.0;
}

double Spline(double year) {
    for (const SplinePiece& piece : kSpline) {
        if (year <= piece.to) {
            const double t = (year - piece.from) / (piece.to - piece.from);
            return piece.a[0] + t * (piece.a[1] + t * (piece.a[2] + t * piece.a[3]));
        }
    }
    return std::numeric_limits<double>::quiet_NaN();  // not reached
}

// Rate of the measured values at node i (seconds per year): centred, and
// one-sided at the two ends.
double MeasuredRate(int i) {
    if (i == 0) return kMeasured[1] - kMeasured[0];
    if (i == kMeasuredCount - 1) return kMeasured[i] - kMeasured[i - 1];
    return (kMeasured[i + 1] - kMeasured[i - 1]) / 2.0;
}

double Measured(double year) {
    const double offset = year - kFirstMeasuredYear;
    int i = static_cast<int>(std::floor(offset));
    if (i >= kMeasuredCount - 1) i = kMeasuredCount - 2;
    const double s = offset - i;
    // Cubic Hermite basis on [0, 1].
    const double h00 = (1.0 + 2.0 * s) * (1.0 - s) * (1.0 - s);
    const double h10 = s * (1.0 - s) * (1.0 - s);
    const double h01 = s * s * (3.0 - 2.0 * s);
    const double h11 = s * s * (s - 1.0);
    return h00 * kMeasured[i] + h10 * MeasuredRate(i) + h01 * kMeasured[i + 1] +
           h11 * MeasuredRate(i + 1);
}

// After the last measured value: the parabola raised to meet it, plus a
// cubic that starts at the difference of the two rates and fades out,
// value and rate both, over one century.
constexpr double kFadeYears = 100.0;

double Extrapolated(double year) {
    const int last = kMeasuredCount - 1;
    const double y0 = kLastMeasuredYear;
    const double raised = Parabola(year) + (kMeasured[last] - Parabola(y0));
    const double s = (year - y0) / kFadeYears;
    if (s >= 1.0) return raised;
    const double rate_difference = MeasuredRate(last) - ParabolaRate(y0);
    return raised + kFadeYears * rate_difference * s * (1.0 - s) * (1.0 - s);
}

}  // namespace

double ModernDeltaTSeconds(double y) {
    if (!std::isfinite(y)) return std::numeric_limits<double>::quiet_NaN();
    if (y < kSplineStart) return Parabola(y) + (Spline(kSplineStart) - Parabola(kSplineStart));
    if (y < kBendStart) return Spline(y);
    if (y < kFirstMeasuredYear) {
        const double gap = kMeasured[0] - Spline(kFirstMeasuredYear);
        return Spline(y) + gap * (y - kBendStart) / (kFirstMeasuredYear - kBendStart);
    }
    if (y <= kLastMeasuredYear) return Measured(y);
    return Extrapolated(y);
}

double ModernDeltaTSecondsAt(double jd) { return ModernDeltaTSeconds(DecimalYear(jd)); }

MeasuredSpan ModernDeltaTMeasuredSpan() { return {kFirstMeasuredYear, kLastMeasuredYear}; }

}  // namespace kalvest
