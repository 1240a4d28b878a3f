// Quantities of one phase of one lunation shared by the phase instant and
// the eclipse circumstances.
#pragma once

#include <math.h>
#include <stdint.h>

#include "phase_tables.h"
#include "varquel.h"

namespace kalvest::moon {

struct Lunation {
    int32_t lunation;
    int32_t phase;
    double k;            // lunation + phase / 4
    double t;            // Julian centuries from J2000.0 of the mean instant
    double e;            // eccentricity factor of the Earth's orbit
    double e_power[4];   // 1, E, E^2, E^3
    double mean_jde;     // mean instant, before any periodic term
    double sun_anomaly;  // M, degrees, not reduced
    double moon_anomaly; // M', degrees, not reduced
    double latitude;     // F, degrees, not reduced
    double node;         // Omega, degrees, not reduced
    double node_rad;     // Omega reduced modulo 360, in radians
    double node_sin;     // sin(node_rad), used three times
    double degrees_per_radian;
};

// 45 / atan(1), that is 180 / pi: degrees are turned into radians by
// dividing by it. atan(1) is pi/4 rounded to double, so the quotient is
// fixed and need not be recomputed on each call.
constexpr double kQuarterPi = 0.78539816339744830962;
constexpr double kDegreesPerRadian = 45.0 / kQuarterPi;

// fmod(x, 360): the remainder, exact, with the sign of x. For the usual
// magnitudes it is found by one multiplication instead of the library's
// long division: with n the truncated quotient, 360 n and x - 360 n are
// exact in double (|x| < 2^52), and a quotient that rounding moved across
// a whole number (n off by one) is put right.
inline double Mod360(double x) {
    if (!(fabs(x) < 0x1p52)) return fmod(x, 360.0);  // huge, or not finite
    const double n = static_cast<double>(static_cast<int64_t>(x * (1.0 / 360.0)));
    double r = x - 360.0 * n;
    if (x >= 0) {
        if (r < 0) r += 360.0;
        if (r >= 360.0) r -= 360.0;
    } else {
        if (r > 0) r -= 360.0;
        if (r <= -360.0) r += 360.0;
    }
    return r == 0 ? copysign(0.0, x) : r;
}

// sin and cos of one angle; glibc's sincos gives the very values of sin
// and cos in one reduction.
inline void SinCos(double x, double* s, double* c) {
#if defined(__GLIBC__)
    sincos(x, s, c);
#else
    *s = sin(x);
    *c = cos(x);
#endif
}

// E^|m|: the weight of a term whose argument holds m times M (|m| <= 3).
inline double EccentricityWeight(const Lunation& at, int sun_multiple) {
    return at.e_power[sun_multiple < 0 ? -sun_multiple : sun_multiple];
}

// Sines of the first rows of the periodic terms and cosines of those that
// carry eclipse parameters. A row without F has the very same angle in the
// eclipse series (0 x F1 adds nothing), so its values serve both.
struct SharedRows {
    bool filled;
    double sines[kEclipseTermCount];
    double cosines[kParameterRowCount];
};

// Saros series (1..223) of a new moon (phase 0) or a full moon (phase 2).
int32_t SarosSeries(int32_t lunation, int32_t phase);

// Fills `record` (already cleared) with the saros number and the eclipse
// circumstances of a new or full moon, or of an unknown phase, whose
// instant is `jde`; `shared` holds what the periodic terms found, if
// anything.
void DescribeEclipse(const Lunation& at, const SharedRows& shared, double jde,
                     phase_record* record);

// Classification number 1..10 of a four-character eclipse tag, 0 for a tag
// that is not in the table (the four blanks of "no eclipse").
int32_t EclipseCode(const char* tag);

}  // namespace kalvest::moon
