// The JSON and iCalendar writers over arbitrary listings: any column
// names, texts (valid UTF-8 or not, control characters and all), numbers
// and instants. The JSON parses back (nlohmann) to the listing's values;
// the iCalendar file passes a strict check of its lines (CR LF only, at
// most 75 octets, continuation lines begun by a blank, UTF-8, no control
// characters but tab), its BEGIN/END nesting and its events, and its texts
// unfold and unescape to the listing's.
#include <fuzzer/FuzzedDataProvider.h>

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/utf_text.h"
#include "datetime/utc_text.h"
#include "export/icalendar_writer.h"
#include "export/json_writer.h"

#include "fuzz_check.h"

namespace {

using namespace kalvest;

using kalvest_fuzz::Check;

double Instant(FuzzedDataProvider& input) {
    // Mostly the years the listings have, sometimes any double at all.
    if (input.ConsumeBool()) return input.ConsumeFloatingPointInRange(1000000.0, 6000000.0);
    return input.ConsumeFloatingPoint<double>();
}

FieldValue Field(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0: return FieldValue::Null();
    case 1: return FieldValue::Text(input.ConsumeRandomLengthString(40));
    case 2: return FieldValue::Integer(input.ConsumeIntegral<std::int64_t>());
    case 3:
        return FieldValue::Fixed(input.ConsumeFloatingPoint<double>(),
                                 input.ConsumeIntegralInRange(0, 17));
    default:
        return FieldValue::Rounded(input.ConsumeFloatingPointInRange(-1e6, 1e6),
                                   input.ConsumeIntegralInRange(0, 6));
    }
}

CalendarEntry Entry(FuzzedDataProvider& input) {
    CalendarEntry entry;
    entry.uid = input.ConsumeRandomLengthString(100);
    entry.summary = input.ConsumeRandomLengthString(200);
    entry.description = input.ConsumeRandomLengthString(300);
    entry.start_jd_ut = Instant(input);
    if (input.ConsumeBool()) entry.end_jd_ut = Instant(input);
    return entry;
}

EventList Listing(FuzzedDataProvider& input) {
    EventList list;
    const int columns = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < columns; ++i) {
        // Distinct names: a JSON object holds each key once.
        list.columns.push_back(input.ConsumeRandomLengthString(12) + "#" + std::to_string(i));
    }
    const int events = input.ConsumeIntegralInRange(0, 6);
    for (int e = 0; e < events; ++e) {
        ListedEvent event;
        for (int i = 0; i < columns; ++i) event.fields.push_back(Field(input));
        event.calendar = Entry(input);
        const int further = input.ConsumeIntegralInRange(0, 2);
        for (int f = 0; f < further; ++f) event.further_entries.push_back(Entry(input));
        list.events.push_back(std::move(event));
    }
    return list;
}

// --- JSON ---

void CheckJsonText(const std::string& written, const std::string& original) {
    // Text comes back as it was, or, where it was no UTF-8, as UTF-8.
    Check(IsValidUtf8(written));
    if (IsValidUtf8(original)) Check(written == original);
}

void CheckJson(const EventList& list) {
    const std::string text = JsonText(list);
    // Parsed in the written order of the keys; throws (aborts) if bad.
    const auto parsed = nlohmann::ordered_json::parse(text);
    Check(parsed.is_array() && parsed.size() == list.events.size());
    for (std::size_t e = 0; e < list.events.size(); ++e) {
        const ListedEvent& event = list.events[e];
        const auto& object = parsed[e];
        Check(object.is_object());
        Check(object.size() == list.columns.size() + 1 + (event.calendar.end_jd_ut ? 1 : 0));
        auto item = object.begin();
        for (std::size_t i = 0; i < list.columns.size(); ++i, ++item) {
            CheckJsonText(item.key(), list.columns[i]);
            const auto& value = item.value();
            const FieldValue& field = event.fields[i];
            switch (field.type()) {
            case FieldValue::Type::kNull: Check(value.is_null()); break;
            case FieldValue::Type::kText:
                Check(value.is_string());
                CheckJsonText(value.get<std::string>(), field.text());
                break;
            case FieldValue::Type::kInteger:
                Check(value.is_number_integer() && value.get<std::int64_t>() == field.integer());
                break;
            case FieldValue::Type::kNumber: {
                // The number of the text CSV shows; null where that is none.
                const std::string shown = field.ToText();
                double expected = 0;
                const auto result =
                    std::from_chars(shown.data(), shown.data() + shown.size(), expected);
                if (result.ec != std::errc() || !std::isfinite(expected)) {
                    Check(value.is_null());
                } else {
                    Check(value.is_number() && value.get<double>() == expected);
                }
                break;
            }
            }
        }
        Check(item.key() == "iso_utc");
        const std::optional<std::string> iso = IsoUtcText(event.calendar.start_jd_ut);
        Check(iso ? item.value() == *iso : item.value().is_null());
    }
}

// --- iCalendar ---

// Unescapes a TEXT value: \\ \; \, and \n (or \N).
std::string Unescaped(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            Check(value[i] != ';' && value[i] != ',');  // must have been escaped
            out += value[i];
            continue;
        }
        Check(i + 1 < value.size());
        const char next = value[++i];
        Check(next == '\\' || next == ';' || next == ',' || next == 'n' || next == 'N');
        out += (next == 'n' || next == 'N') ? '\n' : next;
    }
    return out;
}

// What a text must read as after the round trip: UTF-8 (bad bytes as
// U+FFFD), line breaks as LF, and no other control character but tab.
std::string Expected(const std::string& raw) {
    const std::string text = IsValidUtf8(raw) ? raw : Utf16ToUtf8(Utf8ToUtf16(raw));
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n' || c == '\t' || (byte >= 0x20 && byte != 0x7F)) out += c;
    }
    return out;
}

// The content lines after unfolding; checks the physical lines first.
std::vector<std::string> ContentLines(const std::string& text) {
    Check(IsValidUtf8(text));
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        Check(end != std::string::npos);  // every line ends in CR LF
        const std::string line = text.substr(pos, end - pos);
        Check(line.size() <= 75);
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            Check(c == '\t' || (byte >= 0x20 && byte != 0x7F));  // no bare CR or LF either
        }
        if (!line.empty() && line[0] == ' ') {
            Check(!lines.empty());
            lines.back() += line.substr(1);
        } else {
            Check(!line.empty());
            lines.push_back(line);
        }
        pos = end + 2;
    }
    return lines;
}

void CheckICalendar(const EventList& list, FuzzedDataProvider& input) {
    ICalendarOptions options;
    options.product_id = "-//Orvanth Systems//Kalvest 7.0//EN";
    options.calendar_name = input.ConsumeRandomLengthString(100);
    options.stamp_jd_ut = Instant(input);
    const ICalendarFile file = ICalendarText(list, options);
    const std::vector<std::string> lines = ContentLines(file.text);

    std::vector<const CalendarEntry*> entries;
    for (const ListedEvent& event : list.events) {
        entries.push_back(&event.calendar);
        for (const CalendarEntry& further : event.further_entries) entries.push_back(&further);
    }
    std::vector<const CalendarEntry*> written;
    for (const CalendarEntry* entry : entries) {
        const bool start = ICalendarUtcText(entry->start_jd_ut).has_value();
        const bool end = !entry->end_jd_ut || ICalendarUtcText(*entry->end_jd_ut).has_value();
        if (start && end) written.push_back(entry);
    }
    Check(file.left_out == entries.size() - written.size());

    Check(lines.size() >= 2 && lines.front() == "BEGIN:VCALENDAR" && lines.back() == "END:VCALENDAR");
    std::size_t event = 0;
    bool inside = false;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t colon = line.find(':');
        Check(colon != std::string::npos && colon > 0);
        const std::string name = line.substr(0, colon);
        const std::string value = line.substr(colon + 1);
        if (name == "BEGIN") {
            Check(value == "VEVENT" && !inside && event < written.size());
            inside = true;
            continue;
        }
        if (name == "END") {
            Check(value == "VEVENT" && inside);
            inside = false;
            ++event;
            continue;
        }
        if (!inside) {
            if (name == "X-WR-CALNAME") Check(Unescaped(value) == Expected(options.calendar_name));
            continue;
        }
        const CalendarEntry& entry = *written[event];
        if (name == "UID") Check(Unescaped(value) == Expected(entry.uid));
        if (name == "SUMMARY") Check(Unescaped(value) == Expected(entry.summary));
        if (name == "DESCRIPTION") Check(Unescaped(value) == Expected(entry.description));
        if (name == "DTSTART") Check(value == *ICalendarUtcText(entry.start_jd_ut));
        if (name == "DTEND") Check(entry.end_jd_ut && value == *ICalendarUtcText(*entry.end_jd_ut));
        if (name == "DURATION") Check(!entry.end_jd_ut && value == "PT0S");
    }
    Check(!inside && event == written.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const EventList list = Listing(input);
    CheckJson(list);
    CheckICalendar(list, input);
    return 0;
}
