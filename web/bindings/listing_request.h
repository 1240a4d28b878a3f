// What the page asks the core for: one listing of a run of years (the
// turning points, the display-all grid, the solar terms, the Moon's phases
// or its eclipses) in one format, and what comes back. The page's controls
// map one to one onto the request; the core computes and writes.
#pragma once

#include <string>

namespace kalvest::web {

struct ListingRequest {
    std::string years = "2024";        // "2024" or "1990..2030", -3000 through 3000
    std::string view = "events";       // events, grid, terms, moon or eclipses
    std::string format = "text";       // text, csv, json or ics; the grid is text only
    std::string events = "all";        // a comma list: imbolc, march, ... december, or all
    std::string method = "both";       // mean, true or both
    std::string calendar = "gregorian";  // or julian
    // A zone of the IANA database ("Europe/Dublin"), or one of the
    // window's fixed offsets ("GMT", "GMT+05:30").
    std::string zone = "GMT";
    bool weekday = false;   // the text lines end with the weekday
    bool southern = false;  // the grid's southern-hemisphere names
    bool seconds = false;   // every time to the second
    bool precise = false;   // equinoxes and solstices by the Sun's longitude
};

struct ListingResult {
    int status = 0;      // 0, 1 for a failure while computing, 2 for a bad request
    std::string text;    // the listing; empty unless status is 0
    std::string error;   // one line why not, or a note beside the listing
};

ListingResult MakeListing(const ListingRequest& request);

}  // namespace kalvest::web
