// The equinoxes and solstices as the instants when the Sun's apparent
// longitude reaches 0, 90, 180 and 270 degrees, instead of by the series of
// EquinoxSolsticeJDE (which can be a minute off).
#pragma once

#include <cstdint>

#include "ephemeris/solar_instant.h"

namespace kalvest {

// Julian Ephemeris Day (TT) of the event (codes as for EquinoxSolsticeJDE:
// 0 March equinox, 1 June solstice, 2 September equinox, anything else the
// December solstice) in the whole year: the search started from the
// series' instant. Needs InitPeriodicTerms.
double PreciseEquinoxSolsticeJDE(std::int16_t event, std::int32_t year);

// The same instant, with UT by the modern Delta T.
SolarInstant PreciseEquinoxSolstice(std::int16_t event, std::int32_t year);

}  // namespace kalvest
