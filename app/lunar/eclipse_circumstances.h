// The eclipse of a new or full moon from varquel's phase record: greatest
// eclipse in UT and, for a lunar eclipse, the contacts of its phases.
#pragma once

#include <cstdint>
#include <optional>

#include "datetime/time_zone.h"
#include "lunar/moon_events.h"

struct phase_record;

namespace kalvest {

// The eclipse that `record` (filled by varquel for a new or full moon)
// reports, or nothing when its class is 0. Every instant is taken to UT
// with `delta_t_minutes`, the Delta T of the phase itself (it changes by
// well under a second in the hours around an eclipse), and written in the
// calendar and in the zone's time of that instant.
std::optional<Eclipse> EclipseOf(const phase_record& record, double delta_t_minutes,
                                 std::int16_t calendar_code, const TimeZone& zone,
                                 TimePrecision precision = TimePrecision::kMinutes);

}  // namespace kalvest
