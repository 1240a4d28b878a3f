// Julian Day Numbers and calendar dates, both ways, in the proleptic
// Gregorian and the Julian calendar, for every day number of 64 bits whose
// year fits. The calendar stand-in, the date texts and the wheel's year
// all convert here.
#pragma once

#include <cstdint>

namespace kalvest {

// Calendar codes: the character codes of "G" (the proleptic Gregorian
// calendar) and "J" (the Julian calendar). Dates, runs and listings name
// their calendar by them; every code but kCalendarJulian is Gregorian.
constexpr std::int16_t kCalendarGregorian = 71;
constexpr std::int16_t kCalendarJulian = 74;

struct CalendarDate {
    std::int64_t year;  // astronomical numbering: year 0 precedes year 1
    int month;          // 1..12
    int day;            // 1..31
};

// The date of day number `jdn` in the calendar of `calendar_code`.
CalendarDate CalendarDateOfDayNumber(std::int64_t jdn, std::int16_t calendar_code);

// The day number of `day`.`month`.`year` (astronomical numbering) in the
// proleptic Gregorian calendar, or in the Julian calendar for
// kCalendarJulian. Months and days out of their range roll over as in
// arithmetic (month 13 is January of the next year).
std::int64_t CalendarDayNumber(std::int64_t year, std::int64_t month, std::int64_t day,
                               std::int16_t calendar_code);

}  // namespace kalvest
