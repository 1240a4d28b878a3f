// The zone chooser's search over the time zone database: every zone with
// what a user may know it by (its name, its city, its countries, the
// abbreviations its clocks show, its older names) and a search that
// finds zones by any of them, best matches first and the system's own
// zone before all. Qt-free, so that every front end searches alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvest {

struct ZoneChoice {
    std::string name;                        // "Europe/Dublin"
    std::string city;                        // "Dublin" ("Buenos Aires", "Ho Chi Minh")
    std::vector<std::string> countries;      // "Ireland"
    std::vector<std::string> abbreviations;  // of the year, in time order: "GMT", "IST"
    std::vector<std::string> other_names;    // links to it: "Eire", "Europe/Belfast"...
    std::int32_t standard_offset_seconds = 0;  // StandardOffsetSeconds of the year
};

struct ZoneCatalogue {
    std::vector<ZoneChoice> zones;  // by name
    // The system's own zone: its database name (SystemZoneName), or
    // "local" where the database does not name it (a TZ rule), for which
    // the catalogue then holds an entry "local" of its own.
    std::string system_zone;
};

// Every zone of the database with its countries and the abbreviations and
// standard time of `year`. Throws ZoneDatabaseError when the database
// cannot be read.
ZoneCatalogue LoadZoneCatalogue(std::int32_t year);

// "Buenos Aires" for "America/Argentina/Buenos_Aires": the last part of the
// name, its underscores as blanks.
std::string CityOfZone(std::string_view name);

// The zones that match `query`, best first. Each word of the query (split
// at blanks, "/", "_" and commas, letter case ignored) must occur in the
// zone's name, city, countries, abbreviations or other names. A zone that
// one of these equals as a whole comes first ("IST", "Ireland", "Dublin"),
// then zones where every word begins a word of them, then the rest; within
// each, by name. The system's zone comes before every other that matches.
// An empty query lists every zone, the system's first. Indexes into
// `catalogue.zones`.
std::vector<std::size_t> SearchZones(const ZoneCatalogue& catalogue, std::string_view query);

// How titles and the TZ box name a chosen zone: its database name, or
// "local time" for "local" (the system's own zone).
std::string ZoneTitleName(const std::string& name);

// One line for the chooser's list:
// "Europe/Dublin  (Ireland; GMT, IST)", the countries and abbreviations
// left out where there are none; the system's zone ends with
// " - this computer's zone".
std::string ZoneChoiceText(const ZoneChoice& zone, bool system_zone = false);

}  // namespace kalvest
