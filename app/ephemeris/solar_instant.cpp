#include "ephemeris/solar_instant.h"

#include "ephemeris/modern_delta_t.h"

namespace kalvest {

SolarInstant WithModernDeltaT(double jd_tt) {
    const double seconds = ModernDeltaTSecondsAt(jd_tt);
    return {jd_tt, jd_tt - seconds / 86400.0, seconds};
}

SolarInstant WithDeltaTMinutes(double jd_tt, double delta_t_minutes) {
    return {jd_tt, jd_tt - delta_t_minutes / 1440.0, delta_t_minutes * 60.0};
}

}  // namespace kalvest
