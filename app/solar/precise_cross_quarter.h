// The cross-quarter days for callers that want every turning point to the
// second (kalvest-cli --precise): built on the precise equinoxes and
// solstices and the modern Delta T instead of the series and varquel's
// Delta T, which CrossQuarterMeanSun and CrossQuarterTrueSun keep using.
#pragma once

#include <cstdint>

#include "ephemeris/solar_instant.h"

namespace kalvest {

// Codes as for CrossQuarterMeanSun: 0 Imbolc (from the December solstice of
// the year before to the March equinox) .. 3 Samhain (to the December
// solstice). Both need InitPeriodicTerms.

// The midpoint in time (TT) between the two precise bracketing events,
// with UT by the modern Delta T at the midpoint.
SolarInstant PreciseCrossQuarterMeanSun(std::int32_t year, std::int16_t code);

// The instant the apparent longitude reaches 315, 45, 135 or 225 degrees:
// the true-sun solar term it is (Lichun, Lixia, Liqiu, Lidong) to the last
// bit, with UT by the modern Delta T.
SolarInstant PreciseCrossQuarterTrueSun(std::int32_t year, std::int16_t code);

}  // namespace kalvest
