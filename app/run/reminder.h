// A reminder before an event, as the export writes it into a calendar
// file (iCalendar's VALARM): a span of whole minutes before the event's
// start. The command line names it as "1d", "12h", "30m" or in ISO 8601
// ("P1D", "PT12H", "PT30M", "P1DT6H", "P2W"); the export dialog as a number
// of days or hours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvest {

// The longest reminder: four weeks before the event. Calendar programs
// show nothing useful for longer ones, and a limit keeps every count of
// minutes far inside its type.
inline constexpr std::int64_t kLongestReminderMinutes = 28 * 24 * 60;

struct Reminder {
    std::int64_t minutes_before = 0;  // 1 .. kLongestReminderMinutes

    bool operator==(const Reminder&) const = default;
};

// "1d", "12h", "90m" (one number and its unit: d, h or m, in either case)
// or an ISO 8601 duration of weeks, days, hours and minutes ("P1D",
// "PT30M", "P1DT12H", "P2W"; seconds only as a whole number of minutes,
// "PT90S" is no reminder). Nothing for any other text, for a zero span
// and for one longer than kLongestReminderMinutes.
std::optional<Reminder> ParseReminder(std::string_view text);

// The reminder as iCalendar's trigger before the start: "-P1D", "-PT12H",
// "-PT30M", "-P1DT2H30M" (whole days as D, the rest as H and M).
std::string ICalendarTrigger(const Reminder& reminder);

// "1 day", "12 hours", "1 day 2 hours 30 minutes": for texts shown to the
// user (the reminder's own description).
std::string ReminderText(const Reminder& reminder);

}  // namespace kalvest
