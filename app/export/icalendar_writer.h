// A listing as an iCalendar file (RFC 5545) that calendar programs
// import: one VEVENT per event and per further entry of an event, its
// start (and end, where it lasts) in UTC, with a reminder (VALARM) when
// asked for. Content lines are folded at 75 octets and end in CR LF.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "export/event_list.h"
#include "run/reminder.h"

namespace kalvest {

struct ICalendarOptions {
    std::string product_id;    // PRODID, "-//Orvanth Systems//Kalvest 7.0//EN"
    std::string calendar_name;  // X-WR-CALNAME, the name shown on import; may be empty
    double stamp_jd_ut = 0.0;  // DTSTAMP: when the file is made
    // A VALARM in every event that shows the event's summary this long
    // before its start; none without.
    std::optional<Reminder> reminder;
};

// Appends the calendar to `out`.
class ICalendarWriter final : public ListingWriter {
public:
    ICalendarWriter(std::string& out, ICalendarOptions options)
        : out_(out), options_(std::move(options)) {}
    void Begin(const std::vector<std::string>& columns) override;
    void Write(const ListedEvent& event) override;
    void End() override;

    // Calendar entries left out because iCalendar cannot write their dates
    // (before year 1 or after 9999).
    std::size_t LeftOut() const { return left_out_; }

private:
    void WriteEntry(const CalendarEntry& entry);

    std::string& out_;
    ICalendarOptions options_;
    std::string stamp_;
    std::size_t left_out_ = 0;
};

struct ICalendarFile {
    std::string text;
    std::size_t left_out = 0;  // as ICalendarWriter::LeftOut
};

ICalendarFile ICalendarText(const EventList& list, const ICalendarOptions& options);

// A property's text value with backslash, semicolon, comma and line break
// escaped; as UTF-8 without control characters but tab (bad bytes become
// U+FFFD, other control characters are left out).
std::string ICalendarEscape(const std::string& text);

// One content line, folded: at most 75 octets a line, every further line
// begun by a blank, never inside a UTF-8 character; each ends in CR LF.
std::string ICalendarFold(const std::string& line);

}  // namespace kalvest
