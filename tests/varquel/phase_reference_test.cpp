// varquel's phases and eclipses against the independent implementation of
// the same classical method in the npm package astronomia, over every
// lunation for about 120 years each side of 2000 and every 37th lunation
// out to about 4000 years each side (both signs of the lunation number).
//
// The two formulations use different published constants (see
// method_differences.h). The difference of the mean instants is computed
// exactly and taken off; every remaining difference beyond 1e-6 (day, or
// Earth radius for gamma and u) must lie within the bound that the
// argument, weight and planetary differences allow at that lunation. Near
// 2000 those bounds are a few millionths of a day; four thousand years
// away, where the two editions' T^2 coefficients part, they reach
// 0.001 day and 0.004 in gamma.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "astronomia_table.h"
#include "method_differences.h"
#include "varquel_exports.h"

namespace kalvest::testing {
namespace {

constexpr double kRounding = 1e-6;

const std::vector<ReferenceLunation>& Table() {
    static const std::vector<ReferenceLunation> table = ReadAstronomiaTable(
        KALVEST_SOURCE_DIR "/tests/varquel/data/moon_phases_astronomia.csv");
    return table;
}

// Largest difference seen, printed for the record.
struct Largest {
    const char* what;
    const char* range;
    double raw = 0;       // varquel minus astronomia
    double residual = 0;  // after the mean-instant difference
    double bound = 0;     // the bound at that lunation
    int lunation = 0;

    void Note(double raw_difference, double residual_difference, double allowed, int at) {
        if (std::fabs(residual_difference) > std::fabs(residual)) {
            residual = residual_difference;
            bound = allowed;
            lunation = at;
        }
        if (std::fabs(raw_difference) > std::fabs(raw)) raw = raw_difference;
    }
    ~Largest() {
        std::printf("%-26s %-5s raw %+.3e, after the mean instant %+.3e "
                    "(bound there %.3e, lunation %d)\n",
                    what, range, raw, residual, bound, lunation);
    }
};

// Within 1500 lunations (about 120 years) of 2000, and beyond.
bool Near(int lunation) { return std::abs(lunation) <= 1500; }
constexpr const char* kNear = "near";
constexpr const char* kFar = "far";

TEST(AstronomiaReference, TheTableCoversBothSignsAndEveryKind) {
    const auto& table = Table();
    ASSERT_GT(table.size(), 5000u);
    EXPECT_LT(table.front().lunation, -49000);
    EXPECT_GT(table.back().lunation, 49000);
    int solar = 0, central = 0, lunar_total = 0, lunar_partial = 0, penumbral = 0;
    for (const ReferenceLunation& r : table) {
        solar += r.solar_type != "none";
        central += r.solar_central;
        lunar_total += r.lunar_type == "total";
        lunar_partial += r.lunar_type == "umbral";
        penumbral += r.lunar_type == "penumbral";
    }
    EXPECT_GT(solar, 500);
    EXPECT_GT(central, 200);
    EXPECT_GT(lunar_total, 100);
    EXPECT_GT(lunar_partial, 100);
    EXPECT_GT(penumbral, 100);
}

TEST(AstronomiaReference, PhaseInstants) {
    static const char* const kNames[4] = {"new moon jde", "first quarter jde",
                                          "full moon jde", "last quarter jde"};
    Largest near[4] = {{kNames[0], kNear}, {kNames[1], kNear}, {kNames[2], kNear},
                       {kNames[3], kNear}};
    Largest far[4] = {{kNames[0], kFar}, {kNames[1], kFar}, {kNames[2], kFar},
                      {kNames[3], kFar}};
    for (const ReferenceLunation& r : Table()) {
        for (int phase = 0; phase < 4; ++phase) {
            const double k = r.lunation + 0.25 * phase;
            const MethodDifference d = DifferenceAt(k);
            const double ours = LoadPhase()(r.lunation, phase, nullptr);
            const double raw = ours - r.jde[phase];
            const double residual = ours - (r.jde[phase] - d.mean_jde);
            const double allowed = kRounding + InstantBound(d);
            (Near(r.lunation) ? near : far)[phase].Note(raw, residual, allowed, r.lunation);
            ASSERT_LE(std::fabs(residual), allowed) << "lunation " << r.lunation << " phase " << phase;
        }
    }
}

// astronomia's solar kinds: "total" and "annular" split by the centre
// line; off it, both umbral kinds are reported as "total".
std::string SolarKind(int code) {
    switch (code) {
        case VARQUEL_NO_ECLIPSE: return "none";
        case VARQUEL_SOLAR_PARTIAL: return "partial";
        case VARQUEL_SOLAR_CENTRAL_ANNULAR: return "annular";
        case VARQUEL_SOLAR_CENTRAL_TOTAL: return "total";
        case VARQUEL_SOLAR_CENTRAL_HYBRID: return "annular-total";
        default: return "total";  // the three non-central umbral kinds
    }
}

bool Central(int code) {
    return code == VARQUEL_SOLAR_CENTRAL_ANNULAR || code == VARQUEL_SOLAR_CENTRAL_TOTAL ||
           code == VARQUEL_SOLAR_CENTRAL_HYBRID;
}

// Whether gamma or u lies so close to a limit of the solar classification
// that the allowed differences could move it across.
bool NearSolarLimit(double gamma, double u, double dg, double du) {
    const double g = std::fabs(gamma);
    const double omega = g < 1.0 ? 0.00464 * std::sqrt(1.0 - gamma * gamma) : 0.0;
    const double gamma_margin = std::min({std::fabs(g - (1.5433 + u)),
                                          std::fabs(g - (0.9972 + std::fabs(u))),
                                          std::fabs(g - 0.9972), std::fabs(g - 1.026)});
    const double u_margin = std::min({std::fabs(u), std::fabs(u - omega), std::fabs(u - 0.0047)});
    return gamma_margin <= dg + du || u_margin <= du + 0.005 * dg;
}

TEST(AstronomiaReference, SolarEclipses) {
    Largest near_gamma{"solar gamma", kNear}, near_u{"solar u", kNear},
        near_max{"solar jde_max", kNear};
    Largest far_gamma{"solar gamma", kFar}, far_u{"solar u", kFar}, far_max{"solar jde_max", kFar};
    int compared = 0, at_a_limit = 0;
    for (const ReferenceLunation& r : Table()) {
        const Phase p = PhaseOf(r.lunation, VARQUEL_NEW_MOON);
        const MethodDifference d = DifferenceAt(r.lunation);
        const double dg = kRounding + GammaBound(d);
        const double du = kRounding + UBound(d);
        const std::string kind = SolarKind(p.record.eclipse);
        if (kind != r.solar_type || (kind != "none" && Central(p.record.eclipse) != r.solar_central)) {
            ++at_a_limit;
            EXPECT_TRUE(NearSolarLimit(p.record.gamma, p.record.u, dg, du))
                << "lunation " << r.lunation << ": varquel " << p.record.eclipse
                << ", astronomia " << r.solar_type << " central " << r.solar_central
                << ", gamma " << p.record.gamma << ", u " << p.record.u;
        }
        if (!r.solar_gamma) continue;  // astronomia reports no eclipse
        ++compared;
        const bool near = Near(r.lunation);
        const double gamma = p.record.gamma - *r.solar_gamma;
        (near ? near_gamma : far_gamma).Note(gamma, gamma, dg, r.lunation);
        EXPECT_LE(std::fabs(gamma), dg) << "lunation " << r.lunation;
        const double u = p.record.u - *r.solar_u;
        (near ? near_u : far_u).Note(u, u, du, r.lunation);
        EXPECT_LE(std::fabs(u), du) << "lunation " << r.lunation;
        const double allowed = kRounding + GreatestEclipseBound(d);
        const double raw = p.record.jde_max - *r.solar_jde_max;
        const double residual = p.record.jde_max - (*r.solar_jde_max - d.mean_jde);
        (near ? near_max : far_max).Note(raw, residual, allowed, r.lunation);
        EXPECT_LE(std::fabs(residual), allowed) << "lunation " << r.lunation;
    }
    std::printf("solar eclipses compared: %d; kinds differing at a limit: %d\n", compared,
                at_a_limit);
    EXPECT_GT(compared, 500);
    EXPECT_LT(at_a_limit, compared / 50 + 1);
}

bool NearLunarLimit(const phase_record& r, double dmag) {
    return std::fabs(r.mag_penumbral) <= dmag || std::fabs(r.mag_umbral) <= dmag ||
           std::fabs(r.mag_umbral - 1.0) <= dmag;
}

std::string LunarKind(int code) {
    switch (code) {
        case VARQUEL_LUNAR_PENUMBRAL: return "penumbral";
        case VARQUEL_LUNAR_PARTIAL: return "umbral";
        case VARQUEL_LUNAR_TOTAL: return "total";
        default: return "none";
    }
}

// Semiduration 60 / n * sqrt(X^2 - gamma^2), n = 0.5458 + 0.04 cos M' in
// 0.5058..0.5858: bound of its change when X moves by du, gamma by dg and
// M' by dmp, from the varquel value `minutes` (positive).
double SemidurationBound(double minutes, double x, double gamma, double dg, double du,
                         double dmp) {
    const double da = 2 * std::fabs(x) * du + 2 * std::fabs(gamma) * dg + du * du + dg * dg;
    const double root = minutes * 0.5058 / 60.0;  // at least sqrt(X^2 - gamma^2)
    return 60.0 / 0.5058 * da / root + minutes * 0.04 * dmp / 0.5058 + 1e-6;
}

TEST(AstronomiaReference, LunarEclipses) {
    Largest near_gamma{"lunar gamma", kNear}, near_u{"lunar u", kNear},
        near_max{"lunar jde_max", kNear}, near_mag{"lunar magnitude", kNear},
        near_sd{"lunar semiduration (min)", kNear};
    Largest far_gamma{"lunar gamma", kFar}, far_u{"lunar u", kFar}, far_max{"lunar jde_max", kFar},
        far_mag{"lunar magnitude", kFar}, far_sd{"lunar semiduration (min)", kFar};
    int compared = 0, at_a_limit = 0;
    for (const ReferenceLunation& r : Table()) {
        const Phase p = PhaseOf(r.lunation, VARQUEL_FULL_MOON);
        const MethodDifference d = DifferenceAt(r.lunation + 0.5);
        const double dg = kRounding + GammaBound(d);
        const double du = kRounding + UBound(d);
        const double dmag = (dg + du) / 0.545;
        if (LunarKind(p.record.eclipse) != r.lunar_type) {
            ++at_a_limit;
            EXPECT_TRUE(NearLunarLimit(p.record, dmag))
                << "lunation " << r.lunation << ": varquel " << p.record.eclipse
                << ", astronomia " << r.lunar_type;
        }
        if (!r.lunar_gamma) continue;
        ++compared;
        const bool near = Near(r.lunation);
        const double gamma = p.record.gamma - *r.lunar_gamma;
        (near ? near_gamma : far_gamma).Note(gamma, gamma, dg, r.lunation);
        EXPECT_LE(std::fabs(gamma), dg) << "lunation " << r.lunation;
        const double u = p.record.u - *r.lunar_u;
        (near ? near_u : far_u).Note(u, u, du, r.lunation);
        EXPECT_LE(std::fabs(u), du) << "lunation " << r.lunation;
        const double allowed = kRounding + GreatestEclipseBound(d);
        const double raw = p.record.jde_max - *r.lunar_jde_max;
        const double residual = p.record.jde_max - (*r.lunar_jde_max - d.mean_jde);
        (near ? near_max : far_max).Note(raw, residual, allowed, r.lunation);
        EXPECT_LE(std::fabs(residual), allowed) << "lunation " << r.lunation;

        if (LunarKind(p.record.eclipse) != r.lunar_type) continue;
        const bool umbral = r.lunar_type != "penumbral";
        const double magnitude =
            (umbral ? p.record.mag_umbral : p.record.mag_penumbral) - *r.lunar_magnitude;
        (near ? near_mag : far_mag).Note(magnitude, magnitude, dmag, r.lunation);
        EXPECT_LE(std::fabs(magnitude), dmag) << "lunation " << r.lunation;

        const struct {
            double ours;
            std::optional<double> days;
            double radius;
        } phases[] = {{p.record.sd_penumbral, r.sd_penumbral_days, 1.5573 + p.record.u},
                      {p.record.sd_partial, r.sd_partial_days, 1.0128 - p.record.u},
                      {p.record.sd_total, r.sd_total_days, 0.4678 - p.record.u}};
        for (const auto& phase : phases) {
            ASSERT_EQ(phase.ours > 0, phase.days.has_value()) << "lunation " << r.lunation;
            if (!phase.days) continue;
            const double bound = SemidurationBound(phase.ours, phase.radius, p.record.gamma, dg,
                                                   du, d.moon_anomaly);
            const double difference = phase.ours - *phase.days * 1440.0;
            (near ? near_sd : far_sd).Note(difference, difference, bound, r.lunation);
            EXPECT_LE(std::fabs(difference), bound) << "lunation " << r.lunation;
        }
    }
    std::printf("lunar eclipses compared: %d; kinds differing at a limit: %d\n", compared,
                at_a_limit);
    EXPECT_GT(compared, 500);
    EXPECT_LT(at_a_limit, compared / 50 + 1);
}

}  // namespace
}  // namespace kalvest::testing
