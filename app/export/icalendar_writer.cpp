#include "export/icalendar_writer.h"

#include <optional>

#include "common/utf_text.h"
#include "datetime/utc_text.h"

namespace kalvest {
namespace {

constexpr std::size_t kMaxLineOctets = 75;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void AppendEvent(std::string& out, const CalendarEntry& entry, const std::string& stamp,
                 const std::string& start, const std::optional<std::string>& end,
                 const std::optional<Reminder>& reminder) {
    out += "BEGIN:VEVENT\r\n";
    out += ICalendarFold("UID:" + ICalendarEscape(entry.uid));
    out += "DTSTAMP:" + stamp + "\r\n";
    out += "DTSTART:" + start + "\r\n";
    // An instant lasts no time. Said outright, as the RFC's default for a
    // start without an end would be, because some programs (khal) give
    // such an event a whole day instead.
    out += end ? "DTEND:" + *end + "\r\n" : std::string("DURATION:PT0S\r\n");
    out += ICalendarFold("SUMMARY:" + ICalendarEscape(entry.summary));
    if (!entry.description.empty()) {
        out += ICalendarFold("DESCRIPTION:" + ICalendarEscape(entry.description));
    }
    // A moment of the sky, not an appointment: it does not make the user
    // busy.
    out += "TRANSP:TRANSPARENT\r\n";
    if (reminder) {
        // A message on the screen, the one action that needs no more than
        // a text (RFC 5545 3.6.6).
        out += "BEGIN:VALARM\r\n";
        out += "ACTION:DISPLAY\r\n";
        out += ICalendarFold("DESCRIPTION:" + ICalendarEscape(entry.summary));
        out += "TRIGGER:" + ICalendarTrigger(*reminder) + "\r\n";
        out += "END:VALARM\r\n";
    }
    out += "END:VEVENT\r\n";
}

}  // namespace

std::string ICalendarEscape(const std::string& raw) {
    // The file is UTF-8: bad bytes (which no listing makes) become U+FFFD.
    const std::string text = IsValidUtf8(raw) ? raw : Utf16ToUtf8(Utf8ToUtf16(raw));
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case ';': out += "\\;"; break;
        case ',': out += "\\,"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += c; break;
        default:
            // CR LF and LF alike become one \n; no other control character
            // may stand in a text.
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
        }
    }
    return out;
}

std::string ICalendarFold(const std::string& line) {
    std::string out;
    std::size_t pos = 0;
    std::size_t room = kMaxLineOctets;
    while (line.size() - pos > room) {
        std::size_t cut = pos + room;
        while (cut > pos && IsContinuationByte(line[cut])) --cut;
        if (cut == pos) cut = pos + room;  // no character start: not UTF-8
        out.append(line, pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        room = kMaxLineOctets - 1;  // the leading blank counts
    }
    out.append(line, pos, std::string::npos);
    out += "\r\n";
    return out;
}

void ICalendarWriter::Begin(const std::vector<std::string>&) {
    out_ += "BEGIN:VCALENDAR\r\n";
    out_ += "VERSION:2.0\r\n";
    out_ += ICalendarFold("PRODID:" + options_.product_id);
    out_ += "CALSCALE:GREGORIAN\r\n";
    if (!options_.calendar_name.empty()) {
        out_ += ICalendarFold("X-WR-CALNAME:" + ICalendarEscape(options_.calendar_name));
    }
    stamp_ = ICalendarUtcText(options_.stamp_jd_ut).value_or("19700101T000000Z");
}

void ICalendarWriter::Write(const ListedEvent& event) {
    WriteEntry(event.calendar);
    for (const CalendarEntry& entry : event.further_entries) WriteEntry(entry);
}

void ICalendarWriter::WriteEntry(const CalendarEntry& entry) {
    const std::optional<std::string> start = ICalendarUtcText(entry.start_jd_ut);
    std::optional<std::string> end;
    if (entry.end_jd_ut) end = ICalendarUtcText(*entry.end_jd_ut);
    if (!start || (entry.end_jd_ut && !end)) {
        ++left_out_;
        return;
    }
    AppendEvent(out_, entry, stamp_, *start, end, options_.reminder);
}

void ICalendarWriter::End() { out_ += "END:VCALENDAR\r\n"; }

ICalendarFile ICalendarText(const EventList& list, const ICalendarOptions& options) {
    ICalendarFile file;
    ICalendarWriter writer(file.text, options);
    WriteList(list, writer);
    file.left_out = writer.LeftOut();
    return file;
}

}  // namespace kalvest
