#include "solar/solar_terms.h"

#include <cmath>

#include "ephemeris/solar_longitude_search.h"
#include "solar/event_instant.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

// The terms fall six to each quarter of the year between the December
// solstice of the year before, the equinoxes and solstices of the year;
// the sixth of each quarter is its closing equinox or solstice.
constexpr int kTermsPerQuarter = kSolarTermCount / 4;

// Part of the year's span from one December solstice to the next at which
// term i begins by the mean sun: (i + 1) / 24, exactly 1 for Dongzhi.
double MeanSunFraction(int i) { return (i + 1) / static_cast<double>(kSolarTermCount); }

std::array<SolarTerm, kSolarTermCount> Named() {
    std::array<SolarTerm, kSolarTermCount> terms{};
    for (int i = 0; i < kSolarTermCount; ++i) terms[i].name = SolarTermNames()[i];
    return terms;
}

std::array<SolarTerm, kSolarTermCount> MeanSunTerms(std::int32_t year, bool precise) {
    // The two December solstices as every run computes them, so that
    // Dongzhi is the program's December solstice to the last bit.
    const SolarEvent december{kLineEquinoxSolstice, kDecemberSolstice, kMethodNone};
    const LineInstant first = ComputeInstant(december, year - 1, precise);
    const LineInstant last = ComputeInstant(december, year, precise);
    std::array<SolarTerm, kSolarTermCount> terms = Named();
    for (int i = 0; i < kSolarTermCount; ++i) {
        const double f = MeanSunFraction(i);
        const double tt = std::lerp(first.jd_tt, last.jd_tt, f);
        // The modern Delta T is that of the term's own instant; the
        // program's Delta T, of whole years, is shared out between the
        // solstices' years.
        terms[i].instant =
            precise ? WithModernDeltaT(tt)
                    : SolarInstant{tt, std::lerp(first.jd, last.jd, f),
                                   std::lerp(first.delta_t_minutes, last.delta_t_minutes, f) *
                                       60.0};
    }
    return terms;
}

// Term i of the quarter that runs from `start` to `end` (the series'
// instants, TT): the search starts where an even share of the quarter puts
// it. std::lerp gives the quarter's end itself for the sixth term.
double TrueSunTermInQuarter(int i, double start, double end) {
    const double part = (i % kTermsPerQuarter + 1) / static_cast<double>(kTermsPerQuarter);
    return SolarLongitudeInstant(SolarTermNames()[i].longitude_degrees,
                                 std::lerp(start, end, part));
}

// The series' instant (TT) that closes quarter q of the year: q = 0 is the
// December solstice of the year before, 1..4 the events of the year.
double QuarterEnd(std::int32_t year, int q) {
    if (q == 0) return EquinoxSolsticeJDE(kDecemberSolstice, year - 1);
    return EquinoxSolsticeJDE(static_cast<std::int16_t>(q - 1), year);
}

}  // namespace

std::array<double, kSolarTermCount> TrueSunSolarTermsJDE(std::int32_t year) {
    double quarter_ends[5];
    for (int q = 0; q < 5; ++q) quarter_ends[q] = QuarterEnd(year, q);
    std::array<double, kSolarTermCount> instants{};
    for (int i = 0; i < kSolarTermCount; ++i) {
        const int quarter = i / kTermsPerQuarter;
        instants[i] = TrueSunTermInQuarter(i, quarter_ends[quarter], quarter_ends[quarter + 1]);
    }
    return instants;
}

double TrueSunSolarTermJDE(std::int32_t year, int index) {
    const int quarter = index / kTermsPerQuarter;
    return TrueSunTermInQuarter(index, QuarterEnd(year, quarter), QuarterEnd(year, quarter + 1));
}

std::array<SolarTerm, kSolarTermCount> SolarTermsOfYear(std::int32_t year,
                                                        SolarTermMethod method,
                                                        bool precise) {
    if (method == SolarTermMethod::kMeanSun) return MeanSunTerms(year, precise);
    std::array<SolarTerm, kSolarTermCount> terms = Named();
    const std::array<double, kSolarTermCount> tt = TrueSunSolarTermsJDE(year);
    for (int i = 0; i < kSolarTermCount; ++i) terms[i].instant = UniversalTimeOf(tt[i], year, precise);
    return terms;
}

}  // namespace kalvest
