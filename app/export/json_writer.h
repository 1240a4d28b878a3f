// A listing as JSON: one array with an object per event, each object on a
// line of its own. The keys are the listing's columns in their order, then
// "iso_utc", the event's instant in ISO 8601 Universal Time to the second
// (null outside the years 1 through 9999), and for an event that lasts
// "iso_utc_end" likewise.
#pragma once

#include <string>
#include <vector>

#include "export/event_list.h"

namespace kalvest {

// Appends to `out`; the text ends in a line feed.
class JsonWriter final : public ListingWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}
    void Begin(const std::vector<std::string>& columns) override;
    void Write(const ListedEvent& event) override;
    void End() override;

private:
    std::string& out_;
    std::vector<std::string> columns_;
    bool first_ = true;
};

std::string JsonText(const EventList& list);

}  // namespace kalvest
