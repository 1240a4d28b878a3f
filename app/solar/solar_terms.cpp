#include "solar/solar_terms.h"

#include <cmath>

#include "solar/precise_equinox_solstice.h"
#include "solar/solar_events.h"
#include "solar/solar_longitude_search.h"

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
    std::array<SolarTerm, kSolarTermCount> terms = Named();
    if (precise) {
        const double first = PreciseEquinoxSolsticeJDE(kDecemberSolstice, year - 1);
        const double last = PreciseEquinoxSolsticeJDE(kDecemberSolstice, year);
        for (int i = 0; i < kSolarTermCount; ++i) {
            terms[i].instant = WithModernDeltaT(std::lerp(first, last, MeanSunFraction(i)));
        }
        return terms;
    }
    // UT from the two solstices exactly as EquinoxSolsticeJD gives them, so
    // that Dongzhi is the program's December solstice to the last bit.
    const double first_tt = EquinoxSolsticeJDE(kDecemberSolstice, year - 1);
    const double last_tt = EquinoxSolsticeJDE(kDecemberSolstice, year);
    const double first_delta_t = DeltaTMinutes(year - 1);
    const double last_delta_t = DeltaTMinutes(year);
    const double first_ut = first_tt - first_delta_t / 1440.0;
    const double last_ut = last_tt - last_delta_t / 1440.0;
    for (int i = 0; i < kSolarTermCount; ++i) {
        const double f = MeanSunFraction(i);
        terms[i].instant = {std::lerp(first_tt, last_tt, f), std::lerp(first_ut, last_ut, f),
                            std::lerp(first_delta_t, last_delta_t, f) * 60.0};
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
    const double delta_t_minutes = precise ? 0.0 : DeltaTMinutes(year);
    for (int i = 0; i < kSolarTermCount; ++i) {
        terms[i].instant =
            precise ? WithModernDeltaT(tt[i]) : WithDeltaTMinutes(tt[i], delta_t_minutes);
    }
    return terms;
}

}  // namespace kalvest
