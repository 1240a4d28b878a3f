#include "lunar/eclipse_circumstances.h"

#include "varquel.h"

namespace kalvest {
namespace {

constexpr double kMinutesPerDay = 1440.0;

// The phases of a lunar eclipse, outermost first, with the contacts that
// open and close each.
struct ShadowPhase {
    double Eclipse::*semiduration;
    LunarContact begins;
    LunarContact ends;
};
constexpr ShadowPhase kShadowPhases[] = {
    {&Eclipse::sd_penumbral, LunarContact::kPenumbralBegins, LunarContact::kPenumbralEnds},
    {&Eclipse::sd_partial, LunarContact::kPartialBegins, LunarContact::kPartialEnds},
    {&Eclipse::sd_total, LunarContact::kTotalBegins, LunarContact::kTotalEnds},
};

void AddContacts(Eclipse& eclipse, std::int16_t calendar_code, const TimeZone& zone,
                 EuroDate& record, TimePrecision precision) {
    const double greatest = eclipse.greatest.jd_ut;
    for (const ShadowPhase& phase : kShadowPhases) {
        const double semiduration = eclipse.*phase.semiduration / kMinutesPerDay;
        // A phase that does not occur has a semiduration of 0.
        if (!(semiduration > 0)) continue;
        eclipse.contacts[static_cast<int>(phase.begins)] =
            ZonedInstantAt(greatest - semiduration, zone, calendar_code, record, precision);
        eclipse.contacts[static_cast<int>(phase.ends)] =
            ZonedInstantAt(greatest + semiduration, zone, calendar_code, record, precision);
    }
}

}  // namespace

std::optional<Eclipse> EclipseOf(const phase_record& record, double delta_t_minutes,
                                 std::int16_t calendar_code, const TimeZone& zone,
                                 TimePrecision precision) {
    if (!IsSolarEclipse(record.eclipse) && !IsLunarEclipse(record.eclipse)) return std::nullopt;
    Eclipse eclipse;
    eclipse.eclipse_class = record.eclipse;
    eclipse.saros = record.saros;
    eclipse.jde_max = record.jde_max;
    EuroDate date{};
    eclipse.greatest = ZonedInstantAt(record.jde_max - delta_t_minutes / kMinutesPerDay, zone,
                                      calendar_code, date, precision);
    eclipse.gamma = record.gamma;
    eclipse.u = record.u;
    if (eclipse.IsLunar()) {
        eclipse.mag_penumbral = record.mag_penumbral;
        eclipse.mag_umbral = record.mag_umbral;
        eclipse.sd_penumbral = record.sd_penumbral;
        eclipse.sd_partial = record.sd_partial;
        eclipse.sd_total = record.sd_total;
        AddContacts(eclipse, calendar_code, zone, date, precision);
    }
    return eclipse;
}

}  // namespace kalvest
