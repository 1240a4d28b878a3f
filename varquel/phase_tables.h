// Constant tables of the mean-lunation series: the periodic terms of the
// phase instant, the planetary terms and the eclipse-parameter series.
#pragma once

namespace kalvest::moon {

// Multiples of M' (Moon's mean anomaly), M (Sun's mean anomaly) and F
// (Moon's argument of latitude) forming one argument, with the coefficient
// in units of 0.00001 day for new moon, full moon and the quarters.
// Whole numbers held as doubles, so that no conversion is needed at use.
struct PeriodicTerm {
    double moon_anomaly;
    int sun_anomaly;  // also the power of E that weights the term
    double latitude;
    double new_moon;
    double full_moon;
    double quarter;
};

constexpr int kPeriodicTermCount = 25;

constexpr PeriodicTerm kPeriodicTerms[kPeriodicTermCount] = {
    {1, 0, 0, -40720, -40614, -62801},
    {0, 1, 0, 17241, 17302, 17172},
    {2, 0, 0, 1608, 1614, 862},
    {0, 0, 2, 1039, 1043, 804},
    {1, -1, 0, 739, 734, 454},
    {1, 1, 0, -514, -515, -1183},
    {0, 2, 0, 208, 209, 204},
    {1, 0, -2, -111, -111, -180},
    {1, 0, 2, -57, -57, -70},
    {2, 1, 0, 56, 56, 27},
    {3, 0, 0, -42, -42, -40},
    {0, 1, 2, 42, 42, 32},
    {0, 1, -2, 38, 38, 32},
    {2, -1, 0, -24, -24, -34},
    {1, 2, 0, -7, -7, -28},
    {2, 0, -2, 4, 4, 2},
    {0, 3, 0, 4, 4, 3},
    {1, 1, -2, 3, 3, 3},
    {2, 0, 2, 3, 3, 4},
    {1, 1, 2, -3, -3, -4},
    {1, -1, 2, 3, 3, 2},
    {1, -1, -2, -2, -2, -5},
    {3, 1, 0, -2, -2, -2},
    {4, 0, 0, 2, 2, 0},
    {1, -2, 0, 0, 0, 4},
};

// Planetary term: coefficient in units of 0.000001 day; argument in
// degrees = intercept + slope * k. The first intercept also carries
// -0.009173 T^2, added at the call.
struct PlanetaryTerm {
    double coefficient;
    double intercept;
    double slope;
};

constexpr int kPlanetaryTermCount = 14;

constexpr PlanetaryTerm kPlanetaryTerms[kPlanetaryTermCount] = {
    {325, 299.77, 0.107408},  {165, 251.88, 0.016321},
    {164, 251.83, 26.651886}, {126, 349.42, 36.412478},
    {110, 84.66, 18.206239},  {62, 141.74, 53.303771},
    {60, 207.14, 2.453732},   {56, 154.84, 7.30686},
    {47, 34.52, 27.261239},   {42, 207.19, 0.121824},
    {40, 291.34, 1.844379},   {37, 161.72, 24.198154},
    {35, 239.56, 25.513099},  {23, 331.55, 3.592518},
};

// Eclipse series over the first 14 rows of kPeriodicTerms (with F1 in place
// of F), in units of 0.0001: P and the greatest-eclipse time take the sine
// of the argument, Q and u the cosine.
struct EclipseTerm {
    double p;
    double q;
    double u;
    double new_moon;
    double full_moon;
};

constexpr int kEclipseTermCount = 14;

constexpr EclipseTerm kEclipseTerms[kEclipseTermCount] = {
    {-392, -3299, -182, -4075, -4065},
    {2070, -48, 46, 1721, 1727},
    {116, 0, 4, 161, 161},
    {118, 0, 0, -97, -97},
    {67, 41, 0, 73, 73},
    {-73, -60, -5, -50, -50},
    {24, 20, 0, 21, 21},
    {0, 0, 0, -23, -23},
    {0, 0, 0, 12, 12},
    {0, 0, 0, 6, 6},
    {0, 0, 0, -4, -4},
    {0, 0, 0, -3, -3},
    {0, 0, 0, -2, -2},
    {0, 0, 0, -2, -2},
};

static_assert(kEclipseTermCount <= kPeriodicTermCount);

// Rows from this one on carry only greatest-eclipse time terms.
constexpr int kParameterRowCount = 7;

constexpr bool OnlyTimeTermsFrom(int first) {
    for (int i = first; i < kEclipseTermCount; ++i) {
        const EclipseTerm& t = kEclipseTerms[i];
        if (t.p != 0 || t.q != 0 || t.u != 0) return false;
    }
    return true;
}
static_assert(OnlyTimeTermsFrom(kParameterRowCount));

}  // namespace kalvest::moon
