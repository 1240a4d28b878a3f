// Quantities of one phase of one lunation shared by the phase instant and
// the eclipse circumstances.
#pragma once

#include <stdint.h>

#include "varquel.h"

namespace kalvest::moon {

struct Lunation {
    int32_t lunation;
    int32_t phase;
    double k;            // lunation + phase / 4
    double t;            // Julian centuries from J2000.0 of the mean instant
    double e;            // eccentricity factor of the Earth's orbit
    double mean_jde;     // mean instant, before any periodic term
    double sun_anomaly;  // M, degrees, not reduced
    double moon_anomaly; // M', degrees, not reduced
    double latitude;     // F, degrees, not reduced
    double node;         // Omega, degrees, not reduced
    double node_rad;     // Omega reduced modulo 360, in radians
    double degrees_per_radian;
};

// E^|m|: the weight of a term whose argument holds m times M.
inline double EccentricityWeight(double e, int sun_multiple) {
    switch (sun_multiple < 0 ? -sun_multiple : sun_multiple) {
        case 0: return 1.0;
        case 1: return e;
        case 2: return e * e;
        default: return e * e * e;
    }
}

// Saros series (1..223) of a new moon (phase 0) or a full moon (phase 2).
int32_t SarosSeries(int32_t lunation, int32_t phase);

// Fills `record` (already cleared) with the saros number and the eclipse
// circumstances of a new or full moon, or of an unknown phase, whose
// instant is `jde`.
void DescribeEclipse(const Lunation& at, double jde, phase_record* record);

// Classification number 1..10 of a four-character eclipse tag, 0 for a tag
// that is not in the table (the four blanks of "no eclipse").
int32_t EclipseCode(const char* tag);

}  // namespace kalvest::moon
