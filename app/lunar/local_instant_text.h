// An instant in Universal Time together with its local date, time of day
// and weekday, written by the program's own date-time text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "outside/dantrow.h"

namespace kalvest {

// The zone: the offset of local time from Universal Time, in minutes east
// of Greenwich, that holds at the UT instant `jd_ut` (a Julian Day). A
// fixed offset ignores the instant; a zone with daylight saving does not.
using UtcOffsetAt = std::function<int(double jd_ut)>;

// The zone that is `minutes` east of Greenwich all year.
UtcOffsetAt FixedUtcOffset(int minutes);

// Offsets beyond a day either way are refused (no zone has them).
constexpr int kMaxUtcOffsetMinutes = 1440;

struct LocalInstantText {
    double jd_ut = 0;                 // the instant, Julian Day (UT)
    std::int16_t offset_minutes = 0;  // the zone's offset at that instant
    EuroDate date{};                  // local civil date: year, month, day,
                                      // calendar code and day number (jdn)
    std::int16_t weekday = 0;         // of the local date, 0 Sunday..6
    std::string date_text;            // "2025-03-14 CE"
    std::string time_text;            // "06:58", truncated to the minute
    std::string weekday_name;         // "Friday"
};

// The instant `jd_ut` in the zone `offset` and the calendar `calendar_code`
// (kCalendarGregorian or kCalendarJulian). Throws std::out_of_range when
// the zone gives an offset beyond kMaxUtcOffsetMinutes.
LocalInstantText LocalInstantTextAt(double jd_ut, std::int16_t calendar_code,
                                    const UtcOffsetAt& offset);

}  // namespace kalvest
