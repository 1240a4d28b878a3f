#include "solar/event_instant.h"

#include "solar/cross_quarter.h"
#include "solar/precise_cross_quarter.h"
#include "solar/precise_equinox_solstice.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

LineInstant FromSolarInstant(const SolarInstant& instant) {
    return {instant.jd_ut, instant.delta_t_seconds / 60.0, instant.jd_tt};
}

LineInstant ClassicalInstant(const SolarEvent& event, std::int32_t year) {
    // The true sun is shifted by Delta T of the cross-quarter day's own
    // year (for code 0 also), so that is the Delta T every line carries.
    const double delta_t_minutes = DeltaTMinutes(year);
    if (event.kind == kLineEquinoxSolstice) {
        const SolarInstant instant =
            WithDeltaTMinutes(EquinoxSolsticeJDE(event.code, year), delta_t_minutes);
        return {instant.jd_ut, delta_t_minutes, instant.jd_tt};
    }
    const double jd = event.method == kMethodMeanSun ? CrossQuarterMeanSun(year, event.code)
                                                     : CrossQuarterTrueSun(year, event.code);
    return {jd, delta_t_minutes, jd + delta_t_minutes / 1440.0};
}

LineInstant PreciseInstant(const SolarEvent& event, std::int32_t year) {
    if (event.kind == kLineEquinoxSolstice) {
        return FromSolarInstant(PreciseEquinoxSolstice(event.code, year));
    }
    return FromSolarInstant(event.method == kMethodMeanSun
                                ? PreciseCrossQuarterMeanSun(year, event.code)
                                : PreciseCrossQuarterTrueSun(year, event.code));
}

}  // namespace

LineInstant ComputeInstant(const SolarEvent& event, std::int32_t year, bool precise) {
    return precise ? PreciseInstant(event, year) : ClassicalInstant(event, year);
}

SolarInstant UniversalTimeOf(double jd_tt, std::int32_t year, bool precise) {
    return precise ? WithModernDeltaT(jd_tt) : WithDeltaTMinutes(jd_tt, DeltaTMinutes(year));
}

}  // namespace kalvest
