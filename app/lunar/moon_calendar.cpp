#include "lunar/moon_calendar.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "common/floor_div.h"
#include "datetime/date_time_text.h"
#include "ephemeris/lunar_phase_search.h"
#include "lunar/eclipse_circumstances.h"
#include "lunar/instant_delta_t.h"
#include "lunar/lunar_names.h"
#include "outside/varquel_binding.h"
#include "varquel.h"

namespace kalvest {
namespace {

// The phases are numbered in one sequence, four to a lunation:
// index = 4 * lunation + phase. The mean instant of an index (varquel's
// mean lunation, without its periodic terms) lies within about a day of
// the true one.
constexpr double kMeanNewMoon2000 = 2451550.09765;
constexpr double kMeanQuarterDays = 29.530588853 / 4.0;
constexpr double kMinutesPerDay = 1440.0;
constexpr double kSecondsPerMinute = 60.0;


// Roughly the instant (TT) of the start of the year: a mean calendar year
// from the start of 2000 in that calendar, plus Delta T. Wrong by a day or
// two, which the search below makes up.
double ApproximateYearStart(std::int32_t year, std::int16_t calendar_code) {
    const double years = static_cast<double>(year) - 2000.0;
    const double jd = calendar_code == kCalendarJulian ? 2451557.5 + 365.25 * years
                                                       : 2451544.5 + 365.2425 * years;
    return jd + DeltaTMinutesAt(jd) / kMinutesPerDay;
}

// The phase's local date goes to `date`, which the search needs.
MoonPhaseEvent PhaseEvent(std::int32_t lunation, MoonPhase phase, std::int16_t calendar_code,
                          const TimeZone& zone, EuroDate& date, TimePrecision precision,
                          MoonMethod method) {
    MoonPhaseEvent event;
    event.lunation = lunation;
    event.phase = phase;
    event.method = method;
    // Only a new or full moon has eclipse circumstances to fill in.
    const bool syzygy = phase == MoonPhase::kNew || phase == MoonPhase::kFull;
    phase_record record{};
    const double classical =
        VarquelPhase(lunation, static_cast<std::int32_t>(phase), syzygy ? &record : nullptr);
    double jd_ut = 0;
    if (method == MoonMethod::kPrecise) {
        const SolarInstant precise = PreciseLunarPhase(static_cast<int>(phase), classical);
        event.jde = precise.jd_tt;
        event.delta_t_minutes = precise.delta_t_seconds / kSecondsPerMinute;
        jd_ut = precise.jd_ut;
        // Greatest eclipse falls within the hour or so around the syzygy,
        // over which the series' error in the Moon's place hardly changes:
        // the search's correction of the syzygy is taken for it as well.
        record.jde_max += precise.jd_tt - classical;
    } else {
        event.jde = classical;
        event.delta_t_minutes = DeltaTMinutesAt(event.jde);
        jd_ut = event.jde - event.delta_t_minutes / kMinutesPerDay;
    }
    event.instant = ZonedInstantAt(jd_ut, zone, calendar_code, date, precision);
    if (syzygy) {
        event.eclipse = EclipseOf(record, event.delta_t_minutes, calendar_code, zone, precision);
    }
    return event;
}

MoonPhaseEvent EventOfIndex(std::int64_t index, std::int16_t calendar_code, const TimeZone& zone,
                            EuroDate& date, TimePrecision precision, MoonMethod method) {
    const std::int64_t lunation = FloorDiv(index, 4);
    const auto phase = static_cast<MoonPhase>(index - 4 * lunation);
    return PhaseEvent(static_cast<std::int32_t>(lunation), phase, calendar_code, zone, date,
                      precision, method);
}

}  // namespace

MoonPhaseEvent MoonPhaseEventOf(std::int32_t lunation, MoonPhase phase, std::int16_t calendar_code,
                                const TimeZone& zone, TimePrecision precision, MoonMethod method) {
    EuroDate date{};
    return PhaseEvent(lunation, phase, calendar_code, zone, date, precision, method);
}

std::vector<MoonPhaseEvent> MoonCalendarOfYear(std::int32_t year, std::int16_t calendar_code,
                                               const TimeZone& zone, TimePrecision precision,
                                               MoonMethod method) {
    const std::int32_t limit = method == MoonMethod::kPrecise ? kPreciseMoonCalendarYearLimit
                                                              : kMoonCalendarYearLimit;
    if (std::abs(year) > limit) {
        throw std::out_of_range("moon calendar of the year " + std::to_string(year) + " (" +
                                std::string(MoonMethodKey(method)) + ")");
    }
    std::vector<MoonPhaseEvent> phases;
    // 49 to 51 phases fall in a year; one more stands at the end while it is
    // tested.
    phases.reserve(52);

    // Start at a phase before the year: the index of the mean phase just
    // before its rough start, then back while a phase still falls in it.
    // Each phase is built in its place at the end of the list and dropped
    // again when it falls outside the year (an event is too large to copy
    // about freely).
    const double start = ApproximateYearStart(year, calendar_code);
    std::int64_t index =
        static_cast<std::int64_t>(std::floor((start - kMeanNewMoon2000) / kMeanQuarterDays));
    EuroDate date{};
    for (;;) {
        EventOfIndex(index, calendar_code, zone, date, precision, method);
        if (date.year < year) break;
        --index;
    }
    for (;;) {
        phases.push_back(EventOfIndex(++index, calendar_code, zone, date, precision, method));
        if (date.year == year) continue;
        phases.pop_back();
        if (date.year > year) break;
    }
    return phases;
}

std::vector<MoonPhaseEvent> EclipsesOfYear(std::int32_t year, std::int16_t calendar_code,
                                           const TimeZone& zone, TimePrecision precision,
                                           MoonMethod method) {
    std::vector<MoonPhaseEvent> eclipses;
    for (MoonPhaseEvent& event :
         MoonCalendarOfYear(year, calendar_code, zone, precision, method)) {
        if (event.eclipse) eclipses.push_back(std::move(event));
    }
    return eclipses;
}

}  // namespace kalvest
