// The Moon's calendar of a year: its phases, and the eclipses at new and
// full moon, from varquel's phase routine, in a calendar and a zone.
#pragma once

#include <cstdint>
#include <vector>

#include "datetime/time_zone.h"
#include "lunar/moon_events.h"

namespace kalvest {

// Years whose calendar is computed; beyond them the dates leave 32 bits.
constexpr std::int32_t kMoonCalendarYearLimit = 1000000;

// One phase of one lunation: the instant from varquel, taken to UT with
// Delta T at that instant, written in the calendar (kCalendarGregorian or
// kCalendarJulian) and in the zone's time of that instant (each contact
// of an eclipse in the zone's time of its own instant); with its eclipse
// when a new or full moon has one. Its times are written to the minute or,
// with TimePrecision::kSeconds, to the second. Throws LibraryError when
// varquel cannot be had.
MoonPhaseEvent MoonPhaseEventOf(std::int32_t lunation, MoonPhase phase, std::int16_t calendar_code,
                                const TimeZone& zone,
                                TimePrecision precision = TimePrecision::kMinutes);

// Every new moon, first quarter, full moon and last quarter whose local
// date lies in `year` (astronomical numbering) of the calendar, in time
// order, each as MoonPhaseEventOf gives it. Throws as MoonPhaseEventOf,
// and std::out_of_range for a year beyond +-kMoonCalendarYearLimit.
std::vector<MoonPhaseEvent> MoonCalendarOfYear(std::int32_t year, std::int16_t calendar_code,
                                               const TimeZone& zone,
                                               TimePrecision precision = TimePrecision::kMinutes);

// The new and full moons of MoonCalendarOfYear that have an eclipse.
std::vector<MoonPhaseEvent> EclipsesOfYear(std::int32_t year, std::int16_t calendar_code,
                                           const TimeZone& zone,
                                           TimePrecision precision = TimePrecision::kMinutes);

}  // namespace kalvest
