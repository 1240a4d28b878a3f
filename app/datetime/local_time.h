// An instant as the local date and time of a zone: the one place where the
// program turns an instant into the date, time and zone texts that every
// output shows (the window's lines, the grid, CSV, JSON and iCalendar).
#pragma once

#include <cstdint>
#include <string>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "outside/dantrow.h"

namespace kalvest {

struct LocalTime {
    std::string date;  // "2024-06-20 CE", or "XXXX-XX-XX CE" without a date
    std::string time;  // "21:50" ("21:50:37" to the second), or "XX:XX:XX"
    std::string zone;  // the zone's abbreviation for this instant: "IST"
    std::int32_t offset_seconds = 0;  // east positive
    std::int16_t weekday = 0;         // of the local date, 0 Sunday

    // "2024-06-20 CE 21:50", as DateTimeText writes it.
    std::string DateTime() const { return date + " " + time; }
    // "2024-06-20 CE 21:50 IST": the date-time and the zone text.
    std::string DateTimeZone() const { return DateTime() + " " + zone; }
};

// The instant `jd_ut` (Julian Day, UT) in `zone`'s local time of that very
// instant, dated in the calendar (kCalendarGregorian or kCalendarJulian).
// Fills `record` with the local date as DateTimeText does. For a fixed
// zone of whole minutes the texts equal DateTimeText's and ZoneSuffix's;
// to the second, the time is DateTimeSecondsText's.
LocalTime ToLocalTime(double jd_ut, const TimeZone& zone, std::int16_t calendar_code,
                      EuroDate& record,
                      TimePrecision precision = TimePrecision::kMinutes);

}  // namespace kalvest
