// A listing as CSV (RFC 4180 quoting): the column names, then one row per
// event. Lines end in a line feed.
#pragma once

#include <string>

#include "export/event_list.h"

namespace kalvest {

// Appends to `out`.
class CsvWriter final : public ListingWriter {
public:
    explicit CsvWriter(std::string& out) : out_(out) {}
    void Begin(const std::vector<std::string>& columns) override;
    void Write(const ListedEvent& event) override;
    void End() override {}

private:
    std::string& out_;
};

std::string CsvText(const EventList& list);

}  // namespace kalvest
