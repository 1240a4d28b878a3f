// Cross-quarter days: the instants between two consecutive equinox and
// solstice events, by the mean sun (the midpoint in time) and by the true
// sun (the Sun's apparent longitude at 315, 45, 135 or 225 degrees).
#pragma once

#include <cstdint>

namespace kalvest {

// Cross-quarter codes name the interval that ends at the event of the same
// code: 0 from the December solstice of the year before to the March
// equinox (Imbolc in the north), 1 to the June solstice (Beltane), 2 to the
// September equinox (Lughnassad), 3 to the December solstice (Samhain).

// Midpoint of the two bracketing instants of EquinoxSolsticeJD, Julian Day
// (UT). Each bracket carries the Delta T of its own year. Needs
// InitPeriodicTerms; throws LibraryError when varquel is missing.
double CrossQuarterMeanSun(std::int32_t year, std::int16_t code);

// The true-sun instant of the true-sun routine, Julian Day (UT): both
// brackets are shifted by Delta T of `year` onto Terrestrial Time, handed to
// the routine with the code, and the same Delta T is taken off its result.
// Needs InitPeriodicTerms; throws LibraryError when varquel is missing.
double CrossQuarterTrueSun(std::int32_t year, std::int16_t code);

}  // namespace kalvest
