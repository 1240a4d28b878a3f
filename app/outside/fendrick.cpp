#include "outside/fendrick.h"

#include <cmath>
#include <limits>

#include "ephemeris/solar_longitude_search.h"

namespace kalvest {

extern "C" double crossquarterday_true_sun3(double first, double second,
                                            std::int32_t code) {
    if (code < 0 || code > 3 || !std::isfinite(first) || !std::isfinite(second)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The crossing nearest to the middle of the brackets.
    return SolarLongitudeInstant(315.0 + 90.0 * code, first + (second - first) / 2.0,
                                 kCrossQuarterSearch);
}

}  // namespace kalvest
