// The words by which the front ends that take text (kalvest-cli's
// arguments, the page's requests) name what to compute: years, events,
// methods, calendars and zones. Each reader gives the value, or the
// problem in words for the front end to show after its own name for the
// choice ("YEARS: ", "--events: ").
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "datetime/time_zone.h"
#include "run/calculation_run.h"

namespace kalvest {

struct YearSpan {
    std::int32_t first;
    std::int32_t last;  // inclusive
};

// "2024" or "1990..2030": whole years of the command line's range
// (-3000 through 3000), the first not after the last; a lone sign or a
// blank is no year here.
std::optional<YearSpan> ReadYearSpan(const std::string& text, std::string& problem);

// A comma list of imbolc, march, beltane, june, lughnassad, september,
// samhain, december or all: selects exactly those events of `selection`.
bool ReadEvents(const std::string& list, RunSelection& selection, std::string& problem);

// mean, true or both: the cross-quarter days' methods of `selection`.
bool ReadMethod(const std::string& method, RunSelection& selection, std::string& problem);

// gregorian or julian.
std::optional<std::int16_t> ReadCalendar(const std::string& calendar, std::string& problem);

// One of the window's fixed offsets ("GMT", "GMT+05:30"), in minutes.
std::optional<std::int16_t> ReadFixedZone(const std::string& zone, std::string& problem);

// A zone of the IANA database ("Europe/Dublin"), or "local" for the
// system's own zone; null for an unknown name. Throws ZoneDatabaseError
// when the database cannot be read.
std::unique_ptr<TimeZone> ReadNamedZone(const std::string& name, std::string& problem);

// Either: one of the window's fixed offsets by its text, or else a named
// zone as ReadNamedZone reads it (the page's one zone field).
std::unique_ptr<TimeZone> ReadZone(const std::string& zone, std::string& problem);

}  // namespace kalvest
