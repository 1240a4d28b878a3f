#include "solar/precise_cross_quarter.h"

#include "solar/precise_equinox_solstice.h"
#include "solar/solar_events.h"
#include "solar/solar_terms.h"

namespace kalvest {
namespace {

// Lichun, the first cross-quarter term, and the six terms of each quarter.
constexpr int kFirstCrossQuarterTerm = 2;
constexpr int kTermsPerQuarter = kSolarTermCount / 4;

}  // namespace

SolarInstant PreciseCrossQuarterMeanSun(std::int32_t year, std::int16_t code) {
    const double first =
        code == 0 ? PreciseEquinoxSolsticeJDE(kDecemberSolstice, year - 1)
                  : PreciseEquinoxSolsticeJDE(static_cast<std::int16_t>(code - 1), year);
    const double second = PreciseEquinoxSolsticeJDE(code, year);
    return WithModernDeltaT(first + (second - first) / 2.0);
}

SolarInstant PreciseCrossQuarterTrueSun(std::int32_t year, std::int16_t code) {
    const int term = kFirstCrossQuarterTerm + kTermsPerQuarter * (code & 3);
    return WithModernDeltaT(TrueSunSolarTermJDE(year, term));
}

}  // namespace kalvest
