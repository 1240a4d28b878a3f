// A Julian Day in Universal Time as local date, time of day and weekday
// text, in the proleptic Gregorian or the Julian calendar.
#pragma once

#include <cstdint>
#include <string>

#include "outside/dantrow.h"

namespace kalvest {

// JD + 0.5 + zone_minutes / 1440: its floor is the Julian Day Number of the
// local civil date, its fraction the part of that day since local midnight.
double LocalInstant(double jd, std::int16_t zone_minutes);

// The same with an offset in seconds, which a zone's local mean time needs
// (Dublin's was -00:25:21). Whole minutes give exactly LocalInstant's value.
double LocalInstantAtOffset(double jd, std::int32_t offset_seconds);

// The local date and the time of day of one local instant, the two halves
// of DateTimeText.
struct LocalDateTime {
    std::string date;  // "2021-03-20 CE"
    std::string time;  // "09:37"
};

// How a time of day is written: "09:37" or, to the second, "09:37:28".
enum class TimePrecision { kMinutes, kSeconds };

// DateTimeText's work on an instant already shifted into local time: fills
// `record` and gives the date and time texts, with the same "XXXX-XX-XX"
// and "XX:XX:XX" texts for an instant that has no date.
LocalDateTime LocalDateAndTime(double local_instant, std::int16_t calendar_code,
                               EuroDate& record,
                               TimePrecision precision = TimePrecision::kMinutes);

// "2021-03-20 CE 09:37": the local date in the calendar and the local time
// of day, both from the same local instant. Fills `record` (calendar, jdn,
// and the date), which the caller then uses for the weekday.
//
// An instant that is not a finite number, or whose local day number does
// not fit 32 bits, has no date: the record gets jdn 0 and year, month and
// day 0, and the text is "XXXX-XX-XX" with the calendar suffix, a blank and
// "XX:XX:XX".
std::string DateTimeText(double jd, std::int16_t zone_minutes,
                         std::int16_t calendar_code, EuroDate& record);

// "2021-03-20 CE 09:37:28": as DateTimeText, with the seconds of the time
// of day (TimeOfDaySecondsText).
std::string DateTimeSecondsText(double jd, std::int16_t zone_minutes,
                                std::int16_t calendar_code, EuroDate& record);

// " CE" for the Gregorian calendar, " JC" for the Julian, the empty text
// for any other code: what follows a year or a date in every text.
std::string CalendarSuffix(std::int32_t calendar);

// "2021-03-20 CE", "-500-03-22 JC"; years beyond +-9999 grouped with ",".
std::string DateText(const EuroDate& record);

// "09:37": hours and minutes of the local instant's fraction, truncated to
// the minute; "XX:XX:XX" when the fraction is not in [0, 1).
std::string TimeOfDayText(double local_instant);

// "09:37:28": as TimeOfDayText, truncated to the second instead.
std::string TimeOfDaySecondsText(double local_instant);

// The whole second of the day (0..86399) that TimeOfDayText shows the
// hours and minutes of; -1 when the fraction is not in [0, 1). Every time
// text of the program (the local times and the UTC stamps of the exported
// files) counts its seconds this way, so they always agree.
std::int32_t SecondOfDay(double instant);

// 0 "Sunday" ... 6 "Saturday"; anything else the empty text.
std::string WeekdayName(std::int16_t weekday);

// The number text with `separator`'s first character between thousands;
// unchanged when the separator is empty.
std::string GroupThousands(const std::string& number,
                           const std::string& separator);

// Cuts the text before its first NUL character, if it has one.
void TrimAtNul(std::string& text);

}  // namespace kalvest
