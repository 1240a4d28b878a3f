#include "ephemeris/moon_position.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/astronomical_constants.h"
#include "ephemeris/moon_elp_table.h"
#include "ephemeris/nutation_longitude.h"

namespace kalvest {
namespace {

// The speed of light in km per day.
constexpr double kLightKmPerDay = 299792.458 * 86400.0;

double Polynomial(const double (&c)[5], double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * c[4])));
}

double PolynomialRate(const double (&c)[5], double t) {
    return c[1] + t * (2.0 * c[2] + t * (3.0 * c[3] + t * 4.0 * c[4]));
}

// The general precession in longitude of the IAU 2006 precession (Capitaine,
// Wallace and Chapront, Astron. Astrophys. 412, 567, 2003), arcseconds per
// Julian century^k. It carries ELP's departure point to the mean equinox of
// date, the equinox the Sun's longitude is counted from.
constexpr double kPrecession[6] = {0.0, 5028.796195, 1.1054348, 0.00007964, -0.000023857,
                                   -0.0000000383};

// ELP's longitudes of J2000 count from the node of its ecliptic on the
// equator of the frame it was fitted in (DE405's, aligned with the ICRS to
// a milliarcsecond). In the IAU 2006 precession that node lies at the
// longitude psi-bar of the Fukushima-Williams angles at J2000 (ERFA's
// eraPfw06), -0.041775", from the mean equinox of J2000: the frame bias
// between the ICRS and the mean equator of J2000 moves the node along the
// ecliptic.
constexpr double kNodeLongitudeJ2000 = -0.041775 * kArcsecond;

double PrecessionInLongitude(double t) {
    double sum = 0.0;
    for (int k = 5; k >= 1; --k) sum = (sum + kPrecession[k]) * t;
    return sum * kArcsecond;
}

double PrecessionRate(double t) {
    double sum = 0.0;
    for (int k = 5; k >= 1; --k) sum = sum * t + k * kPrecession[k];
    return sum * kArcsecond;
}

}  // namespace

ElpMoon MoonFromElp(double jd_tt) {
    const double t = (jd_tt - kJ2000) / kDaysPerJulianCentury;

    // e^(i m a) for every argument a and every multiple m the terms use,
    // from e^(i a) by products: one sine and cosine per argument.
    Turn multiple[elp::kMultipleCount];
    for (int j = 0; j < elp::kArgumentCount; ++j) {
        const double angle = std::fmod(Polynomial(elp::kArgumentPolynomial[j], t), kTwoPi);
        Turn* zero = multiple + elp::kZeroMultiple[j];
        const int largest = elp::kLargestMultiple[j];
        zero[0] = {1.0, 0.0};
        if (largest == 0) continue;
        zero[1] = {std::cos(angle), std::sin(angle)};
        for (int m = 2; m <= largest; ++m) zero[m] = Times(zero[m - 1], zero[1]);
        for (int m = 1; m <= largest; ++m) zero[-m] = {zero[m].cos, -zero[m].sin};
    }
    // Every combination of arguments that the terms share, once, each from
    // an earlier one by one product.
    Turn combination[elp::kCombinationCount];
    combination[0] = {1.0, 0.0};
    for (int c = 1; c < elp::kCombinationCount; ++c) {
        const elp::Combination& made = elp::kCombinations[c];
        combination[c] = Times(combination[made.prefix], multiple[made.factor]);
    }

    // Each series is t^k times its sum; the rate is k t^(k-1) times the sum
    // plus t^k times the sum's own rate. kLanes sums run side by side, so
    // that one term need not wait for the last.
    double value[2] = {0.0, 0.0};
    double rate[2] = {0.0, 0.0};
    for (const elp::Series& series : elp::kSeries) {
        double sum[elp::kLanes] = {};
        double sum_rate[elp::kLanes] = {};
        for (int i = series.begin; i < series.end; i += elp::kLanes) {
            for (int lane = 0; lane < elp::kLanes; ++lane) {
                const elp::Term& term = elp::kTerms[i + lane];
                const Turn phase = Times(combination[term.delaunay], combination[term.other]);
                const double frequency = elp::kCombinations[term.delaunay].rate +
                                         elp::kCombinations[term.other].rate;
                sum[lane] += term.sine * phase.sin + term.cosine * phase.cos;
                sum_rate[lane] += frequency * (term.sine * phase.cos - term.cosine * phase.sin);
            }
        }
        double total = 0.0;
        double total_rate = 0.0;
        for (int lane = 0; lane < elp::kLanes; ++lane) {
            total += sum[lane];
            total_rate += sum_rate[lane];
        }
        const int c = static_cast<int>(series.coordinate);
        double lower = 1.0;  // t^(k-1)
        for (int k = 1; k < series.power; ++k) lower *= t;
        const double power = series.power == 0 ? 1.0 : lower * t;
        value[c] += power * total;
        rate[c] += power * total_rate + (series.power == 0 ? 0.0 : series.power * lower * total);
    }
    const double longitude = Polynomial(elp::kMeanLongitude, t) + value[0];
    const double longitude_rate = PolynomialRate(elp::kMeanLongitude, t) + rate[0];
    return {longitude, longitude_rate / kDaysPerJulianCentury, value[1]};
}

ApparentMoon ApparentMoonAt(double jd_tt, double nutation, double nutation_rate) {
    const ElpMoon moon = MoonFromElp(jd_tt);
    const double t = (jd_tt - kJ2000) / kDaysPerJulianCentury;
    // The light seen now left the Moon one light time ago. The Earth's own
    // motion over that time and the annual aberration cancel (to the first
    // order in v/c) for a body that moves with the Earth, so the apparent
    // direction is the geocentric one of one light time ago: 0.7" behind.
    const double light_time = moon.distance / kLightKmPerDay;
    double longitude = moon.longitude - moon.rate * light_time + kNodeLongitudeJ2000 +
                       PrecessionInLongitude(t) + nutation;
    longitude = std::fmod(longitude, kTwoPi);
    if (longitude < 0.0) longitude += kTwoPi;
    return {longitude, moon.rate + PrecessionRate(t) / kDaysPerJulianCentury + nutation_rate,
            moon.distance};
}

ApparentMoon ApparentMoonAt(double jd_tt) {
    const NutationInLongitude nutation = NutationInLongitudeAt(jd_tt);
    return ApparentMoonAt(jd_tt, nutation.value, nutation.rate);
}

}  // namespace kalvest
