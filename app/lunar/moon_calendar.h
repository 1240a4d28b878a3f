// The Moon's calendar of a year: its phases, and the eclipses at new and
// full moon, from varquel's phase routine or precisely (MoonMethod), in a
// calendar and a zone.
#pragma once

#include <cstdint>
#include <vector>

#include "datetime/time_zone.h"
#include "lunar/moon_events.h"

namespace kalvest {

// Years whose calendar is computed; beyond them the dates leave 32 bits.
constexpr std::int32_t kMoonCalendarYearLimit = 1000000;
// Years whose precise calendar is computed: the program's years, over which
// the lunar theory's phases are checked to come in order. Far beyond them
// its polynomials in time no longer describe the Moon.
constexpr std::int32_t kPreciseMoonCalendarYearLimit = 3000;

// One phase of one lunation: the instant from varquel, taken to UT with
// Delta T at that instant, written in the calendar (kCalendarGregorian or
// kCalendarJulian) and in the zone's time of that instant (each contact
// of an eclipse in the zone's time of its own instant); with its eclipse
// when a new or full moon has one. Its times are written to the minute or,
// with TimePrecision::kSeconds, to the second. By MoonMethod::kPrecise the
// instant is PreciseLunarPhase's, searched from varquel's, and UT comes
// from the modern Delta T; the eclipse moves as moon_events.h says. Throws
// LibraryError when varquel cannot be had.
MoonPhaseEvent MoonPhaseEventOf(std::int32_t lunation, MoonPhase phase, std::int16_t calendar_code,
                                const TimeZone& zone,
                                TimePrecision precision = TimePrecision::kMinutes,
                                MoonMethod method = MoonMethod::kClassical);

// Every new moon, first quarter, full moon and last quarter whose local
// date lies in `year` (astronomical numbering) of the calendar, in time
// order, each as MoonPhaseEventOf gives it; by the method's instants, so
// that a phase within seconds of the turn of the year may fall in the year
// by one method and in its neighbour by the other. Throws as
// MoonPhaseEventOf, and std::out_of_range for a year beyond
// +-kMoonCalendarYearLimit (+-kPreciseMoonCalendarYearLimit by
// MoonMethod::kPrecise).
std::vector<MoonPhaseEvent> MoonCalendarOfYear(std::int32_t year, std::int16_t calendar_code,
                                               const TimeZone& zone,
                                               TimePrecision precision = TimePrecision::kMinutes,
                                               MoonMethod method = MoonMethod::kClassical);

// The new and full moons of MoonCalendarOfYear that have an eclipse.
std::vector<MoonPhaseEvent> EclipsesOfYear(std::int32_t year, std::int16_t calendar_code,
                                           const TimeZone& zone,
                                           TimePrecision precision = TimePrecision::kMinutes,
                                           MoonMethod method = MoonMethod::kClassical);

}  // namespace kalvest
