// Calendar conversion, weekday and digit grouping: our own implementation
// of the calendar library that the date and time text calls, with the same
// C interface (the date record is exchanged by address).
#pragma once

#include <cstddef>
#include <cstdint>

#include "calendar/calendar_day_number.h"

namespace kalvest {

// The record exchanged with the calendar conversion. The layout (five
// 32-bit integers at offsets 0, 4, 8, 12, 16) is part of the interface.
struct EuroDate {
    std::int32_t year;      // astronomical numbering: year 0 precedes year 1
    std::int32_t month;     // 1..12
    std::int32_t day;       // 1..31
    std::int32_t calendar;  // set by the caller: a calendar code (kCalendarGregorian, kCalendarJulian)
    std::int32_t jdn;       // set by the caller: Julian Day Number
};
static_assert(sizeof(EuroDate) == 20);
static_assert(offsetof(EuroDate, year) == 0);
static_assert(offsetof(EuroDate, month) == 4);
static_assert(offsetof(EuroDate, day) == 8);
static_assert(offsetof(EuroDate, calendar) == 12);
static_assert(offsetof(EuroDate, jdn) == 16);

// Size of the output buffer of separate_thousands, without its NUL.
constexpr std::size_t kThousandsBufferChars = 20;

extern "C" {

// Reads jdn and calendar, writes year, month and day of that day in the
// proleptic Gregorian calendar (kCalendarGregorian, and any code but
// kCalendarJulian) or the Julian calendar (kCalendarJulian). Correct for every
// 32-bit day number, negative ones included.
void jdn_to_euro_date(EuroDate* date);

// Weekday of the Julian Day Number: 0 Sunday, 1 Monday, ..., 6 Saturday.
std::int32_t euro_day_of_week(std::int32_t jdn);

// Writes `number` into `out` with `separator` between groups of three
// digits of its leading run of digits (after an optional sign); whatever
// follows that run is copied unchanged. `out` holds kThousandsBufferChars
// characters and a NUL; a longer result is cut there, always terminated.
void separate_thousands(const char* number, std::int32_t separator,
                        char* out);

}  // extern "C"

}  // namespace kalvest
