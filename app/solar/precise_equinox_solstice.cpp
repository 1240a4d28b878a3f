#include "solar/precise_equinox_solstice.h"

#include "ephemeris/solar_longitude_search.h"
#include "solar/solar_events.h"

namespace kalvest {

double PreciseEquinoxSolsticeJDE(std::int16_t event, std::int32_t year) {
    const int quarter = (event >= 0 && event <= 2) ? event : 3;
    return SolarLongitudeInstant(90.0 * quarter, EquinoxSolsticeJDE(event, year));
}

SolarInstant PreciseEquinoxSolstice(std::int16_t event, std::int32_t year) {
    return WithModernDeltaT(PreciseEquinoxSolsticeJDE(event, year));
}

}  // namespace kalvest
