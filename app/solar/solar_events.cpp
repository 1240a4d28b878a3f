#include "solar/solar_events.h"

#include <array>
#include <cmath>

#include "ephemeris/astronomical_constants.h"
#include "outside/varquel_binding.h"
#include "solar/cosine_batch.h"

namespace kalvest {
namespace {

// The radian conversion uses this literal, not a fuller 2 pi (kTwoPi), so
// that the instants agree with the published check values to the last
// digit.
constexpr double kSeriesTwoPi = 6.28318530717959;

struct PeriodicTerm {
    double a;  // amplitude, 0.00001 day after the final scaling
    double b;  // phase: degrees as published, radians after initialisation
    double c;  // rate: degrees per Julian century, then radians
};

constexpr std::array<PeriodicTerm, 24> kPublishedTerms{{
    {485, 324.96, 1934.136},   {203, 337.23, 32964.467},
    {199, 342.08, 20.186},     {182, 27.85, 445267.112},
    {156, 73.14, 45036.886},   {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},   {74, 296.72, 3034.906},
    {70, 243.58, 9037.513},    {58, 119.81, 33718.147},
    {52, 297.17, 150.678},     {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},   {44, 325.15, 31555.956},
    {29, 60.93, 4443.417},     {18, 155.12, 67555.328},
    {17, 288.79, 4562.452},    {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},   {12, 95.39, 14577.848},
    {12, 287.11, 31931.756},   {12, 320.81, 34777.259},
    {9, 227.73, 1222.114},     {8, 15.45, 16859.074},
}};

std::array<PeriodicTerm, 24> PeriodicTerms{};

double DegreesToRadians(double degrees) { return degrees / 360.0 * kSeriesTwoPi; }

// Coefficients a0..a4 of the mean instant, by event, for the two spans.
constexpr double kBefore1000[4][5] = {
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
};
constexpr double kFrom1000[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

double MeanInstant(std::int16_t event, std::int32_t year) {
    const int row = (event >= 0 && event <= 2) ? event : 3;
    const bool early = year < 1000;
    const double y = early ? year / 1000.0 : (year - 2000.0) / 1000.0;
    const double* a = early ? kBefore1000[row] : kFrom1000[row];
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    return a[0] + a[1] * y + a[2] * y2 + a[3] * y3 + a[4] * y4;
}

}  // namespace

void InitPeriodicTerms() {
    PeriodicTerms = kPublishedTerms;
    for (PeriodicTerm& term : PeriodicTerms) {
        term.b = DegreesToRadians(term.b);
        term.c = DegreesToRadians(term.c);
    }
}

double PeriodicTermsSum(double T) {
    constexpr std::size_t n = kPublishedTerms.size();
    double arguments[n];
    double cosines[n];
    for (std::size_t i = 0; i < n; ++i) {
        arguments[i] = PeriodicTerms[i].c * T + PeriodicTerms[i].b;
    }
    CosineBatch(arguments, cosines, n);
    double s = 0.0;
    for (std::size_t i = 0; i < n; ++i) s += PeriodicTerms[i].a * cosines[i];
    return s;
}

double EquinoxSolsticeJDE(std::int16_t event, std::int32_t year) {
    const double jde0 = MeanInstant(event, year);
    const double T = (jde0 - kJ2000) / kDaysPerJulianCentury;
    const double w = DegreesToRadians(35999.373 * T - 2.47);
    const double angles[2] = {w, w + w};
    double cosines[2];
    CosineBatch(angles, cosines, 2);
    const double delta_lambda = 1.0 + 0.0334 * cosines[0] + 0.0007 * cosines[1];
    const double s = PeriodicTermsSum(T);
    return jde0 + 0.00001 * s / delta_lambda;
}

double DeltaTMinutes(std::int32_t year) {
    return VarquelDeltaT(static_cast<double>(year), kDeltaTPivotYear);
}

double EquinoxSolsticeJD(std::int16_t event, std::int32_t year) {
    const double jde = EquinoxSolsticeJDE(event, year);
    return jde - DeltaTMinutes(year) / 1440.0;
}

}  // namespace kalvest
