// How astronomia's formulation of the mean-lunation method differs from
// varquel's, and how far each difference can move a result.
//
// Both follow the same classical series; astronomia takes its constants
// from the later edition of the published method and varquel from the
// earlier one. The differences, all published constants:
//
//  1. Mean instant. astronomia: 2451550.09766 + 29.530588861 k
//     + 0.00015437 T^2 with T = k / 1236.85. varquel: 2451550.09765
//     + 29.530588853 k + 0.0001337 T^2 with T taken from that mean instant,
//     (JDE0 - 2451545) / 36525. Both add -0.00000015 T^3 + 0.00000000073 T^4.
//     This difference is computed exactly below and taken off; it grows to
//     about 0.034 day four thousand years from 2000.
//  2. Arguments. M: 29.1053567 k - 0.0000014 T^2 against 29.10535669 k
//     - 0.0000218 T^2; M': 0.0107582 T^2 + 0.00001238 T^3 against
//     0.0107438 T^2 + 0.00001239 T^3; F: 390.67050284 k - 0.0016118 T^2
//     against 390.67050274 k - 0.0016341 T^2; Omega: -1.56375588 k
//     + 0.0020672 T^2 against -1.5637558 k + 0.0020691 T^2; and each with
//     its own T (item 1).
//  3. Eccentricity weights. varquel weights every term by E^|M multiple|;
//     astronomia leaves E off the small terms (below 0.0001 day) and weights
//     the 2M rows of the eclipse series by E instead of E^2.
//  4. Planetary terms. astronomia's first argument starts at 299.7 degrees
//     (varquel 299.77) and adds its -0.009173 T^2 in radians rather than
//     degrees; its seventh starts at 207.17 (varquel 207.14).
//
// Each bound is the sum over a series of |coefficient x multiple| times
// the argument difference (the largest slope of the series with respect to
// that argument), plus the weight and planetary differences.
#pragma once

#include <algorithm>
#include <cmath>

namespace kalvest::testing {

struct MethodDifference {
    double mean_jde;      // astronomia minus varquel, days (item 1)
    double sun_anomaly;   // |dM|, radians (item 2)
    double moon_anomaly;  // |dM'|
    double latitude;      // |dF1|, F corrected for the node
    double node;          // |dOmega|
    double weight;        // |1 - E^3| + 3 |dE|: bound of the weight change
    double planetary;     // bound of the planetary terms' change, days
    double eclipse_a1;    // |dA1| of the greatest-eclipse series, radians
};

inline MethodDifference DifferenceAt(double k) {
    constexpr double kRadian = 3.14159265358979323846 / 180.0;
    const double ta = k / 1236.85;
    const double jde0 = 2451550.09765 + 29.530588853 * k;
    const double to = (jde0 - 2451545.0) / 36525.0;
    const double ta2 = ta * ta, ta3 = ta2 * ta, ta4 = ta3 * ta;
    const double to2 = to * to, to3 = to2 * to, to4 = to3 * to;

    MethodDifference d{};
    const double mean_a = 2451550.09766 + 29.530588861 * k + 0.00015437 * ta2 -
                          0.00000015 * ta3 + 0.00000000073 * ta4;
    const double mean_o = jde0 + 0.0001337 * to2 - 0.00000015 * to3 + 0.00000000073 * to4;
    d.mean_jde = mean_a - mean_o;

    const double dm = (29.1053567 - 29.10535669) * k - 0.0000014 * ta2 + 0.0000218 * to2 -
                      0.00000011 * (ta3 - to3);
    const double dmp = 0.0107582 * ta2 - 0.0107438 * to2 + 0.00001238 * ta3 -
                       0.00001239 * to3 - 0.000000058 * (ta4 - to4);
    const double df = (390.67050284 - 390.67050274) * k - 0.0016118 * ta2 + 0.0016341 * to2 -
                      0.00000227 * (ta3 - to3) + 0.000000011 * (ta4 - to4);
    const double dnode = (-1.56375588 + 1.5637558) * k + 0.0020672 * ta2 - 0.0020691 * to2 +
                         0.00000215 * (ta3 - to3);
    d.sun_anomaly = std::fabs(dm) * kRadian;
    d.moon_anomaly = std::fabs(dmp) * kRadian;
    d.node = std::fabs(dnode) * kRadian;
    d.latitude = std::fabs(df) * kRadian + 0.02665 * kRadian * d.node;

    const double e = 1.0 - 0.002516 * to - 0.0000074 * to2;
    const double ea = 1.0 - 0.002516 * ta - 0.0000074 * ta2;
    d.weight = std::fabs(1.0 - e * e * e) + 3.0 * std::fabs(ea - e);

    const double first = 0.07 * kRadian +
                         0.009173 * std::fabs(ta2 - to2 * kRadian);
    d.planetary = 0.000325 * std::min(2.0, first) + 0.000060 * 0.03 * kRadian;
    d.eclipse_a1 = 0.009173 * std::fabs(ta2 - to2) * kRadian;
    return d;
}

// Instant of a phase after item 1 is taken off, days. Largest slopes of
// the 25-term series (quarters' column, the largest): 0.67 per radian of
// M', 0.21 of M, 0.03 of F; the node term 0.00017; unweighted terms sum
// to below 0.0003 day.
inline double InstantBound(const MethodDifference& d) {
    return 0.67 * d.moon_anomaly + 0.21 * d.sun_anomaly + 0.03 * d.latitude +
           0.00017 * d.node + 0.0003 * d.weight + d.planetary;
}

// Greatest eclipse after item 1, days: slopes of the time column of the
// eclipse series 0.47 (M'), 0.2 (M), 0.03 (F1); the 2M row 0.0021 with
// E against E^2; the A1 and node terms 0.0003 and 0.0002.
inline double GreatestEclipseBound(const MethodDifference& d) {
    return 0.47 * d.moon_anomaly + 0.2 * d.sun_anomaly + 0.03 * d.latitude +
           0.0002 * d.node + 0.0021 * d.weight + 0.0003 * d.eclipse_a1;
}

// gamma = (P cos F1 + Q sin F1)(1 - 0.0048 |cos F1|), |P| < 0.27,
// |Q| < 5.58: slope at most 5.9 in F1; P and Q together 0.42 in M' and
// 0.25 in M; the 2M rows 0.0044 with E against E^2.
inline double GammaBound(const MethodDifference& d) {
    return 5.9 * d.latitude + 0.42 * d.moon_anomaly + 0.25 * d.sun_anomaly +
           0.0044 * d.weight;
}

// u: slopes 0.02 (M') and 0.006 (M); the M' + M row 0.0005 without E.
inline double UBound(const MethodDifference& d) {
    return 0.02 * d.moon_anomaly + 0.006 * d.sun_anomaly + 0.0005 * d.weight;
}

}  // namespace kalvest::testing
