// Instant of a phase of the Moon by the mean-lunation series, and the entry
// point that adds the eclipse circumstances at new and full moon.

#include <math.h>
#include <string.h>

#include "lunation.h"
#include "phase_tables.h"
#include "varquel.h"

namespace kalvest::moon {
namespace {

constexpr int kNewMoon = 0;
constexpr int kFirstQuarter = 1;
constexpr int kFullMoon = 2;
constexpr int kLastQuarter = 3;

bool IsQuarter(int32_t phase) {
    return phase == kFirstQuarter || phase == kLastQuarter;
}

// k, T, E, the mean instant and the unreduced arguments.
Lunation MeanLunation(int32_t lunation, int32_t phase) {
    Lunation at{};
    at.lunation = lunation;
    at.phase = phase;
    at.degrees_per_radian = kDegreesPerRadian;
    const double k = lunation + 0.25 * phase;
    at.k = k;
    const double jde0 = 2451550.09765 + 29.530588853 * k;
    // Centuries from the mean instant, not from k.
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    at.t = t;
    at.e = 1.0 + (-2516.0 - 7.4 * t) * t * 0.000001;
    at.e_power[0] = 1.0;
    at.e_power[1] = at.e;
    at.e_power[2] = at.e * at.e;
    at.e_power[3] = at.e * at.e * at.e;
    at.mean_jde = jde0 + 0.0001337 * t2 - 0.00000015 * t3 + 0.00000000073 * t4;
    at.sun_anomaly = 2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3;
    at.moon_anomaly = 201.5643 + 385.81693528 * k + 0.0107438 * t2 +
                      0.00001239 * t3 - 0.000000058 * t4;
    at.latitude = 160.7108 + 390.67050274 * k - 0.0016341 * t2 -
                  0.00000227 * t3 + 0.000000011 * t4;
    at.node = 124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3;
    at.node_rad = Mod360(at.node) / at.degrees_per_radian;
    at.node_sin = sin(at.node_rad);
    return at;
}

// Column of the periodic terms for the phase; null for an unknown phase,
// which takes no periodic term.
double PeriodicTerm::*PeriodicColumn(int32_t phase) {
    switch (phase) {
        case kNewMoon: return &PeriodicTerm::new_moon;
        case kFullMoon: return &PeriodicTerm::full_moon;
        case kFirstQuarter:
        case kLastQuarter: return &PeriodicTerm::quarter;
        default: return nullptr;
    }
}

// Each term is added to the instant in turn, in table order. The angles
// and their sines are found first, so that the sine evaluations, which do
// not depend on each other, can overlap in the processor. When an eclipse
// record follows, the sines and cosines of the rows the eclipse series
// shares are kept for it in `shared`.
void AddPeriodicTerms(const Lunation& at, double& jde, SharedRows* shared) {
    double PeriodicTerm::*const column = PeriodicColumn(at.phase);
    if (!column) return;
    double sines[kPeriodicTermCount];
    for (int i = 0; i < kPeriodicTermCount; ++i) {
        const PeriodicTerm& term = kPeriodicTerms[i];
        sines[i] = Mod360(term.latitude * at.latitude + term.moon_anomaly * at.moon_anomaly +
                          term.sun_anomaly * at.sun_anomaly) /
                   at.degrees_per_radian;
    }
    if (shared) {
        for (int i = 0; i < kParameterRowCount; ++i) {
            SinCos(sines[i], &sines[i], &shared->cosines[i]);
        }
        for (int i = kParameterRowCount; i < kPeriodicTermCount; ++i) sines[i] = sin(sines[i]);
        for (int i = 0; i < kEclipseTermCount; ++i) shared->sines[i] = sines[i];
        shared->filled = true;
    } else {
        for (double& x : sines) x = sin(x);
    }
    for (int i = 0; i < kPeriodicTermCount; ++i) {
        const PeriodicTerm& term = kPeriodicTerms[i];
        const double w = EccentricityWeight(at, term.sun_anomaly);
        jde += term.*column * w * sines[i] * 0.00001;
    }
}

// The quarters' extra correction W, from the unreduced arguments.
double QuarterCorrection(const Lunation& at) {
    if (!IsQuarter(at.phase)) return 0.0;
    const double r = at.degrees_per_radian;
    const double mp = at.moon_anomaly;
    const double m = at.sun_anomaly;
    return 0.00001 * (306.0 + 26.0 * cos(mp / r) + 2.0 * cos(2.0 * at.latitude / r) +
                      at.e * (2.0 * cos((mp + m) / r) - 38.0 * cos(m / r) -
                              2.0 * cos((mp - m) / r)));
}

void AddPlanetaryTerms(const Lunation& at, double& jde) {
    double sines[kPlanetaryTermCount];
    for (int i = 0; i < kPlanetaryTermCount; ++i) {
        const PlanetaryTerm& term = kPlanetaryTerms[i];
        double intercept = term.intercept;
        if (i == 0) intercept -= 0.009173 * at.t * at.t;
        sines[i] = Mod360(term.slope * at.k + intercept) / at.degrees_per_radian;
    }
    for (double& x : sines) x = sin(x);
    for (int i = 0; i < kPlanetaryTermCount; ++i) {
        jde += kPlanetaryTerms[i].coefficient * 0.000001 * sines[i];
    }
}

}  // namespace
}  // namespace kalvest::moon

extern "C" double VARQUEL_CALL varquel(int32_t lunation, int32_t phase,
                                       phase_record* record) {
    using namespace kalvest::moon;
    if (record) {
        memset(record, 0, sizeof *record);
        record->lunation = lunation;
        record->phase = phase;
    }
    const Lunation at = MeanLunation(lunation, phase);
    const bool eclipse = record && !IsQuarter(phase);
    SharedRows shared;  // filled by the periodic terms when asked to
    shared.filled = false;
    double jde = at.mean_jde;
    AddPeriodicTerms(at, jde, eclipse ? &shared : nullptr);
    const double w = QuarterCorrection(at);
    // +W for the first quarter, -W for the last; computed in double so that
    // no phase value can overflow.
    jde = jde - 0.00017 * at.node_sin + (2.0 - phase) * w;
    AddPlanetaryTerms(at, jde);
    if (!eclipse) return jde;
    DescribeEclipse(at, shared, jde, record);
    return jde;
}
