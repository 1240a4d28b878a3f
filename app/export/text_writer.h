// A listing as the text lines of its events, one per line, with a
// separator line between sections (the years of a range).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "export/event_list.h"

namespace kalvest {

// Appends each event's text line and a line feed to `out`; `separator`
// and a line feed stand before every event whose section differs from the
// one before it.
class TextWriter final : public ListingWriter {
public:
    TextWriter(std::string& out, std::string separator)
        : out_(out), separator_(std::move(separator)) {}
    void Begin(const std::vector<std::string>&) override {}
    void Write(const ListedEvent& event) override;
    void End() override {}

private:
    std::string& out_;
    std::string separator_;
    std::optional<std::int32_t> section_;
};

std::string TextLines(const EventList& list, const std::string& separator);

}  // namespace kalvest
