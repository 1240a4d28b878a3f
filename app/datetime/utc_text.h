// An instant as a date and time of Universal Time to the second, in the
// proleptic Gregorian calendar: the stamps of the exported files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvest {

struct UtcDateTime {
    std::int32_t year = 0;  // astronomical numbering
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;  // truncated, counted as the local times count theirs
};

// The Gregorian date and time of `jd_ut`; none for an instant that has no
// date (not finite, or beyond 32-bit day numbers).
std::optional<UtcDateTime> UtcDateTimeOf(double jd_ut);

// The system clock's instant as a Julian Day (UT), to the second: when an
// exported file is made.
double CurrentJulianDay();

// "2024-03-20T03:06:21Z" (ISO 8601); none outside the years 1 through
// 9999, which the plain form cannot write.
std::optional<std::string> IsoUtcText(double jd_ut);

// "20240320T030621Z" (iCalendar's UTC date-time); none outside the years
// 1 through 9999.
std::optional<std::string> ICalendarUtcText(double jd_ut);

}  // namespace kalvest
