// What the moon calendar reports: the phases of the Moon of a year and the
// eclipses at new and full moon, each instant in Universal Time with its
// local date, time and zone text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "datetime/local_time.h"

namespace kalvest {

// An instant in Universal Time and what a zone's clocks and the calendar
// show for it, written by the program's one local-time code.
struct ZonedInstant {
    double jd_ut = 0;  // Julian Day (UT)
    LocalTime local;   // date, time, zone abbreviation, offset, weekday
};

// `jd_ut` in the zone's time of that instant and the calendar
// (kCalendarGregorian or kCalendarJulian), its time to the minute or the
// second; `record` receives the local date.
inline ZonedInstant ZonedInstantAt(double jd_ut, const TimeZone& zone,
                                   std::int16_t calendar_code, EuroDate& record,
                                   TimePrecision precision = TimePrecision::kMinutes) {
    return {jd_ut, ToLocalTime(jd_ut, zone, calendar_code, record, precision)};
}

// The phase numbers of varquel's phase routine.
enum class MoonPhase : std::int32_t {
    kNew = 0,
    kFirstQuarter = 1,
    kFull = 2,
    kLastQuarter = 3,
};

// How a moon calendar computes its phases: by varquel's classical series,
// UT by the program's Delta T; or precisely, each phase searched on the
// apparent longitudes of the Moon and the Sun from varquel's instant
// (PreciseLunarPhase), UT by the modern Delta T. An eclipse keeps varquel's
// class, magnitudes, gamma and semidurations either way; precisely, its
// greatest eclipse moves by what the search moved the syzygy, and its
// contacts with it.
enum class MoonMethod : std::int32_t {
    kClassical = 0,
    kPrecise = 1,
};
// The method of a request's `precise` flag.
constexpr MoonMethod MoonMethodFor(bool precise) {
    return precise ? MoonMethod::kPrecise : MoonMethod::kClassical;
}

// varquel's eclipse classes (the `eclipse` field of its phase record):
// 0 none, 1..7 solar, 8..10 lunar.
enum EclipseClass : std::int32_t {
    kNoEclipse = 0,
    kSolarPartial = 1,
    kSolarCentralAnnular = 2,
    kSolarCentralTotal = 3,
    kSolarNonCentralTotal = 4,
    kSolarNonCentralAnnular = 5,
    kSolarCentralHybrid = 6,
    kSolarNonCentralHybrid = 7,
    kLunarPenumbral = 8,
    kLunarPartial = 9,
    kLunarTotal = 10,
};

constexpr bool IsSolarEclipse(std::int32_t eclipse_class) {
    return eclipse_class >= kSolarPartial && eclipse_class <= kSolarNonCentralHybrid;
}
constexpr bool IsLunarEclipse(std::int32_t eclipse_class) {
    return eclipse_class >= kLunarPenumbral && eclipse_class <= kLunarTotal;
}

// The contacts of a lunar eclipse, in time order.
enum class LunarContact : int {
    kPenumbralBegins = 0,
    kPartialBegins,
    kTotalBegins,
    kTotalEnds,
    kPartialEnds,
    kPenumbralEnds,
};
constexpr int kLunarContactCount = 6;
constexpr std::array<LunarContact, kLunarContactCount> kLunarContacts{
    LunarContact::kPenumbralBegins, LunarContact::kPartialBegins, LunarContact::kTotalBegins,
    LunarContact::kTotalEnds,       LunarContact::kPartialEnds,   LunarContact::kPenumbralEnds,
};

// An eclipse at a new moon (solar) or a full moon (lunar), by the
// classical method of varquel. The method says how the shadow meets the
// Earth as a whole, not where an eclipse is seen.
struct Eclipse {
    std::int32_t eclipse_class = kNoEclipse;  // 1..10, never kNoEclipse
    std::int32_t saros = 0;                   // saros series, 1..223
    // Greatest eclipse, Julian Ephemeris Day (TT); and in UT with its
    // local time. By MoonMethod::kPrecise varquel's instant shifted by the
    // precise minus the classical instant of the syzygy.
    double jde_max = 0;
    ZonedInstant greatest;
    // Least distance of the shadow axis from the Earth's centre, signed,
    // and the radius of the umbral cone in the fundamental plane, both in
    // Earth equatorial radii.
    double gamma = 0;
    double u = 0;
    // Lunar eclipses only (0 for a solar one): the magnitudes (umbral above
    // 0 partial, above 1 total), and the semidurations of the phases in
    // minutes, 0 for a phase that does not occur.
    double mag_penumbral = 0;
    double mag_umbral = 0;
    double sd_penumbral = 0;
    double sd_partial = 0;
    double sd_total = 0;
    // Lunar eclipses only: greatest eclipse minus and plus the semiduration
    // of each phase that occurs, indexed by LunarContact; empty for the
    // phases that do not occur and for every solar eclipse.
    std::array<std::optional<ZonedInstant>, kLunarContactCount> contacts;

    bool IsSolar() const { return IsSolarEclipse(eclipse_class); }
    bool IsLunar() const { return IsLunarEclipse(eclipse_class); }
    const std::optional<ZonedInstant>& Contact(LunarContact c) const {
        return contacts[static_cast<int>(c)];
    }
    // The first and the last contact of a lunar eclipse (the penumbral
    // ones); empty for a solar eclipse.
    const std::optional<ZonedInstant>& FirstContact() const {
        return Contact(LunarContact::kPenumbralBegins);
    }
    const std::optional<ZonedInstant>& LastContact() const {
        return Contact(LunarContact::kPenumbralEnds);
    }
};

// One phase of the Moon.
struct MoonPhaseEvent {
    // 0 is the lunation of the new moon of 2000 January 6.
    std::int32_t lunation = 0;
    MoonPhase phase = MoonPhase::kNew;
    MoonMethod method = MoonMethod::kClassical;  // how the instants were computed
    double jde = 0;              // the instant, Julian Ephemeris Day (TT)
    double delta_t_minutes = 0;  // Delta T (TT - UT) at the instant, of the method
    // The instant in UT (jde - Delta T), with its local time.
    ZonedInstant instant;
    // For a new or full moon with an eclipse.
    std::optional<Eclipse> eclipse;
};

}  // namespace kalvest
