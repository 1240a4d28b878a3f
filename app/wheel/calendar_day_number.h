// The Julian Day Number of a calendar date: the inverse of the calendar
// conversion's jdn_to_euro_date, which the wheel needs to find where a
// local year and its months begin.
#pragma once

#include <cstdint>

namespace kalvest {

// The day number of `day`.`month`.`year` (astronomical numbering) in the
// proleptic Gregorian calendar, or in the Julian calendar for
// kCalendarJulian. Months and days out of their range roll over as in
// arithmetic (month 13 is January of the next year).
std::int64_t CalendarDayNumber(std::int64_t year, std::int64_t month, std::int64_t day,
                               std::int16_t calendar_code);

}  // namespace kalvest
