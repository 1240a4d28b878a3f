// The list of computed events that every writer of this folder takes: a
// listing (the solar events or the Moon's phases of some years; the solar
// terms may follow) names its columns once and gives each event one
// value per column, the line of the text output and what a calendar
// program shows. The writers know nothing of any one listing: a new one
// only produces these events.
//
// A listing hands its events to a ListingWriter one by one, so that
// thousands of years never sit in memory at once; an EventList holds a
// whole listing where that is handier (tests, short listings), and every
// writer has a form that takes one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kalvest {

// One value of a column, typed so that each writer writes it its own way:
// CSV as plain text (nothing for null), JSON as a string, number or null.
class FieldValue {
public:
    enum class Type { kNull, kText, kInteger, kNumber };

    static FieldValue Null() { return FieldValue(); }
    static FieldValue Text(std::string text);
    static FieldValue Integer(std::int64_t value);
    // A number written with exactly `decimals` digits after the point in
    // text ("2460389.6291051875" with 10); JSON gives the number of that
    // text in its shortest form.
    static FieldValue Fixed(double value, int decimals);
    // A number rounded to at most `max_decimals` digits, written without
    // trailing zeros ("-25.35", "60") in text and JSON alike.
    static FieldValue Rounded(double value, int max_decimals);

    Type type() const { return static_cast<Type>(value_.index()); }
    const std::string& text() const { return std::get<std::string>(value_); }
    std::int64_t integer() const { return std::get<std::int64_t>(value_); }
    double number() const { return std::get<Number>(value_).value; }

    // The value as CSV and plain text write it: empty for null.
    std::string ToText() const;
    // The same, appended to `out`.
    void AppendText(std::string& out) const;

private:
    struct Number {
        double value;
        int decimals;
        bool trim_zeros;
    };
    // In the order of Type. Kept small: a listing of thousands of years
    // holds tens of thousands of rows.
    std::variant<std::monostate, std::string, std::int64_t, Number> value_;
};

// What a calendar program shows of an event.
struct CalendarEntry {
    // The same from run to run for the same event, so that importing a
    // file again updates the events instead of doubling them.
    std::string uid;
    std::string summary;      // "Imbolc (true sun)"
    std::string description;  // may be empty
    double start_jd_ut = 0.0;
    // Where an event lasts (an eclipse from its first to its last
    // contact); none for an instant.
    std::optional<double> end_jd_ut;
};

struct ListedEvent {
    std::vector<FieldValue> fields;  // one per column, in column order
    // The text output's line, no line end. An event that needs more (the
    // contacts of an eclipse) has further lines after line feeds.
    std::string text_line;
    // The text output sets sections (the years) apart with a separator
    // line wherever this number changes from one event to the next.
    std::int32_t section = 0;
    CalendarEntry calendar;
    // Calendar events that come with this one (a lunar eclipse, from its
    // first to its last contact); only iCalendar writes them.
    std::vector<CalendarEntry> further_entries;
};

struct EventList {
    std::vector<std::string> columns;  // CSV header, JSON keys
    std::vector<ListedEvent> events;
};

// Takes a listing's events as they are computed: Begin once with the
// columns, Write for each event in order, End once.
class ListingWriter {
public:
    virtual ~ListingWriter() = default;
    virtual void Begin(const std::vector<std::string>& columns) = 0;
    virtual void Write(const ListedEvent& event) = 0;
    virtual void End() = 0;
};

// Keeps every event: the listing as an EventList.
class ListCollector final : public ListingWriter {
public:
    void Begin(const std::vector<std::string>& columns) override { list_.columns = columns; }
    void Write(const ListedEvent& event) override { list_.events.push_back(event); }
    void End() override {}
    EventList& List() { return list_; }

private:
    EventList list_;
};

// Hands a whole list to a writer.
void WriteList(const EventList& list, ListingWriter& writer);

// The listing that `list` hands to its writer, kept whole.
EventList CollectListing(const std::function<void(ListingWriter& writer)>& list);

}  // namespace kalvest
