// Eclipse circumstances at a new or full moon: saros series, greatest
// eclipse, gamma and u, and the solar or lunar classification.

#include <math.h>
#include <stdint.h>

#include "lunation.h"
#include "phase_tables.h"

namespace kalvest::moon {
namespace {

constexpr int kNewMoon = 0;
constexpr int kFullMoon = 2;
constexpr int64_t kSarosCount = 223;

// Non-negative remainder, for the saros arithmetic of negative lunations.
int64_t FloorRemainder(int64_t value, int64_t divisor) {
    const int64_t r = value % divisor;
    return r < 0 ? r + divisor : r;
}

struct EclipseParameters {
    double jde_max;
    double gamma;
    double u;
};

// Greatest eclipse, gamma and u from the 14-term series, with F1 (F
// corrected for the node) in place of F.
EclipseParameters SeriesOfEclipse(const Lunation& at, const SharedRows& shared) {
    const double r = at.degrees_per_radian;
    const double f1 = Mod360(at.latitude - 0.02665 * at.node_sin);
    double p = 0.0;
    double q = 5.2207;
    double u = 0.0059;
    double jde_max = at.mean_jde;
    // Angles first, then their sines and cosines (independent of each
    // other, so they can overlap), then the sums in table order. Rows
    // without F1 take the values the periodic terms found for the same
    // angle. Only the rows that carry P, Q or u need a cosine; a zero
    // coefficient would add nothing, so the others are left out of those
    // sums.
    double sines[kEclipseTermCount];
    double cosines[kParameterRowCount];
    bool known[kEclipseTermCount];
    for (int i = 0; i < kEclipseTermCount; ++i) {
        const PeriodicTerm& multiples = kPeriodicTerms[i];
        known[i] = shared.filled && multiples.latitude == 0;
        if (known[i]) {
            sines[i] = shared.sines[i];
            if (i < kParameterRowCount) cosines[i] = shared.cosines[i];
            continue;
        }
        sines[i] = Mod360(multiples.latitude * f1 + multiples.moon_anomaly * at.moon_anomaly +
                          multiples.sun_anomaly * at.sun_anomaly) /
                   r;
    }
    for (int i = 0; i < kEclipseTermCount; ++i) {
        if (known[i]) continue;
        if (i < kParameterRowCount) {
            SinCos(sines[i], &sines[i], &cosines[i]);
        } else {
            sines[i] = sin(sines[i]);
        }
    }
    for (int i = 0; i < kEclipseTermCount; ++i) {
        const PeriodicTerm& multiples = kPeriodicTerms[i];
        const EclipseTerm& term = kEclipseTerms[i];
        const double w = EccentricityWeight(at, multiples.sun_anomaly);
        const double s = sines[i];
        if (i < kParameterRowCount) {
            const double c = cosines[i];
            p += term.p * w * s * 0.0001;
            q += term.q * w * c * 0.0001;
            u += term.u * w * c * 0.0001;
        }
        if (at.phase == kNewMoon) jde_max += term.new_moon * w * s * 0.0001;
        if (at.phase == kFullMoon) jde_max += term.full_moon * w * s * 0.0001;
    }
    const double a1 = Mod360(0.107408 * at.k + 299.77 - 0.009173 * at.t * at.t) / r;
    jde_max += (3.0 * sin(a1) - 2.0 * at.node_sin) * 0.0001;

    const double f1_rad = f1 / r;
    double sin_f1, cos_f1;
    SinCos(f1_rad, &sin_f1, &cos_f1);
    const double w1 = fabs(cos_f1);
    const double gamma = (p * cos_f1 + q * sin_f1) * (1.0 - 0.0048 * w1);
    return {jde_max, gamma, u};
}

// Full moon: magnitudes, classification and semidurations of the phases of
// a lunar eclipse.
void DescribeLunar(const Lunation& at, const EclipseParameters& e,
                   phase_record* record) {
    const double abs_gamma = fabs(e.gamma);
    const double h = 1.5573 + e.u;      // penumbra
    const double pu = 1.0128 - e.u;     // umbra
    const double tu = 0.4678 - e.u;     // umbra, Moon wholly inside
    const double n = 0.5458 + 0.04 * cos(at.moon_anomaly / at.degrees_per_radian);
    const double gamma2 = e.gamma * e.gamma;
    // (x - |gamma|) / 0.545, as a product.
    const double mag_penumbral = (h - abs_gamma) * 1.8348623853211008;
    const double mag_umbral = (pu - abs_gamma) * 1.8348623853211008;

    const char* tag = "    ";
    if (mag_penumbral > 0) tag = "LP  ";
    if (mag_umbral > 0) tag = "LU  ";
    if (mag_umbral > 1) tag = "LT  ";

    // Each square root is of a positive number: a magnitude above 0 (or 1)
    // means |gamma| lies inside that shadow's radius.
    if (mag_penumbral > 0) record->sd_penumbral = 60.0 / n * sqrt(h * h - gamma2);
    if (mag_umbral > 0) record->sd_partial = 60.0 / n * sqrt(pu * pu - gamma2);
    if (mag_umbral > 1) record->sd_total = 60.0 / n * sqrt(tu * tu - gamma2);
    record->eclipse = EclipseCode(tag);
    record->mag_penumbral = mag_penumbral;
    record->mag_umbral = mag_umbral;
}

// New moon (or an unknown phase): classification of a solar eclipse.
void DescribeSolar(const EclipseParameters& e, phase_record* record) {
    const double abs_gamma = fabs(e.gamma);
    const double u = e.u;
    const double omega = abs_gamma < 1.0 ? 0.00464 * sqrt(1.0 - e.gamma * e.gamma) : 0.0;

    // Each later test overrides the earlier ones.
    const char* tag = "    ";
    if (abs_gamma < 1.5433 + u) tag = "P   ";
    if (abs_gamma < 0.9972 + fabs(u)) {  // the umbra's edge reaches the Earth
        tag = "NCT ";
        if (u > 0) tag = "NCAT";
        if (u > 0 && u > omega) tag = "NCA ";
        if (u > 0.0047) tag = "NCA ";
    }
    if (abs_gamma < 0.9972) {  // the shadow's axis meets the Earth
        tag = "CT  ";
        if (u > 0) tag = "CAT ";
        if (u > 0 && u > omega) tag = "CA  ";
        if (u > 0.0047) tag = "CA  ";
    }
    record->eclipse = EclipseCode(tag);
}

}  // namespace

int32_t SarosSeries(int32_t lunation, int32_t phase) {
    // 64 bits: 38 times a 32-bit lunation does not fit in 32.
    const int64_t h = FloorRemainder(38 * int64_t{lunation} + 111, kSarosCount);
    if (phase == kFullMoon) return static_cast<int32_t>((h + 12) % kSarosCount + 1);
    return static_cast<int32_t>(h + 1);
}

void DescribeEclipse(const Lunation& at, const SharedRows& shared, double jde,
                     phase_record* record) {
    record->saros = SarosSeries(at.lunation, at.phase);
    const EclipseParameters e = SeriesOfEclipse(at, shared);
    if (at.phase == kFullMoon) {
        DescribeLunar(at, e, record);
    } else {
        DescribeSolar(e, record);
    }
    record->jde = jde;
    record->jde_max = e.jde_max;
    record->gamma = e.gamma;
    record->u = e.u;
}

}  // namespace kalvest::moon
