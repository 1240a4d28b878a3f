#include "ephemeris/nutation_longitude.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/astronomical_constants.h"

namespace kalvest {
namespace {

constexpr double kArcsecondsPerTurn = 1296000.0;
// The series' unit, 0.1 microarcsecond, in radians.
constexpr double kUnit = kArcsecond * 1e-7;
// IAU 2000B stands in for the planetary terms of IAU 2000A by this fixed
// offset (-0.135 milliarcsecond).
constexpr double kPlanetaryOffset = -0.135e-3 * kArcsecond;

// The Delaunay arguments l, l', F, D and Omega as linear functions of the
// Julian centuries from J2000.0 (arcseconds and arcseconds per century),
// after Simon et al. (1994), as IAU 2000B takes them.
struct Argument {
    double at_j2000;
    double per_century;
};
constexpr Argument kDelaunay[5] = {
    {485868.249036, 1717915923.2178},   // l, mean anomaly of the Moon
    {1287104.79305, 129596581.0481},    // l', mean anomaly of the Sun
    {335779.526232, 1739527262.8478},   // F = L - Omega
    {1072260.70369, 1602961601.2090},   // D, elongation of the Moon
    {450160.398036, -6962890.5431},     // Omega, node of the Moon
};

// The 77 luni-solar terms of IAU 2000B (McCarthy and Luzum, Celestial
// Mechanics 85, 37, 2003: the largest terms of the IAU 2000A series of
// Mathews, Herring and Buffett, 2002, as tabulated in the IERS Conventions
// 2003, table 5.3a): the multipliers of l, l', F, D, Omega, and the
// coefficients of sin, t sin and cos in the longitude, in 0.1
// microarcsecond.
struct Term {
    int multiplier[5];
    double sine;
    double sine_per_century;
    double cosine;
};

constexpr Term kTerms[] = {
    {{0, 0, 0, 0, 1}, -172064161, -174666, 33386},
    {{0, 0, 2, -2, 2}, -13170906, -1675, -13696},
    {{0, 0, 2, 0, 2}, -2276413, -234, 2796},
    {{0, 0, 0, 0, 2}, 2074554, 207, -698},
    {{0, 1, 0, 0, 0}, 1475877, -3633, 11817},
    {{0, 1, 2, -2, 2}, -516821, 1226, -524},
    {{1, 0, 0, 0, 0}, 711159, 73, -872},
    {{0, 0, 2, 0, 1}, -387298, -367, 380},
    {{1, 0, 2, 0, 2}, -301461, -36, 816},
    {{0, -1, 2, -2, 2}, 215829, -494, 111},
    {{0, 0, 2, -2, 1}, 128227, 137, 181},
    {{-1, 0, 2, 0, 2}, 123457, 11, 19},
    {{-1, 0, 0, 2, 0}, 156994, 10, -168},
    {{1, 0, 0, 0, 1}, 63110, 63, 27},
    {{-1, 0, 0, 0, 1}, -57976, -63, -189},
    {{-1, 0, 2, 2, 2}, -59641, -11, 149},
    {{1, 0, 2, 0, 1}, -51613, -42, 129},
    {{-2, 0, 2, 0, 1}, 45893, 50, 31},
    {{0, 0, 0, 2, 0}, 63384, 11, -150},
    {{0, 0, 2, 2, 2}, -38571, -1, 158},
    {{0, -2, 2, -2, 2}, 32481, 0, 0},
    {{-2, 0, 0, 2, 0}, -47722, 0, -18},
    {{2, 0, 2, 0, 2}, -31046, -1, 131},
    {{1, 0, 2, -2, 2}, 28593, 0, -1},
    {{-1, 0, 2, 0, 1}, 20441, 21, 10},
    {{2, 0, 0, 0, 0}, 29243, 0, -74},
    {{0, 0, 2, 0, 0}, 25887, 0, -66},
    {{0, 1, 0, 0, 1}, -14053, -25, 79},
    {{-1, 0, 0, 2, 1}, 15164, 10, 11},
    {{0, 2, 2, -2, 2}, -15794, 72, -16},
    {{0, 0, -2, 2, 0}, 21783, 0, 13},
    {{1, 0, 0, -2, 1}, -12873, -10, -37},
    {{0, -1, 0, 0, 1}, -12654, 11, 63},
    {{-1, 0, 2, 2, 1}, -10204, 0, 25},
    {{0, 2, 0, 0, 0}, 16707, -85, -10},
    {{1, 0, 2, 2, 2}, -7691, 0, 44},
    {{-2, 0, 2, 0, 0}, -11024, 0, -14},
    {{0, 1, 2, 0, 2}, 7566, -21, -11},
    {{0, 0, 2, 2, 1}, -6637, -11, 25},
    {{0, -1, 2, 0, 2}, -7141, 21, 8},
    {{0, 0, 0, 2, 1}, -6302, -11, 2},
    {{1, 0, 2, -2, 1}, 5800, 10, 2},
    {{2, 0, 2, -2, 2}, 6443, 0, -7},
    {{-2, 0, 0, 2, 1}, -5774, -11, -15},
    {{2, 0, 2, 0, 1}, -5350, 0, 21},
    {{0, -1, 2, -2, 1}, -4752, -11, -3},
    {{0, 0, 0, -2, 1}, -4940, -11, -21},
    {{-1, -1, 0, 2, 0}, 7350, 0, -8},
    {{2, 0, 0, -2, 1}, 4065, 0, 6},
    {{1, 0, 0, 2, 0}, 6579, 0, -24},
    {{0, 1, 2, -2, 1}, 3579, 0, 5},
    {{1, -1, 0, 0, 0}, 4725, 0, -6},
    {{-2, 0, 2, 0, 2}, -3075, 0, -2},
    {{3, 0, 2, 0, 2}, -2904, 0, 15},
    {{0, -1, 0, 2, 0}, 4348, 0, -10},
    {{1, -1, 2, 0, 2}, -2878, 0, 8},
    {{0, 0, 0, 1, 0}, -4230, 0, 5},
    {{-1, -1, 2, 2, 2}, -2819, 0, 7},
    {{-1, 0, 2, 0, 0}, -4056, 0, 5},
    {{0, -1, 2, 2, 2}, -2647, 0, 11},
    {{-2, 0, 0, 0, 1}, -2294, 0, -10},
    {{1, 1, 2, 0, 2}, 2481, 0, -7},
    {{2, 0, 0, 0, 1}, 2179, 0, -2},
    {{-1, 1, 0, 1, 0}, 3276, 0, 1},
    {{1, 1, 0, 0, 0}, -3389, 0, 5},
    {{1, 0, 2, 0, 0}, 3339, 0, -13},
    {{-1, 0, 2, -2, 1}, -1987, 0, -6},
    {{1, 0, 0, 0, 2}, -1981, 0, 0},
    {{-1, 0, 0, 1, 0}, 4026, 0, -353},
    {{0, 0, 2, 1, 2}, 1660, 0, -5},
    {{-1, 0, 2, 4, 2}, -1521, 0, 9},
    {{-1, 1, 0, 1, 1}, 1314, 0, 0},
    {{0, -2, 2, -2, 1}, -1283, 0, 0},
    {{1, 0, 2, 2, 1}, -1331, 0, 8},
    {{-2, 0, 2, 2, 2}, 1383, 0, -2},
    {{-1, 0, 0, 0, 2}, 1405, 0, 4},
    {{1, 1, 2, -2, 2}, 1290, 0, 0},
};

// The multipliers of the terms lie within -kMaxMultiple..kMaxMultiple.
constexpr int kMaxMultiple = 4;

constexpr bool MultipliersInRange() {
    for (const Term& term : kTerms) {
        for (int k : term.multiplier) {
            if (k < -kMaxMultiple || k > kMaxMultiple) return false;
        }
    }
    return true;
}
static_assert(MultipliersInRange());

}  // namespace

NutationInLongitude NutationInLongitudeAt(double jd_tt) {
    const double t = (jd_tt - kJ2000) / kDaysPerJulianCentury;
    // e^(i k x) for every Delaunay argument x and every multiple k.
    Turn multiple[5][2 * kMaxMultiple + 1];
    double argument_rate[5];
    for (int j = 0; j < 5; ++j) {
        const double arcseconds =
            std::fmod(kDelaunay[j].at_j2000 + kDelaunay[j].per_century * t,
                      kArcsecondsPerTurn);
        const double x = arcseconds * kArcsecond;
        argument_rate[j] = kDelaunay[j].per_century * kArcsecond / kDaysPerJulianCentury;
        Turn* row = multiple[j] + kMaxMultiple;
        row[0] = {1.0, 0.0};
        row[1] = {std::cos(x), std::sin(x)};
        for (int k = 2; k <= kMaxMultiple; ++k) row[k] = Times(row[k - 1], row[1]);
        for (int k = 1; k <= kMaxMultiple; ++k) row[-k] = {row[k].cos, -row[k].sin};
    }
    double value = 0.0;
    double rate = 0.0;
    for (const Term& term : kTerms) {
        Turn phase{1.0, 0.0};
        double phase_rate = 0.0;
        for (int j = 0; j < 5; ++j) {
            if (term.multiplier[j] == 0) continue;  // most are; a fifth faster
            phase = Times(phase, multiple[j][term.multiplier[j] + kMaxMultiple]);
            phase_rate += term.multiplier[j] * argument_rate[j];
        }
        const double amplitude = term.sine + term.sine_per_century * t;
        value += amplitude * phase.sin + term.cosine * phase.cos;
        rate += (amplitude * phase.cos - term.cosine * phase.sin) * phase_rate +
                term.sine_per_century / kDaysPerJulianCentury * phase.sin;
    }
    return {value * kUnit + kPlanetaryOffset, rate * kUnit};
}

}  // namespace kalvest
